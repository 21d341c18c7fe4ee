#include "testlimits.h"
#include "vault/Encryptor.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QtTest>
#include <openssl/evp.h>

namespace {

QString md5(const QString &text) {
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}

const char *kIvHex = "5e0a9c13d7f24b68a1c3e5f70b2d4f96";

// A text of exactly n UTF-8 bytes, ASCII only.
QString asciiOfBytes(int n) {
    QString s;
    for (int i = 0; i < n; ++i)
        s.append(QChar('a' + i % 26));
    return s;
}

// Decrypts bytes under the key text with the fixed IV, or gives nothing.
QByteArray decryptToBytes(const QString &keyText, const QByteArray &cipher) {
    const QByteArray key = QByteArray::fromHex(keyText.toLatin1());
    const QByteArray iv = QByteArray::fromHex(kIvHex);
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    QByteArray plain(cipher.size() + 16, '\0');
    int upd = 0;
    int fin = 0;
    const bool ok =
        cipher.size() > 0 &&
        EVP_DecryptInit_ex(ctx, EVP_aes_128_cbc(), nullptr,
                           reinterpret_cast<const unsigned char *>(key.constData()),
                           reinterpret_cast<const unsigned char *>(iv.constData())) == 1 &&
        EVP_DecryptUpdate(ctx, reinterpret_cast<unsigned char *>(plain.data()), &upd,
                          reinterpret_cast<const unsigned char *>(cipher.constData()),
                          cipher.size()) == 1 &&
        EVP_DecryptFinal_ex(ctx, reinterpret_cast<unsigned char *>(plain.data()) + upd, &fin) == 1;
    EVP_CIPHER_CTX_free(ctx);
    return ok ? plain.left(upd + fin) : QByteArray();
}

QString decryptBytes(const QString &keyText, const QByteArray &cipher) {
    return QString::fromUtf8(decryptToBytes(keyText, cipher));
}

// The one-line form decoded the plain way: one EVP_DecodeBlock over the UTF-8
// bytes of the whole text, the "=" padding taken off the end of the part it
// decoded (after the blanks it skips at the start).
QString referenceDecrypt(const QString &keyText, const QString &code) {
    const QByteArray in = code.toUtf8();
    QByteArray decoded(in.size() + 3, '\0');
    int d = EVP_DecodeBlock(reinterpret_cast<unsigned char *>(decoded.data()),
                            reinterpret_cast<const unsigned char *>(in.constData()), in.size());
    if (d <= 0)
        return QString();
    int start = 0;
    while (in.at(start) == ' ' || in.at(start) == '\t')
        ++start;
    const int end = start + d / 3 * 4;
    if (in.at(end - 1) == '=')
        d -= in.at(end - 2) == '=' ? 2 : 1;
    return decryptBytes(keyText, decoded.left(d));
}

// The Lines form decoded in one EVP_DecodeUpdate over the UTF-8 bytes.
QString referenceDecryptLines(const QString &keyText, const QString &code) {
    const QByteArray in = code.toUtf8();
    QByteArray decoded(in.size() + 3, '\0');
    EVP_ENCODE_CTX *ctx = EVP_ENCODE_CTX_new();
    EVP_DecodeInit(ctx);
    int upd = 0;
    int fin = 0;
    EVP_DecodeUpdate(ctx, reinterpret_cast<unsigned char *>(decoded.data()), &upd,
                     reinterpret_cast<const unsigned char *>(in.constData()), in.size());
    EVP_DecodeFinal(ctx, reinterpret_cast<unsigned char *>(decoded.data()) + upd, &fin);
    EVP_ENCODE_CTX_free(ctx);
    return decryptBytes(keyText, decoded.left(upd + fin));
}

} // namespace

