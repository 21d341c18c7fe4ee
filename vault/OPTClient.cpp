#include "vault/OPTClient.h"

#include "vault/OtpCore.h"
#include "vault/OtpParams.h"

OPTClient::OPTClient(QObject *parent) : QObject(parent), m_params(new OtpParams) {
    connect(&m_timer, &QTimer::timeout, this, &OPTClient::updateCode);
}

OPTClient::~OPTClient() {
    m_timer.stop();
}

void OPTClient::setUrl(const QString &url) {
    m_url = url;
    initOtpParams(m_params.get(), OtpKind::Totp);
    // A URL that fails a late check keeps the fields read so far.
    parseOtpAuthUrl(url.toUtf8(), m_params.get());
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
    const QString text = totpCode(*m_params, &m_expire);
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
    return QStringLiteral("otpauth://totp/%1?secret=%2").arg(label, secret);
}

void OPTClient::start() {
    compute();
    m_timer.start(1000);
}

void OPTClient::stop() {
    m_timer.stop();
}
