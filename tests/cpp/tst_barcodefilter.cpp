// The camera-frame filter: frames of every converted pixel format, odd
// widths and padded rows, the capture rectangle, frames arriving during a
// decode, and the filter or its runnable going away while a decode runs.

#include "scan/BarcodeFilter.h"
#include "scan/BarcodeFilterRunnable.h"
#include "scantestdata.h"
#include "testlimits.h"

#include <QAbstractPlanarVideoBuffer>
#include <QSemaphore>
#include <QSignalSpy>
#include <QVideoSurfaceFormat>
#include <QtTest>
#include <cstring>

using namespace scantest;

namespace {

// Planes at chosen places of one block, or (separate) plane 1 in a block of
// its own, as camera back ends hand them out.
class PlanarBuffer : public QAbstractPlanarVideoBuffer {
public:
    PlanarBuffer(QByteArray block, QVector<int> offsets, QVector<int> strides,
                 QByteArray separate = QByteArray())
        : QAbstractPlanarVideoBuffer(NoHandle), m_block(std::move(block)),
          m_separate(std::move(separate)), m_offsets(std::move(offsets)),
          m_strides(std::move(strides)) {}

    int map(MapMode mode, int *numBytes, int bytesPerLine[4], uchar *data[4]) override {
        m_mode = mode;
        *numBytes = m_block.size();
        for (int p = 0; p < m_offsets.size(); ++p) {
            bytesPerLine[p] = m_strides[p];
            data[p] = reinterpret_cast<uchar *>(p == 1 && !m_separate.isEmpty() ? m_separate.data()
                                                                                : m_block.data()) +
                      m_offsets[p];
        }
        return m_offsets.size();
    }
    MapMode mapMode() const override { return m_mode; }
    void unmap() override { m_mode = NotMapped; }

private:
    QByteArray m_block, m_separate;
    QVector<int> m_offsets, m_strides;
    MapMode m_mode = NotMapped;
};

int studioLuma(QRgb c) {
    return 16 + qGray(c) * 219 / 255;
}

// Writes one pixel of a packed format as Qt defines the format.
void putPixel(uchar *p, QVideoFrame::PixelFormat format, QRgb c) {
    const quint32 r = quint32(qRed(c)), g = quint32(qGreen(c)), b = quint32(qBlue(c)),
                  a = quint32(qAlpha(c));
    quint32 word = 0;
    switch (format) {
    case QVideoFrame::Format_ARGB32:
    case QVideoFrame::Format_RGB32:
        word = c;
        break;
    case QVideoFrame::Format_ARGB32_Premultiplied:
        word = qPremultiply(c);
        break;
    case QVideoFrame::Format_BGRA32:
    case QVideoFrame::Format_BGR32:
        word = b << 24 | g << 16 | r << 8 | a;
        break;
    case QVideoFrame::Format_BGR24:
        p[0] = uchar(b), p[1] = uchar(g), p[2] = uchar(r);
        return;
    case QVideoFrame::Format_BGR565: {
        const quint16 v = quint16((b >> 3) << 11 | (g >> 2) << 5 | r >> 3);
        std::memcpy(p, &v, 2);
        return;
    }
    case QVideoFrame::Format_BGR555: {
        const quint16 v = quint16((b >> 3) << 10 | (g >> 3) << 5 | r >> 3);
        std::memcpy(p, &v, 2);
        return;
    }
    default:
        return;
    }
    std::memcpy(p, &word, 4);
}

int bytesPerPixel(QVideoFrame::PixelFormat format) {
    switch (format) {
    case QVideoFrame::Format_BGR24:
        return 3;
    case QVideoFrame::Format_BGR565:
    case QVideoFrame::Format_BGR555:
        return 2;
    default:
        return 4;
    }
}

// A frame of `format` showing `picture`, each row followed by `padding`
// bytes (in every plane).
QVideoFrame makeFrame(const QImage &picture, QVideoFrame::PixelFormat format, int padding,
                      bool separatePlanes = false) {
    const QImage rgb = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = rgb.width(), h = rgb.height();
    const int chromaW = (w + 1) / 2, chromaH = (h + 1) / 2;

    if (format == QVideoFrame::Format_YUV420P || format == QVideoFrame::Format_NV12) {
        const bool nv12 = format == QVideoFrame::Format_NV12;
        const int yStride = w + padding;
        const int cStride = (nv12 ? 2 * chromaW : chromaW) + padding;
        QByteArray block(yStride * h + (separatePlanes ? 0 : cStride * chromaH * (nv12 ? 1 : 2)),
                         char(0x55));
        QByteArray separate(separatePlanes ? cStride * chromaH : 0, char(0x55));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                block[y * yStride + x] = char(studioLuma(rgb.pixel(x, y)));
        uchar *chroma = reinterpret_cast<uchar *>(separatePlanes ? separate.data()
                                                                 : block.data() + yStride * h);
        for (int y = 0; y < chromaH * (nv12 ? 1 : 2); ++y)
            std::memset(chroma + y * cStride, 128, size_t(cStride - padding));
        QVector<int> offsets{0, separatePlanes ? 0 : yStride * h};
        QVector<int> strides{yStride, cStride};
        if (!nv12) {
            offsets << yStride * h + cStride * chromaH;
            strides << cStride;
        }
        return QVideoFrame(new PlanarBuffer(block, offsets, strides, separate), QSize(w, h),
                           format);
    }

    const int rowBytes =
        format == QVideoFrame::Format_YUYV ? chromaW * 4 : w * bytesPerPixel(format);
    const int stride = rowBytes + padding;
    QVideoFrame frame(stride * h, QSize(w, h), stride, format);
    frame.map(QAbstractVideoBuffer::WriteOnly);
    uchar *bits = frame.bits();
    std::memset(bits, 0x55, size_t(stride * h));
    for (int y = 0; y < h; ++y) {
        uchar *row = bits + y * stride;
        for (int x = 0; x < w; ++x) {
            if (format == QVideoFrame::Format_YUYV) {
                row[(x / 2) * 4 + ((x & 1) ? 2 : 0)] = uchar(qGray(rgb.pixel(x, y)));
                row[(x / 2) * 4 + 1] = row[(x / 2) * 4 + 3] = 128;
            } else {
                putPixel(row + x * bytesPerPixel(format), format, rgb.pixel(x, y));
            }
        }
    }
    frame.unmap();
    return frame;
}

// A copied frame made directly from bytes.
SimpleVideoFrame rawFrame(QVideoFrame::PixelFormat format, QSize size, int stride,
                          const QByteArray &bytes) {
    SimpleVideoFrame f;
    f.data = bytes;
    f.size = size;
    f.pixelFormat = format;
    f.planeCount = 1;
    f.bytesPerLine[0] = stride;
    return f;
}

QByteArray greyBytes(const QImage &grey) {
    QByteArray out;
    for (int y = 0; y < grey.height(); ++y)
        out.append(reinterpret_cast<const char *>(grey.constScanLine(y)), grey.width());
    return out;
}

// The QR code of otpauth-ascii on a white frame of odd size.
QImage oddFrame() {
    return placed(qrImage("otpauth-ascii"), QSize(211, 187), QPoint(23, 11));
}

// A filter with its runnable, and the texts and ends of its decodes.
struct Rig {
    std::unique_ptr<BarcodeFilter> filter{new BarcodeFilter};
    std::unique_ptr<QVideoFilterRunnable> runnable{filter->createFilterRunnable()};
    QStringList tags;
    QList<bool> ends;

