#include "vault/Encryptor.h"

#include <QByteArray>
#include <QQmlEngine>
#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <openssl/crypto.h>
#include <openssl/evp.h>

namespace {

constexpr int kKeyLength = 16;
constexpr int kKeyTextLength = 32;
constexpr int kBlock = 16;

// Large texts pass between the cipher and Base64 in pieces of this many bytes
// (a multiple of the 48 bytes of one Base64 line and of the block size), so
// that besides the input only the result is ever held whole: a vault document
// of several megabytes then costs two large allocations instead of five.
constexpr int kPiece = 48 * 256;
// Base64 characters decoded per step: a multiple of 4, giving kPiece bytes.
constexpr int kPieceChars = kPiece / 3 * 4;

// The IV every vault text was made with; part of the stored format.
const unsigned char kIv[16] = {0x5e, 0x0a, 0x9c, 0x13, 0xd7, 0xf2, 0x4b, 0x68,
                               0xa1, 0xc3, 0xe5, 0xf7, 0x0b, 0x2d, 0x4f, 0x96};

struct CipherCtxFree {
    void operator()(EVP_CIPHER_CTX *ctx) const {
        EVP_CIPHER_CTX_reset(ctx);
        EVP_CIPHER_CTX_free(ctx);
    }
};
struct EncodeCtxFree {
    void operator()(EVP_ENCODE_CTX *ctx) const { EVP_ENCODE_CTX_free(ctx); }
};
using CipherCtx = std::unique_ptr<EVP_CIPHER_CTX, CipherCtxFree>;
using EncodeCtx = std::unique_ptr<EVP_ENCODE_CTX, EncodeCtxFree>;

// A byte buffer that is wiped before it is released (it holds plain text).
class SecureBuffer {
public:
    explicit SecureBuffer(int size) : m_data(size, Qt::Uninitialized) {}
    explicit SecureBuffer(QByteArray &&bytes) : m_data(std::move(bytes)) {}
    ~SecureBuffer() { OPENSSL_cleanse(m_data.data(), static_cast<size_t>(m_data.size())); }
    SecureBuffer(const SecureBuffer &) = delete;
    SecureBuffer &operator=(const SecureBuffer &) = delete;
    unsigned char *data() { return reinterpret_cast<unsigned char *>(m_data.data()); }
    const char *constData() const { return m_data.constData(); }
    int size() const { return m_data.size(); }

private:
    QByteArray m_data;
};

// Reads the key text as hexadecimal pairs (':' allowed between pairs) into a
// zero-filled 16-byte key. A text that does not convert leaves the key zero.
void buildKey(const QString &keymd, unsigned char key[kKeyLength]) {
    std::fill(key, key + kKeyLength, 0);
    const QByteArray hex = keymd.toUtf8();
    long len = 0;
    unsigned char *bytes = OPENSSL_hexstr2buf(hex.constData(), &len);
    if (!bytes)
        return;
    std::copy(bytes, bytes + std::min<long>(len, kKeyLength), key);
    OPENSSL_clear_free(bytes, static_cast<size_t>(len));
}

class KeyBuffer {
public:
    explicit KeyBuffer(const QString &keymd) { buildKey(keymd, m_key); }
    ~KeyBuffer() { OPENSSL_cleanse(m_key, sizeof m_key); }
    const unsigned char *data() const { return m_key; }

private:
    unsigned char m_key[kKeyLength];
};

// An AES-128-CBC context under the key and the fixed IV, or none when the
// cipher is unavailable or refuses to start.
CipherCtx startCipher(const unsigned char *key, bool encrypt) {
    const EVP_CIPHER *aes = EVP_get_cipherbyname("aes-128-cbc");
    CipherCtx ctx(EVP_CIPHER_CTX_new());
    if (!aes || !ctx || EVP_CIPHER_block_size(aes) != kBlock)
        return nullptr;
    const int ok = encrypt ? EVP_EncryptInit_ex(ctx.get(), aes, nullptr, key, kIv)
                           : EVP_DecryptInit_ex(ctx.get(), aes, nullptr, key, kIv);
    return ok == 1 ? std::move(ctx) : nullptr;
}

// ASCII bytes to UTF-16 and back (anything beyond ASCII becoming 0x80,
// which is no Base64 character), in runs of 16 that the compiler vectorises.
void widen(const unsigned char *__restrict src, ushort *__restrict dst, int n) {
    int i = 0;
    for (; i + 16 <= n; i += 16)
        for (int j = 0; j < 16; ++j)
            dst[i + j] = src[i + j];
    for (; i < n; ++i)
        dst[i] = src[i];
}
void narrow(const ushort *__restrict src, unsigned char *__restrict dst, int n) {
    int i = 0;
    for (; i + 16 <= n; i += 16)
        for (int j = 0; j < 16; ++j)
            dst[i + j] = uchar(std::min<ushort>(src[i + j], 0x80));
    for (; i < n; ++i)
        dst[i] = uchar(std::min<ushort>(src[i], 0x80));
}

// The result text, written in place as Base64 comes out of the encoder; it
// is handed out only when exactly the expected number of characters arrived.
class TextSink {
public:
    explicit TextSink(int size) : m_text(size, Qt::Uninitialized), m_out(m_text.data()) {}
    bool append(const unsigned char *ascii, int n) {
        if (n < 0 || n > m_text.size() - m_pos)
            return false;
        widen(ascii, reinterpret_cast<ushort *>(m_out + m_pos), n);
        m_pos += n;
        return true;
    }
    QString take() { return m_pos == m_text.size() ? std::move(m_text) : QString(); }

private:
    QString m_text;
    QChar *m_out;
    int m_pos = 0;
};

// Characters that EVP_DecodeBlock trims: blanks at the start; blanks, line
// ends and "-" at the end.
bool isBlank(QChar ch) {
    return ch == QLatin1Char(' ') || ch == QLatin1Char('\t');
}
bool isTrailing(QChar ch) {
    return isBlank(ch) || ch == QLatin1Char('\r') || ch == QLatin1Char('\n') ||
           ch == QLatin1Char('-');
}

// Every character of UTF-8 text. QString::fromUtf8 takes a leading
// byte-order mark for a header and drops it (only the first); here it is a
// character the user wrote, pasted from a program that puts one in front.
QString textOfUtf8(const char *bytes, int size) {
    static const char kByteOrderMark[] = "\xEF\xBB\xBF";
    QString text = QString::fromUtf8(bytes, size);
    if (size >= 3 && std::memcmp(bytes, kByteOrderMark, 3) == 0)
        text.prepend(QChar(0xFEFF));
    return text;
}

// The plain text of the decrypted bytes (sum of update and final counts).
QString finishDecrypt(EVP_CIPHER_CTX *ctx, SecureBuffer &plain, int written) {
    int finalLen = 0;
    if (EVP_DecryptFinal_ex(ctx, plain.data() + written, &finalLen) != 1)
        return QString();
    return textOfUtf8(plain.constData(), written + finalLen);
}

} // namespace

