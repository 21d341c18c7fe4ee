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
// taken over. The socket lies only in a directory no other user can write,
// so that no one else can take its place.
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

    // The full path of the socket for a data directory: "keyloft-" and a hash
    // of the directory's path, in the first of these that is a directory of
    // the user's own (not a link) that group and others cannot write, and
    // where the path fits a socket address: XDG_RUNTIME_DIR (when absolute),
    // the data directory, "keyloft-<uid>" in the temporary directory (made
    // 0700 when missing; used only with no group or other bits). Empty when
    // not even the last will do; error then says why.
    static QString serverName(const QString &dataDirectory, QString *error = nullptr);

signals:
    void raiseRequested();

private:
    void listen();
    bool askRunningToRaise(QString *why) const;
    void raiseWindow();

    QString m_dataDirectory;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
    QPointer<QWindow> m_window;
};
