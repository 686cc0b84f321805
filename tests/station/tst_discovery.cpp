// Discovery of printers on loopback: simulators answer the station's request sent to the loopback
// broadcast address, each bound to it with the address shared.
#include "FakeTcpPrinter.h"
#include "RecordingViews.h"
#include "SimulatorProcess.h"
#include "coder/Coder.h"
#include "images/FontUnit.h"
#include "station/Station.h"
#include "comm/NetChannel.h"
#include "platform/SettingsStore.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QUdpSocket>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString LoopbackBroadcast = QStringLiteral("127.255.255.255");
constexpr int CollectMs = 700; // the station collects for 3 s; tests need not wait that long

quint16 FreeUdpPort()
{
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
}

quint16 FreeTcpPortIn14000To14009()
{
    for (quint16 port = 14000; port <= 14009; ++port) {
        QTcpServer probe;
        if (probe.listen(QHostAddress::LocalHost, port))
            return port;
    }
    return 0;
}

QByteArray Reply(quint16 port, qsizetype size = 74, const QByteArray& head = QByteArray("\0\0\0\xF9", 4))
{
    QByteArray reply(74, '\0');
    reply.replace(0, 4, head);
    reply[24] = reply[72] = char(port & 0xFF);
    reply[25] = reply[73] = char(port >> 8);
    return reply.left(size);
}

QByteArray ReplyNaming(quint16 portA, quint16 portB)
{
    QByteArray reply = Reply(portA);
    reply[72] = char(portB & 0xFF);
    reply[73] = char(portB >> 8);
    return reply;
}

// A port on loopback where a connection attempt hangs: its listen queue is full and nobody takes
// from it, so further connection requests go unanswered.
class TSilentPort
{
public:
    TSilentPort()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(m_listener, 0);
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_filler = ::socket(AF_INET, SOCK_STREAM, 0);
        ::connect(m_filler, reinterpret_cast<sockaddr*>(&address), length); // takes the one place
    }
    ~TSilentPort()
    {
        ::close(m_filler);
        ::close(m_listener);
    }
    TSilentPort(const TSilentPort&) = delete;
    TSilentPort& operator=(const TSilentPort&) = delete;
    quint16 Port() const { return m_port; }

private:
    int m_listener = -1;
    int m_filler = -1;
    quint16 m_port = 0;
};

} // namespace

class TestDiscovery : public QObject
{
    Q_OBJECT

    quint16 m_discoveryPort = 0;
    TRecordingViews m_views;
    TFontMap m_fonts;
    std::unique_ptr<TStation> m_station;
    TConnectionManager* m_manager = nullptr;
    std::vector<std::unique_ptr<TSimulatorProcess>> m_printers;

    TSimulatorProcess& StartPrinter(const QStringList& arguments)
    {
        auto printer = std::make_unique<TSimulatorProcess>();
        const bool started = printer->Start(
            arguments +
            QStringList{"--discovery", QStringLiteral("%1:%2").arg(LoopbackBroadcast).arg(m_discoveryPort)});
        if (!started)
            qWarning() << "simulator did not start:" << printer->ErrorOutput();
        m_printers.push_back(std::move(printer));
        return *m_printers.back();
    }
    QString NameOf(const TSimulatorProcess& printer) const
    {
        return TNetChannel::NameFor(QStringLiteral("127.0.0.1"), printer.TcpPort());
    }
    // One discovery, to its end.
    void Discover()
    {
        m_manager->NetworkList().BuildList();
        QTRY_VERIFY(!m_manager->NetworkList().CollectTimer().isActive());
    }
    QStringList Found() const
    {
        QStringList names;
        for (const TNetChannel* channel : m_manager->NetworkList().Channels())
            names.append(channel->Name());
        names.sort();
        return names;
    }
    void SendToStation(const QByteArray& datagram)
    {
        QUdpSocket sender;
        sender.writeDatagram(datagram, QHostAddress::LocalHost, m_manager->NetworkList().LocalPort());
    }

private slots:
    void init()
    {
        m_discoveryPort = FreeUdpPort();
        SettingsStore::SetValue(QLatin1String(SettingsStore::DiscoveryAddress), LoopbackBroadcast);
        SettingsStore::SetValue(QLatin1String(SettingsStore::DiscoveryPort), m_discoveryPort);
        SettingsStore::SetValue(QLatin1String(SettingsStore::DiscoveryLocalPort), 0);
        m_views = TRecordingViews();
        m_station = std::make_unique<TStation>(m_views.Views(), m_fonts);
        m_manager = &m_station->Manager();
        m_manager->NetworkList().SetCollectMs(CollectMs);
    }
    void cleanup()
    {
        m_station.reset();
        m_printers.clear();
    }

