// WeChat Pay bridge: relays the WeChat Pay channel to the last requester.

#include "platform/Weipay.h"

#include "platform/PayChannel.h"
#include "platform/WXApiRequestHandler.h"

#include <QDebug>

namespace {
// The WeChat app's page in the China storefront of the App Store.
const char weipayAppInstallUrl[] = "https://apps.apple.com/cn/app/id414478124?mt=8";
} // namespace

Weipay::Weipay(QObject *parent) : QObject(parent) {}

bool Weipay::isAppInstalled() {
    return false;
}

QString Weipay::getAppInstallUrl() {
    return QString::fromLatin1(weipayAppInstallUrl);
}

bool Weipay::requestPay(QString wsapiResp) {
    PayChannel::takeOver(SIGNAL(weipayPayResponsed(int, QString)), "weipayPayResponsed", this,
                         SIGNAL(payResponsed(int, QString)));
    const bool ok = WXApiRequestHandler::jumpToBizPay(wsapiResp);
    if (!ok)
        qDebug() << "Falied call WXApiRequestHandler::jumpToBizPay";
    return ok;
}
