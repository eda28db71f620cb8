#pragma once

#include "ChildRun.h"
#include "WholeRun.h"

#include <QMap>
#include <QTemporaryDir>

/// One measured process: the host stand-in on a throw-away installation, or the floor program in
/// the same environment, with the probe and the autopilot plugins as asked.
class BenchRun
{
public:
    BenchRun();

    WholeRun &installation() { return m_installation; }
    // Loads the probe with these UNINSTALL_PROBE_<name> settings.
    void setProbe(const QMap<QString, QString> &settings);
    // An empty script loads no autopilot.
    void setAutopilot(const QString &script);

    ChildRun::Result runHost(const QStringList &arguments, int timeoutMs);
    ChildRun::Result runFloor(int timeoutMs);
    // The floor window with a network manager and a line of text.
    ChildRun::Result runNetworkAndTextFloor(int timeoutMs);
    // What the probe wrote, by key.
    QMap<QString, qint64> probeValues() const;

    // The result the host printed, or -1.
    static int hostResult(const ChildRun::Result &result);

private:
    ChildRun::Result run(const QString &program, const QStringList &arguments, int timeoutMs);
    QString probeLog() const;

    WholeRun m_installation;
    QTemporaryDir m_dir;
    QStringList m_plugins;
    QMap<QString, QString> m_variables;
};
