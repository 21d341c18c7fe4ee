// Decoding and encoding of barcodes over ZXing's ReadBarcodes and
// MultiFormatWriter.

#include "scan/BarcodeDecoder.h"

#include "scan/BarcodeFilter.h"
#include "scan/CameraImageAdapter.h"
#include "scan/ImageHandler.h"
#include "scan/LinearCodeBox.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QMetaMethod>
#include <QMutexLocker>
#include <QQmlEngine>
#include <QQuickImageProvider>
#include <QTextCodec>
#include <QtQml>
#include <ZXing/BitMatrix.h>
#include <ZXing/GTIN.h>
#include <ZXing/MultiFormatWriter.h>
#include <ZXing/ReadBarcode.h>
#include <iostream>

using ZXing::BarcodeFormat;

namespace {

// Our format bits (1 << number) against ZXing's formats. UPC_EAN_EXTENSION
// is no format of its own in ZXing but the add-on setting of the EAN/UPC
// readers; CODE_128_GS1 is read as CODE_128.
struct FormatBit {
    uint bit;
    BarcodeFormat format;
    const char *name;
};

const FormatBit kFormats[] = {
    {BarcodeDecoder::DecoderFormat_Aztec, BarcodeFormat::Aztec, "AZTEC"},
    {BarcodeDecoder::DecoderFormat_CODABAR, BarcodeFormat::Codabar, "CODABAR"},
    {BarcodeDecoder::DecoderFormat_CODE_39, BarcodeFormat::Code39, "CODE_39"},
    {BarcodeDecoder::DecoderFormat_CODE_93, BarcodeFormat::Code93, "CODE_93"},
    {BarcodeDecoder::DecoderFormat_CODE_128, BarcodeFormat::Code128, "CODE_128"},
    {BarcodeDecoder::DecoderFormat_DATA_MATRIX, BarcodeFormat::DataMatrix, "DATA_MATRIX"},
    {BarcodeDecoder::DecoderFormat_EAN_8, BarcodeFormat::EAN8, "EAN_8"},
    {BarcodeDecoder::DecoderFormat_EAN_13, BarcodeFormat::EAN13, "EAN_13"},
    {BarcodeDecoder::DecoderFormat_ITF, BarcodeFormat::ITF, "ITF"},
    {BarcodeDecoder::DecoderFormat_MAXICODE, BarcodeFormat::MaxiCode, "MAXICODE"},
    {BarcodeDecoder::DecoderFormat_PDF_417, BarcodeFormat::PDF417, "PDF_417"},
    {BarcodeDecoder::DecoderFormat_QR_CODE, BarcodeFormat::QRCode, "QR_CODE"},
    {BarcodeDecoder::DecoderFormat_RSS_14, BarcodeFormat::DataBar, "RSS_14"},
    {BarcodeDecoder::DecoderFormat_RSS_EXPANDED, BarcodeFormat::DataBarExpanded, "RSS_EXPANDED"},
    {BarcodeDecoder::DecoderFormat_UPC_A, BarcodeFormat::UPCA, "UPC_A"},
    {BarcodeDecoder::DecoderFormat_UPC_E, BarcodeFormat::UPCE, "UPC_E"},
    {BarcodeDecoder::DecoderFormat_UPC_EAN_EXTENSION, BarcodeFormat::None, "UPC_EAN_EXTENSION"},
    {BarcodeDecoder::DecoderFormat_CODE_128_GS1, BarcodeFormat::None, "CODE_128_GS1"},
};

ZXing::BarcodeFormats zxingFormats(uint mask) {
    ZXing::BarcodeFormats formats;
    for (const FormatBit &f : kFormats) {
        if ((mask & f.bit) && f.format != BarcodeFormat::None)
            formats |= f.format;
    }
    return formats;
}

uint formatBit(BarcodeFormat format) {
    for (const FormatBit &f : kFormats) {
        if (f.format == format)
            return f.bit;
    }
    return 0;
}

// The EAN/UPC formats, the only ones that carry an add-on.
constexpr ZXing::BarcodeFormats kAddOnFormats =
    BarcodeFormat::EAN8 | BarcodeFormat::EAN13 | BarcodeFormat::UPCA | BarcodeFormat::UPCE;

// Whether `format` is one of them.
bool isProductCode(BarcodeFormat format) {
    return kAddOnFormats.testFlag(format);
}

// The add-on of an EAN/UPC result, empty for other formats.
std::string addOnOf(const ZXing::Result &result) {
    return isProductCode(result.format()) ? ZXing::GTIN::EanAddOn(result) : std::string();
}

// The text of the code itself: ZXing appends an add-on after a blank.
std::string mainText(const ZXing::Result &result) {
    std::string text = result.text();
    const std::string addOn = addOnOf(result);
    const std::string suffix = " " + addOn;
    if (!addOn.empty() && text.size() > suffix.size() &&
        text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0)
        text.resize(text.size() - suffix.size());
    return text;
}

// Whether a result has an add-on of one of the allowed lengths; with none
// allowed, and for codes without add-ons, every result passes.
bool addOnAllowed(const ZXing::Result &result, const std::set<int> &lengths) {
    return lengths.empty() || !isProductCode(result.format()) ||
           lengths.count(int(addOnOf(result).size())) > 0;
}

// Our format bits by the reads that take them (see decodeImage): the DataBar
// codes, the 2-D codes and, of the other 1-D codes, the EAN/UPC ones.
constexpr uint kDataBarBits =
    BarcodeDecoder::DecoderFormat_RSS_14 | BarcodeDecoder::DecoderFormat_RSS_EXPANDED;
constexpr uint kMatrixBits =
    BarcodeDecoder::DecoderFormat_Aztec | BarcodeDecoder::DecoderFormat_DATA_MATRIX |
    BarcodeDecoder::DecoderFormat_MAXICODE | BarcodeDecoder::DecoderFormat_PDF_417 |
    BarcodeDecoder::DecoderFormat_QR_CODE;
constexpr uint kAddOnBits =
    BarcodeDecoder::DecoderFormat_EAN_8 | BarcodeDecoder::DecoderFormat_EAN_13 |
    BarcodeDecoder::DecoderFormat_UPC_A | BarcodeDecoder::DecoderFormat_UPC_E;
// The formats that ZXing reads: the add-on bit and GS1 are settings.
constexpr uint kReadableBits =
    BarcodeDecoder::allFormats & ~uint(BarcodeDecoder::DecoderFormat_UPC_EAN_EXTENSION);

// Whether ZXing's position of a symbol places nothing: corners repeated or
// enclosing no area (a Compact PDF417 comes with two corners at (0, 0)) or,
// for a one-dimensional code, a scan line of no length or two scan lines
// that do not lie over each other (a stacked DataBar Expanded may come with
// one of them mirrored).
bool isDegenerate(const ZXing::Position &p, bool linear) {
    using P = ZXing::PointT<qint64>;
    const P c[4] = {{p[0].x, p[0].y}, {p[1].x, p[1].y}, {p[2].x, p[2].y}, {p[3].x, p[3].y}};
    if (linear) {
        // The first scan line runs from c[0] to c[1], the last from c[3] to
        // c[2]; both the same way, and overlapping along the first.
        const P first = c[1] - c[0], last = c[2] - c[3];
        if (first == P{} || last == P{} || ZXing::dot(first, last) <= 0)
            return true;
        return !(ZXing::dot(c[3], first) < ZXing::dot(c[1], first) &&
                 ZXing::dot(c[0], first) < ZXing::dot(c[2], first));
    }
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            if (c[i] == c[j])
                return true;
    qint64 twiceArea = 0;
    for (int i = 0; i < 4; ++i)
        twiceArea += c[i].x * c[(i + 1) % 4].y - c[(i + 1) % 4].x * c[i].y;
    return twiceArea == 0;
}

// Degrees clockwise in 0..359.
int normalisedDegrees(int degrees) {
    return ((degrees % 360) + 360) % 360;
}

// The text ZXing gives is UTF-8 whatever the code's own encoding was; it
// converts the code's bytes by its ECI or its guess and does not name them.
const char kTextCharSet[] = "UTF-8";

// A point of a view rotated by ZXing's ImageView::rotated(degrees) (clockwise)
// back in the coordinates of the unrotated width x height image.
ZXing::PointI unrotated(ZXing::PointI p, int degrees, int width, int height) {
    switch (degrees) {
    case 90:
        return {p.y, height - 1 - p.x};
    case 180:
        return {width - 1 - p.x, height - 1 - p.y};
    case 270:
        return {width - 1 - p.y, p.x};
    default:
        return p;
    }
}

ZXing::Position unrotated(const ZXing::Position &pos, int degrees, int width, int height) {
    return {unrotated(pos[0], degrees, width, height), unrotated(pos[1], degrees, width, height),
            unrotated(pos[2], degrees, width, height), unrotated(pos[3], degrees, width, height)};
}

// ZXing's error-correction setting runs from 0 to 8: 0-2 is L, 3-4 M, 5-6 Q,
// 7-8 H.
int zxingEccLevel(int level) {
    switch (level) {
    case BarcodeDecoder::EncodeErrorCorrectionLevel_M:
        return 4;
    case BarcodeDecoder::EncodeErrorCorrectionLevel_Q:
        return 6;
    case BarcodeDecoder::EncodeErrorCorrectionLevel_H:
        return 8;
    default:
        return 1;
    }
}

} // namespace

