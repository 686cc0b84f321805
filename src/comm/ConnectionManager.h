#pragma once

#include "coder/ForwardingStationViews.h"
#include "comm/MessageSink.h"
#include "comm/NetworkList.h"
#include "comm/SerialList.h"

#include <QList>
#include <QObject>
#include <QTimer>

class TCommChannel;
class TNetChannel;
class TSerialChannel;

// Owns every printer link: one serial channel per COM port present, one network channel per printer
// port that answers discovery. Keeps the printers whose connection was acknowledged, in the order of
// acknowledgement, and designates at most one of them as the selected printer, to which every window
// sends. The "Connections" window is a view of it: it is told the list entries and calls the
// operations below for the operator's clicks.
class TConnectionManager : public QObject, public TMessageSink
{
    Q_OBJECT

public:
    static constexpr int RefreshMs = 30000;

    explicit TConnectionManager(TStationViews& windows, QObject* parent = nullptr,
                                const TDiscoveryAddress& discovery = TDiscoveryAddress::FromSettings());
    ~TConnectionManager() override;

    // Probes the COM ports and starts a discovery, unless another window has disabled the manager;
    // restarts the refresh timer in every case.
    void BuildChannelLists();
    TCommChannel* SelectedChannel() const;
    void SendToSelected(std::unique_ptr<TXLMessage> message) override;
    QString SelectedPrinterName() const;
    void SetSerialChannel(int index, bool online);
    QString GetSerialChannelName(int index) const;

    // Reports from the links and their printers.
    void ConnectAcknowledged(TCommChannel& channel);
    void PrinterDisconnected(TCommChannel& channel);
    void UpdateChannelIcons();
    void RefreshListView();

    // The operator's actions in the "Connections" window.
    void SelectPrinter(TCommChannel* channel);
    void ConnectPrinter(TCommChannel* channel);
    void DisconnectPrinter(TCommChannel* channel);
    void DisconnectAt(int position);
    void DisconnectAll();
    // Closes every link, after giving the disconnect requests under way a short time to go out.
    void ShutdownChannels();

    // A printer named by the operator instead of found: a network printer port (returned while its
    // probe runs, kept when the probe connection opens, released otherwise) or a serial device.
    TNetChannel* AddNetworkPrinter(const QString& host, quint16 port);
    TSerialChannel* AddSerialPrinter(const QString& name, int portNumber, const QString& device = {});

    // Windows that work with the selected printer disable the manager meanwhile.
    void SetEnabled(bool enabled);
    bool IsEnabled() const { return m_enabled; }

    const TSerialList& SerialList() const { return m_serialList; }
    TNetworkList& NetworkList() { return *m_networkList; }
    const QList<TCommChannel*>& ConnectedList() const { return m_connected; }
    int SelectedIndex() const { return m_selectedIndex; }
    const QList<TConnectionEntry>& Entries() const { return m_entries; }
    const QTimer& RefreshTimer() const { return m_refreshTimer; }

    // For the two lists: windows, new channels, and channels taken off a list. A channel taken off is
    // closed, and released once nothing refers to it any more.
    TStationViews& Windows() { return m_windows; }
    TSerialChannel* CreateSerialChannel(const QString& name, int portNumber);
    TNetChannel* CreateNetChannel(const QString& host, quint16 port);
    void Retire(TCommChannel* channel);

private:
    // The views the channels and their coders talk to: the manager's own reports are taken here,
    // everything else goes to the windows.
    class TChannelViews : public TForwardingStationViews
    {
    public:
        TChannelViews(TConnectionManager& manager, TStationViews& windows)
            : TForwardingStationViews(windows), m_manager(manager)
        {}
        void UpdateChannelIcons() override { m_manager.UpdateChannelIcons(); }
        void ConnectAcknowledged(TCommChannel& channel) override { m_manager.ConnectAcknowledged(channel); }
        void PrinterDisconnected(TCommChannel& channel) override { m_manager.PrinterDisconnected(channel); }
        void RefreshListView() override { m_manager.RefreshListView(); }

    private:
        TConnectionManager& m_manager;
    };

    bool IsListed(const TCommChannel* channel) const;
    bool HasEntry(const TCommChannel* channel) const;
    void RemoveFromConnected(int position);
    void PruneConnected();
    void ReleaseRetired();

    TStationViews& m_windows;
    TChannelViews m_channelViews;
    TSerialList m_serialList;
    TNetworkList* m_networkList; // a child
    QList<TCommChannel*> m_connected;
    int m_selectedIndex = -1;
    QList<TConnectionEntry> m_entries;
    QList<TCommChannel*> m_retired;
    QTimer m_refreshTimer;
    bool m_enabled = true;
    bool m_shuttingDown = false;
};
