// vex-printer-sim: one printer of a chosen model that lives in software, for running, testing and
// showing the station without hardware.

#include "SimCommands.h"
#include "SimDiscovery.h"
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
    bool Discovery = true;
    QHostAddress DiscoveryAddress = QHostAddress::LocalHost;
    quint16 DiscoveryPort = 30718;
    double DropIn = 0, NoAck = 0, CorruptOut = 0;
    int AckDelayMs = 0;
    std::optional<quint32> Seed;
    QString LogPath;
    bool ReadStdin = true;
};

[[noreturn]] void Fail(const QString& text, int code = 2)
{
    std::fprintf(stderr, "vex-printer-sim: %s\n", qPrintable(text));
    std::exit(code);
}

qint64 Integer(const QCommandLineParser& parser, const QString& name, qint64 min, qint64 max)
{
    bool ok = false;
    const qint64 value = parser.value(name).toLongLong(&ok);
    if (!ok || value < min || value > max)
        Fail(QStringLiteral("--%1 takes a whole number from %2 to %3").arg(name).arg(min).arg(max));
    return value;
}

double Probability(const QCommandLineParser& parser, const QString& name)
{
    bool ok = false;
    const double value = parser.value(name).toDouble(&ok);
    if (!ok || value < 0 || value > 1)
        Fail(QStringLiteral("--%1 takes a probability from 0 to 1").arg(name));
    return value;
}

