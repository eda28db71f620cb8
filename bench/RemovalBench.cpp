#include "RemovalBench.h"

#include "ChildRun.h"
#include "FileTree.h"
#include "removal/FileDeletionThread.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

RemovalBench::Figures RemovalBench::measure(int rounds, int files)
{
    Figures figures;
    for (int round = 0; round < rounds && figures.failure.isEmpty(); ++round) {
        QTemporaryDir dir;
        const QString worker = dir.path() + QStringLiteral("/worker");
        const QString rm = dir.path() + QStringLiteral("/rm");
        if (!FileTree::create(worker, files) || !FileTree::create(rm, files)) {
            figures.failure = QStringLiteral("cannot write the trees");
            break;
        }
        // Neither side may pay for writing back the other's freshly made tree.
        ::sync();
        // Each round starts with another side.
        double workerS = 0;
        double rmS = 0;
        if (round % 2 == 0) {
            workerS = workerSeconds(worker, figures);
            rmS = rmSeconds(rm, figures);
        } else {
            rmS = rmSeconds(rm, figures);
            workerS = workerSeconds(worker, figures);
        }
        figures.workerS << workerS;
        figures.rmS << rmS;
        figures.ratio << workerS / rmS;
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
    if (progressValues != 100 || FileTree::countEntries(root) != 0)
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
