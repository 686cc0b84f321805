#include "DesignFileWriter.h"
#include "FakeTcpPrinter.h"
#include "PseudoTerminal.h"
#include "RecordingViews.h"
#include "SimulatorProcess.h"
#include "TestSupport.h"
#include "coder/Coder.h"
#include "comm/NetChannel.h"
#include "comm/SerialChannel.h"
#include "images/FontUnit.h"
#include "platform/SettingsStore.h"
#include "station/Station.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

using TestSupport::DiscoveryReply;

namespace {

const QHostAddress LocalHost(QHostAddress::LocalHost);

} // namespace

class TestConnectionManager : public QObject
{
    Q_OBJECT

    TRecordingViews m_views;
    TFontMap m_fonts;
    std::unique_ptr<TStation> m_station;
    TConnectionManager* m_manager = nullptr;
    std::map<QString, std::unique_ptr<TFakeTcpPrinter>> m_printers;

    // A printer found by discovery, under a letter.
    TCommChannel* Printer(const QString& letter)
    {
        auto& printer = m_printers[letter];
        const auto index = [&] {
            return m_manager->NetworkList().IndexOf(
                TNetChannel::NameFor(QStringLiteral("127.0.0.1"), printer->Port()));
        };
        if (!printer) {
            printer = std::make_unique<TFakeTcpPrinter>();
            m_manager->NetworkList().OnDiscoveryReply(DiscoveryReply(printer->Port(), printer->Port()),
                                                      LocalHost);
            if (!QTest::qWaitFor([&] { return printer->Socket() != nullptr && index() >= 0; }))
                qWarning("the printer's probe did not succeed");
        }
        TCommChannel* channel = m_manager->NetworkList().At(index());
        TCoder::Of(*channel).PrinterName = letter;
        return channel;
    }
    // The printer under the letter, connected as the operator connects it: the probe's link closes, a
    // new one opens with the connect request, and the printer acknowledges it.
    TCommChannel* Connected(const QString& letter)
    {
        TCommChannel* channel = Printer(letter);
        TFakeTcpPrinter& printer = *m_printers[letter];
        const qsizetype before = printer.Received.size();
        channel->Close();
        m_manager->ConnectPrinter(channel->Id());
        const auto asked = [&] {
            return printer.Received.size() > before && printer.Received.last().MsgId == XLSend::ConnectRequest.Id &&
                   printer.Received.last().MsgSub == XLSend::ConnectRequest.Sub;
        };
        if (!QTest::qWaitFor(asked))
            qWarning("no connect request reached the printer");
        TXLMessage connectAck(XLReceive::ConnectionId, 0x0101);
        connectAck.WriteBytes(QByteArray("\0\0\0\0", 4) + letter.toLatin1() + '\0'); // status, no images, name
        printer.Send(connectAck, 1);
        if (!QTest::qWaitFor([&] { return m_manager->SelectedChannel() == channel; }))
            qWarning("the printer did not become the selected one");
        return channel;
    }
    QString SelectedLetter() const
    {
        const TCommChannel* selected = m_manager->SelectedChannel();
        return selected ? TCoder::Of(*selected).PrinterName : QStringLiteral("-");
    }

private slots:
    void init()
    {
        m_views = TRecordingViews();
        m_printers.clear();
        const TDiscoveryAddress discovery = TDiscoveryAddress::NothingToFind();
        m_station = std::make_unique<TStation>(m_views.Views(), m_fonts, discovery);
        m_manager = &m_station->Manager();
    }
    void cleanup() { m_station.reset(); }