    Rig() {
        QObject::connect(filter->getDecoder(), &BarcodeDecoder::tagFound, filter.get(),
                         [this](const QString &t) { tags << t; });
        QObject::connect(filter.get(), &BarcodeFilter::decodingFinished, filter.get(),
                         [this](bool ok, int time) {
                             ends << ok;
                             QVERIFY(time >= 0);
                         });
    }
    QVideoFrame feed(QVideoFrame frame) { return runnable->run(&frame, QVideoSurfaceFormat(), {}); }
    bool waitForEnds(int n) {
        return QTest::qWaitFor([&] { return ends.size() >= n && !filter->isDecoding(); },
                               waitLimit(20000));
    }
};

} // namespace

class TestBarcodeFilter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void framesDecode_data();
    void framesDecode();
    void coloursAsQtDefinesThem_data();
    void coloursAsQtDefinesThem();
    void pixels_data();
    void pixels();
    void captureRect_data();
    void captureRect();
    void bottomUpFrames();

    void signalsOfAFrame();
    void framesDuringADecodePassThrough();
    void unconvertibleFrameIsSkipped();
    void runnableGoesDuringADecode();
    void filterGoesDuringADecode();
};

void TestBarcodeFilter::initTestCase() {
    QVERIFY2(!qrImage("otpauth-ascii").isNull(), "the test QR images were not generated");
}

