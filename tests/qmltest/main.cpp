// Qt Quick Test runner with the same native types, context property and
// data directory as the program. Run with -input DIR for any directory of
// tst_*.qml files.

#include "DatabaseLock.h"
#include "TestLanguage.h"
#include "app/AppSetup.h"
#include "compat/BaseFunctionTable.h"
#include "services/Translator.h"

#include <QDir>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>
#include <QtWebView>
#include <curl/curl.h>

class Setup : public QObject {
    Q_OBJECT
public:
    // Made before the application object, as the web view needs.
    Setup() { QtWebView::initialize(); }

public slots:
    void applicationAvailable() {
        compat::ensureBaseFunctionTable();
        curl_global_init(CURL_GLOBAL_DEFAULT);
        AppSetup::setUpApplicationFont();
        AppSetup::registerQmlTypes();
        Translator::instance()->load();
    }
    void qmlEngineAvailable(QQmlEngine *engine) {
        AppSetup::setUpEngine(engine);
        // Where tests leave files for people to look at (screenshots):
        // KEYLOFT_ARTIFACT_DIR, created here; empty when not set.
        QString artifactDir = QString::fromLocal8Bit(qgetenv("KEYLOFT_ARTIFACT_DIR"));
        if (!artifactDir.isEmpty() && !QDir().mkpath(artifactDir))
            artifactDir.clear();
        engine->rootContext()->setContextProperty(QStringLiteral("testArtifactDir"), artifactDir);
        // A lock on a database held by another process, for tests of writes
        // that the database refuses.
        engine->rootContext()->setContextProperty(QStringLiteral("databaseLock"),
                                                  new DatabaseLock(engine));
        // The language of the texts in a Chinese run, switched by tests that
        // look at both: testLanguage.setEnglish(true) until setEnglish(false).
        engine->rootContext()->setContextProperty(QStringLiteral("testLanguage"),
                                                  new TestLanguage(engine));
        // Where the build put generated test files (QR images): empty when
        // not set.
        engine->rootContext()->setContextProperty(
            QStringLiteral("testDataDir"),
            QString::fromLocal8Bit(qgetenv("KEYLOFT_TEST_DATA_DIR")));
        // How much longer the waits may take than on a plain build
        // (KeyloftTestCase): KEYLOFT_TEST_TIME_SCALE, 1 when not set.
        bool scaled = false;
        const double timeScale = qEnvironmentVariable("KEYLOFT_TEST_TIME_SCALE").toDouble(&scaled);
        engine->rootContext()->setContextProperty(QStringLiteral("testTimeScale"),
                                                  scaled && timeScale > 1 ? timeScale : 1.0);
        // Control address of the fake cloud service (tests/fake_cloud), set
        // for directories with a FAKE_CLOUD marker; empty otherwise.
        engine->rootContext()->setContextProperty(
            QStringLiteral("fakeCloudControl"),
            QString::fromLocal8Bit(qgetenv("KEYLOFT_FAKE_CLOUD_CONTROL")));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(keyloft, Setup)

#include "main.moc"
