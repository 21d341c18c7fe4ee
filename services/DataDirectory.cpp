#include "services/DataDirectory.h"

#include "compat/BaseFunctionTable.h"
#include "compat/WinApi.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace DataDirectory {

namespace {
QString fail(QString *error, const QString &why) {
    if (error)
        *error = why;
    return QString();
}
} // namespace

QString offlineStoragePath(QString *error) {
    compat::ensureBaseFunctionTable();
    std::vector<wchar_t> buffer(compat::kJoinPathCapacity, L'\0');
    const unsigned long n = compat::ExpandEnvironmentStringsW(
        L"%APPDATA%", buffer.data(), static_cast<unsigned long>(buffer.size()));
    if (n == 0)
        return fail(error, QStringLiteral("no application-data directory (APPDATA, "
                                          "XDG_DATA_HOME or HOME) could be found"));
    // A relative base would put the vault under whatever directory the
    // program was started from, a different one at each start. (A relative
    // XDG_DATA_HOME is already passed over as the XDG rules ask.)
    const QString base = QString::fromWCharArray(buffer.data(), -1);
    if (!QDir::isAbsolutePath(base)) {
        const QString from = qEnvironmentVariableIsEmpty("APPDATA") ? QStringLiteral("HOME")
                                                                    : QStringLiteral("APPDATA");
        return fail(error, QStringLiteral("the application-data directory \"%1\" (from %2) "
                                          "is not an absolute path")
                               .arg(base, from));
    }
    auto joinPath = compat::baseFunction<compat::JoinPathFn>(compat::kSlotJoinPath);
    if (!joinPath)
        return fail(error, QStringLiteral("the path helper is missing"));
    joinPath(buffer.data(), L"Ormel\\Keyloft", buffer.data());
    const QString path = QString::fromWCharArray(buffer.data(), -1);
    if (path.isEmpty())
        return fail(error, QStringLiteral("the data directory path is too long"));

    // Create every missing level; the last one (ours) is private to the user,
    // also when it existed before with wider modes.
    const QString parent = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(parent))
        return fail(error, QStringLiteral("cannot create %1").arg(parent));
    const QByteArray native = QFile::encodeName(path);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return fail(error, QStringLiteral("cannot create %1: %2")
                               .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    struct stat st {};
    if (stat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return fail(error, QStringLiteral("%1 is not a directory").arg(path));
    // A read-only medium cannot be changed, nor written to: the vault is then
    // only read.
    if ((st.st_mode & 07777) != 0700 && chmod(native.constData(), 0700) != 0)
        qWarning("Cannot make %s private: %s", native.constData(), std::strerror(errno));
    if (access(native.constData(), R_OK | X_OK) != 0)
        return fail(error, QStringLiteral("cannot use %1: %2")
                               .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    return path;
}

} // namespace DataDirectory
