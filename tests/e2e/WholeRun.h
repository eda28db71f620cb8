#pragma once

#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

/// A throw-away installation of the sample product with the real host stand-in and library,
/// its own settings and data directories, and a run of the host driven by the autopilot.
class WholeRun
{
public:
    // Autopilot scripts: from the discount offer over a reason to "Continue" on the upgrade
    // offer; and from the progress page to "Complete" with an e-mail address.
    static inline const QString confirming = QStringLiteral(
        "page:1;click:btnContinue_1;reason:2;click:btnContinue_2;click:btnContinue_3");
    static inline const QString completing = QStringLiteral(
        "page:3;wait:btnComplete;type:emailEdit=someone@example.com;click:btnComplete");
    static QString throughToTheEnd() { return confirming + QLatin1Char(';') + completing; }

    // Whether expected occurs in lines as a subsequence; warns of the first line that does not.
    static bool inOrder(const QStringList &lines, const QStringList &expected);

    explicit WholeRun(const QString &productName = QStringLiteral("Demo Suite"));

    // Host, library, product.ini with these [Extend] entries, the kit's resources, some product
    // files, and the installer's records in the user settings.
    void layOut(const QMap<QString, QString> &extend = {});
    // Runs the host with the arguments while the autopilot plays the script; the result of
    // main_entry, or -1 when the host did not report one in time.
    int run(const QStringList &arguments, const QString &script, int timeoutMs = 60000);
    // The same in two halves, so that a test can act while the host runs.
    std::unique_ptr<QProcess> start(const QStringList &arguments, const QString &script) const;
    int finish(QProcess &host, int timeoutMs = 60000);
    // What the host and the programs of the installation run with: the run's own settings,
    // data, runtime and temporary directories, the offscreen platform and no display.
    QProcessEnvironment environment() const;

    QString installDir() const;
    QString dataDir() const;
    QString settingsFile() const;
    bool installed(const QString &relativePath) const;
    QStringList productFiles() const;
    QStringList logTexts() const;
    QStringList usageLabels() const;
    // Each event as category/action/label.
    QStringList usageEvents() const;
    QStringList autopilotLog() const;
    int hostExitCode() const { return m_exitCode; }
    QByteArray hostStandardError() const { return m_standardError; }

private:
    void copyHost();
    void writeProductFiles();
    void writeInstallRecords();

    QTemporaryDir m_dir;
    QString m_product;
    int m_exitCode = -1;
    QByteArray m_standardError;
};
