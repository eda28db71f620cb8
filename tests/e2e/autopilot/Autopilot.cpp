#include "Autopilot.h"

#include "VisibleWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTextEdit>
#include <QWindow>

namespace {

const int stepTimeoutMs = 30000;

} // namespace

Autopilot::Autopilot(const QString &script, const QString &logFile)
    : m_steps(script.split(QLatin1Char(';'), Qt::SkipEmptyParts))
    , m_log(logFile)
{
    m_log.open(QIODevice::WriteOnly | QIODevice::Append);
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
    connect(&m_timer, &QTimer::timeout, this, &Autopilot::tick);
    m_timer.start(20);
    m_stepClock.start();
}

void Autopilot::openUrl(const QUrl &url)
{
    record(QStringLiteral("url ") + url.toString());
}

void Autopilot::record(const QString &line)
{
    m_log.write(line.toUtf8() + '\n');
    m_log.flush();
}

void Autopilot::tick()
{
    if (m_steps.isEmpty())
        return;
    if (perform(m_steps.first())) {
        record(QStringLiteral("done ") + m_steps.takeFirst());
        m_stepClock.restart();
        if (m_steps.isEmpty())
            record(QStringLiteral("finished"));
    } else if (m_stepClock.elapsed() > stepTimeoutMs) {
        record(QStringLiteral("stuck ") + m_steps.first());
        m_steps.clear();
    }
}

bool Autopilot::perform(const QString &step)
{
    const QString verb = step.section(QLatin1Char(':'), 0, 0);
    const QString argument = step.section(QLatin1Char(':'), 1);
    if (verb == QLatin1String("sleep")) {
        if (m_sleepUntil < 0)
            m_sleepUntil = m_stepClock.elapsed() + argument.toInt();
        if (m_stepClock.elapsed() < m_sleepUntil)
            return false;
        m_sleepUntil = -1;
        return true;
    }
    if (verb == QLatin1String("file"))
        return QFileInfo::exists(argument);
    if (verb == QLatin1String("clicks")) {
        auto *button = qobject_cast<QAbstractButton *>(findVisibleWidget(argument));
        if (button)
            button->click();
        return button == nullptr;
    }
    if (verb == QLatin1String("page")) {
        auto *pages = qobject_cast<QStackedWidget *>(
            findVisibleWidget(QStringLiteral("processPage")));
        return pages && pages->currentIndex() == argument.toInt();
    }
    if (verb == QLatin1String("reason")) {
        QWidget *row = findVisibleWidget(QStringLiteral("frameOption_") + argument);
        auto *box = row ? row->findChild<QCheckBox *>() : nullptr;
        if (!box || !box->isVisible() || !box->isEnabled())
            return false;
        box->click();
        return true;
    }
    const QString name = argument.section(QLatin1Char('='), 0, 0);
    QWidget *widget = findVisibleWidget(name);
    if (!widget || !widget->isEnabled())
        return false;
    if (verb == QLatin1String("wait"))
        return true;
    if (verb == QLatin1String("click")) {
        auto *button = qobject_cast<QAbstractButton *>(widget);
        if (button)
            button->click();
        return button != nullptr;
    }
    if (verb == QLatin1String("type")) {
        const QString text = argument.section(QLatin1Char('='), 1);
        if (auto *line = qobject_cast<QLineEdit *>(widget))
            line->setText(text);
        else if (auto *edit = qobject_cast<QTextEdit *>(widget))
            edit->setPlainText(text);
        return true;
    }
    if (verb == QLatin1String("language")) {
        auto *box = qobject_cast<QComboBox *>(widget);
        if (box)
            box->setCurrentIndex(argument.section(QLatin1Char('='), 1).toInt());
        return box != nullptr;
    }
    if (verb == QLatin1String("closewindow")) {
        // Through the platform window, as a window manager asks.
        widget->window()->windowHandle()->close();
        return true;
    }
    if (verb == QLatin1String("shot"))
        return widget->window()->grab().save(argument.section(QLatin1Char('='), 1));
    record(QStringLiteral("unknown step ") + step);
    return true;
}
