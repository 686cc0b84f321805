#include "station/NetworkList.h"

#include "station/ConnectionManager.h"
#include "comm/NetChannel.h"
#include "platform/Logging.h"
#include "station/Reconnection.h"
#include "platform/SettingsStore.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QNetworkProxy>
#include <QPointer>
#include <QUdpSocket>

namespace {
const QByteArray DiscoveryRequest("\x00\x00\x00\xF8", 4);
const QByteArray DiscoveryReplyHead("\x00\x00\x00\xF9", 4);
} // namespace

TDiscoveryAddress TDiscoveryAddress::FromSettings()
{
    TDiscoveryAddress address;
    const QString text = SettingsStore::Value(QLatin1String(SettingsStore::DiscoveryAddress),
                                              QStringLiteral("255.255.255.255"))
                             .toString();
    address.Address = QHostAddress(text);
    address.Port = quint16(SettingsStore::Value(QLatin1String(SettingsStore::DiscoveryPort), 30718).toUInt());
    address.LocalPort =
        quint16(SettingsStore::Value(QLatin1String(SettingsStore::DiscoveryLocalPort), 30718).toUInt());
    return address;
}

TDiscoveryAddress TDiscoveryAddress::NothingToFind()
{
    TDiscoveryAddress address;
    address.Address = QHostAddress(QHostAddress::LocalHost);
    address.Port = 9;
    address.LocalPort = 0;
    return address;
}

bool TNetworkList::PcIsOnline(const TDiscoveryAddress& address)
{
    if (address.Address.isLoopback())
        return true;
    const QList<QHostAddress> addresses = QNetworkInterface::allAddresses();
    return std::any_of(addresses.begin(), addresses.end(), [](const QHostAddress& local) {
        return local.protocol() == QAbstractSocket::IPv4Protocol && !local.isLoopback();
    });
}

TNetworkList::TNetworkList(TConnectionManager& manager, const TDiscoveryAddress& address)
    : QObject(&manager), m_manager(manager), m_address(address)
{
    m_collectTimer.setSingleShot(true);
    // A coarse timer may end the collection up to 5 % early, and drop a printer that did answer.
    m_collectTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_collectTimer, &QTimer::timeout, this, &TNetworkList::OnCollectTimer);
    // Whether the PC is on a network is asked once: without it no listener exists and discoveries
    // find nothing during the whole run.
    if (PcIsOnline(m_address)) {
        m_listener = new QUdpSocket(this);
        m_listener->setProxy(QNetworkProxy::NoProxy);
        connect(m_listener, &QUdpSocket::readyRead, this, &TNetworkList::ReadDatagrams);
    }
}

quint16 TNetworkList::LocalPort() const
{
    return m_listener ? m_listener->localPort() : 0;
}

int TNetworkList::IndexOf(const QString& name) const
{
    for (int i = 0; i < m_channels.size(); ++i)
        if (m_channels[i]->Name() == name)
            return i;
    return -1;
}

void TNetworkList::BuildList()
{
    m_foundNames.clear();
    m_probesStarted = 0;
    m_collectTimer.start(m_collectMs); // replies are collected from now on; they do not extend the time
    if (m_listener && !SendRequest())
        m_manager.Views().Connections.ShowNoEthernetConnection();
}

