#include "NamedProcesses.h"

#include "ProcessEnvironment.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

NamedProcesses::NamedProcesses(QString directory)
    : m_directory(std::move(directory))
{}

NamedProcesses::~NamedProcesses()
{
    killAll();
}

QProcess *NamedProcesses::start(const QString &program,
                                const QString &fileName,
                                const QStringList &arguments)
{
    const QString directory = m_directory + QStringLiteral("/%1").arg(++m_started);
    const QString copy = directory + QLatin1Char('/') + fileName
                         + QString::fromStdString(platform::executableSuffix());
    if (!QDir().mkpath(directory) || !QFile::copy(program, copy))
        qFatal("cannot copy %s to %s", qPrintable(program), qPrintable(copy));
    m_processes.push_back(std::make_unique<QProcess>());
    QProcess *process = m_processes.back().get();
    process->start(copy, arguments);
    return process;
}

QProcess *NamedProcesses::startHolder(const QString &lockholder, const QString &fileName)
{
    QProcess *process = start(lockholder,
                              fileName,
                              {QStringLiteral("holder %1 %2").arg(m_directory).arg(m_started)});
    return nextLine(process) == "locked" ? process : nullptr;
}

void NamedProcesses::killAll()
{
    for (const auto &process : m_processes) {
        process->kill();
        process->waitForFinished(10000);
    }
    m_processes.clear();
}

QByteArray NamedProcesses::nextLine(QProcess *process)
{
    const QDeadlineTimer deadline(30000);
    while (!process->canReadLine()) {
        if (deadline.hasExpired() || !process->waitForReadyRead(int(deadline.remainingTime())))
            return {};
    }
    return process->readLine().trimmed();
}

bool NamedProcesses::endsWhenAsked(QProcess *process)
{
    process->closeWriteChannel();
    if (process->state() != QProcess::NotRunning && !process->waitForFinished(30000))
        return false;
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
}

bool NamedProcesses::wasKilled(QProcess *process)
{
    if (process->state() != QProcess::NotRunning && !process->waitForFinished(30000))
        return false;
    return process->exitStatus() == QProcess::CrashExit;
}
