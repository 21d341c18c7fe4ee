#include "compat/DeviceCode.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QSaveFile>

namespace compat {

namespace {

const char kDeviceKey[] = "Keyloft/device-code/v1";

QByteArray readId(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll().trimmed();
}

} // namespace

QByteArray deviceCodeFromMachineId(const QByteArray &machineId) {
    return QMessageAuthenticationCode::hash(machineId, QByteArray(kDeviceKey),
                                            QCryptographicHash::Sha256)
        .toHex();
}

QByteArray deviceCode(const QString &stateDir) {
    return deviceCode(
        stateDir, {QStringLiteral("/etc/machine-id"), QStringLiteral("/var/lib/dbus/machine-id")});
}

QByteArray deviceCode(const QString &stateDir, const QStringList &machineIdFiles) {
    QByteArray id;
    for (const QString &file : machineIdFiles) {
        id = readId(file);
        if (!id.isEmpty())
            break;
    }
    if (id.isEmpty() && !stateDir.isEmpty()) {
        const QString path = QDir(stateDir).filePath(QStringLiteral("device-id"));
        id = readId(path);
        if (id.isEmpty()) {
            quint32 words[4];
            QRandomGenerator::system()->fillRange(words);
            id = QByteArray(reinterpret_cast<const char *>(words), sizeof(words)).toHex();
            QDir().mkpath(stateDir);
            QSaveFile file(path);
            if (file.open(QIODevice::WriteOnly)) {
                file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
                file.write(id + '\n');
                if (!file.commit())
                    id.clear();
            } else {
                id.clear();
            }
        }
    }
    if (id.isEmpty())
        return QByteArray();
    return deviceCodeFromMachineId(id);
}

} // namespace compat
