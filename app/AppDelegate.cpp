#include "app/AppDelegate.h"

#include <QDebug>

void QtAppDelegateInitialize(QWindow *window) {
    Q_UNUSED(window)
    qDebug() << "dummy QtAppDelegateInitialize.";
}
