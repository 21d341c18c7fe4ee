// The barcode decoder object and its grey picture: format masks, scaling,
// the signals of a decode, EAN/UPC codes and their metadata, files, QR
// writing, the extra passes of tryHarder, the rectangles of the codes found
// and pictures that once ended the process (GS1 DataBar).

#include "scan/BarcodeDecoder.h"
#include "scan/CameraImageAdapter.h"
#include "scantestdata.h"

#include <QSignalSpy>
#include <QTransform>
#include <QtTest>
#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

using namespace scantest;

namespace {

// Every signal of a decoder, by name, in the order emitted.
struct SignalLog {
    QStringList names;
    QString tag, format, charSet;
    QVariantMap metadata;
    QRectF rect;
    QList<bool> finished;
    QStringList errors;
    // The connections end with the log.
    QObject context;

    explicit SignalLog(BarcodeDecoder *d) {
        using D = BarcodeDecoder;
        QObject::connect(d, &D::decodingStarted, &context, [this] { names << "decodingStarted"; });
        QObject::connect(d, &D::tagFound, &context, [this](const QString &t) {
            names << "tagFound";
            tag = t;
        });
        QObject::connect(d, qOverload<QString, QString, QString>(&D::tagFoundAdvanced), &context,
                         [this](const QString &, const QString &f, const QString &c) {
                             names << "tagFoundAdvanced";
                             format = f;
                             charSet = c;
                         });
        QObject::connect(
            d, qOverload<QString, QString, QString, QVariantMap>(&D::tagFoundAdvanced), &context,
            [this](const QString &, const QString &, const QString &, const QVariantMap &m) {
                names << "tagFoundAdvanced(metadata)";
                metadata = m;
            });
        QObject::connect(
            d, qOverload<QString, QString, QString, QRectF>(&D::tagFoundAdvanced), &context,
            [this](const QString &, const QString &, const QString &, const QRectF &r) {
                names << "tagFoundAdvanced(rect)";
                rect = r;
            });
        QObject::connect(d, &D::decodingFinished, &context, [this](bool ok) {
            names << "decodingFinished";
            finished << ok;
        });
        QObject::connect(d, &D::error, &context, [this](const QString &m) {
            names << "error";
            errors << m;
        });
    }
};

// A CODE_128 symbol made by ZXing, 2 pixels a module, turned a quarter.
QImage verticalCode128(const QString &text) {
    ZXing::MultiFormatWriter writer(ZXing::BarcodeFormat::Code128);
    writer.setMargin(10);
    const ZXing::BitMatrix m = writer.encode(text.toStdWString(), 0, 60);
    QImage image(m.width() * 2, m.height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            if (m.get(x, y))
                image.setPixel(2 * x, y, 0xFF000000), image.setPixel(2 * x + 1, y, 0xFF000000);
    return image.transformed(QTransform().rotate(90));
}

} // namespace

class TestBarcodeDecoder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void setDecoder_data();
    void setDecoder();
    void formatName();
    void greyConversion();
    void scaling_data();
    void scaling();
    void decodeScalesWithDefaults_data();
    void decodeScalesWithDefaults();

    void signalsOfASuccessfulDecode();
    void failures();
    void productCodesAndTheirMetadata_data();
    void productCodesAndTheirMetadata();
    void textsReadBackExactly_data();
    void textsReadBackExactly();
    void files();

    void encodeDefaults();
    void encodeOptions();
    void encodeLevels_data();
    void encodeLevels();
    void tryHarderTurnsThePicture();
    void linearCodeRectangle_data();
    void linearCodeRectangle();
    void positionsThatPlaceNothing_data();
    void positionsThatPlaceNothing();
    void turnedDataMatrixInTheFirstAttempt_data();
    void turnedDataMatrixInTheFirstAttempt();
    void dataBarUnderAddOnLengths_data();
    void dataBarUnderAddOnLengths();
    void allowedExtensions();
    void addOnLengths_data();
    void addOnLengths();
};

void TestBarcodeDecoder::initTestCase() {
    QVERIFY2(!qrImage("otpauth-ascii").isNull(), "the test QR images were not generated");
    QVERIFY2(!linearImage("ean13-addon2").isNull(), "the test 1-D images were not generated");
}

void TestBarcodeDecoder::setDecoder_data() {
    QTest::addColumn<uint>("hint");
    QTest::addColumn<uint>("enabled");
    QTest::newRow("CODE_128_GS1 brings CODE_128") << 0x40000u << 0x40020u;
    QTest::newRow("bit 0 is no format") << 0x1u << 0x0u;
    QTest::newRow("QR only") << 0x1000u << 0x1000u;
    QTest::newRow("bits above the table dropped") << 0xFFFFFFFFu << 0x7FFFEu;
    QTest::newRow("all but GS1") << 0x3FFFEu << 0x3FFFEu;
}