void TestBarcodeFilter::framesDecode_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("padding");
    QTest::addColumn<bool>("separatePlanes");
    const struct {
        const char *name;
        QVideoFrame::PixelFormat format;
    } formats[] = {
        {"RGB32", QVideoFrame::Format_RGB32},
        {"ARGB32", QVideoFrame::Format_ARGB32},
        {"ARGB32 premultiplied", QVideoFrame::Format_ARGB32_Premultiplied},
        {"BGRA32", QVideoFrame::Format_BGRA32},
        {"BGR24", QVideoFrame::Format_BGR24},
        {"BGR565", QVideoFrame::Format_BGR565},
        {"BGR555", QVideoFrame::Format_BGR555},
        {"YUV420P", QVideoFrame::Format_YUV420P},
        {"YUYV", QVideoFrame::Format_YUYV},
        {"NV12", QVideoFrame::Format_NV12},
        {"RGB24 (QImage RGB888)", QVideoFrame::Format_RGB24},
    };
    for (const auto &f : formats) {
        QTest::addRow("%s", f.name) << int(f.format) << 0 << false;
        QTest::addRow("%s, padded rows", f.name) << int(f.format) << 12 << false;
    }
    QTest::newRow("NV12, chroma plane apart") << int(QVideoFrame::Format_NV12) << 12 << true;
}

