// What a printer costs the station: 64 simulated printers on loopback, found by discovery and
// connected to one station, (a) the station layer without windows and (b) the window program's
// station offscreen, its printers connected by double clicks in the "Connections" window. For each:
// the resident memory per connected printer above the station alone; the station's CPU while the 64
// printers are connected and idle; the same while every printer changes its state ten times a
// second, and then, still changing, the event loop's latency (how long an event posted from
// another thread waits until it is handled; the 99th percentile). The floor is 64 bare sockets that
// acknowledge the same packets with the link's packet code and nothing else.
//
// Every side runs in a process of its own, and the printers in yet another one, so that each
// process's figures are its own. The figures exclude the list refresh every 30 s, which does not
// fall into the measurements.
#include "BenchSupport.h"
#include "FleetPrinters.h"
#include "FleetSides.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <ctime>
#include <map>

namespace {

constexpr int Printers = 64;
constexpr int ChangesPerSecond = 10;
constexpr int IdleMs = 3000;
constexpr int WarmUpMs = 500;
constexpr int BusyMs = 3000;

double CpuSeconds()
{
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    return double(cpu.tv_sec) + double(cpu.tv_nsec) / 1e9;
}

// Runs the event loop for a while without looking at anything.
void Pass(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

quint16 FreeUdpPort()
{
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
}

// The printers' process; their ports once they listen.
QList<quint16> StartPrinters(QProcess& printers, quint16 discoveryPort)
{
    printers.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    printers.start(QCoreApplication::applicationFilePath(),
                   {"--printers", QString::number(Printers), QString::number(discoveryPort)});
    while (!printers.canReadLine() && printers.waitForReadyRead(20000)) {
    }
    QList<quint16> ports;
    const QList<QByteArray> ready = printers.readLine().trimmed().split(' ');
    if (ready.value(0) != "READY")
        return {};
    for (qsizetype i = 1; i < ready.size(); ++i)
        ports.append(ready[i].toUShort());
    return ports;
}

QByteArray AnswerTo(QProcess& printers, const QByteArray& command)
{
    printers.write(command);
    while (!printers.canReadLine() && printers.waitForReadyRead(10000)) {
    }
    return printers.readLine().trimmed();
}

void Figure(const char* name, double value)
{
    std::printf("%s %f\n", name, value);
    std::fflush(stdout);
}

// One side's figures, printed as "name value" lines for the coordinating process.
int MeasureSide(const QString& kind, quint16 discoveryPort)
{
    const std::unique_ptr<TFleetSide> side = TFleetSide::Make(kind);
    if (!side || !side->Start())
        return 1;
    Pass(500);
    const double aloneMiB = Bench::ResidentMiB();

    QProcess printers;
    const QList<quint16> ports = StartPrinters(printers, discoveryPort);
    if (ports.size() != Printers || !side->ConnectAll(ports)) {
        std::fprintf(stderr, "%s: the printers could not all be connected\n", qPrintable(kind));
        return 1;
    }
    Pass(1000); // the printers' answers to the connection
    Figure("memory_kib", (Bench::ResidentMiB() - aloneMiB) * 1024 / Printers);

    double cpu = CpuSeconds();
    Pass(IdleMs);
    Figure("idle_cpu_percent", (CpuSeconds() - cpu) * 100 * 1000 / IdleMs);

    QElapsedTimer changing;
    changing.start();
    printers.write(QByteArrayLiteral("changes ") + QByteArray::number(ChangesPerSecond) + '\n');
    Pass(WarmUpMs);
    cpu = CpuSeconds();
    Pass(BusyMs);
    Figure("busy_cpu_percent", (CpuSeconds() - cpu) * 100 * 1000 / BusyMs);
    // The probe costs the loop a little itself: it runs after the CPU is measured.
    Bench::TLoopLatencyProbe probe;
    probe.start();
    Pass(BusyMs);
    probe.Stop();
    Figure("busy_p99_ms", probe.P99Ms());
    const QByteArray sent = AnswerTo(printers, "changes 0\n");
    Figure("changes_per_second", sent.mid(5).toDouble() * 1000 / double(changing.elapsed()));
    if (!side->AllStillConnected()) {
        std::fprintf(stderr, "%s: printers were lost while their state changed\n", qPrintable(kind));
        return 1;
    }
    printers.closeWriteChannel();
    printers.waitForFinished(10000);
    return 0;
}

int RunSide(int argc, char* argv[], const QString& kind)
{
    // The station's settings: discovery on loopback, the serial ports mapped to devices that do
    // not exist, so that it finds nothing but the benchmark's printers.
    const std::unique_ptr<QCoreApplication> app = TFleetSide::MakeApplication(kind, argc, argv);
    QTemporaryDir dir;
    const QString settingsFile = dir.filePath(QStringLiteral("settings.ini"));
    const quint16 discoveryPort = FreeUdpPort();
    TFleetSide::WriteSettings(settingsFile, discoveryPort);
    qputenv("VEX_SETTINGS_FILE", settingsFile.toLocal8Bit());
    // The window program records its history, into the run's folder, not the user's.
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    const int result = MeasureSide(kind, discoveryPort);
    std::fflush(stdout);
    return result;
}

using TFigures = std::map<QByteArray, double>;

// The figures of a side measured in a process of its own; empty when it failed.
TFigures MeasureInProcess(const QString& kind)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {"--side", kind});
    if (!child.waitForFinished(300000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return {};
    TFigures figures;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n'))
        if (const QList<QByteArray> words = line.split(' '); words.size() == 2)
            figures[words[0]] = words[1].toDouble();
    return figures;
}

void ReportSide(const char* title, TFigures& side, TFigures& floor)
{
    QByteArray text;
    const auto line = [title, &text](const char* what) {
        text = QByteArray(title) + ": " + what;
        return text.constData();
    };
    Bench::Report(line("memory per connected printer"), side["memory_kib"], "KiB", floor["memory_kib"],
                  "bare sockets");
    Bench::Report(line("CPU, 64 printers idle"), side["idle_cpu_percent"], "%", floor["idle_cpu_percent"],
                  "bare sockets", "< 1 % of a core");
    Bench::Report(line("CPU, 64 printers changing 10/s"), side["busy_cpu_percent"], "%",
                  floor["busy_cpu_percent"], "bare sockets");
    Bench::Report(line("event loop p99 meanwhile"), side["busy_p99_ms"], "ms", floor["busy_p99_ms"],
                  "bare sockets", "< 16 ms");
    Bench::Report(line("state changes handled a second"), side["changes_per_second"], "/s",
                  floor["changes_per_second"], "bare sockets");
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && QByteArray(argv[1]) == "--printers")
        return RunFleetPrinters(argc, argv, QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toUShort());
    if (argc == 3 && QByteArray(argv[1]) == "--side")
        return RunSide(argc, argv, QString::fromLatin1(argv[2]));

    QCoreApplication app(argc, argv);
    TFigures floor = MeasureInProcess(QStringLiteral("floor"));
    TFigures core = MeasureInProcess(QStringLiteral("station"));
    TFigures windows = MeasureInProcess(QStringLiteral("windows"));
    if (floor.empty() || core.empty() || windows.empty())
        return 1;
    ReportSide("fleet, station layer", core, floor);
    ReportSide("fleet, vex offscreen", windows, floor);
    return 0;
}
