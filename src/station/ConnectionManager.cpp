#include "station/ConnectionManager.h"

#include "coder/Coder.h"
#include "comm/LinkShutdown.h"
#include "comm/NetChannel.h"
#include "comm/SerialChannel.h"
#include "station/Reconnection.h"

#include <QCoreApplication>
#include <QPointer>

TConnectionManager::TConnectionManager(const TStationViews& views, TCoderEvents& coderEvents,
                                       const TDiscoveryAddress& discovery, QObject* parent)
    : QObject(parent), m_views(views), m_coderEvents(coderEvents), m_serialList(*this),
      m_networkList(new TNetworkList(*this, discovery)), m_reconnection(new TReconnection(*this))
{
    connect(m_reconnection, &TReconnection::StateChanged, this, [this](quint64 id) {
        if (const TCommChannel* channel = FindChannel(id))
            UpdateChannelIcon(*channel);
    });
    m_refreshTimer.setSingleShot(true);
    connect(&m_refreshTimer, &QTimer::timeout, this, &TConnectionManager::BuildChannelLists);
}

TConnectionManager::~TConnectionManager()
{
    m_refreshTimer.stop();
    qDeleteAll(m_networkList->Probes());
    qDeleteAll(m_retired);
    qDeleteAll(m_serialList.Channels());
    qDeleteAll(m_networkList->Channels());
}

// Every way a printer goes that the operator did not ask for ends in PrinterLost.
void TConnectionManager::Watch(TCommChannel* channel)
{
    connect(channel, &TCommChannel::LinkLost, this, [this, channel] {
        PrinterLost(*channel, TDisconnectCause::LinkLost);
        UpdateChannelIcons();
    });
    connect(channel, &TCommChannel::PrinterEndedConnection, this,
            [this, channel] { PrinterLost(*channel, TDisconnectCause::EndedConnection); });
    connect(channel, &TCommChannel::WentOffline, this, [this, channel] {
        PrinterLost(*channel, TDisconnectCause::WentOffline);
        RefreshListView();
    });
}

TSerialChannel* TConnectionManager::CreateSerialChannel(const QString& name, int portNumber,
                                                        const QString& device)
{
    auto* channel = new TSerialChannel(name, portNumber, TCoder::Factory(m_coderEvents), this, device);
    Watch(channel);
    return channel;
}

TNetChannel* TConnectionManager::CreateNetChannel(const QString& host, quint16 port)
{
    auto* channel = new TNetChannel(host, port, TCoder::Factory(m_coderEvents), this);
    Watch(channel);
    return channel;
}

TNetChannel* TConnectionManager::AddNetworkPrinter(const QString& host, quint16 port)
{
    return m_networkList->Add(host, port);
}

TSerialChannel* TConnectionManager::AddSerialPrinter(const QString& name, int portNumber,
                                                     const QString& device)
{
    TSerialChannel* channel = CreateSerialChannel(name, portNumber, device);
    m_serialList.Insert(channel);
    return channel;
}

void TConnectionManager::Retire(TCommChannel* channel)
{
    channel->Close();
    m_retired.append(channel);
    // A channel retired while one of its calls waits is released once that call has returned, from
    // the event loop.
    connect(channel, &TCommChannel::CallsReturned, this, &TConnectionManager::ReleaseRetired,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
}

// Released only when neither the connected printers nor the list view refer to a channel any more,
// and never while one of its calls is on the stack (an operator request may be waiting).
void TConnectionManager::ReleaseRetired()
{
    for (int i = int(m_retired.size()) - 1; i >= 0; --i) {
        TCommChannel* channel = m_retired[i];
        if (m_connected.contains(channel) || HasEntry(channel->Id()) || channel->IsInUse())
            continue;
        m_retired.removeAt(i);
        channel->deleteLater();
    }
}

bool TConnectionManager::IsListed(const TCommChannel* channel) const
{
    return m_serialList.Channels().contains(channel) || m_networkList->Channels().contains(channel);
}

TCommChannel* TConnectionManager::FindChannel(quint64 id) const
{
    for (TSerialChannel* channel : m_serialList.Channels())
        if (channel->Id() == id)
            return channel;
    for (TNetChannel* channel : m_networkList->Channels())
        if (channel->Id() == id)
            return channel;
    return nullptr;
}

bool TConnectionManager::HasEntry(quint64 id) const
{
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [id](const TConnectionEntry& entry) { return entry.Id == id; });
}

