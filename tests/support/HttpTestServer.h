#pragma once

#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>
#include <QUrl>

#include <functional>

/// A loopback HTTP(S) server for tests: a handler per path (else 404), every request recorded.
class HttpTestServer : public QTcpServer
{
    Q_OBJECT

public:
    struct Request
    {
        QByteArray method;
        QString path;
        QMap<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };
    struct Response
    {
        int status = 200;
        QByteArray body;
        QByteArray contentType;
        qint64 declaredLength = -1; // the Content-Length, a lie when not the body's size
        int delayMs = 0;            // before the answer, or between the bytes of a trickle
        QByteArray location;
        bool endless = false; // a body made as the client takes it, up to declaredLength if set
    };
    using Handler = std::function<Response(const Request &)>;

    static Response answer(int s, const QByteArray &b, QByteArray t = {}) { return {s, b, t}; }
    static Response answerAfter(int ms, int s, const QByteArray &b) { return {s, b, {}, -1, ms}; }
    static Response neverAnswer() { return answerAfter(INT_MAX, 200, {}); }
    static Response trickle(int ms) { return {200, {}, {}, 1 << 20, ms, {}, true}; }
    static Response endless(qint64 length = -1) { return {200, {}, {}, length, 0, {}, true}; }
    static Response redirect(const QUrl &to) { return {302, {}, {}, -1, 0, to.toEncoded()}; }

    HttpTestServer() { listen(QHostAddress::LocalHost); }

    void setHandler(const QString &path, const Handler &handler) { m_handlers[path] = handler; }
    void setResponse(const QString &p, const Response &r)
    {
        m_handlers[p] = [r](auto &) { return r; };
    }
    void useTls(const QSslCertificate &c, const QSslKey &k) { m_identity = {c, k}; }
    QUrl url(const QString &path) const;
    QList<Request> requests() const { return m_requests; }
    QStringList requestedPaths() const;

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void respond(QTcpSocket *socket);

    QPair<QSslCertificate, QSslKey> m_identity;
    QMap<QString, Handler> m_handlers;
    QList<Request> m_requests;
};