    void twoPrintersAreFoundAndKept()
    {
        const quint16 ffPort = FreeTcpPortIn14000To14009();
        TSimulatorProcess& a = StartPrinter({"--tcp", "0", "--name", "A"});
        TSimulatorProcess& b = StartPrinter({"--tcp", QString::number(ffPort), "--name", "B"});
        QVERIFY(a.TcpPort() != 0 && b.TcpPort() == ffPort);
        Discover();
        QStringList expected{NameOf(a), NameOf(b)};
        expected.sort();
        QCOMPARE(Found(), expected);
        QCOMPARE(m_views.Entries.size(), 2);
        for (const TNetChannel* channel : m_manager->NetworkList().Channels())
            QVERIFY(!channel->Unanswered());
    }

    void repliesThatAreNotDiscoveryRepliesAreIgnored()
    {
        TFakeTcpPrinter printer;
        m_manager->NetworkList().BuildList();
        QVERIFY(m_manager->NetworkList().LocalPort() != 0);
        SendToStation(Reply(printer.Port(), 74, QByteArray("\0\0\0\xF8", 4)));
        SendToStation(Reply(printer.Port(), 73));
        SendToStation(Reply(printer.Port()));
        SendToStation(Reply(printer.Port()));
        QTRY_COMPARE(m_manager->NetworkList().FoundNames().size(), 4); // two replies, two ports each
        QTRY_COMPARE(m_manager->NetworkList().Count(), 1);
    }

    // Any host can answer a discovery, as often as it likes. Hundreds of forged replies within one
    // discovery, naming ports that answer, ports where a connection hangs, and port 0: the event loop
    // goes on turning, and no more probes are started than the bound.
    void aFloodOfRepliesNeitherFreezesTheStationNorPilesUpChannels()
    {
        constexpr int Ports = 100;
        std::vector<std::unique_ptr<TSilentPort>> silent;
        std::vector<std::unique_ptr<TFakeTcpPrinter>> answering;
        for (int i = 0; i < Ports; ++i) {
            silent.push_back(std::make_unique<TSilentPort>());
            answering.push_back(std::make_unique<TFakeTcpPrinter>());
        }
        QList<QByteArray> replies;
        for (int i = 0; i < 4 * Ports; ++i)
            replies << (i % 4 == 3 ? Reply(0)
                                   : ReplyNaming(silent[i % Ports]->Port(), answering[i % Ports]->Port()));

        TNetworkList& list = m_manager->NetworkList();
        list.SetCollectMs(5000);
        list.BuildList();
        QElapsedTimer clock;
        clock.start();
        qint64 lastTick = 0;
        qint64 longestGap = 0;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        connect(&tick, &QTimer::timeout, this, [&] {
            longestGap = qMax(longestGap, clock.elapsed() - lastTick);
            lastTick = clock.elapsed();
        });
        tick.start(5);
        QUdpSocket sender;
        qsizetype sent = 0;
        QTimer flood;
        connect(&flood, &QTimer::timeout, this, [&] {
            for (int i = 0; i < 50 && sent < replies.size(); ++i)
                sender.writeDatagram(replies[sent++], QHostAddress::LocalHost, list.LocalPort());
        });
        flood.start(10);
        QVERIFY(QTest::qWaitFor([&] { return sent == replies.size(); }, 120000));
        QTest::qWait(300); // the last replies are taken and their probes decided
        tick.stop();
        flood.stop();
        QVERIFY2(longestGap <= 100,
                 qPrintable(QStringLiteral("the event loop stood still for %1 ms").arg(longestGap)));
        const qsizetype made = m_manager->findChildren<TNetChannel*>().size();
        QVERIFY2(made <= TNetworkList::MaxProbesPerDiscovery, qPrintable(QString::number(made)));
        QVERIFY(list.Count() > 0);
        QVERIFY(list.CollectTimer().isActive()); // all of it within the one discovery
        for (const QString& name : list.FoundNames())
            QVERIFY2(!name.endsWith(QLatin1String(" Port 0")), qPrintable(name));
    }

