#pragma once

#include <QObject>

class QQmlEngine;
class QJSEngine;

// Error codes of the account, SMS-code, device and backup services (the
// `error` field of their answers), published as the singleton "CloudErr".
// `userQueryError` carries the outcome of the last user query between the
// sign-in pages.
class DovCloudErr : public QObject {
    Q_OBJECT
    Q_PROPERTY(
        int userQueryError READ userQueryError WRITE setUserQueryError NOTIFY userQueryErrorChanged)

public:
    enum ERRCODE {
        SUCCESS = 0,
        PARAMETER = 1,
        DB_INIT = 2,
        DB_SQL = 3,
        DB_UNIQUE = 4,
        DB_NO_RECORD = 5,
        GATEWAY_API = 6,
        SMSCODE_LIMIT = 100,
        SMSCODE_SEND = 101,
        SMSCODE_CHECK = 102,
        USER_EXIST = 103,
        USER_UNREGISTERED = 104,
        USER_ORDER_COMPLETED = 105,
        USER_EXPIRED = 106,
        DEVICE_UNREGISTERED = 107,
        DEVICE_MAX = 108,
        ORDER_NOT_EXIST = 109,
        PHONE_NUMBER = 110
    };
    Q_ENUM(ERRCODE)

    explicit DovCloudErr(QObject *parent = nullptr);
    ~DovCloudErr() override;

    int userQueryError() const { return m_userQueryError; }
    // Stores the value and emits, also when it is the same.
    void setUserQueryError(int value);

    // Singleton provider: a new object without parent, userQueryError 1.
    static QObject *cloudErrProvider(QQmlEngine *engine, QJSEngine *scriptEngine);

signals:
    void userQueryErrorChanged();

private:
    int m_userQueryError = 0;
};
