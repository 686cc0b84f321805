#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <vector>

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

// Runs the event loop until done() holds, looking every pollMs milliseconds; 0 looks on every pass
// of the loop, which keeps a core busy but notices at once.
inline void Await(const std::function<bool()>& done, int pollMs = 0)
{
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(pollMs);
    if (!done())
        loop.exec();
}

// Keeps the optimiser from dropping work whose result is otherwise unused.
template <typename T> inline void KeepAlive(const T& value)
{
    asm volatile("" : : "g"(&value) : "memory");
}

inline void Report(const char* what, double value, const char* unit, double floor, const char* floorWhat,
                   const char* goal = nullptr)
{
    // Small figures (a share of a core, a latency) keep a second decimal.
    const int decimals = value < 10 && floor < 10 ? 2 : 1;
    std::printf("%-52s %10.*f %s   floor (%s): %10.*f %s   ratio %.3f", what, decimals, value, unit,
                floorWhat, decimals, floor, unit, floor > 0 ? value / floor : 0.0);
    if (goal)
        std::printf("   (goal: %s)", goal);
    std::printf("\n");
    std::fflush(stdout);
}

// How long events posted to the main thread wait there: a thread of its own posts one every few
// milliseconds, stamped with the time it was posted. The longest wait is the longest the event loop
// went without turning (to within the posting interval).
class TLoopLatencyProbe : public QThread
{
public:
    static constexpr int IntervalMs = 5;

    ~TLoopLatencyProbe() override { Stop(); }

    void Stop()
    {
        quit();
        wait();
        m_recording = false;
    }
    // The latency that 99 % of the posted events did not exceed, in ms.
    double P99Ms()
    {
        if (m_samplesNs.empty())
            return 0;
        std::sort(m_samplesNs.begin(), m_samplesNs.end());
        return double(m_samplesNs[(m_samplesNs.size() * 99) / 100]) / 1e6;
    }
    double LongestMs() const
    {
        return m_samplesNs.empty() ? 0 : double(*std::max_element(m_samplesNs.begin(), m_samplesNs.end())) / 1e6;
    }

protected:
    void run() override
    {
        QTimer post;
        post.setTimerType(Qt::PreciseTimer);
        QObject::connect(&post, &QTimer::timeout, [this] {
            QElapsedTimer posted;
            posted.start();
            QMetaObject::invokeMethod(
                &m_receiver,
                [this, posted] {
                    if (m_recording)
                        m_samplesNs.push_back(posted.nsecsElapsed());
                },
                Qt::QueuedConnection);
        });
        post.start(IntervalMs);
        exec();
    }

private:
    QObject m_receiver; // in the main thread
    bool m_recording = true;
    std::vector<qint64> m_samplesNs;
};

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
