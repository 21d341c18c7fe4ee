#include "testlimits.h"
#include "vault/OPTClient.h"
#include "vault/OtpCore.h"
#include "vault/OtpParams.h"

#include <QDateTime>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QtTest>

namespace {

// "12345678901234567890" repeated to 20, 32 and 64 bytes, in Base32 without
// padding (RFC 4226 / RFC 6238 test secrets).
const char *const kSecret20 = "GEZDGNBVGY3TQOJQGEZDGNBVGY3TQOJQ";
const char *const kSecret32 = "GEZDGNBVGY3TQOJQGEZDGNBVGY3TQOJQGEZDGNBVGY3TQOJQGEZA";
const char *const kSecret64 = "GEZDGNBVGY3TQOJQGEZDGNBVGY3TQOJQGEZDGNBVGY3TQOJQGEZDGNBVGY3TQOJQ"
                              "GEZDGNBVGY3TQOJQGEZDGNBVGY3TQOJQGEZDGNA";

// A step so long that every run before 2033 falls into step 0, whose code is
// the RFC 4226 value for counter 0.
const QString kLongStepUrl =
    QStringLiteral("otpauth://totp/Alice?secret=%1&period=2000000000").arg(kSecret20);

OtpParams parsed(const QString &url, bool *ok = nullptr) {
    OtpParams p;
    initOtpParams(&p, OtpKind::Totp);
    const bool r = parseOtpAuthUrl(url.toUtf8(), &p);
    if (ok)
        *ok = r;
    return p;
}

QStringList ownMethods(const QMetaObject *mo) {
    QStringList out;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i)
        out << QString::fromLatin1(mo->method(i).methodSignature());
    return out;
}

} // namespace

class TestOtp : public QObject {
    Q_OBJECT

private slots:
    void rfc6238_data();
    void rfc6238();
    void rfc4226_data();
    void rfc4226();
    void sixDigitCodeAndExpire_data();
    void sixDigitCodeAndExpire();
    void base32_data();
    void base32();
    void hotpFailures_data();
    void hotpFailures();
    void parse_data();
    void parse();
    void secretSpellings_data();
    void secretSpellings();
    void nonTotpKindLeavesSecondsLeft();

    void metaObject();
    void signalsFollowTheCodeText();
    void lateParseFailureKeepsEarlierFields();
    void storedUrlThatFailsToParseShowsNoCode_data();
    void storedUrlThatFailsToParseShowsNoCode();
    void checkUrlTouchesNothing();
    void timerTicks();
    void buildUrl_data();
    void buildUrl();
};

void TestOtp::rfc6238_data() {
    QTest::addColumn<QString>("algorithm");
    QTest::addColumn<QString>("secret");
    QTest::addColumn<qint64>("t");
    QTest::addColumn<QString>("code");

    const struct {
        qint64 t;
        const char *sha1, *sha256, *sha512;
    } rows[] = {
        {59, "94287082", "46119246", "90693936"},
        {1111111109, "07081804", "68084774", "25091201"},
        {1111111111, "14050471", "67062674", "99943326"},
        {1234567890, "89005924", "91819424", "93441116"},
        {2000000000, "69279037", "90698825", "38618901"},
        {20000000000, "65353130", "77737706", "47863826"},
    };
    for (const auto &r : rows) {
        QTest::addRow("SHA1 %lld", r.t) << "SHA1" << kSecret20 << r.t << r.sha1;
        QTest::addRow("SHA256 %lld", r.t) << "SHA256" << kSecret32 << r.t << r.sha256;
        QTest::addRow("SHA512 %lld", r.t) << "SHA512" << kSecret64 << r.t << r.sha512;
    }
}

void TestOtp::rfc6238() {
    QFETCH(QString, algorithm);
    QFETCH(QString, secret);
    QFETCH(qint64, t);
    QFETCH(QString, code);
    bool ok = false;
    const OtpParams p = parsed(
        QStringLiteral("otpauth://totp/RFC?secret=%1&algorithm=%2&digits=8").arg(secret, algorithm),
        &ok);
    QVERIFY(ok);
    QCOMPARE(totpCode(p, t), code);
}

void TestOtp::rfc4226_data() {
    QTest::addColumn<qint64>("counter");
    QTest::addColumn<int>("value");
    const int values[] = {755224, 287082, 359152, 969429, 338314,
                          254676, 287922, 162583, 399871, 520489};
    for (int c = 0; c < 10; ++c)
        QTest::addRow("counter %d", c) << qint64(c) << values[c];
}