BarcodeDecoder::BarcodeDecoder(QObject *parent) : QObject(parent) {
    setDecoder(allFormats);
    m_imageHandler = std::make_unique<ImageHandler>();
}

BarcodeDecoder::BarcodeDecoder(uint hints, QObject *parent)
    : QObject(parent), m_imageHandler(std::make_unique<ImageHandler>()) {
    setDecoder(hints);
}

BarcodeDecoder::~BarcodeDecoder() = default;

void BarcodeDecoder::registerQmlScanTypes() {
    qmlRegisterType<BarcodeDecoder>("BarcodeDecoder", 2, 3, "BarcodeDecoder");
    qmlRegisterType<BarcodeFilter>("BarcodeDecoder", 2, 3, "BarcodeFilter");
}

QString BarcodeDecoder::formatName(uint format) {
    for (const FormatBit &f : kFormats) {
        if (f.bit == format)
            return QString::fromLatin1(f.name);
    }
    return QString();
}

void BarcodeDecoder::setDecoder(uint hint) {
    uint mask = hint & (allFormats | DecoderFormat_CODE_128_GS1);
    if (hint & DecoderFormat_CODE_128_GS1)
        mask |= DecoderFormat_CODE_128;
    m_enabledDecoders = mask;
    emit enabledFormatsChanged();
}

