#include "PrinterLink.h"

#include "SimFaults.h"
#include "SimLogging.h"

TPrinterLink::TPrinterLink(const QString& name, quint16 port, WireWriter writer, TSimFaults& faults,
                           QObject* parent)
    : QObject(parent), m_name(name), m_doublesFF(XLPortDoublesFF(port)), m_writer(std::move(writer)),
      m_faults(faults),
      m_assembler([this](std::unique_ptr<TXLPacket> packet) { OnPacket(std::move(packet)); }, port)
{
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &TPrinterLink::OnRetryTimer);
}

void TPrinterLink::ProcessBytes(QByteArrayView chunk)
{
    if (m_faults.Silent)
        return;
    m_assembler.ProcessBytes(chunk);
}

void TPrinterLink::OnPacket(std::unique_ptr<TXLPacket> packet)
{
    if (m_faults.Silent || m_faults.Happens(m_faults.DropIncoming))
        return; // lost on the wire
    if (m_faults.MaxDataLength > 0 && packet->Length > m_faults.MaxDataLength)
        return; // too long for this receiver
    if (packet->IsAcknowledgement()) {
        OnAck(packet->MessageNo, packet->PacketNo);
        return;
    }
    if (!m_faults.Happens(m_faults.SkipAck))
        Acknowledge(*packet); // also a repeat: its first acknowledgement may have been lost
    if (m_joiner.Take(*packet)) {
        const TXLMessage& message = m_joiner.Message();
        qCDebug(lcSim) << m_name << "received message" << message.MessageNo << Qt::hex << message.Id
                       << message.Sub;
        emit MessageReceived(message);
    }
}

void TPrinterLink::Acknowledge(const TXLPacket& received)
{
    auto ack = std::make_shared<TXLPacket>(TXLPacket::AcknowledgementOf(received));
    if (m_faults.AckDelayMs <= 0)
        Transmit(*ack);
    else
        QTimer::singleShot(m_faults.AckDelayMs, this, [this, ack] { Transmit(*ack); });
}

void TPrinterLink::SendMessage(std::unique_ptr<TXLMessage> message)
{
    message->CutAtPosition();
    m_sendQueue.push_back(std::move(message));
    if (m_sendQueue.size() == 1)
        SendNextMessage();
}

void TPrinterLink::SendNextMessage()
{
    if (m_currentPacket || m_sendQueue.empty())
        return;
    TXLMessage& head = *m_sendQueue.front();
    head.MessageNo = ++m_messageNo;
    m_packetNo = 0;
    emit MessageStarted(head);
    SendNextPacket();
}

void TPrinterLink::SendNextPacket()
{
    m_currentPacket = std::make_unique<TXLPacket>(0);
    m_currentPacket->MessageNo = m_messageNo;
    m_currentPacket->PacketNo = ++m_packetNo;
    m_morePackets = m_currentPacket->BuildFromMessage(*m_sendQueue.front());
    m_retryCount = 0;
    Transmit(*m_currentPacket);
    m_retryTimer.start(RetryInterval(m_currentPacket->Size()));
}

void TPrinterLink::OnAck(quint8 messageNo, quint8 packetNo)
{
    if (!m_currentPacket || messageNo != m_currentPacket->MessageNo || packetNo != m_currentPacket->PacketNo)
        return;
    m_retryTimer.stop();
    m_currentPacket.reset();
    if (m_morePackets) {
        SendNextPacket();
        return;
    }
    m_sendQueue.pop_front();
    SendNextMessage();
}

void TPrinterLink::OnRetryTimer()
{
    if (!m_currentPacket)
        return;
    if (m_retryCount < MaxResends) {
        ++m_retryCount;
        Transmit(*m_currentPacket);
        m_retryTimer.start();
        return;
    }
    qCDebug(lcSim) << m_name << "gives up message" << m_messageNo;
    m_currentPacket.reset(); // the station does not answer: give the message up
    m_sendQueue.pop_front();
    SendNextMessage();
}

void TPrinterLink::Transmit(const TXLPacket& packet)
{
    if (m_faults.Silent)
        return;
    QByteArray bytes = packet.Stream.Bytes();
    m_faults.MaybeCorrupt(bytes);
    m_writer(m_doublesFF ? XLDoubleFF(bytes) : bytes);
}
