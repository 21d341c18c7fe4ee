// BarcodeFilter: the video filter that decodes camera frames for barcodes
// (module "BarcodeDecoder" 2.3), one frame at a time on Qt's thread pool.
#pragma once

#include "scan/BarcodeDecoder.h"
#include "scan/SimpleVideoFrame.h"

#include <QAbstractVideoFilter>
#include <QFuture>
#include <QMutex>
#include <QRectF>
#include <atomic>

class BarcodeFilterRunnable;

// QML puts it into a VideoOutput's filters. While no decode runs, the next
// frame is copied and decoded (only the capture rectangle of it, when one is
// set) by the filter's own decoder; frames arriving meanwhile are passed
// through. A decoded text reaches QML by the decoder's tagFound, before the
// filter's decodingFinished of the same frame.
class BarcodeFilter : public QAbstractVideoFilter {
    Q_OBJECT
    Q_PROPERTY(bool decoding READ isDecoding NOTIFY isDecodingChanged)
    Q_PROPERTY(BarcodeDecoder *decoder READ getDecoder CONSTANT)
    Q_PROPERTY(QRectF captureRect READ captureRect WRITE setCaptureRect NOTIFY captureRectChanged)

public:
    explicit BarcodeFilter(QObject *parent = nullptr);
    // Waits for a running decode to end.
    ~BarcodeFilter() override;

    QVideoFilterRunnable *createFilterRunnable() override;

    bool isDecoding() const { return m_decoding; }
    BarcodeDecoder *getDecoder() { return &m_decoder; }
    QRectF captureRect() const;
    void setCaptureRect(const QRectF &captureRect);

signals:
    void isDecodingChanged();
    void decodingFinished(bool succeeded, int decodeTime);
    void decodingStarted();
    void captureRectChanged();

private slots:
    void handleDecodingStarted();
    void handleDecodingFinished(bool succeeded);

private:
    friend class BarcodeFilterRunnable;

    BarcodeDecoder m_decoder;
    // Set by the runnable when it takes a frame, cleared on the GUI thread
    // when the decode has ended, or by the worker when the frame could not
    // be converted.
    std::atomic_bool m_decoding{false};
    // Set once the filter is being destroyed: no frame is taken any more.
    std::atomic_bool m_closing{false};

    // Guards the members below, which the video pipeline's thread uses.
    mutable QMutex m_lock;
    QRectF m_captureRect;
    SimpleVideoFrame m_frame;
    QFuture<void> m_processThread;
};
