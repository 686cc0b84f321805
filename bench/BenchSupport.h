#pragma once

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>

namespace Bench {

// Best time of several runs in seconds: the least disturbed by the rest of the machine.
inline double BestSeconds(const std::function<void()>& work, int runs = 5)
{
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e9);
    }
    return best;
}

// Keeps the optimiser from dropping work whose result is otherwise unused.
template <typename T> inline void KeepAlive(const T& value)
{
    asm volatile("" : : "g"(&value) : "memory");
}

inline void Report(const char* what, double value, const char* unit, double floor, const char* floorWhat)
{
    std::printf("%-52s %10.1f %s   floor (%s): %10.1f %s   ratio %.3f\n", what, value, unit, floorWhat, floor,
                unit, floor > 0 ? value / floor : 0.0);
}

// The resident memory of this process in MiB (Linux); 0 where it cannot be read.
inline double ResidentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

} // namespace Bench
