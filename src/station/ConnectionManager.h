#pragma once

#include "comm/LinkPeer.h"
#include "comm/MessageSink.h"
#include "station/NetworkList.h"
#include "station/SerialList.h"
#include "station/StationViews.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <optional>

class TCoder;
class TCoderEvents;
class TCommChannel;
class TNetChannel;
class TReconnection;
class TSerialChannel;

// What the properties dialog shows of a printer.
struct TPrinterProperties
{
    QString PrinterName;
    // The model's name and the firmware's version, or "Disconnected" when the printer never said.
    QString FirmwareVersion;
    TLinkAddress Address;
};

// Why a connected printer leaves the station: the operator's "Disconnect", or one of the ways it
// goes without being asked.
enum class TDisconnectCause
{
    Operator,        // "Disconnect", "Disconnect all", the end of a command
    EndedConnection, // the printer said that it ends the connection
    LinkLost,        // its link broke (a TCP connection the printer closed or reset)
    WentOffline,     // its COM port was given up
    Dropped,         // discovery dropped it: it did not answer, or left a message unanswered
    Station,         // the station closed its links while the printer was still connected
};

// Which of the "Connections" window's commands do something for a printer.
struct TConnectionCommands
{
    bool Connect = false;    // the printer's link is not connected
    bool Disconnect = false; // the printer is one of the connected printers
    bool Properties = false; // the printer is listed

    bool operator==(const TConnectionCommands&) const = default;
};

// Owns every printer link: one serial channel per COM port present, one network channel per printer
// port that answers discovery. Keeps the printers whose connection was acknowledged, in the order of
// acknowledgement, and designates at most one of them as the selected printer, to which every window
// sends. The "Connections" window is a view of it: it is told each change of the list and calls the
// operations below, naming a printer by its channel's id, for the operator's clicks.
//
// Every call into a view may wait for the operator, in which printers go on talking: the manager
// finishes its own changes before it calls out, and looks again afterwards.
class TConnectionManager : public QObject, public TMessageSink
{
    Q_OBJECT

public:
    static constexpr int RefreshMs = 30000;

    TConnectionManager(const TStationViews& views, TCoderEvents& coderEvents,
                       const TDiscoveryAddress& discovery = TDiscoveryAddress::FromSettings(),
                       QObject* parent = nullptr);
    ~TConnectionManager() override;

    // Probes the COM ports and starts a discovery, unless another window has disabled the manager;
    // restarts the refresh timer in every case.
    void BuildChannelLists();
    TCommChannel* SelectedChannel() const;
    void SendToSelected(std::unique_ptr<TXLMessage> message) override;
    QString SelectedPrinterName() const;
    void SetSerialChannel(int index, bool online);
    QString GetSerialChannelName(int index) const;

    // Reports from the printers.
    void ConnectAcknowledged(TCommChannel& channel);
    // The one way every connected printer goes that the operator did not disconnect: it leaves the
    // connected printers, its link is closed, its operator requests close unanswered, and when it was
    // the selected one the windows that work with it hide and another printer is selected. The
    // operator is told unless the operator gave up its port. A printer that is not connected
    // (a probe, a link already disconnected) changes nothing here.
    void PrinterLost(TCommChannel& channel, TDisconnectCause cause);
    // The printer itself ended the connection.
    void PrinterDisconnected(TCommChannel& channel) { PrinterLost(channel, TDisconnectCause::EndedConnection); }
    // A connected printer leaves the station's messages unanswered: its link is closed, and it is
    // lost as one that discovery drops.
    void PrinterSilent(TCommChannel& channel);
    // What the message window says when a printer ends its connection.
    static QString DisconnectNoticeText(const QString& printerName);
    void UpdateChannelIcons();
    // A printer's report changes its own entry only.
    void UpdateChannelIcon(const TCommChannel& channel);
    void RefreshListView();

    // The operator's actions in the "Connections" window.
    void SelectPrinter(quint64 id);
    void ConnectPrinter(quint64 id);
    void DisconnectPrinter(quint64 id);
    std::optional<TPrinterProperties> PropertiesOf(quint64 id) const;
    TConnectionCommands CommandsFor(quint64 id) const;
    void DisconnectAt(int position);
    void DisconnectAll();
    // Closes every link, after giving the disconnect requests under way a short time to go out.
    void ShutdownChannels();

    // A printer named by the operator instead of found: a network printer port (returned while its
    // probe runs, kept when the probe connection opens, released otherwise) or a serial device.
    TNetChannel* AddNetworkPrinter(const QString& host, quint16 port);
    TSerialChannel* AddSerialPrinter(const QString& name, int portNumber, const QString& device = {});

    // Windows that work with the selected printer disable the "Connections" window meanwhile, each
    // under its own name (itself): the window is enabled again once every window that disabled it
    // has enabled it again, whatever the order. A disabled manager does not rebuild its lists.
    void SetEnabled(const void* window, bool enabled);
    bool IsEnabled() const { return m_disabledBy.isEmpty(); }

    const TSerialList& SerialList() const { return m_serialList; }
    TNetworkList& NetworkList() { return *m_networkList; }
    const QList<TCommChannel*>& ConnectedList() const { return m_connected; }
    int SelectedIndex() const { return m_selectedIndex; }
    const QList<TConnectionEntry>& Entries() const { return m_entries; }
    const QTimer& RefreshTimer() const { return m_refreshTimer; }
    // The printers the station keeps connected, and those it connects again.
    TReconnection& Reconnection() { return *m_reconnection; }
    const TReconnection& Reconnection() const { return *m_reconnection; }
    // The listed channel with that id, or null.
    TCommChannel* FindChannel(quint64 id) const;

    // For the two lists: the views, new channels, and channels taken off a list. A channel taken off
    // is closed, and released once nothing refers to it and none of its calls is on the stack.
    const TStationViews& Views() const { return m_views; }
    TSerialChannel* CreateSerialChannel(const QString& name, int portNumber, const QString& device = {});
    TNetChannel* CreateNetChannel(const QString& host, quint16 port);
    void Retire(TCommChannel* channel);

signals:
    // The selected printer is another one, or none. Emitted once the manager's own state is final:
    // what it sets off may wait for the operator.
    void SelectionChanged();
    // A connected printer leaves the station, whatever the cause; emitted before anything else is done.
    void Disconnecting(TCommChannel& channel, TDisconnectCause cause);
    // The "Connections" window was told that a printer's entry came, changed or went.
    void EntryAdded(quint64 id);
    void EntryChanged(quint64 id);
    void EntryRemoved(quint64 id);

private:
    void Watch(TCommChannel* channel);
    bool IsListed(const TCommChannel* channel) const;
    bool HasEntry(quint64 id) const;
    TConnectionEntry EntryFor(const TCommChannel& channel) const;
    void RemoveFromConnected(int position);
    void SelectAgain(TCommChannel* previous);
    void PruneConnected();
    void ShowLoss(const TCoder& coder, TDisconnectCause cause);
    void ReleaseRetired();
    void TellEntryChanged(const TConnectionEntry& entry);
    void TellEntryRemoved(quint64 id);

    const TStationViews m_views;
    TCoderEvents& m_coderEvents;
    TSerialList m_serialList;
    TNetworkList* m_networkList; // a child
    TReconnection* m_reconnection; // a child
    QList<TCommChannel*> m_connected;
    int m_selectedIndex = -1;
    QList<TConnectionEntry> m_entries;
    QList<TCommChannel*> m_retired;
    QTimer m_refreshTimer;
    QSet<const void*> m_disabledBy;
    bool m_shuttingDown = false;
};
