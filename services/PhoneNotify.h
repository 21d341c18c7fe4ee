#pragma once

#include <QObject>
#include <QString>

// The hub through which platform events reach QML and the payment bridges.
// Every emit is synchronous: listeners run before the emit call returns.
class PhoneNotify : public QObject {
    Q_OBJECT
public:
    static PhoneNotify *instance();

    Q_INVOKABLE void emitApplicationDidEnterBackground();
    Q_INVOKABLE void emitApplicationWillEnterForeground();
    Q_INVOKABLE void emitApplicationWillTerminate();

    void emitWeipayResponse(int errCode, QString errStr);
    void emitIAPpayPayResponse(int errCode, QString errStr);
    void emitIAPpayProductsResponse(int errCode, QString errStr);
    void emitDevicePermissionsResult(QString permission, bool succ);
    void emitCameraPermissionsResult(QString permission, bool succ);

    // The desktop form of the platform's permission request: every known
    // permission is granted at once.
    static void requestPermission(const char *permission, bool succ);

signals:
    void applicationDidEnterBackground();
    void applicationWillEnterForeground();
    void applicationWillTerminate();
    void weipayPayResponsed(int errCode, QString errStr);
    void alipayPayResponsed(int errCode, QString errStr);
    void iappayPayResponsed(int errCode, QString errStr);
    void iappayProductsResponsed(int errCode, QString errStr);
    void devicePermissionsResult(QString permission, bool succ);
    void cameraPermissionsResult(QString permission, bool succ);
    void userEvent(QString eventStr);

public slots:
    void privateOnDidEnterBackground();

private:
    PhoneNotify() = default;
};
