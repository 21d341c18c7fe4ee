// The payment bridges' hold on their PhoneNotify channels: a request cuts
// off every receiver of the channel (and logs whether there was one), the
// answer reaches the requester before the request returns, and only the
// object that asked last hears the channel.

#include "platform/Alipay.h"
#include "platform/IAPpay.h"
#include "platform/Weipay.h"
#include "services/PhoneNotify.h"

#include <QScopedPointer>
#include <QSignalSpy>
#include <QtTest>

namespace {

QStringList g_log;

void captureMessages(QtMsgType, const QMessageLogContext &, const QString &message) {
    g_log.append(message);
}

enum Kind { WeipayPay, AlipayPay, IAPpayPay, IAPpayProducts };

QObject *makeBridge(Kind kind) {
    switch (kind) {
    case WeipayPay:
        return new Weipay;
    case AlipayPay:
        return new Alipay;
    default:
        return new IAPpay;
    }
}

bool request(Kind kind, QObject *bridge, const QString &text) {
    switch (kind) {
    case WeipayPay:
        return static_cast<Weipay *>(bridge)->requestPay(text);
    case AlipayPay:
        return static_cast<Alipay *>(bridge)->requestPay(text);
    case IAPpayPay:
        return static_cast<IAPpay *>(bridge)->requestPay(text);
    default:
        return static_cast<IAPpay *>(bridge)->requestProducts(text);
    }
}

const char *answerSignal(Kind kind) {
    return kind == IAPpayProducts ? SIGNAL(productsResponsed(int, QString))
                                  : SIGNAL(payResponsed(int, QString));
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestPayBridges : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qInstallMessageHandler(captureMessages); }
    void cleanupTestCase() { qInstallMessageHandler(nullptr); }

    void lastRequesterHearsTheChannel_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("channel");
        QTest::newRow("Weipay.requestPay") << WeipayPay << "weipayPayResponsed";
        QTest::newRow("Alipay.requestPay") << AlipayPay << "alipayPayResponsed";
        QTest::newRow("IAPpay.requestPay") << IAPpayPay << "iappayPayResponsed";
        QTest::newRow("IAPpay.requestProducts") << IAPpayProducts << "iappayProductsResponsed";
    }
    // Each row is the first use of its channel in this process.
    void lastRequesterHearsTheChannel() {
        QFETCH(Kind, kind);
        QFETCH(QString, channel);
        const QString removed = "disconnect " + channel + " is true";
        const QString none = "disconnect " + channel + " is false";

        QScopedPointer<QObject> first(makeBridge(kind));
        QSignalSpy firstHeard(first.data(), answerSignal(kind));
        g_log.clear();
        QVERIFY(request(kind, first.data(), "{\"error\":0}"));
        QCOMPARE(firstHeard.count(), 1); // before the request returned
        QCOMPARE(firstHeard.at(0), (QVariantList{0, QString()}));
        QVERIFY2(g_log.contains(none), qPrintable(g_log.join('\n')));

        // A second object takes the channel over; the first hears no more.
        QScopedPointer<QObject> second(makeBridge(kind));
        QSignalSpy secondHeard(second.data(), answerSignal(kind));
        g_log.clear();
        QVERIFY(request(kind, second.data(), "second"));
        QCOMPARE(firstHeard.count(), 1);
        QCOMPARE(secondHeard.count(), 1);
        QVERIFY2(g_log.contains(removed), qPrintable(g_log.join('\n')));

        // Any other listener of the hub is cut off as well.
        const QByteArray hubSignal = "2" + channel.toLatin1() + "(int,QString)";
        QSignalSpy hubListener(PhoneNotify::instance(), hubSignal.constData());
        QVERIFY(hubListener.isValid());
        QVERIFY(request(kind, first.data(), "again"));
        QCOMPARE(firstHeard.count(), 2);
        QCOMPARE(secondHeard.count(), 1);
        QCOMPARE(hubListener.count(), 0);

        // The requester is gone: nothing is left to cut off.
        first.reset();
        g_log.clear();
        QScopedPointer<QObject> third(makeBridge(kind));
        QVERIFY(request(kind, third.data(), "third"));
        QVERIFY2(g_log.contains(none), qPrintable(g_log.join('\n')));
        QCOMPARE(secondHeard.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPayBridges)

#include "tst_paybridges.moc"
