#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWindow>

namespace {
const char kRaise[] = "raise\n";
constexpr int kSocketTimeoutMs = 3000;
} // namespace

SingleInstance::SingleInstance(const QString &dataDirectory, QObject *parent)
    : QObject(parent), m_dataDirectory(dataDirectory),
      m_lock(QDir(dataDirectory).filePath(QStringLiteral("keyloft.lock"))) {
    connect(this, &SingleInstance::raiseRequested, this, &SingleInstance::raiseWindow);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString &dataDirectory) {
    const QByteArray hash = QCryptographicHash::hash(QDir::cleanPath(dataDirectory).toUtf8(),
                                                     QCryptographicHash::Sha256);
    return QStringLiteral("keyloft-") + QString::fromLatin1(hash.toHex().left(32));
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
    if (!askRunningToRaise())
        qWarning() << "Another program holds" << m_dataDirectory << "but did not answer.";
    return false;
}

void SingleInstance::listen() {
    const QString name = serverName(m_dataDirectory);
    // A socket left by a killed program would block the name.
    QLocalServer::removeServer(name);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name)) {
        qWarning() << "Cannot listen on" << name << m_server->errorString();
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

bool SingleInstance::askRunningToRaise() const {
    QLocalSocket socket;
    socket.connectToServer(serverName(m_dataDirectory));
    if (!socket.waitForConnected(kSocketTimeoutMs))
        return false;
    socket.write(kRaise);
    const bool sent = socket.waitForBytesWritten(kSocketTimeoutMs);
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
