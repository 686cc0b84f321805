#include "comm/NetChannel.h"

QString TNetChannel::NameFor(const QString& host, quint16 port)
{
    return host + QLatin1String(" Port ") + QString::number(port);
}

TNetChannel::TNetChannel(const QString& host, quint16 port, const TLinkPeerFactory& makePeer,
                         QObject* parent)
    : TCommChannel(NameFor(host, port), port, makePeer, parent), m_host(host), m_client(new TXLClient(*this))
{
    SetOnline(true);
    // The probe connection is closed again when this first runs out.
    m_linkTimer.setSingleShot(true);
    connect(&m_linkTimer, &QTimer::timeout, this, &TNetChannel::OnLinkLost);
    m_linkTimer.start(ProbeLinkMs);

    m_client->SetHost(host);
    m_client->SetPort(port);
    m_probeTimer.setSingleShot(true);
    connect(&m_probeTimer, &QTimer::timeout, this, &TNetChannel::OnProbeTimeout);
    m_probeTimer.start(ProbeTimeoutMs);
    m_client->ConnectInBackground([this] { OnProbeConnected(); });
}

void TNetChannel::OnProbeConnected()
{
    m_probeTimer.stop();
    m_probed = true;
    SendWake();
    RequestStatus();
    emit ProbeFinished();
}

void TNetChannel::OnProbeTimeout()
{
    m_client->Disconnect();
    emit ProbeFinished();
}

TNetChannel::~TNetChannel()
{
    m_probeTimer.stop();
    m_linkTimer.stop();
    StopRetryTimer();
    m_client->Disconnect();
}

void TNetChannel::SendPacket(const TXLPacket& packet)
{
    const QByteArray& bytes = packet.Stream.Bytes();
    m_client->Write(XLPortDoublesFF(Port()) ? XLDoubleFF(bytes) : bytes);
}

void TNetChannel::ConnectionLost()
{
    m_linkTimer.start(LinkLostMs);
}

void TNetChannel::OnLinkLost()
{
    TCommChannel::ConnectionLost();
}

// Opening the connection does not wait: the operator's window stays responsive while a printer that
// is gone takes its time to refuse. The connect request is queued once the connection is open.
void TNetChannel::Connect()
{
    if (m_client->IsOpen() || m_client->IsConnecting())
        return;
    m_client->SetHost(m_host);
    m_client->SetPort(Port());
    m_client->ConnectInBackground(
        [this] {
            ResetReceiveState();
            TCommChannel::Connect();
        },
        [this] { emit ConnectFailed(); });
}

void TNetChannel::Close()
{
    StopRetryTimer();
    m_linkTimer.stop();
    const bool wasProbing = IsProbing();
    m_probeTimer.stop();
    m_client->Disconnect();
    TCommChannel::Close();
    if (wasProbing)
        emit ProbeFinished();
}

void TNetChannel::RequestStatus()
{
    if (m_client->IsOpen())
        TCommChannel::RequestStatus();
}
