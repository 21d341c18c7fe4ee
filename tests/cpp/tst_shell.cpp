// test-locales: zh_CN.UTF-8 en_US.UTF-8
// The native shell: data directory, device identity, language and region,
// country list, translator, Util metrics, the QML registrations, the
// sharing bridges, the web homes per language and the program's exit.

#include "app/AppSetup.h"
#include "compat/BaseFunctionTable.h"
#include "compat/DeviceCode.h"
#include "compat/SystemLocale.h"
#include "compat/WinApi.h"
#include "services/AppConfig.h"
#include "services/CountryList.h"
#include "services/DataDirectory.h"
#include "services/PhoneNotify.h"
#include "services/PlatformAPI.h"
#include "services/Translator.h"
#include "services/Util.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <sys/stat.h>

namespace {

QStringList g_log;

void captureMessages(QtMsgType, const QMessageLogContext &, const QString &message) {
    g_log.append(message);
}

// How a directory variable is set in a case of the data-directory test.
enum PathSetting { Unset, Absolute, Relative };

bool isChinese() {
    return QLocale::system().name().startsWith(QLatin1String("zh"));
}

// Sets an environment variable for the scope of the object.
class EnvGuard {
public:
    EnvGuard(const char *name, const QByteArray &value) : m_name(name) {
        m_had = qEnvironmentVariableIsSet(name);
        m_old = qgetenv(name);
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvGuard() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        compat::ensureBaseFunctionTable();
        AppSetup::registerQmlTypes();
        qInstallMessageHandler(captureMessages);
    }

    // APPDATA and XDG_DATA_HOME as a PathSetting; HOME is always an absolute
    // directory.
    void dataDirectory_data() {
        QTest::addColumn<int>("appData");
        QTest::addColumn<int>("xdg");
        QTest::addColumn<QString>("expectedBase"); // "appdata", "xdg", "home" or "" (none)
        QTest::newRow("APPDATA wins") << int(Absolute) << int(Absolute) << "appdata";
        QTest::newRow("XDG data home") << int(Unset) << int(Absolute) << "xdg";
        QTest::newRow("home fallback") << int(Unset) << int(Unset) << "home";
        // The XDG rules: a relative XDG_DATA_HOME is not used.
        QTest::newRow("relative XDG data home ignored") << int(Unset) << int(Relative) << "home";
        // A relative APPDATA would follow the current directory: refused.
        QTest::newRow("relative APPDATA refused") << int(Relative) << int(Absolute) << "";
    }
    void dataDirectory() {
        QFETCH(int, appData);
        QFETCH(int, xdg);
        QFETCH(QString, expectedBase);
        QTemporaryDir tmp;
        const QString home = tmp.filePath("home");
        auto value = [&](int kind, const QString &name) {
            if (kind == Unset)
                return QByteArray();
            return QFile::encodeName(kind == Absolute ? tmp.filePath(name) : name);
        };
        EnvGuard a("APPDATA", value(appData, "roaming"));
        EnvGuard x("XDG_DATA_HOME", value(xdg, "xdg"));
        EnvGuard h("HOME", QFile::encodeName(home));
        // Relative paths would be taken from here.
        const QString here = QDir::currentPath();
        QVERIFY(QDir::setCurrent(tmp.path()));

        QString error;
        const QString path = DataDirectory::offlineStoragePath(&error);
        QVERIFY(QDir::setCurrent(here));
        if (expectedBase.isEmpty()) {
            QCOMPARE(path, QString());
            QVERIFY2(error.contains("\"roaming\"") && error.contains("APPDATA") &&
                         error.contains("not an absolute path"),
                     qPrintable(error));
            QVERIFY(!QFileInfo::exists(tmp.filePath("roaming")));
            return;
        }
        const QString base = expectedBase == "appdata" ? tmp.filePath("roaming")
                             : expectedBase == "xdg"   ? tmp.filePath("xdg")
                                                       : home + "/.local/share";
        QCOMPARE(path, base + "/Ormel/Keyloft");
        struct stat st {};
        QCOMPARE(stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);
        // A relative XDG_DATA_HOME left nothing under the current directory.
        QVERIFY(!QFileInfo::exists(tmp.filePath("xdg/Ormel")) || expectedBase == "xdg");
    }

