// vexctl: the station on the command line, for scripts and production-line integration.
#include "Commands.h"
#include "ConsoleStation.h"
#include "VexVersion.h"
#include "images/FontUnit.h"
#include "platform/StationClock.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <memory>

#include <unistd.h>

namespace {

const char* const Description = R"(The Telvos Vex station on the command line.

Commands without a printer:
  encode FILE [--fontmap PATH] [-o OUT]
        Reads an image design file as a transfer does and writes the image message body
        the printer would get (standard output unless -o). Exit 3 with the station's
        message when the station would refuse the image.
  preview FILE [-o PNG] [--scale N] [--json]
        Draws an image design file as the printer will place it, one pixel per printer
        dot (N x N pixels with --scale), into a PNG (FILE's name with .png, in the current
        folder, unless -o), lists every item with how it is drawn, and reads every barcode
        back. Exit 3 with the station's message when the station would refuse the file,
        6 when a barcode does not read back as its data.
  discover [--address ADDR[:PORT]] [--timeout MS] [--identify] [--json]
        One printer discovery (UDP): prints every printer port that answers, as
        "192.0.2.7 Port 3000". --address overrides the settings' discovery address and
        port for this run; --timeout is how long replies are collected (default 3000 ms);
        --identify connects to each printer briefly and adds its name, model and version.

Commands for one printer, given with --printer HOST[:PORT] (TCP, port 3000 unless given)
or --serial COMn|DEVICE:
  status            name, model, version, current images, printing, print count,
                    status word, free memory and stored images
  images            the images stored in the printer, one per line
  send FILE...      transfers image design files one after another; a file the station
                    refuses, or whose image the printer holds already (unless --overwrite),
                    is reported and passed over; ends with the printer's flash write.
                    --verify: a file whose barcodes do not read back is passed over too
  print IMAGE [IMAGE_B]   starts printing (IMAGE_B for the two-head model)
  stop              stops printing
  delete NAME...    deletes images, one after another, then the flash write; the
                    printer's protected image and names it does not hold are passed over
The printer is connected first and disconnected cleanly at the end. Printer faults that
arrive meanwhile are printed on standard error; operator requests are answered as closing
their window without an entry would answer them, and reported there. --timeout is how
long the printer may leave a packet or a request unanswered (default 10 s); a long
transfer goes on as long as the printer keeps acknowledging.

Exit codes: 0 done; 2 usage, or a file or serial port that cannot be opened, read or
written; 3 an image refused (encode; send with files passed over) or, for delete, names
passed over; 4 the printer ended a transfer (insufficient memory, transfer failed); 5 the
printer does not answer within --timeout; 6 a barcode that does not read back (preview).

Environment: VEX_SETTINGS_FILE names the settings file to use; VEX_NOW fixes the
station's clock (the day that date items count from, the operator date) at a local
date and time such as 2024-03-05T10:00:00.)";

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

} // namespace

