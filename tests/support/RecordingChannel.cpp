#include "RecordingChannel.h"

std::unique_ptr<TXLPacket> ReceivedPacket(const QByteArray& wire)
{
    if (wire.size() < XLHeaderSizeWithoutAddresses + 2)
        return nullptr;
    auto packet = std::make_unique<TXLPacket>(quint16((quint8(wire[1]) << 8) | quint8(wire[2])));
    packet->MessageNo = quint8(wire[3]);
    packet->PacketNo = quint8(wire[4]);
    if (packet->LoadFromStream(wire, int(wire.size()) - XLHeaderSizeWithoutAddresses) != 0)
        return nullptr;
    return packet;
}

QByteArray AckWire(quint8 messageNo, quint8 packetNo)
{
    TXLPacket numbers;
    numbers.MessageNo = messageNo;
    numbers.PacketNo = packetNo;
    return TXLPacket::AcknowledgementOf(numbers).Stream.Bytes();
}

QList<QByteArray> PacketsOf(const TXLMessage& message, quint8 messageNo, int sizeCode)
{
    TXLMessage copy = message;
    copy.SetPosition(0);
    QList<QByteArray> packets;
    bool more = true;
    for (quint8 packetNo = 1; more; ++packetNo) {
        TXLPacket packet{quint16(sizeCode)};
        packet.MessageNo = messageNo;
        packet.PacketNo = packetNo;
        more = packet.BuildFromMessage(copy);
        packets.append(packet.Stream.Bytes());
    }
    return packets;
}

void TRecordingChannel::SendPacket(const TXLPacket& packet)
{
    Sent.append({packet.Stream.Bytes(), packet.MessageNo, packet.PacketNo, packet.Length, packet.MsgId,
                 packet.MsgSub, packet.Flags});
}

QList<TSentPacket> TRecordingChannel::SentData() const
{
    QList<TSentPacket> data;
    for (const TSentPacket& packet : Sent)
        if (!packet.IsAcknowledgement())
            data.append(packet);
    return data;
}

QList<TSentPacket> TRecordingChannel::SentAcknowledgements() const
{
    QList<TSentPacket> acks;
    for (const TSentPacket& packet : Sent)
        if (packet.IsAcknowledgement())
            acks.append(packet);
    return acks;
}

void TRecordingChannel::DeliverAck(quint8 messageNo, quint8 packetNo)
{
    OnPacketReceived(ReceivedPacket(AckWire(messageNo, packetNo)));
}

bool TRecordingChannel::AckCurrent()
{
    if (!RetryTimer().isActive())
        return false;
    const QList<TSentPacket> data = SentData();
    DeliverAck(data.last().MessageNo, data.last().PacketNo);
    return true;
}

void TRecordingChannel::AckUntilIdle()
{
    while (AckCurrent()) {
    }
}

void TRecordingChannel::DeliverMessage(const TXLMessage& message, quint8 messageNo, int sizeCode)
{
    for (const QByteArray& wire : PacketsOf(message, messageNo, sizeCode))
        OnPacketReceived(ReceivedPacket(wire));
}
