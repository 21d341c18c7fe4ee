// Grey conversion of images for the barcode reader.

#include "scan/CameraImageAdapter.h"

#include <QtGlobal>
#include <array>
#include <cstring>

namespace {

// round(factor * k) for k = 0..255, halves rounded up; factor in 1/10000.
constexpr std::array<quint8, 256> makeTable(int factor) {
    std::array<quint8, 256> table{};
    for (int k = 0; k < 256; ++k)
        table[k] = quint8((factor * k + 5000) / 10000);
    return table;
}

constexpr std::array<quint8, 256> kRedTable = makeTable(2126);
constexpr std::array<quint8, 256> kGreenTable = makeTable(7152);
constexpr std::array<quint8, 256> kBlueTable = makeTable(722);

static_assert(kRedTable[255] == 54 && kGreenTable[255] == 182 && kBlueTable[255] == 18,
              "grey tables");

// Weighted grey of a colour through the tables (0.2126 R + 0.7152 G +
// 0.0722 B, each term rounded): white is 254, pure red 54.
inline uchar greyOf(int red, int green, int blue) {
    return uchar(kRedTable[red & 0xFF] + kGreenTable[green & 0xFF] + kBlueTable[blue & 0xFF]);
}

} // namespace

CameraImageAdapter::CameraImageAdapter(const QImage &image)
    : m_width(image.width()), m_height(image.height()) {
    convertToGrey(image);
}

std::shared_ptr<CameraImageAdapter> CameraImageAdapter::create(const QImage &image, int maxWidth,
                                                               int maxHeight, bool smooth) {
    const int limitW = maxWidth > 0 ? maxWidth : image.width();
    const int limitH = maxHeight > 0 ? maxHeight : image.height();
    if (!image.isNull() && (limitW < image.width() || limitH < image.height())) {
        QSize target = image.size().scaled(limitW, limitH, Qt::KeepAspectRatio);
        // A very long, thin image keeps at least one pixel across.
        target = target.expandedTo(QSize(1, 1));
        return std::make_shared<CameraImageAdapter>(
            image.scaled(target, Qt::IgnoreAspectRatio,
                         smooth ? Qt::SmoothTransformation : Qt::FastTransformation));
    }
    return std::make_shared<CameraImageAdapter>(image);
}

void CameraImageAdapter::convertToGrey(const QImage &image) {
    if (isEmpty()) {
        m_width = m_height = 0;
        m_grey.clear();
        return;
    }
    m_grey.resize(m_width * m_height);
    uchar *out = reinterpret_cast<uchar *>(m_grey.data());
    if (image.format() == QImage::Format_Grayscale8) {
        for (int y = 0; y < m_height; ++y)
            std::memcpy(out + y * m_width, image.constScanLine(y), size_t(m_width));
        return;
    }
    // Every other format through Qt's own conversion to 0xAARRGGBB words, so
    // that the channels are what Qt says they are on any byte order.
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < m_height; ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        uchar *row = out + y * m_width;
        for (int x = 0; x < m_width; ++x)
            row[x] = greyOf(qRed(in[x]), qGreen(in[x]), qBlue(in[x]));
    }
}

QByteArray CameraImageAdapter::getRow(int y, QByteArray row) const {
    if (y < 0 || y >= m_height)
        return QByteArray();
    if (row.size() != m_width)
        row.resize(m_width);
    std::memcpy(row.data(), m_grey.constData() + y * m_width, size_t(m_width));
    return row;
}

ZXing::ImageView CameraImageAdapter::imageView() const {
    return ZXing::ImageView(reinterpret_cast<const uint8_t *>(m_grey.constData()), m_width,
                            m_height, ZXing::ImageFormat::Lum);
}
