#pragma once

#include <QObject>
#include <QString>

// Alipay bridge for QML ("Lib.Pay" 1.0): hands a trade that the purchase
// service created to the Alipay handler and relays the handler's answer
// (PhoneNotify's alipayPayResponsed) to the object that asked last. In this
// desktop build the payment app is never installed and every request is
// answered with success before requestPay returns.
class Alipay : public QObject {
    Q_OBJECT
public:
    enum PayErrCode { PayErrSuccess = 9000, PayErrFailed = 4000, PayErrUserCancel = 6001 };
    Q_ENUM(PayErrCode)

    explicit Alipay(QObject *parent = nullptr);

signals:
    void payResponsed(int errCode, QString errStr);

public:
    Q_INVOKABLE bool isAppInstalled();
    Q_INVOKABLE QString getAppInstallUrl();
    // wsapiResp: the whole answer text of the trade creation, passed on untouched.
    Q_INVOKABLE bool requestPay(QString wsapiResp);
};
