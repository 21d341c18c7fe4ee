// Alipay bridge: relays the Alipay channel to the last requester.

#include "platform/Alipay.h"

#include "platform/AliApiRequestHandler.h"
#include "platform/PayChannel.h"

#include <QDebug>

namespace {
// The Alipay app's page in the China storefront of the App Store.
const char alipayAppInstallUrl[] = "https://apps.apple.com/cn/app/id333206289?mt=8";
} // namespace

Alipay::Alipay(QObject *parent) : QObject(parent) {}

bool Alipay::isAppInstalled() {
    return false;
}

QString Alipay::getAppInstallUrl() {
    return QString::fromLatin1(alipayAppInstallUrl);
}

bool Alipay::requestPay(QString wsapiResp) {
    PayChannel::takeOver(SIGNAL(alipayPayResponsed(int, QString)), "alipayPayResponsed", this,
                         SIGNAL(payResponsed(int, QString)));
    const bool ok = AliApiRequestHandler::jumpToBizPay(wsapiResp);
    if (!ok)
        qDebug() << "Falied call AliApiRequestHandler::jumpToBizPay";
    return ok;
}
