#pragma once

#include <QObject>
#include <QProcess>

// Holds a write lock on an SQLite database from another process (python3's
// sqlite3 in BEGIN IMMEDIATE), so that tests meet a real "database is locked"
// when the program writes.
class DatabaseLock : public QObject {
    Q_OBJECT
public:
    explicit DatabaseLock(QObject *parent = nullptr);
    ~DatabaseLock() override;

    // Takes the lock on file; true once it is held.
    Q_INVOKABLE bool hold(const QString &file);
    // Gives the lock back (rolls the other process's transaction back).
    Q_INVOKABLE void release();

private:
    QProcess m_process;
};
