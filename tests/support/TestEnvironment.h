#pragma once

#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

/// A throw-away home for one test executable: settings, data, runtime and installation
/// directories under a temporary directory, a product.ini and a log file.
class TestEnvironment
{
public:
    TestEnvironment();

    QString root() const { return m_dir.path(); }
    QString installDir() const { return root() + QStringLiteral("/install"); }
    QString dataDir() const
    {
        return QStandardPaths::writableLocation(QStandardPaths::DataLocation);
    }
    QString resourceRoot() const { return installDir() + QStringLiteral("/resources"); }
    QString logFile() const { return dataDir() + QStringLiteral("/uninstall.log"); }

    // Writes installDir()/product.ini for "Demo Suite" with these [Extend] entries and loads it.
    void writeProductIni(const QMap<QString, QString> &extend = {},
                         const QMap<QString, QString> &productOverrides = {});
    // Copies the sample product's resources (kit/resources) to resourceRoot().
    void installKitResources();
    void writeFile(const QString &relativePath, const QByteArray &content);

    void clearLogAndUsage();

    static QString sourceDir();
    // The next line of a process's output, waiting at most 30 s.
    static QByteArray nextLine(QProcess *process);

private:
    QTemporaryDir m_dir;
};
