#pragma once

#include <QObject>
#include <QString>

// In-app purchase bridge for QML ("Lib.Pay" 1.0): lists the products the
// store sells and hands a trade to the store, relaying the handler's answers
// (PhoneNotify's iappayProductsResponsed and iappayPayResponsed) to the
// object that asked last. In this desktop build every request is answered
// with success before it returns; the products text is shared by every
// object for the whole run.
class IAPpay : public QObject {
    Q_OBJECT
public:
    enum PayErrCode {
        PayErrSuccess = 0,
        PayErrFailed = 1,
        PayErrDisable = 2,
        PayErrUserCancel = 3
    };
    Q_ENUM(PayErrCode)

    explicit IAPpay(QObject *parent = nullptr);

signals:
    void productsRequested(QString wsapiResp);
    void productsResponsed(int errCode, QString errStr);
    void payRequested(QString wsapiResp);
    void payResponsed(int errCode, QString errStr);

public:
    // wsapiResp: the whole answer text of the product listing.
    Q_INVOKABLE bool requestProducts(QString wsapiResp);
    // The text of the last requestProducts of any object; empty before.
    Q_INVOKABLE QString getProducts();
    // wsapiResp: the whole answer text of the trade creation.
    Q_INVOKABLE bool requestPay(QString wsapiResp);
};