void TestBarcodeDecoder::setDecoder() {
    QFETCH(uint, hint);
    QFETCH(uint, enabled);
    BarcodeDecoder decoder;
    QCOMPARE(decoder.getEnabledFormats(), BarcodeDecoder::allFormats);
    QSignalSpy changed(&decoder, &BarcodeDecoder::enabledFormatsChanged);
    decoder.setDecoder(hint);
    QCOMPARE(decoder.getEnabledFormats(), enabled);
    QCOMPARE(decoder.property("enabledDecoders").toUInt(), enabled);
    // Also when nothing changes.
    decoder.setDecoder(hint);
    QCOMPARE(changed.count(), 2);
}

void TestBarcodeDecoder::formatName() {
    QCOMPARE(BarcodeDecoder::formatName(0x1000), QStringLiteral("QR_CODE"));
    QCOMPARE(BarcodeDecoder::formatName(0x2), QStringLiteral("AZTEC"));
    QCOMPARE(BarcodeDecoder::formatName(0x40000), QStringLiteral("CODE_128_GS1"));
    QVERIFY(BarcodeDecoder::formatName(0x3).isNull());
    QVERIFY(BarcodeDecoder::formatName(0).isNull());
}

// Weighted grey through the tables, pixels as Qt reads them, rows kept apart
// for widths that are not a multiple of 4.
void TestBarcodeDecoder::greyConversion() {
    QImage colours(5, 2, QImage::Format_ARGB32);
    const QRgb row[] = {qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                        qRgba(0, 0, 0, 0)};
    for (int x = 0; x < 5; ++x) {
        colours.setPixel(x, 0, row[x]);
        colours.setPixel(x, 1, qRgb(0, 0, 0));
    }
    CameraImageAdapter adapter(colours);
    QCOMPARE(adapter.getMatrix(), QByteArray("\xFE\x36\xB6\x12\x00"
                                             "\x00\x00\x00\x00\x00",
                                             10));
    // Premultiplied storage gives the same grey.
    CameraImageAdapter premultiplied(colours.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    QCOMPARE(premultiplied.getMatrix(), adapter.getMatrix());

    // Grey images are taken as they are, row by row past the padding.
    QImage grey(5, 3, QImage::Format_Grayscale8);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            grey.scanLine(y)[x] = uchar(10 * y + x);
    CameraImageAdapter copied(grey);
    QCOMPARE(copied.getRow(2), QByteArray("\x14\x15\x16\x17\x18", 5));
    QCOMPARE(copied.getMatrix().size(), 15);
    QCOMPARE(uchar(copied.getMatrix().at(5)), uchar(10));
    const ZXing::ImageView view = copied.imageView();
    QCOMPARE(view.width(), 5);
    QCOMPARE(*view.data(4, 2), uint8_t(24));
}

void TestBarcodeDecoder::scaling_data() {
    QTest::addColumn<QSize>("image");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<int>("maxHeight");
    QTest::addColumn<QSize>("wrapped");
    QTest::newRow("fits: not scaled up") << QSize(640, 480) << 999 << 999 << QSize(640, 480);
    QTest::newRow("wide") << QSize(3000, 1000) << 999 << 999 << QSize(999, 333);
    QTest::newRow("height limit only") << QSize(400, 200) << -1 << 100 << QSize(200, 100);
    QTest::newRow("0 is no limit") << QSize(400, 600) << 0 << 300 << QSize(200, 300);
    QTest::newRow("both 0") << QSize(400, 600) << 0 << 0 << QSize(400, 600);
    QTest::newRow("never below one pixel") << QSize(3000, 1) << 999 << 999 << QSize(999, 1);
}

void TestBarcodeDecoder::scaling() {
    QFETCH(QSize, image);
    QFETCH(int, maxWidth);
    QFETCH(int, maxHeight);
    QFETCH(QSize, wrapped);
    QImage picture(image, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const auto adapter = CameraImageAdapter::create(picture, maxWidth, maxHeight, false);
    QCOMPARE(QSize(adapter->width(), adapter->height()), wrapped);
}

void TestBarcodeDecoder::decodeScalesWithDefaults_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<int>("maxHeight");
    QTest::addColumn<QSize>("decoded");
    QTest::newRow("defaults: fit 999 x 999") << QSize(2000, 1500) << -1 << -1 << QSize(999, 749);
    QTest::newRow("defaults: small unscaled") << QSize(640, 480) << -1 << -1 << QSize(640, 480);
    QTest::newRow("0 and 300 kept") << QSize(800, 600) << 0 << 300 << QSize(400, 300);
}

void TestBarcodeDecoder::decodeScalesWithDefaults() {
    QFETCH(QSize, size);
    QFETCH(int, maxWidth);
    QFETCH(int, maxHeight);
    QFETCH(QSize, decoded);
    const QImage picture = placed(qrImage("otpauth-ascii"), size, QPoint(40, 30), 2);
    BarcodeDecoder decoder;
    QCOMPARE(decoder.decodeImage(picture, maxWidth, maxHeight), qrText("otpauth-ascii"));
    QCOMPARE(decoder.lastDecodedSize(), decoded);
}

void TestBarcodeDecoder::signalsOfASuccessfulDecode() {
    BarcodeDecoder decoder;
    SignalLog log(&decoder);
    const QImage picture = placed(qrImage("otpauth-ascii"), QSize(400, 300), QPoint(100, 50));
    const QString text = decoder.decodeImage(picture);
    QCOMPARE(text, qrText("otpauth-ascii"));
    QCOMPARE(log.names, QStringList({"decodingStarted", "tagFound", "tagFoundAdvanced",
                                     "tagFoundAdvanced(metadata)", "tagFoundAdvanced(rect)",
                                     "decodingFinished"}));
    QCOMPARE(log.tag, text);
    QCOMPARE(log.format, QStringLiteral("QR_CODE"));
    QCOMPARE(log.charSet, QStringLiteral("UTF-8"));
    QCOMPARE(log.finished, QList<bool>{true});
    QCOMPARE(decoder.foundedFormat(), QStringLiteral("QR_CODE"));
    QCOMPARE(decoder.charSet(), QStringLiteral("UTF-8"));
    QVERIFY(decoder.getProcessTimeOfLastDecoding() >= 0);
    // An upright code has no orientation.
    QCOMPARE(log.metadata,
             QVariantMap({{QStringLiteral("ERROR_CORRECTION_LEVEL"), QStringLiteral("L")}}));

    // The code spans x 116..248 and y 66..198 of the 400 x 300 picture
    // (quiet zone left out); the rectangle runs from its bottom-left corner
    // to its top-right one.
    const QRectF &r = log.rect;
    QVERIFY2(qAbs(r.left() - 116.0 / 400) < 0.03 && qAbs(r.right() - 248.0 / 400) < 0.03,
             qPrintable(QStringLiteral("%1..%2").arg(r.left()).arg(r.right())));
    QVERIFY2(qAbs(r.top() - 198.0 / 300) < 0.03 && qAbs(r.bottom() - 66.0 / 300) < 0.03,
             qPrintable(QStringLiteral("%1..%2").arg(r.top()).arg(r.bottom())));
}

// A null image ends quietly; an image without a code reports "Unknown"; the
// last found format stays.
void TestBarcodeDecoder::failures() {
    BarcodeDecoder decoder;
    decoder.decodeImage(qrImage("otpauth-ascii"));
    {
        SignalLog log(&decoder);
        QCOMPARE(decoder.decodeImage(QImage()), QString());
        QCOMPARE(log.names, QStringList({"decodingStarted", "decodingFinished"}));
        QCOMPARE(log.finished, QList<bool>{false});
        QVERIFY(decoder.getProcessTimeOfLastDecoding() >= 0);
    }
    {
        SignalLog log(&decoder);
        QImage blank(300, 200, QImage::Format_RGB32);
        blank.fill(Qt::white);
        decoder.setTryHarder(true);
        QCOMPARE(decoder.decodeImage(blank), QString());
        QCOMPARE(log.names, QStringList({"decodingStarted", "error", "decodingFinished"}));
        QCOMPARE(log.errors, QStringList{"Unknown"});
        QCOMPARE(log.finished, QList<bool>{false});
        QVERIFY(decoder.getProcessTimeOfLastDecoding() >= 0);
    }
    QCOMPARE(decoder.foundedFormat(), QStringLiteral("QR_CODE"));
    {
        // Another format only: the QR code is not looked for.
        SignalLog log(&decoder);
        decoder.setDecoder(BarcodeDecoder::DecoderFormat_DATA_MATRIX);
        QCOMPARE(decoder.decodeImage(qrImage("otpauth-ascii")), QString());
        QCOMPARE(log.errors, QStringList{"Unknown"});
    }
}

void TestBarcodeDecoder::productCodesAndTheirMetadata_data() {
    QTest::addColumn<QString>("image");
    QTest::addColumn<uint>("decoders");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QVariantMap>("metadata");
    const uint all = BarcodeDecoder::allFormats;
    const QVariantMap germany{{"POSSIBLE_COUNTRY", "DE"}};
    QTest::newRow("EAN-13 with a 2-digit add-on")
        << "ean13-addon2" << all << "4006381333931"
        << "EAN_13"
        << QVariantMap{
               {"UPC_EAN_EXTENSION", "12"}, {"ISSUE_NUMBER", 12}, {"POSSIBLE_COUNTRY", "DE"}};
    QTest::newRow("EAN-13 with a 5-digit add-on") << "ean13-addon5" << all << "4006381333931"
                                                  << "EAN_13"
                                                  << QVariantMap{{"UPC_EAN_EXTENSION", "52495"},
                                                                 {"SUGGESTED_PRICE", "USD $24.95"},
                                                                 {"POSSIBLE_COUNTRY", "DE"}};
    QTest::newRow("add-ons not enabled: the add-on is not read")
        << "ean13-addon2" << (all & ~uint(BarcodeDecoder::DecoderFormat_UPC_EAN_EXTENSION))
        << "4006381333931"
        << "EAN_13" << germany;
    QTest::newRow("EAN-13 plain") << "ean13" << all << "4006381333931"
                                  << "EAN_13" << germany;
    QTest::newRow("UPC-A") << "upca" << all << "036000291452"
                           << "UPC_A" << QVariantMap{{"POSSIBLE_COUNTRY", "US/CA"}};
    QTest::newRow("EAN-8: no country") << "ean8" << all << "96385074"
                                       << "EAN_8" << QVariantMap();
    QTest::newRow("CODE_128") << "code128" << all << "KEYLOFT-128"
                              << "CODE_128" << QVariantMap();
}

// The code's own text, and what its add-on and prefix say as metadata of
// the types they are documented with.
void TestBarcodeDecoder::productCodesAndTheirMetadata() {
    QFETCH(QString, image);
    QFETCH(uint, decoders);
    QFETCH(QString, text);
    QFETCH(QString, format);
    QFETCH(QVariantMap, metadata);
    const QImage code = linearImage(image);
    BarcodeDecoder decoder(decoders);
    SignalLog log(&decoder);
    QCOMPARE(decoder.decodeImage(placed(code, code.size() + QSize(80, 100), QPoint(40, 50))), text);
    QCOMPARE(log.tag, text);
    QCOMPARE(log.format, format);
    QCOMPARE(log.metadata.keys(), metadata.keys());
    for (auto it = metadata.cbegin(); it != metadata.cend(); ++it) {
        QCOMPARE(log.metadata.value(it.key()).userType(), it.value().userType());
        QCOMPARE(log.metadata.value(it.key()), it.value());
    }
}

void TestBarcodeDecoder::textsReadBackExactly_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("otpauth") << "otpauth-ascii";
    QTest::newRow("otpauth with Chinese label and issuer") << "otpauth-utf8";
}

