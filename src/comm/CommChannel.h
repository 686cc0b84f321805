#pragma once

#include "comm/LinkPeer.h"
#include "comm/XLMessage.h"
#include "comm/XLMessageJoiner.h"
#include "comm/XLPackets.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <memory>

// The link to one printer, whatever the medium. It sends the messages of its queue one at a time as
// packets that the printer acknowledges one by one (stop and wait), resends a packet on silence and
// makes packets smaller when resending does not help, acknowledges every data packet it receives,
// joins received packets into messages and hands each complete message to its peer, the printer's
// state. The media are subclasses: they put a packet's bytes on the wire and deliver received packets.
//
// Handing a message or an acknowledgement up may wait for the operator in a nested event loop, in
// which the link may be closed and its queue emptied. The channel checks its state again after each
// such call, and it must not be destroyed while one of its calls is on the stack (IsInUse).
class TCommChannel : public QObject
{
    Q_OBJECT

public:
    // Times a packet is resent before the channel tries a smaller packet size.
    static constexpr int MaxResends = 15;
    // A message being received may grow to this size; beyond it the message is dropped.
    static constexpr qsizetype MaxReceivedMessageSize = TXLMessageJoiner::MaxSize;

    TCommChannel(const QString& name, quint16 port, const TLinkPeerFactory& makePeer,
                 QObject* parent = nullptr);
    ~TCommChannel() override;

    // The medium's part: puts the packet's bytes on the wire. The base sends nothing.
    virtual void SendPacket(const TXLPacket& packet);
    virtual void ConnectionLost();
    virtual bool IsConnected() const { return m_peer->IsConnected(); }
    virtual void SetOnline(bool online) { m_online = online; }
    virtual void Connect();
    virtual void Close();
    // Connects a printer the station has lost again: as Connect, but the printer does not become the
    // one the station shows while it answers; the station decides that once it knows the printer.
    void Reconnect();
    virtual void RequestStatus();
    // Where the printer is reached, for the operator.
    virtual TLinkAddress Address() const { return {TLinkAddress::Kind::Serial, m_name, 0}; }

    // Takes the message (its body up to the current position) and sends it when its turn comes.
    void QueueMessage(std::unique_ptr<TXLMessage> message);
    // Sends what is queued, then a disconnect request, then drops the link.
    void SendDisconnect();
    void Abort();
    void SendWake();
    void SetConnected(bool connected) { m_peer->SetConnected(connected); }
    // Selecting a printer makes its state show itself.
    void SetSelected(bool selected);
    bool IsOnline() const { return m_online; }
    // A disconnect request is queued and not yet acknowledged.
    bool IsSendingDisconnect() const { return m_disconnectWhenIdle && !m_sendQueue.empty(); }

    // Every intact packet from the medium comes in here.
    void OnPacketReceived(std::unique_ptr<TXLPacket> packet);
    // The retry timer's handler; public so that tests can drive the resend sequence.
    void OnRetryTimer();

    // Unique for the run of the program: windows name a channel by it and never hold a pointer.
    quint64 Id() const { return m_id; }
    const QString& Name() const { return m_name; }
    quint16 Port() const { return m_port; }
    TLinkPeer& Peer() { return *m_peer; }
    const TLinkPeer& Peer() const { return *m_peer; }
    // The printer has left a message unanswered on this link (or never answered at all). A link that
    // closes takes its unanswered messages with it: a printer that answered before counts as
    // answering again until a message on its next link goes unanswered.
    bool Unanswered() const { return m_unanswered; }
    // A connect request went out on this link: only then is the printer's connect acknowledgement
    // taken.
    bool ConnectRequested() const { return m_connectRequested; }
    quint8 MessageNo() const { return m_messageNo; }
    const QTimer& RetryTimer() const { return m_retryTimer; }
    int RetryCount() const { return m_retryCount; }
    qsizetype QueuedMessages() const { return qsizetype(m_sendQueue.size()); }
    // True while one of the channel's calls is on the stack (it may be waiting for the operator):
    // the channel must not be destroyed then.
    bool IsInUse() const { return m_callDepth > 0; }

signals:
    // The printer acknowledged the packet that awaited acknowledgement: it is answering.
    void PacketAcknowledged();
    // The link was lost or closed for good.
    void LinkLost();
    // A message from the printer said that it has ended the connection.
    void PrinterEndedConnection();
    // The medium went offline (a COM port given up by the operator).
    void WentOffline();
    // A connection could not be opened: the printer's address refused it or did not answer, or its
    // COM port could not be opened.
    void ConnectFailed();
    // The last of the channel's calls on the stack has returned: it may be released now.
    void CallsReturned();

protected:
    // Marks a call of the channel on the stack for as long as it lives.
    class TCallScope
    {
    public:
        explicit TCallScope(TCommChannel& channel);
        ~TCallScope();
        TCallScope(const TCallScope&) = delete;
        TCallScope& operator=(const TCallScope&) = delete;

    private:
        TCommChannel& m_channel;
    };

    void StopRetryTimer() { m_retryTimer.stop(); }
    // A new link to the printer starts its numbering afresh: its first message is never a repeat
    // of the last one received on an earlier link.
    void ResetReceiveState();

private:
    void SendNextMessage();
    void SendAck(const TXLPacket& received);
    void OnAckReceived(quint8 messageNo, quint8 packetNo);
    void StartRetryTimer(qsizetype bytes);
    void SendCurrentPacket(qsizetype timedBytes);
    void FinishHeadMessage();
    void ClearSendQueue();
    void DeliverReceivedMessage();

    quint64 m_id;
    QString m_name;
    quint16 m_port;
    bool m_online = false;
    std::unique_ptr<TLinkPeer> m_peer;
    QTimer m_retryTimer;
    int m_retryCount = 0;
    std::deque<std::unique_ptr<TXLMessage>> m_sendQueue;
    std::unique_ptr<TXLPacket> m_currentPacket;
    quint8 m_messageNo = 0;
    quint8 m_packetNo = 0;
    quint16 m_messageFlags = 0; // of the packets of the message being sent: its packet size
    bool m_morePackets = false;
    bool m_disconnectWhenIdle = false;
    TXLMessageJoiner m_joiner;
    bool m_unanswered = true;
    bool m_answeredBefore = false; // the printer has acknowledged a packet on some link
    bool m_connectRequested = false;
    bool m_selectsOnConnect = true; // false while a lost printer is connected again
    int m_callDepth = 0;
    // Counts the messages started and the links closed, so that code returning from a call out can
    // tell whether the message it worked on, or the link, is still the same.
    quint64 m_messageSerial = 0;
    quint64 m_linkSerial = 0;
};
