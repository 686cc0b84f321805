#include "comm/CommChannel.h"

#include "coder/StationViews.h"
#include "platform/Logging.h"

namespace {
int RetryInterval(qsizetype bytes)
{
    return int(bytes * 100 / 96) + 250;
}
} // namespace

TCommChannel::TCommChannel(const QString& name, quint16 port, TStationViews& views, QObject* parent)
    : QObject(parent), m_views(views), m_name(name), m_port(port), m_coder(*this, views)
{
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &TCommChannel::OnRetryTimer);
}

TCommChannel::~TCommChannel()
{
    Q_ASSERT_X(!IsHandlingMessage(), "~TCommChannel", "destroyed while a message handler waits");
    m_retryTimer.stop();
    m_sendQueue.clear();
    TCommChannel::Close();
}

void TCommChannel::SendPacket(const TXLPacket&) {}

void TCommChannel::ConnectionLost()
{
    m_coder.Connected = false;
    Close();
    m_views.UpdateChannelIcons();
}

void TCommChannel::Connect()
{
    m_disconnectWhenIdle = false;
    m_coder.Selected = true;
    QueueMessage(std::make_unique<TXLMessage>(XLSend::ConnectRequest));
}

// What is queued for a link that closes is dropped with it: a packet awaiting acknowledgement would
// otherwise hold the queue of the next link forever, and old commands must not reach the printer
// when the operator connects again later.
void TCommChannel::Close()
{
    ClearSendQueue();
    m_coder.Selected = false;
    m_coder.Connected = false;
    m_disconnectWhenIdle = false;
}

void TCommChannel::RequestStatus()
{
    QueueMessage(std::make_unique<TXLMessage>(XLSend::RequestStatus));
}

void TCommChannel::QueueMessage(std::unique_ptr<TXLMessage> message)
{
    message->CutAtPosition();
    m_sendQueue.push_back(std::move(message));
    if (m_sendQueue.size() == 1)
        SendNextMessage();
}

void TCommChannel::SendDisconnect()
{
    QueueMessage(std::make_unique<TXLMessage>(XLSend::DisconnectRequest));
    m_disconnectWhenIdle = true;
}

void TCommChannel::Abort()
{
    m_retryTimer.stop();
    m_disconnectWhenIdle = true;
    ConnectionLost();
}

void TCommChannel::SendWake()
{
    QueueMessage(std::make_unique<TXLMessage>(XLSend::Wake));
}

void TCommChannel::ResetReceiveState()
{
    m_joiner.Reset();
}

void TCommChannel::SetSelected(bool selected)
{
    m_coder.Selected = selected;
    if (selected)
        m_coder.Refresh();
}

void TCommChannel::StartRetryTimer(qsizetype bytes)
{
    m_retryTimer.start(RetryInterval(bytes));
}

void TCommChannel::SendCurrentPacket(qsizetype timedBytes)
{
    SendPacket(*m_currentPacket);
    StartRetryTimer(timedBytes);
}

void TCommChannel::SendNextMessage()
{
    // A packet still awaiting acknowledgement belongs to the head message, which is being sent;
    // starting it again would send the rest of it under a new number.
    if (m_coder.Busy || m_currentPacket)
        return;
    if (m_sendQueue.empty()) {
        if (m_disconnectWhenIdle)
            ConnectionLost();
        return;
    }
    TXLMessage& head = *m_sendQueue.front();
    m_retryCount = 0;
    ++m_messageNo;
    m_packetNo = 1;
    m_messageFlags = 0; // every message starts at the full packet size
    m_currentPacket = std::make_unique<TXLPacket>(m_messageFlags);
    m_currentPacket->MessageNo = m_messageNo;
    m_currentPacket->PacketNo = m_packetNo;
    m_morePackets = m_currentPacket->BuildFromMessage(head);
    qCDebug(lcComm) << m_name << "sends message" << m_messageNo << Qt::hex << head.Id << head.Sub;
    SendCurrentPacket(head.Size());
}

