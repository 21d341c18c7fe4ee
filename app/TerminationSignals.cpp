#include "app/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// [0] written by the handler, [1] read in the event loop.
int g_pipe[2] = {-1, -1};

const int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

void onSignal(int signo) {
    const int saved = errno;
    const char byte = char(signo);
    // Nothing to do when the pipe is full: an end is already on its way.
    if (::write(g_pipe[0], &byte, 1) < 0) {
    }
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::arrived);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signo : kSignals)
        ::sigaction(signo, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    if (!m_notifier)
        return;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signo : kSignals)
        ::sigaction(signo, &action, nullptr);
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationSignals::arrived() {
    char byte = 0;
    while (::read(g_pipe[1], &byte, 1) > 0) {
    }
    qDebug("Signal %d: ending the program.", int(byte));
    QCoreApplication::quit();
}
