#include "config/BoundedReply.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QTimer>

namespace {

constexpr int maxRedirects = 5;
constexpr qint64 readBufferBytes = 256 << 10;

} // namespace

bool BoundedReply::isRequestable(const QUrl &url)
{
    const QString scheme = url.scheme();
    return url.isValid() && !url.host().isEmpty()
           && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

BoundedReply::BoundedReply(QNetworkAccessManager *manager,
                           const Limits &limits,
                           const RequestPolicy &policy,
                           Sink sink)
    : m_manager(manager)
    , m_limits(limits)
    , m_policy(policy)
    , m_sink(std::move(sink))
{}

BoundedReply *BoundedReply::get(QNetworkAccessManager *manager,
                                const QString &address,
                                const Limits &limits,
                                const RequestPolicy &policy,
                                Sink sink)
{
    auto *reply = new BoundedReply(manager, limits, policy, std::move(sink));
    reply->start(address);
    return reply;
}

BoundedReply *BoundedReply::post(QNetworkAccessManager *manager,
                                 const QString &address,
                                 const QByteArray &body,
                                 const Limits &limits)
{
    // What is posted carries the user's answers and identifier.
    auto *reply = new BoundedReply(manager, limits, RequestPolicy().strict(), {});
    reply->m_post = true;
    reply->m_postBody = body;
    reply->start(address);
    return reply;
}

void BoundedReply::start(const QString &address)
{
    m_url = QUrl(address, QUrl::TolerantMode);
    if (!isRequestable(m_url)) {
        // Queued, so that the caller has connected to finished() by then.
        QTimer::singleShot(0, this, [this, address] {
            fail(QStringLiteral("refused address (only http and https are requested):\"") + address
                 + QLatin1Char('"'));
        });
        return;
    }
    send();
    if (m_limits.deadlineMs > 0) {
        m_deadline = new QTimer(this);
        m_deadline->setSingleShot(true);
        connect(m_deadline, &QTimer::timeout, this, [this] {
            fail(QStringLiteral("no complete answer within %1 ms").arg(m_limits.deadlineMs));
        });
        m_deadline->start(m_limits.deadlineMs);
    }
}

void BoundedReply::send()
{
    QNetworkRequest request(m_url);
    if (m_limits.idleMs > 0)
        request.setTransferTimeout(m_limits.idleMs);
    if (m_post) {
        // Qt would follow a 301, 302 or 303 as a GET without the body: followed here instead.
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::ManualRedirectPolicy);
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        m_reply = m_manager->post(request, m_postBody);
    } else {
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::NoLessSafeRedirectPolicy);
        request.setMaximumRedirectsAllowed(maxRedirects);
        m_reply = m_manager->get(request);
    }
    // Before the request starts: Qt's network thread then reads no further ahead than this,
    // whatever the server's speed.
    m_reply->setReadBufferSize(readBufferBytes);
    m_reply->setParent(this);
    m_policy.apply(m_reply);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &BoundedReply::checkAnnouncedLength);
    connect(m_reply, &QNetworkReply::readyRead, this, &BoundedReply::take);
    connect(m_reply, &QNetworkReply::finished, this, &BoundedReply::onFinished);
}

bool BoundedReply::repostRedirected()
{
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QUrl target = m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    const QList<int> redirects{301, 302, 303, 307, 308};
    if (!redirects.contains(status) || target.isEmpty())
        return false;
    const QUrl next = m_url.resolved(target);
    if (m_reposts == maxRedirects)
        m_error = QStringLiteral("more than %1 redirects").arg(maxRedirects);
    else if (m_url.scheme() == QLatin1String("https") && next.scheme() != QLatin1String("https"))
        m_error = QStringLiteral("redirect from https to ") + next.toString();
    else if (!isRequestable(next))
        m_error = QStringLiteral("redirect to a refused address: ") + next.toString();
    if (!m_error.isEmpty())
        return false;
    ++m_reposts;
    m_reply->disconnect(this);
    m_reply->deleteLater();
    m_body.clear();
    m_received = 0;
    m_url = next;
    send();
    return true;
}

void BoundedReply::fail(const QString &reason)
{
    if (m_done)
        return;
    if (m_error.isEmpty())
        m_error = reason;
    m_body.clear();
    if (m_reply && m_reply->isRunning()) {
        // abort() emits finished(), which ends the transfer with the reason kept above.
        m_reply->abort();
        return;
    }
    m_done = true;
    if (m_deadline)
        m_deadline->stop();
    emit finished();
}

void BoundedReply::checkAnnouncedLength()
{
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    // A redirect's own body is not the answer's.
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 300 && status < 400)
        return;
    if (length.isValid() && length.toLongLong() > m_limits.maxBytes)
        fail(QStringLiteral("answer announces %1 bytes, more than %2")
                 .arg(length.toLongLong())
                 .arg(m_limits.maxBytes));
}

void BoundedReply::take()
{
    if (!m_error.isEmpty())
        return;
    const QByteArray piece = m_reply->readAll();
    m_received += piece.size();
    if (m_received > m_limits.maxBytes) {
        fail(QStringLiteral("answer larger than %1 bytes").arg(m_limits.maxBytes));
        return;
    }
    if (!m_sink) {
        m_body += piece;
        return;
    }
    if (!piece.isEmpty() && !m_sink(piece))
        fail(QStringLiteral("answer not taken"));
}

void BoundedReply::onFinished()
{
    if (m_done)
        return;
    if (m_reply->error() == QNetworkReply::NoError)
        take();
    if (m_done)
        return;
    if (m_post && m_error.isEmpty() && m_reply->error() == QNetworkReply::NoError
        && repostRedirected())
        return;
    m_url = m_reply->url();
    if (m_url.scheme() == QLatin1String("https"))
        m_peerChain = m_reply->sslConfiguration().peerCertificateChain();
    if (m_error.isEmpty()) {
        const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (m_reply->error() != QNetworkReply::NoError)
            m_error = m_reply->errorString();
        else if (status < 200 || status > 299)
            m_error = QStringLiteral("%1 answered with status %2").arg(m_url.toString()).arg(status);
    }
    if (!m_error.isEmpty())
        m_body.clear();
    m_done = true;
    if (m_deadline)
        m_deadline->stop();
    emit finished();
}
