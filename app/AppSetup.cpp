#include "app/AppSetup.h"

#include "platform/Alipay.h"
#include "platform/DDShare.h"
#include "platform/IAPpay.h"
#include "platform/QQShare.h"
#include "platform/SystemShare.h"
#include "platform/WechatShare.h"
#include "platform/Weipay.h"
#include "scan/BarcodeDecoder.h"
#include "services/DataDirectory.h"
#include "services/PhoneNotify.h"
#include "services/PlatformAPI.h"
#include "services/Util.h"
#include "vault/DovCloudErr.h"
#include "vault/DovPayErr.h"
#include "vault/Encryptor.h"
#include "vault/HttpClient.h"
#include "vault/OPTClient.h"

#include <QDebug>
#include <QFont>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QUrl>
#include <QtQml>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

QtMessageHandler g_defaultHandler = nullptr;
std::mutex g_heldMutex;
// The latest warnings, shown only when a critical or fatal message follows.
std::deque<QString> g_heldWarnings;
constexpr std::size_t kHeldWarnings = 20;

QString plainLine(const QMessageLogContext &context, const QString &message) {
    if (context.category && std::strcmp(context.category, "default") != 0)
        return QString::fromUtf8(context.category) + QLatin1String(": ") + message;
    return message;
}

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        QStringList lines;
        {
            std::lock_guard<std::mutex> lock(g_heldMutex);
            lines.reserve(int(g_heldWarnings.size()) + 1);
            for (const QString &line : g_heldWarnings)
                lines << line;
            g_heldWarnings.clear();
        }
        lines << plainLine(context, message);
        std::fprintf(stderr, "%s\n", lines.join(QLatin1Char('\n')).toLocal8Bit().constData());
        std::fflush(stderr);
    } else if (type == QtWarningMsg) {
        std::lock_guard<std::mutex> lock(g_heldMutex);
        g_heldWarnings.push_back(plainLine(context, message));
        if (g_heldWarnings.size() > kHeldWarnings)
            g_heldWarnings.pop_front();
    }
    // Writes nothing under the empty pattern; ends the program on a fatal one.
    g_defaultHandler(type, context, message);
}

} // namespace

namespace AppSetup {

void setUpLogging() {
    qSetMessagePattern(QString());
    if (!qEnvironmentVariableIsEmpty("QT_MESSAGE_PATTERN"))
        return; // every line is shown in the given pattern
    g_defaultHandler = qInstallMessageHandler(messageHandler);
}

// Every save of the vault makes and drops a handful of texts of the size of
// the whole document (its JSON, the UTF-8 and Base64 forms of the cipher,
// the row read back and the SQL binding), several megabytes each for a large
// vault, and the script engine frees them only some saves later. By default
// glibc maps blocks that large separately and unmaps them when freed, and
// hands a free heap top of more than twice that back to the system, so that
// save after save pays again for faulting fresh pages in, which on a virtual
// machine costs more than the save's own work. Blocks up to 32 MB stay in the
// heap, and up to 256 MB of free heap top is kept (a vault of 10,000 entries
// peaks at about 150 MB above its resting size; the peak itself is the same
// either way).
void keepLargeBlocksInHeap() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
#endif
}

void allowWebPagesAsRoot() {
    static const char kVariable[] = "QTWEBENGINE_DISABLE_SANDBOX";
    if (geteuid() != 0 || qEnvironmentVariableIsSet(kVariable))
        return;
    if (!qputenv(kVariable, QByteArrayLiteral("1"))) {
        std::fprintf(stderr, "keyloft: running as root, and the web engine's sandbox could not "
                             "be turned off\n");
        return;
    }
    std::fprintf(stderr, "keyloft: running as root: the web pages are shown without the web "
                         "engine's sandbox\n");
}

void setUpApplicationFont() {
    QFont font = QGuiApplication::font();
    qDebug().noquote().nospace() << "QFont defaultFamily: " << font.defaultFamily()
                                 << ", family: " << font.family() << ", weight: " << font.weight();
    const QString chosen = PlatformAPI::fontFamily();
    qDebug().noquote().nospace() << "Change Application fontFamily " << font.family() << " to "
                                 << chosen;
    font.setFamily(chosen);
    QGuiApplication::setFont(font);
}

void registerQmlTypes() {
    // 1
    qmlRegisterSingletonType<Util>("Lib.Util", 1, 0, "Util", &Util::utilProvider);
    // 2
    qmlRegisterSingletonType(QUrl(QStringLiteral("qrc:/widgets/Theme.qml")), "Widgets.Theme", 1, 0,
                             "Theme");

    // 3: Encryptor
    qmlRegisterSingletonType<Encryptor>("Lib.Encryptor", 1, 0, "Encryptor", &encryptorProvider);

    // 4 to 6: HttpClient, CloudErr, PayErr
    qmlRegisterType<HttpClient>("Lib.HttpClient", 1, 0, "HttpClient");
    qmlRegisterSingletonType<DovCloudErr>("Lib.HttpClient", 1, 0, "CloudErr",
                                          &DovCloudErr::cloudErrProvider);
    qmlRegisterType<DovPayErr>("Lib.HttpClient", 1, 0, "PayErr");

    // 7 to 9: Weipay, Alipay, IAPpay
    qmlRegisterType<Weipay>("Lib.Pay", 1, 0, "Weipay");
    qmlRegisterType<Alipay>("Lib.Pay", 1, 0, "Alipay");
    qmlRegisterType<IAPpay>("Lib.Pay", 1, 0, "IAPpay");

    // 10 to 13: WechatShare, QQShare, DDShare, SystemShare
    qmlRegisterType<WechatShare>("Lib.AppShare", 1, 0, "WechatShare");
    qmlRegisterType<QQShare>("Lib.AppShare", 1, 0, "QQShare");
    qmlRegisterType<DDShare>("Lib.AppShare", 1, 0, "DDShare");
    qmlRegisterType<SystemShare>("Lib.AppShare", 1, 0, "SystemShare");

    // 14: OPTClient
    qmlRegisterType<OPTClient>("ZV.OPTClient", 1, 0, "OPTClient");

    // 15 and 16: BarcodeDecoder, BarcodeFilter
    BarcodeDecoder::registerQmlScanTypes();
}

QString setUpEngine(QQmlEngine *engine) {
    const QString path = DataDirectory::offlineStoragePath();
    if (!path.isEmpty())
        engine->setOfflineStoragePath(path);
    engine->rootContext()->setContextProperty(QStringLiteral("PhoneNotify"),
                                              PhoneNotify::instance());
    return path;
}

} // namespace AppSetup
