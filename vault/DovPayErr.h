#pragma once

#include <QObject>

// Error codes of the purchase service's answers, published as "PayErr";
// QML uses only the enumeration.
class DovPayErr : public QObject {
    Q_OBJECT

public:
    enum ERRCODE {
        SUCCESS = 0,
        PARAMETER_INVALID = 1,
        CREAT_MERCHANT_ORDER = 2,
        CALL_PAY_INTERFACE = 3,
        TRADE_NUMBER = 4,
        TRADE_NOTPAY = 5,
        COMPLETE_MERCHANT_ORDER = 6
    };
    Q_ENUM(ERRCODE)

    explicit DovPayErr(QObject *parent = nullptr);
    ~DovPayErr() override;
};
