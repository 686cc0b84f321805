// vexctl clock: the printer's clock as the clock dialog reads and sets it.
#include "CommandSupport.h"
#include "Commands.h"
#include "ConsoleStation.h"

#include "comm/CommChannel.h"
#include "parameters/PrinterClock.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

using namespace Commands;

namespace {

int Show(const TPrinterClock& clock, const TOptions& options, QTextStream& out)
{
    if (const QString error = clock.ReportError(); !error.isEmpty())
        Err() << "vexctl: the printer's clock: " << error << Qt::endl;
    const std::optional<QDate> date = clock.ReportedDate();
    const std::optional<QTime> time = clock.ReportedTime();
    const QString dateText = date ? date->toString(Qt::ISODate) : QString();
    const QString timeText = time ? time->toString(QStringLiteral("HH:mm")) : QString();
    if (options.Json) {
        const QJsonObject reported{{QStringLiteral("date"), date ? QJsonValue(dateText) : QJsonValue()},
                                   {QStringLiteral("time"), time ? QJsonValue(timeText) : QJsonValue()}};
        out << QJsonDocument(reported).toJson(QJsonDocument::Compact) << Qt::endl;
    } else {
        out << (date ? dateText : QStringLiteral("-")) << ' ' << (time ? timeText : QStringLiteral("-"))
            << Qt::endl;
    }
    return ExitCode::Ok;
}

} // namespace

std::optional<QDateTime> Commands::ParseClockSetting(const QString& text)
{
    const QDateTime wanted = QDateTime::fromString(text.simplified(), QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!wanted.isValid())
        return std::nullopt;
    return wanted;
}

int Commands::Clock(TConsoleStation& station, const TOptions& options, QTextStream& out)
{
    TConsoleViews& views = station.Views();
    views.PrinterClock.reset();
    if (!Ask(station, XLSend::RequestClock, [&views] { return views.PrinterClock.has_value(); }))
        return NoAnswer(QStringLiteral("the clock request"));
    if (!options.ClockSet && !options.ClockSync)
        return Show(*views.PrinterClock, options, out);
    // As "OK" in the clock dialog: the date and the time each only when it differs.
    const QDateTime wanted = options.ClockSet ? *options.ClockSet : TPrinterClock::PcTime();
    station.Station().RecordClockSet(station.Printer()->Id(),
                                     views.PrinterClock->SendChanges(wanted.date(), wanted.time(), station.Manager()));
    if (!station.AwaitQueueSent())
        return NoAnswer(QStringLiteral("while its clock is set"));
    return ExitCode::Ok;
}
