// BarcodeDecoder: the barcode reader and QR writer that QML sees (module
// "BarcodeDecoder" 2.3), over the ZXing library.
#pragma once

#include "scan/BarcodeEncoderConfig.h"

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>
#include <ZXing/Result.h>
#include <atomic>
#include <memory>
#include <set>

class ImageHandler;

// Decodes an image, an image file, an image URL or the picture of a QML item
// and reports the outcome by return value and signals; renders a text as a
// QR-code image. A decode runs on the calling thread; the video filter calls
// it from a pool thread, so the settings and the last result are guarded.
class BarcodeDecoder : public QObject {
    Q_OBJECT
    Q_PROPERTY(int processingTime READ getProcessTimeOfLastDecoding)
    Q_PROPERTY(
        uint enabledDecoders READ getEnabledFormats WRITE setDecoder NOTIFY enabledFormatsChanged)
    Q_PROPERTY(bool tryHarder READ getTryHarder WRITE setTryHarder)
    Q_PROPERTY(QVariantList allowedExtensions READ getAllowedExtensions WRITE setAllowedExtensions)

public:
    // One bit a format: 1 shifted left by the format's number.
    enum DecoderFormat {
        DecoderFormat_None = 0,
        DecoderFormat_Aztec = 1 << 1,
        DecoderFormat_CODABAR = 1 << 2,
        DecoderFormat_CODE_39 = 1 << 3,
        DecoderFormat_CODE_93 = 1 << 4,
        DecoderFormat_CODE_128 = 1 << 5,
        DecoderFormat_DATA_MATRIX = 1 << 6,
        DecoderFormat_EAN_8 = 1 << 7,
        DecoderFormat_EAN_13 = 1 << 8,
        DecoderFormat_ITF = 1 << 9,
        DecoderFormat_MAXICODE = 1 << 10,
        DecoderFormat_PDF_417 = 1 << 11,
        DecoderFormat_QR_CODE = 1 << 12,
        DecoderFormat_RSS_14 = 1 << 13,
        DecoderFormat_RSS_EXPANDED = 1 << 14,
        DecoderFormat_UPC_A = 1 << 15,
        DecoderFormat_UPC_E = 1 << 16,
        DecoderFormat_UPC_EAN_EXTENSION = 1 << 17,
        DecoderFormat_CODE_128_GS1 = 1 << 18,
    };
    Q_ENUM(DecoderFormat)

    enum EncoderFormat {
        EncoderFormat_INVALID = 0,
        EncoderFormat_QR_CODE = 1,
    };
    Q_ENUM(EncoderFormat)

    enum EncodeErrorCorrectionLevel {
        EncodeErrorCorrectionLevel_L = 0,
        EncodeErrorCorrectionLevel_M,
        EncodeErrorCorrectionLevel_Q,
        EncodeErrorCorrectionLevel_H,
    };
    Q_ENUM(EncodeErrorCorrectionLevel)

    // Every format but CODE_128_GS1.
    static constexpr uint allFormats = 0x3FFFE;
    // EAN_8, EAN_13, RSS_14, UPC_A and UPC_E.
    static constexpr uint productCodeFormats = 0x1A180;
    // Limits of decodeImage when none are given.
    static constexpr int defaultMaxSize = 999;

    explicit BarcodeDecoder(QObject *parent = nullptr);
    explicit BarcodeDecoder(uint hints, QObject *parent = nullptr);
    ~BarcodeDecoder() override;

    // Registers BarcodeDecoder and BarcodeFilter in "BarcodeDecoder" 2.3.
    static void registerQmlScanTypes();

    // The format's name for a single-bit mask; a null string for 0 and for
    // combinations.
    static QString formatName(uint format);

    bool getTryHarder() const;
    void setTryHarder(bool tryHarder);
    QVariantList getAllowedExtensions() const;
    void setAllowedExtensions(const QVariantList &extensions);

    // Size of the grey picture that the last decode read (after any
    // scaling); empty before the first decode that got that far.
    QSize lastDecodedSize() const;

    Q_INVOKABLE QString foundedFormat() const;
    Q_INVOKABLE QString charSet() const;

signals:
    void decodingStarted();
    void decodingFinished(bool succeeded);
    void enabledFormatsChanged();
    void tagFound(QString tag);
    void tagFoundAdvanced(QString tag, QString format, QString charSet);
    void tagFoundAdvanced(QString tag, QString format, QString charSet, QRectF rect);
    void tagFoundAdvanced(QString tag, QString format, QString charSet, QVariantMap metadata);
    void error(QString msg);

public slots:
    QString decodeImage(const QImage &image, int maxWidth = -1, int maxHeight = -1,
                        bool smoothTransformation = false);
    QString decodeImageFromFile(const QString &imageFilePath, int maxWidth = -1, int maxHeight = -1,
                                bool smoothTransformation = false);
    QString decodeImageQML(QObject *item);
    QString decodeSubImageQML(QObject *item, int offsetX = 0, int offsetY = 0, int width = 0,
                              int height = 0);
    QString decodeImageQML(const QUrl &imageUrl);
    QString decodeSubImageQML(const QUrl &imageUrl, int offsetX = 0, int offsetY = 0, int width = 0,
                              int height = 0);

    QImage encodeData(const QString &data, const BarcodeEncoderConfig &encoderConfig);
    QImage encodeData(const QString &data,
                      BarcodeDecoder::EncoderFormat encoderFormat = EncoderFormat_QR_CODE,
                      const QSize &encoderImageSize = QSize(240, 240),
                      BarcodeDecoder::EncodeErrorCorrectionLevel errorCorrectionLevel =
                          EncodeErrorCorrectionLevel_L,
                      bool border = false, bool transparent = false);

    int getProcessTimeOfLastDecoding() const;
    uint getEnabledFormats() const;
    void setDecoder(uint hint);

private:
    // The result's metadata under ZXing's key names: ORIENTATION (degrees
    // clockwise, only when the code is turned in the decoded picture by
    // `orientation`), ERROR_CORRECTION_LEVEL, the STRUCTURED_APPEND keys
    // and, for EAN/UPC codes, UPC_EAN_EXTENSION, ISSUE_NUMBER,
    // SUGGESTED_PRICE and POSSIBLE_COUNTRY where they apply.
    static QVariantMap metadataMap(const ZXing::Result &result, int orientation);
    // The code's bounding box relative to a width x height picture.
    static QRectF tagRect(const ZXing::Position &position, int width, int height);
    QString finishFailed(const QString &message, qint64 elapsed);

    std::unique_ptr<ImageHandler> m_imageHandler;
    std::atomic_int m_processingTime{-1};
    std::atomic_uint m_enabledDecoders{0};
    std::atomic_bool m_tryHarder{false};
    std::atomic_bool m_lastDecodeSucceeded{false};

    // Guards the texts and sets below, which a decode on a pool thread
    // writes while QML may read them.
    mutable QMutex m_lock;
    QString m_lastFormat;
    QString m_lastCharSet;
    std::set<int> m_allowedExtensions;
    QSize m_lastDecodedSize;
};
