// The camera-frame barcode filter: its settings, its decode signals and its
// lifetime.

#include "scan/BarcodeFilter.h"

#include "scan/BarcodeFilterRunnable.h"

#include <QMutexLocker>

BarcodeFilter::BarcodeFilter(QObject *parent)
    : QAbstractVideoFilter(parent), m_decoder(BarcodeDecoder::DecoderFormat_QR_CODE) {
    connect(&m_decoder, &BarcodeDecoder::decodingStarted, this,
            &BarcodeFilter::handleDecodingStarted);
    connect(&m_decoder, &BarcodeDecoder::decodingFinished, this,
            &BarcodeFilter::handleDecodingFinished);
}

BarcodeFilter::~BarcodeFilter() {
    QFuture<void> running;
    {
        QMutexLocker locker(&m_lock);
        m_closing = true;
        running = m_processThread;
    }
    // A worker that has started runs to its end; it uses the decoder, which
    // must outlive it.
    running.waitForFinished();
}

QVideoFilterRunnable *BarcodeFilter::createFilterRunnable() {
    return new BarcodeFilterRunnable(this);
}

QRectF BarcodeFilter::captureRect() const {
    QMutexLocker locker(&m_lock);
    return m_captureRect;
}

void BarcodeFilter::setCaptureRect(const QRectF &captureRect) {
    {
        QMutexLocker locker(&m_lock);
        if (captureRect == m_captureRect)
            return;
        m_captureRect = captureRect;
    }
    emit captureRectChanged();
}

void BarcodeFilter::handleDecodingStarted() {
    m_decoding = true;
    emit decodingStarted();
    emit isDecodingChanged();
}

void BarcodeFilter::handleDecodingFinished(bool succeeded) {
    m_decoding = false;
    emit decodingFinished(succeeded, m_decoder.getProcessTimeOfLastDecoding());
    emit isDecodingChanged();
}
