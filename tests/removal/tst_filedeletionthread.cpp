#include "TestEnvironment.h"
#include "platform/TreeRemover.h"
#include "removal/FileDeletionThread.h"

#include <QtTest>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using F = FileDeletionThread::StartFailure;

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

// The run of an installation at root with its resources inside, and the install records' folder.
RunContext installedAt(const QString &root, const QString &recorded)
{
    RunContext run;
    run.installRoot = QDir(root);
    run.recordedInstallPath = recorded;
    run.resourceRoot = root + "/resources";
    return run;
}

// A finished removal; onProgress runs on its thread at each progress value, while it waits.
struct Run
{
    Run(const QString &root, const std::function<void()> &onProgress, const QString &recorded = {})
        : worker(installedAt(root, recorded))
    {
        QObject::connect(&worker, &FileDeletionThread::updateBar, onProgress);
        worker.start();
        worker.wait();
    }

    FileDeletionThread worker;
    QSignalSpy progress{&worker, &FileDeletionThread::updateBar};
    QSignalSpy failures{&worker, &FileDeletionThread::cannotStart};
};

class TestFileDeletionThread : public QObject
{
    Q_OBJECT
    TestEnvironment m_env;
    QTemporaryDir m_scratch; // HOME lies here: a worker handed a root it must refuse costs nothing

private slots:
    void initTestCase()
    {
        qputenv("HOME", QFile::encodeName(m_scratch.path() + "/home"));
        makeTree(m_scratch.path(), "home/a install/a other/ install-link>install", m_scratch.path());
    }
    void cleanup() { platform::TreeRemover::setBeforeEnterHook({}); }

