#include "PseudoTerminal.h"
#include "RecordingChannel.h"
#include "RecordingViews.h"
#include "coder/Coder.h"
#include "comm/SerialChannel.h"
#include "platform/SettingsStore.h"

#include <QSignalSpy>
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
        const QByteArray name(296, 'N'); // 296 letters + 0 = 297 body bytes: Length 300
        list.WriteBytes(name + '\0');
        const QByteArray wire = Wire(list, 1);
        QCOMPARE(wire.size(), 7 + 300 + 2);
        m_printer->Write(wire);
        QTRY_COMPARE(TCoder::Of(*m_channel).Images, QStringList{QString::fromLatin1(name)});
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
