#include "Probe.h"

#include "MonotonicClock.h"
#include "VisibleWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

namespace {

constexpr int tickMs = 1;

// The kernel's high-water mark of this process's own memory. Not the rusage figure: a child
// spawned through vfork inherits its parent's peak there.
qint64 peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

} // namespace

Probe::Probe(const QString &logFile,
             const QString &shownName,
             const QString &thenName,
             const QString &whileName)
    : m_log(logFile)
    , m_shownName(shownName)
    , m_thenName(thenName)
    , m_whileName(whileName)
{
    m_log.open(QIODevice::WriteOnly | QIODevice::Append);
    m_ticker.setTimerType(Qt::PreciseTimer);
    m_ticker.setInterval(tickMs);
    connect(&m_ticker, &QTimer::timeout, this, &Probe::tick);
    QCoreApplication::instance()->installEventFilter(this);
}

Probe::~Probe()
{
    stopWatching();
    record("peakKb", peakResidentKb());
}

bool Probe::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Paint:
        if (!m_shownRecorded && !m_shownName.isEmpty() && watched->objectName() == m_shownName)
            recordShown(static_cast<QWidget *>(watched));
        break;
    case QEvent::Show:
        if (!m_whileName.isEmpty() && watched->objectName() == m_whileName)
            startWatching(static_cast<QWidget *>(watched));
        break;
    case QEvent::Hide:
        if (!m_whileName.isEmpty() && watched->objectName() == m_whileName)
            stopWatching();
        break;
    case QEvent::MetaCall:
        if (m_ticker.isActive() && watched == m_watchedWindow)
            ++m_arrivals;
        break;
    default:
        break;
    }
    return false;
}

void Probe::recordShown(QWidget *widget)
{
    m_shownRecorded = true;
    record("shown", monotonicNs());
    // Acting inside the paint event would disturb the paint being measured.
    QPointer<QWidget> shown(widget);
    QTimer::singleShot(0, this, [this, shown] { finishShown(shown); });
}

void Probe::finishShown(QWidget *widget)
{
    if (m_thenName.isEmpty()) {
        if (widget)
            widget->window()->close();
        return;
    }
    if (auto *button = qobject_cast<QAbstractButton *>(findVisibleWidget(m_thenName)))
        button->click();
    else
        record("missing", 1);
}

void Probe::startWatching(QWidget *widget)
{
    if (m_ticker.isActive())
        return;
    m_watchedWindow = widget->window();
    m_worstDelayNs = 0;
    m_arrivals = 0;
    m_lastTickNs = monotonicNs();
    m_ticker.start();
}

void Probe::stopWatching()
{
    if (!m_ticker.isActive())
        return;
    m_ticker.stop();
    tick();
    record("worstDelayUs", m_worstDelayNs / 1000);
    record("arrivals", m_arrivals);
}

void Probe::tick()
{
    const qint64 now = monotonicNs();
    m_worstDelayNs = qMax(m_worstDelayNs, now - m_lastTickNs - tickMs * 1000000LL);
    m_lastTickNs = now;
}

void Probe::record(const char *key, qint64 value)
{
    m_log.write(QByteArray(key) + '=' + QByteArray::number(value) + '\n');
    m_log.flush();
}
