#include "services/PhoneNotify.h"

#include <QDebug>

PhoneNotify *PhoneNotify::instance() {
    static PhoneNotify hub;
    return &hub;
}

void PhoneNotify::emitApplicationDidEnterBackground() {
    qDebug() << "emitApplicationDidEnterBackground.";
    emit applicationDidEnterBackground();
}

void PhoneNotify::emitApplicationWillEnterForeground() {
    qDebug() << "emitApplicationWillEnterForeground.";
    emit applicationWillEnterForeground();
}

void PhoneNotify::emitApplicationWillTerminate() {
    qDebug() << "emitApplicationWillTerminate.";
    emit applicationWillTerminate();
}

void PhoneNotify::emitWeipayResponse(int errCode, QString errStr) {
    qDebug() << "emitWeipayResponse.";
    emit weipayPayResponsed(errCode, errStr);
}

void PhoneNotify::emitIAPpayPayResponse(int errCode, QString errStr) {
    qDebug() << "emitIAPpayPayResponse.";
    emit iappayPayResponsed(errCode, errStr);
}

void PhoneNotify::emitIAPpayProductsResponse(int errCode, QString errStr) {
    qDebug() << "emitIAPpayProductsResponse.";
    emit iappayProductsResponsed(errCode, errStr);
}

void PhoneNotify::emitDevicePermissionsResult(QString permission, bool succ) {
    qDebug().noquote().nospace() << "emitDevicePermissionsResult: " << permission << ", "
                                 << (succ ? "true" : "false");
    emit devicePermissionsResult(permission, succ);
}

void PhoneNotify::emitCameraPermissionsResult(QString permission, bool succ) {
    qDebug().noquote().nospace() << "emitCameraPermissionsResult: " << permission << ", "
                                 << (succ ? "true" : "false");
    emit cameraPermissionsResult(permission, succ);
}

void PhoneNotify::privateOnDidEnterBackground() {
    qDebug() << "In privateOnDidEnterBackground.";
}

void PhoneNotify::requestPermission(const char *permission, bool succ) {
    const QString text = QString::fromUtf8(permission);
    if (text == QLatin1String("android.permission.READ_PHONE_STATE")) {
        instance()->emitDevicePermissionsResult(text, succ);
    } else if (text == QLatin1String("android.permission.CAMERA")) {
        instance()->emitCameraPermissionsResult(text, succ);
    } else {
        qDebug().noquote() << "Unhandled permission: " + text;
    }
}
