#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWindow>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
const char kRaise[] = "raise\n";
constexpr int kSocketTimeoutMs = 3000;
// A socket address holds the path and its terminating zero.
constexpr int kMaxSocketPathBytes = int(sizeof(sockaddr_un::sun_path)) - 1;

QString socketFileName(const QString &dataDirectory) {
    const QByteArray hash = QCryptographicHash::hash(QDir::cleanPath(dataDirectory).toUtf8(),
                                                     QCryptographicHash::Sha256);
    return QStringLiteral("keyloft-") + QString::fromLatin1(hash.toHex().left(32));
}

int encodedLength(const QString &path) {
    return QFile::encodeName(path).size();
}

// Why directory is no place for the socket; empty when it is a directory
// itself (not a link to one), belongs to the effective user and has none of
// the mode bits in forbidden.
QString unfitDirectory(const QString &directory, mode_t forbidden) {
    struct stat st {};
    if (lstat(QFile::encodeName(directory).constData(), &st) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("it is a symbolic link");
    if (!S_ISDIR(st.st_mode))
        return QStringLiteral("it is not a directory");
    if (st.st_uid != geteuid())
        return QStringLiteral("it belongs to uid %1").arg(st.st_uid);
    if (st.st_mode & forbidden)
        return QStringLiteral("its mode is %1").arg(st.st_mode & 07777, 4, 8, QLatin1Char('0'));
    return QString();
}

// The socket's path in directory when directory is the user's alone and the
// path fits a socket address; empty otherwise.
QString socketIn(const QString &directory, const QString &name) {
    if (!unfitDirectory(directory, S_IWGRP | S_IWOTH).isEmpty())
        return QString();
    const QString path = directory + QLatin1Char('/') + name;
    return encodedLength(path) <= kMaxSocketPathBytes ? path : QString();
}
} // namespace

SingleInstance::SingleInstance(const QString &dataDirectory, QObject *parent)
    : QObject(parent), m_dataDirectory(dataDirectory),
      m_lock(QDir(dataDirectory).filePath(QStringLiteral("keyloft.lock"))) {
    connect(this, &SingleInstance::raiseRequested, this, &SingleInstance::raiseWindow);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString &dataDirectory, QString *error) {
    const QString name = socketFileName(dataDirectory);
    // A path is cleaned before it is looked at: lstat follows a link named
    // with a trailing slash.
    const QString runtime = QDir::cleanPath(qEnvironmentVariable("XDG_RUNTIME_DIR"));
    if (runtime.startsWith(QLatin1Char('/'))) {
        const QString path = socketIn(runtime, name);
        if (!path.isEmpty())
            return path;
    }
    const QString path = socketIn(QDir::cleanPath(dataDirectory), name);
    if (!path.isEmpty())
        return path;

    // The temporary directory is shared: the user's directory there is made
    // private, and one found there is used only when it is the user's own.
    const QString own = QDir::cleanPath(QDir::tempPath()) + QStringLiteral("/keyloft-") +
                        QString::number(geteuid());
    const QString ownPath = own + QLatin1Char('/') + name;
    QString why;
    if (encodedLength(ownPath) > kMaxSocketPathBytes) {
        why = QStringLiteral("the socket path %1 is %2 bytes long, more than a socket address "
                             "holds (%3)")
                  .arg(ownPath, QString::number(encodedLength(ownPath)),
                       QString::number(kMaxSocketPathBytes));
    } else if (mkdir(QFile::encodeName(own).constData(), 0700) != 0 && errno != EEXIST) {
        why = QStringLiteral("cannot make the socket directory %1: %2")
                  .arg(own, QString::fromLocal8Bit(std::strerror(errno)));
    } else {
        const QString unfit = unfitDirectory(own, S_IRWXG | S_IRWXO);
        if (unfit.isEmpty())
            return ownPath;
        why = QStringLiteral("refusing the socket directory %1: %2").arg(own, unfit);
    }
    if (error)
        *error = why;
    return QString();
}

bool SingleInstance::acquire() {
    if (m_lock.tryLock(0)) {
        listen();
        return true;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        qWarning() << "Cannot make the lock file in" << m_dataDirectory << "; going on without it.";
        return true;
    }
    // Held by a running program (a stale lock of a killed one is taken over
    // by tryLock itself).
    QString why;
    if (!askRunningToRaise(&why))
        std::fprintf(stderr, "keyloft: the program running on %s did not answer: %s\n",
                     qPrintable(m_dataDirectory), qPrintable(why));
    return false;
}

void SingleInstance::listen() {
    QString why;
    const QString path = serverName(m_dataDirectory, &why);
    if (!path.isEmpty()) {
        // A socket left by a killed program would block the path.
        QLocalServer::removeServer(path);
        m_server = std::make_unique<QLocalServer>();
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        if (!m_server->listen(path)) {
            why = QStringLiteral("%1: %2").arg(path, m_server->errorString());
            m_server.reset();
        }
    }
    if (!m_server) {
        std::fprintf(stderr,
                     "keyloft: cannot listen for other starts (%s); a second start will not "
                     "bring this window up\n",
                     qPrintable(why));
        return;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, [this]() {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket]() {
                if (socket->readAll().startsWith(kRaise))
                    emit raiseRequested();
                socket->disconnectFromServer();
            });
        }
    });
}

bool SingleInstance::askRunningToRaise(QString *why) const {
    const QString path = serverName(m_dataDirectory, why);
    if (path.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(kSocketTimeoutMs)) {
        *why = QStringLiteral("%1: %2").arg(path, socket.errorString());
        return false;
    }
    socket.write(kRaise);
    const bool sent = socket.waitForBytesWritten(kSocketTimeoutMs);
    if (!sent)
        *why = QStringLiteral("%1: %2").arg(path, socket.errorString());
    socket.disconnectFromServer();
    return sent;
}

void SingleInstance::setWindow(QWindow *window) {
    m_window = window;
}

void SingleInstance::raiseWindow() {
    if (!m_window)
        return;
    qDebug("Raise requested by another start.");
    m_window->showNormal();
    m_window->raise();
    m_window->requestActivate();
}
