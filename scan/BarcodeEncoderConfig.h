// BarcodeEncoderConfig: the settings of one barcode image that
// BarcodeDecoder::encodeData renders.
#pragma once

#include <QMetaType>
#include <QSize>

struct BarcodeEncoderConfig {
    // 1 is the QR code, the only format rendered.
    int encoderFormat = 1;
    QSize encoderImageSize = QSize(240, 240);
    // 0 L, 1 M, 2 Q, 3 H; any other value is read as L.
    int errorCorrectionLevel = 0;
    // One light module around the code.
    bool border = false;
    // Dark modules fully transparent instead of black.
    bool transparent = false;
};

Q_DECLARE_METATYPE(BarcodeEncoderConfig)
