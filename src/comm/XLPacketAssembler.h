#pragma once

#include "comm/XLPackets.h"

#include <QByteArray>
#include <QByteArrayView>

#include <functional>
#include <memory>

// Finds the packets in a TCP byte stream. Bytes arrive in chunks that may split a packet anywhere;
// intact packets are handed on one at a time, in order. Bytes before a start byte are skipped, and a
// packet that is too long, damaged, or announces address bytes is dropped, after which reception
// resumes at the next start byte.
//
// Packets with address bytes are dropped because this stream carries no addresses: the header
// fields the assembler reads would be address bytes, and rebuilding such a packet would read past
// the bytes received.
class TXLPacketAssembler
{
public:
    using PacketHandler = std::function<void(std::unique_ptr<TXLPacket>)>;

    explicit TXLPacketAssembler(PacketHandler handler, quint16 port = 0);

    // On ports 14000-14009 the sender doubled the first 0xFF of every run; undo that.
    void SetPort(quint16 port) { m_undoDoubledFF = XLPortDoublesFF(port); }
    void ProcessBytes(QByteArrayView chunk);
    void Reset();

private:
    enum class State
    {
        Hunt,
        FlagsHigh,
        FlagsLow,
        MessageNo,
        PacketNo,
        LengthHigh,
        LengthLow,
        Data
    };

    void Advance(char byte);
    void Discard();
    void Complete();

    PacketHandler m_handler;
    bool m_undoDoubledFF = false;
    QByteArray m_receiveBuffer;
    State m_state = State::Hunt;
    quint16 m_flags = 0;
    quint8 m_messageNo = 0;
    quint8 m_packetNo = 0;
    quint16 m_length = 0;
    int m_expected = 0;
    int m_count = 0;
    char m_lastByte = 0;
};