// Images of an independent encoder, and the same texts through our own
// writer.
void TestBarcodeDecoder::textsReadBackExactly() {
    QFETCH(QString, name);
    const QString text = qrText(name);
    QVERIFY(text.startsWith("otpauth://totp/"));
    BarcodeDecoder decoder;
    QCOMPARE(decoder.decodeImage(qrImage(name)), text);

    BarcodeEncoderConfig config;
    config.border = true;
    config.encoderImageSize = QSize(400, 400);
    const QImage ours = decoder.encodeData(text, config);
    QVERIFY(!ours.isNull());
    QCOMPARE(decoder.decodeImage(placed(ours, QSize(480, 480), QPoint(40, 40))), text);
}

void TestBarcodeDecoder::files() {
    const QString path = dataPath("otpauth-utf8.png");
    const QString text = qrText("otpauth-utf8");
    BarcodeDecoder decoder;
    QCOMPARE(decoder.decodeImageFromFile(path), text);
    QCOMPARE(decoder.decodeImageFromFile("file://" + path), text);
    QCOMPARE(decoder.decodeImageQML(QUrl::fromLocalFile(path)), text);

    SignalLog log(&decoder);
    QCOMPARE(decoder.decodeImageFromFile(path + ".missing"), QString());
    QCOMPARE(log.names, QStringList({"decodingStarted", "decodingFinished"}));

    // A missing file behind a URL ends before the decode starts.
    log.names.clear();
    log.finished.clear();
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^\\[decodeSubImageQML\\(\\)\\] The file "
                                                        ".*missing.* does not exist\\.$"));
    QCOMPARE(decoder.decodeImageQML(QUrl::fromLocalFile(path + ".missing")), QString());
    QCOMPARE(log.names, QStringList({"decodingFinished"}));
    QCOMPARE(log.finished, QList<bool>{false});

    // A part of the file: the code's left half is not enough.
    log.names.clear();
    QCOMPARE(decoder.decodeSubImageQML(QUrl::fromLocalFile(path), 0, 0, 60, 60), QString());
    QCOMPARE(log.errors, QStringList{"Unknown"});
}