uint BarcodeDecoder::getEnabledFormats() const {
    return m_enabledDecoders;
}

int BarcodeDecoder::getProcessTimeOfLastDecoding() const {
    return m_processingTime;
}

bool BarcodeDecoder::getTryHarder() const {
    return m_tryHarder;
}

void BarcodeDecoder::setTryHarder(bool tryHarder) {
    m_tryHarder = tryHarder;
}

QVariantList BarcodeDecoder::getAllowedExtensions() const {
    QMutexLocker locker(&m_lock);
    QVariantList list;
    for (int length : m_allowedExtensions)
        list << length;
    return list;
}

void BarcodeDecoder::setAllowedExtensions(const QVariantList &extensions) {
    std::set<int> lengths;
    for (const QVariant &v : extensions)
        lengths.insert(v.toInt());
    QMutexLocker locker(&m_lock);
    m_allowedExtensions = std::move(lengths);
}

QSize BarcodeDecoder::lastDecodedSize() const {
    QMutexLocker locker(&m_lock);
    return m_lastDecodedSize;
}

QString BarcodeDecoder::foundedFormat() const {
    QMutexLocker locker(&m_lock);
    return m_lastFormat;
}

QString BarcodeDecoder::charSet() const {
    QMutexLocker locker(&m_lock);
    return m_lastCharSet;
}

