#include "LmSettings.h"
#include "TestEnvironment.h"
#include "TreeRemover.h"
#include "removal/FileDeletionThread.h"

#include <QtTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using Failure = FileDeletionThread::StartFailure;

namespace {

// "x/" is a folder, "x|" a FIFO, "x>t" a link to outside/t; anything else an empty file.
void makeTree(const QString &root, const QString &entries, const QString &outside = {})
{
    for (const QString &entry : entries.split(' ', Qt::SkipEmptyParts)) {
        const QString path = root + '/' + entry.section('>', 0, 0);
        QDir().mkpath(entry.endsWith('/') ? path : QFileInfo(path).absolutePath());
        if (entry.contains('>'))
            QFile::link(outside + '/' + entry.section('>', 1), path);
        else if (entry.endsWith('|'))
            ::mkfifo(QFile::encodeName(path.chopped(1)).constData(), 0600);
        else if (!entry.endsWith('/'))
            QFile(path).open(QIODevice::WriteOnly);
    }
}

QString treeOf(const QString &root)
{
    QStringList entries;
    QDirIterator it(root,
                    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = it.next().mid(root.size() + 1);
        entries << (it.fileInfo().isDir() && !it.fileInfo().isSymLink() ? relative + '/' : relative);
    }
    entries.sort();
    return entries.join(' ');
}

// A finished removal; onProgress runs on its thread at each progress value, while it waits.
struct Run
{
    Run(const QString &root, const std::function<void()> &onProgress)
        : worker(QDir(root))
    {
        QObject::connect(&worker, &FileDeletionThread::updateBar, onProgress);
        worker.start();
        if (!worker.wait(30000))
            qFatal("the removal did not finish");
    }

    FileDeletionThread worker;
    QSignalSpy progress{&worker, &FileDeletionThread::updateBar};
    QSignalSpy failures{&worker, &FileDeletionThread::cannotStart};
};

} // namespace

class TestFileDeletionThread : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void removes_data();
    void removes();
    void refusedRoots_data();
    void refusedRoots();

private:
    TestEnvironment m_env;
    QTemporaryDir m_scratch; // HOME lies here, so even a broken refusal costs nothing
};

void TestFileDeletionThread::initTestCase()
{
    qputenv("HOME", QFile::encodeName(m_scratch.path() + "/home"));
    makeTree(m_scratch.path(),
             "home/notes.txt install/a.txt other/ install-link>install",
             m_scratch.path());
}

void TestFileDeletionThread::removes_data()
{
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("remaining");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("leftBehind");
    QTest::newRow("dll names") << "Qt5Core.dll Readme.DLL x.dll.old a/b/c/ a/Qt5Core.dll a/b/r.txt"
                               << "Qt5Core.dll a/ a/Qt5Core.dll x.dll.old" << 8 << 0;
    QTest::newRow("unins000 entries")
        << "unins000.exe unins000_data/s sub/Unins000.txt app.exe d/unins000/l"
        << "d/ d/unins000/ d/unins000/l unins000.exe unins000_data/ unins000_data/s" << 4 << 0;
    QTest::newRow("hidden entries and FIFOs")
        << ".hidden .cache/inner.txt plugins/.keep plugins/a.so pipe| run/socket|"
        << ".cache/ .cache/inner.txt .hidden plugins/ plugins/.keep" << 5 << 0;
    // "swapped" is a folder when counted and a link to outside when entered.
    QTest::newRow("links, not their targets")
        << "file>target.txt dir>targetdir sub/dir>targetdir swapped/a.txt swapped/b.txt"
        << QString() << 6 << 0;
    QTest::newRow("what starts the uninstaller again goes last")
        << "libuninstall.so product.ini resources/skins/a.qss a.txt b/c.txt d.txt" << QString() << 9
        << 0;
    // "stuck" is a mount point of another file system, else a folder its user cannot write.
    QTest::newRow("left behind") << "free.txt stuck/inner.txt"
                                 << "stuck/ stuck/inner.txt" << 2 << 1;
}

