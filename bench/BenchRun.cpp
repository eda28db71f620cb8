#include "BenchRun.h"

#include <QFile>

BenchRun::BenchRun()
{
    Q_ASSERT(m_dir.isValid());
}

void BenchRun::setProbe(const QMap<QString, QString> &settings)
{
    m_plugins.removeAll(QStringLiteral("probe"));
    m_plugins << QStringLiteral("probe");
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        m_variables.insert(QStringLiteral("UNINSTALL_PROBE_") + it.key(), it.value());
    m_variables.insert(QStringLiteral("UNINSTALL_PROBE_LOG"), probeLog());
}

void BenchRun::setAutopilot(const QString &script)
{
    m_plugins.removeAll(QStringLiteral("autopilot"));
    if (script.isEmpty())
        return;
    m_plugins.prepend(QStringLiteral("autopilot"));
    m_variables.insert(QStringLiteral("UNINSTALL_AUTOPILOT"), script);
}

ChildRun::Result BenchRun::runHost(const QStringList &arguments, int timeoutMs)
{
    return run(m_installation.installDir() + QStringLiteral("/unins000"), arguments, timeoutMs);
}

ChildRun::Result BenchRun::runFloor(int timeoutMs)
{
    return run(QStringLiteral(BENCH_FLOOR), {}, timeoutMs);
}

ChildRun::Result BenchRun::runNetworkAndTextFloor(int timeoutMs)
{
    return run(QStringLiteral(BENCH_FLOOR_NETWORK), {}, timeoutMs);
}

ChildRun::Result BenchRun::run(const QString &program, const QStringList &arguments, int timeoutMs)
{
    QFile::remove(probeLog());
    QProcessEnvironment environment = m_installation.environment();
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"),
                       QStringLiteral(BENCH_PLUGIN_DIR ":" UNINSTALL_PLUGIN_DIR));
    environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), m_plugins.join(QLatin1Char(',')));
    for (auto it = m_variables.cbegin(); it != m_variables.cend(); ++it)
        environment.insert(it.key(), it.value());
    return ChildRun::run(program, arguments, environment, m_dir.path(), timeoutMs);
}

QString BenchRun::probeLog() const
{
    return m_dir.path() + QStringLiteral("/probe.log");
}

QMap<QString, qint64> BenchRun::probeValues() const
{
    QMap<QString, qint64> values;
    QFile file(probeLog());
    if (!file.open(QIODevice::ReadOnly))
        return values;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const int equals = line.indexOf('=');
        if (equals > 0)
            values.insert(QString::fromUtf8(line.left(equals)), line.mid(equals + 1).toLongLong());
    }
    return values;
}

int BenchRun::hostResult(const ChildRun::Result &result)
{
    const QList<QByteArray> lines = result.output.trimmed().split('\n');
    if (!result.exited || lines.isEmpty() || !lines.last().startsWith("result="))
        return -1;
    return lines.last().mid(7).toInt();
}