void TestOtp::rfc4226() {
    QFETCH(qint64, counter);
    QFETCH(int, value);
    QCOMPARE(hotpValue("SHA1", kSecret20, counter, 6), value);
}

void TestOtp::sixDigitCodeAndExpire_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<qint64>("t");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("expire");

    QTest::newRow("first step") << "" << qint64(0) << "755224" << 30;
    QTest::newRow("last second of step 1") << "" << qint64(59) << "287082" << 1;
    QTest::newRow("first second of step 2") << "" << qint64(60) << "359152" << 30;
    QTest::newRow("leading zero") << "" << qint64(1111111109) << "081804" << 1;
    QTest::newRow("two leading zeros") << "" << qint64(1234567890) << "005924" << 30;
    QTest::newRow("three leading zeros") << "" << qint64(44 * 30) << "000152" << 30;
    QTest::newRow("value 0") << "" << qint64(349495 * 30 + 7) << "000000" << 23;
    QTest::newRow("8 digits, leading zero") << "&digits=8" << qint64(1111111109) << "07081804" << 1;
    QTest::newRow("period 60") << "&period=60" << qint64(89) << "287082" << 31;
    // Unusable periods: no code and nothing left, instead of a division by 0.
    QTest::newRow("period 0") << "&period=0" << qint64(59) << "" << 0;
    QTest::newRow("period -30") << "&period=-30" << qint64(59) << "" << 0;
}

void TestOtp::sixDigitCodeAndExpire() {
    QFETCH(QString, query);
    QFETCH(qint64, t);
    QFETCH(QString, code);
    QFETCH(int, expire);
    bool ok = false;
    const OtpParams p =
        parsed(QStringLiteral("otpauth://totp/A?secret=%1%2").arg(kSecret20, query), &ok);
    QVERIFY(ok);
    int left = -99;
    QCOMPARE(totpCode(p, t, &left), code);
    QCOMPARE(left, expire);
}

void TestOtp::base32_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << QByteArray("") << 1024 << 0 << QByteArray();
    QTest::newRow("foo") << QByteArray("MZXW6") << 1024 << 3 << QByteArray("foo");
    QTest::newRow("lower case") << QByteArray("mzxw6") << 1024 << 3 << QByteArray("foo");
    QTest::newRow("blanks and dashes")
        << QByteArray(" MZ-XW\t6\r\n") << 1024 << 3 << QByteArray("foo");
    QTest::newRow("leftover bits dropped")
        << QByteArray("MZXW6Y") << 1024 << 3 << QByteArray("foo");
    QTest::newRow("0 1 8 read as O L B")
        << QByteArray("01801801") << 1024 << 5 << QByteArray::fromHex("72c2e585cb");
    QTest::newRow("cut at capacity") << QByteArray("MZXW6YQ") << 2 << 2 << QByteArray("fo");
    QTest::newRow("= padding") << QByteArray("MZXW6===") << 1024 << -1 << QByteArray();
    QTest::newRow("9") << QByteArray("MZXW9") << 1024 << -1 << QByteArray();
    QTest::newRow("percent") << QByteArray("MZ%20XW6") << 1024 << -1 << QByteArray();
}

void TestOtp::base32() {
    QFETCH(QByteArray, text);
    QFETCH(int, capacity);
    QFETCH(int, result);
    QFETCH(QByteArray, bytes);
    unsigned char out[1024] = {};
    QCOMPARE(base32Decode(text.constData(), out, capacity), result);
    if (result >= 0)
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(out), result), bytes);
    // Nothing is written beyond the capacity.
    QCOMPARE(out[capacity < 1024 ? capacity : 1023], (unsigned char)0);
}

void TestOtp::hotpFailures_data() {
    QTest::addColumn<QByteArray>("algorithm");
    QTest::addColumn<QByteArray>("secret");
    QTest::addColumn<int>("digits");

    QTest::newRow("0 digits") << QByteArray("SHA1") << QByteArray(kSecret20) << 0;
    QTest::newRow("9 digits") << QByteArray("SHA1") << QByteArray(kSecret20) << 9;
    QTest::newRow("10 digits") << QByteArray("SHA1") << QByteArray(kSecret20) << 10;
    QTest::newRow("empty secret") << QByteArray("SHA1") << QByteArray() << 6;
    QTest::newRow("secret under one byte") << QByteArray("SHA1") << QByteArray("G") << 6;
    QTest::newRow("bad character") << QByteArray("SHA1") << QByteArray("GEZD=") << 6;
    QTest::newRow("MD5") << QByteArray("MD5") << QByteArray(kSecret20) << 6;
}

