// Qt Quick Test runner with the same native types, context property and
// data directory as the program. Run with -input DIR for any directory of
// tst_*.qml files.

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
    }
};

QUICK_TEST_MAIN_WITH_SETUP(keyloft, Setup)

#include "main.moc"
