#include "comm/SerialTriggers.h"

#include "platform/Logging.h"

TSerialTriggers::TSerialTriggers(QObject* parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        Disarm();
        if (m_onTimeout)
            m_onTimeout();
    });
}

void TSerialTriggers::ArmStart(char startByte, int count, int timeoutTicks, Handler handler)
{
    Disarm();
    m_waitForStart = true;
    m_startByte = startByte;
    m_count = count;
    m_timeoutMs = TicksToMs(timeoutTicks);
    m_handler = std::move(handler);
}

void TSerialTriggers::ArmCount(int count, int timeoutTicks, Handler handler)
{
    Disarm();
    m_count = count;
    m_timeoutMs = TicksToMs(timeoutTicks);
    m_handler = std::move(handler);
    m_timer.start(m_timeoutMs);
}

void TSerialTriggers::Disarm()
{
    m_timer.stop();
    m_handler = nullptr;
    m_collected.clear();
    m_waitForStart = false;
}

void TSerialTriggers::Feed(QByteArrayView bytes)
{
    // A nested call (a handler waits in a modal box) lets go of the bytes taken before it, and
    // holds no more than a TCP link would.
    m_pending.remove(0, m_next);
    m_next = 0;
    const qsizetype room = MaxHeldBytes - m_pending.size();
    if (bytes.size() > room) {
        qCDebug(lcCommSerial) << "drops" << bytes.size() - qMax<qsizetype>(room, 0) << "received bytes";
        bytes = bytes.first(qMax<qsizetype>(room, 0));
    }
    m_pending.append(bytes);
    // A handler may open a nested event loop in which more bytes arrive; the nested call takes them
    // after the ones still waiting here, and this loop then finds nothing left.
    ++m_feeding;
    while (m_next < m_pending.size())
        TakeByte(m_pending[m_next++]);
    if (--m_feeding == 0) {
        m_pending.clear();
        m_next = 0;
    }
}

void TSerialTriggers::TakeByte(char byte)
{
    if (!m_handler)
        return; // nothing armed: the byte is not wanted
    if (m_waitForStart) {
        if (byte != m_startByte)
            return;
        m_waitForStart = false;
        m_timer.start(m_timeoutMs);
    }
    m_collected.append(byte);
    if (m_collected.size() >= m_count)
        Fire();
}

void TSerialTriggers::Fire()
{
    const QByteArray bytes = std::exchange(m_collected, QByteArray());
    Handler handler = std::exchange(m_handler, nullptr);
    m_timer.stop();
    handler(bytes);
}
