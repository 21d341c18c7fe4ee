// In-app purchase request handler of the desktop build: success at once.

#include "platform/IAPpayRequestHandler.h"

#include "services/PhoneNotify.h"

QString IAPpayRequestHandler::products;

bool IAPpayRequestHandler::jumpToBizPay(QString wsapiResp) {
    Q_UNUSED(wsapiResp);
    PhoneNotify::instance()->emitIAPpayPayResponse(0, QString());
    return true;
}

bool IAPpayRequestHandler::requestProducts(QString wsapiResp) {
    products = wsapiResp;
    PhoneNotify::instance()->emitIAPpayProductsResponse(0, QString());
    return true;
}
