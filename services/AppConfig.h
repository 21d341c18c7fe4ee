#pragma once

#include <QString>

// Addresses the program is built with (web and cloud hosts, the support
// address). Each is a CMake cache variable of the same name; an environment
// variable of that name overrides it at run time.
namespace AppConfig {

// The value of a configuration name such as "KEYLOFT_WEB_HOST": the
// environment's when set and non-empty, else the built-in one. Unknown names
// give an empty text.
QString value(const QString &name);

} // namespace AppConfig