void TestBarcodeDecoder::encodeDefaults() {
    BarcodeDecoder decoder;
    const QImage image = decoder.encodeData("abc");
    QCOMPARE(image.size(), QSize(240, 240));
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    // A 21-module symbol without a quiet zone: the finder pattern's dark
    // corner is the image's corner.
    QCOMPARE(image.pixel(0, 0), 0xFF000000u);
    QCOMPARE(image.pixel(239, 0), 0xFF000000u);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY(image.pixel(x, y) == 0xFF000000u || image.pixel(x, y) == 0xFFFFFFFFu);
    QCOMPARE(decoder.decodeImage(placed(image, QSize(320, 320), QPoint(40, 40))),
             QStringLiteral("abc"));
}

void TestBarcodeDecoder::encodeOptions() {
    BarcodeDecoder decoder;
    // 21 modules and a border of one: 23 x 23 before scaling.
    const QImage bordered =
        decoder.encodeData("abc", BarcodeDecoder::EncoderFormat_QR_CODE, QSize(23, 23),
                           BarcodeDecoder::EncodeErrorCorrectionLevel_L, true, false);
    QCOMPARE(bordered.pixel(0, 0), 0xFFFFFFFFu);
    QCOMPARE(bordered.pixel(1, 1), 0xFF000000u);
    QCOMPARE(bordered.pixel(22, 22), 0xFFFFFFFFu);

    const QImage transparent =
        decoder.encodeData("abc", BarcodeDecoder::EncoderFormat_QR_CODE, QSize(21, 21),
                           BarcodeDecoder::EncodeErrorCorrectionLevel_L, false, true);
    QCOMPARE(transparent.pixel(0, 0), 0x00000000u);
    QCOMPARE(transparent.pixel(7, 0), 0xFFFFFFFFu);

    QVERIFY(decoder.encodeData("abc", BarcodeDecoder::EncoderFormat_INVALID).isNull());
    // The encoder refuses an empty text: a null image.
    QVERIFY(decoder.encodeData(QString()).isNull());
}

