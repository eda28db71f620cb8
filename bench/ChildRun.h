#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

/// Runs one program to its end, timed from just before it is spawned, while the caller's event
/// loop keeps serving (the local services of a benchmark live in the calling process).
class ChildRun
{
public:
    struct Result
    {
        bool exited = false; // false: could not start, was killed or timed out
        int exitCode = -1;
        qint64 spawnNs = 0; // monotonic clock, just before the spawn
        qint64 endNs = 0;   // monotonic clock, when the child was reaped
        QByteArray output;  // standard output
        QByteArray errors;  // standard error
    };

    static Result run(const QString &program,
                      const QStringList &arguments,
                      const QProcessEnvironment &environment,
                      const QString &workingDirectory,
                      int timeoutMs);
};
