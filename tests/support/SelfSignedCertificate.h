#pragma once

#include "TestEnvironment.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslKey>

/// A self-signed certificate for 127.0.0.1 or other.example, valid until 2126, and its key.
struct SelfSignedCertificate
{
    QSslCertificate certificate;
    QSslKey key;
    QString error; // why there is no certificate

    static SelfSignedCertificate generate(const QString &host = QStringLiteral("127.0.0.1"))
    {
        QFile file(TestEnvironment::sourceDir() + "/tests/support/tls/" + host + ".pem");
        const QByteArray pem = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        return {QSslCertificate(pem), QSslKey(pem, QSsl::Rsa), file.errorString()};
    }
    bool isNull() const { return certificate.isNull() || key.isNull(); }
};
