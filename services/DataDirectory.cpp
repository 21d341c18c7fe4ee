#include "services/DataDirectory.h"

#include "compat/BaseFunctionTable.h"
#include "compat/WinApi.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

namespace DataDirectory {

QString offlineStoragePath() {
    compat::ensureBaseFunctionTable();
    wchar_t buffer[260] = {};
    const unsigned long n = compat::ExpandEnvironmentStringsW(L"%APPDATA%", buffer, 260);
    if (n == 0)
        return QString();
    auto joinPath = compat::baseFunction<compat::JoinPathFn>(compat::kSlotJoinPath);
    if (!joinPath)
        return QString();
    joinPath(buffer, L"Ormel\\Keyloft", buffer);
    const QString path = QString::fromWCharArray(buffer, -1);
    if (path.isEmpty())
        return QString();

    // Create every missing level; the last one (ours) is private to the user.
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray native = QFile::encodeName(path);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        qWarning() << "Cannot create data directory" << path;
    return path;
}

} // namespace DataDirectory
