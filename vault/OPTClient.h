#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

struct OtpParams;

// The time-based one-time code of one otpauth URL for QML ("ZV.OPTClient"
// 1.0). Once started it recomputes the code every second; codeChanged fires
// only when the text changes, expireChanged on every computation. The fields
// read from the URL change only with it, so urlChanged announces them too:
// a binding on period follows a URL set after the binding was made.
class OPTClient : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString url READ url WRITE setUrl NOTIFY urlChanged)
    Q_PROPERTY(QString label READ label NOTIFY urlChanged)
    Q_PROPERTY(QString secret READ secret NOTIFY urlChanged)
    Q_PROPERTY(QString issuer READ issuer NOTIFY urlChanged)
    Q_PROPERTY(int period READ period NOTIFY urlChanged)
    Q_PROPERTY(int expire READ expire NOTIFY expireChanged)
    Q_PROPERTY(QString code READ code NOTIFY codeChanged)

public:
    explicit OPTClient(QObject *parent = nullptr);
    ~OPTClient() override;

    QString url() const { return m_url; }
    void setUrl(const QString &url);
    QString label() const;
    QString secret() const;
    QString issuer() const;
    int period() const;
    int expire() const { return m_expire; }
    QString code() const { return m_code; }

signals:
    void urlChanged();
    void expireChanged();
    void codeChanged();

private slots:
    void updateCode();

public:
    // True when the URL parses and yields a code; touches nothing of this
    // object.
    Q_INVOKABLE bool checkUrl(QString url);
    // "otpauth://totp/LABEL?secret=SECRET" with both percent-encoded, or ""
    // when either is empty.
    Q_INVOKABLE QString buildUrl(QString label, QString secret);
    Q_INVOKABLE void start();
    Q_INVOKABLE void stop();

private:
    void compute();

    QTimer m_timer;
    std::unique_ptr<OtpParams> m_params;
    bool m_parsed = false; // the URL passed every check of the parse
    QString m_url;
    int m_expire = 0;
    QString m_code;
};
