// vex-printer-sim: one printer of a chosen model that lives in software, for running, testing and
// showing the station without hardware.

#include "SimCommands.h"
#include "SimDiscovery.h"
#include "SimLinePacer.h"
#include "SimMessageLog.h"
#include "SimPrinter.h"
#include "SimPty.h"
#include "SimTcpServer.h"

#include "VexVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <sys/socket.h>
#include <unistd.h>

namespace {

struct TOptions
{
    TSimPrinterConfig Printer;
    std::optional<quint16> TcpPort;
    std::optional<quint16> PortB;
    QHostAddress ListenAddress = QHostAddress::LocalHost;
    bool Pty = false;
    int Baud = 0;
    bool Discovery = true;
    QHostAddress DiscoveryAddress = QHostAddress::LocalHost;
    quint16 DiscoveryPort = 30718;
    double DropIn = 0, NoAck = 0, CorruptOut = 0;
    int AckDelayMs = 0;
    int MaxLength = 0;
    std::optional<quint32> Seed;
    QString LogPath;
    QStringList ImageFiles;
    bool ReadStdin = true;
};

[[noreturn]] void Fail(const QString& text, int code = 2)
{
    std::fprintf(stderr, "vex-printer-sim: %s\n", qPrintable(text));
    std::exit(code);
}

qint64 Integer(const QCommandLineParser& parser, const char* name, qint64 min, qint64 max)
{
    bool ok = false;
    const qint64 value = parser.value(QString::fromLatin1(name)).toLongLong(&ok);
    if (!ok || value < min || value > max)
        Fail(QStringLiteral("--%1 takes a whole number from %2 to %3")
                 .arg(QLatin1String(name))
                 .arg(min)
                 .arg(max));
    return value;
}

double Probability(const QCommandLineParser& parser, const char* name)
{
    bool ok = false;
    const double value = parser.value(QString::fromLatin1(name)).toDouble(&ok);
    if (!ok || value < 0 || value > 1)
        Fail(QStringLiteral("--%1 takes a probability from 0 to 1").arg(QLatin1String(name)));
    return value;
}

QHostAddress Address(const QString& text, const char* name)
{
    const QHostAddress address(text);
    if (address.isNull())
        Fail(QStringLiteral("--%1: not an IP address: %2").arg(QLatin1String(name), text));
    return address;
}

// ADDR:PORT of --discovery.
void ReadDiscovery(const QCommandLineParser& parser, TOptions& o)
{
    const QString endpoint = parser.value(QStringLiteral("discovery"));
    const qsizetype colon = endpoint.lastIndexOf(QLatin1Char(':'));
    bool portOk = false;
    o.DiscoveryPort = endpoint.mid(colon + 1).toUShort(&portOk);
    if (colon < 0 || !portOk)
        Fail(QStringLiteral("--discovery takes ADDR:PORT"));
    o.DiscoveryAddress = Address(endpoint.left(colon), "discovery");
}

QCommandLineOption Option(const char* name, const char* help, const char* valueName = nullptr,
                          const char* defaultValue = nullptr)
{
    QCommandLineOption option(QString::fromLatin1(name), QString::fromLatin1(help));
    if (valueName)
        option.setValueName(QString::fromLatin1(valueName));
    if (defaultValue)
        option.setDefaultValue(QString::fromLatin1(defaultValue));
    return option;
}

QList<QCommandLineOption> Options()
{
    return {
        Option("model", "Model code 0-5: 0 Altair, 1 Vega, 2 Rigel, 3 Deneb, 4 Cygnus, 5 Lyra (default 1).",
               "CODE", "1"),
        Option("name", "Printer name (default SIM).", "NAME", "SIM"),
        Option("version", "Firmware version text (default 1.00).", "TEXT", "1.00"),
        Option("tcp",
               "Serve TCP port A (0 picks a free port). On ports 14000-14009 0xFF bytes are doubled on the "
               "wire both ways.",
               "PORT"),
        Option("port-b",
               "Serve a second TCP port of the same printer, also named in discovery replies (0 picks a free "
               "port, shown on standard error; needs --tcp).",
               "PORT"),
        Option("listen", "Address the TCP ports listen on (default 127.0.0.1).", "ADDR", "127.0.0.1"),
        Option("pty", "Open a pseudo-terminal and speak over it; its slave device is the station's serial "
                      "port. Each opening of the port by the station starts a new link."),
        Option("baud",
               "Make the pseudo-terminal a serial line of N baud (50-4000000) with 8N1 framing: bytes go "
               "both ways no faster than N/10 a second, acknowledgements included (needs --pty; default: "
               "as fast as they come).",
               "N"),
        Option("discovery",
               "Answer discovery requests on ADDR:PORT (default 127.0.0.1:30718; needs --tcp). Bind "
               "127.255.255.255 to let several simulators answer on one port; a station on this host whose "
               "discovery socket uses the same port then gets the replies too.",
               "ADDR:PORT", "127.0.0.1:30718"),
        Option("no-discovery", "Do not answer discovery."),
        Option("memory",
               "Image memory in bytes (default 1048576); an image that does not fit is refused with "
               "InsufficientMemory.",
               "BYTES", "1048576"),
        Option("flash-delay", "Milliseconds between FlashWriteStarted and FlashWriteDone (default 200).",
               "MS", "200"),
        Option("state-changes",
               "Change the printer's state N times a second (0-100, default 0): the ink bit of the status "
               "word flips and StatusInfo goes to every connected link that has nothing else in flight.",
               "N", "0"),
        Option("drop-in", "Probability (0-1) that an incoming packet is lost.", "P", "0"),
        Option("no-ack", "Probability that a data packet is taken but not acknowledged.", "P", "0"),
        Option("corrupt-out", "Probability that one byte of an outgoing packet is damaged on the wire.", "P",
               "0"),
        Option("ack-delay", "Milliseconds to wait before each acknowledgement.", "MS", "0"),
        Option("max-length",
               "Drop every data packet whose Length is above N, as a receiver that takes only small "
               "packets does (0: none).",
               "N", "0"),
        Option("seed", "Seed of the random faults, for a repeatable run.", "N"),
        Option("log",
               "Write one JSON line per message received or sent: {\"dir\":\"in\"|\"out\",\"id\":N,"
               "\"sub\":N,\"messageNo\":N,\"body\":\"<hex>\"}; a message sent is written when it starts "
               "to go out.",
               "FILE"),
        Option("image",
               "Store the image of this design file at start, besides the factory images, as a transfer "
               "from the station would (may be given several times).",
               "FILE"),
        Option("no-stdin", "Ignore standard input (to run in the background); end with SIGTERM."),
    };
}

TOptions ParseOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "A printer that lives in software: it speaks the printer side of the protocol over TCP "
            "and a pseudo-terminal and answers discovery on UDP. When everything listens it prints "
            "one line, READY tcp=<port A or 0> pty=<slave device or ->.\n\n") +
        SimCommands::Help());
    parser.addHelpOption();
    const QList<QCommandLineOption> options = Options();
    parser.addOptions(options);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        Fail(QStringLiteral("unexpected argument: ") + parser.positionalArguments().first());

    const auto isSet = [&parser](const char* name) { return parser.isSet(QString::fromLatin1(name)); };
    TOptions o;
    o.Printer.Model = quint8(Integer(parser, "model", 0, 5));
    o.Printer.Name = parser.value(QStringLiteral("name"));
    o.Printer.Version = parser.value(QStringLiteral("version"));
    o.Printer.MemoryBytes = Integer(parser, "memory", 0, 0xFFFFFFFFLL);
    o.Printer.FlashDelayMs = int(Integer(parser, "flash-delay", 0, 600000));
    if (isSet("tcp"))
        o.TcpPort = quint16(Integer(parser, "tcp", 0, 65535));
    if (isSet("port-b"))
        o.PortB = quint16(Integer(parser, "port-b", 0, 65535));
    o.ListenAddress = Address(parser.value(QStringLiteral("listen")), "listen");
    o.Printer.StateChangesPerSecond = int(Integer(parser, "state-changes", 0, 100));
    o.Pty = isSet("pty");
    if (!o.TcpPort && !o.Pty)
        Fail(QStringLiteral("give --tcp PORT, --pty, or both"));
    if (isSet("baud")) {
        if (!o.Pty)
            Fail(QStringLiteral("--baud needs --pty"));
        o.Baud = int(Integer(parser, "baud", TSimLinePace::MinBaud, TSimLinePace::MaxBaud));
    }
    if (o.PortB && !o.TcpPort)
        Fail(QStringLiteral("--port-b needs --tcp"));
    // Discovery names TCP ports; without one there is nothing to announce.
    o.Discovery = o.TcpPort && !isSet("no-discovery");
    ReadDiscovery(parser, o);
    o.DropIn = Probability(parser, "drop-in");
    o.NoAck = Probability(parser, "no-ack");
    o.CorruptOut = Probability(parser, "corrupt-out");
    o.AckDelayMs = int(Integer(parser, "ack-delay", 0, 600000));
    o.MaxLength = int(Integer(parser, "max-length", 0, 1024));
    if (isSet("seed"))
        o.Seed = quint32(Integer(parser, "seed", 0, 0xFFFFFFFFLL));
    o.LogPath = parser.value(QStringLiteral("log"));
    o.ImageFiles = parser.values(QStringLiteral("image"));
    o.ReadStdin = !isSet("no-stdin");
    return o;
}