// A printer being reconnected shows so, also while an attempt has its link open.
TConnectionEntry TConnectionManager::EntryFor(const TCommChannel& channel) const
{
    const TCoder& coder = TCoder::Of(channel);
    if (const auto progress = m_reconnection->Progress(channel.Id()))
        return {channel.Id(), coder.DisplayName(), TConnectionEntry::ReconnectingIcon, progress->Since};
    return {channel.Id(), coder.DisplayName(),
            channel.IsConnected() ? coder.StatusIcon() : TConnectionEntry::NotConnectedIcon, {}};
}

void TConnectionManager::BuildChannelLists()
{
    if (IsEnabled()) {
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
    return channel ? TCoder::Of(*channel).PrinterName : QString();
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

void TConnectionManager::SetEnabled(const void* window, bool enabled)
{
    const bool wasEnabled = IsEnabled();
    if (enabled)
        m_disabledBy.remove(window);
    else
        m_disabledBy.insert(window);
    if (IsEnabled() != wasEnabled)
        m_views.Connections.SetEnabled(IsEnabled());
}

// The newly connected printer always becomes the selected one; a printer connected again after it
// was lost only when the reconnection says so, and then shows its whole state.
void TConnectionManager::ConnectAcknowledged(TCommChannel& channel)
{
    if (m_connected.contains(&channel) || !IsListed(&channel))
        return;
    const std::optional<bool> returning = m_reconnection->Returns(channel);
    const bool select = returning.value_or(true);
    m_connected.append(&channel);
    if (select) {
        if (TCommChannel* previous = SelectedChannel())
            previous->SetSelected(false);
        m_selectedIndex = int(m_connected.size()) - 1;
        if (returning)
            channel.SetSelected(true);
        else
            m_views.Main.UpdateForm(TCoder::Of(channel));
    }
    m_reconnection->Connected(channel);
    UpdateChannelIcons();
    if (select)
        emit SelectionChanged();
}

void TConnectionManager::RemoveFromConnected(int position)
{
    m_connected.removeAt(position);
    if (position < m_selectedIndex)
        --m_selectedIndex;
}

// After the selected printer left the connected list: the printer now at the selected position, or
// the last one, is selected and shows its state.
void TConnectionManager::SelectAgain(TCommChannel* previous)
{
    if (m_selectedIndex >= m_connected.size())
        m_selectedIndex = int(m_connected.size()) - 1;
    TCommChannel* next = SelectedChannel();
    if (next)
        next->SetSelected(true);
    if (next != previous)
        emit SelectionChanged();
}

// The windows that work with the printer go with it; so does what it asked the operator. The
// "Connections" window is enabled again as those windows close, each under its own name.
void TConnectionManager::PrinterLost(TCommChannel& channel, TDisconnectCause cause)
{
    const int position = int(m_connected.indexOf(&channel));
    if (position < 0)
        return;
    const bool wasSelected = position == m_selectedIndex;
    RemoveFromConnected(position);
    emit Disconnecting(channel, cause);
    // Every other way of going has closed the link already.
    if (cause == TDisconnectCause::EndedConnection)
        channel.Abort();
    ShowLoss(TCoder::Of(channel), cause);
    m_views.Operator.CloseOperatorRequests(channel.Id());
    if (!wasSelected)
        return;
    m_views.Transfer.HideTransfer();
    m_views.ImageDialogs.HideImageDelete();
    m_views.Parameters.HideParameters();
    m_views.Print.HidePrintWindow();
    m_views.Main.ShowDisconnected();
    if (cause == TDisconnectCause::Dropped) {
        // A discovery drops every silent printer at once: the last of those that stay is selected.
        m_selectedIndex = -1;
        for (int i = int(m_connected.size()) - 1; i >= 0 && m_selectedIndex < 0; --i)
            if (IsListed(m_connected[i]))
                m_selectedIndex = i;
    }
    SelectAgain(&channel);
}

void TConnectionManager::PrinterSilent(TCommChannel& channel)
{
    if (!m_connected.contains(&channel))
        return;
    channel.Close();
    PrinterLost(channel, TDisconnectCause::Dropped);
    UpdateChannelIcon(channel);
}

// A printer that ended its connection or whose link broke is told; one whose port the operator gave
// up, or that discovery dropped, is not.
void TConnectionManager::ShowLoss(const TCoder& coder, TDisconnectCause cause)
{
    if (cause == TDisconnectCause::EndedConnection)
        m_views.Operator.ShowMessage(DisconnectNoticeText(coder.PrinterName));
    else if (cause == TDisconnectCause::LinkLost)
        m_views.Operator.ShowMessage(
            QCoreApplication::translate("TConnectionManager", "%1 - CONNECTION LOST!").arg(coder.PrinterName));
}

QString TConnectionManager::DisconnectNoticeText(const QString& printerName)
{
    return QCoreApplication::translate("TConnectionManager", "%1 MANUALLY DISCONNECTED!").arg(printerName);
}

// Only what changed is told, so that the window keeps the operator's selection.
void TConnectionManager::UpdateChannelIcons()
{
    QList<TConnectionEntry> changed;
    for (TConnectionEntry& entry : m_entries) {
        const TCommChannel* channel = FindChannel(entry.Id);
        if (!channel)
            continue;
        const TConnectionEntry now = EntryFor(*channel);
        if (now != entry) {
            entry = now;
            changed.append(now);
        }
    }
    for (const TConnectionEntry& entry : changed)
        if (HasEntry(entry.Id))
            TellEntryChanged(entry);
}

void TConnectionManager::TellEntryChanged(const TConnectionEntry& entry)
{
    m_views.Connections.EntryChanged(entry);
    emit EntryChanged(entry.Id);
}

void TConnectionManager::TellEntryRemoved(quint64 id)
{
    m_views.Connections.EntryRemoved(id);
    emit EntryRemoved(id);
}

// The only entry a printer's status report can change: the other printers' entries are not looked
// at, which with many printers reporting often would cost the station more than the reports.
void TConnectionManager::UpdateChannelIcon(const TCommChannel& channel)
{
    const auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&channel](const TConnectionEntry& e) { return e.Id == channel.Id(); });
    if (entry == m_entries.end() || !IsListed(&channel))
        return;
    const TConnectionEntry now = EntryFor(channel);
    if (now == *entry)
        return;
    *entry = now;
    TellEntryChanged(now);
}

