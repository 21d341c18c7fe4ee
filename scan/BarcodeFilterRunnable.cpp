// Copying camera frames, converting them to grey pictures and handing them
// to the decoder.

#include "scan/BarcodeFilterRunnable.h"

#include "scan/BarcodeFilter.h"
#include "scan/CaptureRegion.h"

#include <QDebug>
#include <QMetaEnum>
#include <QMutexLocker>
#include <QVideoSurfaceFormat>
#include <QtConcurrent>
#include <cmath>
#include <cstring>

namespace {

inline int clampByte(int v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

inline uchar greyOf(int r, int g, int b) {
    return uchar((306 * r + 601 * g + 117 * b + 512) >> 10);
}

// Studio-range YUV (BT.601) to grey through RGB, in integers.
inline uchar yuv420ToGrey(int y, int u, int v) {
    const int c = 298 * (y - 16), d = u - 128, e = v - 128;
    const int b = clampByte((c + 516 * d + 128) >> 8);
    const int g = clampByte((c - 100 * d - 208 * e + 128) >> 8);
    const int r = clampByte((c + 409 * e + 128) >> 8);
    return greyOf(r, g, b);
}

// Full-range YUV to grey through RGB; each channel is clamped to 0..255.
inline uchar yuvToGrey(int y, int u, int v) {
    const int b = clampByte(int(std::floor(y + 1.779 * (u - 128))));
    const int g = clampByte(int(std::floor(y - 0.3455 * (u - 128) - 0.7169 * (v - 128))));
    const int r = clampByte(int(std::floor(y + 1.4075 * (v - 128))));
    return greyOf(r, g, b);
}

// How the pixels of the packed RGB formats converted here are laid out.
enum class Packing {
    Argb, // 32-bit words 0xAARRGGBB in the machine's byte order
    Bgra, // 32-bit words 0xBBGGRRAA in the machine's byte order
    Bgr24 // bytes blue, green, red
};

// True when `rows` rows of a plane starting at `offset`, with `rowBytes`
// bytes read from each, lie inside the frame's bytes.
bool holds(const SimpleVideoFrame &frame, int plane, int firstRow, int rows, int rowBytes) {
    if (plane >= frame.planeCount || rows <= 0)
        return false;
    const qint64 stride = frame.bytesPerLine[plane];
    const qint64 end =
        frame.planeOffset[plane] + (qint64(firstRow) + rows - 1) * stride + qint64(rowBytes);
    return stride >= rowBytes && frame.planeOffset[plane] >= 0 && end <= frame.data.size();
}

const uchar *planeRow(const SimpleVideoFrame &frame, int plane, int row) {
    return reinterpret_cast<const uchar *>(frame.data.constData()) + frame.planeOffset[plane] +
           qint64(row) * frame.bytesPerLine[plane];
}

QImage rgbToGrey(const SimpleVideoFrame &frame, const CaptureRegion &region, Packing packing,
                 bool premultiplied) {
    const int bytesPerPixel = packing == Packing::Bgr24 ? 3 : 4;
    if (!holds(frame, 0, region.startY, region.targetHeight, region.endX * bytesPerPixel))
        return QImage();
    QImage grey(region.targetWidth, region.targetHeight, QImage::Format_Grayscale8);
    for (int row = 0; row < region.targetHeight; ++row) {
        const uchar *src = planeRow(frame, 0, region.startY + row) + region.startX * bytesPerPixel;
        uchar *dst = grey.scanLine(row);
        for (int x = 0; x < region.targetWidth; ++x, src += bytesPerPixel) {
            int a = 255, r, g, b;
            if (packing == Packing::Bgr24) {
                b = src[0];
                g = src[1];
                r = src[2];
            } else {
                quint32 word;
                std::memcpy(&word, src, 4);
                if (packing == Packing::Argb) {
                    a = qAlpha(word);
                    r = qRed(word);
                    g = qGreen(word);
                    b = qBlue(word);
                } else {
                    b = int(word >> 24);
                    g = int((word >> 16) & 0xFF);
                    r = int((word >> 8) & 0xFF);
                    a = int(word & 0xFF);
                }
            }
            if (premultiplied) {
                // Nothing is left of a fully transparent pixel: black.
                if (a == 0) {
                    r = g = b = 0;
                } else {
                    r = qMin(255, r * 255 / a);
                    g = qMin(255, g * 255 / a);
                    b = qMin(255, b * 255 / a);
                }
            }
            dst[x] = greyOf(r, g, b);
        }
    }
    return grey;
}

QImage yuv420pToGrey(const SimpleVideoFrame &frame, const CaptureRegion &region) {
    const int chromaFirst = region.startY / 2, chromaRows = (region.endY - 1) / 2 - chromaFirst + 1;
    const int chromaBytes = (region.endX - 1) / 2 + 1;
    if (!holds(frame, 0, region.startY, region.targetHeight, region.endX) ||
        !holds(frame, 1, chromaFirst, chromaRows, chromaBytes) ||
        !holds(frame, 2, chromaFirst, chromaRows, chromaBytes))
        return QImage();
    QImage grey(region.targetWidth, region.targetHeight, QImage::Format_Grayscale8);
    for (int row = 0; row < region.targetHeight; ++row) {
        const int y = region.startY + row;
        const uchar *luma = planeRow(frame, 0, y);
        const uchar *u = planeRow(frame, 1, y / 2);
        const uchar *v = planeRow(frame, 2, y / 2);
        uchar *dst = grey.scanLine(row);
        for (int x = region.startX; x < region.endX; ++x)
            dst[x - region.startX] = yuv420ToGrey(luma[x], u[x / 2], v[x / 2]);
    }
    return grey;
}

// Luma plane, then one row of interleaved U, V pairs for every two luma rows.
QImage nv12ToGrey(const SimpleVideoFrame &frame, const CaptureRegion &region) {
    const int chromaFirst = region.startY / 2, chromaRows = (region.endY - 1) / 2 - chromaFirst + 1;
    const int chromaBytes = ((region.endX - 1) & ~1) + 2;
    if (!holds(frame, 0, region.startY, region.targetHeight, region.endX) ||
        !holds(frame, 1, chromaFirst, chromaRows, chromaBytes))
        return QImage();
    QImage grey(region.targetWidth, region.targetHeight, QImage::Format_Grayscale8);
    for (int row = 0; row < region.targetHeight; ++row) {
        const int y = region.startY + row;
        const uchar *luma = planeRow(frame, 0, y);
        const uchar *uv = planeRow(frame, 1, y / 2);
        uchar *dst = grey.scanLine(row);
        for (int x = region.startX; x < region.endX; ++x) {
            const int pair = x & ~1;
            dst[x - region.startX] = yuv420ToGrey(luma[x], uv[pair], uv[pair + 1]);
        }
    }
    return grey;
}

// Pairs of pixels as 4 bytes Y0, U, Y1, V.
QImage yuyvToGrey(const SimpleVideoFrame &frame, const CaptureRegion &region) {
    if (!holds(frame, 0, region.startY, region.targetHeight, ((region.endX + 1) / 2) * 4))
        return QImage();
    QImage grey(region.targetWidth, region.targetHeight, QImage::Format_Grayscale8);
    for (int row = 0; row < region.targetHeight; ++row) {
        const uchar *src = planeRow(frame, 0, region.startY + row);
        uchar *dst = grey.scanLine(row);
        for (int x = region.startX; x < region.endX; ++x) {
            const uchar *pair = src + (x / 2) * 4;
            dst[x - region.startX] = yuvToGrey(pair[(x & 1) ? 2 : 0], pair[1], pair[3]);
        }
    }
    return grey;
}

// The whole frame seen as a QImage of `format`, cut to the region and
// copied out of the frame's bytes.
QImage wrapped(const SimpleVideoFrame &frame, const CaptureRegion &region, QImage::Format format) {
    if (format == QImage::Format_Invalid)
        return QImage();
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const int rowBytes = (frame.size.width() * depth + 7) / 8;
    if (!holds(frame, 0, 0, frame.size.height(), rowBytes))
        return QImage();
    const QImage whole(planeRow(frame, 0, 0), frame.size.width(), frame.size.height(),
                       frame.bytesPerLine[0], format);
    if (region.isValid && whole.size() != QSize(region.targetWidth, region.targetHeight))
        return whole.copy(region.startX, region.startY, region.targetWidth, region.targetHeight);
    return whole.copy();
}

} // namespace

BarcodeFilterRunnable::BarcodeFilterRunnable(BarcodeFilter *filter) : m_filter(filter) {}

BarcodeFilterRunnable::~BarcodeFilterRunnable() {
    m_filter = nullptr;
}

bool BarcodeFilterRunnable::copyFrame(QVideoFrame &input, SimpleVideoFrame &out) {
    if (!input.map(QAbstractVideoBuffer::ReadOnly))
        return false;
    const uchar *base = input.bits(0);
    const int mapped = input.mappedBytes();
    const int planes = qBound(0, input.planeCount(), 4);
    // Planes normally lie in the one mapped block; those that do not are
    // appended after it.
    int total = mapped;
    int offsets[4] = {0, 0, 0, 0};
    for (int p = 0; p < planes; ++p) {
        const uchar *bits = input.bits(p);
        if (bits >= base && bits < base + mapped) {
            offsets[p] = int(bits - base);
        } else {
            const int rows = p == 0 ? input.height() : (input.height() + 1) / 2;
            offsets[p] = total;
            total += input.bytesPerLine(p) * rows;
        }
    }
    if (out.data.size() != total) {
        qDebug() << "needed to resize";
        qDebug().nospace() << "size: " << out.data.size() << ", new size: " << total;
        out.data.resize(total);
    }
    if (base && mapped > 0)
        std::memcpy(out.data.data(), base, size_t(mapped));
    out.planeCount = planes;
    for (int p = 0; p < 4; ++p) {
        out.planeOffset[p] = p < planes ? offsets[p] : 0;
        out.bytesPerLine[p] = p < planes ? input.bytesPerLine(p) : 0;
        if (p < planes && offsets[p] >= mapped)
            std::memcpy(out.data.data() + offsets[p], input.bits(p),
                        size_t(input.bytesPerLine(p)) *
                            size_t(p == 0 ? input.height() : (input.height() + 1) / 2));
    }
    out.size = input.size();
    out.pixelFormat = input.pixelFormat();
    input.unmap();
    return true;
}

QVideoFrame BarcodeFilterRunnable::run(QVideoFrame *input, const QVideoSurfaceFormat &surfaceFormat,
                                       RunFlags) {
    if (!input || !input->isValid())
        return QVideoFrame();
    BarcodeFilter *filter = m_filter.data();
    // A frame arriving during a decode costs this test only.
    if (!filter || filter->m_decoding)
        return *input;

    QMutexLocker locker(&filter->m_lock);
    if (filter->m_closing || filter->m_decoding || !filter->m_processThread.isFinished())
        return *input;
    filter->m_decoding = true;
    if (!copyFrame(*input, filter->m_frame)) {
        filter->m_decoding = false;
        return *input;
    }
    filter->m_frame.bottomToTop =
        surfaceFormat.scanLineDirection() == QVideoSurfaceFormat::BottomToTop;
    filter->m_processThread = QtConcurrent::run(&BarcodeFilterRunnable::decodeFrame, filter,
                                                filter->m_frame, filter->m_captureRect.toRect());
    return *input;
}

QImage BarcodeFilterRunnable::frameToImage(const SimpleVideoFrame &frame,
                                           const QRect &captureRect) {
    if (frame.data.isEmpty() || frame.size.isEmpty() || frame.planeCount < 1)
        return QImage();
    if (!frame.bottomToTop)
        return convert(frame, CaptureRegion::of(frame.size, captureRect));
    // Rows stored bottom up: the rectangle's rows in memory, and the
    // converted picture turned upright.
    QRect stored = captureRect;
    if (captureRect.isValid())
        stored.moveTop(frame.size.height() - captureRect.y() - captureRect.height());
    return convert(frame, CaptureRegion::of(frame.size, stored)).mirrored(false, true);
}

QImage BarcodeFilterRunnable::convert(const SimpleVideoFrame &frame, const CaptureRegion &region) {
    switch (frame.pixelFormat) {
    case QVideoFrame::Format_ARGB32:
    case QVideoFrame::Format_RGB32:
        return rgbToGrey(frame, region, Packing::Argb, false);
    case QVideoFrame::Format_ARGB32_Premultiplied:
        return rgbToGrey(frame, region, Packing::Argb, true);
    case QVideoFrame::Format_BGRA32:
    case QVideoFrame::Format_BGR32:
        return rgbToGrey(frame, region, Packing::Bgra, false);
    case QVideoFrame::Format_BGRA32_Premultiplied:
        return rgbToGrey(frame, region, Packing::Bgra, true);
    case QVideoFrame::Format_BGR24:
        return rgbToGrey(frame, region, Packing::Bgr24, false);
    case QVideoFrame::Format_BGR565:
        // Blue in the high bits: RGB16 with red and blue exchanged.
        return wrapped(frame, region, QImage::Format_RGB16).rgbSwapped();
    case QVideoFrame::Format_BGR555:
        return wrapped(frame, region, QImage::Format_RGB555).rgbSwapped();
    case QVideoFrame::Format_YUV420P:
        return yuv420pToGrey(frame, region);
    case QVideoFrame::Format_YUYV:
        return yuyvToGrey(frame, region);
    case QVideoFrame::Format_NV12:
        return nv12ToGrey(frame, region);
    default:
        return wrapped(frame, region, QVideoFrame::imageFormatFromPixelFormat(frame.pixelFormat));
    }
}

void BarcodeFilterRunnable::decodeFrame(BarcodeFilter *filter, const SimpleVideoFrame &frame,
                                        const QRect &captureRect) {
    if (frame.data.isEmpty()) {
        qDebug() << "BarcodeFilterRunnable: Buffer is empty";
        filter->m_decoding = false;
        return;
    }
    const QImage image = frameToImage(frame, captureRect);
    if (image.isNull()) {
        const QImage::Format imageFormat =
            QVideoFrame::imageFormatFromPixelFormat(frame.pixelFormat);
        qDebug() << "BarcodeFilterRunnable error: Cant create image file to process.";
        qDebug() << "Maybe it was a format conversion problem? ";
        qDebug() << "VideoFrame format: " << frame.pixelFormat;
        qDebug() << "Image corresponding format: "
                 << QMetaEnum::fromType<QImage::Format>().valueToKey(imageFormat);
        filter->m_decoding = false;
        return;
    }
    // Decoded at its own size, never scaled; the outcome travels by the
    // decoder's signals.
    filter->m_decoder.decodeImage(image, image.width(), image.height(), false);
}
