#pragma once

#include <QObject>

// Recommends the application through QQ chats and QQ zone ("Lib.AppShare" 1.0).
// On the desktop nothing is shared: the app counts as installed and every
// share call only writes its name to the log and returns at once.
class QQShare : public QObject {
    Q_OBJECT

public:
    explicit QQShare(QObject *parent = nullptr);

    Q_INVOKABLE bool isAppInstalled();
    Q_INVOKABLE void shareAppToSession();
    Q_INVOKABLE void shareAppToQZone();
};