QString BarcodeDecoder::finishFailed(const QString &message, qint64 elapsed) {
    m_processingTime = int(elapsed);
    emit error(message);
    emit decodingFinished(false);
    return QString();
}

QString BarcodeDecoder::decodeImage(const QImage &image, int maxWidth, int maxHeight,
                                    bool smoothTransformation) {
    QElapsedTimer timer;
    timer.start();
    m_processingTime = -1;
    emit decodingStarted();

    if (image.isNull()) {
        // The time is in place before anyone hears of the end.
        m_processingTime = int(timer.elapsed());
        emit decodingFinished(false);
        return QString();
    }

    const std::shared_ptr<CameraImageAdapter> source =
        (maxWidth <= 0 && maxHeight <= 0)
            ? CameraImageAdapter::create(image, defaultMaxSize, defaultMaxSize, true)
            : CameraImageAdapter::create(image, maxWidth, maxHeight, smoothTransformation);

    // The settings of this decode, taken once: QML may change them meanwhile.
    const uint enabled = m_enabledDecoders;
    const bool tryHarder = m_tryHarder;
    // The add-on lengths a result must have: empty when add-ons are not read
    // or any add-on, and none, will do.
    std::set<int> addOnLengths;
    {
        QMutexLocker locker(&m_lock);
        if (enabled & DecoderFormat_UPC_EAN_EXTENSION)
            addOnLengths = m_allowedExtensions;
        m_lastDecodedSize = QSize(source->width(), source->height());
    }

    QString message = QStringLiteral("Unknown");
    try {
        const ZXing::ImageView view = source->imageView();
        // No format given reads every format, as ZXing does.
        const uint readable = (enabled & kReadableBits) ? (enabled & kReadableBits) : kReadableBits;
        ZXing::DecodeHints hints;
        hints.setBinarizer(ZXing::Binarizer::GlobalHistogram)
            .setTryHarder(false)
            .setTryRotate(false)
            .setMaxNumberOfSymbols(1);
        // Allowed lengths make an add-on required. ZXing cannot hold it to
        // those lengths, so the results are filtered here.
        if (enabled & DecoderFormat_UPC_EAN_EXTENSION)
            hints.setEanAddOnSymbol(addOnLengths.empty() ? ZXing::EanAddOnSymbol::Read
                                                         : ZXing::EanAddOnSymbol::Require);

        ZXing::Result result;
        int rotation = 0;
        bool found = false;
        m_lastDecodeSucceeded = false;
        // One read of the formats `bits` with `h`: the first result with a
        // text and an allowed add-on. `refused` learns of a product code
        // passed over for its add-on.
        auto read = [&](const ZXing::ImageView &v, int degrees, uint bits, ZXing::DecodeHints h,
                        bool *refused) {
            if (!(bits & readable))
                return false;
            h.setFormats(zxingFormats(bits & readable));
            try {
                for (ZXing::Result &r : ZXing::ReadBarcodes(v, h)) {
                    if (!r.isValid() || r.text().empty())
                        continue;
                    if (!addOnAllowed(r, addOnLengths)) {
                        if (refused)
                            *refused = true;
                        continue;
                    }
                    result = std::move(r);
                    rotation = degrees;
                    m_processingTime = int(timer.elapsed());
                    found = true;
                    m_lastDecodeSucceeded = true;
                    break;
                }
            } catch (const std::exception &) {
                // As nothing found.
            }
            return found;
        };
        // One attempt: the reads below, in the order in which ZXing's own
        // reader tries the formats (1-D codes first, last when trying
        // harder). `turnMatrix` lets the 2-D detectors look at the other
        // orientations of the view (Data Matrix and PDF417 do so only when
        // allowed to turn); the 1-D codes turn only with the view.
        auto attempt = [&](const ZXing::ImageView &v, int degrees, bool turnMatrix) {
            const uint mainBits = ~kDataBarBits & ~(turnMatrix ? kMatrixBits : 0u);
            // ZXing stops at the first symbol. When that is a product code of
            // a refused add-on, all EAN/UPC symbols are read, then the other
            // formats without them. All symbols only of those formats and at
            // full size only: ZXing 1.4 aborts the process (an assertion in
            // Result::operator==) when it matches up DataBar symbols, or
            // symbols found at several sizes, that it read on a different
            // number of lines.
            auto mainRead = [&] {
                bool refused = false;
                if (read(v, degrees, mainBits, hints, &refused))
                    return true;
                if (!refused)
                    return false;
                ZXing::DecodeHints all = hints;
                all.setMaxNumberOfSymbols(0xff).setTryDownscale(false);
                return read(v, degrees, mainBits & kAddOnBits, all, nullptr) ||
                       read(v, degrees, mainBits & ~kAddOnBits, hints, nullptr);
            };
            // DataBar symbols apart, taken on the first line read: looking
            // for more lines of one, ZXing 1.4 may compare a result that it
            // counts on several lines with one on a single line, and abort.
            auto dataBarRead = [&] {
                ZXing::DecodeHints h = hints;
                h.setMinLineCount(1);
                return read(v, degrees, kDataBarBits, h, nullptr);
            };
            auto matrixRead = [&] {
                ZXing::DecodeHints h = hints;
                h.setTryRotate(true);
                return turnMatrix && read(v, degrees, kMatrixBits, h, nullptr);
            };
            return mainRead() || dataBarRead() || matrixRead();
        };

        if (!source->isEmpty() && !attempt(view, 0, true) && tryHarder) {
            hints.setTryHarder(true);
            // Trying harder, a product code with any add-on or none will do.
            if (!addOnLengths.empty() && (enabled & productCodeFormats)) {
                addOnLengths.clear();
                hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Read);
            }
            // Then counter-clockwise by 90, 180 and 270 degrees (ZXing turns
            // clockwise).
            if (!attempt(view, 0, false) && !attempt(view.rotated(270), 270, false) &&
                !attempt(view.rotated(180), 180, false))
                attempt(view.rotated(90), 90, false);
        }

        if (found) {
            const QString text = QTextCodec::codecForName(kTextCharSet)
                                     ->toUnicode(QByteArray::fromStdString(mainText(result)));
            const QString format = formatName(formatBit(result.format()));
            const QString charSet = QString::fromLatin1(kTextCharSet);
            {
                QMutexLocker locker(&m_lock);
                m_lastFormat = format;
                m_lastCharSet = charSet;
            }
            emit tagFound(text);
            emit tagFoundAdvanced(text, format, charSet);
            // ZXing's orientation is that of the view it read, which the
            // turned attempts had rotated clockwise by `rotation`. A position
            // that places nothing has neither.
            const bool linear =
                ZXing::BarcodeFormats(BarcodeFormat::LinearCodes).testFlag(result.format());
            const bool placed = !isDegenerate(result.position(), linear);
            const int orientation = placed ? normalisedDegrees(result.orientation() - rotation) : 0;
            emit tagFoundAdvanced(text, format, charSet, metadataMap(result, orientation));
            // The rectangle is worked out for a listener only (a QML handler
            // of tagFoundAdvanced takes the metadata): measuring the bars of
            // a one-dimensional code costs about as much as decoding it.
            static const QMetaMethod rectSignal = QMetaMethod::fromSignal(
                qOverload<QString, QString, QString, QRectF>(&BarcodeDecoder::tagFoundAdvanced));
            if (isSignalConnected(rectSignal) && !placed) {
                emit tagFoundAdvanced(text, format, charSet, QRectF());
            } else if (isSignalConnected(rectSignal)) {
                // ZXing places a one-dimensional code on the few scan lines
                // that read it; its rectangle takes the bars' whole height,
                // measured in the view that was read.
                ZXing::Position scanned = result.position();
                if (linear)
                    scanned = LinearCodeBox::measure(view.rotated(rotation), scanned);
                const ZXing::Position position =
                    unrotated(scanned, rotation, source->width(), source->height());
                emit tagFoundAdvanced(text, format, charSet,
                                      tagRect(position, source->width(), source->height()));
            }
            emit decodingFinished(true);
            return text;
        }
    } catch (const std::exception &e) {
        message = QString::fromLatin1(e.what());
    }
    return finishFailed(message, timer.elapsed());
}

