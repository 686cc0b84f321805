#include "station/PrinterRecorder.h"

#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "station/StationEvents.h"

#include <QJsonArray>

namespace {
using Kind = TStationEventKind;

QJsonArray ImagesOf(const TCoder& coder)
{
    QJsonArray images{TStationEvent::Bounded(coder.CurrentImageA)};
    if (coder.Model == PrinterModels::Deneb)
        images.append(TStationEvent::Bounded(coder.CurrentImageB));
    return images;
}
} // namespace

TPrinterRecorder::TPrinterRecorder(TStationEvents& events, TConnectionManager& manager, QObject* parent)
    : QObject(parent), m_events(events)
{
    connect(&manager, &TConnectionManager::Disconnecting, this, &TPrinterRecorder::Disconnecting);
}

QString TPrinterRecorder::FaultName(TPrinterFault fault)
{
    switch (fault) {
    case TPrinterFault::PrintCycleTimeout:
        return QStringLiteral("print-cycle-timeout");
    case TPrinterFault::PositioningError:
        return QStringLiteral("positioning-error");
    case TPrinterFault::MemoryWriteError:
        return QStringLiteral("memory-write-error");
    case TPrinterFault::RibbonFault:
        return QStringLiteral("ribbon-fault");
    }
    return {};
}

void TPrinterRecorder::Connected(const TCoder& coder)
{
    TCommChannel& channel = coder.Channel;
    if (m_followed.contains(channel.Id()))
        return; // a connection acknowledged again
    TFollowed& followed = m_followed[channel.Id()];
    followed.StatusWord = coder.StatusWord;
    followed.LinkLost = connect(&channel, &TCommChannel::LinkLost, this, [this, &channel] { LinkLost(channel); });
    m_events.Emit(Kind::Connected, coder,
                  {{QStringLiteral("images"), ImagesOf(coder)}, {QStringLiteral("statusWord"), coder.StatusWord}});
}

bool TPrinterRecorder::Forget(const TCommChannel& channel)
{
    const auto followed = m_followed.constFind(channel.Id());
    if (followed == m_followed.constEnd())
        return false;
    disconnect(followed->LinkLost);
    m_followed.erase(followed);
    return true;
}

void TPrinterRecorder::Disconnecting(TCommChannel& channel, TDisconnectCause cause)
{
    if (!Forget(channel))
        return;
    const TCoder& coder = TCoder::Of(channel);
    if (cause == TDisconnectCause::Printer)
        m_events.Emit(Kind::FaultRaised, coder,
                      {{QStringLiteral("fault"), QStringLiteral("disconnect-notice")},
                       {QStringLiteral("text"),
                        TStationEvent::Bounded(TConnectionManager::DisconnectNoticeText(coder.PrinterName))}});
    static const char* const by[] = {"operator", "printer", "station"};
    m_events.Emit(Kind::Disconnected, coder, {{QStringLiteral("by"), QLatin1String(by[int(cause)])}});
}

void TPrinterRecorder::LinkLost(const TCommChannel& channel)
{
    if (Forget(channel))
        m_events.Emit(Kind::LinkLost, TCoder::Of(channel));
}

// The print lamp (the status word's printing bit) tells printing started and stopped; the ink or
// ribbon lamp is a state raised and cleared.
void TPrinterRecorder::StatusChanged(const TCoder& coder)
{
    const auto followed = m_followed.find(coder.Channel.Id());
    if (followed == m_followed.end())
        return;
    const quint16 changed = followed->StatusWord ^ coder.StatusWord;
    followed->StatusWord = coder.StatusWord;
    if (changed & TCoder::PrintingBit)
        m_events.Emit((coder.StatusWord & TCoder::PrintingBit) ? Kind::PrintStarted : Kind::PrintStopped, coder,
                      {{QStringLiteral("images"), ImagesOf(coder)}, {QStringLiteral("printCount"), coder.PrintCount}});
    if (changed & TCoder::InkBit)
        m_events.Emit((coder.StatusWord & TCoder::InkBit) ? Kind::StateRaised : Kind::StateCleared, coder,
                      {{QStringLiteral("state"),
                        coder.Model == PrinterModels::Altair ? QStringLiteral("ribbon") : QStringLiteral("ink")},
                       {QStringLiteral("statusWord"), coder.StatusWord}});
}

void TPrinterRecorder::FaultRaised(const TCoder& coder, TPrinterFault fault, const QString& text)
{
    m_events.Emit(Kind::FaultRaised, coder,
                  {{QStringLiteral("fault"), FaultName(fault)}, {QStringLiteral("text"), TStationEvent::Bounded(text)}});
}
