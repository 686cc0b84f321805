#include "RecordingChannel.h"
#include "RecordingViews.h"
#include "TestSupport.h"
#include "coder/Coder.h"

#include <QTest>

using TestSupport::Hex;

namespace {

TXLMessage Status(quint16 sub, const QByteArray& body = {})
{
    TXLMessage message(XLReceive::StatusId, sub);
    message.WriteBytes(body);
    return message;
}

// Body of a data packet the channel sent.
TXLMessage SentMessage(const TSentPacket& packet)
{
    TXLMessage message(packet.MsgId, packet.MsgSub);
    ReceivedPacket(packet.Bytes)->ReadPayload(message);
    return message;
}

} // namespace

class TestCoder : public QObject
{
    Q_OBJECT

    TRecordingCoderEvents m_views;
    std::unique_ptr<TRecordingChannel> m_channel;

    TCoder& Coder() { return TCoder::Of(*m_channel); }
    void Deliver(const TXLMessage& message)
    {
        static quint8 messageNo = 0;
        m_channel->DeliverMessage(message, ++messageNo);
    }

private slots:
    void init()
    {
        m_views = TRecordingCoderEvents();
        m_channel = std::make_unique<TRecordingChannel>(QStringLiteral("printer"), 1, TCoder::Factory(m_views));
    }

    void aFreshCoderIsAnUnknownPrinter()
    {
        QCOMPARE(Coder().DisplayName(), QStringLiteral("Unknown Printer"));
        QCOMPARE(Coder().Model, quint8(6));
        QCOMPARE(Coder().ProtectedImage, QStringLiteral("Telvos"));
        QVERIFY(!Coder().Connected);
    }

