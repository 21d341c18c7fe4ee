#pragma once

#include <QObject>
#include <QString>

// WeChat Pay bridge for QML ("Lib.Pay" 1.0): hands a trade that the purchase
// service created to the WeChat Pay handler and relays the handler's answer
// (PhoneNotify's weipayPayResponsed) to the object that asked last. In this
// desktop build the payment app is never installed and every request is
// answered with success before requestPay returns.
class Weipay : public QObject {
    Q_OBJECT
public:
    enum ErrCode {
        ErrSuccess = 0,
        ErrCodeCommon = -1,
        ErrCodeUserCancel = -2,
        ErrCodeSentFail = -3,
        ErrCodeAuthDeny = -4,
        ErrCodeUnsupport = -5
    };
    Q_ENUM(ErrCode)

    explicit Weipay(QObject *parent = nullptr);

signals:
    void payResponsed(int errCode, QString errStr);

public:
    Q_INVOKABLE bool isAppInstalled();
    Q_INVOKABLE QString getAppInstallUrl();
    // wsapiResp: the whole answer text of the trade creation, passed on untouched.
    Q_INVOKABLE bool requestPay(QString wsapiResp);
};
