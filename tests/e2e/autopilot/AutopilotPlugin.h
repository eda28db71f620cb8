#pragma once

#include <QGenericPlugin>

/// Loaded into the host stand-in through QT_QPA_GENERIC_PLUGINS=autopilot, so whole runs of the
/// real host and library can be driven from a test.
class AutopilotPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "autopilot.json")

public:
    QObject *create(const QString &key, const QString &parameters) override;
};