// Each frame is 211 x 187 pixels; every row carries its padding bytes.
void TestBarcodeFilter::framesDecode() {
    QFETCH(int, format);
    QFETCH(int, padding);
    QFETCH(bool, separatePlanes);
    QImage picture = oddFrame();
    const auto pixelFormat = QVideoFrame::PixelFormat(format);
    if (pixelFormat == QVideoFrame::Format_RGB24) {
        // Qt's RGB888: bytes red, green, blue.
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
        QVideoFrame frame(rgb.bytesPerLine() * rgb.height(), rgb.size(), rgb.bytesPerLine(),
                          pixelFormat);
        frame.map(QAbstractVideoBuffer::WriteOnly);
        std::memcpy(frame.bits(), rgb.constBits(), size_t(rgb.sizeInBytes()));
        frame.unmap();
        Rig rig;
        rig.feed(frame);
        QVERIFY(rig.waitForEnds(1));
        QCOMPARE(rig.tags, QStringList{qrText("otpauth-ascii")});
        return;
    }
    if (pixelFormat == QVideoFrame::Format_ARGB32_Premultiplied) {
        // Dark modules fully transparent: they must come out black.
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (qGray(picture.pixel(x, y)) < 128)
                    picture.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
    Rig rig;
    rig.feed(makeFrame(picture, pixelFormat, padding, separatePlanes));
    QVERIFY(rig.waitForEnds(1));
    QCOMPARE(rig.ends, QList<bool>{true});
    QCOMPARE(rig.tags, QStringList{qrText("otpauth-ascii")});
}

void TestBarcodeFilter::coloursAsQtDefinesThem_data() {
    QTest::addColumn<int>("format");
    QTest::newRow("ARGB32") << int(QVideoFrame::Format_ARGB32);
    QTest::newRow("RGB32") << int(QVideoFrame::Format_RGB32);
    QTest::newRow("ARGB32 premultiplied") << int(QVideoFrame::Format_ARGB32_Premultiplied);
    QTest::newRow("BGRA32") << int(QVideoFrame::Format_BGRA32);
    QTest::newRow("BGR32") << int(QVideoFrame::Format_BGR32);
    QTest::newRow("BGR24") << int(QVideoFrame::Format_BGR24);
    QTest::newRow("BGR565") << int(QVideoFrame::Format_BGR565);
    QTest::newRow("BGR555") << int(QVideoFrame::Format_BGR555);
}

// Our picture of a coloured frame against Qt's own reading of the same
// frame (QVideoFrame::image): the grey formats as grey of Qt's colours, the
// wrapped formats colour for colour (Qt's two ways of widening 5-bit
// channels differ slightly).
void TestBarcodeFilter::coloursAsQtDefinesThem() {
    QFETCH(int, format);
    const auto pixelFormat = QVideoFrame::PixelFormat(format);
    QImage colours(3, 2, QImage::Format_ARGB32);
    const QRgb c[] = {qRgb(255, 0, 0),   qRgb(0, 200, 0),          qRgb(0, 0, 255),
                      qRgb(250, 180, 8), qRgba(200, 100, 40, 128), qRgb(16, 64, 128)};
    for (int i = 0; i < 6; ++i)
        colours.setPixel(i % 3, i / 3, c[i]);
    QVideoFrame frame = makeFrame(colours, pixelFormat, 4);
    const QImage reference = frame.image().convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!reference.isNull());

    SimpleVideoFrame copy;
    QVERIFY(BarcodeFilterRunnable::copyFrame(frame, copy));
    const QImage ours = BarcodeFilterRunnable::frameToImage(copy, QRect());
    QCOMPARE(ours.size(), QSize(3, 2));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            const QRgb q = reference.pixel(x, y);
            if (ours.format() == QImage::Format_Grayscale8) {
                const int grey = (306 * qRed(q) + 601 * qGreen(q) + 117 * qBlue(q) + 512) >> 10;
                QVERIFY2(qAbs(int(ours.constScanLine(y)[x]) - grey) <= 1,
                         qPrintable(QStringLiteral("(%1, %2): %3, Qt %4")
                                        .arg(x)
                                        .arg(y)
                                        .arg(ours.constScanLine(y)[x])
                                        .arg(grey)));
            } else {
                const QRgb o = ours.pixel(x, y);
                QVERIFY2(qAbs(qRed(o) - qRed(q)) <= 8 && qAbs(qGreen(o) - qGreen(q)) <= 8 &&
                             qAbs(qBlue(o) - qBlue(q)) <= 8,
                         qPrintable(QStringLiteral("(%1, %2): %3, Qt %4")
                                        .arg(x)
                                        .arg(y)
                                        .arg(o, 0, 16)
                                        .arg(q, 0, 16)));
            }
        }
    }
}

