#pragma once

#include <QString>
#include <QVector>

/// The deletion worker removing an installed tree, beside `rm -rf` of an identical tree.
class RemovalBench
{
public:
    struct Figures
    {
        QVector<double> workerS;
        QVector<double> rmS;
        QVector<double> ratio;  // worker / rm -rf, per round
        int progressValues = 0; // received from the worker in its last round
        QString failure;
    };

    // Trees of files spread over FileTree::folders folders.
    static Figures measure(int rounds, int files);

private:
    static double workerSeconds(const QString &root, Figures &figures);
    static double rmSeconds(const QString &root, Figures &figures);
};
