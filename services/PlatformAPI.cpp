#include "services/PlatformAPI.h"

#include "compat/SystemLocale.h"
#include "compat/WinApi.h"

#include <QDebug>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>

namespace PlatformAPI {

namespace {
QString g_fontFamily;
}

QString langCode() {
    return compat::SystemLocale::current().language.left(2);
}

QString regionCode() {
    QString region = compat::SystemLocale::current().territory.right(2);
    wchar_t buffer[85] = {};
    if (compat::GetSystemDefaultLocaleName(buffer, 85) != 0) {
        const QString name = QString::fromWCharArray(buffer, -1);
        region = name.right(2);
        qDebug().noquote() << "GetSystemDefaultLocaleName:" << name;
    }
    return region;
}

QString localeName() {
    return compat::SystemLocale::current().name;
}

QString fontFamily() {
    if (g_fontFamily.isEmpty()) {
        g_fontFamily = QGuiApplication::font().family();
        qDebug().noquote() << "Choosed Font Family:" << g_fontFamily;
    }
    return g_fontFamily;
}

int fontMetrics(int pointSize, int *height, int *capHeight) {
    const QFont font(fontFamily(), pointSize, -1, false);
    const QFontMetrics metrics(font);
    if (height)
        *height = metrics.height();
    if (capHeight)
        *capHeight = metrics.capHeight();
    return metrics.height();
}

int defaultFontSize() {
    return 14;
}

int defaultUnitHeight() {
    return 10;
}

} // namespace PlatformAPI
