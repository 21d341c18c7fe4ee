// BarcodeFilterRunnable: the per-frame part of BarcodeFilter, run by the
// video pipeline, and the worker that converts and decodes a copied frame.
#pragma once

#include "scan/SimpleVideoFrame.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QVideoFilterRunnable>

class BarcodeFilter;
struct CaptureRegion;

class BarcodeFilterRunnable : public QObject, public QVideoFilterRunnable {
    Q_OBJECT
public:
    explicit BarcodeFilterRunnable(BarcodeFilter *filter);
    ~BarcodeFilterRunnable() override;

    // Takes a copy of the frame for decoding when the filter is idle and
    // returns the input frame unchanged; an invalid frame for an invalid
    // input.
    QVideoFrame run(QVideoFrame *input, const QVideoSurfaceFormat &surfaceFormat,
                    RunFlags flags) override;

    // The worker, on a pool thread: converts the frame (its capture
    // rectangle) and decodes it with the filter's decoder. It holds nothing
    // of the runnable; the filter waits for it before it goes.
    static void decodeFrame(BarcodeFilter *filter, const SimpleVideoFrame &frame,
                            const QRect &captureRect);

    // The picture to decode of a copied frame, cut to the capture rectangle
    // (in picture coordinates, top row 0) and upright: an 8-bit grey image
    // for the formats converted here, a copy in the matching QImage format
    // for the others; a null image when the format is unknown or the bytes
    // do not hold the frame.
    static QImage frameToImage(const SimpleVideoFrame &frame, const QRect &captureRect);

    // Copies the mapped bytes and plane layout of a valid frame into `out`,
    // reusing its buffer. False when the frame cannot be mapped for reading.
    static bool copyFrame(QVideoFrame &input, SimpleVideoFrame &out);

private:
    // The region of the frame as stored, converted by pixel format.
    static QImage convert(const SimpleVideoFrame &frame, const CaptureRegion &region);

    QPointer<BarcodeFilter> m_filter;
};
