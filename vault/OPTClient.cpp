#include "vault/OPTClient.h"

#include "vault/OtpCore.h"
#include "vault/OtpParams.h"

#include <QUrl>

OPTClient::OPTClient(QObject *parent) : QObject(parent), m_params(new OtpParams) {
    connect(&m_timer, &QTimer::timeout, this, &OPTClient::updateCode);
}

OPTClient::~OPTClient() {
    m_timer.stop();
}

void OPTClient::setUrl(const QString &url) {
    m_url = url;
    initOtpParams(m_params.get(), OtpKind::Totp);
    // A URL that fails a late check keeps the fields read so far (the edit
    // page shows them), but yields no code: its parameters are not known.
    m_parsed = parseOtpAuthUrl(url.toUtf8(), m_params.get());
    emit urlChanged();
}

QString OPTClient::label() const {
    return QString::fromUtf8(m_params->label);
}
QString OPTClient::secret() const {
    return QString::fromUtf8(m_params->secret);
}
QString OPTClient::issuer() const {
    return QString::fromUtf8(m_params->issuer);
}
int OPTClient::period() const {
    return m_params->period;
}

void OPTClient::updateCode() {
    compute();
}

void OPTClient::compute() {
    QString text = totpCode(*m_params, &m_expire);
    if (!m_parsed)
        text.clear();
    const bool changed = text != m_code;
    m_code = text;
    if (changed)
        emit codeChanged();
    emit expireChanged();
}

bool OPTClient::checkUrl(QString url) {
    OtpParams params;
    initOtpParams(&params, OtpKind::Totp);
    if (!parseOtpAuthUrl(url.toUtf8(), &params))
        return false;
    return !totpCode(params).isEmpty();
}

QString OPTClient::buildUrl(QString label, QString secret) {
    if (label.isEmpty() || secret.isEmpty())
        return QString();
    // Both percent-encoded, so that "/", "?", "#" or "&" in the label stay in
    // the label and such characters in the secret reach the Base32 check
    // instead of cutting the secret short. ":" and "@" are kept readable.
    const QByteArray keep = QByteArrayLiteral(":@");
    return QStringLiteral("otpauth://totp/%1?secret=%2")
        .arg(QString::fromLatin1(QUrl::toPercentEncoding(label, keep)),
             QString::fromLatin1(QUrl::toPercentEncoding(secret)));
}

void OPTClient::start() {
    compute();
    m_timer.start(1000);
}

void OPTClient::stop() {
    m_timer.stop();
}
