#pragma once

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

/// Measures inside the process under test and writes "key=value" lines to its log file.
///
/// "shown": the monotonic time in nanoseconds of the first paint of the widget named shownName;
/// then it clicks the button named thenName, or closes that widget's window when none is named.
/// "worstDelayUs" and "arrivals": while the widget named whileName is visible, the longest time
/// the event loop kept a 1 ms timer waiting beyond its interval, and the number of queued calls
/// that the widget's window received.
/// "peakKb": when the application ends, the process's peak resident set since it was started.
class Probe : public QObject
{
    Q_OBJECT

public:
    Probe(const QString &logFile,
          const QString &shownName,
          const QString &thenName,
          const QString &whileName);
    ~Probe() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void recordShown(QWidget *widget);
    void finishShown(QWidget *widget);
    void startWatching(QWidget *widget);
    void stopWatching();
    void tick();
    void record(const char *key, qint64 value);

    QFile m_log;
    QString m_shownName;
    QString m_thenName;
    QString m_whileName;
    bool m_shownRecorded = false;
    QTimer m_ticker;
    QPointer<QWidget> m_watchedWindow;
    qint64 m_lastTickNs = 0;
    qint64 m_worstDelayNs = 0;
    qint64 m_arrivals = 0;
};
