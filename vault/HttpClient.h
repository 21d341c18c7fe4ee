#pragma once

#include <QByteArray>
#include <QString>
#include <QThread>
#include <atomic>

// One HTTP transfer over libcurl on a thread of its own ("Lib.HttpClient"
// 1.0). QML sets `url` and `method`, calls request() and gets the libcurl
// result code and the body in onResponsed. A POST sends the query of `url`
// as form data.
class HttpClient : public QThread {
    Q_OBJECT
    Q_PROPERTY(QString url READ url WRITE setUrl NOTIFY urlChanged)
    Q_PROPERTY(QString method READ method WRITE setMethod NOTIFY methodChanged)

public:
    explicit HttpClient(QObject *parent = nullptr);
    // Aborts a running transfer and waits for its thread to end.
    ~HttpClient() override;

    QString url() const { return m_url; }
    void setUrl(const QString &url);
    QString method() const { return m_method; }
    void setMethod(const QString &method);

    // Starts the transfer thread. False, and nothing is sent, while a
    // transfer runs (from the call until its answer has been delivered; from
    // inside the answer's handler the next request starts), for a method
    // other than "GET" and "POST", and when the thread cannot be started.
    Q_INVOKABLE bool request();

    // Stalled transfers end with code 28 when fewer than this many bytes per
    // second arrive for lowSpeedTime seconds.
    static constexpr long lowSpeedLimit = 1;
    static constexpr long lowSpeedTime = 30;
    static constexpr long connectTimeout = 10;

    // The largest answer taken: nearly four times the download of the
    // backup of a 50,000-entry vault (35.5 MB). A larger one ends the
    // transfer with CURLE_FILESIZE_EXCEEDED (63) and no body, without
    // holding more than this much of it.
    static constexpr qint64 maxBodyBytes = 128 * 1024 * 1024;
    // The longest a whole transfer may take, connection included: an upload
    // of that vault over a line of 160 kbit/s. Longer ones end with
    // CURLE_OPERATION_TIMEDOUT (28), as a stalled one does.
    static constexpr qint64 maxTransferMs = 30 * 60 * 1000;

    // Tighter bounds for this client's next transfers (the tests use them
    // to reach the bounds quickly). They can only tighten: zero, a negative
    // value or one above the bounds above restores those. C++ only, not
    // published to QML.
    void setBodyLimit(qint64 bytes);
    qint64 bodyLimit() const { return m_bodyLimit; }
    void setTimeLimitMs(qint64 ms);
    qint64 timeLimitMs() const { return m_timeLimitMs; }

    // Name of the environment variable that may name one PEM file of extra
    // certificate authorities, trusted besides the system's store.
    static const char *extraCaEnvName() { return "KEYLOFT_EXTRA_CA_FILE"; }
    // The CA certificates handed to libcurl when an extra CA file is named:
    // the system bundle followed by the extra file. Empty when the extra file
    // cannot be read (the system store alone is used then).
    static QByteArray caBundle(const QString &systemBundlePath, const QString &extraCaFile);

signals:
    void requested();
    void responsed(int curlerr, QString respstr);
    void urlChanged();
    void methodChanged();

protected:
    void run() override;

private:
    enum class Kind { Get, Post };
    void transfer();
    void deliverRequested();
    void deliverEnd(int curlerr, const QString &respstr = QString());

    QString m_url;
    QString m_method;

    // Copies taken on the GUI thread by request(); only the transfer thread
    // reads them while it runs.
    QByteArray m_transferUrl;
    Kind m_transferKind = Kind::Get;
    QString m_transferExtraCa;
    qint64 m_transferBodyLimit = maxBodyBytes;
    qint64 m_transferTimeLimitMs = maxTransferMs;

    qint64 m_bodyLimit = maxBodyBytes;
    qint64 m_timeLimitMs = maxTransferMs;

    // GUI thread only: a request() was accepted and its answer has not been
    // delivered yet.
    bool m_pending = false;

    std::atomic_bool m_abort{false};
};