QString BarcodeDecoder::decodeImageFromFile(const QString &imageFilePath, int maxWidth,
                                            int maxHeight, bool smoothTransformation) {
    QString path = imageFilePath;
    if (path.startsWith(QLatin1String("file://")))
        path.remove(0, 7);
    const QImage image(QUrl::fromLocalFile(path).toLocalFile());
    return decodeImage(image, maxWidth, maxHeight, smoothTransformation);
}

QString BarcodeDecoder::decodeImageQML(QObject *item) {
    return decodeSubImageQML(item, 0, 0, 0, 0);
}

QString BarcodeDecoder::decodeSubImageQML(QObject *item, int offsetX, int offsetY, int width,
                                          int height) {
    if (!item) {
        m_processingTime = 0;
        emit decodingFinished(false);
        return QString();
    }
    const QImage image = m_imageHandler->grabItemImage(item, offsetX, offsetY, width, height);
    return decodeImage(image, -1, -1, false);
}

QString BarcodeDecoder::decodeImageQML(const QUrl &imageUrl) {
    return decodeSubImageQML(imageUrl, 0, 0, 0, 0);
}

QString BarcodeDecoder::decodeSubImageQML(const QUrl &imageUrl, int offsetX, int offsetY, int width,
                                          int height) {
    QString path = imageUrl.path().trimmed();
    QImage image;
    if (imageUrl.scheme() == QLatin1String("image")) {
        if (path.startsWith(QLatin1Char('/')))
            path.remove(0, 1);
        // Without an engine or a provider of that name the image stays null
        // and the decode ends as for any null image.
        QQmlEngine *engine = qmlEngine(this);
        auto *provider =
            engine ? dynamic_cast<QQuickImageProvider *>(engine->imageProvider(imageUrl.host()))
                   : nullptr;
        if (provider) {
            QSize size;
            if (provider->imageType() == QQmlImageProviderBase::Image)
                image = provider->requestImage(path, &size, QSize());
            else if (provider->imageType() == QQmlImageProviderBase::Pixmap)
                image = provider->requestPixmap(path, &size, QSize()).toImage();
        }
    } else {
        if (!QFile::exists(path)) {
            qDebug() << "[decodeSubImageQML()] The file" << path << "does not exist.";
            emit decodingFinished(false);
            return QString();
        }
        image.load(path);
    }
    if (offsetX != 0 || offsetY != 0 || width != 0 || height != 0)
        image = image.copy(offsetX, offsetY, width, height);
    return decodeImage(image, -1, -1, false);
}

