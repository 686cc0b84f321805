#pragma once

#include "comm/XLMessage.h"
#include "comm/XLMessageJoiner.h"
#include "comm/XLPacketAssembler.h"
#include "comm/XLPackets.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

class TSimFaults;

// The printer's end of one link (a TCP connection or a pseudo-terminal). It acknowledges every
// intact data packet, joins packets into messages as the station does, and sends the printer's own
// messages one at a time, each packet resent on silence until the station acknowledges it. The
// faults of the simulation are applied here, on the way in and out.
class TPrinterLink : public QObject
{
    Q_OBJECT

public:
    // Puts bytes on the medium.
    using WireWriter = std::function<void(const QByteArray&)>;

    // Times an unacknowledged packet is resent before its message is given up.
    static constexpr int MaxResends = 15;

    // port: the TCP port the station reaches this link on (0 for a pseudo-terminal); ports
    // 14000-14009 double 0xFF on the wire.
    TPrinterLink(const QString& name, quint16 port, WireWriter writer, TSimFaults& faults,
                 QObject* parent = nullptr);

    // Bytes from the medium, in arrival order.
    void ProcessBytes(QByteArrayView chunk);
    // Queues a message of the printer's own; its body is sent up to its current position.
    void SendMessage(std::unique_ptr<TXLMessage> message);

    const QString& Name() const { return m_name; }
    // The station asked to disconnect: the printer sends nothing of its own here any more.
    bool Disconnected() const { return m_disconnected; }
    void SetDisconnected(bool disconnected) { m_disconnected = disconnected; }
    bool IsIdle() const { return m_sendQueue.empty(); }
    // Number of the last message this link started to send.
    quint8 MessageNo() const { return m_messageNo; }

    // The retry timer's handler; public so that tests can drive the resend sequence.
    void OnRetryTimer();
    // Retry interval of a packet of this many bytes, the station's rule.
    static int RetryInterval(qsizetype bytes) { return int(bytes * 100 / 96) + 250; }

signals:
    // A complete message arrived; a repeat of a packet never raises it twice.
    void MessageReceived(const TXLMessage& message);
    // The link starts to send a message; its MessageNo is set.
    void MessageStarted(const TXLMessage& message);

private:
    void OnPacket(std::unique_ptr<TXLPacket> packet);
    void Acknowledge(const TXLPacket& received);
    void OnAck(quint8 messageNo, quint8 packetNo);
    void SendNextMessage();
    void SendNextPacket();
    void Transmit(const TXLPacket& packet);

    QString m_name;
    bool m_doublesFF;
    WireWriter m_writer;
    TSimFaults& m_faults;
    TXLPacketAssembler m_assembler;
    bool m_disconnected = false;

    TXLMessageJoiner m_joiner;

    std::deque<std::unique_ptr<TXLMessage>> m_sendQueue;
    std::unique_ptr<TXLPacket> m_currentPacket;
    bool m_morePackets = false;
    quint8 m_messageNo = 0;
    quint8 m_packetNo = 0;
    int m_retryCount = 0;
    QTimer m_retryTimer;
};
