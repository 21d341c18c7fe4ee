#include "compat/SystemLocale.h"

#include <QLocale>
#include <QStringList>

namespace compat {

SystemLocale SystemLocale::current() {
    return fromName(QLocale::system().name());
}

SystemLocale SystemLocale::fromName(const QString &localeName) {
    SystemLocale result;
    result.name = localeName;
    QString name = localeName;
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        name = QStringLiteral("en_US");
    const QStringList parts = name.split(QLatin1Char('_'));
    result.language = parts.first();
    if (parts.size() > 1 && parts.last().size() == 2 && parts.last().at(0).isLetter()) {
        result.territory = parts.last().toUpper();
    } else {
        // No territory: take the one Qt's likely-subtag data gives the language.
        const QString likely = QLocale(name).name();
        const int sep = likely.lastIndexOf(QLatin1Char('_'));
        result.territory = sep > 0 ? likely.mid(sep + 1) : QString();
    }
    if (localeName != name)
        result.name = result.language + QLatin1Char('_') + result.territory;
    return result;
}

} // namespace compat