    // Each step: "ack X" (the printer acknowledged the connection), "select X", "disconnect X",
    // "ends X" (the printer ended the connection itself).
    void selectionFollowsConnectionsAndDisconnections_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("connected");
        QTest::newRow("a new connection is selected") << "ack A, ack B"
                                                      << "B"
                                                      << "AB";
        QTest::newRow("disconnecting one ahead keeps the selection")
            << "ack A, ack B, ack C, select B, disconnect A"
            << "B"
            << "BC";
        QTest::newRow("disconnecting the selected selects the next")
            << "ack A, ack B, ack C, select B, disconnect B"
            << "C"
            << "AC";
        QTest::newRow("disconnecting the selected last selects the one before")
            << "ack A, ack B, ack C, disconnect C"
            << "B"
            << "AB";
        QTest::newRow("the only one") << "ack A, disconnect A"
                                      << "-"
                                      << "";
        QTest::newRow("a printer that is not connected cannot be selected") << "ack A, select B"
                                                                            << "A"
                                                                            << "A";
        QTest::newRow("a printer ending a background connection") << "ack A, ack B, select A, ends B"
                                                                  << "A"
                                                                  << "A";
        QTest::newRow("the selected printer ending its connection") << "ack A, ack B, ends B"
                                                                    << "A"
                                                                    << "A";
    }
    void selectionFollowsConnectionsAndDisconnections()
    {
        QFETCH(QString, steps);
        QFETCH(QString, selected);
        QFETCH(QString, connected);
        for (const QString& step : steps.split(QStringLiteral(", "))) {
            const QString verb = step.section(QLatin1Char(' '), 0, 0);
            TCommChannel* channel = Printer(step.section(QLatin1Char(' '), 1, 1));
            if (verb ==
                QLatin1String("ack")) { // the station connected (which selects) and the printer agreed
                TCoder::Of(*channel).Selected = true;
                channel->SetConnected(true);
                m_manager->ConnectAcknowledged(*channel);
            } else if (verb == QLatin1String("select")) {
                m_manager->SelectPrinter(channel->Id());
            } else if (verb == QLatin1String("disconnect")) {
                m_manager->DisconnectPrinter(channel->Id());
            } else {
                m_manager->PrinterDisconnected(*channel);
            }
        }
        QCOMPARE(SelectedLetter(), selected);
        QString letters;
        for (const TCommChannel* channel : m_manager->ConnectedList()) {
            letters += TCoder::Of(*channel).PrinterName;
            QCOMPARE(TCoder::Of(*channel).Selected, channel == m_manager->SelectedChannel());
        }
        QCOMPARE(letters, connected);
    }

    void aPrinterEndingItsConnectionIsShownAndOnlyTheSelectedOneChangesTheMainWindow()
    {
        TCommChannel* a = Printer(QStringLiteral("A"));
        TCommChannel* b = Printer(QStringLiteral("B"));
        for (TCommChannel* channel : {a, b}) {
            channel->SetConnected(true);
            m_manager->ConnectAcknowledged(*channel);
        }
        m_manager->SelectPrinter(a->Id());
        m_views.Calls.clear();
        m_manager->PrinterDisconnected(*b);
        QVERIFY(m_views.Calls.contains(QStringLiteral("ShowMessage B MANUALLY DISCONNECTED!")));
        QVERIFY(m_views.CallsStartingWith(QStringLiteral("ShowDisconnected")).isEmpty());
        QVERIFY(m_views.CallsStartingWith(QStringLiteral("Hide")).isEmpty());

        m_views.Calls.clear();
        m_manager->PrinterDisconnected(*a);
        for (const QString& call : {QStringLiteral("HideTransfer"), QStringLiteral("HideImageDelete"),
                                    QStringLiteral("HideParameters"), QStringLiteral("HidePrintWindow"),
                                    QStringLiteral("CloseOperatorRequests %1").arg(a->Id()),
                                    QStringLiteral("ShowDisconnected")})
            QVERIFY2(m_views.Calls.contains(call), qPrintable(call));
        QCOMPARE(m_manager->SelectedIndex(), -1);
    }

    // Each command only where it does something: "Connect" while the link is not connected,
    // "Disconnect" for a connected printer; a printer no longer listed has none.
    void theCommandsThatApplyFollowTheConnection()
    {
        TCommChannel* a = Printer(QStringLiteral("A"));
        QCOMPARE(m_manager->CommandsFor(a->Id()), (TConnectionCommands{true, false, true}));
        a->SetConnected(true); // the printer agreed; the manager has not been told yet
        QCOMPARE(m_manager->CommandsFor(a->Id()), (TConnectionCommands{false, false, true}));
        m_manager->ConnectAcknowledged(*a);
        QCOMPARE(m_manager->CommandsFor(a->Id()), (TConnectionCommands{false, true, true}));
        m_manager->PrinterDisconnected(*a);
        QTRY_COMPARE(m_manager->CommandsFor(a->Id()),
                     (TConnectionCommands{true, false, true})); // its link closes
        QCOMPARE(m_manager->CommandsFor(a->Id() + 1000), TConnectionCommands{});
    }

    void theDisconnectNoticeOfAPrinterReachesTheManagerThroughItsLink()
    {
        TCommChannel* a = Connected(QStringLiteral("A"));
        QCOMPARE(m_manager->ConnectedList().size(), 1);
        QCOMPARE(m_manager->SelectedChannel(), a);
        m_printers[QStringLiteral("A")]->Send(
            TXLMessage(XLReceive::ConnectionId, XLReceive::DisconnectNoticeSub), 2);
        QTRY_VERIFY(m_manager->ConnectedList().isEmpty());
        QVERIFY(m_views.Calls.contains(QStringLiteral("ShowMessage A MANUALLY DISCONNECTED!")));
    }

    // A host that answers discovery speaks on the probe's link as if it were connected: the
    // operator's printer stays selected, its batch goes on, and no window opens.
    void unaskedMessagesOnAProbeLinkChangeNothing_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("sub");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("connect acknowledgement") << int(XLReceive::ConnectionId) << 0x0101
                                                 << QByteArray("\0\0\0\0B\0", 6);
        QTest::newRow("operator request") << int(XLReceive::OperatorRequestId) << 1 << QByteArray("Lot?\0A\0\x05", 8);
        QTest::newRow("clock report") << int(XLReceive::StatusId) << 23 << TestSupport::Hex("07 E8 03 05 0E 07");
    }
    void unaskedMessagesOnAProbeLinkChangeNothing()
    {
        QFETCH(int, id);
        QFETCH(int, sub);
        QFETCH(QByteArray, body);
        TCommChannel* a = Connected(QStringLiteral("A"));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("one.Vega"));
        QVERIFY(TDesignFileWriter::SmallImage("ONE").WriteTo(file));
        QVERIFY(m_station->Batch().Start({file}));
        QTRY_VERIFY(m_views.Calls.contains(QStringLiteral("SetTransferProgress 100"))); // waits for the next request

        Printer(QStringLiteral("B")); // its probe's link is open for two seconds
        TFakeTcpPrinter& host = *m_printers[QStringLiteral("B")];
        m_views.Calls.clear();
        const qsizetype before = host.RawReceived.size();
        TXLMessage message{quint8(id), quint16(sub)};
        message.WriteBytes(body);
        host.Send(message, 7);
        QTRY_VERIFY(host.RawReceived.size() > before); // the station took the message
        QTest::qWait(20);
        QCOMPARE(m_manager->SelectedChannel(), a);
        QCOMPARE(m_manager->ConnectedList().size(), 1);
        QVERIFY(m_station->Batch().IsRunning());
        QCOMPARE(m_views.Calls, QStringList{});
    }

    void sendToSelectedDropsMessagesWithoutASelectedPrinter()
    {
        TCommChannel* a = Printer(QStringLiteral("A"));
        const TFakeTcpPrinter& printer = *m_printers[QStringLiteral("A")];
        // The probe's wake and status request (the reply names the port twice, while it is probed).
        QTRY_COMPARE(printer.Received.size(), 2);
        m_manager->SendToSelected(std::make_unique<TXLMessage>(XLSend::FlashWrite));
        QTest::qWait(50);
        QCOMPARE(printer.Received.size(), 2);
        a->SetConnected(true);
        m_manager->ConnectAcknowledged(*a);
        m_manager->SendToSelected(std::make_unique<TXLMessage>(XLSend::FlashWrite));
        QTRY_COMPARE(printer.Received.size(), 3);
        QCOMPARE(printer.Received.last().MsgSub, XLSend::FlashWrite.Sub);
        QCOMPARE(m_manager->SelectedPrinterName(), QStringLiteral("A"));
    }

    void discoveryRepliesNameChannels_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("foundNames");
        QTest::newRow("two names of one port") << QByteArray() << 1 << 2;
        QTest::newRow("another head") << QByteArray("\0\0\0\xF8", 4) << 0 << 0;
        QTest::newRow("too short for port B") << QByteArray("short") << 0 << 0;
    }
    void discoveryRepliesNameChannels()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, channels);
        QFETCH(int, foundNames);
        TFakeTcpPrinter printer;
        QByteArray datagram = DiscoveryReply(printer.Port(), printer.Port());
        if (reply == "short")
            datagram.truncate(73);
        else if (!reply.isEmpty())
            datagram.replace(0, 4, reply);
        m_manager->NetworkList().OnDiscoveryReply(datagram, LocalHost);
        m_manager->NetworkList().OnDiscoveryReply(datagram, LocalHost);
        QTRY_VERIFY(m_manager->NetworkList().Probes().isEmpty());
        QCOMPARE(m_manager->NetworkList().Count(), channels);
        QCOMPARE(m_manager->NetworkList().FoundNames().size(), 2 * foundNames);
    }

    void aPortThatRefusesIsNotKept()
    {
        quint16 closedPort = 0;
        {
            TFakeTcpPrinter gone;
            closedPort = gone.Port();
        }
        m_manager->NetworkList().OnDiscoveryReply(DiscoveryReply(closedPort, closedPort), LocalHost);
        QCOMPARE(m_manager->NetworkList().Probes().size(), 1); // one probe for the name given twice
        QTRY_VERIFY(m_manager->NetworkList().Probes().isEmpty());
        QCOMPARE(m_manager->NetworkList().Count(), 0);
    }

    void theCollectDropsSilentAndUnansweredPrintersAndPrunesTheSelection()
    {
        TCommChannel* a = Printer(QStringLiteral("A"));
        TCommChannel* b = Printer(QStringLiteral("B"));
        QTRY_VERIFY(!a->Unanswered() && !b->Unanswered());
        for (TCommChannel* channel : {a, b}) {
            channel->SetConnected(true);
            m_manager->ConnectAcknowledged(*channel);
        }
        m_manager->NetworkList().BuildList(); // a new discovery: only A answers
        m_manager->NetworkList().OnDiscoveryReply(
            DiscoveryReply(m_printers[QStringLiteral("A")]->Port(), m_printers[QStringLiteral("A")]->Port()),
            LocalHost);
        m_views.Calls.clear();
        m_manager->NetworkList().OnCollectTimer();
        QCOMPARE(m_manager->NetworkList().Count(), 1);
        QCOMPARE(m_manager->ConnectedList().size(), 1);
        QCOMPARE(m_manager->SelectedChannel(), a);
        QVERIFY(TCoder::Of(*a).Selected);
        QVERIFY(m_views.Calls.contains(QStringLiteral("ShowDisconnected")));
        QCOMPARE(m_views.Entries.size(), 1);
        QCOMPARE(m_views.Entries.first().Id, a->Id());
    }

    // A reply 2.8 s after the request still counts, and does not move the end of the discovery:
    // three seconds after the request the printers that did not answer are dropped.
    void aDiscoveryCollectsRepliesForThreeSeconds()
    {
        Printer(QStringLiteral("A"));
        Printer(QStringLiteral("B"));
        TNetworkList& list = m_manager->NetworkList();
        QElapsedTimer clock;
        list.BuildList(); // to the loopback discard port: only the replies fed here come
        clock.start();
        QVERIFY(QTest::qWaitFor([&] { return clock.elapsed() >= 2800; }, 5000));
        QCOMPARE(list.Count(), 2); // the discovery is still collecting
        list.OnDiscoveryReply(DiscoveryReply(m_printers[QStringLiteral("A")]->Port(), 0), LocalHost);
        QVERIFY(QTest::qWaitFor([&] { return list.Count() < 2; }, 5000));
        const qint64 endMs = clock.elapsed();
        QVERIFY2(endMs >= 3000 && endMs < 3400, qPrintable(QString::number(endMs)));
        QCOMPARE(list.Count(), 1);
        QCOMPARE(TCoder::Of(*list.At(0)).PrinterName, QStringLiteral("A"));
        QVERIFY(m_views.CallsStartingWith(QStringLiteral("ShowNoEthernetConnection")).isEmpty());
    }

    void aDisabledManagerOnlyRestartsItsTimer()
    {
        m_manager->SetEnabled(this, false);
        m_manager->BuildChannelLists();
        QVERIFY(m_views.CallsStartingWith(QStringLiteral("ClearComPortMenu")).isEmpty());
        QVERIFY(!m_manager->NetworkList().CollectTimer().isActive());
        QVERIFY(m_manager->RefreshTimer().isActive());
        QCOMPARE(m_manager->RefreshTimer().interval(), 30000);
    }

    void serialPortsAreProbedThroughTheNameMapping()
    {
        TPseudoTerminal pty;
        for (int n = 1; n <= 50; ++n)
            SettingsStore::SetValue(QStringLiteral("ComPortDevices/COM%1").arg(n),
                                    n == 3 ? pty.Device() : QStringLiteral("/nonexistent/tty%1").arg(n));
        QVERIFY(!TSerialList::PortExists(0));
        QVERIFY(!TSerialList::PortExists(2));
        QVERIFY(TSerialList::PortExists(3));

        m_manager->BuildChannelLists();
        QCOMPARE(m_manager->SerialList().Count(), 1);
        QCOMPARE(m_manager->GetSerialChannelName(0), QStringLiteral("COM3"));
        QCOMPARE(m_views.CallsStartingWith(QStringLiteral("AddToComPortMenu")),
                 QStringList{"AddToComPortMenu COM3 0"});

        m_manager->SetSerialChannel(0, true);
        QVERIFY(TSerialList::PortExists(3)); // held by this station's own online channel
        QVERIFY(m_views.Entries.isEmpty());  // shown at the next list refresh
        m_manager->RefreshListView();
        QCOMPARE(m_views.Entries.size(), 1);
        m_manager->SetSerialChannel(0, false);
        QVERIFY(m_views.Entries.isEmpty()); // gone at once
    }

    // Closing the station disconnects every printer and closes every link at once, as the main
    // window does: each printer still gets its disconnect request, over TCP and over a serial line,
    // also one that first has a message to acknowledge.
    void shuttingDownSendsEveryConnectedPrinterItsDisconnectRequest()
    {
        TSimulatorProcess networkPrinter;
        TSimulatorProcess serialPrinter;
        QVERIFY(networkPrinter.Start({"--tcp", "0", "--no-discovery"}));
        QVERIFY(serialPrinter.Start({"--pty"}));
        QVERIFY(TestSupport::StartConnectingOverTcp(*m_manager, networkPrinter.TcpPort()));
        m_manager->ConnectPrinter(
            m_manager->AddSerialPrinter(QStringLiteral("COM9"), 9, serialPrinter.PtyDevice())->Id());
        QTRY_COMPARE(m_manager->ConnectedList().size(), 2);
        for (TCommChannel* channel : m_manager->ConnectedList()) {
            QTRY_COMPARE(channel->QueuedMessages(), 0);
            channel->QueueMessage(std::make_unique<TXLMessage>(XLSend::RequestStatus));
        }

        m_manager->DisconnectAll();
        m_manager->ShutdownChannels();
        for (const TSimulatorProcess* printer : {&networkPrinter, &serialPrinter})
            QTRY_COMPARE(
                printer->ReceivedBodies(XLSend::DisconnectRequest.Id, XLSend::DisconnectRequest.Sub).size(),
                1);
        QVERIFY(m_manager->ConnectedList().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestConnectionManager)
#include "tst_connectionmanager.moc"