    void expandEnvironment() {
        EnvGuard a("APPDATA", "/srv/roaming");
        wchar_t buffer[260] = {};
        const unsigned long n = compat::ExpandEnvironmentStringsW(L"%APPDATA%\\x", buffer, 260);
        QCOMPARE(QString::fromWCharArray(buffer), QString("/srv/roaming\\x"));
        QCOMPARE(int(n), QString("/srv/roaming\\x").size() + 1);
        // An unknown variable or a result that does not fit is a failure.
        QCOMPARE(int(compat::ExpandEnvironmentStringsW(L"%KEYLOFT_NO_SUCH_VAR%", buffer, 260)), 0);
        QCOMPARE(int(compat::ExpandEnvironmentStringsW(L"%APPDATA%", buffer, 5)), 0);
    }

    void startupSetsOfflineStoragePath() {
        QTemporaryDir tmp;
        EnvGuard a("APPDATA", QFile::encodeName(tmp.path()));
        QQmlEngine engine;
        const QString path = AppSetup::setUpEngine(&engine);
        QCOMPARE(path, tmp.path() + "/Ormel/Keyloft");
        QCOMPARE(engine.offlineStoragePath(), path);
    }

    void deviceCode() {
        QTemporaryDir tmp;
        const QString idFile = tmp.filePath("machine-id");
        QFile f(idFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("0123456789abcdef0123456789abcdef\n");
        f.close();
        const QByteArray code = compat::deviceCode(tmp.path(), {idFile});
        QCOMPARE(code.size(), 64);
        QVERIFY(!code.contains("0123456789abcdef")); // the raw id does not leave the machine
        QCOMPARE(compat::deviceCode(tmp.path(), {idFile}), code);
        QVERIFY(compat::deviceCodeFromMachineId("another machine") != code);

        // No machine id: a random id is made once, kept private, and reused.
        const QString state = tmp.filePath("state");
        const QByteArray generated = compat::deviceCode(state, {tmp.filePath("missing")});
        QCOMPARE(generated.size(), 64);
        QCOMPARE(compat::deviceCode(state, {tmp.filePath("missing")}), generated);
        QFileInfo kept(state + "/device-id");
        QVERIFY(kept.exists());
        QCOMPARE(kept.permissions() & (QFile::ReadGroup | QFile::ReadOther),
                 QFileDevice::Permissions());

        // The property reads the same text twice and never an empty one.
        Util *util = Util::instance();
        QVERIFY(!util->deviceCode().isEmpty());
        QCOMPARE(util->deviceCode(), util->deviceCode());
    }

    void deviceName() {
        const QString name = QString::fromUtf8(Util::buildDeviceName());
        wchar_t user[50] = {};
        unsigned long size = 49;
        QVERIFY(compat::GetUserNameW(user, &size));
        QVERIFY2(name.startsWith(QString::fromWCharArray(user) + " ("), qPrintable(name));
        QVERIFY(name.endsWith(")"));
        QVERIFY(!name.contains("Microsoft "));
        QCOMPARE(Util::instance()->deviceName(), name);
    }

    void localeNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("territory");
        QTest::newRow("zh_CN") << "zh_CN"
                               << "zh"
                               << "CN";
        QTest::newRow("en_US") << "en_US"
                               << "en"
                               << "US";
        QTest::newRow("C") << "C"
                           << "en"
                           << "US";
        QTest::newRow("POSIX") << "POSIX"
                               << "en"
                               << "US";
        QTest::newRow("no territory") << "de"
                                      << "de"
                                      << "DE";
    }
    void localeNames() {
        QFETCH(QString, name);
        const compat::SystemLocale locale = compat::SystemLocale::fromName(name);
        QTEST(locale.language, "language");
        QTEST(locale.territory, "territory");
    }

