#include "comm/XLPacketAssembler.h"

TXLPacketAssembler::TXLPacketAssembler(PacketHandler handler, quint16 port) : m_handler(std::move(handler))
{
    SetPort(port);
    m_receiveBuffer.reserve(XLMaxPayload + 16);
}

void TXLPacketAssembler::Reset()
{
    Discard();
    m_lastByte = 0;
}

void TXLPacketAssembler::Discard()
{
    m_receiveBuffer.clear();
    m_state = State::Hunt;
}

void TXLPacketAssembler::ProcessBytes(QByteArrayView chunk)
{
    const char* data = chunk.data();
    const qsizetype size = chunk.size();
    for (qsizetype i = 0; i < size; ++i) {
        // Payload bytes without the 0xFF rule are taken in one block: the common case by far.
        if (m_state == State::Data && !m_undoDoubledFF) {
            const qsizetype take = qMin<qsizetype>(m_expected - m_count, size - i);
            m_receiveBuffer.append(data + i, take);
            m_count += int(take);
            i += take - 1;
            m_lastByte = data[i];
            if (m_count >= m_expected)
                Complete();
            continue;
        }
        const char byte = data[i];
        if (m_receiveBuffer.isEmpty() && byte != '\x01')
            continue; // hunting for a start byte
        if (m_undoDoubledFF && byte == '\xFF' && m_lastByte != '\xFF') {
            m_lastByte = byte;
            continue;
        }
        m_receiveBuffer.append(byte);
        m_lastByte = byte;
        Advance(byte);
    }
}

void TXLPacketAssembler::Advance(char byte)
{
    const quint8 b = quint8(byte);
    switch (m_state) {
    case State::Hunt:
        m_state = State::FlagsHigh;
        break;
    case State::FlagsHigh:
        m_flags = quint16(b << 8);
        m_state = State::FlagsLow;
        break;
    case State::FlagsLow:
        m_flags = quint16(m_flags + b);
        if ((m_flags >> 14) != 0)
            Discard();
        else
            m_state = State::MessageNo;
        break;
    case State::MessageNo:
        m_messageNo = b;
        m_state = State::PacketNo;
        break;
    case State::PacketNo:
        m_packetNo = b;
        m_state = State::LengthHigh;
        break;
    case State::LengthHigh:
        m_length = quint16(b << 8);
        m_state = State::LengthLow;
        break;
    case State::LengthLow:
        m_length = quint16(m_length + b);
        if (m_length > XLMaxPayload) {
            Discard();
            break;
        }
        m_expected = m_length + 2;
        m_count = 0;
        m_state = State::Data;
        break;
    case State::Data:
        if (++m_count >= m_expected)
            Complete();
        break;
    }
}

void TXLPacketAssembler::Complete()
{
    auto packet = std::make_unique<TXLPacket>(m_flags);
    packet->MessageNo = m_messageNo;
    packet->PacketNo = m_packetNo;
    const bool intact = packet->LoadFromStream(m_receiveBuffer, m_expected) == 0;
    Discard();
    if (intact)
        m_handler(std::move(packet));
}
