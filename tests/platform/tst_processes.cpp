// The named lock and ending processes by name, across real processes: lockholder and copies of
// it under the names to match. Names carry this test's process id, so nothing else matches.
#include "TestEnvironment.h"
#include "platform/NamedLock.h"
#include "platform/ProcessControl.h"

#include <QtTest>

#include <deque>
#include <unistd.h>

using Result = platform::NamedLock::Result;

class TestProcesses : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;
    std::deque<QProcess> m_processes;
    const QString m_name = QStringLiteral("Demo Suite %1").arg(QCoreApplication::applicationPid());

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

private slots:
    // Without a runtime directory a user's processes meet in one private folder, whatever their
    // TMPDIR. A killed owner's lock is free.
    void lockWithoutRuntimeDirectory()
    {
        qputenv("XDG_RUNTIME_DIR", "");
        qputenv("TMPDIR", QFile::encodeName(m_env.root()));
        const QString key = m_name + "/lock " + QString(1024, 'n');
        QProcess *holder = start({LOCKHOLDER, key});
        qputenv("TMPDIR", QFile::encodeName(m_env.installDir()));
        platform::NamedLock lock(key.toStdString());
        const Result whileHeld = lock.tryAcquire();
        m_processes.clear();
        const Result afterwards = lock.tryAcquire();
        QVERIFY(holder);
        QCOMPARE(whileHeld, Result::AlreadyExists);
        QCOMPARE(afterwards, Result::Acquired);
    }

    // Spared: the caller, other names, another folder and, as root, another user's process.
    void endsTheProductsProcessesOnly()
    {
        QList<QProcess *> doomed;
        for (const QString &name : QStringList{m_name, m_name.toUpper(), m_name})
            doomed << startCopy("install", name);
        QVERIFY(!doomed.contains(nullptr));
        // Its file is gone, so the system names its executable "<name> (deleted)".
        QVERIFY(QFile::remove(doomed.last()->program()));
        QProcess *caller = startCopy("install", m_name);
        QList<QProcess *> spared{caller};
        for (const QString &name : QStringList{m_name + "Tool", m_name.left(10)})
            spared << startCopy("install", name);
        spared << startCopy("elsewhere", m_name);
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        if (::geteuid() == 0 && !setpriv.isEmpty()) {
            for (QString up = m_env.root(); up != QDir::rootPath(); up = QFileInfo(up).path())
                QFile(up).setPermissions(QFile(up).permissions() | QFile::ExeOther);
            spared << startCopy("install",
                                m_name,
                                {setpriv, "--reuid=65534", "--regid=65534", "--clear-groups"});
        }
        QVERIFY(!spared.contains(nullptr));

        const platform::EndedProcesses ended
            = platform::terminateProcessesNamed(m_name.toStdString(),
                                                QString(m_env.root() + "/install").toStdString(),
                                                caller->processId());

        QCOMPARE(ended.size(), std::size_t(doomed.size()));
        for (QProcess *process : doomed) {
            QVERIFY(process->waitForFinished(30000));
            QCOMPARE(process->exitStatus(), QProcess::CrashExit);
        }
        QVERIFY(ended.haveExited());
        for (QProcess *process : spared) { // it still runs: it ends normally once its input closes
            process->closeWriteChannel();
            QVERIFY(process->waitForFinished(30000));
            QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        }
    }
};

QTEST_GUILESS_MAIN(TestProcesses)
#include "tst_processes.moc"