void TestOtp::hotpFailures() {
    QFETCH(QByteArray, algorithm);
    QFETCH(QByteArray, secret);
    QFETCH(int, digits);
    QCOMPARE(hotpValue(algorithm, secret, 1, digits), -1);
}

void TestOtp::parse_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("parses");
    QTest::addColumn<bool>("usable"); // checkUrl
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("issuer");
    QTest::addColumn<QString>("algorithm");
    QTest::addColumn<int>("digits");
    QTest::addColumn<int>("period");

    const QString s = QString::fromLatin1(kSecret20);
    auto row = [&](const char *name, const QString &url, bool parses, bool usable,
                   const QString &label = QString(), const QString &issuer = QString(),
                   const QString &algorithm = QStringLiteral("SHA1"), int digits = 6,
                   int period = 30) {
        QTest::newRow(name) << url << parses << usable << label << issuer << algorithm << digits
                            << period;
    };
    const QString base = QStringLiteral("otpauth://totp/Alice?secret=") + s;

    row("plain", base, true, true, "Alice");
    row("scheme and host upper case", "OTPAUTH://TOTP/Alice?secret=" + s, true, true, "Alice");
    row("hotp", "otpauth://hotp/Alice?secret=" + s + "&counter=1", false, false);
    row("other scheme", "https://totp/Alice?secret=" + s, false, false);
    row("no query", "otpauth://totp/Alice", false, false);
    row("empty secret", "otpauth://totp/Alice?secret=&issuer=Acme", false, false);
    row("missing secret", "otpauth://totp/Alice?issuer=Acme", false, false);
    row("empty label", "otpauth://totp/?secret=" + s, false, false);
    row("label decoded, colon kept",
        "otpauth://totp/Acme:alice%40example.com?secret=" + s + "&issuer=Acme", true, true,
        "Acme:alice@example.com", "Acme");
    row("label after last slash", "otpauth://totp/Acme/alice?secret=" + s, true, true, "alice");
    row("encoded slash kept in the label", "otpauth://totp/Acme%2Falice?secret=" + s, true, true,
        "Acme/alice");
    row("unencoded blanks, as stored before", "otpauth://totp/Acme: alice?secret=GEZD GNBV", true,
        true, "Acme: alice");
    row("fragment breaks the query", "otpauth://totp/a#b?secret=" + s, false, false);
    row("algorithm sha256 kept as written", base + "&algorithm=sha256", true, true, "Alice",
        QString(), "sha256");
    row("algorithm SHA512", base + "&algorithm=SHA512", true, true, "Alice", QString(), "SHA512");
    row("algorithm MD5", base + "&algorithm=MD5", false, false, "Alice");
    row("algorithm empty", base + "&algorithm=", true, true, "Alice");
    row("digits 8", base + "&digits=8", true, true, "Alice", QString(), "SHA1", 8);
    row("digits 10", base + "&digits=10", true, false, "Alice", QString(), "SHA1", 10);
    row("digits 0", base + "&digits=0", true, false, "Alice", QString(), "SHA1", 0);
    row("digits letters", base + "&digits=six", false, false, "Alice");
    row("digits empty", base + "&digits=", false, false, "Alice");
    row("period 60", base + "&period=60", true, true, "Alice", QString(), "SHA1", 6, 60);
    row("period letters", base + "&period=abc", false, false, "Alice");
    row("period 0", base + "&period=0", true, false, "Alice", QString(), "SHA1", 6, 0);
    row("period negative", base + "&period=-30", true, false, "Alice", QString(), "SHA1", 6, -30);
    row("secret with =", "otpauth://totp/Alice?secret=GEZDGNBV====", true, false, "Alice");
    row("secret with 9", "otpauth://totp/Alice?secret=GEZDGNB9", true, false, "Alice");
}

