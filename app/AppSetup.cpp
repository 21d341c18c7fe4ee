#include "app/AppSetup.h"

#include "services/DataDirectory.h"
#include "services/PhoneNotify.h"
#include "services/PlatformAPI.h"
#include "services/Util.h"
#include "vault/Encryptor.h"

#include <QDebug>
#include <QFont>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QUrl>
#include <QtQml>

namespace AppSetup {

void setUpApplicationFont() {
    QFont font = QGuiApplication::font();
    qDebug().noquote().nospace() << "QFont defaultFamily: " << font.defaultFamily()
                                 << ", family: " << font.family()
                                 << ", weight: " << font.weight();
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
    qmlRegisterSingletonType(QUrl(QStringLiteral("qrc:/widgets/Theme.qml")), "Widgets.Theme", 1,
                             0, "Theme");

    // 3: Encryptor
    qmlRegisterSingletonType<Encryptor>("Lib.Encryptor", 1, 0, "Encryptor", &encryptorProvider);

    // 4 to 6: HttpClient, CloudErr, PayErr

    // 7 to 9: Weipay, Alipay, IAPpay

    // 10 to 13: WechatShare, QQShare, DDShare, SystemShare

    // 14: OPTClient

    // 15 and 16: BarcodeDecoder, BarcodeFilter
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