    void languageAndRegion() {
        const QString lang = PlatformAPI::langCode();
        const QString region = PlatformAPI::regionCode();
        QCOMPARE(lang, isChinese() ? QString("zh") : QString("en"));
        QCOMPARE(region, isChinese() ? QString("CN") : QString("US"));
        QCOMPARE(Util::instance()->currentLanguage(), lang);
        QCOMPARE(Util::instance()->currentRegion(), region);
    }

    void countryList() {
        const QVariantList list = Util::instance()->countryCodeList();
        QCOMPARE(list.size(), 245);
        const QVariantMap first = list.first().toMap();
        const QVariantMap last = list.last().toMap();
        QCOMPARE(first.value("region").toString(), QString("AF"));
        QCOMPARE(first.value("number").toInt(), 93);
        QCOMPARE(last.value("region").toString(), QString("AX"));
        QCOMPARE(last.value("number").toInt(), 358);

        const QVariantMap cn = Util::instance()->countryCodeFromRegion("CN");
        QCOMPARE(cn.value("number").toInt(), 86);
        QCOMPARE(cn.value("nameEn").toString(), QString("China"));
        QCOMPARE(cn.value("name").toString(), isChinese() ? QString("中国") : QString("China"));
        QVERIFY(Util::instance()->countryCodeFromRegion("cn").isEmpty());
        QVERIFY(Util::instance()->countryCodeFromRegion("AQ").isEmpty());
        QCOMPARE(Util::instance()->countryCodeCurrent().value("region").toString(),
                 PlatformAPI::regionCode());

        // Regions sharing a dialling code keep their own entries, in table order.
        int us = -1, ca = -1;
        for (int i = 0; i < list.size(); ++i) {
            const QString region = list.at(i).toMap().value("region").toString();
            if (region == "US")
                us = i;
            if (region == "CA")
                ca = i;
        }
        QVERIFY(ca >= 0 && us > ca);
        QCOMPARE(list.at(us).toMap().value("number").toInt(), 1);
        QCOMPARE(list.at(ca).toMap().value("number").toInt(), 1);
    }

    // A folder named by language and territory holds the names in the
    // script Qt gives that locale, where CLDR writes the language in more
    // than one.
    void countryNamesInQtScript_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("script");
        QTest::newRow("zh_HK Traditional")
            << "zh_HK"
            << "CN" << QString::fromUtf8("中國") << int(QChar::Script_Han);
        QTest::newRow("zh_MO Traditional")
            << "zh_MO"
            << "CN" << QString::fromUtf8("中國") << int(QChar::Script_Han);
        QTest::newRow("zh_CN Simplified")
            << "zh_CN"
            << "CN" << QString::fromUtf8("中国") << int(QChar::Script_Han);
        QTest::newRow("az_AZ Latin")
            << "az_AZ"
            << "AZ" << QString::fromUtf8("Azərbaycan") << int(QChar::Script_Latin);
        QTest::newRow("uz_UZ Latin")
            << "uz_UZ"
            << "UZ" << QString::fromUtf8("Oʻzbekiston") << int(QChar::Script_Latin);
        QTest::newRow("sr_RS Cyrillic")
            << "sr_RS"
            << "RS" << QString::fromUtf8("Србија") << int(QChar::Script_Cyrillic);
        QTest::newRow("sr_ME Latin")
            << "sr_ME"
            << "ME" << QString::fromUtf8("Crna Gora") << int(QChar::Script_Latin);
    }
    void countryNamesInQtScript() {
        QFETCH(QString, folder);
        QFETCH(QString, region);
        QFETCH(int, script);
        const QJsonDocument doc = CountryList::loadCountryJson(
            QStringLiteral(":/country-list/%1/country.json").arg(folder));
        QVERIFY(doc.isObject());
        QTEST(doc.object().value(region).toString(), "name");
        // Every name of the file is written in that script.
        const QJsonObject names = doc.object();
        int wrong = 0;
        for (auto it = names.begin(); it != names.end(); ++it) {
            for (const QChar c : it.value().toString()) {
                if (c.isLetter() && c.script() > QChar::Script_Common && c.script() != script) {
                    ++wrong;
                    break;
                }
            }
        }
        QVERIFY2(wrong == 0, qPrintable(QString::number(wrong) + " names in another script"));
    }