void TestBarcodeDecoder::encodeLevels_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("read");
    QTest::newRow("0") << 0 << "L";
    QTest::newRow("1") << 1 << "M";
    QTest::newRow("2") << 2 << "Q";
    QTest::newRow("3") << 3 << "H";
    QTest::newRow("out of range") << 7 << "L";
}

void TestBarcodeDecoder::encodeLevels() {
    QFETCH(int, level);
    QFETCH(QString, read);
    BarcodeDecoder decoder;
    BarcodeEncoderConfig config;
    config.errorCorrectionLevel = level;
    config.border = true;
    config.encoderImageSize = QSize(300, 300);
    SignalLog log(&decoder);
    QCOMPARE(decoder.decodeImage(
                 placed(decoder.encodeData("Keyloft", config), QSize(360, 360), QPoint(30, 30))),
             QStringLiteral("Keyloft"));
    QCOMPARE(log.metadata.value("ERROR_CORRECTION_LEVEL").toString(), read);
}

// A barcode standing on its end is found only by the turned attempts of
// tryHarder; its rectangle is in the picture's own coordinates.
void TestBarcodeDecoder::tryHarderTurnsThePicture() {
    const QImage vertical =
        placed(verticalCode128("KEYLOFT-128"), QSize(300, 700), QPoint(100, 50));
    BarcodeDecoder decoder;
    SignalLog log(&decoder);
    QCOMPARE(decoder.decodeImage(vertical), QString());
    QCOMPARE(log.errors, QStringList{"Unknown"});

    decoder.setTryHarder(true);
    QCOMPARE(decoder.decodeImage(vertical), QStringLiteral("KEYLOFT-128"));
    QCOMPARE(log.format, QStringLiteral("CODE_128"));
    // Tall and narrow in the 300 x 700 picture, within the code's columns
    // 100..160.
    QVERIFY2(qAbs(log.rect.height()) * 700 > 3 * log.rect.width() * 300,
             qPrintable(QStringLiteral("%1 x %2").arg(log.rect.width()).arg(log.rect.height())));
    QVERIFY(log.rect.left() >= 95.0 / 300 && log.rect.right() <= 165.0 / 300);
    // Read top to bottom: a quarter turn clockwise.
    QCOMPARE(log.metadata.value("ORIENTATION"), QVariant(90));
}

