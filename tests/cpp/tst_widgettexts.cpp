// test-locales: en_US.UTF-8
// The default texts of the widget library come out in English when the
// system language is English.

#include "app/AppSetup.h"
#include "compat/BaseFunctionTable.h"
#include "services/Translator.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QtTest>

class TestWidgetTexts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        compat::ensureBaseFunctionTable();
        AppSetup::registerQmlTypes();
        QVERIFY(Translator::instance()->load());
    }

    // Every qsTr text of the library's components and of the settings,
    // help, about and cloud pages has an English translation under the
    // component's name.
    void everyTextTranslated() {
        const QRegularExpression call(QStringLiteral("qsTr\\(\"([^\"]+)\"\\)"));
        int texts = 0;
        QStringList missing;
        for (const char *dir : {"/qml/widgets", "/qml/Widgets2", "/qml/setting", "/qml/help",
                                "/qml/about", "/qml/cloudbackup"}) {
            QDirIterator it(QStringLiteral(KEYLOFT_SOURCE_DIR) + QLatin1String(dir),
                            {QStringLiteral("*.qml")}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                QFile file(path);
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QString source = QString::fromUtf8(file.readAll());
                const QByteArray context = QFileInfo(path).baseName().toUtf8();
                auto matches = call.globalMatch(source);
                while (matches.hasNext()) {
                    const QString text = matches.next().captured(1);
                    ++texts;
                    const QString english =
                        QCoreApplication::translate(context.constData(), text.toUtf8().constData());
                    if (english == text || english.isEmpty())
                        missing << QString::fromUtf8(context) + ": " + text;
                }
            }
        }
        QVERIFY(texts > 0);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String(", "))));
    }

    void defaultProperties_data() {
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("english");
        QTest::newRow("QuestionDialog accept") << "QuestionDialog"
                                               << "acceptButtonText"
                                               << "OK";
        QTest::newRow("QuestionDialog reject") << "QuestionDialog"
                                               << "rejectedButtonText"
                                               << "Cancel";
        QTest::newRow("ZVInputDialog accept") << "ZVInputDialog"
                                              << "acceptButtonText"
                                              << "Done";
        QTest::newRow("ZVInputDialog reject") << "ZVInputDialog"
                                              << "rejectedButtonText"
                                              << "Cancel";
        QTest::newRow("PromptMenu") << "PromptMenu"
                                    << "text"
                                    << "Press and hold to edit";
    }
    void defaultProperties() {
        QFETCH(QString, component);
        QFETCH(QString, property);
        QFETCH(QString, english);
        QQmlEngine engine;
        QQmlComponent factory(&engine, QUrl("qrc:/widgets/" + component + ".qml"));
        QScopedPointer<QObject> object(factory.create());
        QVERIFY2(object, qPrintable(factory.errorString()));
        QCOMPARE(object->property(property.toUtf8().constData()).toString(), english);
    }
};

QTEST_MAIN(TestWidgetTexts)
#include "tst_widgettexts.moc"