void TestOtp::parse() {
    QFETCH(QString, url);
    QFETCH(bool, parses);
    QFETCH(bool, usable);
    QFETCH(QString, label);
    QFETCH(QString, issuer);
    QFETCH(QString, algorithm);
    QFETCH(int, digits);
    QFETCH(int, period);

    bool ok = false;
    const OtpParams p = parsed(url, &ok);
    QCOMPARE(ok, parses);
    QCOMPARE(QString::fromUtf8(p.label), label);
    QCOMPARE(QString::fromUtf8(p.issuer), issuer);
    QCOMPARE(QString::fromUtf8(p.algorithm), algorithm);
    QCOMPARE(p.digits, digits);
    QCOMPARE(p.period, period);
    OPTClient client;
    QCOMPARE(client.checkUrl(url), usable);
}

void TestOtp::secretSpellings_data() {
    QTest::addColumn<QString>("secret");
    QTest::newRow("lower case") << "gezdgnbvgy3tqojqgezdgnbvgy3tqojq";
    QTest::newRow("encoded blanks") << "GEZD%20GNBV%20GY3T%20QOJQ%20GEZD%20GNBV%20GY3T%20QOJQ";
    QTest::newRow("raw blanks") << "gezd gnbv gy3t qojq gezd gnbv gy3t qojq";
    QTest::newRow("dashes") << "GEZD-GNBV-GY3T-QOJQ-GEZD-GNBV-GY3T-QOJQ";
    QTest::newRow("0 for O") << "GEZDGNBVGY3TQ0JQGEZDGNBVGY3TQ0JQ";
}

void TestOtp::secretSpellings() {
    QFETCH(QString, secret);
    const OtpParams clean = parsed(QStringLiteral("otpauth://totp/A?secret=%1").arg(kSecret20));
    bool ok = false;
    const OtpParams p = parsed(QStringLiteral("otpauth://totp/A?secret=%1").arg(secret), &ok);
    QVERIFY(ok);
    for (qint64 t : {qint64(59), qint64(1234567890)}) {
        QVERIFY(!totpCode(clean, t).isEmpty());
        QCOMPARE(totpCode(p, t), totpCode(clean, t));
    }
}

void TestOtp::nonTotpKindLeavesSecondsLeft() {
    OtpParams p;
    initOtpParams(&p, OtpKind::Hotp);
    p.secret = kSecret20;
    p.period = 30;
    int left = -7;
    QCOMPARE(totpCode(p, 59, &left), QString());
    QCOMPARE(left, -7);
    const OtpParams blank; // as a fresh OPTClient holds it
    QCOMPARE(totpCode(blank, 59, &left), QString());
    QCOMPARE(left, -7);
}

void TestOtp::metaObject() {
    const QMetaObject *mo = &OPTClient::staticMetaObject;
    QCOMPARE(ownMethods(mo),
             QStringList({"urlChanged()", "expireChanged()", "codeChanged()", "updateCode()",
                          "checkUrl(QString)", "buildUrl(QString,QString)", "start()", "stop()"}));
    QCOMPARE(mo->method(mo->indexOfMethod("updateCode()")).access(), QMetaMethod::Private);

    QStringList props;
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        props << QStringLiteral("%1 %2 %3 %4")
                     .arg(QString::fromLatin1(p.typeName()), QString::fromLatin1(p.name()),
                          p.isWritable() ? "rw" : "r",
                          p.hasNotifySignal() ? QString::fromLatin1(p.notifySignal().name())
                                              : QStringLiteral("-"));
    }
    // The fields read from the URL are announced with it.
    QCOMPARE(props, QStringList({"QString url rw urlChanged", "QString label r urlChanged",
                                 "QString secret r urlChanged", "QString issuer r urlChanged",
                                 "int period r urlChanged", "int expire r expireChanged",
                                 "QString code r codeChanged"}));
}

