#include "RemovalBench.h"

#include "ChildRun.h"
#include "FileTree.h"
#include "removal/FileDeletionThread.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

constexpr int pauseSamples = 2000;

} // namespace

RemovalBench::Figures RemovalBench::measure(int rounds)
{
    Figures figures;
    for (int round = 0; round < rounds && figures.failure.isEmpty(); ++round) {
        QTemporaryDir dir;
        const QString workerRoot = dir.path() + QStringLiteral("/worker");
        const QString rmRoot = dir.path() + QStringLiteral("/rm");
        if (!FileTree::create(workerRoot) || !FileTree::create(rmRoot)) {
            figures.failure = QStringLiteral("cannot write the trees");
            break;
        }
        // Every other round starts with the other side.
        double worker = 0.0;
        double rm = 0.0;
        if (round % 2 == 0) {
            worker = workerSeconds(workerRoot, figures);
            rm = rmSeconds(rmRoot, figures);
        } else {
            rm = rmSeconds(rmRoot, figures);
            worker = workerSeconds(workerRoot, figures);
        }
        const double pause = pauseMicroseconds();
        figures.workerS << worker;
        figures.rmS << rm;
        figures.pauseUs << pause;
        figures.ratio << worker / (rm + FileTree::entries * pause / 1e6);
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
