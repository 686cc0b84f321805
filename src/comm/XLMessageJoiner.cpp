#include "comm/XLMessageJoiner.h"

#include "platform/Logging.h"

void TXLMessageJoiner::Reset()
{
    m_message = TXLMessage();
    m_oversized = false;
}

bool TXLMessageJoiner::Take(const TXLPacket& packet)
{
    const bool startsMessage = packet.MessageNo != m_message.MessageNo || packet.MsgId != m_message.Id ||
                               packet.MsgSub != m_message.Sub;
    if (startsMessage) {
        m_message.Clear();
        m_message.Id = packet.MsgId;
        m_message.Sub = packet.MsgSub;
        m_message.MessageNo = packet.MessageNo;
        m_oversized = false;
    } else if (packet.PacketNo != m_message.NextPacketNo) {
        return false; // a repeat, already taken
    }
    // The next number moves on before the message is handled: a repeat that arrives while a handler
    // waits (an operator request) must not be taken a second time.
    m_message.NextPacketNo = startsMessage ? 2 : quint8(m_message.NextPacketNo + 1);
    const qsizetype pieceSize = qMax(0, int(packet.Length) - XLPayloadHeaderSize);
    if (!m_oversized && m_message.Size() + pieceSize > MaxSize) {
        qCWarning(lcComm) << "drops a received message larger than" << MaxSize << "bytes";
        m_oversized = true;
        m_message.Clear();
    }
    if (m_oversized)
        return false;
    m_message.SetPosition(m_message.Size());
    packet.ReadPayload(m_message);
    if (packet.MoreFollow())
        return false;
    m_message.SetPosition(0);
    return true;
}