QHostAddress Address(const QString& text, const QString& name)
{
    const QHostAddress address(text);
    if (address.isNull())
        Fail(QStringLiteral("--%1: not an IP address: %2").arg(name, text));
    return address;
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
    const QList<QCommandLineOption> options = {
        {QStringLiteral("model"),
         QStringLiteral("Model code 0-5: 0 Altair, 1 Vega, 2 Rigel, 3 Deneb, 4 Cygnus, "
                        "5 Lyra (default 1)."),
         QStringLiteral("CODE"), QStringLiteral("1")},
        {QStringLiteral("name"), QStringLiteral("Printer name (default SIM)."), QStringLiteral("NAME"),
         QStringLiteral("SIM")},
        {QStringLiteral("version"), QStringLiteral("Firmware version text (default 1.00)."),
         QStringLiteral("TEXT"), QStringLiteral("1.00")},
        {QStringLiteral("tcp"),
         QStringLiteral("Serve TCP port A (0 picks a free port). On ports 14000-14009 "
                        "0xFF bytes are doubled on the wire both ways."),
         QStringLiteral("PORT")},
        {QStringLiteral("port-b"),
         QStringLiteral("Serve a second TCP port of the same printer, also named in "
                        "discovery replies (0 picks a free port; needs --tcp)."),
         QStringLiteral("PORT")},
        {QStringLiteral("listen"), QStringLiteral("Address the TCP ports listen on (default 127.0.0.1)."),
         QStringLiteral("ADDR"), QStringLiteral("127.0.0.1")},
        {QStringLiteral("pty"),
         QStringLiteral("Open a pseudo-terminal and speak over it; its slave device is "
                        "the station's serial port.")},
        {QStringLiteral("discovery"),
         QStringLiteral("Answer discovery requests on ADDR:PORT (default "
                        "127.0.0.1:30718; needs --tcp). Bind 127.255.255.255 "
                        "to let several simulators answer on one port."),
         QStringLiteral("ADDR:PORT"), QStringLiteral("127.0.0.1:30718")},
        {QStringLiteral("no-discovery"), QStringLiteral("Do not answer discovery.")},
        {QStringLiteral("memory"),
         QStringLiteral("Image memory in bytes (default 1048576); an image that "
                        "does not fit is refused with InsufficientMemory."),
         QStringLiteral("BYTES"), QStringLiteral("1048576")},
        {QStringLiteral("flash-delay"),
         QStringLiteral("Milliseconds between FlashWriteStarted and "
                        "FlashWriteDone (default 200)."),
         QStringLiteral("MS"), QStringLiteral("200")},
        {QStringLiteral("drop-in"), QStringLiteral("Probability that an incoming packet is lost."),
         QStringLiteral("P"), QStringLiteral("0")},
        {QStringLiteral("no-ack"),
         QStringLiteral("Probability that a data packet is taken but not "
                        "acknowledged."),
         QStringLiteral("P"), QStringLiteral("0")},
        {QStringLiteral("corrupt-out"),
         QStringLiteral("Probability that one byte of an outgoing packet is "
                        "damaged on the wire."),
         QStringLiteral("P"), QStringLiteral("0")},
        {QStringLiteral("ack-delay"), QStringLiteral("Milliseconds to wait before each acknowledgement."),
         QStringLiteral("MS"), QStringLiteral("0")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the random faults, for a repeatable run."),
         QStringLiteral("N")},
        {QStringLiteral("log"),
         QStringLiteral("Write one JSON line per message received or sent: "
                        "{\"dir\":\"in\"|\"out\",\"id\":N,\"sub\":N,\"messageNo\":N,"
                        "\"body\":\"<hex>\"}."),
         QStringLiteral("FILE")},
        {QStringLiteral("no-stdin"), QStringLiteral("Ignore standard input (run in the background); end "
                                                    "with SIGTERM.")},
    };
    parser.addOptions(options);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        Fail(QStringLiteral("unexpected argument: ") + parser.positionalArguments().first());

    TOptions o;
    o.Printer.Model = quint8(Integer(parser, QStringLiteral("model"), 0, 5));
    o.Printer.Name = parser.value(QStringLiteral("name"));
    o.Printer.Version = parser.value(QStringLiteral("version"));
    o.Printer.MemoryBytes = Integer(parser, QStringLiteral("memory"), 0, 0xFFFFFFFFLL);
    o.Printer.FlashDelayMs = int(Integer(parser, QStringLiteral("flash-delay"), 0, 600000));
    if (parser.isSet(QStringLiteral("tcp")))
        o.TcpPort = quint16(Integer(parser, QStringLiteral("tcp"), 0, 65535));
    if (parser.isSet(QStringLiteral("port-b")))
        o.PortB = quint16(Integer(parser, QStringLiteral("port-b"), 0, 65535));
    o.ListenAddress = Address(parser.value(QStringLiteral("listen")), QStringLiteral("listen"));
    o.Pty = parser.isSet(QStringLiteral("pty"));
    if (!o.TcpPort && !o.Pty)
        Fail(QStringLiteral("give --tcp PORT, --pty, or both"));
    if (o.PortB && !o.TcpPort)
        Fail(QStringLiteral("--port-b needs --tcp"));
    // Discovery names TCP ports; without one there is nothing to announce.
    o.Discovery = o.TcpPort && !parser.isSet(QStringLiteral("no-discovery"));
    const QString discovery = parser.value(QStringLiteral("discovery"));
    const qsizetype colon = discovery.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        Fail(QStringLiteral("--discovery takes ADDR:PORT"));
    o.DiscoveryAddress = Address(discovery.left(colon), QStringLiteral("discovery"));
    bool portOk = false;
    o.DiscoveryPort = discovery.mid(colon + 1).toUShort(&portOk);
    if (!portOk)
        Fail(QStringLiteral("--discovery takes ADDR:PORT"));
    o.DropIn = Probability(parser, QStringLiteral("drop-in"));
    o.NoAck = Probability(parser, QStringLiteral("no-ack"));
    o.CorruptOut = Probability(parser, QStringLiteral("corrupt-out"));
    o.AckDelayMs = int(Integer(parser, QStringLiteral("ack-delay"), 0, 600000));
    if (parser.isSet(QStringLiteral("seed")))
        o.Seed = quint32(Integer(parser, QStringLiteral("seed"), 0, 0xFFFFFFFFLL));
    o.LogPath = parser.value(QStringLiteral("log"));
    o.ReadStdin = !parser.isSet(QStringLiteral("no-stdin"));
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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vex-printer-sim"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(VexVersion::Text));
    const TOptions options = ParseOptions(app);

    TSimPrinter printer(options.Printer);
    TSimFaults& faults = printer.Faults();
    faults.DropIncoming = options.DropIn;
    faults.SkipAck = options.NoAck;
    faults.CorruptOutgoing = options.CorruptOut;
    faults.AckDelayMs = options.AckDelayMs;
    if (options.Seed)
        faults.SetSeed(*options.Seed);

    TSimMessageLog log;
    if (!options.LogPath.isEmpty()) {
        if (!log.Open(options.LogPath))
            Fail(QStringLiteral("cannot write the log %1: %2").arg(options.LogPath, log.ErrorString()), 1);
        printer.SetLog(&log);
    }

    TSimTcpServer serverA(printer);
    TSimTcpServer serverB(printer);
    TSimPty pty(printer);
    TSimDiscovery discovery(faults);
    if (options.TcpPort && !serverA.Listen(options.ListenAddress, *options.TcpPort))
        Fail(QStringLiteral("cannot listen on TCP port %1: %2")
                 .arg(*options.TcpPort)
                 .arg(serverA.ErrorString()),
             1);
    if (options.PortB && !serverB.Listen(options.ListenAddress, *options.PortB))
        Fail(
            QStringLiteral("cannot listen on TCP port %1: %2").arg(*options.PortB).arg(serverB.ErrorString()),
            1);
    if (options.Pty && !pty.Open())
        Fail(QStringLiteral("cannot open a pseudo-terminal: ") + pty.ErrorString(), 1);
    if (options.Discovery) {
        discovery.SetPorts(serverA.Port(), options.PortB ? serverB.Port() : serverA.Port());
        if (!discovery.Listen(options.DiscoveryAddress, options.DiscoveryPort))
            Fail(QStringLiteral("cannot answer discovery on %1:%2: %3")
                     .arg(options.DiscoveryAddress.toString())
                     .arg(options.DiscoveryPort)
                     .arg(discovery.ErrorString()),
                 1);
    }

    QuitOnSignals(app);
    std::signal(SIGPIPE, SIG_IGN); // a station or reader that went away is not a reason to die
    std::unique_ptr<TStdinCommands> commands;
    if (options.ReadStdin)
        commands = std::make_unique<TStdinCommands>(printer);

    if (options.PortB)
        std::fprintf(stderr, "vex-printer-sim: port B is %u\n", unsigned(serverB.Port()));
    std::printf("READY tcp=%u pty=%s\n", options.TcpPort ? unsigned(serverA.Port()) : 0u,
                options.Pty ? qPrintable(pty.SlavePath()) : "-");
    std::fflush(stdout);
    return app.exec();
}
