// Qt Quick Test runner with the same native types, context property and
// data directory as the program. Run with -input DIR for any directory of
// tst_*.qml files.

#include "app/AppSetup.h"
#include "compat/BaseFunctionTable.h"
#include "services/Translator.h"

#include <QQmlEngine>
#include <QtQuickTest>
#include <curl/curl.h>

class Setup : public QObject {
    Q_OBJECT
public slots:
    void applicationAvailable() {
        compat::ensureBaseFunctionTable();
        curl_global_init(CURL_GLOBAL_DEFAULT);
        AppSetup::setUpApplicationFont();
        AppSetup::registerQmlTypes();
        Translator::instance()->load();
    }
    void qmlEngineAvailable(QQmlEngine *engine) { AppSetup::setUpEngine(engine); }
};

QUICK_TEST_MAIN_WITH_SETUP(keyloft, Setup)

#include "main.moc"
