// Tells which script Qt gives a locale named without one. Reads locale names
// ("az_AZ"), one a line, from standard input and writes each with the name
// of the script-qualified locale QLocale takes it for ("az_AZ az_Latn_AZ");
// a name for which Qt tells no script is written alone.
// Usage: localescripts < NAMES

#include <QLocale>
#include <QStringList>
#include <QTextStream>

namespace {

// QLocale names its locale with all likely subtags among its UI languages
// ("zh-Hant-HK" for zh_HK); that form, checked against script(), gives the
// script's code.
QString withScript(const QString &name) {
    const QLocale locale(name);
    const QStringList tags = locale.uiLanguages();
    for (const QString &tag : tags) {
        const QStringList parts = tag.split(QLatin1Char('-'));
        if (parts.size() == 3 && parts.at(1).size() == 4 &&
            QLocale(tag).script() == locale.script())
            return parts.join(QLatin1Char('_'));
    }
    return QString();
}

} // namespace

int main() {
    QTextStream in(stdin);
    QTextStream out(stdout);
    QString line;
    while (in.readLineInto(&line)) {
        const QString name = line.trimmed();
        if (name.isEmpty())
            continue;
        const QString full = withScript(name);
        out << name;
        if (!full.isEmpty())
            out << ' ' << full;
        out << '\n';
    }
    return 0;
}