bool TNetworkList::SendRequest()
{
    if (m_listener->state() != QAbstractSocket::BoundState &&
        !m_listener->bind(QHostAddress::AnyIPv4, m_address.LocalPort,
                          QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        qCWarning(lcDiscovery) << "cannot listen on port" << m_address.LocalPort << m_listener->errorString();
        return false;
    }
    const qint64 sent = m_listener->writeDatagram(DiscoveryRequest, m_address.Address, m_address.Port);
    qCDebug(lcDiscovery) << "discovery request to" << m_address.Address << m_address.Port << "sent:" << sent;
    return sent == DiscoveryRequest.size();
}

void TNetworkList::ReadDatagrams()
{
    while (m_listener->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_listener->receiveDatagram();
        OnDiscoveryReply(datagram.data(), datagram.senderAddress());
    }
}

// A reply names two TCP ports of the printer, each low byte first. Replies too short to hold both
// are not discovery replies.
void TNetworkList::OnDiscoveryReply(const QByteArray& datagram, const QHostAddress& sender)
{
    if (datagram.size() < ReplySize || !datagram.startsWith(DiscoveryReplyHead))
        return;
    auto portAt = [&datagram](int offset) {
        return quint16(quint8(datagram[offset]) | (quint8(datagram[offset + 1]) << 8));
    };
    bool isIPv4 = false;
    const QHostAddress host(sender.toIPv4Address(&isIPv4));
    const QHostAddress printer = isIPv4 ? host : sender;
    TakePort(portAt(24), printer);
    TakePort(portAt(72), printer);
}

// A reply names ports; any host can send one, as often as it likes. A port already listed or being
// probed counts as found; a new one is probed, up to MaxProbesPerDiscovery in one discovery. A listed
// printer whose link left a message unanswered is asked too: a connection that died while the
// printer restarted shows itself lost at once (the printer refuses it), and the printer that answers
// again is not dropped for a message of its old link.
void TNetworkList::TakePort(quint16 port, const QHostAddress& sender)
{
    if (port == 0)
        return; // no printer listens there
    const QString host = sender.toString();
    const QString name = TNetChannel::NameFor(host, port);
    const int index = IndexOf(name);
    if (index >= 0) {
        m_foundNames.append(name);
        if (!m_channels[index]->IsConnected() || m_channels[index]->Unanswered())
            m_channels[index]->RequestStatus();
        return;
    }
    if (!IsProbing(name)) {
        if (m_probesStarted >= MaxProbesPerDiscovery) {
            qCDebug(lcDiscovery) << "ignores" << name << "- this discovery has probed" << m_probesStarted
                                 << "ports";
            return;
        }
        ++m_probesStarted;
        Add(host, port);
    }
    m_foundNames.append(name);
}

bool TNetworkList::IsProbing(const QString& name) const
{
    return std::any_of(m_probes.begin(), m_probes.end(),
                       [&name](const TNetChannel* channel) { return channel->Name() == name; });
}

TNetChannel* TNetworkList::Add(const QString& host, quint16 port)
{
    TNetChannel* channel = m_manager.CreateNetChannel(host, port);
    m_probes.append(channel);
    connect(channel, &TNetChannel::ProbeFinished, this, [this, channel] { OnProbeFinished(channel); });
    if (!channel->IsProbing())
        OnProbeFinished(channel); // decided already
    return channel;
}

void TNetworkList::OnProbeFinished(TNetChannel* channel)
{
    if (!m_probes.removeOne(channel))
        return;
    // A printer the station keeps is listed also while nothing answers at its address.
    if (channel->Probed() || m_manager.Reconnection().Keeps(*channel))
        m_channels.append(channel);
    else
        m_manager.Retire(channel);
}

// A printer the station keeps is never dropped. Connected, it is lost once it leaves a message
// unanswered; not found, it is asked for its status meanwhile, so that a printer that went without
// closing its connection shows itself silent by the next discovery. Not connected, it is being
// connected again.
void TNetworkList::OnCollectTimer()
{
    m_collectTimer.stop();
    QList<QPointer<TNetChannel>> silent;
    for (int i = int(m_channels.size()) - 1; i >= 0; --i) {
        TNetChannel* channel = m_channels[i];
        const bool found = m_foundNames.contains(channel->Name());
        if (!channel->Unanswered() && found)
            continue;
        if (m_manager.Reconnection().Keeps(*channel)) {
            if (!m_manager.ConnectedList().contains(channel))
                continue;
            if (channel->Unanswered())
                silent.append(channel);
            else
                channel->RequestStatus();
            continue;
        }
        qCDebug(lcDiscovery) << "drops" << channel->Name();
        m_channels.removeAt(i);
        m_manager.Retire(channel);
    }
    m_manager.RefreshListView();
    for (const QPointer<TNetChannel>& channel : silent)
        if (channel)
            m_manager.PrinterSilent(*channel);
}
