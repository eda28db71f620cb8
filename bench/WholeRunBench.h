#pragma once

#include <QString>
#include <QVector>

/// Whole runs of the typical uninstall, confirmed and completed by the autopilot, with local
/// configuration and report services: their peak memory beside the floor program's, and the
/// GUI thread's worst event-loop delay while the progress of a large removal arrives.
class WholeRunBench
{
public:
    // The floor's peak varies by a few megabytes from run to run, and its runs are short.
    static constexpr int floorRunsPerWholeRun = 3;

    struct Memory
    {
        QVector<double> floorMb;
        QVector<double> networkAndTextMb; // the floor with a network manager and a line of text
        QVector<double> wholeRunMb;
        QString failure;
    };
    struct Delay
    {
        QVector<double> worstMs;
        QVector<double> arrivals;
        QString failure;
    };

    static Memory measureMemory(int runs);
    static Delay measureDelay(int runs);
};