class TestEncryptor : public QObject {
    Q_OBJECT

private:
    Encryptor enc;
    const QString key = md5(QStringLiteral("123456"));

private slots:
    void initTestCase() {
        QObject *obj = encryptorProvider(nullptr, nullptr);
        QVERIFY(qobject_cast<Encryptor *>(obj));
        delete obj;
    }

    void knownAnswers_data() {
        QTest::addColumn<QString>("keyText");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("oneLine");
        QTest::addColumn<QString>("lines");
        const QString fox =
            QStringLiteral("The quick brown fox jumps over the lazy dog, "
                           "敏捷的棕色狐狸跳过了懒狗 🦊🐶 0123456789");
        QTest::newRow("hello") << md5("123456") << "hello"
                               << "xy5siKyw3ny8KhmItOe3Lw=="
                               << "xy5siKyw3ny8KhmItOe3Lw==\n";
        QTest::newRow("chinese") << md5("123456") << QStringLiteral("密码")
                                 << "aSLhy5biLWrPm9Y8KFKvWQ=="
                                 << "aSLhy5biLWrPm9Y8KFKvWQ==\n";
        QTest::newRow("emoji") << md5("abc") << QStringLiteral("emoji 😀 test")
                               << "6u6pPEI6c8DnRnhy6M4G3A=="
                               << "6u6pPEI6c8DnRnhy6M4G3A==\n";
        QTest::newRow("three lines")
            << md5("123456") << fox
            << "jqbIu1OcDbjBpVmsU51MMUD9dsV2fJy3bnCFIRZF6/PIaUgCtF3+x9ihHdpC06j6"
               "f7Q5ZE09wcwRBSOjpc/GnxiotnclTCulaIStfxpo5dqI7jH8A+JmtlttZO1df6oJ"
               "DDMkuBL4mvgu9Gx+i5Z/mw=="
            << "jqbIu1OcDbjBpVmsU51MMUD9dsV2fJy3bnCFIRZF6/PIaUgCtF3+x9ihHdpC06j6\n"
               "f7Q5ZE09wcwRBSOjpc/GnxiotnclTCulaIStfxpo5dqI7jH8A+JmtlttZO1df6oJ\n"
               "DDMkuBL4mvgu9Gx+i5Z/mw==\n";
    }
    void knownAnswers() {
        QFETCH(QString, keyText);
        QFETCH(QString, plain);
        QFETCH(QString, oneLine);
        QFETCH(QString, lines);
        QCOMPARE(enc.aesEncrypt(keyText, plain), oneLine);
        QCOMPARE(enc.aesEncryptLines(keyText, plain), lines);
        QCOMPARE(enc.aesDecrypt(keyText, oneLine), plain);
        QCOMPARE(enc.aesDecryptLines(keyText, lines), plain);
        // Fixed IV: the same input always gives the same text.
        QCOMPARE(enc.aesEncrypt(keyText, plain), enc.aesEncrypt(keyText, plain));
        // Upper-case hexadecimal is the same key.
        QCOMPARE(enc.aesEncrypt(keyText.toUpper(), plain), oneLine);
        QCOMPARE(enc.aesDecrypt(keyText.toUpper(), oneLine), plain);
    }

    void refusedArguments_data() {
        QTest::addColumn<QString>("keyText");
        QTest::addColumn<QString>("text");
        QTest::newRow("key 31") << key.left(31) << "hello";
        QTest::newRow("key 33") << key + "0"
                                << "hello";
        QTest::newRow("key empty") << QString() << "hello";
        QTest::newRow("text empty") << key << QString();
    }
    void refusedArguments() {
        QFETCH(QString, keyText);
        QFETCH(QString, text);
        const QString valid = enc.aesEncrypt(key, "hello");
        const QString validLines = enc.aesEncryptLines(key, "hello");
        const bool emptyText = text.isEmpty();
        QCOMPARE(enc.aesEncrypt(keyText, text), QString());
        QCOMPARE(enc.aesEncryptLines(keyText, text), QString());
        QCOMPARE(enc.aesDecrypt(keyText, emptyText ? text : valid), QString());
        QCOMPARE(enc.aesDecryptLines(keyText, emptyText ? text : validLines), QString());
    }

