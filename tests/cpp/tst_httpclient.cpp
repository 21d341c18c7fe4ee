// HttpClient against HTTP and HTTPS servers on 127.0.0.1 that the test starts
// itself (tests/cpp/httptestserver.py, with a CA made for this run).

#include "app/AppSetup.h"
#include "testlimits.h"
#include "vault/HttpClient.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>
#include <curl/curl.h>
#include <memory>

namespace {

struct Outcome {
    int requested = 0;
    int responsed = 0;
    int curlerr = -1;
    QString respstr;
};

// Tighter bounds for one transfer (0: the client's own).
struct Limits {
    qint64 bodyBytes = 0;
    qint64 timeMs = 0;
};

// Runs one transfer to its end: the thread has finished and every signal it
// sent has been delivered.
void runTransfer(Outcome &out, const QString &url, const QString &method, int timeoutMs,
                 Limits limits) {
    HttpClient client;
    client.setBodyLimit(limits.bodyBytes);
    client.setTimeLimitMs(limits.timeMs);
    QSignalSpy requested(&client, &HttpClient::requested);
    QSignalSpy responsed(&client, &HttpClient::responsed);
    client.setUrl(url);
    client.setMethod(method);
    QVERIFY(client.request());
    QTRY_VERIFY_WITH_TIMEOUT(client.isFinished(), timeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(responsed.count(), 1, waitLimit());
    QCoreApplication::processEvents();
    out.requested = requested.count();
    out.responsed = responsed.count();
    out.curlerr = responsed.first().at(0).toInt();
    out.respstr = responsed.first().at(1).toString();
}

Outcome transfer(const QString &url, const QString &method = QStringLiteral("GET"),
                 int timeoutMs = waitLimit(20000), Limits limits = Limits()) {
    Outcome out;
    runTransfer(out, url, method, timeoutMs, limits);
    return out;
}

// A figure of this process from /proc/self/status, in bytes ("VmRSS",
// "VmHWM"); -1 when it cannot be read.
qint64 statusBytes(const char *key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix)) {
            // "VmHWM:\t  123456 kB"
            return line.mid(prefix.size()).trimmed().split(' ').first().toLongLong() * 1024;
        }
    }
    return -1;
}

// Starts a new peak for VmHWM (Linux: clear_refs 5); false when refused.
bool resetPeakMemory() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

// A client whose thread, having delivered its answer, takes a while to end.
class SlowEndingClient : public HttpClient {
public:
    explicit SlowEndingClient(int endDelayMs) : m_endDelayMs(endDelayMs) {}

protected:
    void run() override {
        HttpClient::run();
        if (m_endDelayMs > 0)
            QThread::msleep(static_cast<unsigned long>(m_endDelayMs));
    }

private:
    int m_endDelayMs;
};

} // namespace

class TstHttpClient : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_server;
    QJsonObject m_ports;
    QString m_caFile;

    // The URL of rest on one of the servers ("http", "https", ...).
    QString url(const QString &server, const QString &rest) const {
        return QStringLiteral("%1://127.0.0.1:%2%3")
            .arg(server == QLatin1String("http") ? server : QStringLiteral("https"))
            .arg(m_ports.value(server).toInt())
            .arg(rest);
    }
    int hits(const QString &path) {
        const Outcome out = transfer(url("http", QStringLiteral("/hits")));
        return QJsonDocument::fromJson(out.respstr.toUtf8()).object().value(path).toInt();
    }

