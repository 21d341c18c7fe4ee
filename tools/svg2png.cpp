// Renders an SVG file to a PNG at an integer multiple of its logical size;
// an output name ending in .jpg or .jpeg gives a JPEG instead (on white,
// as JPEG has no transparency).
// Usage: svg2png IN.svg OUT.png|OUT.jpg [SCALE]

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char **argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: svg2png IN.svg OUT.png|OUT.jpg [SCALE]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString in = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const int scale = argc > 3 ? QByteArray(argv[3]).toInt() : 2;

    QSvgRenderer renderer(in);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svg2png: cannot read %s\n", argv[1]);
        return 1;
    }
    const QSize size = renderer.defaultSize() * (scale > 0 ? scale : 1);
    const QString suffix = QFileInfo(out).suffix().toLower();
    const bool jpeg = suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
    QImage image(size, jpeg ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(jpeg ? QColor(Qt::white) : QColor(Qt::transparent));
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter);
    painter.end();

    QDir().mkpath(QFileInfo(out).absolutePath());
    if (!image.save(out, jpeg ? "JPEG" : "PNG", jpeg ? 90 : -1)) {
        std::fprintf(stderr, "svg2png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
