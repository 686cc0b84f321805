// A question or box in the window program is a nested event loop in which printers go on talking,
// links drop and batches abort. These tests open such a loop inside the station's calls out, change
// the world inside it, and check that the station carries on soundly afterwards (the test build runs
// under AddressSanitizer, which catches a use after free).
#include "DesignFileWriter.h"
#include "FakeTcpPrinter.h"
#include "InProcessPrinter.h"
#include "RecordingViews.h"
#include "TestSupport.h"
#include "coder/Coder.h"
#include "comm/NetChannel.h"
#include "comm/SerialChannel.h"
#include "images/FontUnit.h"
#include "images/ImageDesignFile.h"
#include "station/Station.h"

#include <QEventLoop>
#include <QUdpSocket>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QHostAddress LocalHost(QHostAddress::LocalHost);

QByteArray DiscoveryReply(quint16 port)
{
    return TestSupport::DiscoveryReply(port, port);
}

// Runs a nested event loop, as a modal box does, until done() holds or the time is up.
void NestedLoopUntil(const std::function<bool()>& done, int maxMs = 1000)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(maxMs, &loop, &QEventLoop::quit);
    loop.exec();
}

using TPrinter = TInProcessPrinter;

} // namespace

class TestNestedWaits : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TRecordingViews m_views;
    TFontMap m_fonts;
    std::unique_ptr<TStation> m_station;

    TConnectionManager& Manager() { return m_station->Manager(); }
    QString File(const QString& name, const QByteArray& imageName, const QByteArray& version = "zorbe V3.1X000")
    {
        const QString path = m_dir.filePath(name);
        TDesignFileWriter::SmallImage(imageName, version).WriteTo(path);
        return path;
    }
    // Connects the printer over the medium and waits until it is selected and has sent its images.
    quint64 Connect(TPrinter& printer, const QString& medium)
    {
        TCommChannel* channel = nullptr;
        if (medium == QLatin1String("tcp")) {
            Manager().NetworkList().OnDiscoveryReply(DiscoveryReply(printer.Tcp.Port()), LocalHost);
            const TNetworkList& network = Manager().NetworkList();
            const QString name = TNetChannel::NameFor(QStringLiteral("127.0.0.1"), printer.Tcp.Port());
            if (!QTest::qWaitFor([&] { return network.IndexOf(name) >= 0; }))
                return 0; // its probe did not succeed
            channel = network.At(network.IndexOf(name));
            if (!QTest::qWaitFor([channel] { return !channel->Unanswered(); }))
                return 0;
            channel->Close(); // ends the probe: a connection is opened afresh
        } else {
            channel = Manager().AddSerialPrinter(QStringLiteral("COM9"), 9, printer.Pty.SlavePath());
        }
        const quint64 id = channel->Id();
        Manager().ConnectPrinter(id);
        const bool ready = QTest::qWaitFor([&] {
            const TCommChannel* selected = Manager().SelectedChannel();
            return selected && selected->Id() == id && TCoder::Of(*selected).Images.contains("DEMO");
        });
        return ready ? id : 0;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_views = TRecordingViews();
        const TDiscoveryAddress discovery = TDiscoveryAddress::NothingToFind();
        m_station = std::make_unique<TStation>(m_views.Views(), m_fonts, discovery);
    }
    void cleanup() { m_station.reset(); }

    // wait: the call in which the station waits for the operator, or "WindowDialog", a window's own
    // modal dialog (a parameter file dialog, the modify image and item windows) that the operator
    // opened from the event loop; during: where it comes from (the first file of a batch starts from
    // the menu, the next one from the printer's request for it, an operator request, a clock report
    // or a refusal from the batch's printer or another one, a discovery that cannot be sent);
    // disturbance: what happens meanwhile ("drop": a discovery drops the batch's printer, "memory": it
    // refuses an image, "close": the operator disconnects it, "ack": another printer acknowledges its
    // connection, "lost": the batch's printer's link breaks, "exit": the main window closes). While a
    // printer's message is being handled its further messages wait on the link, so the batch's printer
    // can report running out of memory only during a wait that is not its own.
    void aWaitSurvivesWhatHappensMeanwhile_data()
    {
        QTest::addColumn<QString>("wait");
        QTest::addColumn<QString>("during");
        QTest::addColumn<QString>("disturbance");
        QTest::addColumn<QString>("medium");
        const QList<QStringList> rows{
            {"ConfirmOverwrite", "first file", "drop", "tcp"},
            {"ConfirmOverwrite", "first file", "memory", "tcp"},
            {"ConfirmOverwrite", "first file", "close", "pty"},
            {"ConfirmOverwrite", "first file", "ack", "tcp"},
            {"ConfirmOverwrite", "next file", "drop", "tcp"},
            {"ConfirmOverwrite", "next file", "close", "tcp"},
            {"ConfirmOverwrite", "next file", "lost", "tcp"},
            {"ConfirmOverwrite", "next file", "exit", "pty"},
            {"ConfirmUnreadableBarcode", "first file", "lost", "tcp"},
            {"ConfirmUnreadableBarcode", "next file", "drop", "tcp"},
            {"ConfirmUnreadableBarcode", "next file", "ack", "pty"},
            {"ShowFileRefused", "first file", "memory", "pty"},
            {"ShowFileRefused", "next file", "drop", "tcp"},
            {"ShowFileRefused", "next file", "close", "pty"},
            {"ShowBatchAborted", "same printer", "drop", "tcp"},
            {"ShowBatchAborted", "same printer", "ack", "pty"},
            {"ShowBatchAborted", "same printer", "exit", "tcp"},
            {"OperatorTextRequest", "same printer", "drop", "tcp"},
            {"OperatorTextRequest", "same printer", "close", "pty"},
            {"OperatorTextRequest", "same printer", "lost", "tcp"},
            {"OperatorTextRequest", "other printer", "drop", "tcp"},
            {"OperatorTextRequest", "other printer", "memory", "tcp"},
            {"OperatorTextRequest", "other printer", "close", "tcp"},
            {"OperatorTextRequest", "other printer", "ack", "tcp"},
            {"OperatorDateRequest", "same printer", "exit", "pty"},
            {"OperatorDateRequest", "other printer", "lost", "tcp"},
            {"OperatorNumericRequest", "same printer", "lost", "tcp"},
            {"OperatorNumericRequest", "other printer", "ack", "tcp"},
            {"ShowPrinterClock", "same printer", "drop", "tcp"},
            {"ShowPrinterClock", "other printer", "exit", "tcp"},
            {"ShowNoEthernetConnection", "discovery", "lost", "tcp"},
            {"ShowNoEthernetConnection", "discovery", "close", "pty"},
            {"WindowDialog", "next file", "drop", "tcp"},
            {"WindowDialog", "next file", "ack", "tcp"},
            {"WindowDialog", "next file", "lost", "tcp"},
            {"WindowDialog", "next file", "exit", "pty"},
        };
        for (const QStringList& row : rows)
            QTest::addRow("%s, %s, %s over %s", qPrintable(row[0]), qPrintable(row[1]), qPrintable(row[2]),
                          qPrintable(row[3]))
                << row[0] << row[1] << row[2] << row[3];
    }
    void aWaitSurvivesWhatHappensMeanwhile()
    {
        QFETCH(QString, wait);
        QFETCH(QString, during);
        QFETCH(QString, disturbance);
        QFETCH(QString, medium);
        // A discovery that cannot be sent: its port is held by a socket that does not share it.
        QUdpSocket blocker;
        if (wait == QLatin1String("ShowNoEthernetConnection")) {
            QVERIFY(blocker.bind(QHostAddress::LocalHost, 0, QUdpSocket::DontShareAddress));
            TDiscoveryAddress discovery = TDiscoveryAddress::NothingToFind();
            discovery.LocalPort = blocker.localPort();
            m_station = std::make_unique<TStation>(m_views.Views(), m_fonts, discovery);
        }
        TPrinter other(QStringLiteral("OTHER"), m_dir.filePath(QStringLiteral("other.jsonl")));
        quint64 otherId = 0;
        if (during == QLatin1String("other printer"))
            QVERIFY((otherId = Connect(other, QStringLiteral("tcp"))) != 0); // connected in the background
        TPrinter a(QStringLiteral("LINE1"), m_dir.filePath(QStringLiteral("a.jsonl")));
        const quint64 id = Connect(a, medium);
        QVERIFY(id != 0);
        // A printer whose connection is under way: its acknowledgement comes when the test sends it.
        TFakeTcpPrinter third;
        quint64 thirdId = 0;
        if (disturbance == QLatin1String("ack")) {
            QVERIFY((thirdId = TestSupport::StartConnectingOverTcp(Manager(), third.Port())) != 0);
            QTRY_VERIFY(!third.Received.isEmpty() && third.Received.last().MsgId == XLSend::ConnectRequest.Id);
        }

        QStringList receivedBefore;
        bool disturbed = false;
        const auto disturb = [&] {
            disturbed = true;
            receivedBefore = a.ReceivedImagesAndFlashWrites();
            if (disturbance == QLatin1String("drop")) {
                Manager().NetworkList().BuildList(); // a discovery the printer does not answer
                Manager().NetworkList().OnCollectTimer();
                NestedLoopUntil([] { return false; }, 100);
            } else if (disturbance == QLatin1String("memory")) {
                a.Printer.SendFault(XLReceive::InsufficientMemory);
                NestedLoopUntil([&] { return !m_views.CallsStartingWith(QStringLiteral("ShowBatchAborted")).isEmpty(); });
                QVERIFY(!m_views.CallsStartingWith(QStringLiteral("ShowBatchAborted")).isEmpty());
            } else if (disturbance == QLatin1String("ack")) {
                // Taken at once, as it arrives: the batch's printer would go on meanwhile.
                TXLMessage connectAck(XLReceive::ConnectionId, 0x0101);
                connectAck.WriteBytes(QByteArray("\0\0\0\0LINE3\0", 10));
                TCommChannel* channel = Manager().FindChannel(thirdId);
                channel->OnPacketReceived(ReceivedPacket(PacketsOf(connectAck, 1).first()));
                QCOMPARE(Manager().SelectedChannel(), channel);
                NestedLoopUntil([] { return false; }, 50);
            } else if (disturbance == QLatin1String("lost")) {
                a.Tcp.DropConnections();
                NestedLoopUntil([&] { return !Manager().FindChannel(id)->IsConnected(); });
            } else if (disturbance == QLatin1String("exit")) {
                m_station->Shutdown();
            } else {
                Manager().DisconnectPrinter(id);
                NestedLoopUntil([&] {
                    const TCommChannel* channel = Manager().FindChannel(id);
                    return !channel || !channel->IsConnected();
                });
            }
        };
        // What the printer that is not asked for a file does, as the next file starts.
        const auto trigger = [&] {
            TPrinter& asking = during == QLatin1String("same printer") ? a : other;
            if (wait == QLatin1String("OperatorTextRequest"))
                asking.Printer.SendOperatorTextRequest(QStringLiteral("Lot?"), QStringLiteral("ABC"), 5);
            else if (wait == QLatin1String("OperatorDateRequest"))
                asking.Printer.SendOperatorDateRequest();
            else if (wait == QLatin1String("OperatorNumericRequest"))
                asking.Printer.SendOperatorNumericRequest(5, 0, 10, 1);
            else if (wait == QLatin1String("ShowBatchAborted"))
                asking.Printer.SendFault(XLReceive::InsufficientMemory);
            else if (wait == QLatin1String("ShowPrinterClock"))
                Manager().FindChannel(&asking == &a ? id : otherId)
                    ->QueueMessage(std::make_unique<TXLMessage>(XLSend::RequestClock));
            else if (wait == QLatin1String("ShowNoEthernetConnection"))
                Manager().NetworkList().BuildList();
            else if (wait == QLatin1String("WindowDialog"))
                QTimer::singleShot(0, m_station.get(), disturb); // opened from the event loop
        };
        m_views.OnCall = [&](const QString& call) {
            if (call.startsWith(QLatin1String("ShowTransferFile two.vega TWO")))
                trigger();
            if (disturbed || !call.startsWith(wait))
                return;
            disturb();
        };

        QStringList files{File("one.Vega", "ONE"), File("two.Vega", "TWO"), File("three.Vega", "THREE")};
        const int position = during == QLatin1String("first file") ? 0 : 1;
        if (wait == QLatin1String("ConfirmOverwrite"))
            files[position] = File("demo.Vega", "DEMO");
        else if (wait == QLatin1String("ShowFileRefused"))
            files[position] = File("bad.Vega", "BAD", "other");
        else if (wait == QLatin1String("ConfirmUnreadableBarcode"))
            files[position] = File("unreadable.Vega", "UNREADABLE");
        m_station->Batch().SetBarcodeCheck(
            [](const TImageDesignFile& image, const TFontMap&) -> std::optional<TUnreadableBarcode> {
                if (image.ImageName != QLatin1String("UNREADABLE"))
                    return std::nullopt;
                return TUnreadableBarcode{1, QStringLiteral("it reads as another text")};
            },
            false);
        m_station->Batch().Start(files);
        QTRY_VERIFY(disturbed);
        QTRY_VERIFY(!m_station->Batch().IsRunning());
        QTest::qWait(200); // whatever would still go out, goes out now

        // Nothing was built or queued after the disturbance (but the image already on its way when a
        // printer's report or the operator's window came), and the flash was written once at most.
        const QStringList after = a.ReceivedImagesAndFlashWrites().mid(receivedBefore.size());
        const bool cameBesideTheBatch = during.endsWith(QLatin1String("printer")) || wait == QLatin1String("WindowDialog");
        const bool inFlight = cameBesideTheBatch && after.startsWith(QStringLiteral("ImageData TWO"));
        QVERIFY2(after.filter(QStringLiteral("ImageData")).size() == (inFlight ? 1 : 0),
                 qPrintable(after.join(QLatin1Char(','))));
        QVERIFY(a.ReceivedImagesAndFlashWrites().count(QStringLiteral("FlashWrite")) <= 1);

        // The station still works: another printer connects and takes a file.
        m_views.OnCall = nullptr;
        m_station->Batch().SetBarcodeCheck({}, false);
        TPrinter b(QStringLiteral("LINE2"), m_dir.filePath(QStringLiteral("b.jsonl")));
        QVERIFY(Connect(b, QStringLiteral("tcp")) != 0);
        QVERIFY(m_station->Batch().Start({File("four.Vega", "FOUR")}));
        QTRY_COMPARE(b.ReceivedImagesAndFlashWrites(), (QStringList{"ImageData FOUR", "FlashWrite"}));
    }

    // The printer's request for the next image overtakes the acknowledgement of the image's last
    // packet, so the next file starts inside the acknowledgement's handling; its question waits while
    // a discovery drops the printer and the channel is retired.
    void aChannelRetiredWhileItsAcknowledgementWaitsIsReleasedAfterwards()
    {
        TFakeTcpPrinter printer;
        Manager().NetworkList().OnDiscoveryReply(DiscoveryReply(printer.Port()), LocalHost);
        QTRY_COMPARE(Manager().NetworkList().Count(), 1); // its probe succeeded
        QPointer<TCommChannel> channel = Manager().NetworkList().At(0);
        QTRY_VERIFY(!channel->Unanswered());
        TCoder::Of(*channel).Selected = true; // as connecting marks it
        channel->SetConnected(true);
        Manager().ConnectAcknowledged(*channel);
        TCoder::Of(*channel).Images = QStringList{"Telvos", "DEMO"};

        QTest::qWait(50); // the probe's packets are answered
        const qsizetype before = printer.Received.size();
        printer.Acknowledges = false;
        m_station->Batch().Start({File("one.Vega", "ONE"), File("demo.Vega", "DEMO")});
        QTRY_COMPARE(printer.Received.size(), before + 1);
        const TSentPacket image = printer.Received.last();
        const qsizetype raw = printer.RawReceived.size();
        printer.Send(TXLMessage(XLReceive::StatusId, XLReceive::NextImageRequest), 1);
        QTRY_VERIFY(printer.RawReceived.size() > raw); // the station acknowledged the request

        bool asked = false;
        m_views.OnCall = [&](const QString& call) {
            if (!call.startsWith(QLatin1String("ConfirmOverwrite")))
                return;
            asked = true;
            Manager().NetworkList().BuildList();
            Manager().NetworkList().OnCollectTimer();
            NestedLoopUntil([] { return false; }, 100);
            QVERIFY(channel); // still there while its call waits
        };
        printer.WriteWire(AckWire(image.MessageNo, image.PacketNo));
        QTRY_VERIFY(asked);
        QTRY_VERIFY(channel.isNull()); // released once the call has returned
        QVERIFY(!m_station->Batch().IsRunning());
        QCOMPARE(Manager().SelectedChannel(), nullptr);
    }
};

QTEST_GUILESS_MAIN(TestNestedWaits)
#include "tst_nestedwaits.moc"
