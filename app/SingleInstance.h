#pragma once

#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <memory>

class QLocalServer;
class QWindow;

// One program per data directory. The running program holds a lock file in
// the data directory and listens on a local socket named after it; a second
// start finds the lock held, asks the running program through the socket to
// bring its window to the front, and ends. A lock left by a killed program is
// taken over.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &dataDirectory, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this program may open the vault: it holds the lock, or the
    // lock cannot be made at all (a read-only medium, where nothing is
    // written). False when another program holds it; that program has then
    // been asked to show its window.
    bool acquire();

    // The window to bring to the front when another start asks for it.
    void setWindow(QWindow *window);

    // The socket name for a data directory.
    static QString serverName(const QString &dataDirectory);

signals:
    void raiseRequested();

private:
    void listen();
    bool askRunningToRaise() const;
    void raiseWindow();

    QString m_dataDirectory;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
    QPointer<QWindow> m_window;
};
