#pragma once

#include <QMutex>
#include <QString>

/// Usage statistics: each event becomes one JSON line in usage.jsonl of the data directory.
class LMGA
{
public:
    enum CEIPType { Event = 1 };

    static LMGA *instance();

    void startService(int mode, const QString &category);
    void stopService();
    void startOneceTimeCheck();
    // Safe from any thread; records only while the service runs.
    void CEIP(const QString &category,
              const QString &action,
              CEIPType type,
              const QString &label,
              int value);
    // The wizard's events: category "uninstall", type Event, value 0.
    static void uninstallEvent(const QString &action, const QString &label);

private:
    LMGA() = default;
    QMutex m_mutex;
    bool m_running = false;
};