QImage BarcodeDecoder::encodeData(const QString &data, const BarcodeEncoderConfig &encoderConfig) {
    if (encoderConfig.encoderFormat != EncoderFormat_QR_CODE)
        return QImage();

    QImage image;
    try {
        ZXing::MultiFormatWriter writer(BarcodeFormat::QRCode);
        writer.setMargin(0).setEccLevel(zxingEccLevel(encoderConfig.errorCorrectionLevel));
        // ZXing writes ISO-8859-1 by default and refuses any other
        // character; such texts go out as UTF-8.
        const QString latin1 = QString::fromLatin1(data.toLatin1());
        if (latin1 != data)
            writer.setEncoding(ZXing::CharacterSet::UTF8);
        const ZXing::BitMatrix matrix = writer.encode(data.toStdWString(), 0, 0);

        const int shift = encoderConfig.border ? 1 : 0;
        image =
            QImage(matrix.width() + 2 * shift, matrix.height() + 2 * shift, QImage::Format_ARGB32);
        image.fill(0xFFFFFFFFu);
        const QRgb dark = encoderConfig.transparent ? 0x00000000u : 0xFF000000u;
        for (int y = 0; y < matrix.height(); ++y) {
            for (int x = 0; x < matrix.width(); ++x) {
                if (matrix.get(x, y))
                    image.setPixel(x + shift, y + shift, dark);
            }
        }
        image = image.scaled(encoderConfig.encoderImageSize, Qt::IgnoreAspectRatio,
                             Qt::FastTransformation);
    } catch (const std::exception &e) {
        std::cout << "Error: " << e.what() << std::endl;
    }
    return image;
}