void TestBarcodeDecoder::linearCodeRectangle_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QString>("text");
    // The bars in the picture, first and last pixels included; the text
    // lies below them or, turned, to their left.
    QTest::addColumn<QRect>("bars");
    QTest::addColumn<int>("tolerance");
    const QString code128 = QStringLiteral("KEYLOFT-128");
    QTest::newRow("horizontal") << placed(linearImage("code128"), QSize(400, 200), QPoint(24, 50))
                                << code128 << QRect(QPoint(44, 50), QPoint(355, 149)) << 2;
    QTest::newRow("vertical") << placed(linearImage("code128-vertical"), QSize(300, 440),
                                        QPoint(100, 40))
                              << code128 << QRect(QPoint(116, 60), QPoint(215, 371)) << 2;
    // Turned by 5 degrees about its top-left corner at (60, 60): along the
    // code's middle its bars run from y 75 to 175; rows where only some of
    // them reach are no clear end.
    QTest::newRow("tilted") << tilted(linearImage("code128"), QSize(500, 300), QPoint(60, 60), 5)
                            << code128 << QRect(QPoint(75, 75), QPoint(385, 175)) << 10;

    // Blurred by 2 pixels, bars 200 or 300 pixels high: trying harder, ZXing
    // reads them on a faint row of their blurred top or bottom edge. The box
    // is measured in the sharp picture; the blur moves the edges by a pixel
    // or two.
    const struct {
        const char *name, *text;
        int scale;
    } blurredCodes[] = {
        {"ean13-addon2", "4006381333931", 3}, {"ean13-addon5", "4006381333931", 2},
        {"upca-addon5", "036000291452", 2},   {"gs1-128", "01988987654321063202012345", 2},
        {"ean14", "0112345678901231", 2},
    };
    for (const auto &c : blurredCodes) {
        const QImage code = linearImage(c.name);
        const QImage sharp =
            placed(code, QSize(c.scale * code.width() + 100, 600), QPoint(50, 40), c.scale);
        QTest::addRow("%s blurred", c.name) << blurred(sharp, 2) << c.text << barsBox(sharp) << 3;
    }

    // On a 1600 x 1200 picture, decoded at 999 x 749: a pixel there is 1.6
    // here.
    const QSize large(1600, 1200);
    for (const QPoint &at : {QPoint(1096, 888), QPoint(100, 100)}) {
        const QImage itf = placed(zintImage("itf"), large, at);
        QTest::addRow("ITF on 1600 x 1200 at %d, %d", at.x(), at.y())
            << itf << "12345678" << barsBox(itf) << 3;
    }
    const QImage logmars = placed(zintImage("logmars"), large, QPoint(700, 888));
    QTest::newRow("LOGMARS on 1600 x 1200") << logmars << "KEYLOFT" << barsBox(logmars) << 3;

    // Stacked: ZXing reads its two rows of bars on the lines next to the
    // separator between them; the box takes both rows. Across, ZXing places
    // the code a module (4 pixels) to the right.
    const QImage stacked = placed(zintImage("dbar-stacked"), QSize(400, 500), QPoint(100, 100), 2);
    QTest::newRow("stacked DataBar") << stacked << "20012345678909" << inkBox(stacked) << 4;
}

// The rectangle of a one-dimensional code spans its bars, not only the scan
// lines that read it.
void TestBarcodeDecoder::linearCodeRectangle() {
    QFETCH(QImage, picture);
    QFETCH(QString, text);
    QFETCH(QRect, bars);
    QFETCH(int, tolerance);
    QVERIFY(bars.isValid());
    BarcodeDecoder decoder;
    decoder.setTryHarder(true);
    SignalLog log(&decoder);
    QCOMPARE(decoder.decodeImage(picture), text);
    // Back in pixels; the rectangle runs from the bottom-left corner to the
    // top-right one.
    const QRectF &r = log.rect;
    const QRectF found(QPointF(r.left() * picture.width(), r.bottom() * picture.height()),
                       QPointF(r.right() * picture.width(), r.top() * picture.height()));
    const QString report = QStringLiteral("x %1..%2, y %3..%4 for x %5..%6, y %7..%8")
                               .arg(found.left())
                               .arg(found.right())
                               .arg(found.top())
                               .arg(found.bottom())
                               .arg(bars.left())
                               .arg(bars.right())
                               .arg(bars.top())
                               .arg(bars.bottom());
    QVERIFY2(qAbs(found.left() - bars.left()) <= tolerance &&
                 qAbs(found.right() - bars.right()) <= tolerance,
             qPrintable(report));
    QVERIFY2(qAbs(found.top() - bars.top()) <= tolerance &&
                 qAbs(found.bottom() - bars.bottom()) <= tolerance,
             qPrintable(report));
}

void TestBarcodeDecoder::positionsThatPlaceNothing_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("placed");
    const QString pdfText = QStringLiteral("KEYLOFT-PDF417");
    // ZXing gives two of its corners as (0, 0).
    QTest::newRow("Compact PDF417")
        << placed(zintImage("pdf417-compact"), QSize(500, 300), QPoint(100, 100), 2) << pdfText
        << false;
    QTest::newRow("PDF417") << placed(zintImage("pdf417"), QSize(700, 300), QPoint(100, 100), 2)
                            << pdfText << true;
    // ZXing gives the line of its second row mirrored, across the picture.
    QTest::newRow("stacked DataBar Expanded")
        << placed(zintImage("dbar-expanded-stacked"), QSize(1000, 800), QPoint(100, 60), 3)
        << "(01)98898765432106(3202)012345(15)991231" << false;
}

