// Printers that come back by themselves. (1) One printer switched off and on 50 times, the station
// layer keeping it connected with a short first pause: from the printer's first answer (its connect
// acknowledgement) to the station showing it connected, from the station's attempt to the same, and
// from the printer being back (listening again) to the same, the pause in force included; the floor
// is a bare socket that connects and asks for the connection. (2) 64 printers connected in the
// window program offscreen (the composition root in this process, the printers in another one), each
// switched off once at a random moment within two seconds and on again 300 ms later: all 64 connected
// again, none twice, and the event loop's longest stall meanwhile, against the same time with all 64
// idle.
#include "BenchSupport.h"
#include "FleetPrinters.h"
#include "FleetSides.h"
#include "PrinterLink.h"
#include "SimPrinter.h"
#include "SimTcpServer.h"

#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "comm/NetChannel.h"
#include "comm/XLPacketAssembler.h"
#include "images/FontUnit.h"
#include "station/Reconnection.h"
#include "station/SilentViews.h"
#include "station/Station.h"

#include <QApplication>
#include <QProcess>
#include <QSet>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <vector>

namespace {

constexpr int Restarts = 50;
constexpr int OffMs = 50;
constexpr int FirstPauseMs = 20;
constexpr int StormPrinters = 64;
constexpr int StormWindowMs = 2000;
constexpr int StormOffMs = 300;
constexpr int WaitMs = 30000;

double Ms(qint64 ns)
{
    return double(ns) / 1e6;
}

double Percentile(std::vector<double> values, int percent)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, values.size() * size_t(percent) / 100)];
}

bool AwaitWithin(const std::function<bool()>& done, int ms = WaitMs)
{
    QElapsedTimer clock;
    clock.start();
    Bench::Await([&] { return done() || clock.elapsed() > ms; }, 1);
    return done();
}

bool IsConnectAck(const TXLMessage& message)
{
    return message.Id == XLReceive::ConnectionId && message.Sub != XLReceive::DisconnectNoticeSub;
}

// A socket that connects to the printer and asks for the connection, with the link's packet code and
// nothing else: the least any station needs to have a printer back.
double BareReconnectMs(quint16 port)
{
    QTcpSocket socket;
    QElapsedTimer clock;
    bool acknowledged = false;
    TXLPacketAssembler assembler([&](std::unique_ptr<TXLPacket> packet) {
        if (packet->IsAcknowledgement())
            return;
        socket.write(TXLPacket::AcknowledgementOf(*packet).Stream.Bytes());
        acknowledged = acknowledged || IsConnectAck(TXLMessage(packet->MsgId, packet->MsgSub));
    });
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { assembler.ProcessBytes(socket.readAll()); });
    QObject::connect(&socket, &QTcpSocket::connected, [&] {
        socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        TXLMessage request(XLSend::ConnectRequest);
        TXLPacket packet(0);
        packet.MessageNo = 1;
        packet.PacketNo = 1;
        packet.BuildFromMessage(request);
        socket.write(packet.Stream.Bytes());
    });
    clock.start();
    socket.connectToHost(QHostAddress::LocalHost, port);
    AwaitWithin([&] { return acknowledged; });
    const double ms = Ms(clock.nsecsElapsed());
    socket.abort();
    return acknowledged ? ms : -1;
}

struct TRestartFigures
{
    std::vector<double> AnswerToShownMs;
    std::vector<double> AttemptToShownMs;
    std::vector<double> BackToShownMs;
    std::vector<double> PauseMs; // the pause before the attempt that found the printer
    std::vector<double> FloorMs;
};

