// The named lock and ending processes by name, across real processes: lockholder and copies of
// it under the names to match. Names carry this test's process id, so nothing else matches.
#include "NamedLock.h"
#include "ProcessControl.h"
#include "TestEnvironment.h"

#include <QtTest>

#include <deque>
#include <unistd.h>

using Result = platform::NamedLock::Result;

class TestProcesses : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { m_processes.clear(); }
    void lockWithoutRuntimeDirectory();
    void endsTheProductsProcessesOnly();
    void sparesOtherUsers();

private:
    // Starts the command; null unless its first line is "locked".
    QProcess *start(QStringList command)
    {
        QProcess &process = m_processes.emplace_back();
        process.start(command.takeFirst(), command);
        return TestEnvironment::nextLine(&process) == "locked" ? &process : nullptr;
    }
    // Copies lockholder to the folder under name and starts it, with a lock of its own.
    QProcess *startCopy(const QString &folder, const QString &name, const QStringList &as = {})
    {
        const QString copy
            = QStringLiteral("%1/%2/%3/").arg(m_env.root(), folder).arg(m_processes.size()) + name;
        QDir().mkpath(QFileInfo(copy).path());
        QFile::copy(LOCKHOLDER, copy);
        return start(as + QStringList{copy, copy});
    }
    // Whether it still ran: it ends normally once its input closes.
    static bool endsWhenAsked(QProcess *process)
    {
        process->closeWriteChannel();
        return process->waitForFinished(30000) && process->exitStatus() == QProcess::NormalExit;
    }

    TestEnvironment m_env;
    std::deque<QProcess> m_processes;
    const QString m_name = QStringLiteral("Demo Suite %1").arg(QCoreApplication::applicationPid());
};

// Without a runtime directory every process of the user meets in one private folder, whatever
// its TMPDIR; a folder that others could write makes every lock count as held. A long key is
// held as well as a short one, and the lock of a killed owner is free.
void TestProcesses::lockWithoutRuntimeDirectory()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", "");
    qputenv("TMPDIR", QFile::encodeName(m_env.root()));
    const QString key = m_name + "/lock " + QString(1024, 'n');
    QProcess *holder = start({LOCKHOLDER, key});
    qputenv("TMPDIR", QFile::encodeName(m_env.installDir()));
    platform::NamedLock lock(key.toStdString());
    const Result whileHeld = lock.tryAcquire();
    m_processes.clear();
    const QString folder = QStringLiteral("/tmp/uninstall-locks-%1").arg(::getuid());
    const QFile::Permissions own = QFile(folder).permissions();
    QFile(folder).setPermissions(own | QFile::WriteOther);
    const Result whileOpen = lock.tryAcquire();
    QFile(folder).setPermissions(own);
    const Result afterwards = lock.tryAcquire();
    qputenv("XDG_RUNTIME_DIR", runtime);
    qunsetenv("TMPDIR");
    QVERIFY(holder);
    QCOMPARE(whileHeld, Result::AlreadyExists);
    QCOMPARE(whileOpen, Result::Failed);
    QCOMPARE(afterwards, Result::Acquired);
}

void TestProcesses::endsTheProductsProcessesOnly()
{
    QList<QProcess *> doomed, spared;
    for (const QString &name : QStringList{m_name, m_name.toUpper(), m_name.toLower(), m_name})
        doomed << startCopy("install", name);
    // Its file is gone, so the system names its executable "<name> (deleted)".
    QVERIFY(!doomed.contains(nullptr) && QFile::remove(doomed.last()->program()));
    for (const QString &name :
         QStringList{m_name, m_name + "Tool", m_name + " Service", m_name.left(10)})
        spared << startCopy("install", name);
    spared << startCopy("elsewhere", m_name);
    QVERIFY(!spared.contains(nullptr));

    platform::terminateProcessesNamed(m_name.toStdString(),
                                      QString(m_env.root() + "/install").toStdString(),
                                      spared.first()->processId());

    for (QProcess *process : doomed)
        QVERIFY(process->waitForFinished(30000) && process->exitStatus() == QProcess::CrashExit);
    for (QProcess *process : spared)
        QVERIFY2(endsWhenAsked(process), qPrintable(process->program()));
}

void TestProcesses::sparesOtherUsers()
{
    const QString setpriv = QStandardPaths::findExecutable("setpriv");
    if (::geteuid() != 0 || setpriv.isEmpty())
        QSKIP("needs root and setpriv to start a process of another user");
    for (QString folder = m_env.root(); folder != QDir::rootPath();
         folder = QFileInfo(folder).path())
        QFile(folder).setPermissions(QFile(folder).permissions() | QFile::ExeOther);
    qunsetenv("XDG_RUNTIME_DIR");
    QProcess *other = startCopy("install",
                                m_name,
                                {setpriv, "--reuid=65534", "--regid=65534", "--clear-groups"});
    QVERIFY(other);

    platform::terminateProcessesNamed(m_name.toStdString(),
                                      QString(m_env.root() + "/install").toStdString(),
                                      0);

    QVERIFY(endsWhenAsked(other));
}

QTEST_GUILESS_MAIN(TestProcesses)
#include "tst_processes.moc"
