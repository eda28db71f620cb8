#include "HttpTestServer.h"

#include <QSslSocket>
#include <QTimer>

QUrl HttpTestServer::url(const QString &path) const
{
    const QString tls = m_identity.first.isNull() ? "" : "s";
    return QUrl(QString("http%1://127.0.0.1:%2%3").arg(tls, QString::number(serverPort()), path));
}

void HttpTestServer::incomingConnection(qintptr descriptor)
{
    auto *socket = new QSslSocket(this);
    socket->setSocketDescriptor(descriptor);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { respond(socket); });
    socket->setLocalCertificate(m_identity.first);
    socket->setPrivateKey(m_identity.second);
    if (!m_identity.first.isNull())
        socket->startServerEncryption();
}

void HttpTestServer::respond(QTcpSocket *socket)
{
    const QByteArray data = socket->peek(socket->bytesAvailable());
    const int headerEnd = data.indexOf("\r\n\r\n") + 4;
    QList<QByteArray> lines = data.left(headerEnd).trimmed().split('\n');
    const QList<QByteArray> requestLine = lines.takeFirst().split(' ');
    Request request{requestLine.value(0), QUrl::fromEncoded(requestLine.value(1)).path()};
    for (const QByteArray &h : lines)
        request.headers[h.left(h.indexOf(':')).trimmed().toLower()] = h.mid(h.indexOf(':') + 1)
                                                                          .trimmed();
    const int length = request.headers.value("content-length").toInt();
    if (headerEnd < 4 || data.size() < headerEnd + length)
        return; // left in the socket until the whole request has arrived
    request.body = socket->read(headerEnd + length).mid(headerEnd);
    m_requests << request;
    const Handler handler = m_handlers.value(request.path);
    const Response r = handler ? handler(request) : answer(404, "not found");
    const qint64 size = r.endless || r.declaredLength >= 0 ? r.declaredLength : r.body.size();
    const QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status)
                            + (r.status == 500 ? " Internal Server Error" : " OK")
                            + "\r\nConnection: close\r\nContent-Type: " + r.contentType
                            + "\r\nLocation: " + r.location
                            + (size < 0 ? QByteArray()
                                        : "\r\nContent-Length: " + QByteArray::number(size));
    QTimer::singleShot(r.endless ? 0 : r.delayMs, socket, [=] {
        socket->write(head + "\r\n\r\n" + r.body);
        if (!r.endless)
            return socket->disconnectFromHost();
        // Written no faster than the client takes it, so the server's memory stays flat.
        auto *timer = new QTimer(socket);
        connect(timer, &QTimer::timeout, socket, [=, left = quint64(size)]() mutable {
            const quint64 piece = qMin<quint64>(left, r.delayMs > 0 ? 1 : 1 << 16);
            if (piece > 0 && socket->bytesToWrite() < (1 << 16)
                && (left -= socket->write(QByteArray(int(piece), 'x'))) == 0)
                socket->disconnectFromHost();
        });
        timer->start(r.delayMs);
    });
}

QStringList HttpTestServer::requestedPaths() const
{
    QStringList paths;
    for (const Request &request : m_requests)
        paths << request.path;
    return paths;
}