    void metrics() {
        Util *util = Util::instance();
        QCOMPARE(util->unitHeight(), 10);
        QCOMPARE(util->fontSize(), isChinese() ? 14 : 13);
        QCOMPARE(util->textHeight(0), 0);
        QCOMPARE(util->textHeight(49), 0);
        QCOMPARE(util->textHeight(-3), 0);
        QVERIFY(util->textHeight(1) > 0);
        for (int relative : {0, 100, -100})
            QCOMPARE(util->relativeFontPoint(relative), util->fontSize());
        const int smaller = util->relativeFontPoint(-1);
        QVERIFY(smaller < util->fontSize());
        QVERIFY(util->textHeight(smaller) < util->textHeight(util->fontSize()));
        const int larger = util->relativeFontPoint(1);
        QVERIFY(larger > util->fontSize());
        QVERIFY(util->textHeight(larger) > util->textHeight(util->fontSize()));
        QVERIFY(util->textWidth(14, "WWWW") > util->textWidth(14, "W"));
        QCOMPARE(util->textTrimmed("  a b \n"), QString("a b"));
    }

    void clipboardWriteDoesNotNotify() {
        Util *util = Util::instance();
        QSignalSpy spy(util, &Util::clipboardTextChanged);
        util->setClipboardText(QString::fromUtf8("剪贴板 text"));
        QCOMPARE(util->clipboardText(), QString::fromUtf8("剪贴板 text"));
        QCOMPARE(spy.count(), 0);
    }

    void permissions() {
        PhoneNotify *hub = PhoneNotify::instance();
        QSignalSpy camera(hub, &PhoneNotify::cameraPermissionsResult);
        QSignalSpy device(hub, &PhoneNotify::devicePermissionsResult);
        Util::instance()->requestPermissionsCamera();
        QCOMPARE(camera.count(), 1);
        QCOMPARE(camera.first().at(0).toString(), QString("android.permission.CAMERA"));
        QCOMPARE(camera.first().at(1).toBool(), true);
        Util::instance()->requestDevicePermissions();
        QCOMPARE(device.count(), 1);
        QCOMPARE(device.first().at(0).toString(), QString("android.permission.READ_PHONE_STATE"));

        g_log.clear();
        PhoneNotify::requestPermission("android.permission.camera", true);
        QCOMPARE(camera.count(), 1);
        QVERIFY(g_log.contains("Unhandled permission: android.permission.camera"));
    }

    void translator() {
        g_log.clear();
        const bool loaded = Translator::instance()->load();
        QVERIFY(loaded);
        const QString title = QCoreApplication::translate("main", "岚匣密管");
        if (isChinese()) {
            QCOMPARE(title, QString::fromUtf8("岚匣密管"));
            QVERIFY(!g_log.filter("Load: ").size());
        } else {
            QCOMPARE(title, QString("Keyloft"));
            QVERIFY(g_log.filter(QRegularExpression("^Load: .*en_US\\.qm$")).size() == 1);
        }
        g_log.clear();
        QTemporaryDir tmp;
        QVERIFY(!Translator::instance()->loadFile(tmp.filePath("en_US.qm")));
        QVERIFY(g_log.contains("Failed to load: " + tmp.filePath("en_US.qm")));
    }

