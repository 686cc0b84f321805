// A connected printer that goes without the operator's "Disconnect" and comes back can be connected
// again.
#include "FakeTcpPrinter.h"
#include "RecordingViews.h"
#include "SimulatorProcess.h"
#include "TestSupport.h"
#include "coder/Coder.h"
#include "comm/NetChannel.h"
#include "comm/SerialChannel.h"
#include "images/FontUnit.h"
#include "station/Station.h"

#include <QTest>

class TestPrinterLoss : public QObject
{
    Q_OBJECT

    TRecordingViews m_views;
    TFontMap m_fonts;
    std::unique_ptr<TStation> m_station;

    TConnectionManager& Manager() { return m_station->Manager(); }
    // Connects the simulator over its TCP port, or its pseudo-terminal as COM9 chosen in "Com ports",
    // and waits until it is selected: its channel, or null.
    TCommChannel* Connect(const TSimulatorProcess& printer)
    {
        quint64 id = 0;
        if (printer.TcpPort() != 0) {
            id = TestSupport::StartConnectingOverTcp(Manager(), printer.TcpPort());
        } else {
            id = Manager().AddSerialPrinter(QStringLiteral("COM9"), 9, printer.PtyDevice())->Id();
            Manager().SetSerialChannel(0, true);
            Manager().ConnectPrinter(id);
        }
        const bool selected = QTest::qWaitFor([&] {
            const TCommChannel* channel = Manager().SelectedChannel();
            return channel && channel->Id() == id && !TCoder::Of(*channel).Images.isEmpty();
        });
        return selected ? Manager().FindChannel(id) : nullptr;
    }

private slots:
    void init()
    {
        m_views = TRecordingViews();
        m_station = std::make_unique<TStation>(m_views.Views(), m_fonts, TDiscoveryAddress::NothingToFind());
    }
    void cleanup() { m_station.reset(); }

    // A printer switched off while it generates an image or writes its flash, and on again on its
    // port: the hold on sending belonged to the old link, and the connect request goes out.
    void aPrinterLostWhileBusyConnectsAgainWhenItIsBack_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("byStart");
        QTest::newRow("Start acknowledged") << QStringList{"--generate-ms", "60000"} << true;
        QTest::newRow("flash write started") << QStringList{"--flash-delay", "60000"} << false;
    }
    void aPrinterLostWhileBusyConnectsAgainWhenItIsBack()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, byStart);
        auto printer = std::make_unique<TSimulatorProcess>();
        QVERIFY(printer->Start(QStringList{"--tcp", "0", "--no-discovery"} + options));
        const quint16 port = printer->TcpPort();
        TCommChannel* channel = Connect(*printer);
        QVERIFY(channel);
        if (byStart)
            m_station->StartPrint(QStringLiteral("DEMO"), QString());
        else
            Manager().SendToSelected(std::make_unique<TXLMessage>(XLSend::FlashWrite));
        QTRY_VERIFY(TCoder::Of(*channel).Busy);

        printer.reset(); // switched off
        QTRY_VERIFY(!channel->IsConnected());
        TSimulatorProcess again;
        QVERIFY(again.Start({"--tcp", QString::number(port), "--no-discovery"}));
        Manager().ConnectPrinter(channel->Id());
        QTRY_COMPARE(again.ReceivedBodies(XLSend::ConnectRequest.Id, XLSend::ConnectRequest.Sub).size(), 1);
        QTRY_COMPARE(Manager().SelectedChannel(), channel);
    }

    // The printer stops answering and a message is given up; then its link breaks (it restarted).
    // When it answers discovery again it is kept, not dropped for the message of its old link.
    void aPrinterAnsweringDiscoveryAgainIsKeptAfterItsLostLinkGaveUpAMessage()
    {
        TFakeTcpPrinter printer;
        const quint64 id = TestSupport::StartConnectingOverTcp(Manager(), printer.Port());
        QVERIFY(id != 0);
        QTRY_VERIFY(!printer.Received.isEmpty() && printer.Received.last().MsgId == XLSend::ConnectRequest.Id);
        TXLMessage ack(XLReceive::ConnectionId, 0x0101);
        ack.WriteBytes(QByteArray("\0\0\0\0LINE1\0", 10));
        printer.Send(ack, 1);
        TCommChannel* channel = Manager().FindChannel(id);
        QTRY_COMPARE(Manager().SelectedChannel(), channel);
        QTRY_COMPARE(channel->QueuedMessages(), 0);

        printer.Acknowledges = false;
        Manager().SendToSelected(std::make_unique<TXLMessage>(XLSend::RequestStatus));
        for (int expiry = 0; expiry < 1000 && channel->QueuedMessages() > 0; ++expiry)
            channel->OnRetryTimer(); // resent, in smaller packets, then given up
        QVERIFY(channel->Unanswered());
        printer.Socket()->abort();
        QTRY_VERIFY(!channel->IsConnected());

        TNetworkList& network = Manager().NetworkList();
        network.BuildList();
        network.OnDiscoveryReply(TestSupport::DiscoveryReply(printer.Port(), printer.Port()),
                                 QHostAddress(QHostAddress::LocalHost));
        network.OnCollectTimer();
        QCOMPARE(network.Count(), 1);
        QCOMPARE(network.At(0)->Id(), id);
    }
};

QTEST_GUILESS_MAIN(TestPrinterLoss)
#include "tst_printerloss.moc"
