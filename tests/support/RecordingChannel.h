#pragma once

#include "comm/CommChannel.h"

#include <QByteArray>
#include <QList>

// What a channel put on the wire: one packet.
struct TSentPacket
{
    QByteArray Bytes;
    quint8 MessageNo = 0;
    quint8 PacketNo = 0;
    quint16 Length = 0;
    quint8 MsgId = 0;
    quint16 MsgSub = 0;
    quint16 Flags = 0;

    bool IsAcknowledgement() const { return Length == 0; }
};

// The packet a receiver makes of wire bytes without address bytes; null when the bytes are damaged.
std::unique_ptr<TXLPacket> ReceivedPacket(const QByteArray& wire);
// The wire bytes of an acknowledgement (no address bytes).
QByteArray AckWire(quint8 messageNo, quint8 packetNo);
// A message cut into packets as a sender with the given numbers and size code does, as wire bytes.
QList<QByteArray> PacketsOf(const TXLMessage& message, quint8 messageNo, int sizeCode = 0);

// A channel over a test medium: it records every packet it sends, and the test delivers the
// printer's packets.
class TRecordingChannel : public TCommChannel
{
    Q_OBJECT

public:
    using TCommChannel::TCommChannel;

    QList<TSentPacket> Sent;

    void SendPacket(const TXLPacket& packet) override;

    QList<TSentPacket> SentData() const;
    QList<TSentPacket> SentAcknowledgements() const;
    void DeliverAck(quint8 messageNo, quint8 packetNo);
    // Acknowledges the packet awaiting acknowledgement, if there is one; true when there was.
    bool AckCurrent();
    // Acknowledges packet after packet until nothing awaits acknowledgement.
    void AckUntilIdle();
    // The printer sends a whole message, each packet delivered as the medium would.
    void DeliverMessage(const TXLMessage& message, quint8 messageNo, int sizeCode = 0);
};
