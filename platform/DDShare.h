#pragma once

#include <QObject>

// Recommends the application through DingTalk chats ("Lib.AppShare" 1.0).
// On the desktop nothing is shared: the app counts as installed and every
// share call only writes its name to the log and returns at once.
class DDShare : public QObject {
    Q_OBJECT

public:
    explicit DDShare(QObject *parent = nullptr);

    Q_INVOKABLE bool isAppInstalled();
    Q_INVOKABLE void shareAppToSession();
};