    // Cipher length follows the UTF-8 byte count: c = 16 * (n / 16 + 1).
    void lengths() {
        for (int n = 1; n <= 15; ++n) {
            const QString one = enc.aesEncrypt(key, asciiOfBytes(n));
            QCOMPARE(one.size(), 24);
            QVERIFY(one.endsWith("==") && !one.endsWith("==="));
            QCOMPARE(enc.aesEncryptLines(key, asciiOfBytes(n)), one + "\n");
        }
        const QString sixteen = enc.aesEncrypt(key, asciiOfBytes(16));
        QCOMPARE(sixteen.size(), 44);
        QVERIFY(sixteen.endsWith("=") && !sixteen.endsWith("=="));
        for (int n = 32; n <= 47; ++n) {
            const QString lines = enc.aesEncryptLines(key, asciiOfBytes(n));
            QCOMPARE(lines.size(), 65);
            QVERIFY(lines.endsWith("\n"));
            QVERIFY(!lines.contains('='));
            QCOMPARE(lines.count('\n'), 1);
        }
        // Six Chinese characters are 18 bytes: two blocks, not one.
        QCOMPARE(enc.aesEncrypt(key, QStringLiteral("一二三四五六")).size(), 44);
        // 48 bytes and more: every line 64 characters, each ending in "\n".
        const QString big = enc.aesEncryptLines(key, asciiOfBytes(1000));
        const QStringList rows = big.split('\n');
        QCOMPARE(rows.last(), QString());
        for (int i = 0; i < rows.size() - 2; ++i)
            QCOMPARE(rows.at(i).size(), 64);
        QVERIFY(!big.contains('\r'));
    }

    void roundTrips_data() {
        QTest::addColumn<QString>("plain");
        QTest::newRow("ascii") << "p@ssw0rd!";
        QTest::newRow("chinese") << QStringLiteral("岚匣密管：我的密码");
        QTest::newRow("emoji") << QStringLiteral("😀🔐🦊 key");
        QTest::newRow("json") << QStringLiteral("{\"a\":[1,2,3],\"b\":\"\\u0000\"}");
        // A byte-order mark is a character of the text wherever it stands
        // (some programs put one in front of what they copy).
        QTest::newRow("leading byte-order mark") << QStringLiteral("\uFEFFabc");
        QTest::newRow("doubled byte-order mark") << QStringLiteral("\uFEFF\uFEFFabc");
        QTest::newRow("trailing byte-order mark") << QStringLiteral("abc\uFEFF");
        QTest::newRow("only a byte-order mark") << QStringLiteral("\uFEFF");
        QTest::newRow("byte-order mark before chinese") << QStringLiteral("\uFEFF密码");
        QTest::newRow("byte-order mark before emoji") << QStringLiteral("\uFEFF😀");
        QTest::newRow("empty") << QString();
        QString big;
        QRandomGenerator rng(7);
        for (int i = 0; i < 100000; ++i)
            big.append(QChar(0x4e00 + rng.bounded(0x5000)));
        QTest::newRow("300 KB chinese") << big;
    }
    void roundTrips() {
        QFETCH(QString, plain);
        QCOMPARE(enc.aesDecrypt(key, enc.aesEncrypt(key, plain)), plain);
        QCOMPARE(enc.aesDecryptLines(key, enc.aesEncryptLines(key, plain)), plain);
        // The line decoder reads one-line text too.
        QCOMPARE(enc.aesDecryptLines(key, enc.aesEncrypt(key, plain)), plain);
    }

