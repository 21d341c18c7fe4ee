#pragma once

#include <QObject>

// Recommends the application through the platform's general
// share sheet ("Lib.AppShare" 1.0).
// On the desktop nothing is shared: every
// share call only writes its name to the log and returns at once.
class SystemShare : public QObject {
    Q_OBJECT

public:
    explicit SystemShare(QObject *parent = nullptr);

    Q_INVOKABLE void shareAppToMore();
};