private slots:
    void initTestCase() {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        qunsetenv(HttpClient::extraCaEnvName());
        QVERIFY(m_dir.isValid());
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        QVERIFY(!python.isEmpty());
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(python, {QStringLiteral(KEYLOFT_SOURCE_DIR "/tests/cpp/httptestserver.py"),
                                m_dir.path()});
        QVERIFY(m_server.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(m_server.canReadLine() || m_server.state() == QProcess::NotRunning,
                                 waitLimit(30000));
        m_ports = QJsonDocument::fromJson(m_server.readLine()).object();
        m_caFile = m_ports.value(QLatin1String("caFile")).toString();
        QVERIFY(!m_caFile.isEmpty());
    }

    void cleanupTestCase() {
        m_server.closeWriteChannel();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }

    void cleanup() { qunsetenv(HttpClient::extraCaEnvName()); }

    void defaults() {
        HttpClient client;
        QCOMPARE(client.url(), QString());
        QCOMPARE(client.method(), QStringLiteral("GET"));
        QCOMPARE(client.bodyLimit(), HttpClient::maxBodyBytes);
        QCOMPARE(client.timeLimitMs(), HttpClient::maxTransferMs);
        QSignalSpy urlChanged(&client, &HttpClient::urlChanged);
        QSignalSpy methodChanged(&client, &HttpClient::methodChanged);
        client.setUrl(QString());
        client.setMethod(QStringLiteral("GET"));
        QCOMPARE(urlChanged.count(), 1);
        QCOMPARE(methodChanged.count(), 1);
    }

    void results_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("curlerr");
        QTest::addColumn<QString>("respstr");
        QTest::newRow("200") << url("http", "/ok") << 0 << QStringLiteral("hello 岚匣");
        QTest::newRow("404 gives 22 and no body") << url("http", "/notfound") << 22 << QString();
        QTest::newRow("not UTF-8") << url("http", "/latin1") << 0
                                   << QStringLiteral("caf") + QChar(0xfffd) + QStringLiteral("!");
    }
    void results() {
        QFETCH(QString, target);
        QFETCH(int, curlerr);
        QFETCH(QString, respstr);
        const Outcome out = transfer(target);
        QCOMPARE(out.requested, 1);
        QCOMPARE(out.responsed, 1);
        QCOMPARE(out.curlerr, curlerr);
        QCOMPARE(out.respstr, respstr);
    }

    void closedPort() {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();
        const Outcome out = transfer(QStringLiteral("http://127.0.0.1:%1/ok").arg(port));
        QCOMPARE(out.curlerr, 7);
        QCOMPARE(out.respstr, QString());
    }

    // What reaches the server for each method and form of the URL.
    void methodsAndQuery_data() {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("rest");
        QTest::addColumn<QString>("sentMethod");
        QTest::addColumn<QString>("sentQuery");
        QTest::addColumn<QString>("sentBody");
        QTest::addColumn<QString>("contentType");
        const QString form = QStringLiteral("application/x-www-form-urlencoded");
        QTest::newRow("GET keeps the query") << "GET"
                                             << "/echo?a=1&b=%3F"
                                             << "GET"
                                             << "a=1&b=%3F"
                                             << ""
                                             << "";
        QTest::newRow("POST moves the query into the body") << "POST"
                                                            << "/echo?a=1&text=%E5%B2%9A"
                                                            << "POST"
                                                            << ""
                                                            << "a=1&text=%E5%B2%9A" << form;
        QTest::newRow("POST splits at the first ?") << "POST"
                                                    << "/echo?a=1?b=2?"
                                                    << "POST"
                                                    << ""
                                                    << "a=1?b=2?" << form;
        QTest::newRow("POST without ? is a GET") << "POST"
                                                 << "/echo"
                                                 << "GET"
                                                 << ""
                                                 << ""
                                                 << "";
        QTest::newRow("POST ending in ? is a GET") << "POST"
                                                   << "/echo?"
                                                   << "GET"
                                                   << ""
                                                   << ""
                                                   << "";
    }
    void methodsAndQuery() {
        QFETCH(QString, method);
        QFETCH(QString, rest);
        const Outcome out = transfer(url("http", rest), method);
        QCOMPARE(out.curlerr, 0);
        const QJsonObject echo = QJsonDocument::fromJson(out.respstr.toUtf8()).object();
        QFETCH(QString, sentMethod);
        QCOMPARE(echo.value("method").toString(), sentMethod);
        QFETCH(QString, sentQuery);
        QFETCH(QString, sentBody);
        QFETCH(QString, contentType);
        QCOMPARE(echo.value("path").toString(), QStringLiteral("/echo"));
        QCOMPARE(echo.value("query").toString(), sentQuery);
        QCOMPARE(echo.value("body").toString(), sentBody);
        QCOMPARE(echo.value("contentType").toString(), contentType);
    }

    void unknownMethodSendsNothing_data() {
        QTest::addColumn<QString>("method");
        QTest::newRow("lower case") << "get";
        QTest::newRow("mixed case") << "Post";
        QTest::newRow("other") << "PUT";
        QTest::newRow("empty") << "";
    }
    // Refused at once, with no signal and nothing sent; the client is not
    // left waiting for an answer that cannot come.
    void unknownMethodSendsNothing() {
        QFETCH(QString, method);
        const int before = hits(QStringLiteral("/echo"));
        HttpClient client;
        QSignalSpy requested(&client, &HttpClient::requested);
        QSignalSpy responsed(&client, &HttpClient::responsed);
        client.setUrl(url("http", "/echo?x=1"));
        client.setMethod(method);
        QVERIFY(!client.request());
        QVERIFY(!client.isRunning());
        QCoreApplication::processEvents();
        QCOMPARE(requested.count(), 0);
        QCOMPARE(responsed.count(), 0);
        QCOMPARE(hits(QStringLiteral("/echo")), before);

        client.setMethod(QStringLiteral("GET"));
        QVERIFY(client.request());
        QTRY_COMPARE_WITH_TIMEOUT(responsed.count(), 1, waitLimit(20000));
        QCOMPARE(responsed.first().at(0).toInt(), 0);
        QCOMPARE(hits(QStringLiteral("/echo")), before + 1);
    }

    // A transfer thread that cannot be created (here: a stack size the
    // system refuses) is reported by request() and leaves the client
    // ready for the next request.
    void threadThatCannotStart() {
        HttpClient client;
        QSignalSpy responsed(&client, &HttpClient::responsed);
        client.setUrl(url("http", "/ok"));
        client.setStackSize(1);
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^QThread::start")));
        QTest::ignoreMessage(QtWarningMsg, "HttpClient: the transfer thread could not be started.");
        QVERIFY(!client.request());
        QCoreApplication::processEvents();
        QCOMPARE(responsed.count(), 0);

        client.setStackSize(0);
        QVERIFY(client.request());
        QTRY_COMPARE_WITH_TIMEOUT(responsed.count(), 1, waitLimit(20000));
        QCOMPARE(responsed.first().at(1).toString(), QStringLiteral("hello 岚匣"));
    }

    // The bounds can only be tightened: nothing set on a client loosens
    // them beyond the program's own.
    void limitsOnlyTighten_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<bool>("kept");
        QTest::newRow("tighter") << qint64(1000) << true;
        QTest::newRow("zero") << qint64(0) << false;
        QTest::newRow("negative") << qint64(-5) << false;
        QTest::newRow("looser") << qint64(HttpClient::maxBodyBytes) * 4 << false;
    }
    void limitsOnlyTighten() {
        QFETCH(qint64, value);
        QFETCH(bool, kept);
        HttpClient client;
        client.setBodyLimit(value);
        client.setTimeLimitMs(value);
        QCOMPARE(client.bodyLimit(), kept ? value : HttpClient::maxBodyBytes);
        QCOMPARE(client.timeLimitMs(), kept ? value : HttpClient::maxTransferMs);
    }

    // An answer beyond the size bound ends as a failed transfer of its own
    // code, with no body, whether or not it says its length first; one of
    // exactly the bound arrives whole.
    void sizeBound_data() {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<bool>("declared");
        QTest::addColumn<int>("curlerr");
        QTest::newRow("at the bound") << 100000 << false << 0;
        QTest::newRow("at the bound, length given") << 100000 << true << 0;
        QTest::newRow("one byte more") << 100001 << false << int(CURLE_FILESIZE_EXCEEDED);
        QTest::newRow("one byte more, length given")
            << 100001 << true << int(CURLE_FILESIZE_EXCEEDED);
    }
    void sizeBound() {
        QFETCH(int, bytes);
        QFETCH(bool, declared);
        QFETCH(int, curlerr);
        Limits limits;
        limits.bodyBytes = 100000;
        const Outcome out = transfer(
            url("http",
                QStringLiteral("/sized?bytes=%1&declared=%2").arg(bytes).arg(declared ? 1 : 0)),
            QStringLiteral("GET"), waitLimit(20000), limits);
        QCOMPARE(out.curlerr, curlerr);
        QCOMPARE(out.respstr, curlerr == 0 ? QString(bytes, QLatin1Char('a')) : QString());
    }

    // A body without end, with the program's own bound: the transfer ends
    // there, and the process never holds much more than the bound.
    void endlessBodyMemory() {
        const bool peakReset = resetPeakMemory();
        const qint64 before = statusBytes(peakReset ? "VmHWM" : "VmRSS");
        QVERIFY(before > 0);
        QElapsedTimer timer;
        timer.start();
        const Outcome out =
            transfer(url("http", "/endless"), QStringLiteral("GET"), waitLimit(60000));
        const qint64 peak = statusBytes("VmHWM");
        QCOMPARE(out.curlerr, int(CURLE_FILESIZE_EXCEEDED));
        QCOMPARE(out.respstr, QString());
        // Beyond the body's blocks: libcurl's and the thread's own memory,
        // and in the sanitizer build its shadow (an eighth of the blocks)
        // and red zones (measured: 156 MiB in all there, 128 here).
        const qint64 margin = 48 * 1024 * 1024;
        qInfo("endless body: %lld ms, peak memory %lld MiB above the %lld MiB before (%s)",
              timer.elapsed(), (peak - before) >> 20, before >> 20,
              peakReset ? "peak reset" : "peak not reset");
        QVERIFY2(peak - before < HttpClient::maxBodyBytes + margin,
                 qPrintable(QString::number(peak - before)));
    }

    // A peer that keeps sending just enough for the low-speed rule is ended
    // by the bound on the whole transfer's time, with what it sent.
    void trickleEndsAtTimeBound() {
        Limits limits;
        limits.timeMs = 1500;
        QElapsedTimer timer;
        timer.start();
        const Outcome out = transfer(url("http", "/trickle?ms=200"), QStringLiteral("GET"),
                                     waitLimit(30000), limits);
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(out.curlerr, int(CURLE_OPERATION_TIMEDOUT));
        QVERIFY(out.respstr.startsWith(QStringLiteral("t")));
        QVERIFY2(elapsed >= 1400 && elapsed < waitLimit(10000),
                 qPrintable(QString::number(elapsed)));
    }

    // A request() while a transfer runs starts nothing, and what the
    // properties become meanwhile does not change the running transfer.
    void secondRequestDuringTransfer() {
        const int slowBefore = hits(QStringLiteral("/slow"));
        const int echoBefore = hits(QStringLiteral("/echo"));
        HttpClient client;
        QSignalSpy requested(&client, &HttpClient::requested);
        QSignalSpy responsed(&client, &HttpClient::responsed);
        client.setUrl(url("http", "/slow?ms=1500"));
        client.request();
        client.setUrl(url("http", "/echo?late=1"));
        client.setMethod(QStringLiteral("POST"));
        QVERIFY(!client.request());
        QTRY_COMPARE_WITH_TIMEOUT(responsed.count(), 1, waitLimit(20000));
        QTRY_VERIFY_WITH_TIMEOUT(client.isFinished(), waitLimit());
        QCoreApplication::processEvents();
        QCOMPARE(requested.count(), 1);
        QCOMPARE(responsed.count(), 1);
        QCOMPARE(responsed.first().at(0).toInt(), 0);
        QCOMPARE(responsed.first().at(1).toString(), QStringLiteral("slow answer"));
        QCOMPARE(hits(QStringLiteral("/slow")), slowBefore + 1);
        QCOMPARE(hits(QStringLiteral("/echo")), echoBefore);

        // Idle again: the next request() uses the new properties.
        QVERIFY(client.request());
        QTRY_COMPARE_WITH_TIMEOUT(responsed.count(), 2, waitLimit(20000));
        const QJsonObject echo =
            QJsonDocument::fromJson(responsed.at(1).at(1).toString().toUtf8()).object();
        QCOMPARE(echo.value("method").toString(), QStringLiteral("POST"));
        QCOMPARE(echo.value("body").toString(), QStringLiteral("late=1"));
    }

    // The pages send their next request from the answer's handler, while the
    // thread that delivered the answer may still be ending (on a loaded
    // machine it can lose its core right then): none is lost, GET or POST.
    void requestsChainedFromAnswers_data() {
        QTest::addColumn<int>("endDelayMs");
        QTest::newRow("thread ends at once") << 0;
        QTest::newRow("thread slow to end") << 5;
    }
    void requestsChainedFromAnswers() {
        QFETCH(int, endDelayMs);
        const int chain = 300;
        SlowEndingClient client(endDelayMs);
        int answers = 0;
        int refused = 0;
        int failed = 0;
        connect(&client, &HttpClient::responsed, this, [&](int curlerr, const QString &respstr) {
            if (curlerr != 0 || !respstr.contains(QStringLiteral("n=%1\"").arg(answers)))
                ++failed;
            if (++answers == chain)
                return;
            client.setMethod(answers % 2 ? QStringLiteral("POST") : QStringLiteral("GET"));
            client.setUrl(url("http", QStringLiteral("/echo?n=%1").arg(answers)));
            if (!client.request())
                ++refused;
        });
        client.setUrl(url("http", QStringLiteral("/echo?n=0")));
        QVERIFY(client.request());
        QTRY_VERIFY_WITH_TIMEOUT(answers == chain || refused > 0, waitLimit(60000));
        QCOMPARE(refused, 0);
        QCOMPARE(failed, 0);
        QTRY_VERIFY_WITH_TIMEOUT(client.isFinished(), waitLimit());
    }

    void certificates_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<bool>("trustTestCa");
        QTest::addColumn<int>("curlerr");
        QTest::newRow("test CA trusted") << "https" << true << 0;
        QTest::newRow("test CA not trusted")
            << "https" << false << int(CURLE_PEER_FAILED_VERIFICATION);
        QTest::newRow("other host name")
            << "httpsOtherHost" << true << int(CURLE_PEER_FAILED_VERIFICATION);
        QTest::newRow("self-signed")
            << "httpsSelfSigned" << true << int(CURLE_PEER_FAILED_VERIFICATION);
    }
    void certificates() {
        QFETCH(QString, server);
        QFETCH(bool, trustTestCa);
        QFETCH(int, curlerr);
        if (trustTestCa)
            qputenv(HttpClient::extraCaEnvName(), m_caFile.toLocal8Bit());
        const Outcome out = transfer(url(server, "/ok"));
        QCOMPARE(out.curlerr, curlerr);
        QCOMPARE(out.respstr, curlerr == 0 ? QStringLiteral("hello 岚匣") : QString());
    }

    // The extra CA file is added to the system's store, not put in its place.
    void caBundleKeepsSystemStore() {
        const QString system = QStringLiteral("/etc/ssl/certs/ca-certificates.crt");
        QFile systemFile(system);
        QVERIFY(systemFile.open(QIODevice::ReadOnly));
        const QByteArray systemPem = systemFile.readAll();
        QFile caFile(m_caFile);
        QVERIFY(caFile.open(QIODevice::ReadOnly));
        const QByteArray extraPem = caFile.readAll();

        const QByteArray bundle = HttpClient::caBundle(system, m_caFile);
        QVERIFY(bundle.startsWith(systemPem));
        QVERIFY(bundle.endsWith(extraPem));
        QVERIFY(HttpClient::caBundle(system, m_dir.filePath("missing.pem")).isEmpty());

        // An unreadable extra file leaves the system store in force.
        qputenv(HttpClient::extraCaEnvName(), m_dir.filePath("missing.pem").toLocal8Bit());
        QCOMPARE(transfer(url("https", "/ok")).curlerr, int(CURLE_PEER_FAILED_VERIFICATION));
    }

    // A peer that stops sending ends the transfer after the low-speed window
    // (30 s) instead of keeping it open for ever.
    void stalledTransferEnds() {
        QElapsedTimer timer;
        timer.start();
        const Outcome out =
            transfer(url("http", "/stall"), QStringLiteral("GET"), waitLimit(120000));
        QCOMPARE(out.curlerr, int(CURLE_OPERATION_TIMEDOUT));
        QCOMPARE(out.respstr, QStringLiteral("x"));
        QVERIFY2(timer.elapsed() >= (HttpClient::lowSpeedTime - 1) * 1000,
                 qPrintable(QString::number(timer.elapsed())));
    }

    void destroyDuringTransfer() {
        auto *client = new HttpClient;
        QSignalSpy requested(client, &HttpClient::requested);
        client->setUrl(url("http", "/stall"));
        client->request();
        QTRY_COMPARE_WITH_TIMEOUT(requested.count(), 1, waitLimit(10000));
        QTRY_COMPARE_WITH_TIMEOUT(hits(QStringLiteral("/stall")) > 0, true, waitLimit(10000));
        QElapsedTimer timer;
        timer.start();
        delete client;
        QVERIFY2(timer.elapsed() < waitLimit(5000), qPrintable(QString::number(timer.elapsed())));
        QCoreApplication::processEvents();
    }

    // Closing a page (here the whole tree of QML objects) while its clients
    // transfer, with handlers connected, does not crash and does not wait for
    // the stalled peer.
    void destroyQmlClientsDuringTransfer() {
        AppSetup::registerQmlTypes();
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(QStringLiteral("import QtQml 2.12\n"
                                         "import Lib.HttpClient 1.0\n"
                                         "QtObject {\n"
                                         "  property int answers: 0\n"
                                         "  property var a: HttpClient {\n"
                                         "    url: '%1'\n"
                                         "    onResponsed: answers++\n"
                                         "    Component.onCompleted: request()\n"
                                         "  }\n"
                                         "  property var b: HttpClient {\n"
                                         "    url: '%2'\n"
                                         "    onResponsed: answers++\n"
                                         "    Component.onCompleted: request()\n"
                                         "  }\n"
                                         "}\n")
                              .arg(url("http", "/stall"), url("http", "/slow?ms=800"))
                              .toUtf8(),
                          QUrl());
        const int stallBefore = hits(QStringLiteral("/stall"));
        std::unique_ptr<QObject> root(component.create());
        QVERIFY2(root, qPrintable(component.errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(hits(QStringLiteral("/stall")) > stallBefore, waitLimit(10000));
        QElapsedTimer timer;
        timer.start();
        root.reset();
        QVERIFY2(timer.elapsed() < waitLimit(5000), qPrintable(QString::number(timer.elapsed())));
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TstHttpClient)

#include "tst_httpclient.moc"
