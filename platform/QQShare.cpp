#include "platform/QQShare.h"

#include <QDebug>

QQShare::QQShare(QObject *parent) : QObject(parent) {}

bool QQShare::isAppInstalled() {
    return true;
}

void QQShare::shareAppToSession() {
    qDebug("shareAppToSession");
}

void QQShare::shareAppToQZone() {
    qDebug("shareAppToQZone");
}
