#include "platform/WechatShare.h"

#include <QDebug>

WechatShare::WechatShare(QObject *parent) : QObject(parent) {}

bool WechatShare::isAppInstalled() {
    qDebug("isAppInstalled: true");
    return true;
}

void WechatShare::shareAppToSession() {
    qDebug("shareAppToSession");
}

void WechatShare::shareAppToTimeLine() {
    qDebug("shareAppToTimeLine");
}
