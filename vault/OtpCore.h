#pragma once

#include "vault/OtpParams.h"

#include <QByteArray>
#include <QString>

// Time-based and counter-based one-time passwords (RFC 6238 / RFC 4226) and
// the otpauth URL parser behind OPTClient.

enum class OtpKind { Hotp, Totp };

// Resets every field; for the TOTP kind type "totp", algorithm "SHA1",
// 6 digits and a period of 30 s.
void initOtpParams(OtpParams *params, OtpKind kind);

// Parses an "otpauth://totp/LABEL?secret=..." URL into params (which the
// caller has reset). Returns false at the first failed check; fields written
// before that check stay written.
bool parseOtpAuthUrl(const QByteArray &url, OtpParams *params);

// The code for the instant nowSecs (seconds since the epoch), zero-padded to
// params.digits; "" when no code can be computed. When secondsLeft is given
// and the kind is TOTP it receives the seconds left in the current step
// (period down to 1), or 0 when the period is not positive.
QString totpCode(const OtpParams &params, qint64 nowSecs, int *secondsLeft = nullptr);

// The same at the current system time.
QString totpCode(const OtpParams &params, int *secondsLeft = nullptr);

// HOTP value of counter under the Base32 secret: 0 .. 10^digits - 1, or -1
// when digits is outside 1..8, the secret decodes to nothing or holds a bad
// character, or the algorithm is not SHA1, SHA256 or SHA512.
qint32 hotpValue(const QByteArray &algorithm, const QByteArray &secret, qint64 counter, int digits);

// Decodes the zero-terminated Base32 text into out, writing at most capacity
// bytes (the rest of a longer text is ignored). Blanks, tabs, CR, LF and "-"
// are skipped; lower case is accepted and "0", "1", "8" read as "O", "L",
// "B". Returns the number of bytes written, or -1 on any other character
// ("=" padding included).
int base32Decode(const char *text, unsigned char *out, int capacity);
