#pragma once

#include <QString>
#include <QVector>

struct FontMetricsRow {
    int pointSize = 0;
    int height = 0;
    int capHeight = 0;
    double screenPercent = 0;
};

// Heights of the application font at point sizes 1..48, measured once.
// Row i describes point size i; row 0 repeats point size 1.
class FontMetricsTable {
public:
    void setScreenWidth(int width);
    static int defaultFontSize();
    int relativeFontPoint(int basePointSize, int relative) const;
    int textHeight(int pointSize) const;
    int textWidth(int pointSize, const QString &text) const;

    int screenWidth() const { return m_screenWidth; }
    const QVector<FontMetricsRow> &rows() const { return m_rows; }

private:
    int m_screenWidth = 0;
    QVector<FontMetricsRow> m_rows;
};