void TestOtp::signalsFollowTheCodeText() {
    OPTClient client;
    QSignalSpy urlSpy(&client, &OPTClient::urlChanged);
    QSignalSpy codeSpy(&client, &OPTClient::codeChanged);
    QSignalSpy expireSpy(&client, &OPTClient::expireChanged);
    auto tick = [&] { QVERIFY(QMetaObject::invokeMethod(&client, "updateCode")); };

    client.setUrl(kLongStepUrl);
    client.setUrl(kLongStepUrl);
    QCOMPARE(urlSpy.count(), 2);
    QCOMPARE(codeSpy.count(), 0); // assigning does not compute
    QCOMPARE(client.code(), QString());
    QCOMPARE(client.period(), 2000000000);

    const qint64 before = QDateTime::currentSecsSinceEpoch();
    client.start();
    const qint64 after = QDateTime::currentSecsSinceEpoch();
    client.stop();
    QCOMPARE(client.code(), QStringLiteral("755224"));
    QVERIFY(client.expire() <= 2000000000 - before && client.expire() >= 2000000000 - after);
    QCOMPARE(codeSpy.count(), 1);
    QCOMPARE(expireSpy.count(), 1);

    // Same step: expire is announced every time, the code only once.
    client.start();
    client.stop();
    tick();
    QCOMPARE(codeSpy.count(), 1);
    QCOMPARE(expireSpy.count(), 3);
    QCOMPARE(client.code(), QStringLiteral("755224")); // kept after stop

    // A new URL is picked up by the next computation, not by the assignment.
    client.setUrl(kLongStepUrl + QStringLiteral("&digits=8"));
    QCOMPARE(client.code(), QStringLiteral("755224"));
    tick();
    QCOMPARE(client.code(), QStringLiteral("84755224"));
    QCOMPARE(codeSpy.count(), 2);

    // An unusable secret empties the code; expire keeps counting.
    client.setUrl(QStringLiteral("otpauth://totp/A?secret=GEZD9&period=2000000000"));
    tick();
    QCOMPARE(client.code(), QString());
    QVERIFY(client.expire() > 0);
    QCOMPARE(codeSpy.count(), 3);
    QCOMPARE(expireSpy.count(), 5);

    // A period of 0: still no code (no change signal), and nothing left.
    client.setUrl(QStringLiteral("otpauth://totp/A?secret=%1&period=0").arg(kSecret20));
    tick();
    QCOMPARE(client.code(), QString());
    QCOMPARE(client.expire(), 0);
    QCOMPARE(codeSpy.count(), 3);
    QCOMPARE(expireSpy.count(), 6);
}

void TestOtp::lateParseFailureKeepsEarlierFields() {
    OPTClient client;
    const QString url = kLongStepUrl + QStringLiteral("&issuer=Acme&digits=x");
    client.setUrl(url);
    QCOMPARE(client.label(), QStringLiteral("Alice"));
    QCOMPARE(client.secret(), QString::fromLatin1(kSecret20));
    QCOMPARE(client.issuer(), QStringLiteral("Acme"));
    // Checks after the failed one are not read: the default period of 30 s
    // (the URL's own period comes after its digits).
    QCOMPARE(client.period(), 30);
    QVERIFY(!client.checkUrl(url));

    // The next assignment starts from a fresh record.
    client.setUrl(QStringLiteral("otpauth://totp/Bob?secret=GEZDGNBV"));
    QCOMPARE(client.issuer(), QString());
    QCOMPARE(client.period(), 30);
}

// A stored URL whose algorithm, digits or period is unreadable has no code,
// as an unusable secret has none, instead of one made with the defaults.
void TestOtp::storedUrlThatFailsToParseShowsNoCode_data() {
    QTest::addColumn<QString>("query");
    QTest::newRow("algorithm MD5") << "&algorithm=MD5";
    QTest::newRow("digits not a number") << "&digits=x";
    QTest::newRow("period not a number") << "&period=30s";
}

void TestOtp::storedUrlThatFailsToParseShowsNoCode() {
    QFETCH(QString, query);
    OPTClient client;
    client.setUrl(kLongStepUrl);
    client.start();
    QCOMPARE(client.code(), QStringLiteral("755224"));
    QSignalSpy codeSpy(&client, &OPTClient::codeChanged);
    client.setUrl(QStringLiteral("otpauth://totp/Alice?secret=%1%2").arg(kSecret20, query));
    QVERIFY(QMetaObject::invokeMethod(&client, "updateCode"));
    client.stop();
    QCOMPARE(client.code(), QString());
    QCOMPARE(codeSpy.count(), 1);
    QCOMPARE(client.label(), QStringLiteral("Alice"));
    QVERIFY(client.expire() > 0);
    // The next usable URL has its code again.
    client.setUrl(kLongStepUrl);
    client.start();
    client.stop();
    QCOMPARE(client.code(), QStringLiteral("755224"));
}

