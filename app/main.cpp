#include "app/AppDelegate.h"
#include "app/AppSetup.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "compat/BaseFunctionTable.h"
#include "services/DataDirectory.h"
#include "services/Translator.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QWindow>
#include <QtWebView>
#include <cstdio>
#include <curl/curl.h>
#include <sys/stat.h>

namespace {
const QString &rootDocumentUrl() {
    static const QString url = QStringLiteral("qrc:/main.qml");
    return url;
}
} // namespace

int main(int argc, char *argv[]) {
    // Everything the program creates (data directory, database, journal,
    // lock) is private to the user.
    umask(077);
    AppSetup::keepLargeBlocksInHeap();
    AppSetup::setUpLogging();
    compat::ensureBaseFunctionTable();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    AppSetup::allowWebPagesAsRoot();
    // Qt 5.15's web view must be initialised before the application object.
    QtWebView::initialize();
    // libcurl's global state is set up once, before any transfer thread.
    curl_global_init(CURL_GLOBAL_DEFAULT);

    int result = 0;
    {
        QGuiApplication app(argc, argv);
        TerminationSignals endRequests;
        AppSetup::setUpApplicationFont();
        AppSetup::registerQmlTypes();

        // The vault lives in the data directory and nowhere else.
        QString error;
        const QString dataDirectory = DataDirectory::offlineStoragePath(&error);
        if (dataDirectory.isEmpty()) {
            std::fprintf(stderr, "keyloft: no usable data directory: %s\n", qPrintable(error));
            curl_global_cleanup();
            return 1;
        }
        // A second start on the same data directory shows the running
        // program instead of opening the vault a second time.
        SingleInstance instance(dataDirectory);
        if (!instance.acquire()) {
            std::fprintf(stderr, "keyloft: already running on %s\n", qPrintable(dataDirectory));
            curl_global_cleanup();
            return 0;
        }

        QQmlApplicationEngine engine;
        AppSetup::setUpEngine(&engine);
        Translator::instance()->load();
        engine.load(QUrl(rootDocumentUrl()));

        const QList<QObject *> roots = engine.rootObjects();
        QWindow *window = nullptr;
        if (!roots.isEmpty() && roots.first()->isWindowType())
            window = static_cast<QWindow *>(roots.first());
        QtAppDelegateInitialize(window);
        instance.setWindow(window);
        if (roots.isEmpty()) {
            qCritical("Cannot load the root document %s", qPrintable(rootDocumentUrl()));
            result = 1;
        } else {
            result = app.exec();
        }
    }
    curl_global_cleanup();
    return result;
}
