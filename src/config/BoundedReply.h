#pragma once

#include "config/RequestPolicy.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

/// One request whose answer is bounded in time and size. It fails when no data moved for the
/// idle time, when its deadline passes, when the body (announced or actual) passes its cap, after
/// more than five redirects or one from https to http, and on a final status outside 200-299.
/// Only http and https addresses are requested; any other fails without a request. A POST never
/// ignores certificate errors, and is posted again with its body wherever it is redirected.
class BoundedReply : public QObject
{
    Q_OBJECT

public:
    struct Limits
    {
        int idleMs = 0;     // 0: none
        int deadlineMs = 0; // 0: none
        qint64 maxBytes = 0;
    };
    // Takes each piece of the body instead of keeping it; false fails the transfer.
    using Sink = std::function<bool(const QByteArray &)>;

    static constexpr qint64 documentBytes = 1 << 20;
    static constexpr qint64 imageBytes = 4 << 20;

    static bool isRequestable(const QUrl &url);

    // Both start at once; finished() always follows, never before the caller can connect.
    static BoundedReply *get(QNetworkAccessManager *manager,
                             const QString &address,
                             const Limits &limits,
                             const RequestPolicy &policy,
                             Sink sink = {});
    static BoundedReply *post(QNetworkAccessManager *manager,
                              const QString &address,
                              const QByteArray &body,
                              const Limits &limits);

    bool succeeded() const { return m_done && m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    // The body when no sink took it.
    QByteArray body() const { return m_body; }
    // Where the answer came from, after redirects.
    QUrl url() const { return m_url; }
    // The certificates the answer came with over https.
    QList<QSslCertificate> peerCertificateChain() const { return m_peerChain; }

    // Ends the transfer as failed, with this reason.
    void fail(const QString &reason);

signals:
    void finished();

private:
    BoundedReply(QNetworkAccessManager *manager,
                 const Limits &limits,
                 const RequestPolicy &policy,
                 Sink sink);
    void start(const QString &address);
    void send();
    bool repostRedirected();
    void checkAnnouncedLength();
    void take();
    void onFinished();

    QNetworkAccessManager *m_manager;
    Limits m_limits;
    RequestPolicy m_policy;
    Sink m_sink;
    bool m_post = false;
    QByteArray m_postBody;
    int m_reposts = 0;
    QNetworkReply *m_reply = nullptr;
    QTimer *m_deadline = nullptr;
    QByteArray m_body;
    qint64 m_received = 0;
    QUrl m_url;
    QList<QSslCertificate> m_peerChain;
    QString m_error;
    bool m_done = false;
};
