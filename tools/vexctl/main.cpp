// vexctl: the station on the command line, for scripts and production-line integration.
#include "CommandLine.h"
#include "Commands.h"
#include "ConsoleStation.h"
#include "InterruptSignal.h"
#include "Monitor.h"
#include "VexVersion.h"
#include "images/FontUnit.h"
#include "platform/StationClock.h"
#include "station/StationEvent.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <memory>

#include <unistd.h>

namespace {

// Texts on a label's picture need fonts, and fonts a GUI application, which draws offscreen here.
std::unique_ptr<QCoreApplication> Application(int& argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QLatin1String argument(argv[i]);
        if (argument == QLatin1String("preview") || argument == QLatin1String("--verify")) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

int Usage(const QString& problem)
{
    QTextStream(stderr) << "vexctl: " << problem << "\nTry 'vexctl --help'." << Qt::endl;
    return ExitCode::Usage;
}

TDiscoveryAddress DiscoveryFrom(const QString& address)
{
    TDiscoveryAddress discovery = TDiscoveryAddress::FromSettings();
    if (!address.isEmpty()) {
        discovery.Address = QHostAddress(address.section(QLatin1Char(':'), 0, 0));
        const QString port = address.section(QLatin1Char(':'), 1);
        if (!port.isEmpty())
            discovery.Port = port.toUShort();
    }
    return discovery;
}

// What a printer command needs besides its arguments.
struct TPrinterCommandInput
{
    const TFontMap& Fonts;
    TJob Job; // job run
    TJobEntries Entries;
};

int RunPrinterCommand(TConsoleStation& station, const QString& command, const QStringList& rest,
                      const Commands::TOptions& options, const TPrinterCommandInput& input, QTextStream& out)
{
    if (command == QLatin1String("job"))
        return Commands::JobRun(station, input.Job, input.Entries, input.Fonts, options, out);
    if (command == QLatin1String("status"))
        return Commands::Status(station, options, out);
    if (command == QLatin1String("images"))
        return Commands::Images(station, options, out);
    if (command == QLatin1String("send"))
        return Commands::Send(station, rest, options);
    if (command == QLatin1String("print"))
        return Commands::Print(station, rest.value(0), rest.value(1));
    if (command == QLatin1String("stop"))
        return Commands::Stop(station);
    if (command == QLatin1String("delete"))
        return Commands::Delete(station, rest);
    if (command == QLatin1String("params"))
        return Commands::Params(station, rest, options, out);
    if (command == QLatin1String("clock"))
        return Commands::Clock(station, options, out);
    if (command == QLatin1String("items"))
        return Commands::Items(station, rest.value(0), options, out);
    return Commands::Modify(station, rest.value(0), rest.value(1), rest.value(2));
}

int Monitor(const TCommandLine& line, TConsoleViews& views, const TFontMap& fonts,
            const TPrinterTarget& target, int timeoutMs, QTextStream& out)
{
    TMonitor::TSettings settings;
    settings.Printer = target;
    settings.Json = line.Parser.isSet(line.Json);
    settings.Reconnect = line.Parser.isSet(line.Reconnect);
    settings.TimeoutMs = timeoutMs;
    settings.Times = TReconnectionTimes::FromSettings();
    if (line.Parser.isSet(line.Interval)) {
        bool isNumber = false;
        const double seconds = line.Parser.value(line.Interval).toDouble(&isNumber);
        if (!isNumber || seconds < 0.1 || seconds > 86400)
            return Usage(QStringLiteral("--interval must be a number of seconds from 0.1 to 86400"));
        settings.PollMs = int(seconds * 1000);
    }
    TMonitor monitor(views, fonts, settings, out);
    TInterruptSignal interrupt;
    QObject::connect(&interrupt, &TInterruptSignal::Interrupted, &monitor, &TMonitor::Interrupt);
    return monitor.Run();
}

int History(const TCommandLine& line, const QStringList& rest, QTextStream& out)
{
    const QCommandLineParser& parser = line.Parser;
    if (!rest.isEmpty() && rest != QStringList{QStringLiteral("verify")})
        return Usage(QStringLiteral("history takes no argument but verify"));
    Commands::THistoryQuery query;
    query.Printer = parser.value(line.Printer);
    query.Kind = parser.value(line.Kind);
    query.Json = parser.isSet(line.Json);
    query.Csv = parser.isSet(line.Csv);
    if (query.Json && query.Csv)
        return Usage(QStringLiteral("history takes either --json or --csv"));
    if (!query.Kind.isEmpty() && !StationEventKinds::FromName(query.Kind)) {
        QStringList kinds;
        for (const StationEventKinds::TKindName& kind : StationEventKinds::All())
            kinds << QLatin1String(kind.Name);
        return Usage(QStringLiteral("--kind takes one of %1").arg(kinds.join(QStringLiteral(", "))));
    }
    if (parser.isSet(line.Since)) {
        const std::optional<QDateTime> since = Commands::ParseHistoryTime(parser.value(line.Since));
        if (!since)
            return Usage(QStringLiteral("--since takes a time like 2024-03-05 or 2024-03-05T10:00:00"));
        query.Since = *since;
    }
    return Commands::History(rest, query, out);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> app = Application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vexctl"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(VexVersion::Text));

    TCommandLine line;
    const QCommandLineParser& parser = line.Parser;
    line.Parser.process(*app);

    if (!StationClock::FixFromEnvironment())
        return Usage(QStringLiteral("%1 must name a date and time like 2024-03-05T10:00:00")
                         .arg(QLatin1String(StationClock::FixedNowVariable)));
    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return Usage(QStringLiteral("no command given"));
    const QString command = arguments.first();
    if (!IsCommand(command))
        return Usage(QStringLiteral("unknown command '%1'").arg(command));
    const QStringList rest = arguments.mid(1);
    const TFontMap fonts =
        parser.isSet(line.Fontmap) ? TFontMap::Load(parser.value(line.Fontmap)) : TFontMap::LoadForStation();
    Commands::TOptions options;
    options.Json = parser.isSet(line.Json);
    options.Overwrite = parser.isSet(line.Overwrite);
    options.Verify = parser.isSet(line.Verify);
    QTextStream out(stdout);

    if (command == QLatin1String("encode")) {
        if (rest.size() != 1)
            return Usage(QStringLiteral("encode takes one design file"));
        return Commands::Encode(rest.first(), fonts, parser.value(line.Output));
    }
    if (command == QLatin1String("preview")) {
        if (rest.size() != 1)
            return Usage(QStringLiteral("preview takes one design file"));
        bool isNumber = true;
        const int pixelsPerDot = parser.isSet(line.Scale) ? parser.value(line.Scale).toInt(&isNumber) : 1;
        if (!isNumber || pixelsPerDot < 1 || pixelsPerDot > 16)
            return Usage(QStringLiteral("--scale must be a number from 1 to 16"));
        return Commands::Preview(rest.first(), fonts, parser.value(line.Output), pixelsPerDot, options, out);
    }

    if (command == QLatin1String("history"))
        return History(line, rest, out);
    if (command == QLatin1String("job") && rest.value(0) == QLatin1String("check")) {
        if (rest.size() != 2)
            return Usage(QStringLiteral("job check takes one job"));
        return Commands::JobCheck(rest[1], fonts, options, out);
    }

    TConsoleViews views(isatty(STDERR_FILENO) != 0);
    if (command == QLatin1String("discover")) {
        const int collectMs = parser.isSet(line.Timeout) ? parser.value(line.Timeout).toInt() : 3000;
        TConsoleStation station(views, fonts, collectMs + 10000, DiscoveryFrom(parser.value(line.Address)));
        return Commands::Discover(station, collectMs, parser.isSet(line.Identify), options, out);
    }

    if (parser.isSet(line.Printer) == parser.isSet(line.Serial))
        return Usage(QStringLiteral("give the printer with either --printer or --serial"));
    const int timeoutSeconds = parser.isSet(line.Timeout) ? parser.value(line.Timeout).toInt() : 10;
    if (timeoutSeconds <= 0)
        return Usage(QStringLiteral("--timeout must be a number of seconds above 0"));
    if (parser.isSet(line.Set)) {
        options.ClockSet = Commands::ParseClockSetting(parser.value(line.Set));
        if (!options.ClockSet)
            return Usage(QStringLiteral("--set takes a date and time like \"2024-03-05 14:07\""));
    }
    options.ClockSync = parser.isSet(line.Sync);
    if (const QString problem = PrinterCommandUsage(command, rest, options); !problem.isEmpty())
        return Usage(problem);
    if (const QString problem = ReadOperatorAnswers(line, views.Answers); !problem.isEmpty())
        return Usage(problem);
    TPrinterCommandInput input{fonts, {}, {}};
    if (const QString problem = ReadJobEntries(line, input.Entries); !problem.isEmpty())
        return Usage(problem);
    // The job is read before the printer is reached: a job the station refuses needs no printer.
    if (command == QLatin1String("job"))
        if (const int read = Commands::ReadJob(rest[1], fonts, input.Job); read != ExitCode::Ok)
            return read;
    const TPrinterTarget target{parser.isSet(line.Serial),
                                parser.value(parser.isSet(line.Serial) ? line.Serial : line.Printer)};
    const Commands::THistoryRun history(views);
    if (command == QLatin1String("monitor"))
        return Monitor(line, views, fonts, target, timeoutSeconds * 1000, out);

    TConsoleStation station(views, fonts, timeoutSeconds * 1000);
    QString error;
    const int connected = station.Connect(target, &error);
    if (connected != ExitCode::Ok) {
        QTextStream(stderr) << "vexctl: " << error << Qt::endl;
        station.Abandon();
        return connected;
    }
    int result = RunPrinterCommand(station, command, rest, options, input, out);
    // A printer that has stopped answering would not take the disconnect request either.
    if (result == ExitCode::NoAnswer)
        station.Abandon();
    else
        station.Disconnect();
    // An operator answer the window would have refused: the printer got the window's default.
    if (result == ExitCode::Ok && views.RefusedAnswers > 0)
        result = ExitCode::Refused;
    return result;
}