void TCommChannel::OnRetryTimer()
{
    m_retryTimer.stop();
    if (!m_currentPacket || m_sendQueue.empty())
        return;
    if (m_retryCount < MaxResends) {
        SendPacket(*m_currentPacket);
        m_retryTimer.start();
        ++m_retryCount;
        return;
    }
    TXLMessage& head = *m_sendQueue.front();
    if (m_currentPacket->ShrinkSize(head)) {
        // The message starts again from its first byte, in smaller packets and under a new number.
        // Rebuilding only this packet under its old number would corrupt the message whenever the
        // printer did receive the larger packet and only its acknowledgements were lost: the printer
        // takes the smaller one for a repeat and joins the rest of the message after the larger one.
        // The rest of the message keeps the smaller size: at the full size every later packet would
        // fail again and restart the message once more, for ever.
        m_messageFlags = m_currentPacket->Flags;
        head.SetPosition(0);
        m_currentPacket = std::make_unique<TXLPacket>(m_messageFlags);
        m_currentPacket->MessageNo = ++m_messageNo;
        m_currentPacket->PacketNo = m_packetNo = 1;
        m_morePackets = m_currentPacket->BuildFromMessage(head);
        // The smaller packet goes out at the next expiry and is then resent like any other.
        StartRetryTimer(m_currentPacket->Size());
        m_retryCount = 0;
        return;
    }
    qCDebug(lcComm) << m_name << "gives up message" << m_messageNo;
    m_currentPacket.reset();
    m_sendQueue.pop_front();
    m_unanswered = true;
    SendNextMessage();
}

void TCommChannel::SendAck(const TXLPacket& received)
{
    SendPacket(TXLPacket::AcknowledgementOf(received));
}

void TCommChannel::OnAckReceived(quint8 messageNo, quint8 packetNo)
{
    if (!m_retryTimer.isActive() || !m_currentPacket || messageNo != m_currentPacket->MessageNo ||
        packetNo != m_currentPacket->PacketNo)
        return;
    m_unanswered = false;
    m_retryTimer.stop();
    m_currentPacket.reset();
    emit PacketAcknowledged();
    TXLMessage& head = *m_sendQueue.front();
    if (head.Is(XLSend::ImageData) && m_coder.Selected) {
        m_views.SetTransferProgress(head.Size() > 0 ? int(head.Position() * 100 / head.Size()) : 100);
        if (!m_morePackets)
            m_views.ImageSent();
    }
    if (m_morePackets) {
        m_retryCount = 0; // counts the resends of the packet awaiting acknowledgement
        m_currentPacket = std::make_unique<TXLPacket>(m_messageFlags);
        m_currentPacket->MessageNo = m_messageNo;
        m_currentPacket->PacketNo = ++m_packetNo;
        m_morePackets = m_currentPacket->BuildFromMessage(head);
        SendCurrentPacket(m_currentPacket->Size());
        return;
    }
    FinishHeadMessage();
}

void TCommChannel::FinishHeadMessage()
{
    if (m_sendQueue.front()->Is(XLSend::StartPrint)) {
        // The printer now generates the image; it sends nothing else until it reports.
        m_coder.Busy = true;
        m_views.GeneratingImage();
    }
    m_sendQueue.pop_front();
    SendNextMessage();
}

void TCommChannel::ClearSendQueue()
{
    m_retryTimer.stop();
    m_currentPacket.reset();
    m_sendQueue.clear();
}

void TCommChannel::OnPacketReceived(std::unique_ptr<TXLPacket> packet)
{
    if (packet->IsAcknowledgement()) {
        OnAckReceived(packet->MessageNo, packet->PacketNo);
        return;
    }
    SendAck(*packet); // also for a repeat: its first acknowledgement may have been lost
    if (m_coder.Busy) {
        m_coder.Busy = false;
        SendNextMessage();
    }
    if (m_joiner.Take(*packet))
        DeliverReceivedMessage();
}

void TCommChannel::DeliverReceivedMessage()
{
    const bool wasConnected = m_coder.Connected;
    ++m_handlingDepth;
    m_coder.HandleMessage(m_joiner.Message());
    --m_handlingDepth;
    // A printer that reports itself disconnected ends the link: nothing queued for it is sent.
    if (wasConnected && !m_coder.Connected) {
        ClearSendQueue();
        m_views.PrinterDisconnected(*this);
    }
}
