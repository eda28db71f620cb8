#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QUrl>

class QWidget;

/// Plays a script of user actions against the wizard's widgets, found by object name.
///
/// Steps, separated by ';': wait:NAME (visible), page:N (main page index), click:NAME,
/// clicks:NAME (click as long as one is visible, for a dialog that may come back),
/// reason:ROW (click the check box of reason row ROW), type:NAME=TEXT, language:NAME=N,
/// shot:NAME=FILE, sleep:MS, file:PATH (wait until the file exists, for a test to let the run
/// go on). Every finished step, opened address and failure is written to the log file.
class Autopilot : public QObject
{
    Q_OBJECT

public:
    Autopilot(const QString &script, const QString &logFile);

public slots:
    void openUrl(const QUrl &url);

private:
    void tick();
    bool perform(const QString &step);
    void record(const QString &line);

    QStringList m_steps;
    QFile m_log;
    QTimer m_timer;
    QElapsedTimer m_stepClock;
    qint64 m_sleepUntil = -1;
};
