// Loaded into the host through QT_QPA_GENERIC_PLUGINS=autopilot: plays the ';'-separated steps of
// UNINSTALL_AUTOPILOT on the wizard's widgets by object name, logging each one done and each
// address opened. Steps: wait:NAME, page:N, click:NAME, reason:ROW, type:NAME=TEXT (a line or a
// text field), closewindow:NAME (as a window manager asks), shot:NAME=FILE, sleep:MS, file:PATH
// (until it exists), halfway:NAME (dies once that progress bar is halfway), value:NAME (logs the
// value of that progress bar, shown or hidden, as "value NAME VALUE"), minimize:NAME (its window), restored:NAME (until
// its window is no longer minimized).
#include "VisibleWidget.h"

#include <QtWidgets>

#include <cstdlib>

class Autopilot : public QObject
{
    Q_OBJECT

public:
    Autopilot()
    {
        m_log.open(QIODevice::WriteOnly | QIODevice::Append);
        QDesktopServices::setUrlHandler("http", this, "openUrl");
        QDesktopServices::setUrlHandler("https", this, "openUrl");
        connect(&m_timer, &QTimer::timeout, this, &Autopilot::tick);
        m_timer.start(20);
        m_clock.start();
    }

public slots:
    void openUrl(const QUrl &url) { record("url " + url.toString()); }

private:
    void record(const QString &line)
    {
        m_log.write(line.toUtf8() + '\n');
        m_log.flush();
    }

    bool logValue(const QString &name)
    {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *bar = top->findChild<QProgressBar *>(name)) {
                record(QStringLiteral("value %1 %2").arg(name).arg(bar->value()));
                return true;
            }
        }
        return false;
    }

    void tick()
    {
        if (m_steps.isEmpty()
            || !perform(m_steps.first().section(':', 0, 0), m_steps.first().section(':', 1)))
            return;
        record("done " + m_steps.takeFirst());
        m_clock.restart();
        if (m_steps.isEmpty())
            record("finished");
    }

    bool perform(const QString &verb, const QString &argument)
    {
        QWidget *widget = findVisibleWidget(argument.section('=', 0, 0));
        if (verb == "sleep")
            return m_clock.elapsed() >= argument.toInt();
        if (verb == "file")
            return QFileInfo::exists(argument);
        if (verb == "page") {
            auto *pages = qobject_cast<QStackedWidget *>(findVisibleWidget("processPage"));
            return pages && pages->currentIndex() == argument.toInt();
        }
        if (verb == "value") // hidden or not
            return logValue(argument);
        if (verb == "reason" && (widget = findVisibleWidget("frameOption_" + argument)))
            widget = widget->findChild<QCheckBox *>();
        auto *button = qobject_cast<QAbstractButton *>(widget);
        if (!widget || !widget->isVisible() || !widget->isEnabled())
            return false;
        if (auto *bar = qobject_cast<QProgressBar *>(widget); verb == "halfway") {
            const auto partWay = [bar](int value) {
                if (value >= bar->maximum() / 2 && value < bar->maximum())
                    std::_Exit(9);
            };
            // Every value counts, not only those a poll happens to see: the removal is quick.
            if (bar && !m_watched.contains(bar)) {
                m_watched << bar;
                connect(bar, &QProgressBar::valueChanged, bar, partWay);
            }
            if (bar)
                partWay(bar->value());
            return false;
        }
        if (button && (verb == "click" || verb == "reason"))
            button->click();
        else if (auto *line = qobject_cast<QLineEdit *>(widget); line && verb == "type")
            line->setText(argument.section('=', 1));
        else if (auto *text = qobject_cast<QTextEdit *>(widget); text && verb == "type")
            text->setPlainText(argument.section('=', 1));
        else if (verb == "closewindow")
            widget->window()->windowHandle()->close();
        else if (verb == "minimize")
            widget->window()->showMinimized();
        else if (verb == "restored")
            return !widget->window()->isMinimized();
        else if (verb == "shot")
            return widget->window()->grab().save(argument.section('=', 1));
        return true;
    }

    QStringList m_steps = qEnvironmentVariable("UNINSTALL_AUTOPILOT").split(';', Qt::SkipEmptyParts);
    QFile m_log{qEnvironmentVariable("UNINSTALL_AUTOPILOT_LOG")};
    QTimer m_timer;
    QElapsedTimer m_clock;
    QList<QProgressBar *> m_watched;
};

class AutopilotPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "autopilot.json")

public:
    // The application deletes what its generic plugins create.
    QObject *create(const QString &key, const QString &) override
    {
        return key.compare("autopilot", Qt::CaseInsensitive) == 0 ? new Autopilot : nullptr;
    }
};

#include "Autopilot.moc"
