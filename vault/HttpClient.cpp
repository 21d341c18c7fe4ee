#include "vault/HttpClient.h"

#include <QFile>
#include <QMetaObject>
#include <curl/curl.h>

namespace {

const char *const fallbackSystemBundle = "/etc/ssl/certs/ca-certificates.crt";

size_t writeBody(char *data, size_t size, size_t count, void *userdata) {
    auto *body = static_cast<QByteArray *>(userdata);
    if (!body || !data)
        return 0;
    const size_t bytes = size * count;
    body->append(data, static_cast<int>(bytes));
    return bytes;
}

// Called by libcurl during the transfer (also while no data flows); a
// non-zero answer aborts the transfer.
int checkAbort(void *clientp, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<std::atomic_bool *>(clientp)->load() ? 1 : 0;
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace

HttpClient::HttpClient(QObject *parent)
    : QThread(parent), m_url(), m_method(QStringLiteral("GET")) {}

HttpClient::~HttpClient() {
    m_abort = true;
    wait();
}

void HttpClient::setUrl(const QString &url) {
    m_url = url;
    emit urlChanged();
}

void HttpClient::setMethod(const QString &method) {
    m_method = method;
    emit methodChanged();
}

bool HttpClient::request() {
    if (m_pending)
        return false;
    // The previous transfer delivered its end as the last thing it did; its
    // thread may not have returned yet, and QThread::start would ignore the
    // call until it has. The wait is for the few instructions left.
    wait();
    m_pending = true;
    m_transferUrl = m_url.toUtf8();
    m_transferMethod = m_method;
    m_transferExtraCa = qEnvironmentVariable(extraCaEnvName());
    start(InheritPriority);
    return true;
}

QByteArray HttpClient::caBundle(const QString &systemBundlePath, const QString &extraCaFile) {
    const QByteArray extra = readFile(extraCaFile);
    if (extra.isEmpty())
        return QByteArray();
    QByteArray bundle = readFile(systemBundlePath);
    if (!bundle.isEmpty() && !bundle.endsWith('\n'))
        bundle.append('\n');
    bundle.append(extra);
    return bundle;
}

// The signals reach their receivers through the object's own thread: the
// transfer thread never touches the object's connections, so a client that
// is being destroyed (its QML wrapper first) is safe from a late answer.
// Every transfer posts its end exactly once, as the thread's last step: the
// client is idle again when the answer's handlers run.
void HttpClient::deliverRequested() {
    if (m_abort)
        return;
    QMetaObject::invokeMethod(
        this, [this]() { emit requested(); }, Qt::QueuedConnection);
}

void HttpClient::deliverEnd(bool answered, int curlerr, const QString &respstr) {
    if (m_abort)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, answered, curlerr, respstr]() {
            m_pending = false;
            if (answered)
                emit responsed(curlerr, respstr);
        },
        Qt::QueuedConnection);
}

void HttpClient::run() {
    deliverRequested();
    if (m_transferMethod == QLatin1String("GET"))
        transfer(Kind::Get);
    else if (m_transferMethod == QLatin1String("POST"))
        transfer(Kind::Post);
    else
        deliverEnd(false);
}

void HttpClient::transfer(Kind kind) {
    QByteArray body;

    CURL *curl = curl_easy_init();
    if (!curl) {
        deliverEnd(true, 2);
        return;
    }

    QByteArray target = m_transferUrl;
    QByteArray postFields;
    if (kind == Kind::Post) {
        const int mark = target.indexOf('?');
        if (mark >= 0) {
            postFields = target.mid(mark + 1);
            target.truncate(mark);
        }
    }

    QByteArray caBlob;
    if (!m_transferExtraCa.isEmpty()) {
        const char *systemBundle = nullptr;
        curl_easy_getinfo(curl, CURLINFO_CAINFO, &systemBundle);
        caBlob =
            caBundle(QString::fromLocal8Bit(systemBundle ? systemBundle : fallbackSystemBundle),
                     m_transferExtraCa);
    }

    curl_easy_setopt(curl, CURLOPT_URL, target.constData());
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, nullptr);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &writeBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, connectTimeout);
    // The peer's chain is checked against the system's CA store (plus the
    // extra CA file, when one is named) and its name against the URL's host.
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!caBlob.isEmpty()) {
        curl_blob blob;
        blob.data = caBlob.data();
        blob.len = static_cast<size_t>(caBlob.size());
        blob.flags = CURL_BLOB_COPY;
        curl_easy_setopt(curl, CURLOPT_CAINFO_BLOB, &blob);
    }
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    // A stalled peer ends the transfer with code 28.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, lowSpeedLimit);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, lowSpeedTime);
    // Destruction of the client aborts the transfer.
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &checkAbort);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &m_abort);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    if (!postFields.isEmpty()) {
        // libcurl does not copy the fields: postFields outlives the transfer.
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, postFields.constData());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(postFields.size()));
    }

    const CURLcode code = curl_easy_perform(curl);
    curl_easy_cleanup(curl);

    deliverEnd(true, static_cast<int>(code), QString::fromUtf8(body));
}