void TConnectionManager::RefreshListView()
{
    QList<TConnectionEntry> wanted;
    auto keep = [this, &wanted](const TCommChannel* channel) {
        const auto old = std::find_if(m_entries.begin(), m_entries.end(),
                                      [channel](const TConnectionEntry& e) { return e.Id == channel->Id(); });
        wanted.append(old != m_entries.end() ? *old : EntryFor(*channel));
    };
    for (const TConnectionEntry& entry : m_entries) {
        const TCommChannel* channel = FindChannel(entry.Id);
        const auto* serial = qobject_cast<const TSerialChannel*>(channel);
        if (channel && (!serial || serial->IsOnline()))
            keep(channel);
    }
    for (TSerialChannel* channel : m_serialList.Channels())
        if (channel->IsOnline() && !HasEntry(channel->Id()))
            keep(channel);
    for (TNetChannel* channel : m_networkList->Channels())
        if (!HasEntry(channel->Id()))
            keep(channel);

    const QList<TConnectionEntry> before = std::exchange(m_entries, wanted);
    for (const TConnectionEntry& entry : before)
        if (!HasEntry(entry.Id))
            TellEntryRemoved(entry.Id);
    for (const TConnectionEntry& entry : wanted) {
        const bool isNew = std::none_of(before.begin(), before.end(),
                                        [&entry](const TConnectionEntry& e) { return e.Id == entry.Id; });
        if (isNew && HasEntry(entry.Id)) {
            m_views.Connections.EntryAdded(entry);
            emit EntryAdded(entry.Id);
        }
    }
    UpdateChannelIcons();
    PruneConnected();
    ReleaseRetired();
}

// Connected printers whose channel has left both lists are lost; if the selected one goes, the last
// remaining connected printer becomes selected. A copy of the list: a loss may wait for the operator.
void TConnectionManager::PruneConnected()
{
    const QList<TCommChannel*> connected = m_connected;
    for (auto it = connected.rbegin(); it != connected.rend(); ++it)
        if (m_connected.contains(*it) && !IsListed(*it))
            PrinterLost(**it, TDisconnectCause::Dropped);
}

void TConnectionManager::SelectPrinter(quint64 id)
{
    TCommChannel* channel = FindChannel(id);
    const int position = int(m_connected.indexOf(channel));
    if (!channel || position < 0 || position == m_selectedIndex)
        return;
    if (TCommChannel* previous = SelectedChannel())
        previous->SetSelected(false);
    m_selectedIndex = position;
    channel->SetSelected(true);
    emit SelectionChanged();
}

