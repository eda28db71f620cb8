#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

/// Real processes under chosen executable file names: each a copy of a program in a directory
/// of its own. Whatever still runs is killed with this object.
class NamedProcesses
{
public:
    explicit NamedProcesses(QString directory);
    ~NamedProcesses();
    NamedProcesses(const NamedProcesses &) = delete;
    NamedProcesses &operator=(const NamedProcesses &) = delete;

    // Starts a copy of program named fileName plus the system's program suffix.
    QProcess *start(const QString &program,
                    const QString &fileName,
                    const QStringList &arguments = {});
    // Starts a copy of lockholder holding a lock of its own; null unless it got to run.
    QProcess *startHolder(const QString &lockholder, const QString &fileName);
    void killAll();

    // Waits at most 30 s for the next line of output.
    static QByteArray nextLine(QProcess *process);
    // Closes the process's input and waits for it to end normally: lockholder still ran.
    static bool endsWhenAsked(QProcess *process);
    static bool wasKilled(QProcess *process);

private:
    QString m_directory;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    int m_started = 0;
};
