#include "station/Reconnection.h"

#include "coder/Coder.h"
#include "comm/NetChannel.h"
#include "comm/SerialChannel.h"
#include "platform/Logging.h"
#include "platform/SettingsStore.h"
#include "platform/StationClock.h"
#include "station/ConnectionManager.h"

#include <QRandomGenerator>

namespace {
// A pause longer than an hour is no reconnection any more; a settings file may say anything.
constexpr int LongestPauseAllowedMs = 3600 * 1000;
} // namespace

int TReconnectionTimes::PauseBefore(int attempt) const
{
    qint64 pause = qMax(1, FirstPauseMs);
    for (int n = 1; n < attempt && pause < MaxPauseMs; ++n)
        pause *= 2;
    return int(qMin<qint64>(pause, qMax(MaxPauseMs, 1)));
}

int TReconnectionTimes::JitteredPause(int attempt, double random) const
{
    const int pause = PauseBefore(attempt);
    const double span = pause * qBound(0, JitterPercent, 100) / 100.0;
    const auto jittered = qint64(pause - span + 2 * span * qBound(0.0, random, 1.0));
    return int(qBound<qint64>(1, jittered, qMax<qint64>(MaxPauseMs, 1)));
}

TReconnectionTimes TReconnectionTimes::FromSettings()
{
    TReconnectionTimes times;
    bool isNumber = false;
    const int longest =
        SettingsStore::Value(QLatin1String(SettingsStore::ReconnectMaxPauseMs), DefaultMaxPauseMs).toInt(&isNumber);
    if (isNumber)
        times.MaxPauseMs = qBound(times.FirstPauseMs, longest, LongestPauseAllowedMs);
    return times;
}

// A printer the station keeps connected, and where its reconnection stands.
struct TReconnection::TKept
{
    explicit TKept(TCommChannel& channel) : Channel(&channel), Id(channel.Id()) { Timer.setSingleShot(true); }

    QPointer<TCommChannel> Channel;
    quint64 Id;
    // Who the printer is, from its last connect acknowledgement; any printer is taken before that.
    bool Identified = false;
    QString Name;
    quint8 Model = PrinterModels::NotReported;

    bool Reconnecting = false;
    bool Attempting = false;
    std::optional<TFailure> Failure; // what ends the attempt under way, once known
    TProgress Progress;
    // Whether the printer was selected when it went, and the selection its going left.
    bool WasSelected = false;
    bool AwaitsSelection = false;
    quint64 SelectedAfterLoss = 0;
    // The pause, then the attempt's time limit.
    QTimer Timer;
};

TReconnection::TReconnection(TConnectionManager& manager)
    : QObject(&manager), m_manager(manager),
      m_random([] { return QRandomGenerator::global()->generateDouble(); })
{
    connect(&manager, &TConnectionManager::Disconnecting, this, &TReconnection::OnDisconnecting);
    connect(&manager, &TConnectionManager::SelectionChanged, this, &TReconnection::OnSelectionChanged);
}

TReconnection::~TReconnection() = default;

bool TReconnection::AutomaticFromSettings()
{
    bool isNumber = false;
    const int value = SettingsStore::Value(QLatin1String(SettingsStore::AutoReconnect), 1).toInt(&isNumber);
    return !isNumber || value != 0;
}

TReconnection::TKept* TReconnection::Find(quint64 id) const
{
    const auto kept = m_kept.find(id);
    return kept == m_kept.end() ? nullptr : kept->second.get();
}

TReconnection::TKept& TReconnection::Register(TCommChannel& channel)
{
    if (TKept* kept = Find(channel.Id()))
        return *kept;
    const quint64 id = channel.Id();
    TKept& kept = *m_kept.emplace(id, std::make_unique<TKept>(channel)).first->second;
    connect(&kept.Timer, &QTimer::timeout, this, [this, id] { OnTimer(id); });
    connect(&channel, &TCommChannel::LinkLost, this, [this, id] { Fail(id, TFailure::NoAnswer); });
    // Told while the channel is still connecting: the attempt ends from the event loop.
    connect(&channel, &TCommChannel::ConnectFailed, this, [this, id] { Fail(id, TFailure::NoConnection); },
            Qt::QueuedConnection);
    return kept;
}

void TReconnection::Forget(quint64 id)
{
    const auto kept = m_kept.find(id);
    if (kept == m_kept.end())
        return;
    if (TCommChannel* channel = kept->second->Channel)
        disconnect(channel, nullptr, this, nullptr);
    const bool wasReconnecting = kept->second->Reconnecting;
    m_kept.erase(kept);
    if (wasReconnecting)
        emit StateChanged(id);
}

bool TReconnection::Keeps(const TCommChannel& channel) const
{
    return Find(channel.Id()) != nullptr;
}

bool TReconnection::IsReconnecting(quint64 id) const
{
    const TKept* kept = Find(id);
    return kept && kept->Reconnecting;
}

std::optional<TReconnection::TProgress> TReconnection::Progress(quint64 id) const
{
    const TKept* kept = Find(id);
    if (!kept || !kept->Reconnecting)
        return std::nullopt;
    return kept->Progress;
}

