#pragma once

#include <QString>

// WeChat Pay request handler. This desktop build has no WeChat SDK: a
// payment request is answered at once with success through PhoneNotify.
class WXApiRequestHandler {
public:
    // Starts the payment of the trade in wsapiResp (the purchase service's
    // answer text); true when the request was handed over.
    static bool jumpToBizPay(QString wsapiResp);
};
