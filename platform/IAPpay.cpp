// In-app purchase bridge: relays the store's channels to the last requester.

#include "platform/IAPpay.h"

#include "platform/IAPpayRequestHandler.h"
#include "platform/PayChannel.h"

#include <QDebug>

IAPpay::IAPpay(QObject *parent) : QObject(parent) {}

bool IAPpay::requestProducts(QString wsapiResp) {
    emit productsRequested(wsapiResp);
    PayChannel::takeOver(SIGNAL(iappayProductsResponsed(int, QString)), "iappayProductsResponsed",
                         this, SIGNAL(productsResponsed(int, QString)));
    const bool ok = IAPpayRequestHandler::requestProducts(wsapiResp);
    if (!ok) {
        qDebug() << "Falied call IAPpayRequestHandler::requestProducts";
        emit productsResponsed(PayErrFailed, QStringLiteral("Falied call requestProducts"));
    }
    return ok;
}

QString IAPpay::getProducts() {
    return IAPpayRequestHandler::products;
}

bool IAPpay::requestPay(QString wsapiResp) {
    emit payRequested(wsapiResp);
    PayChannel::takeOver(SIGNAL(iappayPayResponsed(int, QString)), "iappayPayResponsed", this,
                         SIGNAL(payResponsed(int, QString)));
    const bool ok = IAPpayRequestHandler::jumpToBizPay(wsapiResp);
    if (!ok) {
        qDebug() << "Falied call IAPpayRequestHandler::jumpToBizPay";
        emit payResponsed(PayErrFailed, QStringLiteral("Falied call requestPay"));
    }
    return ok;
}
