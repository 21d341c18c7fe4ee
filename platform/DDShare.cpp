#include "platform/DDShare.h"

#include <QDebug>

DDShare::DDShare(QObject *parent) : QObject(parent) {}

bool DDShare::isAppInstalled() {
    return true;
}

void DDShare::shareAppToSession() {
    qDebug("shareAppToSession");
}
