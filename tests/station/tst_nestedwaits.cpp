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

    // wait: the call in which the station waits for the operator; during: where it comes from (the
    // first file of a batch starts from the menu, the next one from the printer's request for it,
    // an operator request from the batch's printer or another one); disturbance: what happens
    // meanwhile. While a printer's message is being handled its further messages wait on the link, so
    // the batch's printer can report running out of memory only during a wait that is not its own.
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
            {"ConfirmOverwrite", "next file", "drop", "tcp"},
            {"ConfirmOverwrite", "next file", "close", "tcp"},
            {"ShowFileRefused", "first file", "memory", "pty"},
            {"ShowFileRefused", "next file", "drop", "tcp"},
            {"ShowFileRefused", "next file", "close", "pty"},
            {"OperatorTextRequest", "same printer", "drop", "tcp"},
            {"OperatorTextRequest", "same printer", "close", "pty"},
            {"OperatorTextRequest", "other printer", "drop", "tcp"},
            {"OperatorTextRequest", "other printer", "memory", "tcp"},
            {"OperatorTextRequest", "other printer", "close", "tcp"},
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
        TPrinter other(QStringLiteral("OTHER"), m_dir.filePath(QStringLiteral("other.jsonl")));
        if (during == QLatin1String("other printer"))
            QVERIFY(Connect(other, QStringLiteral("tcp")) != 0); // connected in the background
        TPrinter a(QStringLiteral("LINE1"), m_dir.filePath(QStringLiteral("a.jsonl")));
        const quint64 id = Connect(a, medium);
        QVERIFY(id != 0);

        QStringList receivedBefore;
        bool disturbed = false;
        m_views.OnCall = [&](const QString& call) {
            if (call.startsWith(QLatin1String("ShowTransferFile two.vega TWO")))
                (during == QLatin1String("same printer") ? a : other)
                    .Printer.SendOperatorTextRequest(QStringLiteral("Lot?"), QStringLiteral("ABC"), 5);
            if (disturbed || !call.startsWith(wait))
                return;
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
            } else {
                Manager().DisconnectPrinter(id);
                NestedLoopUntil([&] {
                    const TCommChannel* channel = Manager().FindChannel(id);
                    return !channel || !channel->IsConnected();
                });
            }
        };

        QStringList files{File("one.Vega", "ONE"), File("two.Vega", "TWO"), File("three.Vega", "THREE")};
        const int position = during == QLatin1String("first file") ? 0 : 1;
        if (wait == QLatin1String("ConfirmOverwrite"))
            files[position] = File("demo.Vega", "DEMO");
        else if (wait == QLatin1String("ShowFileRefused"))
            files[position] = File("bad.Vega", "BAD", "other");
        m_station->Batch().Start(files);
        QTRY_VERIFY(disturbed);
        QTRY_VERIFY(!m_station->Batch().IsRunning());
        QTest::qWait(200); // whatever would still go out, goes out now

        // Nothing was built or queued after the disturbance (but the image already on its way when
        // another printer's request came), and the flash was written once at most.
        const QStringList after = a.ReceivedImagesAndFlashWrites().mid(receivedBefore.size());
        const bool inFlight = during == QLatin1String("other printer") && after.startsWith(QStringLiteral("ImageData TWO"));
        QVERIFY2(after.filter(QStringLiteral("ImageData")).size() == (inFlight ? 1 : 0),
                 qPrintable(after.join(QLatin1Char(','))));
        QVERIFY(a.ReceivedImagesAndFlashWrites().count(QStringLiteral("FlashWrite")) <= 1);

        // The station still works: another printer connects and takes a file.
        m_views.OnCall = nullptr;
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
