#include "vault/OtpCore.h"

#include <QDateTime>
#include <QUrl>
#include <QUrlQuery>
#include <cstring>
#include <openssl/evp.h>
#include <openssl/hmac.h>

namespace {

constexpr int kSecretBufferSize = 1024;

const qint32 kPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};

const EVP_MD *digestFor(const QByteArray &algorithm) {
    const QByteArray name = algorithm.toLower();
    if (name == "sha1")
        return EVP_sha1();
    if (name == "sha256")
        return EVP_sha256();
    if (name == "sha512")
        return EVP_sha512();
    return nullptr;
}

// Reads an optional integer item; false when present but not a base-10 number.
bool readIntItem(const QUrlQuery &query, const QString &key, qint32 *out) {
    if (!query.hasQueryItem(key))
        return true;
    bool ok = false;
    const int value = query.queryItemValue(key).toInt(&ok, 10);
    if (!ok)
        return false;
    *out = value;
    return true;
}

} // namespace

void initOtpParams(OtpParams *params, OtpKind kind) {
    params->type.clear();
    params->label.clear();
    params->secret.clear();
    params->issuer.clear();
    params->algorithm.clear();
    params->digits = 6;
    params->counter = 0;
    params->period = 0;
    if (kind == OtpKind::Totp) {
        params->type = QByteArrayLiteral("totp");
        params->algorithm = QByteArrayLiteral("SHA1");
        params->period = 30;
    }
}

bool parseOtpAuthUrl(const QByteArray &urlBytes, OtpParams *params) {
    const QUrl url(QString::fromUtf8(urlBytes), QUrl::TolerantMode);
    if (url.scheme().compare(QLatin1String("otpauth"), Qt::CaseInsensitive) != 0)
        return false;
    if (url.host(QUrl::FullyDecoded).compare(QLatin1String("totp"), Qt::CaseInsensitive) != 0)
        return false;
    // The last segment of the path as written, then decoded: an encoded "/"
    // belongs to the label.
    const QString path = url.path(QUrl::FullyEncoded);
    const QString label =
        QUrl::fromPercentEncoding(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).toUtf8());
    if (label.isEmpty() || !url.hasQuery())
        return false;

    const QUrlQuery query(url.query(QUrl::PrettyDecoded));
    const QString secret = query.queryItemValue(QStringLiteral("secret"), QUrl::PrettyDecoded);
    if (secret.isEmpty())
        return false;
    params->label = label.toUtf8();
    params->secret = secret.toUtf8();

    if (query.hasQueryItem(QStringLiteral("issuer")))
        params->issuer = query.queryItemValue(QStringLiteral("issuer")).toUtf8();

    const QString algorithm = query.queryItemValue(QStringLiteral("algorithm"));
    if (!algorithm.isEmpty()) {
        if (algorithm.compare(QLatin1String("SHA1"), Qt::CaseInsensitive) != 0 &&
            algorithm.compare(QLatin1String("SHA256"), Qt::CaseInsensitive) != 0 &&
            algorithm.compare(QLatin1String("SHA512"), Qt::CaseInsensitive) != 0)
            return false;
        params->algorithm = algorithm.toUtf8();
    }

    if (!readIntItem(query, QStringLiteral("digits"), &params->digits))
        return false;
    if (!readIntItem(query, QStringLiteral("period"), &params->period))
        return false;
    return true;
}

int base32Decode(const char *text, unsigned char *out, int capacity) {
    quint32 bits = 0;
    int pending = 0;
    int written = 0;
    for (const char *p = text; *p != '\0' && written < capacity; ++p) {
        const char c = *p;
        int v;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '-')
            continue;
        if (c >= 'A' && c <= 'Z')
            v = c - 'A';
        else if (c >= 'a' && c <= 'z')
            v = c - 'a';
        else if (c >= '2' && c <= '7')
            v = c - '2' + 26;
        else if (c == '0')
            v = 'O' - 'A';
        else if (c == '1')
            v = 'L' - 'A';
        else if (c == '8')
            v = 'B' - 'A';
        else
            return -1;
        bits = (bits << 5) | quint32(v);
        pending += 5;
        if (pending >= 8) {
            pending -= 8;
            out[written++] = static_cast<unsigned char>((bits >> pending) & 0xff);
        }
    }
    return written;
}

qint32 hotpValue(const QByteArray &algorithm, const QByteArray &secret, qint64 counter,
                 int digits) {
    if (digits < 1 || digits > 8)
        return -1;
    unsigned char key[kSecretBufferSize];
    std::memset(key, 0, sizeof key);
    const int keyLength = base32Decode(secret.constData(), key, kSecretBufferSize);
    if (keyLength <= 0)
        return -1;

    const quint64 c = static_cast<quint64>(counter);
    unsigned char message[8];
    for (int i = 0; i < 8; ++i)
        message[i] = static_cast<unsigned char>((c >> (56 - 8 * i)) & 0xff);

    const EVP_MD *md = digestFor(algorithm);
    if (!md)
        return -1;
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int digestLength = 0;
    if (!HMAC(md, key, keyLength, message, sizeof message, digest, &digestLength) ||
        digestLength < 20)
        return -1;

    const int offset = digest[digestLength - 1] & 0x0f;
    const quint32 binary = (quint32(digest[offset] & 0x7f) << 24) |
                           (quint32(digest[offset + 1]) << 16) |
                           (quint32(digest[offset + 2]) << 8) | quint32(digest[offset + 3]);
    return qint32(binary % quint32(kPowersOfTen[digits]));
}

QString totpCode(const OtpParams &params, qint64 nowSecs, int *secondsLeft) {
    if (params.type.toLower() != "totp")
        return QString();
    // A step of zero or negative length is unusable: no code, nothing left.
    if (params.period <= 0) {
        if (secondsLeft)
            *secondsLeft = 0;
        return QString();
    }
    const qint64 counter = nowSecs / params.period;
    if (secondsLeft)
        *secondsLeft = int(params.period - nowSecs % params.period);
    const qint32 value = hotpValue(params.algorithm, params.secret, counter, params.digits);
    if (value < 0)
        return QString();
    return QStringLiteral("%1").arg(value, params.digits, 10, QLatin1Char('0'));
}

QString totpCode(const OtpParams &params, int *secondsLeft) {
    return totpCode(params, QDateTime::currentSecsSinceEpoch(), secondsLeft);
}
