#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <functional>

// Receive triggers over a byte stream from a serial port. A trigger is armed with a byte count, a
// timeout and a handler; the start trigger skips every byte until its start byte, the others start on
// any byte. Once it has its bytes it fires once with them and is disarmed; if its time runs out first
// the timeout handler runs. At most one trigger is armed at a time: the receiver chains them.
//
// Bytes are taken strictly in arrival order, also when a handler opens a nested event loop and more
// bytes arrive meanwhile.
class TSerialTriggers : public QObject
{
    Q_OBJECT

public:
    // Bytes held at most, like the read buffer of a TCP link; the printer resends what is dropped.
    static constexpr qsizetype MaxHeldBytes = 64 * 1024;

    // Timeouts are counted in ticks of the PC's classic timer, 18.2 per second.
    static int TicksToMs(int ticks) { return (ticks * 10000 + 91) / 182; }

    using Handler = std::function<void(const QByteArray&)>;

    explicit TSerialTriggers(QObject* parent = nullptr);

    void SetTimeoutHandler(std::function<void()> handler) { m_onTimeout = std::move(handler); }
    // Arms the start trigger: waits for the start byte, then collects count bytes including it.
    // The time runs from the start byte.
    void ArmStart(char startByte, int count, int timeoutTicks, Handler handler);
    // Arms a trigger that collects the next count bytes. The time runs from arming, so a line that
    // goes silent in the middle of a packet is noticed.
    void ArmCount(int count, int timeoutTicks, Handler handler);
    void Disarm();
    bool IsArmed() const { return m_handler != nullptr; }

    // Bytes received from the port, in order.
    void Feed(QByteArrayView bytes);
    // Bytes kept from the port: those received but not yet taken, and a chunk being taken.
    qsizetype HeldBytes() const { return m_pending.size(); }

private:
    void TakeByte(char byte);
    void Fire();

    QTimer m_timer;
    QByteArray m_pending;
    qsizetype m_next = 0;
    int m_feeding = 0;
    QByteArray m_collected;
    int m_count = 0;
    bool m_waitForStart = false;
    char m_startByte = 0;
    int m_timeoutMs = 0;
    Handler m_handler;
    std::function<void()> m_onTimeout;
};
