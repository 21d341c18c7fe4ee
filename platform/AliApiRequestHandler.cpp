// Alipay request handler of the desktop build: success at once.

#include "platform/AliApiRequestHandler.h"

#include "services/PhoneNotify.h"

bool AliApiRequestHandler::jumpToBizPay(QString wsapiResp) {
    Q_UNUSED(wsapiResp);
    emit PhoneNotify::instance()->alipayPayResponsed(0, QString());
    return true;
}
