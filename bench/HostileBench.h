#pragma once

#include <QString>
#include <QVector>

/// Whole runs against a configuration service that misbehaves on purpose, one behaviour on one
/// target (the configuration, the recommended-apps document or the banner) per run: how long the
/// loading page stays up and the process's peak memory. And one run that downloads an updater of
/// 1 GiB, its cap, as fast as the loopback server sends it: how long until it is stored, and the
/// peak memory meanwhile.
class HostileBench
{
public:
    struct Row
    {
        QString behaviour;
        QString target;
        double leftS = -1;   // process start to the discount offer on screen
        double storedS = -1; // the updater's run only: process start to the updater stored
        double peakMb = -1;
        double peakTargetMb = 100.0;
        QString failure;
    };

    // Every behaviour, the largest pictures included.
    static QVector<Row> measure();
    // Only the largest pictures: a banner, a promotion picture and 64 icons of 4096 x 4096
    // pixels, then a start that finds them in the cache.
    static QVector<Row> measureLargestPictures();
};
