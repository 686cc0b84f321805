#pragma once

#include <QElapsedTimer>

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

} // namespace Bench
