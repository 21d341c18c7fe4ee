#include "vault/Encryptor.h"

#include <QByteArray>
#include <QQmlEngine>
#include <memory>
#include <openssl/crypto.h>
#include <openssl/evp.h>

namespace {

constexpr int kKeyLength = 16;
constexpr int kKeyTextLength = 32;

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

// A byte buffer that is wiped before it is released (it may hold plain text
// or key material).
class SecureBuffer {
public:
    explicit SecureBuffer(int size) : m_data(size, '\0') {}
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

const EVP_CIPHER *cipher() {
    return EVP_get_cipherbyname("aes-128-cbc");
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

    const QByteArray plain = txt.toUtf8();
    const int n = plain.size();
    const KeyBuffer key(keymd);

    const EVP_CIPHER *aes = cipher();
    CipherCtx ctx(EVP_CIPHER_CTX_new());
    if (!aes || !ctx)
        return QString();

    const int b = EVP_CIPHER_block_size(aes);
    const int s = (n + b - 1) / b * b + b;
    SecureBuffer out(s);

    int updateLen = 0;
    int finalLen = 0;
    if (EVP_EncryptInit_ex(ctx.get(), aes, nullptr, key.data(), kIv) != 1 ||
        EVP_EncryptUpdate(ctx.get(), out.data(), &updateLen,
                          reinterpret_cast<const unsigned char *>(plain.constData()), n) != 1 ||
        EVP_EncryptFinal_ex(ctx.get(), out.data() + updateLen, &finalLen) != 1)
        return QString();

    const int c = updateLen + finalLen;
    // Base64 takes 4 characters per 3 bytes; the line form adds one "\n" per
    // 64 characters and after the last line; one more byte for the final zero.
    QByteArray encoded(4 * ((c + 2) / 3) + c / 48 + 2 + 1, '\0');
    unsigned char *enc = reinterpret_cast<unsigned char *>(encoded.data());
    int encLen = 0;
    if (!lines) {
        encLen = EVP_EncodeBlock(enc, out.data(), c);
    } else {
        EncodeCtx ectx(EVP_ENCODE_CTX_new());
        if (!ectx)
            return QString();
        EVP_EncodeInit(ectx.get());
        int upd = 0;
        if (EVP_EncodeUpdate(ectx.get(), enc, &upd, out.data(), c) != 1)
            return QString();
        int fin = 0;
        EVP_EncodeFinal(ectx.get(), enc + upd, &fin);
        encLen = upd + fin;
    }
    if (encLen <= 0)
        return QString();
    return QString::fromLatin1(encoded.constData(), encLen);
}

QString Encryptor::aesDecryptImpl(const QString &keymd, const QString &code, bool lines) {
    if (keymd.length() != kKeyTextLength || code.isEmpty())
        return QString();

    const KeyBuffer key(keymd);
    const QByteArray encoded = code.toUtf8();
    const int k = encoded.size();
    const unsigned char *in = reinterpret_cast<const unsigned char *>(encoded.constData());

    // Decoding yields at most three bytes per four input bytes.
    QByteArray decodedBuf(k + 3, '\0');
    unsigned char *decoded = reinterpret_cast<unsigned char *>(decodedBuf.data());
    int d = 0;
    if (!lines) {
        d = EVP_DecodeBlock(decoded, in, k);
        if (d > 0) {
            // EVP_DecodeBlock counts "=" as zero bits and trims blanks at the
            // start and blanks, line ends and "-" at the end (as long as more
            // than three characters remain): look for the padding before them.
            int start = 0;
            while (start < k && (in[start] == ' ' || in[start] == '\t'))
                ++start;
            int end = k;
            while (end - start > 3 &&
                   (in[end - 1] == ' ' || in[end - 1] == '\t' || in[end - 1] == '\r' ||
                    in[end - 1] == '\n' || in[end - 1] == '-'))
                --end;
            if (end > 0 && in[end - 1] == '=') {
                --d;
                if (end > 1 && in[end - 2] == '=')
                    --d;
            }
        }
    } else {
        EncodeCtx dctx(EVP_ENCODE_CTX_new());
        if (!dctx)
            return QString();
        EVP_DecodeInit(dctx.get());
        int upd = 0;
        // A malformed text still passes on what was decoded; the padding check
        // of the decryption refuses it.
        EVP_DecodeUpdate(dctx.get(), decoded, &upd, in, k);
        int fin = 0;
        EVP_DecodeFinal(dctx.get(), decoded + upd, &fin);
        d = upd + fin;
    }
    if (d <= 0)
        return QString();

    const EVP_CIPHER *aes = cipher();
    CipherCtx ctx(EVP_CIPHER_CTX_new());
    if (!aes || !ctx)
        return QString();

    SecureBuffer plain(d + EVP_CIPHER_block_size(aes));
    int updateLen = 0;
    int finalLen = 0;
    if (EVP_DecryptInit_ex(ctx.get(), aes, nullptr, key.data(), kIv) != 1 ||
        EVP_DecryptUpdate(ctx.get(), plain.data(), &updateLen, decoded, d) != 1 ||
        EVP_DecryptFinal_ex(ctx.get(), plain.data() + updateLen, &finalLen) != 1)
        return QString();
    return QString::fromUtf8(plain.constData(), updateLen + finalLen);
}

QObject *encryptorProvider(QQmlEngine *engine, QJSEngine *scriptEngine) {
    Q_UNUSED(engine)
    Q_UNUSED(scriptEngine)
    auto *encryptor = new Encryptor;
    OPENSSL_init_crypto(OPENSSL_INIT_ADD_ALL_CIPHERS, nullptr);
    return encryptor;
}