// A printer being reconnected is tried at once.
void TConnectionManager::ConnectPrinter(quint64 id)
{
    if (!FindChannel(id))
        return;
    if (m_reconnection->IsReconnecting(id))
        return m_reconnection->TryNow(id);
    SetEnabled(this, false);
    // The channel is looked up again: it may have been dropped while the window was disabled.
    if (TCommChannel* channel = FindChannel(id); channel && !channel->IsConnected())
        channel->Connect();
    SetEnabled(this, true);
}

// A printer being reconnected is no longer: it stays disconnected.
void TConnectionManager::DisconnectPrinter(quint64 id)
{
    if (m_reconnection->IsReconnecting(id))
        return m_reconnection->Stop(id, TDisconnectCause::Operator);
    SetEnabled(this, false);
    if (const int position = int(m_connected.indexOf(FindChannel(id))); position >= 0)
        DisconnectAt(position);
    SetEnabled(this, true);
}

std::optional<TPrinterProperties> TConnectionManager::PropertiesOf(quint64 id) const
{
    const TCommChannel* channel = FindChannel(id);
    if (!channel)
        return std::nullopt;
    const TCoder& coder = TCoder::Of(*channel);
    TPrinterProperties properties{coder.ShownName(), {}, channel->Address()};
    if (coder.Version.isEmpty()) {
        properties.FirmwareVersion = QCoreApplication::translate("TPropertyForm", "Disconnected");
    } else {
        const QString model = PrinterModels::Name(coder.Model);
        properties.FirmwareVersion = model.isEmpty() ? coder.Version : model + QLatin1Char(' ') + coder.Version;
    }
    return properties;
}

TConnectionCommands TConnectionManager::CommandsFor(quint64 id) const
{
    TCommChannel* channel = FindChannel(id);
    if (!channel)
        return {};
    const bool reconnecting = m_reconnection->IsReconnecting(id);
    return {!channel->IsConnected() || reconnecting, m_connected.contains(channel) || reconnecting, true};
}

// Disconnecting the selected printer selects the one that followed it, or the last one. The new
// selection comes first: the work that ends with it (a batch's flash write) still reaches the
// printer before its disconnect request. Meanwhile the operator may be asked, and the printer may
// go by itself.
void TConnectionManager::DisconnectAt(int position)
{
    if (position < 0 || position >= m_connected.size())
        return;
    const QPointer<TCommChannel> channel = m_connected[position];
    TCommChannel* selected = SelectedChannel();
    RemoveFromConnected(position);
    emit Disconnecting(*channel, TDisconnectCause::Operator);
    m_views.Main.ShowDisconnected();
    SelectAgain(selected);
    if (channel && channel->IsConnected())
        channel->SendDisconnect();
}

void TConnectionManager::DisconnectAll()
{
    m_reconnection->StopAll(TDisconnectCause::Operator);
    const QList<TCommChannel*> connected = m_connected;
    for (auto it = connected.rbegin(); it != connected.rend(); ++it)
        DisconnectAt(int(m_connected.indexOf(*it)));
}

void TConnectionManager::ShutdownChannels()
{
    m_refreshTimer.stop();
    if (m_shuttingDown)
        return; // called again while the links get their time
    m_reconnection->StopAll(TDisconnectCause::Station);
    m_shuttingDown = true;
    QList<TCommChannel*> channels(m_networkList->Channels().begin(), m_networkList->Channels().end());
    channels.append(QList<TCommChannel*>(m_serialList.Channels().begin(), m_serialList.Channels().end()));
    LinkShutdown::AwaitDisconnectRequests(channels);
    m_shuttingDown = false;
    for (TCommChannel* channel : m_connected)
        emit Disconnecting(*channel, TDisconnectCause::Station);
    for (TNetChannel* channel : QList<TNetChannel*>(m_networkList->Probes()))
        channel->Close(); // ends its probe: it is released
    for (TNetChannel* channel : m_networkList->Channels())
        channel->Close();
    for (TSerialChannel* channel : m_serialList.Channels())
        channel->Close();
    m_connected.clear();
    const bool hadSelection = m_selectedIndex >= 0;
    m_selectedIndex = -1;
    if (hadSelection)
        emit SelectionChanged();
    for (const TConnectionEntry& entry : std::exchange(m_entries, {}))
        TellEntryRemoved(entry.Id);
}
