#include "PseudoTerminal.h"
#include "RecordingChannel.h"
#include "RecordingViews.h"
#include "TestSupport.h"
#include "coder/Coder.h"
#include "comm/SerialChannel.h"
#include "comm/SerialTriggers.h"
#include "platform/SettingsStore.h"

#include <QSignalSpy>
#include <QTest>

using TestSupport::Hex;
using TestSupport::ToHex;

namespace {

QByteArray Wire(const TXLMessage& message, quint8 messageNo)
{
    return PacketsOf(message, messageNo).first();
}

TXLMessage StatusInfo(quint16 word)
{
    TXLMessage message(XLReceive::StatusId, XLReceive::StatusInfo);
    message.WriteU16(word);
    return message;
}

} // namespace

class TestSerialChannel : public QObject
{
    Q_OBJECT

    std::unique_ptr<TPseudoTerminal> m_printer;
    TRecordingCoderEvents m_views;
    std::unique_ptr<TSerialChannel> m_channel;

    // Waits for the station's packets of the given total size on the printer's side.
    QByteArray StationSent(int bytes) { return m_printer->Read(bytes, 3000); }

private slots:
    void init()
    {
        m_printer = std::make_unique<TPseudoTerminal>();
        QVERIFY(m_printer->IsValid());
        // The station finds its COM7 on the pseudo-terminal through the port name mapping.
        SettingsStore::SetValue(QStringLiteral("ComPortDevices/COM7"), m_printer->Device());
        m_views = TRecordingCoderEvents();
        m_channel = std::make_unique<TSerialChannel>(QStringLiteral("COM7"), 7, TCoder::Factory(m_views));
    }
    void cleanup() { m_channel.reset(); }

    void thePortNeverOpensByItself()
    {
        QCOMPARE(m_channel->Device(), m_printer->Device());
        QVERIFY(!m_channel->IsPortOpen());
        m_channel->QueueMessage(std::make_unique<TXLMessage>(XLSend::RequestStatus));
        QVERIFY(!m_channel->IsPortOpen());
        QVERIFY(StationSent(1).isEmpty());
    }

    void anAcknowledgementIsATwoByteDataTrigger()
    {
        m_channel->SetOnline(true);
        QVERIFY(m_channel->IsPortOpen());
        const QByteArray wake = StationSent(10);
        QCOMPARE(wake, Wire(TXLMessage(XLSend::Wake), 1));
        m_printer->Write(AckWire(1, 1));
        QCOMPARE(StationSent(10), Wire(TXLMessage(XLSend::RequestStatus), 2));
    }

    // After a lone start byte the receiver waits about 0.27 s before it looks for the next one.
    void aStartByteWithoutPacketTimesOut_data()
    {
        QTest::addColumn<int>("silenceMs");
        QTest::addColumn<bool>("handled");
        QTest::newRow("packet within the timeout is read as the broken one's header") << 60 << false;
        QTest::newRow("packet after the timeout") << 450 << true;
    }
    void aStartByteWithoutPacketTimesOut()
    {
        QFETCH(int, silenceMs);
        QFETCH(bool, handled);
        m_channel->SetOnline(true);
        m_printer->Write(QByteArray(1, '\x01'));
        QTest::qWait(silenceMs);
        m_printer->Write(Wire(StatusInfo(0x0101), 1));
        QTest::qWait(200);
        QCOMPARE(TCoder::Of(*m_channel).StatusWord == 0x0101, handled);
    }

    void noiseBeforeTheStartByteIsSkipped()
    {
        m_channel->SetOnline(true);
        m_printer->Write(QByteArray("\x55\xAA\x7E\x00", 4) + Wire(StatusInfo(0x0100), 1));
        QTRY_COMPARE(TCoder::Of(*m_channel).StatusWord, quint16(0x0100));
        StationSent(20); // wake and its neighbours, then the acknowledgement
    }

    void aLongPayloadComesInOneDataTrigger()
    {
        m_channel->SetOnline(true);
        TXLMessage list(XLReceive::StatusId, XLReceive::ImageList);
        const QByteArray name(98, 'N'); // three names of 98 letters + 0 = 297 body bytes: Length 300
        list.WriteBytes(name + '\0' + name + '\0' + name + '\0');
        const QByteArray wire = Wire(list, 1);
        QCOMPARE(wire.size(), 7 + 300 + 2);
        m_printer->Write(wire);
        QTRY_COMPARE(TCoder::Of(*m_channel).Images, QStringList(3, QString::fromLatin1(name)));
    }

    // A printer that sends one-byte addresses, all zero: its packet is taken and acknowledged with its
    // flags and (swapped, zero) addresses. Bytes worked out by hand, CRC included.
    void aPacketWithAddressBytesIsAcknowledgedWithThem()
    {
        m_channel->SetOnline(true);
        StationSent(10);                                                          // the wake
        m_printer->Write(Hex("01 40 00 00 00 07 01 00 05 21 00 08 01 01 C7 FD")); // StatusInfo 0x0101
        QCOMPARE(ToHex(StationSent(11)), ToHex(Hex("01 40 00 00 00 07 01 00 00 90 CD")));
        QTRY_COMPARE(TCoder::Of(*m_channel).StatusWord, quint16(0x0101));
    }

