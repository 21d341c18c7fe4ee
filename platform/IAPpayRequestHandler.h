#pragma once

#include <QString>

// In-app purchase request handler. This desktop build has no store: a
// payment or product request is answered at once with success through
// PhoneNotify; the last product listing is kept for the whole run.
class IAPpayRequestHandler {
public:
    // Starts the purchase of the trade in wsapiResp; true when handed over.
    static bool jumpToBizPay(QString wsapiResp);
    // Keeps wsapiResp (the product listing's answer text) as the products
    // text; true when handed over.
    static bool requestProducts(QString wsapiResp);

    // The products text: empty at start, replaced by every requestProducts.
    static QString products;
};
