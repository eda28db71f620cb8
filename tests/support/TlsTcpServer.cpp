#include "TlsTcpServer.h"

#include <QSslSocket>

void TlsTcpServer::setIdentity(const QSslCertificate &certificate, const QSslKey &key)
{
    m_certificate = certificate;
    m_key = key;
}

void TlsTcpServer::incomingConnection(qintptr socketDescriptor)
{
    if (!isTls()) {
        QTcpServer::incomingConnection(socketDescriptor);
        return;
    }
    auto *socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(socketDescriptor)) {
        delete socket;
        return;
    }
    socket->setLocalCertificate(m_certificate);
    socket->setPrivateKey(m_key);
    socket->setPeerVerifyMode(QSslSocket::VerifyNone);
    addPendingConnection(socket);
    socket->startServerEncryption();
}