    // The stored form of a text with a byte-order mark is what it always
    // was, the text's UTF-8 bytes with the mark (EF BB BF), so texts written
    // by earlier versions now give the mark back. A lone surrogate, which
    // UTF-8 cannot hold, is written as "?".
    void byteOrderMarkStoredAsWritten() {
        const QString one = enc.aesEncrypt(key, QStringLiteral("\uFEFFabc"));
        QCOMPARE(decryptToBytes(key, QByteArray::fromBase64(one.toLatin1())),
                 QByteArray("\xEF\xBB\xBF"
                            "abc"));
        QString lone = QStringLiteral("x");
        lone.prepend(QChar(0xD800));
        QCOMPARE(enc.aesDecrypt(key, enc.aesEncrypt(key, lone)), QStringLiteral("?x"));
    }

    void lineEndsAndBlanks() {
        const QString plain = asciiOfBytes(200);
        const QString lines = enc.aesEncryptLines(key, plain);
        QVERIFY(lines.count('\n') > 2);
        QString crlf = lines;
        crlf.replace("\n", "\r\n");
        QCOMPARE(enc.aesDecryptLines(key, crlf), plain);
        // The one-line decoder takes no line breaks inside the text.
        QCOMPARE(enc.aesDecrypt(key, lines), QString());
        // But a trailing line end after the padding (as pasted) is fine.
        for (const char *tail : {"\n", "\r\n", " ", "\t\n"}) {
            for (const QString &p : {QStringLiteral("hello"), asciiOfBytes(16), asciiOfBytes(17)}) {
                const QString one = enc.aesEncrypt(key, p);
                QCOMPARE(enc.aesDecrypt(key, one + tail), p);
            }
        }
    }

    void damagedTexts() {
        const QString one = enc.aesEncrypt(key, "secret text");
        QCOMPARE(enc.aesDecrypt(md5("654321"), one), QString());
        QCOMPARE(enc.aesDecryptLines(md5("654321"), one + "\n"), QString());
        // Not Base64, wrong length, not a multiple of the block size.
        QCOMPARE(enc.aesDecrypt(key, "!!!!"), QString());
        QCOMPARE(enc.aesDecrypt(key, one.left(one.size() - 1)), QString());
        QCOMPARE(enc.aesDecrypt(key, "YWJj"), QString());
        QCOMPARE(enc.aesDecryptLines(key, "YWJj\n"), QString());
        // Non-ASCII where Base64 is expected: refused, no overrun.
        QCOMPARE(enc.aesDecrypt(key, QString(500, QChar(0x5bc6))), QString());
        QCOMPARE(enc.aesDecryptLines(key, QString(500, QChar(0x5bc6))), QString());
        QCOMPARE(enc.aesDecrypt(key, one + QStringLiteral("😀")), QString());
        // A key text of 32 characters that is not hexadecimal still is a key
        // (all zero bytes): it works, but differs from a real key.
        const QString zeroKey = QString(32, 'x');
        const QString z = enc.aesEncrypt(zeroKey, "abc");
        QVERIFY(!z.isEmpty());
        QCOMPARE(z, enc.aesEncrypt(QString(32, '0'), "abc"));
        QCOMPARE(enc.aesDecrypt(zeroKey, z), QStringLiteral("abc"));
    }

    // Cross-check with the openssl command line for a range of lengths.
    void matchesOpensslCli() {
        const QString openssl = QStandardPaths::findExecutable("openssl");
        if (openssl.isEmpty())
            QSKIP("openssl command line not installed");
        QRandomGenerator rng(42);
        // Up to and across the pieces that large texts are handled in.
        for (int n : {1, 15, 16, 17, 31, 47, 48, 49, 95, 96, 97, 500, 12287, 12288, 12289, 40000}) {
            QString plain;
            while (plain.toUtf8().size() < n)
                plain.append(rng.bounded(4) == 0 ? QChar(0x4e00 + rng.bounded(100))
                                                 : QChar('!' + rng.bounded(90)));
            const QString k = md5(QString::number(n));
            for (bool lines : {false, true}) {
                QProcess p;
                QStringList args{"enc", "-aes-128-cbc", "-K", k, "-iv", kIvHex, "-base64"};
                if (!lines)
                    args << "-A";
                p.start(openssl, args);
                p.write(plain.toUtf8());
                p.closeWriteChannel();
                QVERIFY(p.waitForFinished(waitLimit(30000)));
                QString expected = QString::fromLatin1(p.readAllStandardOutput());
                if (!lines)
                    expected = expected.trimmed();
                const QString ours =
                    lines ? enc.aesEncryptLines(k, plain) : enc.aesEncrypt(k, plain);
                QCOMPARE(ours, expected);
            }
        }
    }

