#pragma once

#include <QString>

// Alipay request handler. This desktop build has no Alipay SDK: a payment
// request is answered at once with success through PhoneNotify.
class AliApiRequestHandler {
public:
    // Starts the payment of the trade in wsapiResp (the purchase service's
    // answer text); true when the request was handed over.
    static bool jumpToBizPay(QString wsapiResp);
};
