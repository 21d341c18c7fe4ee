#pragma once

#include <QString>

// The per-user data directory: the expanded %APPDATA% with "Ormel\Keyloft"
// appended. It holds the vault database, so it is created with mode 0700.
namespace DataDirectory {

// The offline-storage path for the QML engine, or an empty text when
// %APPDATA% cannot be expanded (the engine then keeps Qt's default).
QString offlineStoragePath();

} // namespace DataDirectory