    // Large cipher texts are decoded piece by piece; damage anywhere, at the
    // seams between pieces too, must be judged as the whole text would be.
    void largeTextsDecodeAsAWhole_data() {
        QTest::addColumn<bool>("lines");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("opens");
        QString plain;
        for (int i = 0; plain.size() < 40000; ++i)
            plain += QStringLiteral("entry %1 密码 😀, ").arg(i);
        m_largePlain = plain;
        const QString one = enc.aesEncrypt(key, plain);
        const QString lines = enc.aesEncryptLines(key, plain);
        const int seam = 16384; // Base64 characters per piece
        QVERIFY(one.size() > 3 * seam);
        auto at = [](QString t, int pos, const QString &insert, int remove = 0) {
            return t.replace(pos, remove, insert);
        };
        QTest::newRow("whole") << false << one << true;
        QTest::newRow("blanks and line end around") << false << " \t" + one + " \r\n-- " << true;
        QTest::newRow("blank at seam") << false << at(one, seam, " ") << false;
        QTest::newRow("four blanks at seam") << false << at(one, seam, "    ") << false;
        // 48 bytes' worth: a piece that skipped them would still decrypt.
        QTest::newRow("64 blanks at seam") << false << at(one, seam, QString(64, ' ')) << false;
        QTest::newRow("line end before seam") << false << at(one, seam - 1, "\n") << false;
        QTest::newRow("dashes ending a piece") << false << at(one, seam - 4, "----", 4) << false;
        QTest::newRow("padding group at seam") << false << at(one, seam, "====", 4) << false;
        QTest::newRow("non-ASCII in second piece") << false << at(one, seam + 7, "密", 1) << false;
        QTest::newRow("Latin-1 letter")
            << false << at(one, 3 * seam + 1, QStringLiteral("é"), 1) << false;
        QTest::newRow("one character less") << false << at(one, seam, QString(), 1) << false;
        QTest::newRow("cut at seam") << false << one.left(seam) << false;
        QTest::newRow("extra padding") << false << one + "=" << false;
        QTest::newRow("two texts") << false << one + "\n" + one << false;
        QTest::newRow("only blanks") << false << QStringLiteral("    ") << false;
        QTest::newRow("lines") << true << lines << true;
        QTest::newRow("lines with blanks inside") << true << at(lines, 5000, " \t ") << true;
        QTest::newRow("lines non-ASCII inside") << true << at(lines, 5000, "密") << false;
        QTest::newRow("lines Latin-1 inside")
            << true << at(lines, 7000, QStringLiteral("é")) << false;
        QTest::newRow("lines dash inside") << true << at(lines, 5000, "-") << false;
    }
    void largeTextsDecodeAsAWhole() {
        QFETCH(bool, lines);
        QFETCH(QString, text);
        QFETCH(bool, opens);
        const QString ours = lines ? enc.aesDecryptLines(key, text) : enc.aesDecrypt(key, text);
        QCOMPARE(ours, lines ? referenceDecryptLines(key, text) : referenceDecrypt(key, text));
        QCOMPARE(ours == m_largePlain, opens);
    }

private:
    QString m_largePlain;
};

QTEST_GUILESS_MAIN(TestEncryptor)
#include "tst_encryptor.moc"