// SIGTERM and SIGINT end the event loop through a socket pair, the only safe way out of a handler.
int SignalPipe[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(SignalPipe[1], &byte, 1);
}

void QuitOnSignals(QCoreApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, SignalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

// Reads the operator's commands line by line; the end of the input ends the program.
class TStdinCommands : public QObject
{
public:
    explicit TStdinCommands(TSimPrinter& printer)
        : m_printer(printer), m_notifier(STDIN_FILENO, QSocketNotifier::Read, this)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &TStdinCommands::OnReadable);
    }

private:
    void OnReadable()
    {
        char buffer[4096];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count < 0 && (errno == EINTR || errno == EAGAIN))
            return;
        if (count <= 0) {
            m_notifier.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        m_line.append(buffer, count);
        qsizetype end;
        while ((end = m_line.indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(m_line.left(end));
            m_line.remove(0, end + 1);
            const SimCommands::TResult result = SimCommands::Execute(m_printer, line);
            if (!result.Error.isEmpty())
                std::fprintf(stderr, "vex-printer-sim: %s\n", qPrintable(result.Error));
            if (result.Quit) {
                m_notifier.setEnabled(false);
                QCoreApplication::quit();
                return;
            }
        }
    }

    TSimPrinter& m_printer;
    QSocketNotifier m_notifier;
    QByteArray m_line;
};

