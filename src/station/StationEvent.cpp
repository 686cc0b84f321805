#include "station/StationEvent.h"

#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "platform/StationClock.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QSysInfo>

#include <array>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace {
using Kind = TStationEventKind;

constexpr std::array<StationEventKinds::TKindName, 28> Kinds{{
    {Kind::Connected, "connected", QT_TRANSLATE_NOOP("TStationEvent", "Connected")},
    {Kind::Disconnected, "disconnected", QT_TRANSLATE_NOOP("TStationEvent", "Disconnected")},
    {Kind::LinkLost, "link-lost", QT_TRANSLATE_NOOP("TStationEvent", "Link lost")},
    {Kind::Reconnecting, "reconnecting", QT_TRANSLATE_NOOP("TStationEvent", "Reconnecting")},
    {Kind::Reconnected, "reconnected", QT_TRANSLATE_NOOP("TStationEvent", "Reconnected")},
    {Kind::FaultRaised, "fault-raised", QT_TRANSLATE_NOOP("TStationEvent", "Fault")},
    {Kind::StateRaised, "state-raised", QT_TRANSLATE_NOOP("TStationEvent", "State on")},
    {Kind::StateCleared, "state-cleared", QT_TRANSLATE_NOOP("TStationEvent", "State off")},
    {Kind::PrintStarted, "print-started", QT_TRANSLATE_NOOP("TStationEvent", "Print started")},
    {Kind::PrintStopped, "print-stopped", QT_TRANSLATE_NOOP("TStationEvent", "Print stopped")},
    {Kind::ImageTransfer, "image-transfer", QT_TRANSLATE_NOOP("TStationEvent", "Image transfer")},
    {Kind::ImageDeleted, "image-deleted", QT_TRANSLATE_NOOP("TStationEvent", "Image deleted")},
    {Kind::ItemModified, "item-modified", QT_TRANSLATE_NOOP("TStationEvent", "Item changed")},
    {Kind::FlashWriteStarted, "flash-write-started", QT_TRANSLATE_NOOP("TStationEvent", "Flash write started")},
    {Kind::FlashWriteEnded, "flash-write-ended", QT_TRANSLATE_NOOP("TStationEvent", "Flash write ended")},
    {Kind::ParameterWritten, "parameter-written", QT_TRANSLATE_NOOP("TStationEvent", "Parameter written")},
    {Kind::ClockSet, "clock-set", QT_TRANSLATE_NOOP("TStationEvent", "Clock set")},
    {Kind::OperatorRequest, "operator-request", QT_TRANSLATE_NOOP("TStationEvent", "Operator request")},
    {Kind::OperatorAnswer, "operator-answer", QT_TRANSLATE_NOOP("TStationEvent", "Operator answer")},
    {Kind::ChangeoverStarted, "changeover-started", QT_TRANSLATE_NOOP("TStationEvent", "Changeover started")},
    {Kind::ChangeoverCheck, "changeover-check", QT_TRANSLATE_NOOP("TStationEvent", "Changeover check")},
    {Kind::ChangeoverValuesApplied, "changeover-values-applied",
     QT_TRANSLATE_NOOP("TStationEvent", "Changeover values applied")},
    {Kind::ChangeoverConfirmed, "changeover-confirmed", QT_TRANSLATE_NOOP("TStationEvent", "Changeover confirmed")},
    {Kind::ChangeoverEnded, "changeover-ended", QT_TRANSLATE_NOOP("TStationEvent", "Changeover ended")},
    {Kind::HistoryGapBegan, "history-gap-began", QT_TRANSLATE_NOOP("TStationEvent", "History gap began")},
    {Kind::HistoryGapEnded, "history-gap-ended", QT_TRANSLATE_NOOP("TStationEvent", "History gap ended")},
    {Kind::HistoryPruned, "history-pruned", QT_TRANSLATE_NOOP("TStationEvent", "History pruned")},
    {Kind::RemoteCommand, "remote-command", QT_TRANSLATE_NOOP("TStationEvent", "Remote command")},
}};

// The operating-system user the program runs as.
QString UserName()
{
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"})
        if (const QString name = qEnvironmentVariable(variable); !name.isEmpty())
            return name;
#ifdef Q_OS_UNIX
    if (const passwd* entry = getpwuid(geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
#endif
    return {};
}
} // namespace

std::span<const StationEventKinds::TKindName> StationEventKinds::All()
{
    return Kinds;
}

QString StationEventKinds::NameOf(TStationEventKind kind)
{
    for (const TKindName& entry : Kinds)
        if (entry.Kind == kind)
            return QLatin1String(entry.Name);
    return {};
}

std::optional<TStationEventKind> StationEventKinds::FromName(const QString& name)
{
    for (const TKindName& entry : Kinds)
        if (name == QLatin1String(entry.Name))
            return entry.Kind;
    return std::nullopt;
}

QString StationEventKinds::LabelOf(const QString& name)
{
    for (const TKindName& entry : Kinds)
        if (name == QLatin1String(entry.Name))
            return QCoreApplication::translate("TStationEvent", entry.Label);
    return name;
}

TEventPrinter TEventPrinter::Of(const TCoder& coder)
{
    const TLinkAddress address = coder.Channel.Address();
    const QString where = address.Medium == TLinkAddress::Kind::Network
                              ? address.Address + QLatin1Char(':') + QString::number(address.Port)
                              : address.Address;
    return {TStationEvent::Bounded(coder.PrinterName), PrinterModels::Name(coder.Model),
            TStationEvent::Bounded(where)};
}

QString TStationEvent::Bounded(const QString& text)
{
    return text.size() > MaxTextLength ? text.left(MaxTextLength) : text;
}

TStationEvent TStationEvent::Make(TStationEventKind kind, const TEventPrinter& printer, const TEventSource& source,
                                  QJsonObject values, const QDateTime& time)
{
    static const QString host = QSysInfo::machineHostName();
    static const QString user = UserName();
    return {kind, time.isValid() ? time : StationClock::Now(), printer, source, host, user, std::move(values)};
}

QJsonObject TStationEvent::ToJson() const
{
    QJsonObject object{{QStringLiteral("kind"), StationEventKinds::NameOf(Kind)},
                       {QStringLiteral("time"), StationEventJson::UtcText(Time)},
                       {QStringLiteral("utcOffset"), Time.offsetFromUtc()},
                       {QStringLiteral("host"), Host},
                       {QStringLiteral("user"), User},
                       {QStringLiteral("values"), Values}};
    QJsonObject source{{QStringLiteral("kind"), Source.Kind}};
    if (!Source.Client.isEmpty())
        source.insert(QStringLiteral("client"), Source.Client);
    object.insert(QStringLiteral("source"), source);
    if (!Printer.IsEmpty())
        object.insert(QStringLiteral("printer"), QJsonObject{{QStringLiteral("name"), Printer.Name},
                                                             {QStringLiteral("model"), Printer.Model},
                                                             {QStringLiteral("address"), Printer.Address}});
    return object;
}

QByteArray StationEventJson::Canonical(const QJsonObject& object)
{
    // QJsonObject keeps its keys sorted, and the compact form writes them in that order as UTF-8.
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QString StationEventJson::UtcText(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODateWithMs); // UTC is written with its "Z"
}