Encryptor::Encryptor(QObject *parent) : QObject(parent) {}

Encryptor::~Encryptor() = default;

QString Encryptor::aesEncrypt(QString keymd, QString txt) {
    return aesEncryptImpl(keymd, txt, false);
}

QString Encryptor::aesDecrypt(QString keymd, QString code) {
    return aesDecryptImpl(keymd, code, false);
}

QString Encryptor::aesEncryptLines(QString keymd, QString txt) {
    return aesEncryptImpl(keymd, txt, true);
}

QString Encryptor::aesDecryptLines(QString keymd, QString code) {
    return aesDecryptImpl(keymd, code, true);
}

QString Encryptor::aesEncryptImpl(const QString &keymd, const QString &txt, bool lines) {
    if (keymd.length() != kKeyTextLength || txt.isEmpty())
        return QString();

    SecureBuffer plain(txt.toUtf8());
    const int n = plain.size();
    const KeyBuffer key(keymd);
    CipherCtx ctx = startCipher(key.data(), true);
    if (!ctx)
        return QString();

    // PKCS#7 always adds 1 to 16 bytes; Base64 takes 4 characters per 3
    // bytes, and the line form one "\n" after every 64 and after the last.
    const qint64 c = (qint64(n) / kBlock + 1) * kBlock;
    const qint64 chars = 4 * ((c + 2) / 3);
    const qint64 total = lines ? chars + (chars + 63) / 64 : chars;
    if (total > INT_MAX / 2)
        return QString();
    EncodeCtx ectx;
    if (lines) {
        ectx.reset(EVP_ENCODE_CTX_new());
        if (!ectx)
            return QString();
        EVP_EncodeInit(ectx.get());
    }

    TextSink result{int(total)};
    // Cipher bytes not yet encoded (in the one-line form up to 2 wait for the
    // next piece, since only the end may carry "=" padding), and the Base64
    // characters of one piece with the encoders' terminating zero.
    const int cipherCap = std::min(kPiece, n) + 2 * kBlock + 3;
    std::unique_ptr<unsigned char[]> cipher(new unsigned char[cipherCap]);
    std::unique_ptr<unsigned char[]> base64(new unsigned char[2 * cipherCap + 2 * 65]);
    int pending = 0;
    const auto encodePending = [&](bool last) {
        int len = 0;
        if (!lines) {
            const int m = last ? pending : pending - pending % 3;
            len = EVP_EncodeBlock(base64.get(), cipher.get(), m);
            std::memmove(cipher.get(), cipher.get() + m, size_t(pending - m));
            pending -= m;
        } else {
            if (pending > 0 &&
                EVP_EncodeUpdate(ectx.get(), base64.get(), &len, cipher.get(), pending) != 1)
                return false;
            pending = 0;
            if (last) {
                int fin = 0;
                EVP_EncodeFinal(ectx.get(), base64.get() + len, &fin);
                len += fin;
            }
        }
        return result.append(base64.get(), len);
    };

    const unsigned char *in = reinterpret_cast<const unsigned char *>(plain.constData());
    for (int pos = 0; pos < n; pos += kPiece) {
        int outLen = 0;
        if (EVP_EncryptUpdate(ctx.get(), cipher.get() + pending, &outLen, in + pos,
                              std::min(kPiece, n - pos)) != 1)
            return QString();
        pending += outLen;
        if (!encodePending(false))
            return QString();
    }
    int finalLen = 0;
    if (EVP_EncryptFinal_ex(ctx.get(), cipher.get() + pending, &finalLen) != 1)
        return QString();
    pending += finalLen;
    if (!encodePending(true))
        return QString();
    return result.take();
}

