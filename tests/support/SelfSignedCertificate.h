#pragma once

#include <QSslCertificate>
#include <QSslKey>
#include <QString>

/// A certificate for a host (127.0.0.1 unless told) and its key, made by the openssl program for one test run.
struct SelfSignedCertificate
{
    QSslCertificate certificate;
    QSslKey key;
    QString error; // why there is no certificate

    static SelfSignedCertificate generate(const QString &host = QStringLiteral("127.0.0.1"));
    bool isNull() const { return certificate.isNull() || key.isNull(); }
};
