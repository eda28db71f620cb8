#include "RemovalBench.h"

#include "ChildRun.h"
#include "FileTree.h"
#include "removal/FileDeletionThread.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <iterator>

namespace {

constexpr int pauseSamples = 2000;

} // namespace

RemovalBench::Figures RemovalBench::measure(int rounds)
{
    Figures figures;
    for (int round = 0; round < rounds && figures.failure.isEmpty(); ++round) {
        QTemporaryDir dir;
        const QString roots[] = {dir.path() + QStringLiteral("/worker"),
                                 dir.path() + QStringLiteral("/rm"),
                                 dir.path() + QStringLiteral("/bare")};
        if (!std::all_of(std::begin(roots), std::end(roots), FileTree::create)) {
            figures.failure = QStringLiteral("cannot write the trees");
            break;
        }
        // Each round starts with another side.
        double seconds[3] = {};
        for (int i = 0; i < 3; ++i) {
            const int side = (round + i) % 3;
            if (side == 0)
                seconds[side] = workerSeconds(roots[side], figures);
            else if (side == 1)
                seconds[side] = rmSeconds(roots[side], figures);
            else
                seconds[side] = bareLoopSeconds(roots[side], figures);
        }
        const double pause = pauseMicroseconds();
        const double floor = seconds[1] + FileTree::entries * pause / 1e6;
        figures.workerS << seconds[0];
        figures.rmS << seconds[1];
        figures.bareS << seconds[2];
        figures.pauseUs << pause;
        figures.ratio << seconds[0] / floor;
        figures.bareRatio << seconds[2] / floor;
    }
    return figures;
}

double RemovalBench::workerSeconds(const QString &root, Figures &figures)
{
    FileDeletionThread worker{QDir(root)};
    int progressValues = 0;
    QEventLoop loop;
    QObject::connect(&worker, &FileDeletionThread::updateBar, &loop, [&progressValues] {
        ++progressValues;
    });
    QObject::connect(&worker, &FileDeletionThread::deleteComplete, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    worker.start(QThread::InheritPriority);
    loop.exec();
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    worker.wait();
    figures.progressValues = progressValues;
    if (progressValues != FileTree::entries || FileTree::countEntries(root) != 0)
        figures.failure = QStringLiteral("the worker left entries or missed progress values");
    return seconds;
}

double RemovalBench::rmSeconds(const QString &root, Figures &figures)
{
    const QString rm = QStandardPaths::findExecutable(QStringLiteral("rm"));
    const ChildRun::Result result = ChildRun::run(rm,
                                                  {QStringLiteral("-rf"), root},
                                                  QProcessEnvironment::systemEnvironment(),
                                                  QStringLiteral("/"),
                                                  120000);
    if (!result.exited || result.exitCode != 0)
        figures.failure = QStringLiteral("rm -rf failed: ") + QString::fromLocal8Bit(result.errors);
    return double(result.endNs - result.spawnNs) / 1e9;
}

double RemovalBench::bareLoopSeconds(const QString &root, Figures &figures)
{
    qint64 elapsedNs = 0;
    QScopedPointer<QThread> thread(QThread::create([&root, &elapsedNs] {
        QElapsedTimer clock;
        clock.start();
        QStringList files;
        QStringList directories;
        QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            (it.fileInfo().isDir() ? directories : files) << path;
        }
        std::sort(directories.begin(), directories.end(), [](const QString &a, const QString &b) {
            return a.count(QLatin1Char('/')) > b.count(QLatin1Char('/'));
        });
        for (const QString &file : qAsConst(files)) {
            ::unlink(QFile::encodeName(file).constData());
            QThread::usleep(100);
        }
        for (const QString &directory : qAsConst(directories)) {
            ::rmdir(QFile::encodeName(directory).constData());
            QThread::usleep(100);
        }
        elapsedNs = clock.nsecsElapsed();
    }));
    thread->start(QThread::InheritPriority);
    thread->wait();
    if (FileTree::countEntries(root) != 0)
        figures.failure = QStringLiteral("the bare loop left entries");
    return double(elapsedNs) / 1e9;
}

// Measured on a thread of the worker's kind, so that it sleeps with the same timer slack.
double RemovalBench::pauseMicroseconds()
{
    qint64 elapsedNs = 0;
    QScopedPointer<QThread> thread(QThread::create([&elapsedNs] {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < pauseSamples; ++i)
            QThread::usleep(100);
        elapsedNs = clock.nsecsElapsed();
    }));
    thread->start(QThread::InheritPriority);
    thread->wait();
    return double(elapsedNs) / pauseSamples / 1000.0;
}