QString Encryptor::aesDecryptImpl(const QString &keymd, const QString &code, bool lines) {
    if (keymd.length() != kKeyTextLength || code.isEmpty())
        return QString();

    const KeyBuffer key(keymd);
    if (lines) {
        // The line decoder stops at the first character that is not Base64,
        // a line end or a blank; any character beyond ASCII is such a stop in
        // Latin-1 as it is in UTF-8, so one byte per character is enough.
        const QByteArray encoded = code.toLatin1();
        const int k = encoded.size();
        QByteArray decodedBuf(k / 4 * 3 + 3, Qt::Uninitialized);
        unsigned char *decoded = reinterpret_cast<unsigned char *>(decodedBuf.data());
        EncodeCtx dctx(EVP_ENCODE_CTX_new());
        if (!dctx)
            return QString();
        EVP_DecodeInit(dctx.get());
        int upd = 0;
        // A malformed text still passes on what was decoded; the padding check
        // of the decryption refuses it.
        EVP_DecodeUpdate(dctx.get(), decoded, &upd,
                         reinterpret_cast<const unsigned char *>(encoded.constData()), k);
        int fin = 0;
        EVP_DecodeFinal(dctx.get(), decoded + upd, &fin);
        const int d = upd + fin;
        if (d <= 0)
            return QString();
        CipherCtx ctx = startCipher(key.data(), false);
        if (!ctx)
            return QString();
        SecureBuffer plain(d + kBlock);
        int written = 0;
        if (EVP_DecryptUpdate(ctx.get(), plain.data(), &written, decoded, d) != 1)
            return QString();
        return finishDecrypt(ctx.get(), plain, written);
    }

    // One line: what EVP_DecodeBlock decodes of the whole text, piece by
    // piece. It trims blanks at the start and blanks, line ends and "-" at
    // the end (while more than three characters remain), needs a multiple of
    // four characters and counts "=" as zero bits; the padding is found
    // before the trimmed tail.
    const QChar *text = code.constData();
    int start = 0;
    int end = code.size();
    while (start < end && isBlank(text[start]))
        ++start;
    while (end - start > 3 && isTrailing(text[end - 1]))
        --end;
    const int len = end - start;
    if (len <= 0 || len % 4 != 0)
        return QString();
    int pad = 0;
    if (text[end - 1] == QLatin1Char('=')) {
        ++pad;
        if (text[end - 2] == QLatin1Char('='))
            ++pad;
    }
    const int d = len / 4 * 3 - pad;
    if (d <= 0 || d % kBlock != 0)
        return QString();

    CipherCtx ctx = startCipher(key.data(), false);
    if (!ctx)
        return QString();
    SecureBuffer plain(d + kBlock);
    const int pieceChars = std::min(kPieceChars, len);
    std::unique_ptr<unsigned char[]> ascii(new unsigned char[pieceChars]);
    std::unique_ptr<unsigned char[]> decoded(new unsigned char[pieceChars / 4 * 3 + 3]);
    int written = 0;
    for (int pos = start; pos < end; pos += pieceChars) {
        const int m = std::min(pieceChars, end - pos);
        narrow(reinterpret_cast<const ushort *>(text + pos), ascii.get(), m);
        // Inside the text nothing may be trimmed: a piece that decodes to
        // fewer bytes held a blank, a line end or a "-", which the whole text
        // refuses too.
        int got = EVP_DecodeBlock(decoded.get(), ascii.get(), m);
        if (got != m / 4 * 3)
            return QString();
        if (pos + m == end)
            got -= pad;
        int outLen = 0;
        if (EVP_DecryptUpdate(ctx.get(), plain.data() + written, &outLen, decoded.get(), got) != 1)
            return QString();
        written += outLen;
    }
    return finishDecrypt(ctx.get(), plain, written);
}

QObject *encryptorProvider(QQmlEngine *engine, QJSEngine *scriptEngine) {
    Q_UNUSED(engine)
    Q_UNUSED(scriptEngine)
    auto *encryptor = new Encryptor;
    OPENSSL_init_crypto(OPENSSL_INIT_ADD_ALL_CIPHERS, nullptr);
    return encryptor;
}