QImage BarcodeDecoder::encodeData(const QString &data, EncoderFormat encoderFormat,
                                  const QSize &encoderImageSize,
                                  EncodeErrorCorrectionLevel errorCorrectionLevel, bool border,
                                  bool transparent) {
    BarcodeEncoderConfig config;
    config.encoderFormat = encoderFormat;
    config.encoderImageSize = encoderImageSize;
    config.errorCorrectionLevel = errorCorrectionLevel;
    config.border = border;
    config.transparent = transparent;
    return encodeData(data, config);
}

QVariantMap BarcodeDecoder::metadataMap(const ZXing::Result &result, int orientation) {
    QVariantMap map;
    if (orientation != 0)
        map.insert(QStringLiteral("ORIENTATION"), orientation);
    const std::string ecLevel = result.ecLevel();
    if (!ecLevel.empty())
        map.insert(QStringLiteral("ERROR_CORRECTION_LEVEL"), QString::fromStdString(ecLevel));
    if (result.isPartOfSequence()) {
        map.insert(QStringLiteral("STRUCTURED_APPEND_SEQUENCE"), result.sequenceIndex());
        map.insert(QStringLiteral("STRUCTURED_APPEND_CODE_COUNT"), result.sequenceSize());
        map.insert(QStringLiteral("STRUCTURED_APPEND_PARITY"),
                   QString::fromStdString(result.sequenceId()).toInt());
    }

    // A 2-digit add-on is an issue number, a 5-digit one a price.
    const std::string addOn = addOnOf(result);
    if (!addOn.empty()) {
        map.insert(QStringLiteral("UPC_EAN_EXTENSION"), QString::fromStdString(addOn));
        if (addOn.size() == 2) {
            map.insert(QStringLiteral("ISSUE_NUMBER"),
                       QString::fromStdString(ZXing::GTIN::IssueNr(addOn)).toInt());
        } else if (addOn.size() == 5) {
            // Empty for the codes that name no price.
            const std::string price = ZXing::GTIN::Price(addOn);
            if (!price.empty())
                map.insert(QStringLiteral("SUGGESTED_PRICE"), QString::fromStdString(price));
        }
    }
    // The country of the GS1 prefix, given for EAN-13 and UPC-A codes as
    // ZXing's EAN/UPC readers have always given it.
    if (result.format() == BarcodeFormat::EAN13 || result.format() == BarcodeFormat::UPCA) {
        const std::string country =
            ZXing::GTIN::LookupCountryIdentifier(mainText(result), result.format());
        if (!country.empty())
            map.insert(QStringLiteral("POSSIBLE_COUNTRY"), QString::fromStdString(country));
    }
    return map;
}

QRectF BarcodeDecoder::tagRect(const ZXing::Position &position, int width, int height) {
    if (width <= 0 || height <= 0)
        return QRectF();
    int xMin = position[0].x, xMax = xMin, yMin = position[0].y, yMax = yMin;
    for (const ZXing::PointI &p : position) {
        xMin = qMin(xMin, p.x);
        xMax = qMax(xMax, p.x);
        yMin = qMin(yMin, p.y);
        yMax = qMax(yMax, p.y);
    }
    // From the corner (xMin, yMax) to the corner (xMax, yMin), relative to
    // the picture: its height is zero or negative.
    return QRectF(QPointF(qreal(xMin) / width, qreal(yMax) / height),
                  QPointF(qreal(xMax) / width, qreal(yMin) / height));
}
