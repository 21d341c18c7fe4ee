// WeChat Pay request handler of the desktop build: success at once.

#include "platform/WXApiRequestHandler.h"

#include "services/PhoneNotify.h"

bool WXApiRequestHandler::jumpToBizPay(QString wsapiResp) {
    Q_UNUSED(wsapiResp);
    PhoneNotify::instance()->emitWeipayResponse(0, QString());
    return true;
}
