#include "RecordingChannel.h"
#include "RecordingViews.h"
#include "TestSupport.h"
#include "coder/Coder.h"

#include <QSignalSpy>
#include <QTest>

using TestSupport::Hex;

namespace {

std::unique_ptr<TXLMessage> Message(TXLMessageKind kind, int bodySize = 0)
{
    auto message = std::make_unique<TXLMessage>(kind);
    message->WriteBytes(QByteArray(bodySize, 'b'));
    return message;
}

TXLMessage Status(quint16 statusWord)
{
    TXLMessage message(XLReceive::StatusId, XLReceive::StatusInfo);
    message.WriteU16(statusWord);
    return message;
}

int RetryIntervalFor(int bytes)
{
    return bytes * 100 / 96 + 250;
}

} // namespace

class TestCommChannel : public QObject
{
    Q_OBJECT

    TRecordingCoderEvents m_views;
    std::unique_ptr<TRecordingChannel> m_channel;

private slots:
    void init()
    {
        m_views.Calls.clear();
        m_channel = std::make_unique<TRecordingChannel>(QStringLiteral("test"), 1, TCoder::Factory(m_views));
    }

    void secondMessageWaitsForTheLastAcknowledgementOfTheFirst()
    {
        m_channel->QueueMessage(Message(XLSend::ImageData, 1500)); // two packets
        m_channel->QueueMessage(Message(XLSend::FlashWrite));
        QCOMPARE(m_channel->SentData().size(), 1);
        QVERIFY(m_channel->AckCurrent());
        QCOMPARE(m_channel->SentData().size(), 2);
        QCOMPARE(m_channel->SentData().last().MsgSub, quint16(2)); // still the image
        QVERIFY(m_channel->AckCurrent());
        const TSentPacket flashWrite = m_channel->SentData().last();
        QCOMPARE(flashWrite.MsgSub, XLSend::FlashWrite.Sub);
        QCOMPARE(flashWrite.MessageNo, quint8(2));
        QCOMPARE(flashWrite.PacketNo, quint8(1));
    }

    void firstTimeoutCountsTheWholeBodyLaterOnesThePacket_data()
    {
        QTest::addColumn<int>("bodySize");
        QTest::addColumn<int>("firstInterval");
        QTest::addColumn<int>("secondInterval");
        QTest::newRow("40-byte message") << 40 << 291 << 0;
        QTest::newRow("2000-byte message") << 2000 << RetryIntervalFor(2000) << RetryIntervalFor(7 + 982 + 2);
    }
    void firstTimeoutCountsTheWholeBodyLaterOnesThePacket()
    {
        QFETCH(int, bodySize);
        QFETCH(int, firstInterval);
        QFETCH(int, secondInterval);
        m_channel->QueueMessage(Message(XLSend::ImageData, bodySize));
        QCOMPARE(m_channel->RetryTimer().interval(), firstInterval);
        m_channel->AckCurrent();
        if (secondInterval > 0)
            QCOMPARE(m_channel->RetryTimer().interval(), secondInterval);
        else
            QVERIFY(!m_channel->RetryTimer().isActive());
    }

