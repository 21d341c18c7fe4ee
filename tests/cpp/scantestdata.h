// The QR and one-dimensional images of the barcode tests (made by qrencode
// and zint at build time) and helpers to place them in larger pictures, to
// blur them, to add noise and to measure their bars.
#pragma once

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QString>
#include <QVector>
#include <QtMath>
#include <algorithm>

namespace scantest {

inline QString dataPath(const QString &name) {
    return QStringLiteral(KEYLOFT_TEST_DATA_DIR "/") + name;
}

// The QR image NAME.png: 4-pixel modules, a quiet zone of 4 modules.
inline QImage qrImage(const QString &name) {
    return QImage(dataPath(name + QStringLiteral(".png")));
}

// The one-dimensional code NAME.png: 2-pixel modules, bars 100 pixels high
// from the image's top row.
inline QImage linearImage(const QString &name) {
    return QImage(dataPath(name + QStringLiteral(".png")));
}

// Any other picture NAME.png that zint drew, with the options that
// tests/CMakeLists.txt gives it.
inline QImage zintImage(const QString &name) {
    return QImage(dataPath(name + QStringLiteral(".png")));
}

// The text that the QR image NAME.png holds.
inline QString qrText(const QString &name) {
    QFile file(dataPath(name + QStringLiteral(".txt")));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// A white canvas of `size` in ARGB32 with `picture` drawn at `at`, scaled by
// `scale` without smoothing.
inline QImage placed(const QImage &picture, const QSize &size, const QPoint &at, int scale = 1) {
    QImage canvas(size, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.drawImage(QRect(at, picture.size() * scale), picture);
    return canvas;
}

// A white canvas of `size` with `picture` scaled by `scale` and turned by
// `degrees` clockwise about its top-left corner, which lies at `at`; drawn
// smoothly, as a camera would see it.
inline QImage tilted(const QImage &picture, const QSize &size, const QPoint &at, qreal degrees,
                     int scale = 1) {
    QImage canvas(size, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(at);
    painter.rotate(degrees);
    painter.drawImage(QRect(QPoint(0, 0), picture.size() * scale), picture);
    return canvas;
}

// The picture in grey, blurred by a Gaussian of `sigma` pixels (edges
// repeated beyond the border).
inline QImage blurred(const QImage &picture, qreal sigma) {
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const int radius = qCeil(3 * sigma);
    QVector<qreal> kernel(2 * radius + 1);
    qreal sum = 0;
    for (int i = -radius; i <= radius; ++i)
        sum += kernel[i + radius] = qExp(-i * i / (2 * sigma * sigma));
    for (qreal &k : kernel)
        k /= sum;
    const int w = grey.width(), h = grey.height();
    QVector<qreal> across(w * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            qreal v = 0;
            for (int i = -radius; i <= radius; ++i)
                v += kernel[i + radius] * grey.constScanLine(y)[qBound(0, x + i, w - 1)];
            across[y * w + x] = v;
        }
    QImage out(w, h, QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            qreal v = 0;
            for (int i = -radius; i <= radius; ++i)
                v += kernel[i + radius] * across[qBound(0, y + i, h - 1) * w + x];
            out.scanLine(y)[x] = uchar(qRound(v));
        }
    return out;
}

// The picture in grey with uniform noise of up to `amplitude` grey levels
// either way; the same noise for the same seed.
inline QImage noisy(const QImage &picture, int amplitude, quint32 seed = 1) {
    QImage out = picture.convertToFormat(QImage::Format_Grayscale8);
    QRandomGenerator random(seed);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            uchar &p = out.scanLine(y)[x];
            p = uchar(qBound(0, p + random.bounded(-amplitude, amplitude + 1), 255));
        }
    return out;
}

// The box of the bars of the one upright one-dimensional code in a sharp
// picture, first and last pixels included; a null rectangle without one.
// The bars are the longest run of identical rows that cross a few edges
// (text and guard bars change from row to row or end sooner); across, from
// their first dark pixel to the last one before a gap of more than five
// modules (the one before an add-on).
inline QRect barsBox(const QImage &picture) {
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const auto dark = [&](int x, int y) { return grey.constScanLine(y)[x] < 128; };
    // The longest run of rows identical within columns x0..x1.
    const auto longestRun = [&](int x0, int x1, int *top, int *bottom) {
        int best = 0;
        for (int y = 0; y < grey.height();) {
            int edges = 0;
            for (int x = x0 + 1; x <= x1; ++x)
                edges += dark(x, y) != dark(x - 1, y) ? 1 : 0;
            int end = y + 1;
            while (end < grey.height() &&
                   std::equal(grey.constScanLine(y) + x0, grey.constScanLine(y) + x1 + 1,
                              grey.constScanLine(end) + x0,
                              [](uchar a, uchar b) { return (a < 128) == (b < 128); }))
                ++end;
            if (edges >= 4 && end - y > best) {
                best = end - y;
                *top = y;
                *bottom = end - 1;
            }
            y = end;
        }
        return best > 0;
    };
    int top = 0, bottom = 0;
    if (!longestRun(0, grey.width() - 1, &top, &bottom))
        return QRect();
    // Across that run's first row: the narrowest dark run is a module.
    int first = -1, module = grey.width();
    for (int x = 0, run = 0; x < grey.width(); ++x) {
        if (dark(x, top)) {
            if (first < 0)
                first = x;
            ++run;
        }
        if ((!dark(x, top) || x == grey.width() - 1) && run > 0) {
            module = qMin(module, run);
            run = 0;
        }
    }
    int last = first;
    for (int x = first, gap = 0; x < grey.width(); ++x) {
        if (dark(x, top)) {
            last = x;
            gap = 0;
        } else if (++gap > 5 * module) {
            break;
        }
    }
    if (!longestRun(first, last, &top, &bottom))
        return QRect();
    return QRect(QPoint(first, top), QPoint(last, bottom));
}

// The box of all dark pixels of a picture, first and last included.
inline QRect inkBox(const QImage &picture) {
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    QRect box;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            if (grey.constScanLine(y)[x] < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace scantest
