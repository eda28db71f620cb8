#pragma once

#include "HttpTestServer.h"

#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>
#include <memory>

/// A throw-away installation of the sample product with the real host stand-in and library, its
/// own settings and data directories, and runs of the host driven by the autopilot.
class WholeRun
{
public:
    // From the discount offer over a reason to "Continue" on the upgrade offer; and from the
    // progress page to "Complete" with an e-mail address.
    static inline const QString confirming = QStringLiteral(
        "page:1;click:btnContinue_1;reason:2;click:btnContinue_2;click:btnContinue_3");
    static inline const QString completing = QStringLiteral(
        "page:3;wait:btnComplete;type:emailEdit=someone@example.com;click:btnComplete");

    explicit WholeRun(const QString &product = QStringLiteral("Demo Suite"))
        : m_product(product)
    {}

    // Host, library, product.ini with these [Extend] entries, the kit's resources, some product
    // files, and the installer's record in the user settings.
    void layOut(const QMap<QString, QString> &extend = {});
    // The result of main_entry, or -1 when the host reported none in time.
    int run(const QStringList &arguments, const QString &script, int timeoutMs = 60000)
    {
        return finish(*start(arguments, script), timeoutMs);
    }
    std::unique_ptr<QProcess> start(const QStringList &arguments, const QString &script) const;
    int finish(QProcess &host, int timeoutMs = 60000);
    // Private settings, data, runtime and temporary directories, offscreen, no display.
    QProcessEnvironment environment() const;

    QString installDir() const { return m_dir.path() + QStringLiteral("/install"); }
    QString dataDir() const;
    QString settingsFile() const;
    QStringList productFiles() const;
    QStringList autopilotLog() const;
    QByteArray hostStandardError() const { return m_standardError; }

private:
    QTemporaryDir m_dir;
    QString m_product;
    QByteArray m_standardError;
};

/// A product's configuration and report services on one loopback server: the configuration,
/// its three documents and four pictures, and a report address that accepts every post unless
/// the policy answers otherwise (attempt counts the posts of that report, from 1).
class ProductService : public HttpTestServer
{
public:
    using ReportPolicy = std::function<Response(bool second, int attempt)>;

    explicit ProductService(const ReportPolicy &policy = {});
    // The [Extend] entries that name both services.
    QMap<QString, QString> extend() const;
    QList<QByteArray> reports(bool second) const;

    QMap<QString, QByteArray> pictures; // by path, also their names in the wizard's cache

private:
    int m_posts[2] = {0, 0};
};
