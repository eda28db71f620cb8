#include "LmSettings.h"
#include "TestEnvironment.h"
#include "TreeRemover.h"
#include "removal/FileDeletionThread.h"

#include <QDirIterator>
#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

namespace {

constexpr int runTimeoutMs = 30000;

struct Outcome
{
    bool finished = false;
    QList<int> progress;
    int completions = 0;
    int leftBehind = 0;
    QList<FileDeletionThread::StartFailure> failures;
};

// Entries ending in "/" are directories, in "|" FIFOs; the others become empty files.
void makeTree(const QString &root, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString path = root + QLatin1Char('/') + entry;
        QDir().mkpath(entry.endsWith(QLatin1Char('/')) ? path : QFileInfo(path).absolutePath());
        if (entry.endsWith(QLatin1Char('|')))
            ::mkfifo(QFile::encodeName(path.chopped(1)).constData(), 0600);
        else if (!entry.endsWith(QLatin1Char('/')))
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
// onProgress runs on the worker thread at each progress value, while the removal waits.
Outcome runWorker(const QDir &root, const std::function<void()> &onProgress = {})
{
    FileDeletionThread worker(root);
    QSignalSpy progress(&worker, &FileDeletionThread::updateBar);
    QSignalSpy completion(&worker, &FileDeletionThread::deleteComplete);
    QSignalSpy failure(&worker, &FileDeletionThread::cannotStart);
    if (onProgress)
        QObject::connect(&worker,
                         &FileDeletionThread::updateBar,
                         &worker,
                         onProgress,
                         Qt::DirectConnection);
    worker.start();
    Outcome outcome;
    outcome.finished = worker.wait(runTimeoutMs);
    for (const QList<QVariant> &arguments : qAsConst(progress))
        outcome.progress << arguments.at(0).toInt();
    for (const QList<QVariant> &arguments : qAsConst(failure))
        outcome.failures << arguments.at(0).value<FileDeletionThread::StartFailure>();
    outcome.completions = completion.count();
    outcome.leftBehind = worker.leftBehindCount();
    return outcome;
}

void setRecordedInstallPath(const QString &path)
{
    QSettings records(LmSettings::instance()->fileName(), QSettings::IniFormat);
    if (path.isEmpty())
        records.remove(QStringLiteral("Install/Path"));
    else
        records.setValue(QStringLiteral("Install/Path"), path);
}

// A home of another account that is not also one of the system's folders.
QString otherAccountsHome()
{
    const std::vector<std::string> system = platform::systemFolders();
    const QString own = QDir(QDir::homePath()).canonicalPath();
    QString found;
    setpwent();
    while (const passwd *account = getpwent()) {
        const QString home = QDir(QString::fromLocal8Bit(account->pw_dir)).canonicalPath();
        if (found.isEmpty() && !home.isEmpty() && home != own && home != QLatin1String("/")
            && std::find(system.begin(), system.end(), home.toStdString()) == system.end())
            found = home;
    }
    endpwent();
    return found;
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
    void needsToStartAgainGoesLast();
    void leftBehindIsCounted_data();
    void leftBehindIsCounted();
    void cannotStart_data();
    void cannotStart();
    void refusedRoots_data();
    void refusedRoots();

private:
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
    QTest::addColumn<QString>("root"); // below the temporary folder

    QTest::newRow("dll names") << QStringList{"Qt5Core.dll",
                                              "Readme.DLL",
                                              "plugin.dll.old",
                                              "notes.txt"}
                               << QStringList{"Qt5Core.dll", "plugin.dll.old"} << 4 << QString();
    QTest::newRow("unins000 entries")
        << QStringList{"unins000.exe",
                       "unins000.dat",
                       "unins000_data/state.txt",
                       "sub/Unins000.txt",
                       "app.exe"}
        << QStringList{"unins000.dat", "unins000.exe", "unins000_data/", "unins000_data/state.txt"}
        << 3 << QString();
    QTest::newRow("root below an unins000 folder")
        << QStringList{"unins000_parent/app/a.txt", "unins000_parent/app/b/c.txt"}
        << QStringList{"unins000_parent/", "unins000_parent/app/"} << 3
        << QStringLiteral("unins000_parent/app");
    QTest::newRow("hidden entries")
        << QStringList{".hidden", ".cache/inner.txt", "plugins/.keep", "plugins/a.so"}
        << QStringList{".cache/", ".cache/inner.txt", ".hidden", "plugins/", "plugins/.keep"} << 2
        << QString();
    QTest::newRow("special files")
        << QStringList{"pipe|", "run/socket|", "a.txt"} << QStringList{} << 4 << QString();
    QTest::newRow("directories holding kept files")
        << QStringList{"a/b/c/", "a/Qt5Core.dll", "a/b/readme.txt", "d/e/unins000/log.txt"}
        << QStringList{"a/", "a/Qt5Core.dll", "d/", "d/e/", "d/e/unins000/", "d/e/unins000/log.txt"}
        << 7 << QString();
}

void TestFileDeletionThread::removesAllButKeptEntries()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, remaining);
    QFETCH(int, steps);
    QFETCH(QString, root);
    QTemporaryDir install;
    makeTree(install.path(), entries);

