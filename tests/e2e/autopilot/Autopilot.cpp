// Loaded into the host through QT_QPA_GENERIC_PLUGINS=autopilot: plays the ';'-separated steps of
// UNINSTALL_AUTOPILOT on the wizard's widgets by object name, logging each one done and each
// address opened. Steps: wait:NAME, page:N, click:NAME, clicks:NAME (while one is visible),
// reason:ROW, type:NAME=TEXT, closewindow:NAME (as a window manager asks), shot:NAME=FILE,
// sleep:MS, file:PATH (until it exists), halfway:NAME (dies once that progress bar is part-way).
#include "VisibleWidget.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QProgressBar>
#include <QStackedWidget>
#include <QTimer>
#include <QWindow>

#include <cstdlib>

class Autopilot : public QObject
{
    Q_OBJECT

public:
    Autopilot()
        : m_steps(
            qEnvironmentVariable("UNINSTALL_AUTOPILOT").split(QLatin1Char(';'), Qt::SkipEmptyParts))
        , m_log(qEnvironmentVariable("UNINSTALL_AUTOPILOT_LOG"))
    {
        m_log.open(QIODevice::WriteOnly | QIODevice::Append);
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        connect(&m_timer, &QTimer::timeout, this, &Autopilot::tick);
        m_timer.start(20);
        m_clock.start();
    }

public slots:
    void openUrl(const QUrl &url) { record(QStringLiteral("url ") + url.toString()); }

private:
    void record(const QString &line)
    {
        m_log.write(line.toUtf8() + '\n');
        m_log.flush();
    }

    void tick()
    {
        if (m_steps.isEmpty())
            return;
        const QString step = m_steps.first();
        if (!perform(step.section(QLatin1Char(':'), 0, 0), step.section(QLatin1Char(':'), 1)))
            return;
        record(QStringLiteral("done ") + m_steps.takeFirst());
        m_clock.restart();
        if (m_steps.isEmpty())
            record(QStringLiteral("finished"));
    }

    bool perform(const QString &verb, const QString &argument)
    {
        const QString name = argument.section(QLatin1Char('='), 0, 0);
        const QString value = argument.section(QLatin1Char('='), 1);
        QWidget *widget = findVisibleWidget(name);
        if (verb == QLatin1String("sleep"))
            return m_clock.elapsed() >= argument.toInt();
        if (verb == QLatin1String("file"))
            return QFileInfo::exists(argument);
        if (verb == QLatin1String("clicks")) {
            if (auto *button = qobject_cast<QAbstractButton *>(widget))
                button->click();
            return widget == nullptr;
        }
        if (verb == QLatin1String("page")) {
            auto *pages = qobject_cast<QStackedWidget *>(
                findVisibleWidget(QStringLiteral("processPage")));
            return pages && pages->currentIndex() == argument.toInt();
        }
        if (verb == QLatin1String("reason")) {
            widget = findVisibleWidget(QStringLiteral("frameOption_") + argument);
            widget = widget ? widget->findChild<QCheckBox *>() : nullptr;
        }
        if (!widget || !widget->isVisible() || !widget->isEnabled())
            return false;
        if (verb == QLatin1String("halfway")) {
            auto *bar = qobject_cast<QProgressBar *>(widget);
            if (bar && bar->value() > 0 && bar->value() < bar->maximum())
                std::_Exit(9);
            return false;
        }
        if (auto *button = qobject_cast<QAbstractButton *>(widget);
            button && (verb == QLatin1String("click") || verb == QLatin1String("reason")))
            button->click();
        else if (auto *line = qobject_cast<QLineEdit *>(widget);
                 line && verb == QLatin1String("type"))
            line->setText(value);
        else if (verb == QLatin1String("closewindow"))
            widget->window()->windowHandle()->close();
        else if (verb == QLatin1String("shot"))
            return widget->window()->grab().save(value);
        else if (verb != QLatin1String("wait"))
            record(QStringLiteral("unknown step ") + verb);
        return true;
    }

    QStringList m_steps;
    QFile m_log;
    QTimer m_timer;
    QElapsedTimer m_clock;
};

class AutopilotPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "autopilot.json")

public:
    // The application deletes what its generic plugins create.
    QObject *create(const QString &key, const QString &) override
    {
        return key.compare(QLatin1String("autopilot"), Qt::CaseInsensitive) == 0 ? new Autopilot
                                                                                 : nullptr;
    }
};

#include "Autopilot.moc"
