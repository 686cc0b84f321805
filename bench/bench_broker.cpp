// The station on the broker: simulated printers (a process of their own) through vexd to a
// mosquitto broker of the benchmark's own, and a subscriber. From a printer's state change to the
// subscriber receiving the printer's state: median and p99, while every printer changes its state
// ten times a second; the messages a second the subscriber receives meanwhile. Once with 64 printers
// through one vexd, once with 8 vexd of 16 printers each, with each vexd's CPU and memory. The floor:
// a message from the subscriber's own client through the broker back to it.
#include "BenchSupport.h"
#include "FleetPrinters.h"
#include "MosquittoBroker.h"
#include "broker/MqttClient.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {
constexpr int ChangesPerSecond = 10;
constexpr int LoadMs = 3000;
constexpr int SamplePauseMs = 20;
constexpr quint16 InkBit = 0x0001;

quint16 FreeUdpPort()
{
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
}

double Percentile(std::vector<double> samples, double share)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    return samples[std::min(samples.size() - 1, size_t(share * double(samples.size())))];
}

// A process's CPU seconds (user and system) and resident memory in MiB, from /proc.
double CpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

double ResidentMiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// The printers' process; their ports once they listen.
QList<quint16> StartPrinters(QProcess& printers, int count)
{
    printers.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    printers.start(QCoreApplication::applicationFilePath(),
                   {"--printers", QString::number(count), QString::number(FreeUdpPort())});
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

// The dashboard: every state it receives, by printer name, with the time it came.
class TSubscriber : public QObject
{
public:
    explicit TSubscriber(quint16 port)
    {
        TMqttClient::TOptions options;
        options.Host = QStringLiteral("127.0.0.1");
        options.Port = port;
        options.ClientId = "bench-dashboard";
        options.FirstRetryMs = 50;
        m_client = std::make_unique<TMqttClient>(options);
        connect(m_client.get(), &TMqttClient::Connected, this, [this] {
            m_client->Subscribe("vex/#", 1);
            m_client->Subscribe("bench/echo", 1);
        });
        connect(m_client.get(), &TMqttClient::MessageReceived, this, &TSubscriber::Take);
        m_client->Start();
        m_clock.start();
    }

    qint64 NowNs() const { return m_clock.nsecsElapsed(); }
    bool IsConnected() const { return m_client->IsConnected(); }
    qint64 Messages = 0;
    QHash<QString, quint16> StatusWord;   // each printer's newest state
    QHash<QString, QString> Connection;   // each printer's newest state
    QHash<QString, qint64> WaitingFor;    // printer -> the status word marked (without the ink bit)
    std::vector<double> LatenciesMs;
    QHash<QString, qint64> MarkedAtNs;

    // The floor: a message of the subscriber's own through the broker back to it.
    double EchoMs()
    {
        m_echoed = false;
        const qint64 start = NowNs();
        m_client->Publish("bench/echo", "x", 1, false);
        Bench::Await([this] { return m_echoed; });
        return double(NowNs() - start) / 1e6;
    }

private:
    void Take(const TMqttMessage& message)
    {
        ++Messages;
        if (message.Topic == "bench/echo") {
            m_echoed = true;
            return;
        }
        if (!message.Topic.endsWith("/state"))
            return;
        const QJsonObject state = QJsonDocument::fromJson(message.Payload).object();
        const QString name = state.value(QLatin1String("printer")).toObject().value(QLatin1String("name")).toString();
        const quint16 word = quint16(state.value(QLatin1String("statusWord")).toInt());
        StatusWord.insert(name, word);
        Connection.insert(name, state.value(QLatin1String("connection")).toString());
        if (const auto waiting = WaitingFor.constFind(name);
            waiting != WaitingFor.constEnd() && (word & ~InkBit) == *waiting) {
            LatenciesMs.push_back(double(NowNs() - MarkedAtNs.value(name)) / 1e6);
            WaitingFor.remove(name);
        }
    }

    std::unique_ptr<TMqttClient> m_client;
    QElapsedTimer m_clock;
    bool m_echoed = false;
};

struct TVexd
{
    QProcess Process;
    double CpuAtStart = 0;
};

// vexd with its settings (and its history) in the folder.
bool StartVexd(TVexd& vexd, const QString& folder, const QString& station, const QString& broker,
               const QList<quint16>& ports)
{
    QDir().mkpath(folder);
    QStringList printers;
    for (const quint16 port : ports)
        printers << QStringLiteral("127.0.0.1:%1").arg(port);
    const QString file = QDir(folder).filePath(QStringLiteral("vexd.ini"));
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue(QStringLiteral("MQTT_BROKER"), broker);
        settings.setValue(QStringLiteral("STATION_NAME"), station);
        settings.setValue(QStringLiteral("VEXD_PRINTERS"), printers.join(QLatin1Char(' ')));
        settings.setValue(QStringLiteral("HISTORY_FILE"), QDir(folder).filePath(QStringLiteral("history.sqlite")));
    }
    vexd.Process.setStandardErrorFile(QDir(folder).filePath(QStringLiteral("journal.log")));
    vexd.Process.start(QStringLiteral(VEX_D), {QStringLiteral("--settings"), file});
    return vexd.Process.waitForStarted(10000);
}