void TestFileDeletionThread::removes()
{
    QFETCH(QString, entries);
    QFETCH(QString, remaining);
    QFETCH(int, steps);
    QFETCH(int, leftBehind);
    QTemporaryDir base; // an unins000 folder above the installation keeps nothing
    const QString install = base.path() + "/unins000/app";
    QTemporaryDir outside;
    makeTree(outside.path(), "target.txt targetdir/inner.txt");
    makeTree(install, "/ " + entries, outside.path());
    const QByteArray stuckPath = QFile::encodeName(install + "/stuck");
    const char *stuck = stuckPath.constData();
    const QByteArray source = QFile::encodeName(outside.path() + "/targetdir");
    const bool mounted = leftBehind
                         && ::mount(source.data(), stuck, nullptr, MS_BIND, nullptr) == 0;
    const auto unmount = qScopeGuard([&] { mounted ? ::umount2(stuck, 0) : ::chmod(stuck, 0700); });
    if (leftBehind && !mounted && (::chmod(stuck, 0500) != 0 || ::access(stuck, W_OK) == 0))
        QSKIP("Neither a mount nor a folder's permissions bind this user");
    platform::TreeRemover::setBeforeEnterHook([&](const std::string &path) {
        if (path == "swapped" && QDir().rename(install + "/swapped", outside.path() + "/moved"))
            QFile::link(outside.path() + "/moved", install + "/swapped");
    });
    const auto unhook = qScopeGuard([] { platform::TreeRemover::setBeforeEnterHook({}); });
    const QStringList last{"libuninstall.so", "product.ini", "resources/skins/a.qss"};
    bool early = false;

    const Run run(install, [&] {
        bool lastGone = false;
        bool otherLeft = false;
        for (const QString &entry : entries.split(' ')) {
            const bool exists = QFileInfo::exists(install + '/' + entry);
            (last.contains(entry) ? lastGone : otherLeft) |= last.contains(entry) != exists;
        }
        early = early || (lastGone && otherLeft);
    });

    QCOMPARE(treeOf(install), remaining);
    QCOMPARE(treeOf(outside.path()),
             QString(entries.contains("swapped/") ? "moved/ moved/a.txt moved/b.txt " : "")
                 + "target.txt targetdir/ targetdir/inner.txt");
    QVERIFY(!early);
    QCOMPARE(run.progress.size(), steps);
    QCOMPARE(run.progress.last().at(0).toInt(), 100);
    QCOMPARE(run.worker.leftBehindCount(), leftBehind);
}

void TestFileDeletionThread::refusedRoots_data()
{
    QTest::addColumn<QString>("root"); // relative: below the scratch folder
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("run"); // whether a worker may be handed the root, should it be wrong
    QTest::addColumn<QString>("recorded");

    QTest::newRow("filesystem root") << "/" << true << false << QString();
    QTest::newRow("system folder") << "/usr" << true << false << QString();
    const std::vector<std::string> system = platform::systemFolders();
    for (const std::string &home : platform::accountHomes()) {
        const QString path = QString::fromStdString(home);
        if (path != "/" && QFileInfo(path).isDir()
            && std::find(system.begin(), system.end(), home) == system.end()) {
            QTest::newRow("another account's home") << path << true << false << QString();
            break;
        }
    }
    QTest::newRow("home") << "home" << true << true << QString();
    QTest::newRow("above home") << "home/.." << true << true << QString();
    QTest::newRow("missing") << "install/missing" << false << true << QString();
    QTest::newRow("not the recorded installation") << "install" << true << true << "other";
    QTest::newRow("installation") << "install" << false << false << QString();
    QTest::newRow("recorded through a link") << "install-link" << false << false << "install";
}

void TestFileDeletionThread::refusedRoots()
{
    QFETCH(QString, root);
    QFETCH(bool, refused);
    QFETCH(bool, run);
    QFETCH(QString, recorded);
    const QDir scratch(m_scratch.path());
    const QString record = recorded.isEmpty() ? recorded : scratch.filePath(recorded);
    QSettings(LmSettings::instance()->fileName(), QSettings::IniFormat)
        .setValue("Install/Path", record);

    QCOMPARE(FileDeletionThread::isRefusedRoot(QDir(scratch.filePath(root)), record), refused);
    if (run) {
        const QString before = treeOf(scratch.path());
        const Run worker(scratch.filePath(root), [] {});
        QCOMPARE(worker.failures.size(), 1);
        QCOMPARE(worker.failures.first().at(0).value<Failure>(),
                 refused ? Failure::Refused : Failure::Missing);
        QVERIFY(worker.progress.isEmpty());
        QCOMPARE(treeOf(scratch.path()), before);
    }
}

QTEST_GUILESS_MAIN(TestFileDeletionThread)
#include "tst_filedeletionthread.moc"
