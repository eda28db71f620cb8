#pragma once

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

/// A throw-away home for one test executable: settings, data, runtime and installation
/// directories under a temporary directory, a product.ini and a log file.
class TestEnvironment
{
public:
    // Call before the first QSettings or QStandardPaths use of the process.
    TestEnvironment();

    QString root() const;
    QString installDir() const;
    QString dataDir() const;
    QString resourceRoot() const;
    // The wizard's own log file, in the product's data directory.
    QString logFile() const;

    // Writes installDir()/product.ini for "Demo Suite" with these [Extend] entries and loads it.
    void writeProductIni(const QMap<QString, QString> &extend = {},
                         const QMap<QString, QString> &productOverrides = {});
    // Copies the sample product's resources (kit/resources) to resourceRoot().
    void installKitResources();
    void writeFile(const QString &relativePath, const QByteArray &content);

    // The text of every log line written so far, without time, level and thread.
    QStringList logTexts() const;
    QStringList logLines(const QString &level) const;
    QList<QJsonObject> usageEvents() const;
    QStringList usageLabels() const;
    void clearLogAndUsage();

    static QString sourceDir();

private:
    QTemporaryDir m_dir;
};
