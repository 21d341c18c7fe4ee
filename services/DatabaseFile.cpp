#include "services/DatabaseFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// SQLite's primary result codes that tell why a file could not be read.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqlitePerm = 3;
constexpr int kSqliteAuth = 23;

// At most this many of the integrity check's findings go into the reason.
constexpr int kFindingsKept = 3;

DatabaseFile::Check checkFromError(const QSqlError &error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    if (!ok)
        return {DatabaseFile::State::Unreadable, text};
    if (code == kSqliteBusy || code == kSqliteLocked)
        return {DatabaseFile::State::InUse, text};
    if (code == kSqlitePerm || code == kSqliteAuth)
        return {DatabaseFile::State::Denied, text};
    return {DatabaseFile::State::Unreadable, text};
}

const char *const kIniKeys[] = {"Name", "Version", "Description", "EstimatedSize", "Driver"};

} // namespace

DatabaseFile::DatabaseFile(const QString &base) : m_base(base) {}

DatabaseFile DatabaseFile::named(const QString &offlineStoragePath, const QString &name) {
    const QByteArray md5 = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Md5);
    return DatabaseFile(offlineStoragePath + QStringLiteral("/Databases/") +
                        QString::fromLatin1(md5.toHex()));
}

QString DatabaseFile::sqlitePath() const {
    return m_base + QStringLiteral(".sqlite");
}

QString DatabaseFile::iniPath() const {
    return m_base + QStringLiteral(".ini");
}

QString DatabaseFile::stateName(State state) {
    switch (state) {
    case State::Sound:
        return QStringLiteral("sound");
    case State::InUse:
        return QStringLiteral("inUse");
    case State::Denied:
        return QStringLiteral("denied");
    case State::Unreadable:
        break;
    }
    return QStringLiteral("unreadable");
}

DatabaseFile::Check DatabaseFile::prepare(const QString &name, const QString &version,
                                          const QString &description, int estimatedSize,
                                          int busyTimeoutMs) const {
    if (!QFileInfo::exists(sqlitePath()) && !QFileInfo(sqlitePath()).isSymLink()) {
        // LocalStorage makes both files.
        return {};
    }
    const Check check = judge(busyTimeoutMs);
    if (check.state != State::Sound || iniComplete(name, version))
        return check;
    return writeIni(name, version, description, estimatedSize);
}

DatabaseFile::Check DatabaseFile::judge(int busyTimeoutMs) const {
    const QString path = sqlitePath();
    const QFileInfo info(path);
    if (!info.exists())
        return {State::Unreadable, QStringLiteral("a link to a file that does not exist")};
    if (!info.isFile())
        return {State::Unreadable, QStringLiteral("not a regular file")};
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        const QString reason = QString::fromLocal8Bit(std::strerror(error));
        return {error == EACCES || error == EPERM ? State::Denied : State::Unreadable, reason};
    }
    ::close(fd);
    // An empty file is an empty database to SQLite: nothing is stored yet.
    if (info.size() == 0)
        return {};

    const QString connection = QStringLiteral("keyloft-check:") + m_base;
    Check check;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        if (!db.open()) {
            check = checkFromError(db.lastError());
        } else {
            QSqlQuery query(db);
            if (!query.exec(QStringLiteral("PRAGMA quick_check"))) {
                check = checkFromError(query.lastError());
            } else {
                QStringList findings;
                while (query.next() && findings.size() < kFindingsKept)
                    findings << query.value(0).toString();
                if (findings.isEmpty())
                    check = {State::Unreadable, QStringLiteral("the integrity check gave nothing")};
                else if (findings != QStringList{QStringLiteral("ok")})
                    check = {State::Unreadable, findings.join(QStringLiteral("; "))};
            }
            query.finish();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return check;
}

bool DatabaseFile::iniComplete(const QString &name, const QString &version) const {
    if (!QFileInfo::exists(iniPath()))
        return false;
    const QSettings ini(iniPath(), QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return false;
    for (const char *key : kIniKeys) {
        if (!ini.contains(QLatin1String(key)))
            return false;
    }
    return ini.value(QStringLiteral("Name")).toString() == name &&
           ini.value(QStringLiteral("Version")).toString() == version;
}

DatabaseFile::Check DatabaseFile::writeIni(const QString &name, const QString &version,
                                           const QString &description, int estimatedSize) const {
    QSettings ini(iniPath(), QSettings::IniFormat);
    ini.clear();
    ini.setValue(QStringLiteral("Name"), name);
    ini.setValue(QStringLiteral("Version"), version);
    ini.setValue(QStringLiteral("Description"), description);
    ini.setValue(QStringLiteral("EstimatedSize"), estimatedSize);
    ini.setValue(QStringLiteral("Driver"), QStringLiteral("QSQLITE"));
    ini.sync();
    if (ini.status() != QSettings::NoError) {
        return {State::Unreadable,
                QStringLiteral("the settings file beside it cannot be written: ") + iniPath()};
    }
    return {};
}
