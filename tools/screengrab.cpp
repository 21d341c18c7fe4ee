// Saves the whole X screen (the root window) as a PNG, for test records, or
// as a PPM when OUT ends in ".ppm", for scripts that read its pixels.
// Usage: screengrab OUT.png|OUT.ppm   (needs DISPLAY; uses the xcb platform)

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: screengrab OUT.png|OUT.ppm\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) {
        std::fprintf(stderr, "screengrab: no screen\n");
        return 1;
    }
    const QPixmap shot = screen->grabWindow(0);
    const QString out = QString::fromLocal8Bit(argv[1]);
    const char *format = out.endsWith(QLatin1String(".ppm"), Qt::CaseInsensitive) ? "PPM" : "PNG";
    if (shot.isNull() || !shot.save(out, format)) {
        std::fprintf(stderr, "screengrab: cannot grab or write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
