#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

class QUdpSocket;
class TConnectionManager;
class TNetChannel;

// Where a discovery request goes and where replies come back. Read from the settings store; the
// command-line tool may override them for one run.
struct TDiscoveryAddress
{
    QHostAddress Address = QHostAddress::Broadcast;
    quint16 Port = 30718;
    quint16 LocalPort = 30718;

    static TDiscoveryAddress FromSettings();
    // A discovery that stays on this machine and finds nothing: the request goes to the discard
    // port of loopback, from a free port. For programs and tests that name their printers.
    static TDiscoveryAddress NothingToFind();
};

// The network printers: one channel per printer port that answered the UDP discovery, found by a
// broadcast whose replies are collected for three seconds.
class TNetworkList : public QObject
{
    Q_OBJECT

public:
    static constexpr int CollectMs = 3000;
    static constexpr qsizetype ReplySize = 74; // up to and including port B
    // New printer ports probed at most in one discovery: plenty for a production line, and a host
    // that floods the station with replies cannot make it open connections without end.
    static constexpr int MaxProbesPerDiscovery = 64;

    TNetworkList(TConnectionManager& manager, const TDiscoveryAddress& address);

    // How long a discovery collects replies; 3 s unless a tool chooses otherwise.
    void SetCollectMs(int ms) { m_collectMs = ms; }

    // One discovery: sends the request and starts collecting the replies.
    void BuildList();
    // A datagram from the discovery socket; public so that it can be fed directly.
    void OnDiscoveryReply(const QByteArray& datagram, const QHostAddress& sender);
    // The end of a discovery: channels that did not answer, or whose printer never acknowledged
    // anything, are dropped.
    void OnCollectTimer();

    bool IsListening() const { return m_listener != nullptr; }
    quint16 LocalPort() const;
    int Count() const { return int(m_channels.size()); }
    TNetChannel* At(int index) const { return m_channels.value(index); }
    const QList<TNetChannel*>& Channels() const { return m_channels; }
    int IndexOf(const QString& name) const;
    const QStringList& FoundNames() const { return m_foundNames; }
    const QTimer& CollectTimer() const { return m_collectTimer; }
    // Channels whose probe is still under way; they join the list when it succeeds.
    const QList<TNetChannel*>& Probes() const { return m_probes; }
    // Probes a printer port and keeps its channel like one that answered discovery when the probe
    // succeeds; the channel is released otherwise. Returned while its probe runs. Also for a port
    // named by the operator.
    TNetChannel* Add(const QString& host, quint16 port);

    // Whether the PC has a network address; a loopback discovery address counts as one.
    static bool PcIsOnline(const TDiscoveryAddress& address);

private:
    bool SendRequest();
    void ReadDatagrams();
    void TakePort(quint16 port, const QHostAddress& sender);
    bool IsProbing(const QString& name) const;
    void OnProbeFinished(TNetChannel* channel);

    TConnectionManager& m_manager;
    TDiscoveryAddress m_address;
    QUdpSocket* m_listener = nullptr;
    QTimer m_collectTimer;
    int m_collectMs = CollectMs;
    QStringList m_foundNames;
    QList<TNetChannel*> m_channels;
    QList<TNetChannel*> m_probes;
    int m_probesStarted = 0; // in the current discovery
};
