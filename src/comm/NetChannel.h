#pragma once

#include "comm/CommChannel.h"
#include "comm/XLClient.h"

#include <QTimer>

// The link to a printer over Ethernet: one TCP connection, opened on creation for a short probe (the
// printer's answers fill its coder for the connection list) and again when the operator connects.
// The probe does not wait: its own timer decides that a connection attempt has failed. A connection
// the printer closes is a lost link.
class TNetChannel : public TCommChannel
{
    Q_OBJECT

public:
    static constexpr int ProbeTimeoutMs = 50;
    static constexpr int ProbeLinkMs = 2000;
    static constexpr int LinkLostMs = 20;

    TNetChannel(const QString& host, quint16 port, const TLinkPeerFactory& makePeer, QObject* parent = nullptr);
    ~TNetChannel() override;

    void SendPacket(const TXLPacket& packet) override;
    void ConnectionLost() override;
    void Connect() override;
    void Close() override;
    void RequestStatus() override;
    TLinkAddress Address() const override { return {TLinkAddress::Kind::Network, m_host, Port()}; }

    const QString& Host() const { return m_host; }
    // The TCP connection could be opened when the channel was created.
    bool Probed() const { return m_probed; }
    // The probe's connection attempt is still under way.
    bool IsProbing() const { return m_probeTimer.isActive(); }
    bool IsLinkOpen() const { return m_client->IsOpen(); }
    const QTimer& LinkTimer() const { return m_linkTimer; }

    static QString NameFor(const QString& host, quint16 port);

signals:
    // The probe has ended: the connection opened (Probed) or not, in time or before the channel closed.
    void ProbeFinished();

private:
    void OnLinkLost();
    void OnProbeConnected();
    void OnProbeTimeout();

    QString m_host;
    QTimer m_linkTimer;
    QTimer m_probeTimer;
    TXLClient* m_client; // a child of this channel
    bool m_probed = false;
};
