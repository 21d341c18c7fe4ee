// The banners of the passwords tab, in both languages, as the build renders
// them from their SVG sources (tools/svg2png.cpp): the texts stand inside
// the picture and clear of its icon.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QtTest>

namespace {

// As svg2png renders them for the resources.
constexpr int kScale = 2;
// Logical pixels kept free around the texts.
constexpr qreal kMargin = 12;

// The source with the elements of the given ids not drawn.
QByteArray withHidden(QByteArray svg, const QStringList &ids) {
    for (const QString &id : ids) {
        const QByteArray attr = "id=\"" + id.toUtf8() + "\"";
        svg.replace(attr, attr + " display=\"none\"");
    }
    return svg;
}

// Where anything is drawn, in logical pixels.
QRectF drawnRect(const QByteArray &svg) {
    QSvgRenderer renderer(svg);
    QImage image(renderer.defaultSize() * kScale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter);
    painter.end();
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) > 0) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
        }
    }
    if (right < 0)
        return QRectF();
    return QRectF(qreal(left) / kScale, qreal(top) / kScale, qreal(right - left + 1) / kScale,
                  qreal(bottom - top + 1) / kScale);
}

} // namespace

class TestBanners : public QObject {
    Q_OBJECT
private slots:
    void textsClearOfIcon_data() {
        QTest::addColumn<QString>("path");
        for (const char *dir : {"/qml/img/ad", "/qml/img/ad_en"}) {
            const QDir banners(QStringLiteral(KEYLOFT_SOURCE_DIR) + QLatin1String(dir));
            const QStringList names = banners.entryList({QStringLiteral("*.jpg.svg")}, QDir::Files);
            QVERIFY(!names.isEmpty());
            for (const QString &name : names)
                QTest::newRow(qPrintable(banners.dirName() + QLatin1Char('/') + name))
                    << banners.filePath(name);
        }
    }
    // Each banner has a background, an icon at its right and texts (every
    // other element); the texts are drawn alone to find where they stand.
    void textsClearOfIcon() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QVERIFY(renderer.elementExists(QStringLiteral("background")));
        QVERIFY(renderer.elementExists(QStringLiteral("icon")));
        const QRectF picture(QPointF(0, 0), renderer.defaultSize());
        const QRectF icon = renderer.boundsOnElement(QStringLiteral("icon"));
        QVERIFY(!icon.isEmpty());

        const QRectF texts = drawnRect(withHidden(svg, {"background", "icon"}));
        QVERIFY2(!texts.isEmpty(), "no text drawn");
        const QString where = QStringLiteral("texts at %1..%2 x %3..%4, icon from x %5")
                                  .arg(texts.left())
                                  .arg(texts.right())
                                  .arg(texts.top())
                                  .arg(texts.bottom())
                                  .arg(icon.left());
        QVERIFY2(texts.left() >= kMargin && texts.top() >= kMargin &&
                     texts.bottom() <= picture.bottom() - kMargin,
                 qPrintable(where));
        QVERIFY2(texts.right() + kMargin <= icon.left(), qPrintable(where));
        QVERIFY2(icon.right() <= picture.right(), qPrintable(where));
    }
};

QTEST_MAIN(TestBanners)
#include "tst_banners.moc"
