#include "comm/ConnectionManager.h"

#include "comm/LinkShutdown.h"
#include "comm/NetChannel.h"
#include "comm/SerialChannel.h"

#include <QCoreApplication>

TConnectionManager::TConnectionManager(TStationViews& windows, QObject* parent,
                                       const TDiscoveryAddress& discovery)
    : QObject(parent), m_windows(windows), m_channelViews(*this, windows), m_serialList(*this),
      m_networkList(new TNetworkList(*this, discovery))
{
    m_refreshTimer.setSingleShot(true);
    connect(&m_refreshTimer, &QTimer::timeout, this, &TConnectionManager::BuildChannelLists);
}

// The channels go first: they may still report to the views, which live in this object.
TConnectionManager::~TConnectionManager()
{
    m_refreshTimer.stop();
    qDeleteAll(m_networkList->Probes());
    qDeleteAll(m_retired);
    qDeleteAll(m_serialList.Channels());
    qDeleteAll(m_networkList->Channels());
}

TSerialChannel* TConnectionManager::CreateSerialChannel(const QString& name, int portNumber)
{
    return new TSerialChannel(name, portNumber, m_channelViews, this);
}

TNetChannel* TConnectionManager::CreateNetChannel(const QString& host, quint16 port)
{
    return new TNetChannel(host, port, m_channelViews, this);
}

TNetChannel* TConnectionManager::AddNetworkPrinter(const QString& host, quint16 port)
{
    return m_networkList->Add(host, port);
}

TSerialChannel* TConnectionManager::AddSerialPrinter(const QString& name, int portNumber,
                                                     const QString& device)
{
    auto* channel = new TSerialChannel(name, portNumber, m_channelViews, this, device);
    m_serialList.Insert(channel);
    return channel;
}

void TConnectionManager::Retire(TCommChannel* channel)
{
    channel->Close();
    m_retired.append(channel);
}

// Released only when neither the connected printers nor the list view refer to a channel any more,
// and never while one of its messages is being handled (an operator request may be waiting).
void TConnectionManager::ReleaseRetired()
{
    for (int i = int(m_retired.size()) - 1; i >= 0; --i) {
        TCommChannel* channel = m_retired[i];
        if (m_connected.contains(channel) || HasEntry(channel) || channel->IsHandlingMessage())
            continue;
        m_retired.removeAt(i);
        channel->deleteLater();
    }
}

bool TConnectionManager::IsListed(const TCommChannel* channel) const
{
    return m_serialList.Channels().contains(channel) || m_networkList->Channels().contains(channel);
}

bool TConnectionManager::HasEntry(const TCommChannel* channel) const
{
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [channel](const TConnectionEntry& entry) { return entry.Channel == channel; });
}

void TConnectionManager::BuildChannelLists()
{
    if (m_enabled) {
        m_refreshTimer.stop();
        m_serialList.BuildList();
        m_networkList->BuildList();
    }
    m_refreshTimer.start(RefreshMs);
}

TCommChannel* TConnectionManager::SelectedChannel() const
{
    return m_connected.value(m_selectedIndex, nullptr);
}

void TConnectionManager::SendToSelected(std::unique_ptr<TXLMessage> message)
{
    if (TCommChannel* channel = SelectedChannel())
        channel->QueueMessage(std::move(message));
}

QString TConnectionManager::SelectedPrinterName() const
{
    const TCommChannel* channel = SelectedChannel();
    return channel ? channel->Coder().PrinterName : QString();
}

void TConnectionManager::SetSerialChannel(int index, bool online)
{
    TSerialChannel* channel = m_serialList.At(index);
    if (channel && channel->IsOnline() != online)
        channel->SetOnline(online);
}

QString TConnectionManager::GetSerialChannelName(int index) const
{
    const TSerialChannel* channel = m_serialList.At(index);
    return channel ? channel->Name() : QString();
}

void TConnectionManager::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    m_windows.SetConnectionManagerEnabled(enabled);
}

// The newly connected printer always becomes the selected one.
void TConnectionManager::ConnectAcknowledged(TCommChannel& channel)
{
    if (m_connected.contains(&channel) || !IsListed(&channel))
        return;
    m_connected.append(&channel);
    if (TCommChannel* previous = SelectedChannel())
        previous->SetSelected(false);
    m_selectedIndex = int(m_connected.size()) - 1;
    m_windows.UpdateForm(channel.Coder());
    UpdateChannelIcons();
}

void TConnectionManager::RemoveFromConnected(int position)
{
    m_connected.removeAt(position);
    if (position < m_selectedIndex)
        --m_selectedIndex;
}

