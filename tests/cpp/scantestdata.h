// The QR and one-dimensional images of the barcode tests (made by qrencode
// and zint at build time) and helpers to place them in larger pictures.
#pragma once

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>

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

} // namespace scantest
