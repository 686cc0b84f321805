#include "SimLinePacer.h"

#include <QSocketNotifier>

#include <algorithm>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {
constexpr qint64 NsPerBitSecond = 1000000000LL * TSimLinePace::BitsPerByte; // ns × baud for one byte
// A run is counted afresh from time to time so that its arithmetic stays far from overflowing.
constexpr qint64 RebaseBytes = 1000000;
constexpr qint64 MaxElapsedNs = 1000000000000LL; // bytes due are counted over at most 1000 s
} // namespace

void TSimLinePace::Start(qint64 nowNs)
{
    if (m_running)
        return;
    m_runStartNs = std::max(nowNs, TimeOfByteNs(m_taken));
    m_taken = 0;
    m_running = true;
}

qint64 TSimLinePace::Due(qint64 nowNs) const
{
    if (!m_running)
        return 0;
    const qint64 elapsed = std::clamp<qint64>(nowNs - m_runStartNs, 0, MaxElapsedNs);
    return std::max<qint64>(elapsed * m_baud / NsPerBitSecond - m_taken, 0);
}

void TSimLinePace::Take(qint64 bytes)
{
    m_taken += bytes;
    if (m_taken >= RebaseBytes) {
        m_runStartNs = TimeOfByteNs(m_taken);
        m_taken = 0;
    }
}

void TSimLinePace::Reset()
{
    m_running = false;
    m_runStartNs = 0;
    m_taken = 0;
}

qint64 TSimLinePace::TimeOfByteNs(qint64 bytes) const
{
    return m_runStartNs + (bytes * NsPerBitSecond + m_baud - 1) / m_baud;
}

TSimLinePacer::TSimLinePacer(int baud, Available available, Move move, QObject* parent)
    : QObject(parent), m_pace(baud), m_available(std::move(available)), m_move(std::move(move)),
      m_timerFd(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)),
      m_chunkBytes(std::max(1, baud / TSimLinePace::BitsPerByte / 100))
{
    if (m_timerFd < 0)
        return;
    m_notifier = new QSocketNotifier(m_timerFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TSimLinePacer::OnWake);
}

TSimLinePacer::~TSimLinePacer()
{
    delete m_notifier;
    if (m_timerFd >= 0)
        ::close(m_timerFd);
}

qint64 TSimLinePacer::NowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void TSimLinePacer::Kick()
{
    if (m_pace.IsRunning())
        return; // the bytes join the run under way
    m_pace.Start(NowNs());
    OnWake();
}

void TSimLinePacer::Reset()
{
    m_pace.Reset();
    const itimerspec disarm{};
    timerfd_settime(m_timerFd, 0, &disarm, nullptr);
}

void TSimLinePacer::OnWake()
{
    quint64 expirations = 0;
    [[maybe_unused]] const ssize_t cleared = ::read(m_timerFd, &expirations, sizeof expirations);
    if (!m_pace.IsRunning())
        return;
    if (const qint64 due = std::min(m_pace.Due(NowNs()), m_available()); due > 0) {
        const qint64 moved = m_move(due);
        if (!m_pace.IsRunning())
            return; // the session ended meanwhile
        m_pace.Take(moved);
    }
    const qint64 waiting = m_available();
    if (waiting <= 0) {
        m_pace.Stop();
        emit Drained();
        return;
    }
    WakeAt(m_pace.ThroughNs(std::min(waiting, m_chunkBytes)));
}

void TSimLinePacer::WakeAt(qint64 ns)
{
    itimerspec at{};
    at.it_value.tv_sec = time_t(ns / 1000000000LL);
    at.it_value.tv_nsec = long(ns % 1000000000LL);
    timerfd_settime(m_timerFd, TFD_TIMER_ABSTIME, &at, nullptr);
}