// The printer itself ended the connection.
void TConnectionManager::PrinterDisconnected(TCommChannel& channel)
{
    const int position = int(m_connected.indexOf(&channel));
    if (position < 0)
        return;
    m_windows.ShowMessage(QCoreApplication::translate("TConnectionManager", "%1 MANUALLY DISCONNECTED!")
                              .arg(channel.Coder().PrinterName));
    channel.Abort();
    const bool wasSelected = position == m_selectedIndex;
    RemoveFromConnected(position);
    if (!wasSelected)
        return;
    m_windows.HideImageTransfer();
    m_windows.HideImageDelete();
    m_windows.HideParameters();
    m_windows.HidePrintWindow();
    m_windows.CloseOperatorRequests();
    m_windows.ShowDisconnected();
    if (m_selectedIndex >= m_connected.size())
        m_selectedIndex = int(m_connected.size()) - 1;
    if (TCommChannel* next = SelectedChannel())
        next->SetSelected(true);
    SetEnabled(true);
}

void TConnectionManager::UpdateChannelIcons()
{
    for (TConnectionEntry& entry : m_entries) {
        entry.Caption = entry.Channel->Coder().DisplayName();
        entry.Icon = entry.Channel->IsConnected() ? entry.Channel->Coder().StatusIcon() : 4;
    }
    m_windows.ShowConnectionEntries(m_entries);
}

void TConnectionManager::RefreshListView()
{
    m_entries.removeIf([this](const TConnectionEntry& entry) { return !IsListed(entry.Channel); });
    for (TSerialChannel* channel : m_serialList.Channels()) {
        if (!channel->IsOnline())
            m_entries.removeIf([channel](const TConnectionEntry& entry) { return entry.Channel == channel; });
        else if (!HasEntry(channel))
            m_entries.append({channel, channel->Coder().DisplayName(), 4});
    }
    for (TNetChannel* channel : m_networkList->Channels())
        if (!HasEntry(channel))
            m_entries.append({channel, channel->Coder().DisplayName(), 4});
    UpdateChannelIcons();
    PruneConnected();
    ReleaseRetired();
}

// Connected printers whose channel has left both lists are dropped; if the selected one goes, the
// last remaining connected printer becomes selected.
void TConnectionManager::PruneConnected()
{
    bool selectedRemoved = false;
    for (int position = int(m_connected.size()) - 1; position >= 0; --position) {
        if (IsListed(m_connected[position]))
            continue;
        if (position == m_selectedIndex) {
            m_windows.ShowDisconnected();
            selectedRemoved = true;
        }
        RemoveFromConnected(position);
    }
    if (!selectedRemoved)
        return;
    m_selectedIndex = int(m_connected.size()) - 1;
    if (TCommChannel* next = SelectedChannel())
        next->SetSelected(true);
}

void TConnectionManager::SelectPrinter(TCommChannel* channel)
{
    const int position = int(m_connected.indexOf(channel));
    if (position < 0 || position == m_selectedIndex)
        return;
    if (TCommChannel* previous = SelectedChannel())
        previous->SetSelected(false);
    m_selectedIndex = position;
    channel->SetSelected(true);
}

void TConnectionManager::ConnectPrinter(TCommChannel* channel)
{
    if (!channel || !IsListed(channel))
        return;
    SetEnabled(false);
    if (!channel->IsConnected())
        channel->Connect();
    SetEnabled(true);
}

void TConnectionManager::DisconnectPrinter(TCommChannel* channel)
{
    SetEnabled(false);
    const int position = int(m_connected.indexOf(channel));
    if (position >= 0)
        DisconnectAt(position);
    SetEnabled(true);
}

// Disconnecting the selected printer selects the one that followed it, or the last one.
void TConnectionManager::DisconnectAt(int position)
{
    if (position < 0 || position >= m_connected.size())
        return;
    m_windows.ShowDisconnected();
    m_connected[position]->SendDisconnect();
    RemoveFromConnected(position);
    if (m_selectedIndex >= m_connected.size())
        m_selectedIndex = int(m_connected.size()) - 1;
    if (TCommChannel* selected = SelectedChannel())
        selected->SetSelected(true);
}

void TConnectionManager::DisconnectAll()
{
    for (int position = int(m_connected.size()) - 1; position >= 0; --position)
        DisconnectAt(position);
}

void TConnectionManager::ShutdownChannels()
{
    m_refreshTimer.stop();
    if (m_shuttingDown)
        return; // called again while the links get their time
    m_shuttingDown = true;
    QList<TCommChannel*> channels(m_networkList->Channels().begin(), m_networkList->Channels().end());
    channels.append(QList<TCommChannel*>(m_serialList.Channels().begin(), m_serialList.Channels().end()));
    LinkShutdown::AwaitDisconnectRequests(channels);
    m_shuttingDown = false;
    for (TNetChannel* channel : QList<TNetChannel*>(m_networkList->Probes()))
        channel->Close(); // ends its probe: it is released
    for (TNetChannel* channel : m_networkList->Channels())
        channel->Close();
    for (TSerialChannel* channel : m_serialList.Channels())
        channel->Close();
    m_connected.clear();
    m_selectedIndex = -1;
    m_entries.clear();
    m_windows.ShowConnectionEntries(m_entries);
}
