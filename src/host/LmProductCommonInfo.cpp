#include "host/LmProductCommonInfo.h"

#include "host/LmSettings.h"

// The settings file belongs to one product already, so the id selects nothing further.
LmProductCommonInfo *LmProductCommonInfo::instance()
{
    static LmProductCommonInfo info;
    return &info;
}

void LmProductCommonInfo::unsetInstallPath(const QString &)
{
    LmSettings::instance()->removeInstallRecord(QStringLiteral("Path"));
}

void LmProductCommonInfo::unsetInstallVersion(const QString &)
{
    LmSettings::instance()->removeInstallRecord(QStringLiteral("Version"));
}
