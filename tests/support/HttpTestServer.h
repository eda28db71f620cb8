#pragma once

#include "TlsTcpServer.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

#include <functional>

class QTcpSocket;

/// An HTTP/1.1 server on 127.0.0.1 for network tests: one handler per path, each answer
/// possibly late, held back until released, never, cut short, or a dropped connection. Every
/// request is recorded. Serves HTTPS once given a certificate.
class HttpTestServer : public QObject
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
        enum class Kind { Answer, NeverAnswer, CloseConnection, Held, Trickle, Endless };

        Kind kind = Kind::Answer;
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json";
        int delayMs = 0;
        // Content-Length sent when not negative; a larger one than the body cuts the body short.
        // An endless body with a length stops there.
        qint64 declaredLength = -1;
        QByteArray location; // sent as the Location header when set
        int trickleMs = 0;
    };

    using Handler = std::function<Response(const Request &)>;

    static Response answer(int status,
                           const QByteArray &body,
                           const QByteArray &contentType = "application/json");
    static Response answerAfter(int delayMs, int status, const QByteArray &body);
    static Response neverAnswer();
    static Response closeConnection();
    // Written by releaseHeld().
    static Response held(int status,
                         const QByteArray &body,
                         const QByteArray &contentType = "application/json");
    // Announces more bytes than it sends, then closes the connection.
    static Response cutShort(const QByteArray &body);
    // Announces a 1 MB body and sends one byte of it every intervalMs, until the client leaves.
    static Response trickle(int intervalMs);
    // Sends a body without length that never ends, or of the given length, generated as it goes.
    static Response endless(qint64 length = -1);
    static Response redirect(const QUrl &to);

    // Listens at once on a port that the system picks.
    explicit HttpTestServer(QObject *parent = nullptr);
    ~HttpTestServer() override;

    // Paths without a handler get 404.
    void setHandler(const QString &path, Handler handler);
    void setResponse(const QString &path, const Response &response);

    // From now on connections are TLS with this identity, and url() gives https addresses.
    void useTls(const QSslCertificate &certificate, const QSslKey &key);
    // Answers every request held so far.
    void releaseHeld();

    QUrl url(const QString &path) const;
    QList<Request> requests() const { return m_requests; }
    QStringList requestedPaths() const;

    // Closes the listening socket and every connection; url() then points at a closed port.
    void stop();

signals:
    void requestReceived(const HttpTestServer::Request &request);

private:
    void acceptConnections();
    void readFrom(QTcpSocket *socket);
    bool takeRequest(QByteArray &buffer, Request &request);
    void respond(QTcpSocket *socket, const Request &request);
    static void writeAnswer(QTcpSocket *socket, const Response &response);
    static QByteArray head(const Response &response);
    static void stream(QTcpSocket *socket, const Response &response);

    TlsTcpServer m_server;
    quint16 m_port = 0;
    QHash<QString, Handler> m_handlers;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QList<Request> m_requests;
    QList<QPair<QPointer<QTcpSocket>, Response>> m_held;
};

Q_DECLARE_METATYPE(HttpTestServer::Request)
