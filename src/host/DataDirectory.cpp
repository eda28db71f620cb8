#include "host/DataDirectory.h"

#include "host/LmProductInfo.h"
#include "platform/ProcessEnvironment.h"

#include <QStandardPaths>

QString DataDirectory::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::DataLocation);
}

QString DataDirectory::logFile()
{
    return path() + QStringLiteral("/uninstall.log");
}

QString DataDirectory::usageFile()
{
    return path() + QStringLiteral("/usage.jsonl");
}

QString DataDirectory::cacheDirectory()
{
    return path() + QStringLiteral("/uninstallRes/");
}

QString DataDirectory::updaterFile()
{
    return path() + QStringLiteral("/updater/") + LmProductInfo::instance()->productName(QString())
           + QString::fromStdString(platform::executableSuffix());
}
