// CameraImageAdapter: the grey picture of an image, as the barcode reader
// reads it.
#pragma once

#include <QByteArray>
#include <QImage>
#include <ZXing/ImageView.h>
#include <memory>

// The 8-bit grey picture of one QImage that the barcode reader reads. The
// image is converted once, in the constructor; afterwards rows, the whole
// matrix and a ZXing view are answered from the stored bytes.
class CameraImageAdapter {
public:
    explicit CameraImageAdapter(const QImage &image);

    // Wraps the image, first scaled down to fit maxWidth x maxHeight keeping
    // its aspect ratio when it is larger. A limit of 0 or less means no limit
    // in that direction; an image is never scaled up, nor below 1 x 1.
    static std::shared_ptr<CameraImageAdapter> create(const QImage &image, int maxWidth,
                                                      int maxHeight, bool smooth);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_width <= 0 || m_height <= 0; }

    // Row y of grey bytes, in `row` when given (resized to the width).
    QByteArray getRow(int y, QByteArray row = QByteArray()) const;
    // All grey bytes, row after row, width bytes a row.
    const QByteArray &getMatrix() const { return m_grey; }
    // A ZXing luminance view over the grey bytes; valid while this object
    // lives.
    ZXing::ImageView imageView() const;

private:
    void convertToGrey(const QImage &image);

    int m_width = 0;
    int m_height = 0;
    QByteArray m_grey;
};