void TReconnection::Keep(quint64 id, TStart start)
{
    TCommChannel* channel = m_manager.FindChannel(id);
    if (!channel)
        return;
    TKept& kept = Register(*channel);
    if (m_manager.ConnectedList().contains(channel)) {
        const TCoder& coder = TCoder::Of(*channel);
        kept.Identified = true;
        kept.Name = coder.PrinterName;
        kept.Model = coder.Model;
    } else if (!kept.Reconnecting) {
        StartReconnecting(kept, start);
    }
}

TCommChannel* TReconnection::KeepNetworkPrinter(const QString& host, quint16 port, TStart start)
{
    const QString name = TNetChannel::NameFor(host, port);
    if (const int index = m_manager.NetworkList().IndexOf(name); index >= 0) {
        TCommChannel* channel = m_manager.NetworkList().At(index);
        Keep(channel->Id(), start);
        return channel;
    }
    // Listed once its probe has ended, whether anything answered or not: it is kept.
    TNetChannel* channel = m_manager.AddNetworkPrinter(host, port);
    Register(*channel);
    const quint64 id = channel->Id();
    const auto listed = [this, id, start] {
        if (TKept* kept = Find(id); kept && m_manager.FindChannel(id) && !kept->Reconnecting)
            StartReconnecting(*kept, start);
    };
    if (channel->IsProbing())
        connect(channel, &TNetChannel::ProbeFinished, this, listed, Qt::QueuedConnection);
    else
        listed();
    return channel;
}

TCommChannel* TReconnection::KeepSerialPrinter(const QString& name, int portNumber, const QString& device,
                                               TStart start)
{
    const int index = m_manager.SerialList().IndexOf(name);
    TCommChannel* channel =
        index >= 0 ? m_manager.SerialList().At(index) : m_manager.AddSerialPrinter(name, portNumber, device);
    Keep(channel->Id(), start);
    return channel;
}

void TReconnection::Stop(quint64 id, TDisconnectCause cause)
{
    TKept* kept = Find(id);
    if (!kept)
        return;
    const QPointer<TCommChannel> channel = kept->Channel;
    const bool wasReconnecting = kept->Reconnecting;
    if (kept->Attempting && channel)
        channel->Close();
    Forget(id);
    if (wasReconnecting && channel)
        emit Abandoned(*channel, cause);
}

void TReconnection::StopAll(TDisconnectCause cause)
{
    QList<quint64> ids;
    for (const auto& [id, kept] : m_kept)
        ids.append(id);
    for (const quint64 id : ids)
        Stop(id, cause);
}

void TReconnection::TryNow(quint64 id)
{
    TKept* kept = Find(id);
    if (!kept || !kept->Reconnecting)
        return;
    kept->WasSelected = true;
    kept->AwaitsSelection = false;
    kept->SelectedAfterLoss = m_selected;
    if (!kept->Attempting) {
        kept->Timer.stop();
        Attempt(id);
    }
}

// A printer the operator disconnected, or whose port the operator gave up, is no longer kept; one
// that went by itself is reconnected. It starts from the event loop: whoever is told of the loss is
// told before anyone hears of the reconnection.
void TReconnection::OnDisconnecting(TCommChannel& channel, TDisconnectCause cause)
{
    const quint64 id = channel.Id();
    TKept* kept = Find(id);
    if (!kept)
        return;
    if (cause != TDisconnectCause::LinkLost && cause != TDisconnectCause::EndedConnection &&
        cause != TDisconnectCause::Dropped) {
        Forget(id);
        return;
    }
    kept->WasSelected = m_selected == id;
    kept->AwaitsSelection = kept->WasSelected;
    kept->SelectedAfterLoss = 0;
    kept->Reconnecting = true;
    kept->Progress = {StationClock::Now(), 0, 0, {}};
    QMetaObject::invokeMethod(
        this,
        [this, id] {
            if (TKept* lost = Find(id); lost && lost->Reconnecting && !lost->Attempting && !lost->Timer.isActive())
                Pause(*lost);
        },
        Qt::QueuedConnection);
}

void TReconnection::OnSelectionChanged()
{
    const TCommChannel* selected = m_manager.SelectedChannel();
    m_selected = selected ? selected->Id() : 0;
    for (const auto& [id, kept] : m_kept)
        if (std::exchange(kept->AwaitsSelection, false))
            kept->SelectedAfterLoss = m_selected;
}

void TReconnection::StartReconnecting(TKept& kept, TStart start)
{
    kept.Reconnecting = true;
    kept.Progress = {StationClock::Now(), 0, 0, {}};
    if (start == TStart::Now)
        Attempt(kept.Id);
    else
        Pause(kept);
}

void TReconnection::Pause(TKept& kept)
{
    TCommChannel* channel = kept.Channel;
    if (!channel)
        return Forget(kept.Id);
    const int attempt = kept.Progress.Attempts + 1;
    kept.Progress.PauseMs = m_times.JitteredPause(attempt, m_random());
    kept.Timer.start(kept.Progress.PauseMs);
    emit StateChanged(kept.Id);
    emit Reconnecting(*channel, kept.Progress.PauseMs, attempt);
}