    void qmlRegistration_data() {
        QTest::addColumn<QString>("import");
        QTest::addColumn<bool>("ok");
        QTest::newRow("Lib.Util 1.0") << "import Lib.Util 1.0" << true;
        QTest::newRow("Lib.Util 2.0") << "import Lib.Util 2.0" << false;
        QTest::newRow("Widgets.Theme 1.0") << "import Widgets.Theme 1.0" << true;
        QTest::newRow("Lib.Pay 1.0") << "import Lib.Pay 1.0" << true;
        QTest::newRow("Lib.Pay 2.0") << "import Lib.Pay 2.0" << false;
        QTest::newRow("Lib.AppShare 1.0") << "import Lib.AppShare 1.0" << true;
        QTest::newRow("Lib.AppShare 2.0") << "import Lib.AppShare 2.0" << false;
    }
    void qmlRegistration() {
        QFETCH(QString, import);
        QFETCH(bool, ok);
        QQmlEngine engine;
        AppSetup::setUpEngine(&engine);
        QQmlComponent component(&engine);
        component.setData(("import QtQml 2.12\n" + import + "\nQtObject {}\n").toUtf8(),
                          QUrl("qrc:/test.qml"));
        QCOMPARE(component.isReady(), ok);
    }

    void phoneNotifyIsTheHub() {
        QQmlEngine engine;
        AppSetup::setUpEngine(&engine);
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.12\nQtObject { property var hub: PhoneNotify }\n",
                          QUrl("qrc:/hub.qml"));
        QScopedPointer<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(object->property("hub").value<QObject *>(), PhoneNotify::instance());
    }

    void utilSurvivesEngines() {
        QObject *first = nullptr;
        for (int round = 0; round < 2; ++round) {
            QQmlEngine engine;
            QQmlComponent component(&engine);
            component.setData(
                "import QtQml 2.12\nimport Lib.Util 1.0\nQtObject { property var u: Util; "
                "property int unit: Util.unitHeight }\n",
                QUrl("qrc:/util.qml"));
            QScopedPointer<QObject> object(component.create());
            QVERIFY2(object, qPrintable(component.errorString()));
            QCOMPARE(object->property("unit").toInt(), 10);
            QObject *util = object->property("u").value<QObject *>();
            if (round == 0)
                first = util;
            else
                QCOMPARE(util, first);
        }
        QCOMPARE(static_cast<QObject *>(Util::instance()), first);
    }

    // Built-in addresses lie under ".invalid"; the environment overrides them,
    // and the value reaches script modules through Util.
    void configuration() {
        for (const char *name : {"KEYLOFT_WEB_HOST", "KEYLOFT_WEB_HOST_FOREIGN",
                                 "KEYLOFT_CLOUD_HOST", "KEYLOFT_CLOUD_HOST_FOREIGN"}) {
            qunsetenv(name);
            const QString host = AppConfig::value(name);
            QVERIFY2(QUrl(host).host().endsWith(".invalid"), qPrintable(host));
            QVERIFY(!host.endsWith('/'));
        }
        QVERIFY(AppConfig::value("KEYLOFT_SUPPORT_EMAIL").endsWith(".invalid"));
        QVERIFY(AppConfig::value("NO_SUCH_NAME").isEmpty());

        qputenv("KEYLOFT_WEB_HOST", "http://127.0.0.1:8080");
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(
            "import QtQml 2.12\nimport Lib.Util 1.0\n"
            "QtObject { property string host: Util.configValue(\"KEYLOFT_WEB_HOST\") }\n",
            QUrl("qrc:/config.qml"));
        QScopedPointer<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(object->property("host").toString(), QString("http://127.0.0.1:8080"));
        qunsetenv("KEYLOFT_WEB_HOST");
    }

    // On the desktop every app counts as installed and a share only logs
    // its name, once per call.
    void sharingBridges_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("line");
        QTest::newRow("WechatShare installed") << "WechatShare"
                                               << "isAppInstalled"
                                               << "isAppInstalled: true";
        QTest::newRow("WechatShare session") << "WechatShare"
                                             << "shareAppToSession"
                                             << "shareAppToSession";
        QTest::newRow("WechatShare time line") << "WechatShare"
                                               << "shareAppToTimeLine"
                                               << "shareAppToTimeLine";
        QTest::newRow("QQShare installed") << "QQShare"
                                           << "isAppInstalled"
                                           << "";
        QTest::newRow("QQShare session") << "QQShare"
                                         << "shareAppToSession"
                                         << "shareAppToSession";
        QTest::newRow("QQShare zone") << "QQShare"
                                      << "shareAppToQZone"
                                      << "shareAppToQZone";
        QTest::newRow("DDShare installed") << "DDShare"
                                           << "isAppInstalled"
                                           << "";
        QTest::newRow("DDShare session") << "DDShare"
                                         << "shareAppToSession"
                                         << "shareAppToSession";
        QTest::newRow("SystemShare more") << "SystemShare"
                                          << "shareAppToMore"
                                          << "shareAppToMore";
    }
    void sharingBridges() {
        QFETCH(QString, type);
        QFETCH(QString, method);
        QFETCH(QString, line);
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(
            ("import QtQml 2.12\nimport Lib.AppShare 1.0\n" + type + " {}\n").toUtf8(),
            QUrl("qrc:/share.qml"));
        QScopedPointer<QObject> bridge(component.create());
        QVERIFY2(bridge, qPrintable(component.errorString()));
        const bool answers = method == QLatin1String("isAppInstalled");
        for (int call = 1; call <= 2; ++call) {
            g_log.clear();
            bool installed = false;
            const bool invoked =
                answers ? QMetaObject::invokeMethod(bridge.data(), method.toLatin1().constData(),
                                                    Q_RETURN_ARG(bool, installed))
                        : QMetaObject::invokeMethod(bridge.data(), method.toLatin1().constData());
            QVERIFY(invoked);
            if (answers)
                QVERIFY(installed);
            QCOMPARE(g_log, line.isEmpty() ? QStringList() : QStringList{line});
        }
    }

    // The web home, the agreement address and the banners follow the
    // interface language; the banners are JPEG pictures in the resources.
    void webHomes() {
        EnvGuard cn("KEYLOFT_WEB_HOST", "http://127.0.0.1:8081");
        EnvGuard intl("KEYLOFT_WEB_HOST_FOREIGN", "http://127.0.0.1:8082");
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.12\nimport \"qrc:/js/mymodel.js\" as MyModel\n"
                          "QtObject {\n"
                          "  property string home: MyModel.appWebHomeUrl()\n"
                          "  property string agreement: MyModel.agreementUrl()\n"
                          "  property string privacy: MyModel.privacyUrl()\n"
                          "  property string helpList: MyModel.helpListUrl()\n"
                          "  property string ads: JSON.stringify(MyModel.pwdBoxAdList())\n"
                          "}\n",
                          QUrl("qrc:/webhome.qml"));
        QScopedPointer<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        const QString home =
            isChinese() ? "http://127.0.0.1:8081/keyloft/" : "http://127.0.0.1:8082/keyloft/";
        QCOMPARE(object->property("home").toString(), home);
        QCOMPARE(object->property("agreement").toString(), home + "appdoc/about/agreement.html");
        QCOMPARE(object->property("privacy").toString(), home + "appdoc/about/privacy.html");
        QCOMPARE(object->property("helpList").toString(), home + "appdoc/help_v2_1/index.json");

        const QVariantList ads =
            QJsonDocument::fromJson(object->property("ads").toString().toUtf8())
                .toVariant()
                .toList();
        const QString dir = isChinese() ? "ad" : "ad_en";
        const QStringList folders = isChinese() ? QStringList{"help_00/", "help_10/", "help_13/"}
                                                : QStringList{"help_20/", "help_10/", "help_13/"};
        QCOMPARE(ads.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QVariantMap ad = ads[i].toMap();
            const QString image = QString("qrc:/img/%1/ad_0%2.jpg").arg(dir).arg(i + 1);
            QCOMPARE(ad.value("imageSource").toString(), image);
            QCOMPARE(ad.value("linkUrl").toString(), home + "appdoc/help_v2_1/" + folders[i]);
            QImageReader reader(image.mid(3));
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            QVERIFY(reader.size().width() >= 2 * reader.size().height());
        }
    }

    // Util.systemExit ends the event loop, and with it the program.
    void systemExitEndsEventLoop() {
        QTimer::singleShot(0, [] { Util::instance()->systemExit(); });
        // Guard: a loop that would not end fails instead of hanging.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(10000);
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
