// Ending processes by executable name, with real processes: copies of lockholder under the
// names to match. Names carry this test's process id, so nothing else on the machine matches.
#include "NamedProcesses.h"
#include "ProcessControl.h"
#include "ProcessEnvironment.h"
#include "TestEnvironment.h"

#include <QtTest>

class TestProcessControl : public QObject
{
    Q_OBJECT

private slots:
    void endsEveryProcessOfThatNameOnly();

private:
    TestEnvironment m_env;
};

void TestProcessControl::endsEveryProcessOfThatNameOnly()
{
    NamedProcesses processes(m_env.root() + QStringLiteral("/bin"));
    const auto start = [&processes](const QString &fileName) {
        QProcess *process = processes.startHolder(QStringLiteral(LOCKHOLDER), fileName);
        if (!process)
            qFatal("%s did not start", qPrintable(fileName));
        return process;
    };
    const QString name = QStringLiteral("Demo Suite %1").arg(QCoreApplication::applicationPid());
    const QList<QProcess *> doomed{start(name),
                                   start(name),
                                   start(name.toUpper()),
                                   start(name.toLower()),
                                   start(name)};
    // Its file is gone, so the system names its executable "<name> (deleted)".
    QVERIFY(QFile::remove(doomed.last()->program()));
    QProcess *own = start(name);
    const QList<QProcess *> spared{own,
                                   start(name + QStringLiteral("Tool")),
                                   start(name + QStringLiteral(" Service")),
                                   start(name.left(10))};

    const QString program = name + QString::fromStdString(platform::executableSuffix());
    platform::terminateProcessesNamed(program.toStdString(), own->processId());

    for (QProcess *process : doomed)
        QVERIFY2(NamedProcesses::wasKilled(process), qPrintable(process->program()));
    for (QProcess *process : spared)
        QVERIFY2(NamedProcesses::endsWhenAsked(process), qPrintable(process->program()));
}

QTEST_GUILESS_MAIN(TestProcessControl)
#include "tst_processcontrol.moc"
