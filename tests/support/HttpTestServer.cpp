#include "HttpTestServer.h"

#include <QTcpSocket>
#include <QTimer>

#include <memory>
#include <utility>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

} // namespace

HttpTestServer::Response HttpTestServer::answer(int status,
                                                const QByteArray &body,
                                                const QByteArray &contentType)
{
    Response response;
    response.status = status;
    response.body = body;
    response.contentType = contentType;
    return response;
}

HttpTestServer::Response HttpTestServer::answerAfter(int delayMs, int status, const QByteArray &body)
{
    Response response = answer(status, body);
    response.delayMs = delayMs;
    return response;
}

HttpTestServer::Response HttpTestServer::neverAnswer()
{
    Response response;
    response.kind = Response::Kind::NeverAnswer;
    return response;
}

HttpTestServer::Response HttpTestServer::closeConnection()
{
    Response response;
    response.kind = Response::Kind::CloseConnection;
    return response;
}

HttpTestServer::Response HttpTestServer::held(int status,
                                              const QByteArray &body,
                                              const QByteArray &contentType)
{
    Response response = answer(status, body, contentType);
    response.kind = Response::Kind::Held;
    return response;
}

HttpTestServer::Response HttpTestServer::cutShort(const QByteArray &body)
{
    Response response = answer(200, body, "application/octet-stream");
    response.declaredLength = body.size() * 2 + 100;
    return response;
}

HttpTestServer::Response HttpTestServer::trickle(int intervalMs)
{
    Response response = answer(200, QByteArray(), "application/octet-stream");
    response.kind = Response::Kind::Trickle;
    response.declaredLength = 1000000;
    response.trickleMs = intervalMs;
    return response;
}

HttpTestServer::Response HttpTestServer::endless(qint64 length)
{
    Response response = answer(200, QByteArray(), "application/octet-stream");
    response.kind = Response::Kind::Endless;
    response.declaredLength = length;
    return response;
}

HttpTestServer::Response HttpTestServer::redirect(const QUrl &to)
{
    Response response = answer(302, QByteArray(), "text/plain");
    response.location = to.toEncoded();
    return response;
}

HttpTestServer::HttpTestServer(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<HttpTestServer::Request>();
    connect(&m_server, &QTcpServer::newConnection, this, &HttpTestServer::acceptConnections);
    if (m_server.listen(QHostAddress::LocalHost))
        m_port = m_server.serverPort();
}

HttpTestServer::~HttpTestServer()
{
    stop();
}

void HttpTestServer::setHandler(const QString &path, Handler handler)
{
    m_handlers.insert(path, std::move(handler));
}

void HttpTestServer::setResponse(const QString &path, const Response &response)
{
    setHandler(path, [response](const Request &) { return response; });
}

void HttpTestServer::useTls(const QSslCertificate &certificate, const QSslKey &key)
{
    m_server.setIdentity(certificate, key);
}

void HttpTestServer::releaseHeld()
{
    const auto held = std::exchange(m_held, {});
    for (const auto &[socket, response] : held) {
        if (socket)
            writeAnswer(socket, response);
    }
}

QUrl HttpTestServer::url(const QString &path) const
{
    const QString scheme = m_server.isTls() ? QStringLiteral("https") : QStringLiteral("http");
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3").arg(scheme, QString::number(m_port), path));
}

QStringList HttpTestServer::requestedPaths() const
{
    QStringList paths;
    for (const Request &request : m_requests)
        paths << request.path;
    return paths;
}

void HttpTestServer::stop()
{
    m_server.close();
    m_held.clear();
    const QList<QTcpSocket *> sockets = m_buffers.keys();
    m_buffers.clear();
    for (QTcpSocket *socket : sockets) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
}

void HttpTestServer::acceptConnections()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        m_buffers.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void HttpTestServer::readFrom(QTcpSocket *socket)
{
    auto buffer = m_buffers.find(socket);
    if (buffer == m_buffers.end())
        return;
    buffer->append(socket->readAll());
    Request request;
    if (takeRequest(*buffer, request))
        respond(socket, request);
}

bool HttpTestServer::takeRequest(QByteArray &buffer, Request &request)
{
    const int headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return false;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
    }
    const int bodyLength = request.headers.value("content-length").toInt();
    if (buffer.size() < headerEnd + 4 + bodyLength)
        return false;
    request.method = requestLine.value(0);
    request.path = QUrl(QString::fromLatin1(requestLine.value(1))).path();
    request.body = buffer.mid(headerEnd + 4, bodyLength);
    buffer.remove(0, headerEnd + 4 + bodyLength);
    return true;
}

void HttpTestServer::respond(QTcpSocket *socket, const Request &request)
{
    m_requests.append(request);
    const Handler handler = m_handlers.value(request.path);
    const Response response = handler ? handler(request) : answer(404, "not found", "text/plain");
    emit requestReceived(request);
    switch (response.kind) {
    case Response::Kind::NeverAnswer:
        return;
    case Response::Kind::Held:
        m_held.append({socket, response});
        return;
    case Response::Kind::CloseConnection:
        socket->disconnectFromHost();
        return;
    case Response::Kind::Trickle:
    case Response::Kind::Endless:
        stream(socket, response);
        return;
    case Response::Kind::Answer:
        if (response.delayMs > 0)
            QTimer::singleShot(response.delayMs, socket, [socket, response] {
                writeAnswer(socket, response);
            });
        else
            writeAnswer(socket, response);
        return;
    }
}

QByteArray HttpTestServer::head(const Response &response)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' '
                      + reasonPhrase(response.status) + "\r\n";
    head += "Content-Type: " + response.contentType + "\r\n";
    if (!response.location.isEmpty())
        head += "Location: " + response.location + "\r\n";
    if (response.kind != Response::Kind::Endless || response.declaredLength >= 0) {
        const qint64 length = response.declaredLength >= 0 ? response.declaredLength
                                                           : response.body.size();
        head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    }
    return head + "Connection: close\r\n\r\n";
}

void HttpTestServer::writeAnswer(QTcpSocket *socket, const Response &response)
{
    socket->write(head(response) + response.body);
    socket->disconnectFromHost();
}

void HttpTestServer::stream(QTcpSocket *socket, const Response &response)
{
    socket->write(head(response));
    auto *timer = new QTimer(socket);
    if (response.kind == Response::Kind::Trickle) {
        connect(timer, &QTimer::timeout, socket, [socket] { socket->write("x"); });
        timer->start(response.trickleMs);
        return;
    }
    // Refilled whenever the client has taken what was written, so the server's memory stays flat.
    const QByteArray chunk(64 * 1024, 'x');
    auto left = std::make_shared<qint64>(response.declaredLength);
    const auto refill = [socket, chunk, left] {
        if (*left == 0 || socket->bytesToWrite() >= chunk.size())
            return;
        const qint64 size = *left < 0 ? chunk.size() : qMin<qint64>(*left, chunk.size());
        socket->write(chunk.constData(), size);
        if (*left > 0 && (*left -= size) == 0)
            socket->disconnectFromHost();
    };
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, socket, refill);
    connect(socket, &QTcpSocket::bytesWritten, timer, [timer] { timer->start(0); });
    refill();
}