    void aRealTimerResendsAfter291Milliseconds()
    {
        m_channel->QueueMessage(Message(XLSend::ImageData, 40));
        QElapsedTimer clock;
        clock.start();
        QTRY_COMPARE_WITH_TIMEOUT(m_channel->SentData().size(), 2, 2000);
        QVERIFY2(clock.elapsed() >= 280, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(m_channel->SentData()[0].Bytes, m_channel->SentData()[1].Bytes);
    }

    // Sends per packet size while nobody answers: 16 at the first size, then 15 at each smaller
    // size that gains something, then the message is given up and the next one goes out.
    void silenceShrinksThenGivesUp_data()
    {
        QTest::addColumn<int>("bodySize");
        QTest::addColumn<QList<int>>("sendsPerLength");
        QTest::addColumn<int>("nextMessageNo"); // each smaller size restarts the message under a new number
        QTest::newRow("short message: no smaller size helps") << 40 << QList<int>{16} << 2;
        QTest::newRow("full packet: every size tried") << 2000 << QList<int>{16, 15, 15, 15} << 5;
    }
    void silenceShrinksThenGivesUp()
    {
        QFETCH(int, bodySize);
        QFETCH(QList<int>, sendsPerLength);
        QFETCH(int, nextMessageNo);
        m_channel->QueueMessage(Message(XLSend::ImageData, bodySize));
        m_channel->QueueMessage(Message(XLSend::FlashWrite));
        int expiries = 0;
        while (m_channel->SentData().last().MsgSub == XLSend::ImageData.Sub && expiries < 200) {
            const int intervalBefore = m_channel->RetryTimer().interval();
            const qsizetype sentBefore = m_channel->SentData().size();
            m_channel->OnRetryTimer();
            ++expiries;
            const bool sent = m_channel->SentData().size() > sentBefore;
            if (sent && m_channel->SentData().last().MsgSub == XLSend::ImageData.Sub)
                QCOMPARE(m_channel->RetryTimer().interval(), intervalBefore); // a resend keeps the interval
        }
        QList<int> sends;
        quint16 length = 0;
        for (const TSentPacket& packet : m_channel->SentData()) {
            if (packet.MsgSub != XLSend::ImageData.Sub)
                continue;
            if (packet.Length != length)
                sends.append(0);
            length = packet.Length;
            ++sends.last();
        }
        QCOMPARE(sends, sendsPerLength);
        QCOMPARE(m_channel->SentData().last().MsgSub, XLSend::FlashWrite.Sub);
        QCOMPARE(m_channel->SentData().last().MessageNo, quint8(nextMessageNo));
        QVERIFY(m_channel->Unanswered());
    }

    void resendsAreCountedForEachPacket()
    {
        m_channel->QueueMessage(Message(XLSend::ImageData, 2500));
        for (int packet = 1; packet <= 3; ++packet) {
            for (int i = 0; i < 10; ++i)
                m_channel->OnRetryTimer();
            QCOMPARE(m_channel->SentData().last().Length, packet < 3 ? quint16(1024) : quint16(461));
            m_channel->AckCurrent();
        }
        QCOMPARE(m_channel->SentData().last().MessageNo, quint8(1));
    }

    void shrinkWaitsOneIntervalOfTheSmallerPacket()
    {
        m_channel->QueueMessage(Message(XLSend::ImageData, 2000));
        for (int i = 0; i < 15; ++i)
            m_channel->OnRetryTimer();
        QCOMPARE(m_channel->SentData().size(), 16);
        m_channel->OnRetryTimer(); // 16th silence: rebuilt smaller, not sent yet
        QCOMPARE(m_channel->SentData().size(), 16);
        QCOMPARE(m_channel->RetryTimer().interval(), RetryIntervalFor(7 + 512 + 2));
        m_channel->OnRetryTimer();
        const TSentPacket smaller = m_channel->SentData().last();
        QCOMPARE(smaller.Length, quint16(512));
        QCOMPARE(smaller.Flags & 0x3, 1);
        QCOMPARE(smaller.PacketNo, quint8(1));
    }

    // The printer may have the larger packet and have lost only its acknowledgements: a smaller packet
    // under the old numbers would be taken for a repeat, and the rest joined after the larger one.
    void shrinkingALaterPacketRestartsTheMessageUnderANewNumber()
    {
        QByteArray body(2500, Qt::Uninitialized);
        for (int i = 0; i < body.size(); ++i)
            body[i] = char(i % 251);
        auto message = std::make_unique<TXLMessage>(XLSend::ImageData);
        message->WriteBytes(body);
        m_channel->QueueMessage(std::move(message));
        m_channel->AckCurrent();
        for (int i = 0; i < 17; ++i)
            m_channel->OnRetryTimer(); // packet 2 never acknowledged; the 17th expiry sends it smaller
        const TSentPacket restart = m_channel->SentData().last();
        QCOMPARE(restart.MessageNo, quint8(2));
        QCOMPARE(restart.PacketNo, quint8(1));
        QCOMPARE(restart.Length, quint16(512));
        QCOMPARE(restart.Bytes.mid(10, 509), body.first(509));
        m_channel->AckUntilIdle();
        QByteArray joined;
        for (const TSentPacket& packet : m_channel->SentData())
            if (packet.MessageNo == 2)
                joined += packet.Bytes.mid(10, packet.Length - 3);
        QCOMPARE(joined, body);
    }

    // A printer that takes only packets of up to 512 bytes: once a packet of the message has been
    // made smaller, the rest of the message goes at that size; the next message starts at the full
    // size again.
    void aMessageKeepsTheSmallerSizeToItsEnd()
    {
        m_channel->QueueMessage(Message(XLSend::ImageData, 2500));
        m_channel->QueueMessage(Message(XLSend::ImageData, 2000));
        for (int step = 0; step < 500 && m_channel->QueuedMessages() > 0; ++step) {
            if (m_channel->SentData().last().Length <= 512)
                m_channel->AckCurrent();
            else
                m_channel->OnRetryTimer();
        }
        QCOMPARE(m_channel->QueuedMessages(), 0);
        QMap<int, QList<int>> through; // lengths of the packets that got through, by message number
        QMap<int, int> firstLength;
        for (const TSentPacket& packet : m_channel->SentData()) {
            firstLength.insert(packet.MessageNo, firstLength.value(packet.MessageNo, packet.Length));
            if (packet.Length <= 512)
                through[packet.MessageNo].append(packet.Length);
        }
        QCOMPARE(through.keys(), (QList<int>{2, 4})); // each restarted once, under a new number
        QCOMPARE(through[2], (QList<int>{512, 512, 512, 512, 467}));
        QCOMPARE(through[4], (QList<int>{512, 512, 512, 476}));
        QCOMPARE(firstLength[3], 1024);
    }

    void aRepeatedMessageIsAcknowledgedAgainButHandledOnce()
    {
        const QByteArray wire = PacketsOf(Status(0x0001), 9).first();
        m_channel->OnPacketReceived(ReceivedPacket(wire));
        m_channel->OnPacketReceived(ReceivedPacket(wire)); // our acknowledgement was lost
        QCOMPARE(m_channel->SentAcknowledgements().size(), 2);
        QCOMPARE(m_channel->SentAcknowledgements().first().Bytes, Hex("01 00 00 09 01 00 00 C4 47"));
        QCOMPARE(m_views.CallsStartingWith(QStringLiteral("StatusChanged")).size(), 1);
        QCOMPARE(TCoder::Of(*m_channel).StatusWord, quint16(1));
    }

    void staleAndForeignAcknowledgementsAreIgnored()
    {
        QSignalSpy acknowledged(m_channel.get(), &TCommChannel::PacketAcknowledged);
        m_channel->QueueMessage(Message(XLSend::ImageData, 2500)); // three packets
        m_channel->AckCurrent();
        m_channel->AckCurrent();
        const qsizetype sent = m_channel->Sent.size();
        m_channel->DeliverAck(1, 2); // packet 2 again while packet 3 is awaited
        m_channel->DeliverAck(2, 3); // another message's number
        QCOMPARE(m_channel->Sent.size(), sent);
        QCOMPARE(acknowledged.size(), 2);
        QVERIFY(m_channel->RetryTimer().isActive());
        QVERIFY(m_channel->AckCurrent());
        QVERIFY(!m_channel->RetryTimer().isActive());
        QCOMPARE(acknowledged.size(), 3);
    }

    void startPrintHoldsTheQueueUntilThePrinterSendsData()
    {
        m_channel->SetSelected(true);
        m_views.Calls.clear();
        m_channel->QueueMessage(Message(XLSend::StartPrint, 8));
        m_channel->QueueMessage(Message(XLSend::StopPrint));
        m_channel->AckCurrent();
        QVERIFY(TCoder::Of(*m_channel).Busy);
        QCOMPARE(m_views.Calls, QStringList{QStringLiteral("GeneratingImage")});
        QCOMPARE(m_channel->SentData().size(), 1);
        m_channel->DeliverMessage(Status(0x0100), 1);
        QVERIFY(!TCoder::Of(*m_channel).Busy);
        QCOMPARE(m_channel->SentData().last().MsgSub, XLSend::StopPrint.Sub);
    }

    void aHeldQueueDoesNotRestartTheMessageInFlight()
    {
        m_channel->SetSelected(true);
        m_channel->QueueMessage(Message(XLSend::ImageData, 2500));
        m_channel->DeliverMessage(TXLMessage(XLReceive::StatusId, XLReceive::FlashWriteStarted), 1);
        QVERIFY(TCoder::Of(*m_channel).Busy);
        m_channel->DeliverMessage(Status(0), 2); // releases the hold while packet 1 is in flight
        QCOMPARE(m_channel->SentData().size(), 1);
        m_channel->AckUntilIdle();
        QList<int> packetNumbers;
        for (const TSentPacket& packet : m_channel->SentData())
            packetNumbers.append(packet.PacketNo);
        QCOMPARE(packetNumbers, (QList<int>{1, 2, 3}));
    }

    void disconnectSendsWhatIsQueuedFirst()
    {
        m_channel->SetConnected(true);
        m_channel->QueueMessage(Message(XLSend::StopPrint));
        m_channel->QueueMessage(Message(XLSend::FlashWrite));
        QSignalSpy lost(m_channel.get(), &TCommChannel::LinkLost);
        m_channel->SendDisconnect();
        m_channel->AckUntilIdle();
        QList<quint16> subs;
        for (const TSentPacket& packet : m_channel->SentData())
            subs.append(packet.MsgSub);
        QCOMPARE(subs, (QList<quint16>{XLSend::StopPrint.Sub, XLSend::FlashWrite.Sub,
                                       XLSend::DisconnectRequest.Sub}));
        QVERIFY(!m_channel->IsConnected());
        QCOMPARE(lost.size(), 1);
    }

    void closingDropsWhatWasQueuedSoTheNextLinkStartsClean()
    {
        m_channel->QueueMessage(Message(XLSend::ImageData, 2500));
        m_channel->QueueMessage(Message(XLSend::StartPrint));
        m_channel->Close();
        QCOMPARE(m_channel->QueuedMessages(), 0);
        QVERIFY(!m_channel->RetryTimer().isActive());
        m_channel->Connect();
        QCOMPARE(m_channel->SentData().last().MsgId, XLSend::ConnectRequest.Id);
        m_channel->AckUntilIdle();
        QCOMPARE(m_channel->SentData().size(), 2);
    }

    void messageNumberWrapsFrom255To0()
    {
        QList<int> numbers;
        for (int i = 0; i < 257; ++i) {
            m_channel->QueueMessage(Message(XLSend::RequestStatus));
            numbers.append(m_channel->SentData().last().MessageNo);
            m_channel->AckCurrent();
        }
        QCOMPARE(numbers.mid(253), (QList<int>{254, 255, 0, 1}));
    }

    void aPrinterReportingItselfDisconnectedDropsTheQueue()
    {
        m_channel->SetConnected(true);
        m_channel->QueueMessage(Message(XLSend::ImageData, 2500));
        m_channel->QueueMessage(Message(XLSend::FlashWrite));
        QSignalSpy ended(m_channel.get(), &TCommChannel::PrinterEndedConnection);
        m_channel->DeliverMessage(TXLMessage(XLSend::DisconnectRequest), 4); // the printer's notice
        QCOMPARE(m_channel->QueuedMessages(), 0);
        QVERIFY(!m_channel->RetryTimer().isActive());
        QCOMPARE(ended.size(), 1);
    }

    void imageProgressFollowsTheAcknowledgementsOfTheSelectedPrinter()
    {
        m_channel->SetSelected(true);
        m_views.Calls.clear();
        m_channel->QueueMessage(Message(XLSend::ImageData, 2042)); // 1021 + 1021 + an empty last packet
        m_channel->AckUntilIdle();
        QCOMPARE(m_views.Calls, (QStringList{"ImagePacketAcknowledged 50", "ImagePacketAcknowledged 100",
                                             "ImagePacketAcknowledged 100 complete"}));
    }

    void anOversizedReceivedMessageIsAcknowledgedAndDropped()
    {
        TXLMessage huge(XLReceive::StatusId, XLReceive::StatusInfo);
        huge.WriteBytes(QByteArray(TCommChannel::MaxReceivedMessageSize + 1, '\x01'));
        m_channel->DeliverMessage(huge, 1);
        QCOMPARE(m_channel->SentAcknowledgements().size(), PacketsOf(huge, 1).size());
        QVERIFY(m_views.Calls.isEmpty());
        m_channel->DeliverMessage(Status(0x0001), 2);
        QCOMPARE(m_views.Calls, QStringList{QStringLiteral("StatusChanged test")});
    }
};

QTEST_GUILESS_MAIN(TestCommChannel)
#include "tst_commchannel.moc"
