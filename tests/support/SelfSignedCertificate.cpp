#include "SelfSignedCertificate.h"

#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

SelfSignedCertificate SelfSignedCertificate::generate(const QString &host)
{
    SelfSignedCertificate result;
    const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
    QTemporaryDir dir;
    if (openssl.isEmpty() || !dir.isValid()) {
        result.error = QStringLiteral("the openssl program is not installed");
        return result;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(openssl,
                  {QStringLiteral("req"),
                   QStringLiteral("-x509"),
                   QStringLiteral("-newkey"),
                   QStringLiteral("rsa:2048"),
                   QStringLiteral("-nodes"),
                   QStringLiteral("-days"),
                   QStringLiteral("2"),
                   QStringLiteral("-subj"),
                   QStringLiteral("/CN=") + host,
                   QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=")
                       + (QHostAddress(host).isNull() ? QStringLiteral("DNS:")
                                                      : QStringLiteral("IP:"))
                       + host,
                   QStringLiteral("-keyout"),
                   dir.filePath(QStringLiteral("key.pem")),
                   QStringLiteral("-out"),
                   dir.filePath(QStringLiteral("cert.pem"))});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        result.error = QStringLiteral("openssl failed: ")
                       + QString::fromLocal8Bit(process.readAll());
        return result;
    }
    result.certificate = QSslCertificate(readAll(dir.filePath(QStringLiteral("cert.pem"))));
    result.key = QSslKey(readAll(dir.filePath(QStringLiteral("key.pem"))), QSsl::Rsa);
    if (result.isNull())
        result.error = QStringLiteral("openssl wrote no usable certificate and key");
    return result;
}