void TestBarcodeFilter::pixels_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("stride");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("grey");

    auto words = [](std::initializer_list<quint32> list) {
        QByteArray out;
        for (quint32 w : list)
            out.append(reinterpret_cast<const char *>(&w), 4);
        return out;
    };
    QTest::newRow("RGB32 rows in order") << int(QVideoFrame::Format_RGB32) << QSize(4, 2) << 16
                                         << words({0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
                                                   0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000})
                                         << QByteArray("\xFF\xFF\xFF\xFF\x00\x00\x00\x00", 8);
    // Alpha 0 leaves nothing, whatever the colour bits say.
    QTest::newRow("premultiplied alpha 0")
        << int(QVideoFrame::Format_ARGB32_Premultiplied) << QSize(3, 1) << 12
        << words({0x00000000, 0x00FFFFFF, 0x80808080}) << QByteArray("\x00\x00\xFF", 3);
    QTest::newRow("BGRA32 premultiplied alpha 0")
        << int(QVideoFrame::Format_BGRA32_Premultiplied) << QSize(2, 1) << 8
        << words({0xFFFFFF00, 0x80808080}) << QByteArray("\x00\xFF", 2);
    // Y 255, U and V 255: blue and red beyond 255 stay at 255.
    QTest::newRow("YUYV saturated")
        << int(QVideoFrame::Format_YUYV) << QSize(2, 1) << 4 << QByteArray("\xFF\xFF\xFF\xFF", 4)
        << QByteArray("\xB0\xB0", 2);
    QTest::newRow("YUYV odd width, padded") << int(QVideoFrame::Format_YUYV) << QSize(3, 2) << 10
                                            << QByteArray("\x0A\x80\x14\x80\x1E\x80\x00\x80--"
                                                          "\x28\x80\x32\x80\x3C\x80\x00\x80--",
                                                          20)
                                            << QByteArray("\x0A\x14\x1E\x28\x32\x3C", 6);
    // Three bytes a pixel and rows of 7 bytes: nothing sheared.
    QTest::newRow("BGR24 odd width") << int(QVideoFrame::Format_BGR24) << QSize(2, 2) << 7
                                     << QByteArray("\x00\x00\xFF\xFF\x00\x00-"
                                                   "\xFF\xFF\xFF\x00\x00\x00-",
                                                   14)
                                     << QByteArray("\x4C\x1D\xFF\x00", 4);
}

void TestBarcodeFilter::pixels() {
    QFETCH(int, format);
    QFETCH(QSize, size);
    QFETCH(int, stride);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, grey);
    const QImage image = BarcodeFilterRunnable::frameToImage(
        rawFrame(QVideoFrame::PixelFormat(format), size, stride, bytes), QRect());
    QCOMPARE(image.format(), QImage::Format_Grayscale8);
    QCOMPARE(greyBytes(image).toHex(' '), grey.toHex(' '));

    // One byte short of the frame: refused, not read past the end.
    QVERIFY(
        BarcodeFilterRunnable::frameToImage(rawFrame(QVideoFrame::PixelFormat(format), size, stride,
                                                     bytes.left(bytes.size() - stride + 1)),
                                            QRect())
            .isNull());
}

void TestBarcodeFilter::captureRect_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QSize>("converted");
    QTest::addColumn<bool>("found");
    // The code spans x 200..364 and y 100..264 of a 400 x 300 frame.
    for (auto format :
         {QVideoFrame::Format_RGB32, QVideoFrame::Format_BGR565, QVideoFrame::Format_NV12}) {
        const QByteArray name = QVideoFrame::PixelFormat(format) == QVideoFrame::Format_RGB32
                                    ? "RGB32"
                                    : (format == QVideoFrame::Format_BGR565 ? "BGR565" : "NV12");
        QTest::addRow("%s inside", name.constData())
            << int(format) << QRectF(180, 80, 201, 201) << QSize(201, 201) << true;
        QTest::addRow("%s inside, code outside it", name.constData())
            << int(format) << QRectF(0, 0, 190, 150) << QSize(190, 150) << false;
        QTest::addRow("%s partly outside", name.constData())
            << int(format) << QRectF(180, 80, 400, 400) << QSize(220, 220) << true;
        QTest::addRow("%s left of the frame", name.constData())
            << int(format) << QRectF(-50, 50, 450, 240) << QSize(400, 240) << true;
        QTest::addRow("%s wholly outside", name.constData())
            << int(format) << QRectF(500, 400, 50, 50) << QSize(400, 300) << true;
        QTest::addRow("%s empty", name.constData())
            << int(format) << QRectF(200, 100, 0, 100) << QSize(400, 300) << true;
    }
}