    void aLateReplyStillMakesAChannelWhichTheNextDiscoveryDrops()
    {
        TFakeTcpPrinter printer;
        Discover();
        QCOMPARE(m_manager->NetworkList().Count(), 0);
        SendToStation(Reply(printer.Port()));
        QTRY_COMPARE(m_manager->NetworkList().Count(), 1);
        QTRY_VERIFY(!m_manager->NetworkList().At(0)->Unanswered());
        Discover();
        QCOMPARE(m_manager->NetworkList().Count(), 0);
    }

    void aPrinterThatStopsAnsweringIsDroppedEvenWhenSelected()
    {
        TSimulatorProcess& a = StartPrinter({"--tcp", "0", "--name", "A"});
        TSimulatorProcess& b = StartPrinter({"--tcp", "0", "--name", "B"});
        Discover();
        QCOMPARE(Found().size(), 2);
        for (const TSimulatorProcess* printer : {&a, &b}) {
            TNetChannel* channel =
                m_manager->NetworkList().At(m_manager->NetworkList().IndexOf(NameOf(*printer)));
            QTRY_VERIFY(!channel->LinkTimer().isActive()); // the probe link is closed after its time
            m_manager->ConnectPrinter(channel->Id());
            QTRY_COMPARE(m_manager->SelectedChannel(), channel);
        }
        QCOMPARE(m_manager->SelectedPrinterName(), QStringLiteral("B"));
        b.Command("silent on");
        QTest::qWait(300); // the simulator reads its commands in its own time
        m_views.Calls.clear();
        Discover();
        QCOMPARE(Found(), QStringList{NameOf(a)});
        QCOMPARE(m_manager->ConnectedList().size(), 1);
        QCOMPARE(m_manager->SelectedPrinterName(), QStringLiteral("A"));
        QVERIFY(TCoder::Of(*m_manager->SelectedChannel()).Selected);
        QVERIFY(m_views.Calls.contains(QStringLiteral("ShowDisconnected")));
    }

    void vexctlDiscoverPrintsEveryPrinterPortAndItsIdentity()
    {
        TSimulatorProcess& a = StartPrinter({"--tcp", "0", "--name", "LINE1", "--model", "2"});
        QProcess vexctl;
        vexctl.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        vexctl.start(QStringLiteral(VEX_CTL),
                     {"discover", "--address",
                      QStringLiteral("%1:%2").arg(LoopbackBroadcast).arg(m_discoveryPort), "--timeout",
                      QString::number(CollectMs), "--identify"});
        QVERIFY(vexctl.waitForFinished(30000));
        QCOMPARE(vexctl.exitCode(), 0);
        const QString output = QString::fromLocal8Bit(vexctl.readAllStandardOutput());
        QVERIFY2(output.startsWith(NameOf(a)), qPrintable(output));
        QVERIFY2(output.contains(QLatin1String("LINE1")) && output.contains(QLatin1String("Rigel")),
                 qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestDiscovery)
#include "tst_discovery.moc"
