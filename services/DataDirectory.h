#pragma once

#include <QString>

// The per-user data directory: the expanded %APPDATA% with "Ormel\Keyloft"
// appended. It holds the vault database and is private to the user (0700).
// Only an absolute application-data directory is used.
namespace DataDirectory {

// The data directory, created when missing and set to mode 0700 when it
// exists. Empty when it cannot be found, made or used; error then says why.
QString offlineStoragePath(QString *error = nullptr);

} // namespace DataDirectory
