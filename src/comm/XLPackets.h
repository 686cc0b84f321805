#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

class TXLMessage;

// CRC-16/XMODEM: polynomial 0x1021, initial value 0, no reflection, no final XOR.
namespace XLCrc {
quint16 Update(quint16 crc, const uchar* data, qsizetype count);
inline quint16 Of(QByteArrayView bytes)
{
    return Update(0, reinterpret_cast<const uchar*>(bytes.data()), bytes.size());
}
} // namespace XLCrc

// Largest payload of a packet, and the payload bytes that open every data packet (Id and Sub).
inline constexpr int XLMaxPayload = 1024;
inline constexpr int XLPayloadHeaderSize = 3;
// Start byte and the header fields of a packet without address bytes.
inline constexpr int XLHeaderSizeWithoutAddresses = 7;

// The serialized image of one packet, always complete: start byte 0x01, every byte written so far,
// and the CRC of those bytes (high byte first). Each write replaces the CRC at the end, feeds only
// the new bytes into the running CRC and appends it again, so a built packet needs no second pass.
class TXLPacketStream
{
public:
    TXLPacketStream() { Reset(); }

    void Reset();
    void Write(const uchar* data, qsizetype count);
    void Write(QByteArrayView bytes) { Write(reinterpret_cast<const uchar*>(bytes.data()), bytes.size()); }
    void WriteByte(quint8 value) { Write(&value, 1); }

    quint16 Crc() const { return m_crc; }
    qsizetype Size() const { return m_bytes.size(); }
    const QByteArray& Bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    quint16 m_crc = 0;
};

// One framed packet: a piece of a message, or (Length 0) the acknowledgement of one.
class TXLPacket
{
public:
    explicit TXLPacket(quint16 flags = 0) : Flags(flags) {}

    TXLPacketStream Stream;
    quint8 MsgId = 0;
    quint16 MsgSub = 0;
    quint8 MessageNo = 0;
    quint8 PacketNo = 0;
    quint32 DestAddress = 0;
    quint32 SourceAddress = 0;
    quint16 Flags = 0;
    quint16 Length = 0;

    // Bits 15-14 of the flags: the width of each address field in bytes.
    int AddressWidth() const { return Flags >> 14; }
    // Bits 1-0 of the flags: the size code; the largest payload is 1024 >> code.
    int SizeCode() const { return Flags & 0x3; }
    int MaxLength() const { return XLMaxPayload >> SizeCode(); }
    bool IsAcknowledgement() const { return Length == 0; }
    // A data packet that fills its size is followed by another packet of the same message.
    bool MoreFollow() const { return Length >= MaxLength(); }

    // The acknowledgement of a received packet: its flags and numbers, its addresses swapped.
    static TXLPacket AcknowledgementOf(const TXLPacket& received);

    void WriteHeader(quint16 length);
    // Fills this fresh packet with the next piece of the message; true when another packet follows.
    bool BuildFromMessage(TXLMessage& message);
    // Appends the body bytes of this received data packet; true when another packet follows.
    bool ReadPayload(TXLMessage& message) const;
    // Switches to the next smaller packet size and rewinds the message over this packet's piece;
    // false when a smaller size is not possible or gains nothing.
    bool ShrinkSize(TXLMessage& message);
    // Rebuild a received packet from its payload and CRC bytes (count = Length + 2) and return the
    // CRC residue: 0 means intact. The stream variant skips the header bytes of the receive buffer.
    quint16 LoadFromBuffer(const char* bytes, int count);
    quint16 LoadFromStream(const QByteArray& receiveBuffer, int count);

    qsizetype Size() const { return Stream.Size(); }

private:
    void WriteNumber(quint32 value, int width);
};

// TCP ports 14000-14009 double the first 0xFF of every run of 0xFF bytes on the wire.
bool XLPortDoublesFF(quint16 port);
QByteArray XLDoubleFF(QByteArrayView packetBytes);
