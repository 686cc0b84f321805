// The station's network and serial channels against the printer simulator, over loopback TCP and a
// pseudo-terminal.
#include "RecordingViews.h"
#include "coder/Coder.h"
#include "SimulatorProcess.h"
#include "comm/NetChannel.h"
#include "comm/SerialChannel.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// The medium under test, connected to a simulator started with the given extra arguments.
struct TLink
{
    TSimulatorProcess Printer;
    std::unique_ptr<TCommChannel> Channel;

    bool Open(const QString& medium, TCoderEvents& events, const QStringList& arguments)
    {
        if (medium == QLatin1String("tcp")) {
            if (!Printer.Start(QStringList{"--tcp", "0", "--no-discovery"} + arguments))
                return false;
            auto channel =
                std::make_unique<TNetChannel>(QStringLiteral("127.0.0.1"), Printer.TcpPort(), TCoder::Factory(events));
            channel->Close(); // ends the probe; the connection is opened afresh
            Channel = std::move(channel);
        } else {
            if (!Printer.Start(QStringList{"--pty"} + arguments))
                return false;
            Channel = std::make_unique<TSerialChannel>(QStringLiteral("COM9"), 9, TCoder::Factory(events), nullptr,
                                                       Printer.PtyDevice());
        }
        Channel->Connect();
        return true;
    }
};

} // namespace

class TestChannelSimulator : public QObject
{
    Q_OBJECT

    TRecordingCoderEvents m_views;

    void AddMediaRows()
    {
        QTest::addColumn<QString>("medium");
        QTest::newRow("tcp") << "tcp";
        QTest::newRow("pty") << "pty";
    }

private slots:
    void init() { m_views = TRecordingCoderEvents(); }

    void connectingFillsThePrintersState_data() { AddMediaRows(); }
    void connectingFillsThePrintersState()
    {
        QFETCH(QString, medium);
        TLink link;
        QVERIFY2(link.Open(medium, m_views, {"--model", "3", "--name", "LINE9", "--version", "2.5"}),
                 qPrintable(link.Printer.ErrorOutput()));
        const TCoder& coder = TCoder::Of(*link.Channel);
        QTRY_COMPARE(coder.Images, (QStringList{"Telvos", "DEMO"}));
        QVERIFY(coder.Connected);
        QCOMPARE(coder.Model, quint8(3));
        QCOMPARE(coder.DisplayName(), QStringLiteral("Deneb - LINE9"));
        QCOMPARE(coder.Version, QStringLiteral("2.5"));
        QCOMPARE(coder.ProtectedImage, QStringLiteral("Telvos"));
        QVERIFY(coder.FreeMemory > 0);

        link.Channel->SendDisconnect();
        QTRY_VERIFY(!link.Channel->IsConnected());
        QTRY_COMPARE(
            link.Printer.ReceivedBodies(XLSend::DisconnectRequest.Id, XLSend::DisconnectRequest.Sub).size(),
            1);
    }

    // A printer whose receiver takes only small packets: the image arrives once and whole in packets
    // of that size. The retry timer is driven faster than its interval.
    void anImageReachesAPrinterThatTakesOnlySmallPackets_data()
    {
        QTest::addColumn<QString>("medium");
        QTest::addColumn<int>("maxLength");
        QTest::newRow("tcp, 512") << "tcp" << 512;
        QTest::newRow("tcp, 128") << "tcp" << 128;
        QTest::newRow("pty, 128") << "pty" << 128;
    }
    void anImageReachesAPrinterThatTakesOnlySmallPackets()
    {
        QFETCH(QString, medium);
        QFETCH(int, maxLength);
        QByteArray body("SMALL", 6);
        for (int i = 0; body.size() < 2560; ++i)
            body += char(i * 37 + 11);

        TLink link;
        QVERIFY(link.Open(medium, m_views, {"--max-length", QString::number(maxLength)}));
        QTRY_VERIFY_WITH_TIMEOUT(link.Channel->IsConnected() && link.Channel->QueuedMessages() == 0, 20000);
        auto message = std::make_unique<TXLMessage>(XLSend::ImageData);
        message->WriteBytes(body);
        link.Channel->QueueMessage(std::move(message));
        int expiries = 0;
        QTimer hurry;
        connect(&hurry, &QTimer::timeout, this, [&] {
            if (link.Channel->RetryTimer().isActive() && expiries < 400) {
                ++expiries;
                link.Channel->OnRetryTimer();
            }
        });
        hurry.start(20);
        QTRY_VERIFY_WITH_TIMEOUT(link.Channel->QueuedMessages() == 0 || expiries >= 400, 30000);
        hurry.stop();
        QCOMPARE(link.Channel->QueuedMessages(), 0);
        QTRY_COMPARE(link.Printer.ReceivedBodies(XLSend::ImageData.Id, XLSend::ImageData.Sub).size(), 1);
        QCOMPARE(link.Printer.ReceivedBodies(XLSend::ImageData.Id, XLSend::ImageData.Sub).first(), body);
    }

    // A tenth of the packets is lost on the way to the printer and a tenth of the acknowledgements
    // on the way back; the image arrives once and whole. The retry timer is driven faster than its interval,
    // which only adds repeats the printer must recognise.
    void anImageArrivesOnceAndWholeThroughLossBothWays_data() { AddMediaRows(); }
    void anImageArrivesOnceAndWholeThroughLossBothWays()
    {
        QFETCH(QString, medium);
        QByteArray body("LOSSY", 6);
        QByteArray payload(200 * 1024, Qt::Uninitialized);
        QRandomGenerator random(42);
        for (char& byte : payload)
            byte = char(random.bounded(256));
        body += payload;

        TLink lossy;
        QVERIFY(lossy.Open(medium, m_views,
                           {"--memory", "1000000", "--drop-in", "0.1", "--no-ack", "0.1", "--seed", "5"}));
        QTRY_VERIFY_WITH_TIMEOUT(lossy.Channel->IsConnected() && lossy.Channel->QueuedMessages() == 0, 20000);
        auto message = std::make_unique<TXLMessage>(XLSend::ImageData);
        message->WriteBytes(body);
        lossy.Channel->QueueMessage(std::move(message));
        QTimer hurry;
        connect(&hurry, &QTimer::timeout, this, [&] {
            if (lossy.Channel->RetryTimer().isActive())
                lossy.Channel->OnRetryTimer();
        });
        hurry.start(40);
        QTRY_VERIFY_WITH_TIMEOUT(lossy.Channel->QueuedMessages() == 0, 60000);
        hurry.stop();
        QTRY_COMPARE(lossy.Printer.ReceivedBodies(XLSend::ImageData.Id, XLSend::ImageData.Sub).size(), 1);
        QCOMPARE(lossy.Printer.ReceivedBodies(XLSend::ImageData.Id, XLSend::ImageData.Sub).first().size(),
                 body.size());
        QCOMPARE(lossy.Printer.ReceivedBodies(XLSend::ImageData.Id, XLSend::ImageData.Sub).first(), body);
    }
};

QTEST_GUILESS_MAIN(TestChannelSimulator)
#include "tst_channelsimulator.moc"
