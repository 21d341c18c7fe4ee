#include "platform/SystemShare.h"

#include <QDebug>

SystemShare::SystemShare(QObject *parent) : QObject(parent) {}

void SystemShare::shareAppToMore() {
    qDebug("shareAppToMore");
}