// Everything the printer is reached by.
struct TMedia
{
    explicit TMedia(TSimPrinter& printer)
        : ServerA(printer), ServerB(printer), Pty(printer), Discovery(printer.Faults())
    {}

    // Empty when everything listens; otherwise what could not be opened, and why.
    QString Open(const TOptions& o)
    {
        if (o.TcpPort && !ServerA.Listen(o.ListenAddress, *o.TcpPort))
            return QStringLiteral("cannot listen on TCP port %1: %2")
                .arg(*o.TcpPort)
                .arg(ServerA.ErrorString());
        if (o.PortB && !ServerB.Listen(o.ListenAddress, *o.PortB))
            return QStringLiteral("cannot listen on TCP port %1: %2")
                .arg(*o.PortB)
                .arg(ServerB.ErrorString());
        Pty.SetBaud(o.Baud);
        if (o.Pty && !Pty.Open())
            return QStringLiteral("cannot open a pseudo-terminal: ") + Pty.ErrorString();
        if (!o.Discovery)
            return {};
        Discovery.SetPorts(ServerA.Port(), o.PortB ? ServerB.Port() : ServerA.Port());
        if (!Discovery.Listen(o.DiscoveryAddress, o.DiscoveryPort))
            return QStringLiteral("cannot answer discovery on %1:%2: %3")
                .arg(o.DiscoveryAddress.toString())
                .arg(o.DiscoveryPort)
                .arg(Discovery.ErrorString());
        return {};
    }

    TSimTcpServer ServerA;
    TSimTcpServer ServerB;
    TSimPty Pty;
    TSimDiscovery Discovery;
};

void SetFaults(TSimFaults& faults, const TOptions& options)
{
    faults.DropIncoming = options.DropIn;
    faults.SkipAck = options.NoAck;
    faults.CorruptOutgoing = options.CorruptOut;
    faults.AckDelayMs = options.AckDelayMs;
    faults.MaxDataLength = options.MaxLength;
    if (options.Seed)
        faults.SetSeed(*options.Seed);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vex-printer-sim"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(VexVersion::Text));
    const TOptions options = ParseOptions(app);

    TSimPrinter printer(options.Printer);
    SetFaults(printer.Faults(), options);
    for (const QString& file : options.ImageFiles)
        if (const QString refused = printer.State().StoreDesignFile(file); !refused.isEmpty())
            Fail(refused);
    TSimMessageLog log;
    if (!options.LogPath.isEmpty()) {
        if (!log.Open(options.LogPath))
            Fail(QStringLiteral("cannot write the log %1: %2").arg(options.LogPath, log.ErrorString()), 1);
        printer.SetLog(&log);
    }
    TMedia media(printer);
    if (const QString error = media.Open(options); !error.isEmpty())
        Fail(error, 1);

    QuitOnSignals(app);
    std::signal(SIGPIPE, SIG_IGN); // a station or reader that went away is not a reason to die
    std::unique_ptr<TStdinCommands> commands;
    if (options.ReadStdin)
        commands = std::make_unique<TStdinCommands>(printer);

    if (options.PortB)
        std::fprintf(stderr, "vex-printer-sim: port B is %u\n", unsigned(media.ServerB.Port()));
    std::printf("READY tcp=%u pty=%s\n", options.TcpPort ? unsigned(media.ServerA.Port()) : 0u,
                options.Pty ? qPrintable(media.Pty.SlavePath()) : "-");
    std::fflush(stdout);
    return app.exec();
}
