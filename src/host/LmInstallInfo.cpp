#include "host/LmInstallInfo.h"

#include "host/LmSettings.h"

void LmInstallInfo::deregisterInstall()
{
    LmSettings::instance()->removeInstallRecord(QStringLiteral("Registered"));
}
