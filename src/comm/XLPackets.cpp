#include "comm/XLPackets.h"

#include "comm/XLCrcFold.h"
#include "comm/XLMessage.h"

#include <array>
#include <cstring>

namespace {

// Tables for slicing-by-8: Tables[k][i] is the CRC register after byte i followed by k zero bytes.
struct CrcTables
{
    std::array<std::array<quint16, 256>, 8> t{};

    constexpr CrcTables()
    {
        for (int i = 0; i < 256; ++i) {
            quint16 crc = quint16(i << 8);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
            t[0][i] = crc;
        }
        for (int k = 1; k < 8; ++k)
            for (int i = 0; i < 256; ++i)
                t[k][i] = quint16((t[k - 1][i] << 8) ^ t[0][t[k - 1][i] >> 8]);
    }
};

constexpr CrcTables Tables;

} // namespace

quint16 XLCrc::Update(quint16 crc, const uchar* data, qsizetype count)
{
    const TFolded folded = UpdateFolded(crc, data, count);
    crc = folded.Crc;
    data += folded.Taken;
    count -= folded.Taken;
    const auto& t = Tables.t;
    while (count >= 8) {
        const quint8 b0 = quint8(data[0] ^ (crc >> 8));
        const quint8 b1 = quint8(data[1] ^ (crc & 0xFF));
        crc = quint16(t[7][b0] ^ t[6][b1] ^ t[5][data[2]] ^ t[4][data[3]] ^ t[3][data[4]] ^ t[2][data[5]] ^
                      t[1][data[6]] ^ t[0][data[7]]);
        data += 8;
        count -= 8;
    }
    while (count-- > 0)
        crc = quint16((crc << 8) ^ t[0][(crc >> 8) ^ *data++]);
    return crc;
}

void TXLPacketStream::Reset()
{
    m_bytes.clear();
    m_bytes.reserve(XLMaxPayload + 32);
    m_bytes.append('\x01');
    m_bytes.append(2, '\0'); // placeholder for the CRC, replaced by the first write
    m_crc = 0;
}

void TXLPacketStream::Write(const uchar* data, qsizetype count)
{
    const qsizetype at = m_bytes.size() - 2; // over the CRC
    m_bytes.resize(at + count + 2);
    char* bytes = m_bytes.data() + at;
    if (count > 0)
        std::memcpy(bytes, data, size_t(count));
    m_crc = XLCrc::Update(m_crc, data, count);
    bytes[count] = char(m_crc >> 8);
    bytes[count + 1] = char(m_crc & 0xFF);
}

TXLPacket TXLPacket::AcknowledgementOf(const TXLPacket& received)
{
    TXLPacket ack(received.Flags);
    ack.DestAddress = received.SourceAddress;
    ack.SourceAddress = received.DestAddress;
    ack.MessageNo = received.MessageNo;
    ack.PacketNo = received.PacketNo;
    TXLMessage empty;
    ack.BuildFromMessage(empty);
    return ack;
}

void TXLPacket::WriteNumber(quint32 value, int width)
{
    uchar bytes[4];
    for (int i = 0; i < width; ++i)
        bytes[i] = uchar(value >> (8 * (width - 1 - i)));
    Stream.Write(bytes, width);
}

void TXLPacket::WriteHeader(quint16 length)
{
    Length = length;
    const int k = AddressWidth();
    WriteNumber(Flags, 2);
    WriteNumber(DestAddress, k);
    WriteNumber(SourceAddress & 0xFF, k); // only the low byte of the source address is significant
    const uchar numbers[4] = {MessageNo, PacketNo, uchar(length >> 8), uchar(length & 0xFF)};
    Stream.Write(numbers, 4);
}

bool TXLPacket::BuildFromMessage(TXLMessage& message)
{
    const int max = MaxLength();
    MsgId = message.Id;
    MsgSub = message.Sub;
    const qsizetype remaining = message.Size() - message.Position();
    qsizetype piece;
    bool more;
    if (remaining + XLPayloadHeaderSize >= max) {
        WriteHeader(quint16(max));
        piece = max - XLPayloadHeaderSize;
        more = true;
    } else {
        WriteHeader(message.Id == 0 ? 0 : quint16(remaining + XLPayloadHeaderSize));
        piece = remaining;
        more = false;
    }
    if (message.Id != 0) {
        const uchar idAndSub[3] = {message.Id, uchar(message.Sub >> 8), uchar(message.Sub & 0xFF)};
        Stream.Write(idAndSub, 3);
    }
    Stream.Write(message.ReadBytes(piece));
    return more;
}

bool TXLPacket::ReadPayload(TXLMessage& message) const
{
    const int bodyBytes = int(Length) - XLPayloadHeaderSize;
    if (bodyBytes > 0) {
        const qsizetype offset = 10 + 2 * AddressWidth();
        message.WriteBytes(QByteArrayView(Stream.Bytes()).sliced(offset, bodyBytes));
    }
    return MoreFollow();
}

bool TXLPacket::ShrinkSize(TXLMessage& message)
{
    const int smaller = (SizeCode() + 1) % 4;
    if (smaller == 0)
        return false;
    if ((XLMaxPayload >> smaller) > Length)
        return false;
    message.SetPosition(message.Position() - (Length - XLPayloadHeaderSize));
    Length = 0;
    Stream.Reset();
    Flags = quint16((Flags & ~0x3) | smaller);
    return true;
}

quint16 TXLPacket::LoadFromBuffer(const char* bytes, int count)
{
    if (count < 2)
        return 0xFFFF; // not even a CRC: damaged
    WriteHeader(quint16(count - 2));
    if (Length != 0) {
        const auto* in = reinterpret_cast<const uchar*>(bytes);
        MsgId = in[0];
        MsgSub = quint16((in[1] << 8) | in[2]);
    }
    Stream.Write(reinterpret_cast<const uchar*>(bytes), count);
    return Stream.Crc();
}

quint16 TXLPacket::LoadFromStream(const QByteArray& receiveBuffer, int count)
{
    const qsizetype headerBytes = XLHeaderSizeWithoutAddresses + 2 * AddressWidth();
    if (count < 0 || receiveBuffer.size() < headerBytes + count)
        return 0xFFFF; // the buffer does not hold the packet it announces: damaged
    return LoadFromBuffer(receiveBuffer.constData() + headerBytes, count);
}

bool XLPortDoublesFF(quint16 port)
{
    return port >= 14000 && port <= 14009;
}

QByteArray XLDoubleFF(QByteArrayView packetBytes)
{
    QByteArray out;
    out.reserve(packetBytes.size() + packetBytes.size() / 8 + 4);
    char previous = 0;
    for (const char b : packetBytes) {
        if (b == '\xFF' && previous != '\xFF')
            out.append('\xFF');
        out.append(b);
        previous = b;
    }
    return out;
}
