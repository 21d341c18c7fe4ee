#pragma once

#include <QString>

// The shell's answers about language, region and the application font.
namespace PlatformAPI {

QString langCode();
QString regionCode();
// The system locale name used for the country-name folder ("zh_CN").
QString localeName();
QString fontFamily();
int fontMetrics(int pointSize, int *height = nullptr, int *capHeight = nullptr);
int defaultFontSize();
int defaultUnitHeight();

} // namespace PlatformAPI
