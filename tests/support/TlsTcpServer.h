#pragma once

#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>

/// A QTcpServer that, once given a certificate and key, hands out server-side QSslSockets that
/// start their handshake at once; without them it accepts plain connections.
class TlsTcpServer : public QTcpServer
{
    Q_OBJECT

public:
    using QTcpServer::QTcpServer;

    void setIdentity(const QSslCertificate &certificate, const QSslKey &key);
    bool isTls() const { return !m_certificate.isNull(); }

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    QSslCertificate m_certificate;
    QSslKey m_key;
};