// (1) The station layer and one printer, both in this process.
bool MeasureRestarts(TRestartFigures& figures)
{
    TSimPrinterConfig config;
    config.Name = QStringLiteral("LINE1");
    TSimPrinter printer(config);
    TSimTcpServer server(printer);
    if (!server.Listen(QHostAddress::LocalHost, 0))
        return false;
    const quint16 port = server.Port();

    TSilentViews views;
    const TFontMap fonts;
    TStation station(views.Views(), fonts, TDiscoveryAddress::NothingToFind());
    TReconnection& reconnection = station.Reconnection();
    TReconnectionTimes times;
    times.FirstPauseMs = FirstPauseMs;
    reconnection.SetTimes(times);
    reconnection.SetKeepsConnectedPrinters(true);
    TConnectionManager& manager = station.Manager();
    const QPointer<TNetChannel> channel = manager.AddNetworkPrinter(QStringLiteral("127.0.0.1"), port);
    if (!AwaitWithin([&] { return !channel || channel->Probed(); }) || !channel)
        return false;
    channel->Close(); // ends the probe: connecting opens the link afresh
    manager.ConnectPrinter(channel->Id());
    manager.RefreshListView();
    const quint64 id = channel->Id();
    const auto shownAs = [&station, id](TPrinterLineState::TConnection connection) {
        const std::optional<TPrinterLineState> state = station.Line().StateOf(id);
        return state && state->Connection == connection;
    };
    if (!AwaitWithin([&] { return shownAs(TPrinterLineState::TConnection::Connected); }))
        return false;

    QElapsedTimer clock;
    clock.start();
    qint64 answered = 0;
    qint64 attempted = 0;
    int lastPauseMs = 0;
    QObject::connect(&printer, &TSimPrinter::LinkAdded, &printer, [&](TPrinterLink& link) {
        QObject::connect(&link, &TPrinterLink::MessageStarted, &link, [&](const TXLMessage& message) {
            if (IsConnectAck(message) && answered == 0)
                answered = clock.nsecsElapsed();
        });
    });
    QObject::connect(&reconnection, &TReconnection::Reconnecting, &reconnection,
                     [&](TCommChannel&, int pauseMs, int) { lastPauseMs = pauseMs; });
    int attempts = 0;
    QObject::connect(&reconnection, &TReconnection::StateChanged, &reconnection, [&](quint64) {
        const int now = reconnection.Progress(id).value_or(TReconnection::TProgress()).Attempts;
        if (now > attempts)
            attempted = clock.nsecsElapsed();
        attempts = now;
    });
    qint64 shown = 0;
    QObject::connect(&station.Line(), &TLineModel::PrinterChanged, &station,
                     [&](const TPrinterLineState& state) {
                         if (state.Connection == TPrinterLineState::TConnection::Connected && shown == 0)
                             shown = clock.nsecsElapsed();
                     });
    for (int restart = 0; restart < Restarts; ++restart) {
        server.Close();
        if (!AwaitWithin([&] { return shownAs(TPrinterLineState::TConnection::Reconnecting); }))
            return false;
        Bench::Await([&, until = clock.elapsed() + OffMs] { return clock.elapsed() >= until; }, 1);
        answered = shown = 0;
        if (!server.Listen(QHostAddress::LocalHost, port))
            return false;
        const qint64 back = clock.nsecsElapsed();
        if (!AwaitWithin([&] { return shown != 0; }) || answered == 0)
            return false;
        figures.AnswerToShownMs.push_back(Ms(shown - answered));
        figures.AttemptToShownMs.push_back(Ms(shown - attempted));
        figures.BackToShownMs.push_back(Ms(shown - back));
        figures.PauseMs.push_back(lastPauseMs);
        figures.FloorMs.push_back(BareReconnectMs(port));
    }
    return true;
}

quint16 FreeUdpPort()
{
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
}

QByteArray AwaitLine(QProcess& process)
{
    while (!process.canReadLine() && process.waitForReadyRead(WaitMs)) {
    }
    return process.readLine().trimmed();
}

struct TStormFigures
{
    double IdleLongestStallMs = 0;
    double StormLongestStallMs = 0;
    double AllBackMs = 0;
    int Connected = 0;
    int Distinct = 0;
    int Listed = 0;
};

