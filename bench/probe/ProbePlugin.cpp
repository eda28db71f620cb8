#include "ProbePlugin.h"

#include "Probe.h"

QObject *ProbePlugin::create(const QString &key, const QString &)
{
    if (key.compare(QLatin1String("probe"), Qt::CaseInsensitive) != 0)
        return nullptr;
    // The application deletes what its generic plugins create.
    return new Probe(QString::fromLocal8Bit(qgetenv("UNINSTALL_PROBE_LOG")),
                     QString::fromLocal8Bit(qgetenv("UNINSTALL_PROBE_SHOWN")),
                     QString::fromLocal8Bit(qgetenv("UNINSTALL_PROBE_THEN")),
                     QString::fromLocal8Bit(qgetenv("UNINSTALL_PROBE_WHILE")));
}
