#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the program as its window's closing does when the session or the user
// asks it to end (SIGTERM at logout or from `kill`, SIGHUP, SIGINT): the
// event loop stops once the event at hand is handled, so that no write of
// the vault is cut off half way. Only the signal's arrival is noted in the
// handler itself; the rest runs in the event loop.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

private:
    void arrived();

    QSocketNotifier *m_notifier = nullptr;
};