void TestOtp::checkUrlTouchesNothing() {
    OPTClient client;
    client.setUrl(kLongStepUrl);
    client.start();
    client.stop();
    const int expire = client.expire();
    QSignalSpy urlSpy(&client, &OPTClient::urlChanged);
    QSignalSpy codeSpy(&client, &OPTClient::codeChanged);
    QSignalSpy expireSpy(&client, &OPTClient::expireChanged);

    QVERIFY(client.checkUrl(QStringLiteral("otpauth://totp/Bob?secret=GEZDGNBV&digits=8")));
    QVERIFY(!client.checkUrl(QStringLiteral("otpauth://totp/Bob?secret=GEZDGNBV&period=0")));
    QCOMPARE(client.url(), kLongStepUrl);
    QCOMPARE(client.label(), QStringLiteral("Alice"));
    QCOMPARE(client.period(), 2000000000);
    QCOMPARE(client.code(), QStringLiteral("755224"));
    QCOMPARE(client.expire(), expire);
    QCOMPARE(urlSpy.count() + codeSpy.count() + expireSpy.count(), 0);
}

void TestOtp::timerTicks() {
    OPTClient client;
    client.setUrl(kLongStepUrl);
    QSignalSpy expireSpy(&client, &OPTClient::expireChanged);
    client.start();
    QCOMPARE(expireSpy.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(expireSpy.count() >= 2, waitLimit(5000));
    client.stop();
}

void TestOtp::buildUrl_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("secret");
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("usable"); // checkUrl of the built URL

    auto row = [](const char *name, const QString &label, const QString &secret, const QString &url,
                  bool usable) { QTest::newRow(name) << label << secret << url << usable; };
    row("empty label", "", "GEZDGNBV", "", false);
    row("empty secret", "Alice", "", "", false);
    row("both empty", "", "", "", false);
    row("minimal", "Alice", "GEZDGNBV", "otpauth://totp/Alice?secret=GEZDGNBV", true);
    row("issuer prefix kept readable", "Acme:alice@example.com", "GEZDGNBV",
        "otpauth://totp/Acme:alice@example.com?secret=GEZDGNBV", true);
    row("slash", "me/work", "GEZDGNBV", "otpauth://totp/me%2Fwork?secret=GEZDGNBV", true);
    row("question mark", "a?b", "GEZDGNBV", "otpauth://totp/a%3Fb?secret=GEZDGNBV", true);
    row("hash", "x#y", "GEZDGNBV", "otpauth://totp/x%23y?secret=GEZDGNBV", true);
    row("ampersand", "a&b", "GEZDGNBV", "otpauth://totp/a%26b?secret=GEZDGNBV", true);
    row("percent signs", "a%2b%1", "GEZDGNBV", "otpauth://totp/a%252b%251?secret=GEZDGNBV", true);
    row("blank and CJK", QStringLiteral("张 三"), "GEZDGNBV",
        "otpauth://totp/%E5%BC%A0%20%E4%B8%89?secret=GEZDGNBV", true);
    row("secret with blanks and dashes", "Alice", "gezd gnbv-gy3t",
        "otpauth://totp/Alice?secret=gezd%20gnbv-gy3t", true);
    // Such secrets were cut at the character and accepted, with wrong codes.
    row("secret with hash", "Alice", "JBSWY3DP#EHPK3PXP",
        "otpauth://totp/Alice?secret=JBSWY3DP%23EHPK3PXP", false);
    row("secret with ampersand", "Alice", "JBSWY3DP&x=1",
        "otpauth://totp/Alice?secret=JBSWY3DP%26x%3D1", false);
}

void TestOtp::buildUrl() {
    QFETCH(QString, label);
    QFETCH(QString, secret);
    QFETCH(QString, url);
    QFETCH(bool, usable);
    OPTClient client;
    QCOMPARE(client.buildUrl(label, secret), url);
    if (url.isEmpty())
        return;
    QCOMPARE(client.checkUrl(url), usable);
    if (!usable)
        return;
    // The label and the secret come back whole, and the codes are those of
    // the secret as it was written into URLs before it was encoded.
    client.setUrl(url);
    QCOMPARE(client.label(), label);
    QCOMPARE(client.secret(), secret);
    const OtpParams before = parsed(QStringLiteral("otpauth://totp/A?secret=") + secret);
    const OtpParams built = parsed(url);
    for (qint64 t : {qint64(59), qint64(1234567890)}) {
        QVERIFY(!totpCode(built, t).isEmpty());
        QCOMPARE(totpCode(built, t), totpCode(before, t));
    }
}

QTEST_GUILESS_MAIN(TestOtp)

#include "tst_otp.moc"
