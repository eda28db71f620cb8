#pragma once

#include "HttpTestServer.h"

#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

/// A throw-away installation of the sample product with the real host stand-in and library, its
/// own settings and data directories, and runs of the host driven by the autopilot.
class WholeRun
{
public:
    // The installation is laid out in installDir, by default a folder of a temporary directory.
    explicit WholeRun(const QString &product = QStringLiteral("Demo Suite"),
                      const QString &installDir = QString())
        : m_product(product)
        , m_installDir(installDir.isEmpty() ? m_dir.path() + QStringLiteral("/install") : installDir)
    {}
    ~WholeRun();

    // Host, library, product.ini with these [Extend] entries, the kit's resources, some product
    // files, and the installer's record in the user settings.
    void layOut(const QMap<QString, QString> &extend = {});
    std::unique_ptr<QProcess> start(const QStringList &arguments, const QString &script) const;
    // The result of main_entry, or -1 when the host reported none in time.
    int finish(QProcess &host, int timeoutMs = 60000);
    int run(const QStringList &arguments, const QString &script, int timeoutMs = 60000)
    {
        return finish(*start(arguments, script), timeoutMs);
    }
    // Private settings, data, runtime and temporary directories, offscreen, no display.
    QProcessEnvironment environment() const;

    QString installDir() const { return m_installDir; }
    QString dataDir() const;
    QString settingsFile() const;
    // The host's file name, unins000 with the system's program suffix.
    static QString hostName();
    QStringList productFiles() const;
    QStringList autopilotLog() const;
    static QByteArray contentOf(const QString &path);
    QByteArray standardError; // of the last finished run
    // The Qt platform plugin of the hosts that this installation runs.
    QString platform = QStringLiteral("offscreen");

private:
    QTemporaryDir m_dir;
    QString m_product;
    QString m_installDir;
};

/// A product's configuration and report services on one loopback server: the configuration,
/// its three documents and four pictures, and a report address that accepts every post.
class ProductService : public HttpTestServer
{
public:
    // Over TLS when given a certificate.
    explicit ProductService(const QSslCertificate &certificate = QSslCertificate(),
                            const QSslKey &key = QSslKey());
    // The [Extend] entries that name both services.
    QMap<QString, QString> extend() const;

    QMap<QString, QByteArray> pictures; // by path, also their names in the wizard's cache
};
