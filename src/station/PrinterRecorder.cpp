#include "station/PrinterRecorder.h"

#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "station/Reconnection.h"
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
// Who ended a connection that did not break: the operator (also by giving up its port), the printer,
// or the station as it closed.
QLatin1String DisconnectedBy(TDisconnectCause cause)
{
    switch (cause) {
    case TDisconnectCause::EndedConnection:
        return QLatin1String("printer");
    case TDisconnectCause::Station:
        return QLatin1String("station");
    default:
        return QLatin1String("operator");
    }
}
} // namespace

TPrinterRecorder::TPrinterRecorder(TStationEvents& events, TConnectionManager& manager, QObject* parent)
    : QObject(parent), m_events(events)
{
    connect(&manager, &TConnectionManager::Disconnecting, this, &TPrinterRecorder::Disconnecting);
    TReconnection& reconnection = manager.Reconnection();
    connect(&reconnection, &TReconnection::Reconnecting, this, &TPrinterRecorder::Reconnecting);
    connect(&reconnection, &TReconnection::Reconnected, this, &TPrinterRecorder::Reconnected);
    connect(&reconnection, &TReconnection::Abandoned, this, [this](TCommChannel& channel, TDisconnectCause cause) {
        m_events.Emit(Kind::Disconnected, TCoder::Of(channel), {{QStringLiteral("by"), DisconnectedBy(cause)}});
    });
}

// A printer that stays away long is not recorded at every attempt: the first, second, fourth,
// eighth ... attempt say that the station is still trying, and with what pause.
void TPrinterRecorder::Reconnecting(TCommChannel& channel, int pauseMs, int attempt)
{
    if ((attempt & (attempt - 1)) == 0)
        m_events.Emit(Kind::Reconnecting, TCoder::Of(channel),
                      {{QStringLiteral("attempt"), attempt}, {QStringLiteral("pauseMs"), pauseMs}});
}

// Recorded connected first, with its images and status, and then how long the way back took.
void TPrinterRecorder::Reconnected(TCommChannel& channel, int attempts, int pauseMs)
{
    const TCoder& coder = TCoder::Of(channel);
    Connected(coder);
    m_events.Emit(Kind::Reconnected, coder,
                  {{QStringLiteral("attempts"), attempts}, {QStringLiteral("pauseMs"), pauseMs}});
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
    case TPrinterFault::ReportTooLarge:
        return QStringLiteral("report-too-large");
    }
    return {};
}

void TPrinterRecorder::Connected(const TCoder& coder)
{
    TCommChannel& channel = coder.Channel;
    if (m_followed.contains(channel.Id()))
        return; // a connection acknowledged again
    m_followed.insert(channel.Id(), coder.StatusWord);
    m_events.Emit(Kind::Connected, coder,
                  {{QStringLiteral("images"), ImagesOf(coder)}, {QStringLiteral("statusWord"), coder.StatusWord}});
}

bool TPrinterRecorder::Forget(const TCommChannel& channel)
{
    return m_followed.remove(channel.Id());
}

void TPrinterRecorder::Disconnecting(TCommChannel& channel, TDisconnectCause cause)
{
    if (!Forget(channel))
        return;
    const TCoder& coder = TCoder::Of(channel);
    switch (cause) {
    case TDisconnectCause::LinkLost:
    case TDisconnectCause::Dropped:
        m_events.Emit(Kind::LinkLost, coder);
        return;
    case TDisconnectCause::EndedConnection:
        m_events.Emit(Kind::FaultRaised, coder,
                      {{QStringLiteral("fault"), QStringLiteral("disconnect-notice")},
                       {QStringLiteral("text"),
                        TStationEvent::Bounded(TConnectionManager::DisconnectNoticeText(coder.PrinterName))}});
        break;
    default:
        break;
    }
    m_events.Emit(Kind::Disconnected, coder, {{QStringLiteral("by"), DisconnectedBy(cause)}});
}

// The print lamp (the status word's printing bit) tells printing started and stopped; the ink or
// ribbon lamp is a state raised and cleared.
void TPrinterRecorder::StatusChanged(const TCoder& coder)
{
    const auto followed = m_followed.find(coder.Channel.Id());
    if (followed == m_followed.end())
        return;
    const quint16 changed = *followed ^ coder.StatusWord;
    *followed = coder.StatusWord;
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
