#pragma once

#include <QByteArray>

// Parameters of one one-time-code URL. Texts hold UTF-8 bytes. A
// default-constructed record is blank (empty texts, zero numbers); use
// initOtpParams() for the defaults of a kind.
struct OtpParams {
    QByteArray type;      // "totp" (any case) is the only kind that yields codes
    QByteArray label;     // last path segment of the URL, fully decoded
    QByteArray secret;    // Base32 secret as written in the URL (not decoded)
    QByteArray issuer;    // "issuer" item
    QByteArray algorithm; // "SHA1", "SHA256" or "SHA512", any case, as written
    qint32 digits = 0;    // decimal digits of a code
    qint32 counter = 0;   // not read by the time-based computation
    qint32 period = 0;    // length of one time step in seconds
};
