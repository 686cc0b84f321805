// A connected printer that goes without the operator's "Disconnect": it ends the connection, its link
// breaks, its COM port is given up. Each way is handled alike, and a printer that comes back can be
// connected again.
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
    QString SelectedName()
    {
        const TCommChannel* selected = Manager().SelectedChannel();
        return selected ? TCoder::Of(*selected).PrinterName : QString();
    }
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

    // LINE1 and LINE2 are connected, LINE2 last (so it is selected); one of them goes.
    void everyWayAPrinterGoesIsHandledAlike_data()
    {
        QTest::addColumn<QString>("goes");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("message");
        QTest::newRow("the selected printer ends its connection") << "LINE2" << "ends" << "LINE2 MANUALLY DISCONNECTED!";
        QTest::newRow("the selected printer's link is lost") << "LINE2" << "lost" << "LINE2 - CONNECTION LOST!";
        QTest::newRow("a printer in the background loses its link") << "LINE1" << "lost" << "LINE1 - CONNECTION LOST!";
        QTest::newRow("the selected printer's COM port is given up") << "LINE2" << "offline" << "";
    }
    void everyWayAPrinterGoesIsHandledAlike()
    {
        QFETCH(QString, goes);
        QFETCH(QString, how);
        QFETCH(QString, message);
        TSimulatorProcess line1;
        TSimulatorProcess line2;
        QVERIFY(line1.Start({"--tcp", "0", "--no-discovery", "--name", "LINE1"}));
        QVERIFY(line2.Start(how == QLatin1String("offline") ? QStringList{"--pty", "--name", "LINE2"}
                                                            : QStringList{"--tcp", "0", "--no-discovery", "--name", "LINE2"}));
        TCommChannel* first = Connect(line1);
        TCommChannel* second = Connect(line2);
        QVERIFY(first && second);
        TCommChannel* going = goes == QLatin1String("LINE1") ? first : second;
        const bool selected = going == second;
        m_views.Calls.clear();

        TSimulatorProcess& printer = going == first ? line1 : line2;
        if (how == QLatin1String("ends"))
            printer.Command("disconnect");
        else if (how == QLatin1String("lost"))
            printer.Stop();
        else
            Manager().SetSerialChannel(0, false);
        QTRY_COMPARE(Manager().ConnectedList().size(), 1);

        QVERIFY(!Manager().ConnectedList().contains(going));
        QVERIFY(!going->IsConnected());
        QCOMPARE(SelectedName(), selected ? QStringLiteral("LINE1") : QStringLiteral("LINE2"));
        QVERIFY(m_views.Calls.contains(QStringLiteral("CloseOperatorRequests %1").arg(going->Id())));
        QCOMPARE(m_views.CallsStartingWith(QStringLiteral("ShowMessage")),
                 message.isEmpty() ? QStringList{} : QStringList{QStringLiteral("ShowMessage ") + message});
        for (const char* call : {"HideTransfer", "HideImageDelete", "HideParameters", "HidePrintWindow", "ShowDisconnected"})
            QVERIFY2(m_views.Calls.contains(QLatin1String(call)) == selected, call);
    }

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
