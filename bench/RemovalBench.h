#pragma once

#include <QString>
#include <QVector>

/// The deletion worker removing an installed tree, beside `rm -rf` of an identical tree plus
/// the pauses that the worker makes after each entry, and beside a bare loop that removes each
/// entry and pauses, without Qt or progress: what the pauses cost on this machine when they
/// interleave with the removals.
class RemovalBench
{
public:
    struct Figures
    {
        QVector<double> workerS;
        QVector<double> rmS;
        QVector<double> bareS;
        QVector<double> pauseUs;   // the measured cost of one 100 µs pause
        QVector<double> ratio;     // worker / (rm -rf + entries × pause), per round
        QVector<double> bareRatio; // bare loop / (rm -rf + entries × pause), per round
        int progressValues = 0;    // received from the worker in its last round
        QString failure;
    };

    static Figures measure(int rounds);

private:
    static double workerSeconds(const QString &root, Figures &figures);
    static double rmSeconds(const QString &root, Figures &figures);
    static double bareLoopSeconds(const QString &root, Figures &figures);
    static double pauseMicroseconds();
};
