#include "TestEnvironment.h"
#include "removal/FileDeletionThread.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

constexpr int runTimeoutMs = 30000;

struct Outcome
{
    bool finished = false;
    QList<int> progress;
    int completions = 0;
};

// Entries ending in "/" are directories; the others become empty files.
void makeTree(const QString &root, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString path = root + QLatin1Char('/') + entry;
        QDir().mkpath(entry.endsWith(QLatin1Char('/')) ? path : QFileInfo(path).absolutePath());
        if (!entry.endsWith(QLatin1Char('/')))
            QFile(path).open(QIODevice::WriteOnly);
    }
}

QStringList treeOf(const QString &root)
{
    QStringList entries;
    QDirIterator it(root,
                    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = it.next().mid(root.size() + 1);
        const bool isDir = it.fileInfo().isDir() && !it.fileInfo().isSymLink();
        entries << (isDir ? relative + QLatin1Char('/') : relative);
    }
    entries.sort();
    return entries;
}

// The spies are written on the worker thread, so they are read only once it has finished.
// With a poll, the wait spins without sleeping so that the poll sees every moment of the run.
Outcome runWorker(const QDir &root, const std::function<void()> &poll = {})
{
    FileDeletionThread worker(root);
    QSignalSpy progress(&worker, &FileDeletionThread::updateBar);
    QSignalSpy completion(&worker, &FileDeletionThread::deleteComplete);
    worker.start();
    Outcome outcome;
    if (poll) {
        QElapsedTimer timer;
        timer.start();
        while (!worker.isFinished() && timer.elapsed() < runTimeoutMs)
            poll();
        outcome.finished = worker.isFinished();
    } else {
        outcome.finished = QTest::qWaitFor([&worker] { return worker.isFinished(); }, runTimeoutMs);
    }
    worker.wait();
    for (const QList<QVariant> &arguments : qAsConst(progress))
        outcome.progress << arguments.at(0).toInt();
    outcome.completions = completion.count();
    return outcome;
}

} // namespace

class TestFileDeletionThread : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void removesAllButKeptEntries_data();
    void removesAllButKeptEntries();
    void progressValues_data();
    void progressValues();
    void logsTheRun();
    void removesLinksNotTheirTargets();
    void unremovableFileStillCounts();
    void missingRootReportsNothing();
    void refusesHomeAndFilesystemRoot();

private:
    void checkRefused(const QDir &root);
    void checkHomeRefused();

    TestEnvironment m_env;
};

void TestFileDeletionThread::init()
{
    m_env.clearLogAndUsage();
}

void TestFileDeletionThread::removesAllButKeptEntries_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<int>("steps");

    QTest::newRow("dll names") << QStringList{"Qt5Core.dll",
                                              "Readme.DLL",
                                              "plugin.dll.old",
                                              "notes.txt"}
                               << QStringList{"Qt5Core.dll", "plugin.dll.old"} << 4;
    QTest::newRow("unins000 entries")
        << QStringList{"unins000.exe",
                       "unins000.dat",
                       "unins000_data/state.txt",
                       "sub/Unins000.txt",
                       "app.exe"}
        << QStringList{"unins000.dat", "unins000.exe", "unins000_data/", "unins000_data/state.txt"}
        << 3;
    QTest::newRow("hidden entries")
        << QStringList{".hidden", ".cache/inner.txt", "plugins/.keep", "plugins/a.so"}
        << QStringList{".cache/", ".cache/inner.txt", ".hidden", "plugins/", "plugins/.keep"} << 2;
    QTest::newRow("nested empty directories")
        << QStringList{"a/b/c/", "x/y/"} << QStringList{} << 5;
    QTest::newRow("directories holding kept files")
        << QStringList{"a/b/c/", "a/Qt5Core.dll", "a/b/readme.txt", "d/e/unins000/log.txt"}
        << QStringList{"a/", "a/Qt5Core.dll", "d/", "d/e/", "d/e/unins000/", "d/e/unins000/log.txt"}
        << 7;
}

void TestFileDeletionThread::removesAllButKeptEntries()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, remaining);
    QFETCH(int, steps);
    QTemporaryDir install;
    makeTree(install.path(), entries);

    const Outcome outcome = runWorker(QDir(install.path()));

    QVERIFY(outcome.finished);
    QCOMPARE(treeOf(install.path()), remaining);
    QCOMPARE(outcome.progress.size(), steps);
    QCOMPARE(outcome.progress.last(), 100);
    QCOMPARE(outcome.completions, 1);
}

void TestFileDeletionThread::progressValues_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QList<int>>("values");

    QTest::newRow("empty") << QStringList{} << QList<int>{};
    QTest::newRow("three files and a directory")
        << QStringList{"a.txt", "b.txt", "c.txt", "d/"} << QList<int>{25, 50, 75, 100};
    QTest::newRow("three files") << QStringList{"a.txt", "b.txt", "c.txt"}
                                 << QList<int>{33, 66, 100};
    // The quotient is formed before the multiplication: 29 / 100 * 100 gives 28.999...
    QStringList hundred;
    QList<int> values;
    for (int i = 1; i <= 100; ++i) {
        hundred << QStringLiteral("f%1.txt").arg(i);
        values << i;
    }
    values[28] = 28;
    values[56] = 56;
    values[57] = 57;
    QTest::newRow("hundred files") << hundred << values;
}

