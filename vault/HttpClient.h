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

    // Starts the transfer thread. Ignored (false) while a transfer runs,
    // that is from the call until its answer has been delivered; from inside
    // the answer's handler the next request starts.
    Q_INVOKABLE bool request();

    // Stalled transfers end with code 28 when fewer than this many bytes per
    // second arrive for lowSpeedTime seconds.
    static constexpr long lowSpeedLimit = 1;
    static constexpr long lowSpeedTime = 30;
    static constexpr long connectTimeout = 10;

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
    void transfer(Kind kind);
    void deliverRequested();
    void deliverEnd(bool answered, int curlerr = 0, const QString &respstr = QString());

    QString m_url;
    QString m_method;

    // Copies taken on the GUI thread by request(); only the transfer thread
    // reads them while it runs.
    QByteArray m_transferUrl;
    QString m_transferMethod;
    QString m_transferExtraCa;

    // GUI thread only: a request() was accepted and its end (with or
    // without an answer) has not been delivered yet.
    bool m_pending = false;

    std::atomic_bool m_abort{false};
};
