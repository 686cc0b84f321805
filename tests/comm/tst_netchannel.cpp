#include "FakeTcpPrinter.h"
#include "RecordingChannel.h"
#include "RecordingViews.h"
#include "TestSupport.h"
#include "coder/Coder.h"
#include "comm/NetChannel.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTcpServer>
#include <QSignalSpy>
#include <QTest>

using TestSupport::Hex;
using TestSupport::ToHex;

namespace {

TXLMessage StatusInfo(quint16 word)
{
    TXLMessage message(XLReceive::StatusId, XLReceive::StatusInfo);
    message.WriteU16(word);
    return message;
}

quint16 UnusedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace

class TestNetChannel : public QObject
{
    Q_OBJECT

    TRecordingCoderEvents m_views;

private slots:
    void init() { m_views = TRecordingCoderEvents(); }

    void theProbeOpensTheLinkAndSendsWakeAndStatusRequest()
    {
        TFakeTcpPrinter printer;
        TNetChannel channel(QStringLiteral("127.0.0.1"), printer.Port(), TCoder::Factory(m_views));
        QCOMPARE(channel.Name(), QStringLiteral("127.0.0.1 Port %1").arg(printer.Port()));
        QVERIFY(channel.IsProbing()); // without waiting for the connection
        QTRY_VERIFY(channel.Probed());
        QVERIFY(channel.IsOnline());
        QCOMPARE(channel.LinkTimer().interval(), 2000);
        QTRY_COMPARE(printer.Received.size(), 2);
        QCOMPARE(printer.Received[0].MsgId, XLSend::Wake.Id);
        QCOMPARE(printer.Received[1].MsgSub, XLSend::RequestStatus.Sub);
        printer.Send(StatusInfo(0x0001), 1);
        QTRY_COMPARE(TCoder::Of(channel).StatusWord, quint16(1));
        QVERIFY(!channel.Unanswered());
        QVERIFY(channel.LinkTimer().isActive()); // the probe closes when it runs out
    }

    void aRefusedProbeIsNotProbed()
    {
        TNetChannel channel(QStringLiteral("127.0.0.1"), UnusedPort(), TCoder::Factory(m_views));
        QSignalSpy finished(&channel, &TNetChannel::ProbeFinished);
        QTRY_COMPARE(finished.size(), 1);
        QVERIFY(!channel.Probed());
        QVERIFY(!channel.IsLinkOpen());
        channel.RequestStatus(); // on a closed connection: nothing queued
        QCOMPARE(channel.QueuedMessages(), 0);
    }

    void connectDuringTheProbeDoesNothingAndAfterItConnects()
    {
        TFakeTcpPrinter printer;
        TNetChannel channel(QStringLiteral("127.0.0.1"), printer.Port(), TCoder::Factory(m_views));
        channel.Connect();
        QTRY_COMPARE(printer.Received.size(), 2);
        QCOMPARE(printer.Connections, 1);
        QVERIFY(!TCoder::Of(channel).Selected);

        channel.Close();
        channel.Connect();
        QTRY_COMPARE(printer.Received.size(), 3);
        QCOMPARE(printer.Connections, 2);
        QCOMPARE(printer.Received[2].MsgSub, XLSend::ConnectRequest.Sub);
        QCOMPARE(printer.Received[2].MsgId, XLSend::ConnectRequest.Id);
        QVERIFY(TCoder::Of(channel).Selected);
    }

    void aNewConnectionsFirstMessageIsNotTakenForARepeat()
    {
        TFakeTcpPrinter printer;
        TNetChannel channel(QStringLiteral("127.0.0.1"), printer.Port(), TCoder::Factory(m_views));
        TXLMessage connectAck(XLReceive::ConnectionId, 0x0101);
        connectAck.WriteBytes(QByteArray("\0\0\0\0P\0", 6));
        for (int connection = 1; connection <= 2; ++connection) {
            channel.Close();
            channel.Connect();
            QTRY_COMPARE(printer.Connections, connection + 1);
            printer.Send(connectAck, 1); // the printer numbers each connection's messages from 1
            QTRY_VERIFY(channel.IsConnected());
        }
    }

    void ports14000To14009DoubleFFBothWays()
    {
        std::unique_ptr<TFakeTcpPrinter> printer;
        for (const quint16 port : {14003, 14000, 14001, 14002, 14004, 14005, 14006, 14007, 14008, 14009}) {
            printer = std::make_unique<TFakeTcpPrinter>(port);
            if (printer->IsListening())
                break;
        }
        if (!printer->IsListening())
            QSKIP("every port of 14000-14009 is in use on this machine");
        TNetChannel channel(QStringLiteral("127.0.0.1"), printer->Port(), TCoder::Factory(m_views));
        QTRY_COMPARE(printer->Received.size(), 2);
        auto reply = std::make_unique<TXLMessage>(XLSend::StartPrint);
        reply->WriteBytes(Hex("FF 41 FF FF 98"));
        channel.QueueMessage(std::move(reply));
        QTRY_COMPARE(printer->Received.size(), 3);
        QCOMPARE(printer->ReceivedBodies[2], Hex("FF 41 FF FF 98"));
        // Worked out by hand: every run of 0xFF gets one more, in the CRC too.
        const QByteArray wire = Hex("01 00 00 03 01 00 08 30 00 01 FF FF 41 FF FF FF 98 7B FF FF");
        QCOMPARE(ToHex(printer->RawReceived.right(wire.size())), ToHex(wire));

        TXLMessage list(XLReceive::StatusId, XLReceive::ImageList);
        list.WriteBytes(QByteArray("\xFF\xFF\0", 3));
        printer->Send(list, 1);
        QTRY_COMPARE(TCoder::Of(channel).Images, QStringList{QString::fromLatin1("\xFF\xFF")});
    }

