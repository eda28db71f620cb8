#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

#include <functional>

class QTcpSocket;

/// An HTTP/1.1 server on 127.0.0.1 for network tests: one handler per path, each answer
/// possibly late, never, or a dropped connection. Every request is recorded.
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
        enum class Kind { Answer, NeverAnswer, CloseConnection };

        Kind kind = Kind::Answer;
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json";
        int delayMs = 0;
    };

    using Handler = std::function<Response(const Request &)>;

    static Response answer(int status,
                           const QByteArray &body,
                           const QByteArray &contentType = "application/json");
    static Response answerAfter(int delayMs, int status, const QByteArray &body);
    static Response neverAnswer();
    static Response closeConnection();

    // Listens at once on a port that the system picks.
    explicit HttpTestServer(QObject *parent = nullptr);
    ~HttpTestServer() override;

    // Paths without a handler get 404.
    void setHandler(const QString &path, Handler handler);
    void setResponse(const QString &path, const Response &response);

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

    QTcpServer m_server;
    quint16 m_port = 0;
    QHash<QString, Handler> m_handlers;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QList<Request> m_requests;
};

Q_DECLARE_METATYPE(HttpTestServer::Request)
