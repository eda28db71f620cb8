#pragma once

#include <QString>
#include <QVector>

/// Process start to the discount offer on screen, for the wizard with its installed defaults and
/// with a local configuration service, beside the floor program's start to its window on screen.
class StartupBench
{
public:
    struct Figures
    {
        QVector<double> floorMs;
        QVector<double> defaultsMs;
        QVector<double> serviceMs;
        int serviceRequests = 0; // answered by the service in its last run
        QString failure;
    };

    static Figures measure(int runs);

private:
    enum class Side { Floor, Defaults, Service };
    static double measureOnce(Side side, Figures &figures);
};