// Runs the line: the printers' process, stations vexd of printersEach printers each, the load.
void Run(const TMosquittoBroker& broker, const QString& folder, int stations, int printersEach)
{
    const int count = stations * printersEach;
    QProcess printers;
    const QList<quint16> ports = StartPrinters(printers, count);
    if (ports.size() != count) {
        std::printf("the printers did not start\n");
        return;
    }
    TSubscriber dashboard(broker.Port());
    Bench::Await([&] { return dashboard.IsConnected(); }, 5);
    QElapsedTimer waited;
    waited.start();
    std::vector<std::unique_ptr<TVexd>> vexds;
    for (int s = 0; s < stations; ++s) {
        vexds.push_back(std::make_unique<TVexd>());
        if (!StartVexd(*vexds.back(), QDir(folder).filePath(QStringLiteral("vexd%1").arg(s)),
                       QStringLiteral("BENCH%1").arg(s), broker.Url(), ports.mid(s * printersEach, printersEach))) {
            std::printf("vexd did not start\n");
            return;
        }
    }
    Bench::Await(
        [&] {
            return waited.elapsed() > 30000 ||
                   std::count(dashboard.Connection.cbegin(), dashboard.Connection.cend(), QStringLiteral("connected")) ==
                       count;
        },
        10);
    std::printf("%d printers connected through %d vexd, their states received, %lld ms after vexd started\n", count, stations,
                qint64(waited.elapsed()));

    std::vector<double> echo;
    for (int i = 0; i < 50; ++i)
        echo.push_back(dashboard.EchoMs());

    for (auto& vexd : vexds)
        vexd->CpuAtStart = CpuSeconds(vexd->Process.processId());
    printers.write(QByteArray("changes ") + QByteArray::number(ChangesPerSecond) + '\n');
    const qint64 messagesBefore = dashboard.Messages;
    QElapsedTimer load;
    load.start();
    // Marks: one printer after another takes a status word the benchmark knows.
    for (int sample = 0; load.elapsed() < LoadMs; ++sample) {
        const int printer = sample % count;
        const QString name = QStringLiteral("FLEET%1").arg(printer + 1, 2, 10, QLatin1Char('0'));
        // A word of its own for each mark of the printer (bits 9 to 14), never its ink or print bits.
        const quint16 word = quint16(0x0002 | (((sample / count) % 63 + 1) << 9));
        dashboard.WaitingFor.insert(name, word & ~InkBit);
        dashboard.MarkedAtNs.insert(name, dashboard.NowNs());
        printers.write(QByteArray("status ") + QByteArray::number(printer) + ' ' + QByteArray::number(word) + '\n');
        QElapsedTimer pause;
        pause.start();
        Bench::Await([&] { return pause.elapsed() >= SamplePauseMs; }, 1);
    }
    const double seconds = double(load.elapsed()) / 1000;
    const double messages = double(dashboard.Messages - messagesBefore) / seconds;
    printers.write("changes 0\n");
    while (!printers.canReadLine() && printers.waitForReadyRead(10000)) {
    }
    const double changes = printers.readLine().trimmed().split(' ').value(1).toDouble() / seconds;

    char what[96];
    std::snprintf(what, sizeof what, "%d printers, %d vexd: state change to subscriber, median", count, stations);
    Bench::Report(what, Percentile(dashboard.LatenciesMs, 0.5), "ms", Percentile(echo, 0.5), "broker echo");
    std::snprintf(what, sizeof what, "%d printers, %d vexd: state change to subscriber, p99", count, stations);
    Bench::Report(what, Percentile(dashboard.LatenciesMs, 0.99), "ms", Percentile(echo, 0.99), "broker echo", "< 50 ms");
    std::printf("  %zu samples; %.0f state changes/s sent by the printers, %.0f messages/s received (states and "
                "events)\n",
                dashboard.LatenciesMs.size(), changes, messages);
    for (size_t s = 0; s < vexds.size(); ++s) {
        const qint64 pid = vexds[s]->Process.processId();
        std::printf("  vexd %zu: CPU %.1f %% of a core, resident memory %.1f MiB\n", s,
                    100 * (CpuSeconds(pid) - vexds[s]->CpuAtStart) / seconds, ResidentMiB(pid));
    }
    std::fflush(stdout);
    for (auto& vexd : vexds) {
        vexd->Process.terminate();
        vexd->Process.waitForFinished(10000);
    }
    printers.closeWriteChannel();
    printers.waitForFinished(10000);
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && QByteArray(argv[1]) == "--printers")
        return RunFleetPrinters(argc, argv, QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toUShort());
    QCoreApplication app(argc, argv);
    TMosquittoBroker broker;
    if (!broker.Start()) {
        std::printf("mosquitto did not start\n");
        return 1;
    }
    QTemporaryDir folder;
    Run(broker, folder.filePath(QStringLiteral("one")), 1, 64);
    // A broker that keeps nothing: the first line's retained states do not count for the second.
    if (!broker.Restart()) {
        std::printf("mosquitto did not start again\n");
        return 1;
    }
    Run(broker, folder.filePath(QStringLiteral("eight")), 8, 16);
    return 0;
}