    void removes_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("remaining");
        QTest::addColumn<int>("steps");
        QTest::newRow("kept: dll and unins000 names, hidden entries; FIFOs go")
            << "Qt5Core.dll Readme.DLL x.dll.old a/b/c/ a/Qt5Core.dll a/b/r.txt unins000.exe "
               "unins000_data/s sub/Unins000.txt d/unins000/l .h .c/i p/.k p/a.so pipe| run/socket|"
            << ".c/ .c/i .h Qt5Core.dll a/ a/Qt5Core.dll d/ d/unins000/ d/unins000/l p/ p/.k "
               "unins000.exe unins000_data/ unins000_data/s x.dll.old"
            << 16;
        QTest::newRow("links, not their targets; what starts the uninstaller again goes last")
            << "file>target.txt dir>targetdir sub/dir>targetdir swapped/a.txt swapped/b.txt "
               "libuninstall.so product.ini resources/skins/a.qss b/c.txt"
            << QString() << 13;
        QTest::newRow("mount left behind") << "free.txt stuck/inner.txt"
                                           << "stuck/ stuck/inner.txt" << 2;
    }

    void removes()
    {
        QFETCH(QString, entries);
        QFETCH(QString, remaining);
        QFETCH(int, steps);
        const int leftBehind = entries.contains("stuck");
        QTemporaryDir base; // an unins000 folder above the installation keeps nothing
        const QString install = base.path() + "/unins000/app";
        QTemporaryDir outside;
        makeTree(outside.path(), "target.txt targetdir/inner.txt");
        makeTree(install, "/ " + entries, outside.path());
        const QByteArray stuck = QFile::encodeName(install + "/stuck"),
                         source = QFile::encodeName(outside.path() + "/targetdir");
        if (leftBehind && ::mount(source.data(), stuck.data(), nullptr, MS_BIND, nullptr) != 0)
            QSKIP("needs to mount a folder");
        const auto unmount = qScopeGuard([&] { ::umount2(stuck.data(), MNT_DETACH); });
        platform::TreeRemover::setBeforeEnterHook([&](const std::string &path) {
            if (path == "swapped" && QDir().rename(install + "/swapped", outside.path() + "/moved"))
                QFile::link(outside.path() + "/moved", install + "/swapped");
        });
        const QStringList last{"libuninstall.so", "product.ini", "resources/skins/a.qss"};

        // A file that starts the uninstaller again gone while another entry is still there.
        bool early = false;
        const Run run(install, [&] {
            bool lastGone = false;
            bool otherLeft = false;
            for (const QString &entry : entries.split(' ')) {
                const bool exists = QFileInfo::exists(install + '/' + entry);
                lastGone = lastGone || (last.contains(entry) && !exists);
                otherLeft = otherLeft || (!last.contains(entry) && exists);
            }
            early = early || (lastGone && otherLeft);
        });

        QCOMPARE(treeOf(install), remaining);
        QCOMPARE(treeOf(outside.path()),
                 QString(entries.contains("swapped/") ? "moved/ moved/a.txt moved/b.txt " : "")
                     + "target.txt targetdir/ targetdir/inner.txt");
        QCOMPARE(early, false);
        QCOMPARE(run.progress.size(), steps);
        QCOMPARE(run.progress.last().at(0).toInt(), 100);
        QCOMPARE(run.worker.leftBehindCount(), leftBehind);
    }

    void refusedRoots_data()
    {
        QTest::addColumn<QString>("root"); // relative: below the scratch folder
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("recorded");

        std::vector<std::string> others = platform::accountHomes(); // and system folders
        others.insert(others.end(),
                      {"/usr", "/usr/lib/x86_64-linux-gnu", "/var/log", "/usr/local/lib"});
        for (const std::string &other : others)
            if (QFileInfo(QString::fromStdString(other)).isDir())
                QTest::newRow(other.c_str()) << QString::fromStdString(other) << true << QString();
        QTest::newRow("home") << "home" << true << QString();
        QTest::newRow("above home") << "home/.." << true << QString();
        QTest::newRow("missing") << "install/missing" << false << QString();
        QTest::newRow("not the recorded installation") << "install" << true << "other";
        QTest::newRow("recorded through a link") << "install" << false << "install-link";
        QTest::newRow("reached through a link") << "install-link" << true << "install";
    }

    void refusedRoots()
    {
        QFETCH(QString, root);
        QFETCH(bool, refused);
        QFETCH(QString, recorded);
        const QDir scratch(m_scratch.path());
        const QString record = recorded.isEmpty() ? recorded : scratch.filePath(recorded);

        QCOMPARE(FileDeletionThread::isRefusedRoot(QDir(scratch.filePath(root)), record), refused);
        if (!root.startsWith('/') && (refused || !QFileInfo::exists(scratch.filePath(root)))) {
            const QString before = treeOf(scratch.path());
            const Run worker(
                scratch.filePath(root), [] {}, record);
            QCOMPARE(worker.failures.size(), 1);
            QCOMPARE(worker.progress.size(), 0);
            QCOMPARE(worker.failures.first().at(0).value<F>(), refused ? F::Refused : F::Missing);
            QCOMPARE(treeOf(scratch.path()), before);
        }
    }

    void systemFoldersByPrefix_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("system");
        QTest::newRow("a product in /opt") << "/opt/Demo Suite" << false;
        QTest::newRow("a product in /usr/local") << "/usr/local/Demo Suite" << false;
        QTest::newRow("inside the user's own home below /var") << "/var/lib/svc/app" << false;
        QTest::newRow("/opt itself") << "/opt" << true;
        QTest::newRow("inside a library folder of /usr/local") << "/usr/local/lib/demo" << true;
        QTest::newRow("inside /lib64") << "/lib64/demo" << true;
        QTest::newRow("deep inside /etc") << "/etc/demo/suite" << true;
    }

    void systemFoldersByPrefix()
    {
        QFETCH(QString, folder);
        QFETCH(bool, system);
        QCOMPARE(platform::isSystemFolder(folder.toStdString(), "/var/lib/svc"), system);
    }

    // An ancestor swapped for a link just before the root is opened: nothing behind it is touched.
    void rootSwappedForALink()
    {
        QTemporaryDir base;
        makeTree(base.path(), "ancestor/app/file.txt elsewhere/app/precious.txt");
        platform::TreeRemover::setBeforeEnterHook([&](const std::string &path) {
            if (path.empty() && QDir().rename(base.path() + "/ancestor", base.path() + "/moved"))
                QFile::link(base.path() + "/elsewhere", base.path() + "/ancestor");
        });
        const Run run(base.path() + "/ancestor/app", [] {});
        QCOMPARE(run.failures.size(), 1);
        QVERIFY(QFileInfo::exists(base.path() + "/elsewhere/app/precious.txt"));
    }

    // Deeper than the descriptor limit allows to hold open: everything goes, nothing is missed.
    void deeperThanTheDescriptorLimit()
    {
        QTemporaryDir install;
        const int levels = 3000;
        int folder = ::open(QFile::encodeName(install.path()).constData(), O_DIRECTORY);
        for (int level = 0; level < levels && folder >= 0; ++level) {
            ::close(::openat(folder, "file", O_CREAT | O_WRONLY | O_CLOEXEC, 0600));
            ::mkdirat(folder, "d", 0700);
            const int inner = ::openat(folder, "d", O_DIRECTORY);
            ::close(std::exchange(folder, inner));
        }
        ::close(folder);
        rlimit before = {};
        ::getrlimit(RLIMIT_NOFILE, &before);
        const rlimit low = {64, before.rlim_max};
        ::setrlimit(RLIMIT_NOFILE, &low);
        const Run run(install.path(), [] {});
        ::setrlimit(RLIMIT_NOFILE, &before);

        QCOMPARE(treeOf(install.path()), QString());
        QCOMPARE(run.worker.leftBehindCount(), 0);
        QCOMPARE(run.progress.last().at(0).toInt(), 100);
    }
};

QTEST_GUILESS_MAIN(TestFileDeletionThread)
#include "tst_filedeletionthread.moc"
