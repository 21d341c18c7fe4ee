#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace compat {

// A per-machine identifier that stays the same across runs: a keyed hash of
// the systemd/D-Bus machine id (the raw id never leaves the machine), or,
// where the system has none, a random id generated once and kept in
// stateDir with mode 0600. Returned as 64 lower-case hex digits (8-bit text).
QByteArray deviceCode(const QString &stateDir);

// deviceCode with the machine-id files to try given explicitly.
QByteArray deviceCode(const QString &stateDir, const QStringList &machineIdFiles);

// The keyed hash of a machine id, as deviceCode uses it.
QByteArray deviceCodeFromMachineId(const QByteArray &machineId);

} // namespace compat
