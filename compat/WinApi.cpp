#include "compat/WinApi.h"

#include "compat/SystemLocale.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <pwd.h>
#include <unistd.h>

namespace compat {

namespace {

QString xdgDataHome() {
    const QByteArray xdg = qgetenv("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(QString::fromLocal8Bit(xdg)))
        return QString::fromLocal8Bit(xdg);
    QByteArray home = qgetenv("HOME");
    if (home.isEmpty()) {
        if (const passwd *pw = getpwuid(getuid()))
            home = pw->pw_dir;
    }
    if (home.isEmpty())
        return QString();
    return QString::fromLocal8Bit(home) + QStringLiteral("/.local/share");
}

QString lookUp(const QString &name) {
    const QByteArray value = qgetenv(name.toLocal8Bit().constData());
    if (!value.isEmpty())
        return QString::fromLocal8Bit(value);
    if (name.compare(QLatin1String("APPDATA"), Qt::CaseInsensitive) == 0)
        return xdgDataHome();
    return QString();
}

int copyOut(const QString &text, wchar_t *dst, int size) {
    const int needed = text.size() + 1;
    if (!dst || size < needed)
        return 0;
    // Linux wchar_t holds UCS-4: convert surrogate pairs to code points.
    const int n = text.toWCharArray(dst);
    dst[n] = L'\0';
    return n + 1;
}

} // namespace

unsigned long ExpandEnvironmentStringsW(const wchar_t *src, wchar_t *dst, unsigned long size) {
    if (!src)
        return 0;
    const QString in = QString::fromWCharArray(src);
    QString out;
    int pos = 0;
    while (pos < in.size()) {
        const int start = in.indexOf(QLatin1Char('%'), pos);
        const int end = start < 0 ? -1 : in.indexOf(QLatin1Char('%'), start + 1);
        if (start < 0 || end < 0) {
            out += in.mid(pos);
            break;
        }
        out += in.mid(pos, start - pos);
        const QString value = lookUp(in.mid(start + 1, end - start - 1));
        if (value.isEmpty())
            return 0;
        out += value;
        pos = end + 1;
    }
    return static_cast<unsigned long>(copyOut(out, dst, static_cast<int>(size)));
}

bool GetUserNameW(wchar_t *buf, unsigned long *size) {
    if (!size)
        return false;
    QString name;
    if (const passwd *pw = getpwuid(geteuid()))
        name = QString::fromLocal8Bit(pw->pw_name);
    if (name.isEmpty())
        name = QString::fromLocal8Bit(qgetenv("USER"));
    if (name.isEmpty())
        return false;
    const unsigned long needed = static_cast<unsigned long>(name.toUcs4().size()) + 1;
    if (*size < needed || copyOut(name, buf, static_cast<int>(*size)) == 0) {
        *size = needed;
        return false;
    }
    *size = needed;
    return true;
}

int GetSystemDefaultLocaleName(wchar_t *buf, int size) {
    const SystemLocale locale = SystemLocale::current();
    if (locale.language.isEmpty() || locale.territory.isEmpty())
        return 0;
    return copyOut(locale.language + QLatin1Char('-') + locale.territory, buf, size);
}

} // namespace compat
