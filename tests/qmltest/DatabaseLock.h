#pragma once

#include <QObject>
#include <QProcess>

// Holds a lock on an SQLite database from another process (python3's sqlite3
// in BEGIN IMMEDIATE, or BEGIN EXCLUSIVE), so that tests meet a real
// "database is locked" when the program writes (or, exclusive, reads).
class DatabaseLock : public QObject {
    Q_OBJECT
public:
    explicit DatabaseLock(QObject *parent = nullptr);
    ~DatabaseLock() override;

    // Takes the lock on file (exclusive: readers are locked out too); true
    // once it is held.
    Q_INVOKABLE bool hold(const QString &file, bool exclusive = false);
    // Gives the lock back (rolls the other process's transaction back).
    Q_INVOKABLE void release();

private:
    QProcess m_process;
};