// A position that places nothing gives an empty rectangle and no
// orientation instead of a strip at the picture's edge and a made-up turn.
void TestBarcodeDecoder::positionsThatPlaceNothing() {
    QFETCH(QImage, picture);
    QFETCH(QString, text);
    QFETCH(bool, placed);
    BarcodeDecoder decoder;
    SignalLog log(&decoder);
    QCOMPARE(decoder.decodeImage(picture), text);
    QCOMPARE(log.names, QStringList({"decodingStarted", "tagFound", "tagFoundAdvanced",
                                     "tagFoundAdvanced(metadata)", "tagFoundAdvanced(rect)",
                                     "decodingFinished"}));
    // Upright either way.
    QVERIFY2(!log.metadata.contains("ORIENTATION"),
             qPrintable(log.metadata.value("ORIENTATION").toString()));
    if (!placed) {
        QVERIFY2(log.rect.isNull(), qPrintable(QStringLiteral("%1, %2 %3 x %4")
                                                   .arg(log.rect.x())
                                                   .arg(log.rect.y())
                                                   .arg(log.rect.width())
                                                   .arg(log.rect.height())));
        return;
    }
    const QRect ink = inkBox(picture);
    const QRectF r = log.rect;
    QVERIFY(qAbs(r.left() * picture.width() - ink.left()) <= 4);
    QVERIFY(qAbs(r.right() * picture.width() - ink.right()) <= 4);
    QVERIFY(qAbs(r.bottom() * picture.height() - ink.top()) <= 4);
    QVERIFY(qAbs(r.top() * picture.height() - ink.bottom()) <= 4);
}

void TestBarcodeDecoder::turnedDataMatrixInTheFirstAttempt_data() {
    QTest::addColumn<int>("degrees");
    for (int degrees : {0, 90, 180, 270})
        QTest::addRow("%d degrees", degrees) << degrees;
}

// 2-D codes are read at any quarter turn without trying harder; the Data
// Matrix detector looks at its other orientations only when allowed to.
void TestBarcodeDecoder::turnedDataMatrixInTheFirstAttempt() {
    QFETCH(int, degrees);
    const QImage code = zintImage("datamatrix").transformed(QTransform().rotate(degrees));
    // Across the middle, where ZXing's detector looks first.
    const QImage picture =
        placed(code, QSize(400, 400), QPoint(200 - 2 * code.width(), 200 - 2 * code.height()), 4);
    BarcodeDecoder decoder;
    SignalLog log(&decoder);
    QCOMPARE(decoder.decodeImage(picture), QStringLiteral("KEYLOFT-DATAMATRIX"));
    QCOMPARE(log.format, QStringLiteral("DATA_MATRIX"));
    QCOMPARE(log.metadata.value("ORIENTATION"), degrees ? QVariant(degrees) : QVariant());
}

void TestBarcodeDecoder::dataBarUnderAddOnLengths_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariantList>("allowed");
    const QString rss14 = QStringLiteral("20012345678909");
    const QString expanded = QStringLiteral("(01)98898765432106(3202)012345(15)991231");
    const QSize size(900, 700);
    const QPoint at(150, 150);
    const QImage dataBar = zintImage("dbar");
    const QImage expandedBar = zintImage("dbar-expanded");
    const struct {
        const char *name;
        QImage picture;
        QString text;
    } pictures[] = {
        {"stacked", placed(zintImage("dbar-stacked"), QSize(600, 500), QPoint(100, 100), 2), rss14},
        {"tilted 5 degrees", tilted(dataBar, size, at, 5), rss14},
        {"tilted 10 degrees, noisy", noisy(tilted(dataBar, size, at, 10, 2), 20), rss14},
        {"blurred, noisy", noisy(blurred(placed(dataBar, size, at, 2), 1), 20), rss14},
        {"Expanded tilted 15 degrees", tilted(expandedBar, size, at, 15, 2), expanded},
        {"Expanded tilted 15 degrees, blurred", blurred(tilted(expandedBar, size, at, 15, 2), 1),
         expanded},
    };
    const QVariantList sets[] = {{}, {2}, {5}, {2, 5}};
    for (const auto &p : pictures)
        for (const QVariantList &allowed : sets) {
            QStringList lengths;
            for (const QVariant &v : allowed)
                lengths << v.toString();
            QTest::addRow("%s, [%s]", p.name, qPrintable(lengths.join(", ")))
                << p.picture << p.text << allowed;
        }
}