    const Outcome outcome = runWorker(QDir(install.path() + QLatin1Char('/') + root));

    QVERIFY(outcome.finished);
    QCOMPARE(treeOf(install.path()), remaining);
    QCOMPARE(outcome.progress.size(), steps);
    QCOMPARE(outcome.progress.last(), 100);
    QCOMPARE(outcome.completions, 1);
    QCOMPARE(outcome.leftBehind, 0);
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
    // Only changes are sent; 29 / 100 * 100 gives 28.999..., so 29 and 58 never show.
    QStringList files;
    QList<int> values;
    for (int i = 1; i <= 100; ++i) {
        files << QStringLiteral("f%1.txt").arg(i);
        if (i != 29 && i != 58)
            values << i;
    }
    QTest::newRow("hundred files") << files << values;
    QStringList thousand;
    QList<int> percents;
    for (int i = 1; i <= 1000; ++i)
        thousand << QStringLiteral("f%1.txt").arg(i);
    for (int i = 1; i <= 100; ++i)
        percents << i;
    QTest::newRow("thousand files: one value per percent") << thousand << percents;
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

// "swapped" is a folder when counted and becomes a link to outside just before it is entered.
void TestFileDeletionThread::removesLinksNotTheirTargets()
{
    QTemporaryDir outside;
    QTemporaryDir install;
    makeTree(outside.path(), {"target.txt", "targetdir/inner.txt"});
    makeTree(install.path(), {"sub/", "swapped/a.txt", "swapped/b.txt"});
    QVERIFY(QFile::link(outside.path() + "/target.txt", install.path() + "/file-link"));
    QVERIFY(QFile::link(outside.path() + "/targetdir", install.path() + "/dir-link"));
    QVERIFY(QFile::link(outside.path() + "/targetdir", install.path() + "/sub/dir-link"));
    platform::TreeRemover::setBeforeEnterHook([&](const std::string &path) {
        if (path == "swapped"
            && QDir().rename(install.path() + "/swapped", outside.path() + "/moved"))
            QFile::link(outside.path() + "/moved", install.path() + "/swapped");
    });
    const auto unhook = qScopeGuard([] { platform::TreeRemover::setBeforeEnterHook({}); });

    const Outcome outcome = runWorker(QDir(install.path()));

    QVERIFY(outcome.finished);
    QCOMPARE(treeOf(install.path()), QStringList{});
    QCOMPARE(treeOf(outside.path()),
             (QStringList{"moved/",
                          "moved/a.txt",
                          "moved/b.txt",
                          "target.txt",
                          "targetdir/",
                          "targetdir/inner.txt"}));
    QCOMPARE(outcome.progress.last(), 100);
    QCOMPARE(outcome.leftBehind, 0);
}

// At every moment of the removal, what the uninstaller needs to start again is still there
// while anything else is.
void TestFileDeletionThread::needsToStartAgainGoesLast()
{
    QTemporaryDir install;
    const QStringList needed{"libuninstall.so", "product.ini", "resources/skins/a.qss"};
    const QStringList others{"a.txt", "b/c.txt", "b/", "d.txt", "z.txt"};
    makeTree(install.path(), needed + others);
    const auto exists = [&install](const QString &entry) {
        return QFileInfo::exists(install.path() + QLatin1Char('/') + entry);
    };
    bool early = false;
    const Outcome outcome = runWorker(QDir(install.path()), [&] {
        early = early
                || (!std::all_of(needed.begin(), needed.end(), exists)
                    && std::any_of(others.begin(), others.end(), exists));
    });

    QVERIFY(outcome.finished);
    QCOMPARE(outcome.progress.size(), 10);
    QVERIFY(!early);
    QCOMPARE(treeOf(install.path()), QStringList{});
}

void TestFileDeletionThread::leftBehindIsCounted_data()
{
    QTest::addColumn<bool>("mount");
    QTest::newRow("unwritable folder") << false;
    QTest::newRow("mount point of another file system") << true;
}

// "stuck" holds one entry that cannot go: its file, or the mount point itself.
void TestFileDeletionThread::leftBehindIsCounted()
{
    QFETCH(bool, mount);
    QTemporaryDir install;
    QTemporaryDir outside;
    makeTree(install.path(), {"free.txt", "stuck/inner.txt"});
    makeTree(outside.path(), {"kept.txt"});
    const QString stuck = install.path() + "/stuck";
    const QByteArray stuckName = QFile::encodeName(stuck);
    const auto permissions = QFile::permissions(stuck);
    const auto restore = qScopeGuard([&] {
        if (mount)
            ::umount2(stuckName.constData(), MNT_DETACH);
        else
            QFile::setPermissions(stuck, permissions);
    });
    if (mount) {
        if (::mount(QFile::encodeName(outside.path()).constData(),
                    stuckName.constData(),
                    nullptr,
                    MS_BIND,
                    nullptr)
            != 0)
            QSKIP("This user cannot mount (not root)");
    } else {
        QVERIFY(QFile::setPermissions(stuck, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (::access(stuckName.constData(), W_OK) == 0)
            QSKIP("Directory permissions do not bind this user (root)");
    }

    const Outcome outcome = runWorker(QDir(install.path()));

    QVERIFY(outcome.finished);
    QCOMPARE(outcome.completions, 1);
    QCOMPARE(outcome.progress.last(), 100);
    QCOMPARE(outcome.leftBehind, 1);
    QVERIFY(!QFileInfo::exists(install.path() + "/free.txt"));
    QCOMPARE(treeOf(outside.path()), QStringList{"kept.txt"});
}

void TestFileDeletionThread::cannotStart_data()
{
    QTest::addColumn<QString>("root"); // below the temporary folder
    QTest::addColumn<QString>("recorded");
    QTest::addColumn<FileDeletionThread::StartFailure>("failure");

    QTest::newRow("missing") << "install/missing" << QString()
                             << FileDeletionThread::StartFailure::Missing;
    QTest::newRow("above the home folder")
        << "" << QString() << FileDeletionThread::StartFailure::Refused;
    QTest::newRow("not the recorded installation")
        << "install"
        << "other" << FileDeletionThread::StartFailure::Refused;
}

// HOME lies in a throw-away folder, so even a broken refusal costs nothing.
void TestFileDeletionThread::cannotStart()
{
    QFETCH(QString, root);
    QFETCH(QString, recorded);
    QFETCH(FileDeletionThread::StartFailure, failure);
    QTemporaryDir scratch;
    const QStringList entries{"home/", "home/notes.txt", "install/", "install/a.txt", "other/"};
    makeTree(scratch.path(), entries);
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(scratch.path() + "/home"));
    setRecordedInstallPath(recorded.isEmpty() ? QString() : scratch.path() + '/' + recorded);
    const auto restore = qScopeGuard([&realHome] {
        qputenv("HOME", realHome);
        setRecordedInstallPath(QString());
    });

    const Outcome outcome = runWorker(QDir(scratch.path() + '/' + root));

    QVERIFY(outcome.finished);
    QCOMPARE(outcome.failures, QList<FileDeletionThread::StartFailure>{failure});
    QCOMPARE(outcome.progress, QList<int>{});
    QCOMPARE(outcome.completions, 0);
    QCOMPARE(m_env.usageEvents().size(), 0);
    QCOMPARE(treeOf(scratch.path()), entries);
}

// The rule alone, for folders that no test may hand to a running worker.
void TestFileDeletionThread::refusedRoots_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("recorded");
    QTest::addColumn<bool>("refused");

    const QString install = m_env.installDir();
    QFile::link(install, m_env.root() + "/install-link");
    QTest::newRow("filesystem root") << "/" << QString() << true;
    QTest::newRow("system folder") << "/usr" << QString() << true;
    QTest::newRow("home") << QDir::homePath() << QString() << true;
    QTest::newRow("above home") << QDir::homePath() + "/.." << QString() << true;
    const QString other = otherAccountsHome();
    if (!other.isEmpty())
        QTest::newRow("another account's home") << other << QString() << true;
    QTest::newRow("installation") << install << QString() << false;
    QTest::newRow("recorded installation through a link")
        << m_env.root() + "/install-link" << install << false;
    QTest::newRow("another recorded installation") << install << m_env.dataDir() << true;
}

void TestFileDeletionThread::refusedRoots()
{
    QFETCH(QString, root);
    QFETCH(QString, recorded);
    QFETCH(bool, refused);

    QCOMPARE(FileDeletionThread::isRefusedRoot(QDir(root), recorded), refused);
}

QTEST_GUILESS_MAIN(TestFileDeletionThread)
#include "tst_filedeletionthread.moc"