void TReconnection::OnTimer(quint64 id)
{
    TKept* kept = Find(id);
    if (!kept)
        return;
    if (kept->Attempting)
        Fail(id, TFailure::NoAnswer);
    else
        Attempt(id);
}

// The link starts afresh: whatever the last one held is gone with it.
void TReconnection::Attempt(quint64 id)
{
    TKept* kept = Find(id);
    TCommChannel* channel = kept ? m_manager.FindChannel(id) : nullptr;
    if (!channel)
        return Forget(id); // its port is gone from the station
    if (AddressTakenByAnother(*channel))
        return Pause(*kept); // the operator has connected the printer that answers there now
    kept->Attempting = true;
    kept->Failure.reset();
    ++kept->Progress.Attempts;
    qCDebug(lcStation) << channel->Name() << "reconnects, attempt" << kept->Progress.Attempts;
    channel->Close();
    kept->Timer.start(m_times.AttemptMs);
    emit StateChanged(id);
    channel->Reconnect();
}

void TReconnection::Fail(quint64 id, TFailure failure)
{
    TKept* kept = Find(id);
    if (!kept || !kept->Attempting)
        return;
    kept->Attempting = false;
    kept->Timer.stop();
    TCommChannel* channel = kept->Channel;
    if (!channel)
        return Forget(id);
    channel->Close();
    emit AttemptFailed(*channel, kept->Failure.value_or(failure));
    if ((kept = Find(id)))
        Pause(*kept);
}

bool TReconnection::AddressTakenByAnother(const TCommChannel& channel) const
{
    const QList<TCommChannel*>& connected = m_manager.ConnectedList();
    return std::any_of(connected.begin(), connected.end(), [&channel](const TCommChannel* other) {
        return other != &channel && other->Address() == channel.Address();
    });
}

// Another printer at the address is told it is not wanted, and is shown as a printer of its own.
bool TReconnection::TakesConnection(const TCommChannel& channel, quint8 model, const QString& printerName)
{
    TKept* kept = Find(channel.Id());
    if (!kept || !kept->Attempting || !kept->Identified || (kept->Name == printerName && kept->Model == model))
        return true;
    const quint64 id = kept->Id;
    kept->Failure = TFailure::OtherPrinter;
    kept->Progress.OtherPrinter = PrinterModels::DisplayPrefix(model) + printerName;
    QMetaObject::invokeMethod(
        this,
        [this, id, printerName, model] {
            TKept* other = Find(id);
            if (!other || !other->Attempting || !other->Channel)
                return;
            TCommChannel& link = *other->Channel;
            emit StateChanged(id);
            emit OtherPrinterAnswered(link, printerName, model);
            ShowOtherPrinter(link, printerName, model);
            if (Find(id))
                link.SendDisconnect(); // the attempt ends when the link closes, or runs out of time
        },
        Qt::QueuedConnection);
    return false;
}

void TReconnection::ShowOtherPrinter(TCommChannel& channel, const QString& printerName, quint8 model)
{
    const auto* network = qobject_cast<const TNetChannel*>(&channel);
    if (!network)
        return; // a COM port has room for one printer: the lost one stays, with the other one named
    const QString name = network->Name();
    for (const TNetChannel* listed : m_manager.NetworkList().Channels())
        if (listed != network && listed->Name() == name)
            return;
    TNetChannel* other = m_manager.AddNetworkPrinter(network->Host(), network->Port());
    TCoder& coder = TCoder::Of(*other);
    coder.PrinterName = printerName;
    coder.Model = model;
}

std::optional<bool> TReconnection::Returns(const TCommChannel& channel) const
{
    const TKept* kept = Find(channel.Id());
    if (!kept || !kept->Reconnecting)
        return std::nullopt;
    const bool selectionAsLeft = !kept->AwaitsSelection && m_selected == kept->SelectedAfterLoss;
    return m_selected == 0 || (kept->WasSelected && selectionAsLeft && m_manager.IsEnabled());
}

void TReconnection::Connected(TCommChannel& channel)
{
    TKept* kept = Find(channel.Id());
    if (!kept && !m_keepsConnected)
        return;
    if (!kept)
        kept = &Register(channel);
    const TCoder& coder = TCoder::Of(channel);
    // A printer kept before it ever answered (vexd's, the monitor's) is connected, not reconnected.
    const bool connectedBefore = kept->Identified;
    kept->Identified = true;
    kept->Name = coder.PrinterName;
    kept->Model = coder.Model;
    if (!kept->Reconnecting)
        return;
    const TProgress progress = kept->Progress;
    kept->Reconnecting = false;
    kept->Attempting = false;
    kept->Timer.stop();
    kept->Progress = {};
    emit StateChanged(kept->Id);
    if (connectedBefore)
        emit Reconnected(channel, progress.Attempts, progress.PauseMs);
}