void TestBarcodeFilter::captureRect() {
    QFETCH(int, format);
    QFETCH(QRectF, rect);
    QFETCH(QSize, converted);
    QFETCH(bool, found);
    QVideoFrame frame =
        makeFrame(placed(qrImage("otpauth-ascii"), QSize(400, 300), QPoint(200, 100)),
                  QVideoFrame::PixelFormat(format), 8);
    SimpleVideoFrame copy;
    QVERIFY(BarcodeFilterRunnable::copyFrame(frame, copy));
    QCOMPARE(BarcodeFilterRunnable::frameToImage(copy, rect.toRect()).size(), converted);

    Rig rig;
    QSignalSpy rectChanged(rig.filter.get(), &BarcodeFilter::captureRectChanged);
    rig.filter->setCaptureRect(rect);
    rig.filter->setCaptureRect(rect);
    QCOMPARE(rectChanged.count(), rect.isNull() ? 0 : 1);
    rig.feed(frame);
    QVERIFY(rig.waitForEnds(1));
    QCOMPARE(rig.ends, QList<bool>{found});
    QCOMPARE(rig.tags.size(), found ? 1 : 0);
}

// A surface that stores rows bottom up: the picture comes out upright and
// the capture rectangle is taken in the picture's coordinates.
void TestBarcodeFilter::bottomUpFrames() {
    QByteArray column;
    for (quint32 w : {0xFFFFFFFFu, 0xFF000000u, 0xFF000000u, 0xFF808080u}) // bottom first
        column.append(reinterpret_cast<const char *>(&w), 4);
    SimpleVideoFrame f = rawFrame(QVideoFrame::Format_RGB32, QSize(1, 4), 4, column);
    f.bottomToTop = true;
    QCOMPARE(greyBytes(BarcodeFilterRunnable::frameToImage(f, QRect())).toHex(' '),
             QByteArray("80 00 00 ff"));
    QCOMPARE(greyBytes(BarcodeFilterRunnable::frameToImage(f, QRect(0, 3, 1, 1))).toHex(),
             QByteArray("ff"));
    QCOMPARE(greyBytes(BarcodeFilterRunnable::frameToImage(f, QRect(0, 0, 1, 2))).toHex(' '),
             QByteArray("80 00"));

    // End to end: a frame stored upside down under a bottom-to-top surface.
    const QImage upright = oddFrame();
    Rig rig;
    QVideoFrame frame = makeFrame(upright.mirrored(false, true), QVideoFrame::Format_RGB32, 0);
    QVideoSurfaceFormat surface(upright.size(), QVideoFrame::Format_RGB32);
    surface.setScanLineDirection(QVideoSurfaceFormat::BottomToTop);
    rig.filter->setCaptureRect(QRectF(20, 8, 170, 170));
    rig.runnable->run(&frame, surface, {});
    QVERIFY(rig.waitForEnds(1));
    QCOMPARE(rig.tags, QStringList{qrText("otpauth-ascii")});
}

// The order the scanning view relies on, with every signal on this thread.
void TestBarcodeFilter::signalsOfAFrame() {
    Rig rig;
    QStringList order;
    BarcodeFilter *f = rig.filter.get();
    QObject::connect(f, &BarcodeFilter::decodingStarted, f, [&] { order << "decodingStarted"; });
    QObject::connect(f, &BarcodeFilter::isDecodingChanged, f,
                     [&] { order << (f->isDecoding() ? "decoding" : "idle"); });
    QObject::connect(f->getDecoder(), &BarcodeDecoder::tagFound, f, [&] { order << "tagFound"; });
    QObject::connect(f, &BarcodeFilter::decodingFinished, f, [&] { order << "decodingFinished"; });
    rig.feed(makeFrame(oddFrame(), QVideoFrame::Format_RGB32, 0));
    QVERIFY(f->isDecoding());
    QVERIFY(rig.waitForEnds(1));
    QCOMPARE(order,
             QStringList({"decodingStarted", "decoding", "tagFound", "decodingFinished", "idle"}));
}

