#pragma once

#include <QString>

namespace compat {

// The system locale reduced to a language code and a territory code, with
// sensible answers for "C"/"POSIX" and for locales without a territory.
struct SystemLocale {
    QString name;      // QLocale::system().name(), or the resolved name for C/POSIX
    QString language;  // "zh", "en", ...
    QString territory; // "CN", "US", ... (Qt's likely territory when none is given)

    static SystemLocale current();
    static SystemLocale fromName(const QString &localeName);
};

} // namespace compat
