#include "TestEnvironment.h"
#include "host/DataDirectory.h"

#include "host/LMGA.h"
#include "host/LmProductInfo.h"
#include "host/Utility.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>

TestEnvironment::TestEnvironment()
{
    for (const char *name : {"config", "data", "runtime", "cache", "install"}) {
        QDir(root()).mkpath(QString::fromLatin1(name));
        const QByteArray variable = "XDG_" + QByteArray(name).toUpper() + "_"
                                    + (name[0] == 'r' ? "DIR" : "HOME");
        qputenv(variable.constData(),
                QFile::encodeName(root() + QLatin1Char('/') + QLatin1String(name)));
    }
    QFile::setPermissions(root() + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeProductIni();
    SetLogfile(logFile().toStdString());
    SetLogLevel(0);
    LMGA::instance()->startService(4, QStringLiteral("uninstall"));
}

void TestEnvironment::writeProductIni(const QMap<QString, QString> &extend,
                                      const QMap<QString, QString> &productOverrides)
{
    // Later entries win, so the overrides follow the defaults.
    QByteArray text = "[Product]\nName=Demo Suite\nVersion=3.2.1\nID=1001\nBrand=Example Works\n"
                      "GUID={6F1B2C3D-0000-4000-8000-00000000DE30}\nDefaultLanguage=en\n"
                      "DefaultSkin=default\nPurchaseUrl=https://shop.example.com/buy\n"
                      "AfterUninstallUrl=https://www.example.com/goodbye?id=%1\n";
    for (const QMap<QString, QString> *entries : {&productOverrides, &extend}) {
        for (auto it = entries->cbegin(); it != entries->cend(); ++it)
            text += it.key().toUtf8() + '=' + it.value().toUtf8() + '\n';
        text += entries == &productOverrides ? "[Extend]\n" : "";
    }
    writeFile(QStringLiteral("product.ini"), text);
    LmProductInfo::instance()->load(installDir() + QStringLiteral("/product.ini"));
    QCoreApplication::setOrganizationName(LmProductInfo::instance()->brand());
    QCoreApplication::setApplicationName(LmProductInfo::instance()->productName(QString()));
}

void TestEnvironment::installKitResources()
{
    const QString source = sourceDir() + QStringLiteral("/kit/resources");
    for (QDirIterator it(source, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString target = resourceRoot() + it.next().mid(source.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        QFile::copy(it.filePath(), target);
    }
}

void TestEnvironment::writeFile(const QString &relativePath, const QByteArray &content)
{
    QFile file(installDir() + QLatin1Char('/') + relativePath);
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

void TestEnvironment::clearLogAndUsage()
{
    SetLogfile(std::string());
    QFile::remove(logFile());
    SetLogfile(logFile().toStdString());
    QFile::remove(DataDirectory::usageFile());
}

QString TestEnvironment::sourceDir()
{
    const QByteArray fromEnvironment = qgetenv("UNINSTALL_SOURCE_DIR");
    return fromEnvironment.isEmpty() ? QStringLiteral(UNINSTALL_SOURCE_DIR)
                                     : QFile::decodeName(fromEnvironment);
}

QByteArray TestEnvironment::nextLine(QProcess *process)
{
    const QDeadlineTimer deadline(30000);
    while (!process->canReadLine()) {
        if (deadline.hasExpired() || !process->waitForReadyRead(int(deadline.remainingTime())))
            return {};
    }
    return process->readLine().trimmed();
}
