#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// The timing of one direction of a serial line with 8N1 framing: a byte takes ten bit times. While
// bytes wait, the line carries them back to back; a line that ran dry starts its next run when the
// next byte is there, but never before its last byte is through.
class TSimLinePace
{
public:
    static constexpr int BitsPerByte = 10; // start bit, 8 data bits, stop bit
    static constexpr int MinBaud = 50;
    static constexpr int MaxBaud = 4000000;

    explicit TSimLinePace(int baud) : m_baud(baud) {}

    int Baud() const { return m_baud; }
    bool IsRunning() const { return m_running; }
    // Bytes wait to go at nowNs: an idle line starts a run.
    void Start(qint64 nowNs);
    // Bytes of the run that are through by nowNs and not yet taken.
    qint64 Due(qint64 nowNs) const;
    void Take(qint64 bytes);
    // When the next count bytes, after those taken, are through.
    qint64 ThroughNs(qint64 count) const { return TimeOfByteNs(m_taken + count); }
    // Nothing waits any more: the run ends with the last byte taken.
    void Stop() { m_running = false; }
    // A new session: the line is idle and free at once.
    void Reset();

private:
    qint64 TimeOfByteNs(qint64 bytes) const;

    int m_baud;
    bool m_running = false;
    qint64 m_runStartNs = 0;
    qint64 m_taken = 0; // bytes of the run taken so far
};

// Moves bytes from a source to a destination no faster than a serial line at the given rate would:
// the bytes a line has carried are moved at the moment they are through, in chunks of at most ten
// milliseconds, and a run's last byte exactly on its time. The wake-ups come from a timer with
// sub-millisecond resolution (timerfd), so the line's timing is not rounded to whole milliseconds.
class TSimLinePacer : public QObject
{
    Q_OBJECT

public:
    // How many bytes wait at the source.
    using Available = std::function<qint64()>;
    // Moves up to the given number of bytes; returns how many it moved.
    using Move = std::function<qint64(qint64 maxBytes)>;

    TSimLinePacer(int baud, Available available, Move move, QObject* parent = nullptr);
    ~TSimLinePacer() override;

    // False when the system has no timer to give.
    bool IsValid() const { return m_timerFd >= 0; }
    // Bytes have come to the source.
    void Kick();
    void Reset();
    bool IsRunning() const { return m_pace.IsRunning(); }

    static qint64 NowNs();

signals:
    // The source ran dry: the line is idle until the next Kick.
    void Drained();

private:
    void OnWake();
    void WakeAt(qint64 ns);

    TSimLinePace m_pace;
    Available m_available;
    Move m_move;
    int m_timerFd = -1;
    QSocketNotifier* m_notifier = nullptr;
    qint64 m_chunkBytes;
};
