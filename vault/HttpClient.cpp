#include "vault/HttpClient.h"

#include <QFile>
#include <QMetaObject>
#include <curl/curl.h>
#include <new>
#include <vector>

namespace {

const char *const fallbackSystemBundle = "/etc/ssl/certs/ca-certificates.crt";

// The body as it arrives, in blocks of a fixed size that are allocated once
// each: growing one buffer would hold its old and its new copy at once, and
// an answer cut off at the bound would have cost up to twice the bound.
struct Body {
    static constexpr int blockSize = 64 * 1024;

    std::vector<QByteArray> blocks;
    qint64 size = 0;
    qint64 limit = 0;
    bool tooLarge = false;
    bool outOfMemory = false;

    bool take(const char *data, size_t bytes) {
        if (static_cast<qint64>(bytes) > limit - size) {
            tooLarge = true;
            return false;
        }
        size_t done = 0;
        while (done < bytes) {
            if (blocks.empty() || blocks.back().size() == blockSize) {
                blocks.emplace_back();
                blocks.back().reserve(blockSize);
            }
            QByteArray &last = blocks.back();
            const size_t room = static_cast<size_t>(blockSize - last.size());
            const size_t n = qMin(bytes - done, room);
            last.append(data + done, static_cast<int>(n));
            done += n;
        }
        size += static_cast<qint64>(bytes);
        return true;
    }

    // The whole body in one piece; the blocks are released.
    QByteArray joined() {
        QByteArray all;
        if (blocks.size() == 1) {
            all = blocks.front();
        } else {
            all.reserve(static_cast<int>(size));
            for (const QByteArray &block : blocks)
                all.append(block);
        }
        blocks.clear();
        return all;
    }
};

size_t writeBody(char *data, size_t size, size_t count, void *userdata) {
    auto *body = static_cast<Body *>(userdata);
    if (!body || !data)
        return 0;
    const size_t bytes = size * count;
    // Nothing may be thrown through libcurl: a failed allocation ends the
    // transfer like a refused write.
    try {
        return body->take(data, bytes) ? bytes : 0;
    } catch (const std::bad_alloc &) {
        body->outOfMemory = true;
        return 0;
    }
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

void HttpClient::setBodyLimit(qint64 bytes) {
    m_bodyLimit = bytes > 0 && bytes < maxBodyBytes ? bytes : maxBodyBytes;
}

void HttpClient::setTimeLimitMs(qint64 ms) {
    m_timeLimitMs = ms > 0 && ms < maxTransferMs ? ms : maxTransferMs;
}

bool HttpClient::request() {
    if (m_pending)
        return false;
    Kind kind;
    if (m_method == QLatin1String("GET"))
        kind = Kind::Get;
    else if (m_method == QLatin1String("POST"))
        kind = Kind::Post;
    else
        return false;
    // The previous transfer delivered its end as the last thing it did; its
    // thread may not have returned yet, and QThread::start would ignore the
    // call until it has. The wait is for the few instructions left.
    wait();
    m_transferKind = kind;
    m_transferUrl = m_url.toUtf8();
    m_transferExtraCa = qEnvironmentVariable(extraCaEnvName());
    m_transferBodyLimit = m_bodyLimit;
    m_transferTimeLimitMs = m_timeLimitMs;
    m_pending = true;
    start(InheritPriority);
    // A thread that could not be created is neither running nor finished;
    // no answer would ever come for it.
    if (!isRunning() && !isFinished()) {
        qWarning("HttpClient: the transfer thread could not be started.");
        m_pending = false;
        return false;
    }
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

void HttpClient::deliverEnd(int curlerr, const QString &respstr) {
    if (m_abort)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, curlerr, respstr]() {
            m_pending = false;
            emit responsed(curlerr, respstr);
        },
        Qt::QueuedConnection);
}

void HttpClient::run() {
    deliverRequested();
    transfer();
}

void HttpClient::transfer() {
    Body body;
    body.limit = m_transferBodyLimit;

    CURL *curl = curl_easy_init();
    if (!curl) {
        deliverEnd(2);
        return;
    }

    QByteArray target = m_transferUrl;
    QByteArray postFields;
    if (m_transferKind == Kind::Post) {
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
    // A stalled peer, and one that keeps the transfer going beyond its time,
    // end it with code 28.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, lowSpeedLimit);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, lowSpeedTime);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(m_transferTimeLimitMs));
    // An answer that says it is too large is refused before its body comes
    // (63); one that does not say so is cut off at the bound by writeBody.
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(m_transferBodyLimit));
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

    // A body beyond the bound, or one there was no memory for, is dropped:
    // it is no answer the pages could use.
    if (body.tooLarge || body.outOfMemory) {
        deliverEnd(body.tooLarge ? CURLE_FILESIZE_EXCEEDED : CURLE_OUT_OF_MEMORY);
        return;
    }
    QString text;
    try {
        text = QString::fromUtf8(body.joined());
    } catch (const std::bad_alloc &) {
        deliverEnd(CURLE_OUT_OF_MEMORY);
        return;
    }
    deliverEnd(static_cast<int>(code), text);
}
