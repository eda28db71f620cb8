// Ending processes by executable name and place, with real processes: copies of lockholder under
// the names to match. Names carry this test's process id, so nothing else on the machine matches.
#include "NamedProcesses.h"
#include "ProcessControl.h"
#include "ProcessEnvironment.h"
#include "TestEnvironment.h"

#include <QtTest>

#include <unistd.h>

class TestProcessControl : public QObject
{
    Q_OBJECT

private slots:
    void endsEveryProcessOfThatNameOnly();
    void sparesOtherUsers();

private:
    TestEnvironment m_env;
};

void TestProcessControl::endsEveryProcessOfThatNameOnly()
{
    const QString installation = m_env.root() + QStringLiteral("/install");
    NamedProcesses processes(installation);
    NamedProcesses elsewhere(m_env.root() + QStringLiteral("/elsewhere"));
    const auto start = [](NamedProcesses &where, const QString &fileName) {
        QProcess *process = where.startHolder(QStringLiteral(LOCKHOLDER), fileName);
        if (!process)
            qFatal("%s did not start", qPrintable(fileName));
        return process;
    };
    const QString name = QStringLiteral("Demo Suite %1").arg(QCoreApplication::applicationPid());
    const QList<QProcess *> doomed{start(processes, name),
                                   start(processes, name.toUpper()),
                                   start(processes, name.toLower()),
                                   start(processes, name)};
    // Its file is gone, so the system names its executable "<name> (deleted)".
    QVERIFY(QFile::remove(doomed.last()->program()));
    QProcess *own = start(processes, name);
    const QList<QProcess *> spared{own,
                                   start(processes, name + QStringLiteral("Tool")),
                                   start(processes, name + QStringLiteral(" Service")),
                                   start(processes, name.left(10)),
                                   start(elsewhere, name)};

    const QString program = name + QString::fromStdString(platform::executableSuffix());
    platform::terminateProcessesNamed(program.toStdString(),
                                      installation.toStdString(),
                                      own->processId());

    for (QProcess *process : doomed)
        QVERIFY2(NamedProcesses::wasKilled(process), qPrintable(process->program()));
    for (QProcess *process : spared)
        QVERIFY2(NamedProcesses::endsWhenAsked(process), qPrintable(process->program()));
}

void TestProcessControl::sparesOtherUsers()
{
    if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("needs root and setpriv to start a process of another user");
    const QString installation = m_env.root() + QStringLiteral("/install");
    const QString name = QStringLiteral("Demo Suite %1").arg(QCoreApplication::applicationPid());
    const QString copy = installation + QLatin1Char('/') + name;
    QVERIFY(QDir().mkpath(installation));
    QVERIFY(QFile::copy(QStringLiteral(LOCKHOLDER), copy));
    for (QString directory = installation; directory != QDir::rootPath();
         directory = QFileInfo(directory).path())
        QFile(directory).setPermissions(QFile(directory).permissions() | QFile::ExeOther);
    QProcess other;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    other.setProcessEnvironment(environment);
    other.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=65534"),
                 QStringLiteral("--regid=65534"),
                 QStringLiteral("--clear-groups"),
                 copy,
                 QStringLiteral("other %1").arg(QCoreApplication::applicationPid())});
    QCOMPARE(NamedProcesses::nextLine(&other), QByteArray("locked"));

    platform::terminateProcessesNamed(name.toStdString(), installation.toStdString(), 0);

    QVERIFY(NamedProcesses::endsWhenAsked(&other));
}

QTEST_GUILESS_MAIN(TestProcessControl)
#include "tst_processcontrol.moc"