void TestBarcodeFilter::framesDuringADecodePassThrough() {
    Rig rig;
    const QVideoFrame first = makeFrame(oddFrame(), QVideoFrame::Format_RGB32, 0);
    const QVideoFrame second =
        makeFrame(placed(qrImage("second-frame"), QSize(200, 200), QPoint(40, 40)),
                  QVideoFrame::Format_RGB32, 0);
    const QVideoFrame third = makeFrame(second.image(), QVideoFrame::Format_BGR24, 0);
    QVERIFY(rig.feed(first) == first);
    // The first decode cannot end before this thread handles its signals.
    QVERIFY(rig.feed(second) == second);
    QVERIFY(rig.feed(third) == third);
    QVERIFY(!rig.feed(QVideoFrame()).isValid());
    QVERIFY(rig.waitForEnds(1));
    QCOMPARE(rig.tags, QStringList{qrText("otpauth-ascii")});
    QCOMPARE(rig.ends.size(), 1);

    // Once idle, the next frame is taken.
    rig.feed(second);
    QVERIFY(rig.waitForEnds(2));
    QCOMPARE(rig.tags, QStringList({qrText("otpauth-ascii"), qrText("second-frame")}));
}

// A format that is not converted ends without signals and frees the filter
// for the next frame.
void TestBarcodeFilter::unconvertibleFrameIsSkipped() {
    Rig rig;
    QSignalSpy started(rig.filter.get(), &BarcodeFilter::decodingStarted);
    QTest::ignoreMessage(QtDebugMsg,
                         "BarcodeFilterRunnable error: Cant create image file to process.");
    QTest::ignoreMessage(QtDebugMsg, "Maybe it was a format conversion problem? ");
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^VideoFrame format:  .*UYVY"));
    QTest::ignoreMessage(QtDebugMsg, "Image corresponding format:  Format_Invalid");
    QVideoFrame uyvy(64 * 32, QSize(32, 32), 64, QVideoFrame::Format_UYVY);
    rig.feed(uyvy);
    QTRY_VERIFY_WITH_TIMEOUT(!rig.filter->isDecoding(), waitLimit());
    rig.feed(makeFrame(oddFrame(), QVideoFrame::Format_YUYV, 0));
    QVERIFY(rig.waitForEnds(1));
    QCOMPARE(started.count(), 1);
    QCOMPARE(rig.tags, QStringList{qrText("otpauth-ascii")});
}

// The video pipeline may delete the runnable at any time; the decode it
// started still ends.
void TestBarcodeFilter::runnableGoesDuringADecode() {
    Rig rig;
    rig.feed(makeFrame(oddFrame(), QVideoFrame::Format_NV12, 4));
    rig.runnable.reset();
    QVERIFY(rig.waitForEnds(1));
    QCOMPARE(rig.tags, QStringList{qrText("otpauth-ascii")});
}

// Destroying the filter waits for the running decode, which uses the
// filter's decoder.
void TestBarcodeFilter::filterGoesDuringADecode() {
    auto *filter = new BarcodeFilter;
    std::unique_ptr<QVideoFilterRunnable> runnable(filter->createFilterRunnable());
    filter->getDecoder()->setTryHarder(true);
    QSemaphore entered, release;
    std::atomic_bool ended{false};
    // Direct: on the worker thread, which waits here until released.
    QObject::connect(
        filter->getDecoder(), &BarcodeDecoder::decodingStarted, filter->getDecoder(),
        [&] {
            entered.release();
            release.acquire();
        },
        Qt::DirectConnection);
    QObject::connect(
        filter->getDecoder(), &BarcodeDecoder::decodingFinished, filter->getDecoder(),
        [&] { ended = true; }, Qt::DirectConnection);
    QImage noise(1280, 720, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, ((x * 7 + y * 13) ^ (x * y)) & 16 ? 0xFF000000 : 0xFFFFFFFF);
    QVideoFrame frame = makeFrame(noise, QVideoFrame::Format_RGB32, 0);
    runnable->run(&frame, QVideoSurfaceFormat(), {});
    QVERIFY(entered.tryAcquire(1, 20000));
    release.release();
    delete filter;
    QVERIFY(ended);
    // The queued signals of the finished decode died with the filter.
    QCoreApplication::processEvents();
    QCOMPARE(runnable->run(&frame, QVideoSurfaceFormat(), {}), frame);
}

QTEST_MAIN(TestBarcodeFilter)
#include "tst_barcodefilter.moc"
