#include "LmInstallInfo.h"

#include "LmSettings.h"

void LmInstallInfo::deregisterInstall()
{
    LmSettings::instance()->removeInstallRecord(QStringLiteral("Registered"));
}