// GS1 DataBar codes under every set of add-on lengths, product codes
// enabled. Decoded here in the test's own process: a library abort (as
// ZXing 1.4 had on these pictures) ends the whole test run.
void TestBarcodeDecoder::dataBarUnderAddOnLengths() {
    QFETCH(QImage, picture);
    QFETCH(QString, text);
    QFETCH(QVariantList, allowed);
    BarcodeDecoder decoder;
    decoder.setProperty("allowedExtensions", allowed);
    SignalLog log(&decoder);
    QCOMPARE(decoder.decodeImage(picture), text);
    QVERIFY(log.format.startsWith("RSS_"));
}

void TestBarcodeDecoder::allowedExtensions() {
    BarcodeDecoder decoder;
    decoder.setProperty("allowedExtensions", QVariantList{5, 2, "5"});
    QCOMPARE(decoder.property("allowedExtensions").toList(), QVariantList({2, 5}));
    // Required add-ons: a plain QR code is still read (the add-on rule is
    // for EAN and UPC only).
    QCOMPARE(decoder.decodeImage(qrImage("otpauth-ascii")), qrText("otpauth-ascii"));
}

void TestBarcodeDecoder::addOnLengths_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QVariantList>("allowed");
    QTest::addColumn<bool>("tryHarder");
    // Null: nothing found; empty: the code without an add-on.
    QTest::addColumn<QString>("addOn");
    const QSize size(420, 220);
    const QImage two = placed(linearImage("ean13-addon2"), size, QPoint(40, 50));
    const QImage five = placed(linearImage("ean13-addon5"), size, QPoint(40, 50));
    const QImage none = placed(linearImage("ean13"), size, QPoint(40, 50));
    // The 2-digit one above the 5-digit one.
    QImage both = placed(linearImage("ean13-addon2"), QSize(420, 360), QPoint(40, 40));
    QPainter(&both).drawImage(QPoint(40, 200), linearImage("ean13-addon5"));

    QTest::newRow("2 digits, any length") << two << QVariantList() << false << "12";
    QTest::newRow("2 digits, [2]") << two << QVariantList{2} << false << "12";
    QTest::newRow("2 digits, [5]") << two << QVariantList{5} << false << QString();
    QTest::newRow("2 digits, [2, 5]") << two << QVariantList{2, 5} << false << "12";
    QTest::newRow("5 digits, any length") << five << QVariantList() << false << "52495";
    QTest::newRow("5 digits, [2]") << five << QVariantList{2} << false << QString();
    QTest::newRow("5 digits, [5]") << five << QVariantList{5} << false << "52495";
    QTest::newRow("5 digits, [2, 5]") << five << QVariantList{2, 5} << false << "52495";
    QTest::newRow("no add-on, any length") << none << QVariantList() << false << "";
    QTest::newRow("no add-on, [2]") << none << QVariantList{2} << false << QString();
    // The try-harder pass takes a product code with any add-on or none.
    QTest::newRow("2 digits, [5], trying harder") << two << QVariantList{5} << true << "12";
    QTest::newRow("no add-on, [2], trying harder") << none << QVariantList{2} << true << "";
    // The first code found may be refused: the allowed one is still found.
    QTest::newRow("two codes, [5]") << both << QVariantList{5} << false << "52495";
    QTest::newRow("two codes, [2]") << both << QVariantList{2} << false << "12";
    // Looking for all codes on a picture this large once ended the process.
    const QImage large =
        noisy(placed(linearImage("ean13-addon2"), QSize(999, 749), QPoint(200, 300), 2), 10);
    QTest::newRow("2 digits, large and noisy, [5]")
        << large << QVariantList{5} << false << QString();
    QTest::newRow("2 digits, large and noisy, [2]") << large << QVariantList{2} << false << "12";
}

// The allowed lengths of an EAN/UPC add-on: none allowed reads any add-on
// and codes without one; otherwise an add-on of an allowed length is
// required.
void TestBarcodeDecoder::addOnLengths() {
    QFETCH(QImage, picture);
    QFETCH(QVariantList, allowed);
    QFETCH(bool, tryHarder);
    QFETCH(QString, addOn);
    BarcodeDecoder decoder;
    decoder.setProperty("allowedExtensions", allowed);
    decoder.setTryHarder(tryHarder);
    SignalLog log(&decoder);
    const QString text = decoder.decodeImage(picture);
    if (addOn.isNull()) {
        QCOMPARE(text, QString());
        QCOMPARE(log.errors, QStringList{"Unknown"});
        return;
    }
    QCOMPARE(text, QStringLiteral("4006381333931"));
    QCOMPARE(log.metadata.contains("UPC_EAN_EXTENSION"), !addOn.isEmpty());
    QCOMPARE(log.metadata.value("UPC_EAN_EXTENSION").toString(), addOn);
}

QTEST_MAIN(TestBarcodeDecoder)
#include "tst_barcodedecoder.moc"
