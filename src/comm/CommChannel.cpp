#include "comm/CommChannel.h"

#include "platform/Logging.h"

#include <atomic>

namespace {
int RetryInterval(qsizetype bytes)
{
    return int(bytes * 100 / 96) + 250;
}

quint64 NextChannelId()
{
    static std::atomic<quint64> lastId = 0;
    return ++lastId;
}
} // namespace

TCommChannel::TCallScope::TCallScope(TCommChannel& channel) : m_channel(channel)
{
    ++m_channel.m_callDepth;
}

TCommChannel::TCallScope::~TCallScope()
{
    if (--m_channel.m_callDepth == 0)
        emit m_channel.CallsReturned();
}

TCommChannel::TCommChannel(const QString& name, quint16 port, const TLinkPeerFactory& makePeer,
                           QObject* parent)
    : QObject(parent), m_id(NextChannelId()), m_name(name), m_port(port), m_peer(makePeer(*this))
{
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &TCommChannel::OnRetryTimer);
}

TCommChannel::~TCommChannel()
{
    Q_ASSERT_X(!IsInUse(), "~TCommChannel", "destroyed while one of its calls is on the stack");
    m_retryTimer.stop();
    m_sendQueue.clear();
    TCommChannel::Close();
}

void TCommChannel::SendPacket(const TXLPacket&) {}

void TCommChannel::ConnectionLost()
{
    const TCallScope scope(*this);
    m_peer->SetConnected(false);
    Close();
    emit LinkLost();
}

// Sending held for a printer on an earlier link (it was generating an image or writing its flash
// when it went) must not hold the connect request of this one.
void TCommChannel::Connect()
{
    m_disconnectWhenIdle = false;
    m_peer->SetBusy(false);
    if (m_selectsOnConnect)
        m_peer->SetSelected(true);
    m_selectsOnConnect = true;
    m_connectRequested = true;
    QueueMessage(std::make_unique<TXLMessage>(XLSend::ConnectRequest));
}

// Everything the link held goes with it. What is queued is dropped: a packet awaiting
// acknowledgement would otherwise hold the queue of the next link forever, and old commands must
// not reach the printer when the operator connects again later. A hold on sending waited for a
// packet of this link, which will not come; a message half received will not be completed.
void TCommChannel::Close()
{
    ClearSendQueue();
    m_peer->SetSelected(false);
    m_peer->SetConnected(false);
    m_peer->SetBusy(false);
    m_joiner.Reset();
    m_disconnectWhenIdle = false;
    m_connectRequested = false;
    m_selectsOnConnect = true;
    m_unanswered = !m_answeredBefore;
    ++m_linkSerial;
}

void TCommChannel::Reconnect()
{
    m_selectsOnConnect = false;
    Connect();
}

void TCommChannel::RequestStatus()
{
    QueueMessage(std::make_unique<TXLMessage>(XLSend::RequestStatus));
}

void TCommChannel::QueueMessage(std::unique_ptr<TXLMessage> message)
{
    const TCallScope scope(*this);
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
    const TCallScope scope(*this);
    m_peer->SetSelected(selected);
    if (selected)
        m_peer->Refresh();
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
    if (m_peer->IsBusy() || m_currentPacket)
        return;
    if (m_sendQueue.empty()) {
        if (m_disconnectWhenIdle)
            ConnectionLost();
        return;
    }
    TXLMessage& head = *m_sendQueue.front();
    ++m_messageSerial;
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
    const TCallScope scope(*this);
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
    ++m_messageSerial;
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
    m_answeredBefore = true;
    m_retryTimer.stop();
    // The acknowledged packet stays current while the printer's state takes the acknowledgement: it
    // may wait for the operator, and nothing may start the head message again meanwhile.
    const quint64 message = m_messageSerial;
    emit PacketAcknowledged();
    if (message == m_messageSerial)
        m_peer->PacketAcknowledged(*m_sendQueue.front(), !m_morePackets);
    if (message != m_messageSerial)
        return; // the link was closed or its queue emptied meanwhile
    m_currentPacket.reset();
    if (m_morePackets) {
        TXLMessage& head = *m_sendQueue.front();
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
    m_sendQueue.pop_front();
    ++m_messageSerial;
    SendNextMessage();
}

void TCommChannel::ClearSendQueue()
{
    ++m_messageSerial;
    m_retryTimer.stop();
    m_currentPacket.reset();
    m_sendQueue.clear();
}

void TCommChannel::OnPacketReceived(std::unique_ptr<TXLPacket> packet)
{
    const TCallScope scope(*this);
    if (packet->IsAcknowledgement()) {
        OnAckReceived(packet->MessageNo, packet->PacketNo);
        return;
    }
    SendAck(*packet); // also for a repeat: its first acknowledgement may have been lost
    if (m_peer->IsBusy()) {
        m_peer->SetBusy(false);
        SendNextMessage();
    }
    if (m_joiner.Take(*packet))
        DeliverReceivedMessage();
}

void TCommChannel::DeliverReceivedMessage()
{
    // A copy: on a serial link the next message may be joined while this one waits for the operator.
    TXLMessage message = m_joiner.Message();
    const bool wasConnected = m_peer->IsConnected();
    const quint64 link = m_linkSerial;
    m_peer->HandleMessage(message);
    if (link != m_linkSerial)
        return; // the link was closed while the message was handled
    // A printer that reports itself disconnected ends the link: nothing queued for it is sent.
    if (wasConnected && !m_peer->IsConnected()) {
        ClearSendQueue();
        emit PrinterEndedConnection();
    }
}
