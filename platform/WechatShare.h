#pragma once

#include <QObject>

// Recommends the application through WeChat chats and the WeChat
// moments time line ("Lib.AppShare" 1.0).
// On the desktop nothing is shared: the app counts as installed and every
// share call only writes its name to the log and returns at once.
class WechatShare : public QObject {
    Q_OBJECT

public:
    explicit WechatShare(QObject *parent = nullptr);

    Q_INVOKABLE bool isAppInstalled();
    Q_INVOKABLE void shareAppToSession();
    Q_INVOKABLE void shareAppToTimeLine();
};
