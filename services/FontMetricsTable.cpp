#include "services/FontMetricsTable.h"

#include "services/PlatformAPI.h"

#include <QDebug>
#include <QFont>
#include <QFontMetrics>

namespace {
int g_defaultFontSize = 0;
}

void FontMetricsTable::setScreenWidth(int width) {
    m_screenWidth = width;
    qDebug() << "_screenWidth:" << width;
    qDebug() << "{ pointSize, height, capHeight, screenPercent }";
    m_rows.clear();
    for (int p = 1; p <= 48; ++p) {
        int height = 0;
        int capHeight = 0;
        PlatformAPI::fontMetrics(p, &height, &capHeight);
        // A width of 0 (no window yet) must not turn into infinities.
        const double percent = width > 0 ? double(height * 100) / width : 0.0;
        const double screenPercent = QString::number(percent, 'f', 1).toDouble();
        const FontMetricsRow row{p, height, capHeight, screenPercent};
        if (m_rows.isEmpty())
            m_rows.append(row);
        m_rows.append(row);
        qDebug().nospace() << "{" << p << ", " << height << ", " << capHeight << ", "
                           << screenPercent << "},";
    }
}

int FontMetricsTable::defaultFontSize() {
    if (g_defaultFontSize == 0)
        g_defaultFontSize = PlatformAPI::defaultFontSize();
    return g_defaultFontSize;
}

int FontMetricsTable::relativeFontPoint(int basePointSize, int relative) const {
    if (basePointSize <= 0 || basePointSize >= m_rows.size())
        return basePointSize;
    const int baseHeight = m_rows.at(basePointSize).height;
    int count = 0;
    if (relative < 0) {
        for (int i = basePointSize - 1; i >= 1; --i) {
            if (m_rows.at(i).height < baseHeight && ++count == -relative)
                return m_rows.at(i).pointSize;
        }
    } else if (relative > 0) {
        for (int i = basePointSize + 1; i < m_rows.size(); ++i) {
            if (m_rows.at(i).height > baseHeight && ++count == relative)
                return m_rows.at(i).pointSize;
        }
    }
    return basePointSize;
}

int FontMetricsTable::textHeight(int pointSize) const {
    if (pointSize <= 0 || pointSize >= m_rows.size())
        return 0;
    return m_rows.at(pointSize).height;
}

int FontMetricsTable::textWidth(int pointSize, const QString &text) const {
    const QFont font(PlatformAPI::fontFamily(), pointSize, -1, false);
    return QFontMetrics(font).horizontalAdvance(text);
}
