#pragma once

#include <QtGlobal>

#include <chrono>

// The system-wide monotonic clock, so that times taken in two processes can be subtracted.
inline qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
