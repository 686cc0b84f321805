#pragma once

#include "comm/XLPackets.h"

#include <QByteArrayView>

#include <algorithm>
#include <cstdint>

// A fuzz target's input, read record by record; reading past its end gives zeros and nothing.
class FuzzInput
{
public:
    FuzzInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool AtEnd() const { return m_at >= m_size; }
    quint8 Byte() { return AtEnd() ? 0 : m_data[m_at++]; }
    QByteArrayView Bytes(size_t count)
    {
        const size_t take = std::min(count, m_size - m_at);
        const QByteArrayView bytes(reinterpret_cast<const char*>(m_data + m_at), qsizetype(take));
        m_at += take;
        return bytes;
    }

    // The wire bytes of a data packet whose record follows its control byte (size code in bits 0-1,
    // the high bits of its length in bits 2-3): message number, packet number, the low byte of the
    // length, the payload. Its checksum is valid, so that it reaches the link.
    QByteArray Packet(quint8 control)
    {
        TXLPacket packet(quint16(control & 0x3));
        packet.MessageNo = Byte();
        packet.PacketNo = Byte();
        const int length = std::min<int>(XLMaxPayload, ((control >> 2) & 0x3) * 256 + Byte());
        const QByteArrayView payload = Bytes(size_t(length));
        packet.WriteHeader(quint16(payload.size()));
        packet.Stream.Write(payload);
        return packet.Stream.Bytes();
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};
