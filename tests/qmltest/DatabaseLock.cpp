#include "DatabaseLock.h"

#include <QDebug>

namespace {
// Takes the lock named by its second argument, says so, and keeps it until
// its input closes.
const char kHolder[] = "import sqlite3, sys\n"
                       "db = sqlite3.connect(sys.argv[1], isolation_level=None, timeout=10)\n"
                       "db.execute('BEGIN ' + sys.argv[2])\n"
                       "print('locked', flush=True)\n"
                       "sys.stdin.read()\n"
                       "db.execute('ROLLBACK')\n";
constexpr int kTimeoutMs = 15000;
} // namespace

DatabaseLock::DatabaseLock(QObject *parent) : QObject(parent) {}

DatabaseLock::~DatabaseLock() {
    release();
}

bool DatabaseLock::hold(const QString &file, bool exclusive) {
    release();
    m_process.start(QStringLiteral("python3"),
                    {QStringLiteral("-c"), QString::fromLatin1(kHolder), file,
                     exclusive ? QStringLiteral("EXCLUSIVE") : QStringLiteral("IMMEDIATE")});
    if (!m_process.waitForStarted(kTimeoutMs))
        return false;
    while (!m_process.canReadLine()) {
        if (m_process.state() != QProcess::Running || !m_process.waitForReadyRead(kTimeoutMs)) {
            qWarning() << "Database lock not taken:" << m_process.readAllStandardError();
            return false;
        }
    }
    return m_process.readLine().trimmed() == "locked";
}

void DatabaseLock::release() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(kTimeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(kTimeoutMs);
    }
}