    void connectAckTakesOverTheStateAndAsksForMore()
    {
        m_channel->Connect(); // selects the printer, as the operator's connect does
        m_channel->AckUntilIdle();
        TXLMessage ack(XLReceive::ConnectionId, 0x0304);
        ack.WriteBytes(QByteArray("\x00\x01"
                                  "A\0B\0LINE3\0",
                                  12));
        Deliver(ack);
        QCOMPARE(Coder().Model, quint8(4));
        QCOMPARE(Coder().StatusWord, quint16(1));
        QCOMPARE(Coder().CurrentImageA, QStringLiteral("A"));
        QCOMPARE(Coder().CurrentImageB, QStringLiteral("B"));
        QCOMPARE(Coder().PrinterName, QStringLiteral("LINE3"));
        QVERIFY(Coder().Connected);
        QCOMPARE(Coder().DisplayName(), QStringLiteral("Cygnus - LINE3"));
        QCOMPARE(m_views.Calls, (QStringList{"CurrentImagesChanged A,B 4", "UpdateForm LINE3",
                                             "ConnectAcknowledged printer"}));
        m_channel->AckUntilIdle();
        const QList<TSentPacket> sent = m_channel->SentData().mid(1); // after the connect request
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent[0].MsgSub, XLSend::RequestPrinterInfo.Sub);
        QCOMPARE(sent[1].MsgSub, XLSend::RequestImageList.Sub);
    }

    void connectAckModelIsTheLowByteOfSub()
    {
        m_channel->Connect();
        Deliver(TXLMessage(XLReceive::ConnectionId, 0x0203));
        QCOMPARE(Coder().Model, quint8(3));
    }

    void printStateAndTheStatusWordMoveSeparately()
    {
        Deliver(Status(XLReceive::PrintStarted, Hex("00 00 00 2A 41 00 00")));
        QVERIFY(Coder().Printing);
        QCOMPARE(Coder().StatusWord, quint16(0x0100));
        QCOMPARE(Coder().PrintCount, 42);
        Deliver(Status(XLReceive::StatusInfo, Hex("00 00")));
        QCOMPARE(Coder().StatusWord, quint16(0));
        QVERIFY(Coder().Printing);
        Deliver(Status(XLReceive::PrintStopped));
        QVERIFY(!Coder().Printing);
    }

    void imageListKeepsTheProtectedImageWhenEmpty()
    {
        Deliver(Status(XLReceive::ImageList, QByteArray("FIRST\0SECOND\0", 13)));
        QCOMPARE(Coder().Images, (QStringList{"FIRST", "SECOND"}));
        QCOMPARE(Coder().ProtectedImage, QStringLiteral("FIRST"));
        QVERIFY(Coder().HasImage(QStringLiteral("SECOND")));
        QVERIFY(!Coder().HasImage(QStringLiteral("second")));
        Deliver(Status(XLReceive::ImageList));
        QVERIFY(Coder().Images.isEmpty());
        QCOMPARE(Coder().ProtectedImage, QStringLiteral("FIRST"));
    }

    // What each report of a connected printer does for the printer shown in the main window, and for
    // any other.
    void effectsForSelectedAndOtherPrinters_data()
    {
        QTest::addColumn<int>("sub");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("selectedCalls");
        QTest::addColumn<QStringList>("otherCalls");
        const QStringList none;
        QTest::newRow("image list") << 1 << QByteArray("X\0", 2) << QStringList{"ImageListChanged X"} << none;
        QTest::newRow("memory info") << 2
                                     << QByteArray("\0\0\x04\xD2"
                                                   "A\0\0",
                                                   7)
                                     << QStringList{"FreeSpaceChanged 1234 Bytes.", "CurrentImagesChanged A, 6"}
                                     << none;
        QTest::newRow("flash write started") << 3 << QByteArray() << QStringList{"FlashWriteStarted"} << none;
        QTest::newRow("flash write done") << 4 << QByteArray() << QStringList{"FlashWriteEnded"} << none;
        QTest::newRow("print count") << 5 << Hex("00 00 00 07") << QStringList{"PrintCountChanged 7"} << none;
        QTest::newRow("status") << 8 << Hex("01 01")
                                << QStringList{"StatusWordChanged 0x0101", "StatusChanged printer"}
                                << QStringList{"StatusChanged printer"};
        QTest::newRow("parameters") << 9 << Hex("00 01") << QStringList{"ParametersReported 2"} << none;
        QTest::newRow("next image") << 10 << QByteArray() << QStringList{"NextImageRequested"} << none;
        QTest::newRow("insufficient memory")
            << 12 << QByteArray() << QStringList{"InsufficientMemory"} << none;
        QTest::newRow("transfer failed") << 13 << QByteArray() << QStringList{"TransferFailed"} << none;
        QTest::newRow("print cycle timeout")
            << 15 << QByteArray() << QStringList{"FaultReported Unknown Printer - PRINT CYCLE TIMEOUT!"}
            << QStringList{"FaultReported Unknown Printer - PRINT CYCLE TIMEOUT!"};
        QTest::newRow("positioning error")
            << 16 << QByteArray() << QStringList{"FaultReported Unknown Printer - PRINTHEAD POSITIONING ERROR!"}
            << QStringList{"FaultReported Unknown Printer - PRINTHEAD POSITIONING ERROR!"};
        QTest::newRow("memory write error")
            << 18 << QByteArray() << QStringList{"FlashWriteEnded failed", "FaultReported MEMORY WRITE ERROR!"}
            << QStringList{"FaultReported MEMORY WRITE ERROR!"};
        QTest::newRow("image items") << 19 << QByteArray("IMG\0", 4) << QStringList{"ImageItemsReported 4"}
                                     << none;
        QTest::newRow("ribbon fault")
            << 21 << QByteArray() << QStringList{"FaultReported Unknown Printer - RIBBON FAULT!"}
            << QStringList{"FaultReported Unknown Printer - RIBBON FAULT!"};
        QTest::newRow("clock") << 23 << Hex("07 E8 03 05 0E 07")
                               << QStringList{"ClockReported 2024-3-5 14:7"}
                               << QStringList{"ClockReported 2024-3-5 14:7"};
        QTest::newRow("unknown sub") << 22 << QByteArray() << none << none;
    }
    void effectsForSelectedAndOtherPrinters()
    {
        QFETCH(int, sub);
        QFETCH(QByteArray, body);
        QFETCH(QStringList, selectedCalls);
        QFETCH(QStringList, otherCalls);
        for (const bool selected : {true, false}) {
            init();
            Coder().Connected = true;
            Coder().Selected = selected;
            Deliver(Status(quint16(sub), body));
            QCOMPARE(m_views.Calls, selected ? selectedCalls : otherCalls);
        }
    }

    // A host that answers discovery is probed: what it says on that link before anybody connected it
    // opens no window, and an acknowledgement nobody asked for connects nothing.
    void aPrinterThatIsNotConnectedOpensNoWindow_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("sub");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("connect acknowledgement") << int(XLReceive::ConnectionId) << 0x0101
                                                 << QByteArray("\0\0\0\0EVIL\0", 9);
        QTest::newRow("text request") << int(XLReceive::OperatorRequestId) << 1 << QByteArray("Lot?\0A\0\x05", 8);
        QTest::newRow("date request") << int(XLReceive::OperatorRequestId) << 3 << QByteArray();
        QTest::newRow("numeric request") << int(XLReceive::OperatorRequestId) << 5
                                         << Hex("00 00 00 05 00 00 00 01 00 00 00 09 02");
        QTest::newRow("clock report") << int(XLReceive::StatusId) << 23 << Hex("07 E8 03 05 0E 07");
        QTest::newRow("fault") << int(XLReceive::StatusId) << 21 << QByteArray();
    }
    void aPrinterThatIsNotConnectedOpensNoWindow()
    {
        QFETCH(int, id);
        QFETCH(int, sub);
        QFETCH(QByteArray, body);
        TXLMessage message{quint8(id), quint16(sub)};
        message.WriteBytes(body);
        Deliver(message);
        QCOMPARE(m_views.Calls, QStringList{});
        QVERIFY(!Coder().Connected);
        QCOMPARE(Coder().PrinterName, QStringLiteral("Unknown Printer"));
        QVERIFY(m_channel->SentData().isEmpty()); // no request, no reply
    }

    // A printer holds at most 1000 images with names of up to 255 characters: a report that says more
    // is refused whole, and the message window says so.
    void reportsBeyondWhatAPrinterHoldsAreRefused_data()
    {
        QTest::addColumn<int>("sub");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("taken");
        const auto names = [](int count, int length) {
            QByteArray list;
            for (int i = 0; i < count; ++i)
                list += QByteArray::number(i).rightJustified(length, 'N') + '\0';
            return list;
        };
        QTest::newRow("1000 names") << int(XLReceive::ImageList) << names(1000, 8) << true;
        QTest::newRow("1001 names") << int(XLReceive::ImageList) << names(1001, 8) << false;
        QTest::newRow("100000 names") << int(XLReceive::ImageList) << names(100000, 8) << false;
        QTest::newRow("a name of 256 characters") << int(XLReceive::ImageList) << names(1, 256) << false;
        QTest::newRow("a printer name of 300 characters")
            << int(XLReceive::Identity) << names(1, 300) + QByteArray("\0\x01V1\0", 5) << false;
    }
    void reportsBeyondWhatAPrinterHoldsAreRefused()
    {
        QFETCH(int, sub);
        QFETCH(QByteArray, body);
        QFETCH(bool, taken);
        Coder().Connected = true;
        Deliver(Status(quint16(sub), body));
        const bool changed = !Coder().Images.isEmpty() || Coder().PrinterName != QLatin1String("Unknown Printer");
        QCOMPARE(changed, taken);
        QCOMPARE(m_views.Calls, taken ? QStringList{}
                                      : QStringList{"FaultReported Unknown Printer - REPORT TOO LARGE, REFUSED!"});
    }

    void flashWriteHoldsSendingOnlyForTheSelectedPrinterAndAlwaysAsksForImages()
    {
        Coder().Selected = true;
        Deliver(Status(XLReceive::FlashWriteStarted));
        QVERIFY(Coder().Busy);
        Deliver(Status(XLReceive::FlashWriteDone));
        QVERIFY(!Coder().Busy); // released by the data packet that carried the report
        QCOMPARE(m_channel->SentData().last().MsgSub, XLSend::RequestImageList.Sub);
    }

    void identityAndVersionAreTakenOver()
    {
        Deliver(Status(XLReceive::Identity, QByteArray("LINE 7\0\x01\x02V2.1\0", 14)));
        QCOMPARE(Coder().PrinterName, QStringLiteral("LINE 7"));
        QCOMPARE(Coder().Model, quint8(2));
        QCOMPARE(Coder().Version, QStringLiteral("V2.1"));
        QCOMPARE(Coder().DisplayName(), QStringLiteral("Rigel - LINE 7"));
        Deliver(Status(XLReceive::VersionInfo, QByteArray("V3\0", 3)));
        QCOMPARE(Coder().Version, QStringLiteral("V3"));
        Coder().Model = 7;
        QCOMPARE(Coder().DisplayName(), QStringLiteral("LINE 7"));
    }

    void statusIconFromTheTwoBits_data()
    {
        QTest::addColumn<int>("statusWord");
        QTest::addColumn<int>("icon");
        QTest::newRow("neither") << 0x0000 << 0;
        QTest::newRow("ink") << 0x0001 << 1;
        QTest::newRow("printing") << 0x0100 << 2;
        QTest::newRow("both, other bits ignored") << 0xFFFF << 3;
    }
    void statusIconFromTheTwoBits()
    {
        QFETCH(int, statusWord);
        QFETCH(int, icon);
        Coder().StatusWord = quint16(statusWord);
        QCOMPARE(Coder().StatusIcon(), icon);
    }

    void operatorRequestsAreAnsweredToThePrinterThatAsked_data()
    {
        QTest::addColumn<int>("sub");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("replySub");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("text, closed at once")
            << 1 << QByteArray("Lot?\0ABCDE\0\x05", 12) << 2 << QByteArray("ABCDE\0", 6);
        QTest::newRow("date 5 March 2024") << 3 << QByteArray() << 4 << Hex("05 03 E8 07");
        QTest::newRow("numeric 258") << 5 << Hex("00 00 01 02 00 00 00 0A 00 00 00 14 03") << 6
                                     << Hex("00 00 01 02");
    }
    void operatorRequestsAreAnsweredToThePrinterThatAsked()
    {
        QFETCH(int, sub);
        QFETCH(QByteArray, request);
        QFETCH(int, replySub);
        QFETCH(QByteArray, reply);
        Coder().Connected = true;
        TXLMessage message(XLReceive::OperatorRequestId, quint16(sub));
        message.WriteBytes(request);
        Deliver(message);
        const TSentPacket sent = m_channel->SentData().last();
        QCOMPARE(sent.MsgId, XLReceive::OperatorRequestId);
        QCOMPARE(sent.MsgSub, quint16(replySub));
        QCOMPARE(SentMessage(sent).Body(), reply);
    }

    void anOperatorRequestClosedWithoutAnswerSendsNothing()
    {
        Coder().Connected = true;
        m_views.NumericAnswer = [](qint32, qint32, qint32, quint8) { return std::optional<qint32>(); };
        TXLMessage message(XLReceive::OperatorRequestId, XLReceive::OperatorNumericRequest);
        message.WriteBytes(Hex("00 00 00 05 00 00 00 01 00 00 00 09 02"));
        Deliver(message);
        QCOMPARE(m_views.Calls, QStringList{QStringLiteral("OperatorNumericRequest 5,1,9,2")});
        QVERIFY(m_channel->SentData().isEmpty());
    }

    void refreshPushesTheWholeState_data()
    {
        QTest::addColumn<bool>("printing");
        QTest::addColumn<QStringList>("calls");
        const QStringList head{"UpdateForm Unknown Printer", "CurrentImagesChanged A,B 6", "StatusWordChanged 0x0001"};
        QTest::newRow("printing") << true << head + QStringList{"PrintStarted 12", "ImageListChanged A,B,C"};
        QTest::newRow("stopped") << false
                                 << head + QStringList{"PrintStopped", "PrintCountChanged 12",
                                                       "ImageListChanged A,B,C"};
    }
    void refreshPushesTheWholeState()
    {
        QFETCH(bool, printing);
        QFETCH(QStringList, calls);
        Coder().Printing = printing;
        Coder().PrintCount = 12;
        Coder().StatusWord = 1;
        Coder().CurrentImageA = QStringLiteral("A");
        Coder().CurrentImageB = QStringLiteral("B");
        Coder().Images = QStringList{"A", "B", "C"};
        m_channel->SetSelected(true);
        QCOMPARE(m_views.Calls, calls);
        m_views.Calls.clear();
        m_channel->SetSelected(false);
        QVERIFY(m_views.Calls.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCoder)
#include "tst_coder.moc"
