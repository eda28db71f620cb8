#pragma once

#include <QGenericPlugin>

/// Loaded into the host stand-in and the floor program through QT_QPA_GENERIC_PLUGINS=probe,
/// so both sides of a benchmark are measured by the same code.
class ProbePlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "probe.json")

public:
    QObject *create(const QString &key, const QString &parameters) override;
};