int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> app = Application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vexctl"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(VexVersion::Text));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(Description));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption printer(QStringLiteral("printer"), QStringLiteral("Printer on the network."),
                                     QStringLiteral("HOST[:PORT]"));
    const QCommandLineOption serial(QStringLiteral("serial"), QStringLiteral("Printer on a serial port."),
                                    QStringLiteral("COMn|DEVICE"));
    const QCommandLineOption timeout(
        QStringLiteral("timeout"),
        QStringLiteral("Printer commands: seconds the printer may leave unanswered "
                       "(default 10). discover: milliseconds to collect replies (default 3000)."),
        QStringLiteral("N"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Machine-readable output."));
    const QCommandLineOption overwrite(QStringLiteral("overwrite"),
                                       QStringLiteral("send: replace images the printer holds already."));
    const QCommandLineOption fontmap(QStringLiteral("fontmap"),
                                     QStringLiteral("Font map file (default: the station's own)."),
                                     QStringLiteral("PATH"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("encode: write the body to this file; preview: the PNG."),
                                    QStringLiteral("OUT"));
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("preview: pixels per printer dot, 1 to 16 (default 1)."),
                                   QStringLiteral("N"));
    const QCommandLineOption verify(QStringLiteral("verify"),
                                    QStringLiteral("send: pass over files whose barcodes do not read back."));
    const QCommandLineOption address(QStringLiteral("address"),
                                     QStringLiteral("discover: where the discovery request goes."),
                                     QStringLiteral("ADDR[:PORT]"));
    const QCommandLineOption identify(QStringLiteral("identify"),
                                      QStringLiteral("discover: connect to each printer for its identity."));
    parser.addOptions(
        {printer, serial, timeout, json, overwrite, fontmap, output, scale, address, identify, verify});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("What to do; see above."));
    parser.process(*app);

    if (!StationClock::FixFromEnvironment())
        return Usage(QStringLiteral("%1 must name a date and time like 2024-03-05T10:00:00")
                         .arg(QLatin1String(StationClock::FixedNowVariable)));
    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return Usage(QStringLiteral("no command given"));
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    const TFontMap fonts =
        parser.isSet(fontmap) ? TFontMap::Load(parser.value(fontmap)) : TFontMap::LoadForStation();
    Commands::TOptions options{parser.isSet(json), parser.isSet(overwrite), parser.isSet(verify)};
    QTextStream out(stdout);

    if (command == QLatin1String("encode")) {
        if (rest.size() != 1)
            return Usage(QStringLiteral("encode takes one design file"));
        return Commands::Encode(rest.first(), fonts, parser.value(output));
    }
    if (command == QLatin1String("preview")) {
        if (rest.size() != 1)
            return Usage(QStringLiteral("preview takes one design file"));
        bool isNumber = true;
        const int pixelsPerDot = parser.isSet(scale) ? parser.value(scale).toInt(&isNumber) : 1;
        if (!isNumber || pixelsPerDot < 1 || pixelsPerDot > 16)
            return Usage(QStringLiteral("--scale must be a number from 1 to 16"));
        return Commands::Preview(rest.first(), fonts, parser.value(output), pixelsPerDot, options, out);
    }

    TConsoleViews views(isatty(STDERR_FILENO) != 0);
    if (command == QLatin1String("discover")) {
        const int collectMs = parser.isSet(timeout) ? parser.value(timeout).toInt() : 3000;
        TConsoleStation station(views, fonts, collectMs + 10000, DiscoveryFrom(parser.value(address)));
        return Commands::Discover(station, collectMs, parser.isSet(identify), options, out);
    }

    if (parser.isSet(printer) == parser.isSet(serial))
        return Usage(QStringLiteral("give the printer with either --printer or --serial"));
    const int timeoutSeconds = parser.isSet(timeout) ? parser.value(timeout).toInt() : 10;
    if (timeoutSeconds <= 0)
        return Usage(QStringLiteral("--timeout must be a number of seconds above 0"));
    const bool known = QStringList{"status", "images", "send", "print", "stop", "delete"}.contains(command);
    if (!known)
        return Usage(QStringLiteral("unknown command '%1'").arg(command));
    if ((command == QLatin1String("send") || command == QLatin1String("delete")) && rest.isEmpty())
        return Usage(QStringLiteral("%1 needs at least one name").arg(command));
    if (command == QLatin1String("print") && (rest.isEmpty() || rest.size() > 2))
        return Usage(QStringLiteral("print takes IMAGE [IMAGE_B]"));

    TConsoleStation station(views, fonts, timeoutSeconds * 1000);
    QString error;
    const int connected = parser.isSet(printer) ? station.ConnectNetwork(parser.value(printer), &error)
                                                : station.ConnectSerial(parser.value(serial), &error);
    if (connected != ExitCode::Ok) {
        QTextStream(stderr) << "vexctl: " << error << Qt::endl;
        station.Abandon();
        return connected;
    }
    int result = ExitCode::Ok;
    if (command == QLatin1String("status"))
        result = Commands::Status(station, options, out);
    else if (command == QLatin1String("images"))
        result = Commands::Images(station, options, out);
    else if (command == QLatin1String("send"))
        result = Commands::Send(station, rest, options);
    else if (command == QLatin1String("print"))
        result = Commands::Print(station, rest.value(0), rest.value(1));
    else if (command == QLatin1String("stop"))
        result = Commands::Stop(station);
    else
        result = Commands::Delete(station, rest);
    // A printer that has stopped answering would not take the disconnect request either.
    if (result == ExitCode::NoAnswer)
        station.Abandon();
    else
        station.Disconnect();
    return result;
}
