#include "AutopilotPlugin.h"

#include "Autopilot.h"

QObject *AutopilotPlugin::create(const QString &key, const QString &)
{
    if (key.compare(QLatin1String("autopilot"), Qt::CaseInsensitive) != 0)
        return nullptr;
    // The application deletes what its generic plugins create.
    return new Autopilot(QString::fromLocal8Bit(qgetenv("UNINSTALL_AUTOPILOT")),
                         QString::fromLocal8Bit(qgetenv("UNINSTALL_AUTOPILOT_LOG")));
}
