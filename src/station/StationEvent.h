#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <span>

class TCommChannel;
class TCoder;

// Everything that happens to a printer or is done to it, and what happens to the station's own
// record of it. Each kind has a stable lower-case name, stored in the history and used by programs
// that read it; a new kind is a new value here and a row in StationEventKinds::All.
enum class TStationEventKind
{
    Connected,
    Disconnected,
    LinkLost,
    Reconnecting,
    Reconnected,
    FaultRaised,
    StateRaised,
    StateCleared,
    PrintStarted,
    PrintStopped,
    ImageTransfer,
    ImageDeleted,
    ItemModified,
    FlashWriteStarted,
    FlashWriteEnded,
    ParameterWritten,
    ClockSet,
    OperatorRequest,
    OperatorAnswer,
    ChangeoverStarted,
    ChangeoverCheck,
    ChangeoverValuesApplied,
    ChangeoverConfirmed,
    ChangeoverEnded,
    HistoryGapBegan,
    HistoryGapEnded,
    HistoryPruned,
    RemoteCommand,
};

namespace StationEventKinds {

struct TKindName
{
    TStationEventKind Kind;
    const char* Name;  // stored, never translated
    const char* Label; // what the windows show, translated in the context "TStationEvent"
};

std::span<const TKindName> All();
QString NameOf(TStationEventKind kind);
std::optional<TStationEventKind> FromName(const QString& name);
// The label in the language in use; a name this station does not know (written by a newer one)
// is shown as it stands.
QString LabelOf(const QString& name);

} // namespace StationEventKinds

// The printer an event concerns, as the operator knows it.
struct TEventPrinter
{
    QString Name;
    QString Model;   // the model's name; empty while the printer has not reported it
    QString Address; // "HOST:PORT" on the network, the COM port or device on a serial line

    static TEventPrinter Of(const TCoder& coder);
    bool IsEmpty() const { return Name.isEmpty() && Address.isEmpty(); }
};

// Who made an event happen: the window program, the command-line tool, the station without windows
// (vexd), or a remote client that names itself.
struct TEventSource
{
    static constexpr const char* Window = "window";
    static constexpr const char* Vexctl = "vexctl";
    static constexpr const char* Remote = "remote";
    static constexpr const char* Vexd = "vexd";

    QString Kind = QLatin1String(Window);
    QString Client; // the remote client's id; empty for the others

    bool operator==(const TEventSource&) const = default;
};

// One event of the station's stream.
struct TStationEvent
{
    TStationEventKind Kind = TStationEventKind::Connected;
    QDateTime Time; // local, with its offset from UTC
    TEventPrinter Printer;
    TEventSource Source;
    QString Host;
    QString User;
    QJsonObject Values;

    // Texts that come from outside (names, prompts, fault texts) are kept to this length.
    static constexpr qsizetype MaxTextLength = 1000;
    static QString Bounded(const QString& text);
    // An event on this computer, by this operating-system user, at the time given or else now (the
    // station's clock).
    static TStationEvent Make(TStationEventKind kind, const TEventPrinter& printer, const TEventSource& source,
                              QJsonObject values = {}, const QDateTime& time = {});

    // {"host","kind","printer":{"address","model","name"},"source":{"client","kind"},"time"
    // (UTC, ISO 8601 with milliseconds),"utcOffset" (seconds),"user","values"}; an empty printer
    // and an empty client are left out.
    QJsonObject ToJson() const;
};

namespace StationEventJson {

// The one serialisation of an event object: keys sorted, no spaces, UTF-8. The history's hash
// chain is built over it, so it must never change for an object that has not.
QByteArray Canonical(const QJsonObject& object);
// UTC, "2024-03-05T09:00:00.000Z": sorts as text in time order.
QString UtcText(const QDateTime& time);

} // namespace StationEventJson