// (2) The window program in this process, its printers in another one.
bool MeasureStorm(quint16 discoveryPort, TStormFigures& figures)
{
    QProcess printers;
    printers.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    printers.start(QCoreApplication::applicationFilePath(),
                   {"--printers", QString::number(StormPrinters), QString::number(discoveryPort)});
    const QList<QByteArray> ready = AwaitLine(printers).split(' ');
    QList<quint16> ports;
    for (qsizetype i = 1; i < ready.size(); ++i)
        ports.append(ready[i].toUShort());
    const std::unique_ptr<TFleetSide> vex = TFleetSide::Make(QStringLiteral("windows"));
    // Which step failed, for whoever reads a failed run.
    const auto failed = [](const char* step) {
        std::fprintf(stderr, "bench_reconnect: %s\n", step);
        return false;
    };
    if (ready.value(0) != "READY" || ports.size() != StormPrinters)
        return failed("the printers did not start");
    if (!vex->Start())
        return failed("vex did not start");
    if (!vex->ConnectAll(ports))
        return failed("vex did not find and connect every printer");
    TStation& station = *vex->Station();

    Bench::TLoopLatencyProbe idle;
    idle.start();
    Bench::Await([&, until = QDeadlineTimer(StormWindowMs + 2000)] { return until.hasExpired(); }, 10);
    idle.Stop();
    figures.IdleLongestStallMs = idle.LongestMs();

    const TLineModel& line = station.Line();
    Bench::TLoopLatencyProbe storm;
    storm.start();
    QElapsedTimer clock;
    clock.start();
    printers.write(QByteArrayLiteral("restart ") + QByteArray::number(StormWindowMs) + ' ' +
                   QByteArray::number(StormOffMs) + '\n');
    // Every printer goes once: the station has them all back when it counts them all connected after
    // the last one is on again.
    bool restarted = false;
    QObject::connect(&printers, &QProcess::readyReadStandardOutput, &printers, [&] {
        restarted = restarted || printers.readAllStandardOutput().contains("restarted");
    });
    const bool allBack = AwaitWithin([&] {
        return restarted && line.Counts().Connected == StormPrinters && line.Counts().Reconnecting == 0;
    });
    figures.AllBackMs = double(clock.elapsed());
    storm.Stop();
    figures.StormLongestStallMs = storm.LongestMs();

    const QList<TCommChannel*>& connected = station.Manager().ConnectedList();
    QSet<QString> names;
    for (const TCommChannel* printer : connected)
        names.insert(TCoder::Of(*printer).PrinterName);
    figures.Connected = int(connected.size());
    figures.Distinct = int(names.size());
    figures.Listed = int(station.Manager().Entries().size());
    printers.closeWriteChannel();
    printers.waitForFinished(10000);
    return allBack;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && QByteArray(argv[1]) == "--printers")
        return RunFleetPrinters(argc, argv, QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toUShort());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The station's settings: discovery on loopback, the serial ports mapped to devices that do not
    // exist; its history in the run's folder.
    QTemporaryDir dir;
    const quint16 discoveryPort = FreeUdpPort();
    const QString settings = dir.filePath(QStringLiteral("settings.ini"));
    TFleetSide::WriteSettings(settings, discoveryPort);
    qputenv("VEX_SETTINGS_FILE", settings.toLocal8Bit());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());

    TRestartFigures restarts;
    if (!MeasureRestarts(restarts)) {
        std::fprintf(stderr, "bench_reconnect: the printer did not come back\n");
        return 1;
    }
    const double floor = Percentile(restarts.FloorMs, 50);
    Bench::Report("reconnect: printer's answer -> shown, median", Percentile(restarts.AnswerToShownMs, 50), "ms",
                  floor, "bare connect -> ack", "< 1000 ms");
    Bench::Report("reconnect: printer's answer -> shown, p99", Percentile(restarts.AnswerToShownMs, 99), "ms",
                  floor, "bare connect -> ack", "< 1000 ms");
    Bench::Report("reconnect: station's attempt -> shown, median", Percentile(restarts.AttemptToShownMs, 50),
                  "ms", floor, "bare connect -> ack");
    Bench::Report("reconnect: printer back -> shown, median", Percentile(restarts.BackToShownMs, 50), "ms",
                  Percentile(restarts.PauseMs, 50), "pause in force");
    Bench::Report("reconnect: printer back -> shown, p99", Percentile(restarts.BackToShownMs, 99), "ms",
                  Percentile(restarts.PauseMs, 99), "pause in force");

    TStormFigures storm;
    const bool allBack = MeasureStorm(discoveryPort, storm);
    std::printf("storm: %d of %d printers connected again (%d distinct, %d listed) in %.0f ms\n", storm.Connected,
                StormPrinters, storm.Distinct, storm.Listed, storm.AllBackMs);
    Bench::Report("storm of 64 restarts: longest event loop stall", storm.StormLongestStallMs, "ms",
                  storm.IdleLongestStallMs, "64 idle", "< 50 ms");
    if (!allBack || storm.Connected != StormPrinters || storm.Distinct != StormPrinters ||
        storm.Listed != StormPrinters) {
        std::fprintf(stderr, "bench_reconnect: the printers did not all come back once\n");
        return 1;
    }
    return 0;
}