    // An operator request waits in a nested event loop: meanwhile timers run and other printers are
    // served, but the same printer's next message waits until the request is answered.
    void aWaitingHandlerHoldsItsPrinterOnly()
    {
        TFakeTcpPrinter printerA;
        TFakeTcpPrinter printerB;
        TNetChannel channelA(QStringLiteral("127.0.0.1"), printerA.Port(), TCoder::Factory(m_views));
        TNetChannel channelB(QStringLiteral("127.0.0.1"), printerB.Port(), TCoder::Factory(m_views));
        QTRY_VERIFY(printerA.Socket() && printerB.Socket());
        channelA.SetConnected(true); // a printer that is not connected asks nothing

        QStringList events;
        m_views.TextAnswer = [&](const QString&, const QString& text, quint8) -> std::optional<QString> {
            events << QStringLiteral("dialog opens");
            printerA.Send(StatusInfo(0x0101), 2);
            printerB.Send(StatusInfo(0x0100), 1);
            QTimer::singleShot(50, [&] { events << QStringLiteral("timer"); });
            QEventLoop dialog;
            QTimer::singleShot(400, &dialog, &QEventLoop::quit);
            dialog.exec();
            events << QStringLiteral("A status %1, B status %2")
                          .arg(TCoder::Of(channelA).StatusWord, 0, 16)
                          .arg(TCoder::Of(channelB).StatusWord, 0, 16);
            events << QStringLiteral("dialog closes");
            return text;
        };
        TXLMessage request(XLReceive::OperatorRequestId, XLReceive::OperatorTextRequest);
        request.WriteString(QStringLiteral("Lot?"));
        request.WriteString(QStringLiteral("L1"));
        request.WriteU8(8);
        printerA.Send(request, 1);
        QTRY_COMPARE(TCoder::Of(channelA).StatusWord, quint16(0x0101));
        QCOMPARE(events, (QStringList{"dialog opens", "timer", "A status 0, B status 100", "dialog closes"}));
    }

    // The printer closes its end (switched off, restarted) while the station still writes: the writes
    // fail quietly, the link is lost as one the station drops, 20 ms later, with what was queued for
    // it, and the channel connects again afterwards.
    void aConnectionThePeerClosesIsALostLink()
    {
        TFakeTcpPrinter printer;
        TNetChannel channel(QStringLiteral("127.0.0.1"), printer.Port(), TCoder::Factory(m_views));
        QTRY_COMPARE(printer.Received.size(), 2);
        QTRY_VERIFY(!channel.Unanswered());
        channel.SetConnected(true);
        QSignalSpy lost(&channel, &TCommChannel::LinkLost);
        printer.Socket()->close(); // the station has not seen it yet
        channel.QueueMessage(std::make_unique<TXLMessage>(XLSend::RequestStatus));
        channel.OnRetryTimer();
        QTRY_COMPARE(lost.size(), 1);
        QVERIFY(!channel.IsConnected());
        QVERIFY(!channel.IsLinkOpen());
        QCOMPARE(channel.QueuedMessages(), 0);
        QCOMPARE(printer.Received.size(), 2);

        channel.Connect();
        QTRY_COMPARE(printer.Received.size(), 3);
        QCOMPARE(printer.Connections, 2);
        QCOMPARE(printer.Received.last().MsgId, XLSend::ConnectRequest.Id);
        channel.Close(); // closing a link of its own is no loss
        QTest::qWait(2 * TNetChannel::LinkLostMs);
        QCOMPARE(lost.size(), 1);
    }

    void aLostLinkClosesTwentyMillisecondsLater()
    {
        TFakeTcpPrinter printer;
        TNetChannel channel(QStringLiteral("127.0.0.1"), printer.Port(), TCoder::Factory(m_views));
        QTRY_VERIFY(channel.Probed());
        channel.SetConnected(true);
        QSignalSpy lost(&channel, &TCommChannel::LinkLost);
        channel.Abort();
        QCOMPARE(channel.LinkTimer().interval(), 20);
        QVERIFY(channel.IsLinkOpen());
        QTRY_VERIFY(!channel.IsLinkOpen());
        QVERIFY(!channel.IsConnected());
        QCOMPARE(lost.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestNetChannel)
#include "tst_netchannel.moc"