void TestFileDeletionThread::progressValues()
{
    QFETCH(QStringList, entries);
    QFETCH(QList<int>, values);
    QTemporaryDir install;
    makeTree(install.path(), entries);

    const Outcome outcome = runWorker(QDir(install.path()));

    QVERIFY(outcome.finished);
    QCOMPARE(outcome.progress, values);
    QCOMPARE(outcome.completions, 1);
    QCOMPARE(m_env.usageEvents().size(), 1);
    QCOMPARE(treeOf(install.path()), QStringList{});
}

void TestFileDeletionThread::logsTheRun()
{
    QTemporaryDir install;
    makeTree(install.path(), {"a.txt"});

    QVERIFY(runWorker(QDir(install.path())).finished);

    QCOMPARE(m_env.logLines(QStringLiteral("debug")),
             (QStringList{"FileDeletionThread init!",
                          "FileDeletionThread start!",
                          "collectFilesAndDirectories start!",
                          "deleteFilesAndDirectories start!",
                          "deleteFilesAndDirectories complete!"}));
    QCOMPARE(m_env.usageEvents().size(), 1);
    QJsonObject event = m_env.usageEvents().first();
    event.remove("time");
    QCOMPARE(event,
             (QJsonObject{{"category", "uninstall"},
                          {"action", "uninstall_complete"},
                          {"type", 1},
                          {"label", ""},
                          {"value", 0}}));
}

void TestFileDeletionThread::removesLinksNotTheirTargets()
{
    QTemporaryDir outside;
    QTemporaryDir install;
    makeTree(outside.path(), {"target.txt", "targetdir/inner.txt"});
    makeTree(install.path(), {"sub/"});
    QVERIFY(QFile::link(outside.path() + "/target.txt", install.path() + "/file-link"));
    QVERIFY(QFile::link(outside.path() + "/targetdir", install.path() + "/dir-link"));
    QVERIFY(QFile::link(outside.path() + "/targetdir", install.path() + "/sub/dir-link"));

    const Outcome outcome = runWorker(QDir(install.path()));

    QVERIFY(outcome.finished);
    QCOMPARE(treeOf(install.path()), QStringList{});
    QCOMPARE(treeOf(outside.path()),
             (QStringList{"target.txt", "targetdir/", "targetdir/inner.txt"}));
    QCOMPARE(outcome.progress, (QList<int>{25, 50, 75, 100}));
}

void TestFileDeletionThread::unremovableFileStillCounts()
{
    QTemporaryDir install;
    makeTree(install.path(), {"free.txt", "locked/stuck.txt"});
    const QString locked = install.path() + "/locked";
    const auto permissions = QFile::permissions(locked);
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const auto restore = qScopeGuard([&] { QFile::setPermissions(locked, permissions); });
    QFile probe(locked + "/probe");
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QSKIP("Directory permissions do not bind this user (root)");
    }

    const Outcome outcome = runWorker(QDir(install.path()));

    QVERIFY(outcome.finished);
    QCOMPARE(treeOf(install.path()), (QStringList{"locked/", "locked/stuck.txt"}));
    QCOMPARE(outcome.progress, (QList<int>{33, 66, 100}));
    QCOMPARE(outcome.completions, 1);
}

void TestFileDeletionThread::missingRootReportsNothing()
{
    QTemporaryDir parent;

    const Outcome outcome = runWorker(QDir(parent.path() + "/missing"));

    QVERIFY(outcome.finished);
    QCOMPARE(outcome.progress, QList<int>{});
    QCOMPARE(outcome.completions, 0);
    QCOMPARE(m_env.usageEvents().size(), 0);
    QCOMPARE(m_env.logTexts(),
             (QStringList{"FileDeletionThread init!", "FileDeletionThread start!"}));
}

// Only once the refusal has shown itself on a throw-away home may the worker see "/".
void TestFileDeletionThread::refusesHomeAndFilesystemRoot()
{
    checkHomeRefused();
    if (QTest::currentTestFailed())
        return;
    checkRefused(QDir(QStringLiteral("/")));
}

// HOME points at a throw-away directory, so even a broken refusal costs nothing.
void TestFileDeletionThread::checkHomeRefused()
{
    QTemporaryDir home;
    QTemporaryDir elsewhere;
    const QStringList entries{"Documents/", "Documents/letter.txt", "notes.txt"};
    makeTree(home.path(), entries);
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const auto restore = qScopeGuard([&realHome] { qputenv("HOME", realHome); });
    QCOMPARE(QDir::homePath(), home.path());
    QVERIFY(QFile::link(home.path(), elsewhere.path() + "/home-link"));

    checkRefused(QDir::home());
    checkRefused(QDir(elsewhere.path() + "/home-link"));

    QCOMPARE(treeOf(home.path()), entries);
}

// The walk of a whole tree comes before the first removal, so stopping the process as soon as
// the walk starts keeps a broken refusal from removing anything.
void TestFileDeletionThread::checkRefused(const QDir &root)
{
    m_env.clearLogAndUsage();
    const QString logFile = m_env.logFile();
    const Outcome outcome = runWorker(root, [&logFile] {
        QFile log(logFile);
        if (log.open(QIODevice::ReadOnly) && log.readAll().contains("collectFilesAndDirectories"))
            qFatal("The worker walks a root that it must refuse");
    });

    QVERIFY(outcome.finished);
    QCOMPARE(outcome.progress, QList<int>{});
    QCOMPARE(outcome.completions, 0);
    QCOMPARE(m_env.usageEvents().size(), 0);
    QCOMPARE(m_env.logLines(QStringLiteral("error")),
             QStringList{"FileDeletionThread refused root: " + root.absolutePath()});
}

QTEST_GUILESS_MAIN(TestFileDeletionThread)
#include "tst_filedeletionthread.moc"
