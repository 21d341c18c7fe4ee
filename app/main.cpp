#include "app/AppDelegate.h"
#include "app/AppSetup.h"
#include "compat/BaseFunctionTable.h"
#include "services/Translator.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QWindow>
#include <QtWebView>
#include <curl/curl.h>

namespace {
const QString &rootDocumentUrl() {
    static const QString url = QStringLiteral("qrc:/main.qml");
    return url;
}
} // namespace

int main(int argc, char *argv[]) {
    AppSetup::keepLargeBlocksInHeap();
    AppSetup::setUpLogging();
    compat::ensureBaseFunctionTable();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    // Qt 5.15's web view must be initialised before the application object.
    QtWebView::initialize();
    // libcurl's global state is set up once, before any transfer thread.
    curl_global_init(CURL_GLOBAL_DEFAULT);

    int result = 0;
    {
        QGuiApplication app(argc, argv);
        AppSetup::setUpApplicationFont();
        AppSetup::registerQmlTypes();

        QQmlApplicationEngine engine;
        AppSetup::setUpEngine(&engine);
        Translator::instance()->load();
        engine.load(QUrl(rootDocumentUrl()));

        const QList<QObject *> roots = engine.rootObjects();
        QWindow *window = nullptr;
        if (!roots.isEmpty() && roots.first()->isWindowType())
            window = static_cast<QWindow *>(roots.first());
        QtAppDelegateInitialize(window);
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
