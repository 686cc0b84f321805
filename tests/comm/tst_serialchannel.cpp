#include "PseudoTerminal.h"
#include "RecordingChannel.h"
#include "RecordingViews.h"
#include "comm/SerialChannel.h"
#include "comm/SerialTriggers.h"
#include "platform/SettingsStore.h"

#include <QTest>

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
    TRecordingViews m_views;
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
        m_views = TRecordingViews();
        m_channel = std::make_unique<TSerialChannel>(QStringLiteral("COM7"), 7, m_views);
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
        QCOMPARE(m_channel->Coder().StatusWord == 0x0101, handled);
    }

    void noiseBeforeTheStartByteIsSkipped()
    {
        m_channel->SetOnline(true);
        m_printer->Write(QByteArray("\x55\xAA\x7E\x00", 4) + Wire(StatusInfo(0x0100), 1));
        QTRY_COMPARE(m_channel->Coder().StatusWord, quint16(0x0100));
        StationSent(20); // wake and its neighbours, then the acknowledgement
    }

    void aLongPayloadComesInOneDataTrigger()
    {
        m_channel->SetOnline(true);
        TXLMessage list(XLReceive::StatusId, XLReceive::ImageList);
        const QByteArray name(296, 'N'); // 296 letters + 0 = 297 body bytes: Length 300
        list.WriteBytes(name + '\0');
        const QByteArray wire = Wire(list, 1);
        QCOMPARE(wire.size(), 7 + 300 + 2);
        m_printer->Write(wire);
        QTRY_COMPARE(m_channel->Coder().Images, QStringList{QString::fromLatin1(name)});
    }

    void connectShowsASilentPrinterConnectedUntilClosed()
    {
        m_channel->Connect();
        QVERIFY(m_channel->IsConnected());
        QVERIFY(m_channel->Coder().Selected);
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
        m_channel->SetOnline(true);
        m_channel->SetOnline(false);
        QVERIFY(!m_channel->IsPortOpen());
        QVERIFY(!m_channel->IsOnline());
        QCOMPARE(m_views.Calls.last(), QStringLiteral("RefreshListView"));
    }
};

QTEST_GUILESS_MAIN(TestSerialChannel)
#include "tst_serialchannel.moc"
