#pragma once

#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

/// A throw-away installation of the sample product with the real host stand-in and library,
/// its own settings and data directories, and a run of the host driven by the autopilot.
class WholeRun
{
public:
    WholeRun();

    // Host, library, product.ini with these [Extend] entries, the kit's resources, some product
    // files, and the installer's records in the user settings.
    void layOut(const QMap<QString, QString> &extend = {});
    // Runs the host with the arguments while the autopilot plays the script; the result of
    // main_entry, or -1 when the host did not report one in time.
    int run(const QStringList &arguments, const QString &script, int timeoutMs = 60000);

    QString installDir() const;
    QString dataDir() const;
    QString settingsFile() const;
    bool installed(const QString &relativePath) const;
    QStringList productFiles() const;
    QStringList logTexts() const;
    QStringList usageLabels() const;
    QStringList autopilotLog() const;
    int hostExitCode() const { return m_exitCode; }
    // What the host runs with: its own settings and data directories, the offscreen platform
    // and the autopilot.
    QProcessEnvironment environment() const;

private:
    void copyHost();
    void writeProductFiles();
    void writeInstallRecords();

    QTemporaryDir m_dir;
    int m_exitCode = -1;
};
