#include "TestEnvironment.h"

#include "LMGA.h"
#include "LmProductInfo.h"
#include "Utility.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStandardPaths>

#include <cstdlib>

namespace {

struct LogEntry
{
    QString level;
    QString text;
};

// A text with line breaks continues on lines that do not start with a time stamp.
QList<LogEntry> logEntries(const QString &fileName)
{
    QFile file(fileName);
    QList<LogEntry> entries;
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    const QString content = QString::fromUtf8(file.readAll());
    for (const QString &line : content.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString stamp = line.section(QLatin1Char('\t'), 0, 0);
        if (QDateTime::fromString(stamp, Qt::ISODateWithMs).isValid() || entries.isEmpty())
            entries.append(
                {line.section(QLatin1Char('\t'), 1, 1), line.section(QLatin1Char('\t'), 3)});
        else
            entries.last().text += QLatin1Char('\n') + line;
    }
    return entries;
}

} // namespace

TestEnvironment::TestEnvironment()
{
    Q_ASSERT(m_dir.isValid());
    for (const char *name : {"config", "data", "runtime", "cache", "install"})
        QDir(m_dir.path()).mkpath(QString::fromLatin1(name));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/cache")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path() + QStringLiteral("/runtime")));
    QFile::setPermissions(m_dir.path() + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    writeProductIni();
    SetLogfile(logFile().toStdString());
    SetLogLevel(0);
    LMGA::instance()->startService(4, QStringLiteral("uninstall"));
}

QString TestEnvironment::root() const
{
    return m_dir.path();
}

QString TestEnvironment::installDir() const
{
    return m_dir.path() + QStringLiteral("/install");
}

QString TestEnvironment::dataDir() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DataLocation);
}

QString TestEnvironment::resourceRoot() const
{
    return installDir() + QStringLiteral("/resources");
}

QString TestEnvironment::logFile() const
{
    return dataDir() + QStringLiteral("/uninstall.log");
}

void TestEnvironment::writeProductIni(const QMap<QString, QString> &extend,
                                      const QMap<QString, QString> &productOverrides)
{
    QMap<QString, QString> product{
        {QStringLiteral("Name"), QStringLiteral("Demo Suite")},
        {QStringLiteral("Version"), QStringLiteral("3.2.1")},
        {QStringLiteral("ID"), QStringLiteral("1001")},
        {QStringLiteral("GUID"), QStringLiteral("{6F1B2C3D-0000-4000-8000-00000000DE30}")},
        {QStringLiteral("Brand"), QStringLiteral("Example Works")},
        {QStringLiteral("DefaultLanguage"), QStringLiteral("en")},
        {QStringLiteral("DefaultSkin"), QStringLiteral("default")},
        {QStringLiteral("PurchaseUrl"), QStringLiteral("https://shop.example.com/buy")},
        {QStringLiteral("AfterUninstallUrl"),
         QStringLiteral("https://www.example.com/goodbye?id=%1")},
    };
    for (auto it = productOverrides.cbegin(); it != productOverrides.cend(); ++it)
        product.insert(it.key(), it.value());
    QByteArray text = "[Product]\n";
    for (auto it = product.cbegin(); it != product.cend(); ++it)
        text += it.key().toUtf8() + '=' + it.value().toUtf8() + '\n';
    text += "[Extend]\n";
    for (auto it = extend.cbegin(); it != extend.cend(); ++it)
        text += it.key().toUtf8() + '=' + it.value().toUtf8() + '\n';
    writeFile(QStringLiteral("product.ini"), text);
    LmProductInfo::instance()->load(installDir() + QStringLiteral("/product.ini"));
    QCoreApplication::setOrganizationName(LmProductInfo::instance()->brand());
    QCoreApplication::setApplicationName(LmProductInfo::instance()->productName(QString()));
}

void TestEnvironment::installKitResources()
{
    const QString source = sourceDir() + QStringLiteral("/kit/resources");
    QDirIterator it(source,
                    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = resourceRoot() + path.mid(source.size());
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else {
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::remove(target);
            QFile::copy(path, target);
        }
    }
}

void TestEnvironment::writeFile(const QString &relativePath, const QByteArray &content)
{
    const QString path = installDir() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

QStringList TestEnvironment::logTexts() const
{
    QStringList texts;
    for (const LogEntry &entry : logEntries(logFile()))
        texts << entry.text;
    return texts;
}

QStringList TestEnvironment::logLines(const QString &level) const
{
    QStringList texts;
    for (const LogEntry &entry : logEntries(logFile())) {
        if (entry.level == level)
            texts << entry.text;
    }
    return texts;
}

QList<QJsonObject> TestEnvironment::usageEvents() const
{
    QFile file(LMGA::usageFileName());
    QList<QJsonObject> events;
    if (!file.open(QIODevice::ReadOnly))
        return events;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            events << QJsonDocument::fromJson(line).object();
    }
    return events;
}

QStringList TestEnvironment::usageLabels() const
{
    QStringList labels;
    for (const QJsonObject &event : usageEvents())
        labels << event.value(QStringLiteral("label")).toString();
    return labels;
}

void TestEnvironment::clearLogAndUsage()
{
    SetLogfile(std::string());
    QFile::remove(logFile());
    SetLogfile(logFile().toStdString());
    QFile::remove(LMGA::usageFileName());
}

QString TestEnvironment::sourceDir()
{
    const QByteArray fromEnvironment = qgetenv("UNINSTALL_SOURCE_DIR");
    return fromEnvironment.isEmpty() ? QStringLiteral(UNINSTALL_SOURCE_DIR)
                                     : QString::fromLocal8Bit(fromEnvironment);
}