    // A damaged packet is neither acknowledged nor handled, and the receiver waits for the next
    // start byte at once: the intact packet right behind it is taken.
    void aDamagedPacketIsDroppedAndTheNextOneTaken()
    {
        m_channel->SetOnline(true);
        StationSent(10);
        QByteArray damaged = Wire(StatusInfo(0x0001), 1);
        damaged[9] = char(damaged[9] ^ 0x04);
        m_printer->Write(damaged + Wire(StatusInfo(0x0100), 2));
        QCOMPARE(ToHex(StationSent(9)), ToHex(AckWire(2, 1)));
        QTRY_COMPARE(TCoder::Of(*m_channel).StatusWord, quint16(0x0100));
    }

    // The payload may take about 2.2 s to come; a payload that stalls longer is dropped and the
    // receiver waits for the next start byte.
    void aStalledPayloadTimesOut_data()
    {
        QTest::addColumn<int>("stallMs");
        QTest::addColumn<quint16>("status");
        QTest::newRow("the rest after 1 s completes the packet") << 1000 << quint16(0x0001);
        QTest::newRow("after 2.5 s the next packet is read afresh") << 2500 << quint16(0x0100);
    }
    void aStalledPayloadTimesOut()
    {
        QFETCH(int, stallMs);
        QFETCH(quint16, status);
        m_channel->SetOnline(true);
        const QByteArray first = Wire(StatusInfo(0x0001), 1);
        m_printer->Write(first.left(10)); // header and the first payload bytes
        QTest::qWait(stallMs);
        m_printer->Write(stallMs < 2000 ? first.mid(10) : Wire(StatusInfo(0x0100), 2));
        QTRY_COMPARE(TCoder::Of(*m_channel).StatusWord, status);
    }

    // Only TCP ports 14000-14009 double 0xFF: on a serial line the bytes go both ways as they are.
    void ffIsNotDoubledOnSerial()
    {
        m_channel->Connect();
        StationSent(12);
        m_printer->Write(AckWire(1, 1));
        auto start = std::make_unique<TXLMessage>(XLSend::StartPrint);
        start->WriteBytes(Hex("FF 41 FF FF 98"));
        m_channel->QueueMessage(std::move(start));
        QCOMPARE(ToHex(StationSent(17)), ToHex(Hex("01 00 00 02 01 00 08 30 00 01 FF 41 FF FF 98 78 8A")));
        m_printer->Write(Hex("01 00 00 01 01 00 06 21 00 01 FF FF 00 EF C3")); // ImageList: FF FF
        QTRY_COMPARE(TCoder::Of(*m_channel).Images, QStringList{QString::fromLatin1("\xFF\xFF")});
    }

    void connectShowsASilentPrinterConnectedUntilClosed()
    {
        m_channel->Connect();
        QVERIFY(m_channel->IsConnected());
        QVERIFY(TCoder::Of(*m_channel).Selected);
        QCOMPARE(StationSent(10), Wire(TXLMessage(XLSend::ConnectRequest), 1));
        QTest::qWait(300);
        QVERIFY(m_channel->IsConnected());
        m_channel->Close();
        QVERIFY(!m_channel->IsConnected());
        QVERIFY(!m_channel->IsPortOpen());
    }

    // While a handler waits (an operator request in a modal box), bytes go on arriving and are taken
    // in a nested call; what the triggers hold meanwhile stays bounded.
    void bytesArrivingWhileAHandlerWaitsAreHeldWithinABound()
    {
        TSerialTriggers triggers;
        qsizetype mostHeld = 0;
        int packets = 0;
        const QByteArray packet = QByteArray("\x01\x00\x00", 3);
        triggers.ArmStart('\x01', 3, 5, [&](const QByteArray&) {
            ++packets;
            triggers.ArmStart('\x01', 3, 5, [&](const QByteArray&) { ++packets; });
            for (int chunk = 0; chunk < 200; ++chunk) { // the printer talks on while the box is open
                triggers.Feed(QByteArray(1024, '\x55'));
                mostHeld = qMax(mostHeld, triggers.HeldBytes());
            }
            triggers.Feed(packet);
        });
        triggers.Feed(packet + QByteArray(100, '\x55'));
        QCOMPARE(packets, 2); // the bytes are still taken in order
        QVERIFY2(mostHeld <= TSerialTriggers::MaxHeldBytes, qPrintable(QString::number(mostHeld)));
        QCOMPARE(triggers.HeldBytes(), 0);
    }

    void goingOfflineClosesThePortAndRefreshesTheList()
    {
        QSignalSpy offline(m_channel.get(), &TCommChannel::WentOffline);
        m_channel->SetOnline(true);
        m_channel->SetOnline(false);
        QVERIFY(!m_channel->IsPortOpen());
        QVERIFY(!m_channel->IsOnline());
        QCOMPARE(offline.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSerialChannel)
#include "tst_serialchannel.moc"
