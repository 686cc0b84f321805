#include "PrinterLink.h"
#include "RecordingChannel.h"
#include "RecordingViews.h"
#include "coder/Coder.h"
#include "SimCommands.h"
#include "SimMessageLog.h"
#include "SimPrinter.h"
#include "SimPty.h"
#include "SimTcpServer.h"
#include "TestSupport.h"

#include "comm/CommChannel.h"
#include "comm/XLPacketAssembler.h"
#include "platform/StationClock.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using TestSupport::Hex;
using TestSupport::ToHex;

namespace {

TXLMessage Message(quint8 id, quint16 sub, const QByteArray& body = {})
{
    TXLMessage message(id, sub);
    message.WriteBytes(body);
    return message;
}

TXLMessage Message(TXLMessageKind kind, const QByteArray& body = {})
{
    return Message(kind.Id, kind.Sub, body);
}

// "21/0008 00 01": Id, Sub and body of a message, for comparisons that show what differs.
QString Describe(const TXLMessage& message)
{
    return QStringLiteral("%1/%2 %3")
        .arg(message.Id, 2, 16, QLatin1Char('0'))
        .arg(message.Sub, 4, 16, QLatin1Char('0'))
        .arg(ToHex(message.Body()))
        .trimmed()
        .toUpper();
}

TSimPrinterConfig TestConfig()
{
    TSimPrinterConfig config;
    config.Model = 3;
    config.Name = QStringLiteral("LINE3");
    config.Version = QStringLiteral("2.5");
    config.MemoryBytes = 4096;
    config.FlashDelayMs = 1;
    return config;
}

// The station's end of one printer link, without a medium: what the printer writes is parsed into
// packets as a station would, and the test puts packets on the wire towards the printer.
class TStationEnd
{
public:
    explicit TStationEnd(TSimPrinter& printer, quint16 port = 0)
        : m_port(port),
          m_assembler([this](std::unique_ptr<TXLPacket> packet) { OnPacket(std::move(packet)); }, port),
          Link(std::make_unique<TPrinterLink>(
              QStringLiteral("test"), port,
              [this](const QByteArray& bytes) {
                  Wire += bytes;
                  m_assembler.ProcessBytes(bytes);
              },
              printer.Faults()))
    {
        printer.AddLink(Link.get());
    }

    // Acknowledge the printer's data packets (a moment later, as over a wire).
    bool AutoAck = true;
    QByteArray Wire; // every byte the printer wrote
    QList<TSentPacket> Packets;

    void SendWire(const QByteArray& packetBytes)
    {
        Link->ProcessBytes(XLPortDoublesFF(m_port) ? XLDoubleFF(packetBytes) : packetBytes);
    }
    void Send(const TXLMessage& message, quint8 messageNo)
    {
        for (const QByteArray& packet : PacketsOf(message, messageNo))
            SendWire(packet);
    }

    QList<TSentPacket> Acks() const
    {
        QList<TSentPacket> acks;
        for (const TSentPacket& packet : Packets)
            if (packet.IsAcknowledgement())
                acks.append(packet);
        return acks;
    }

    // The printer's messages, joined as the station joins them (a resent packet is taken once).
    QList<TXLMessage> Messages() const
    {
        QList<TXLMessage> messages;
        for (const TSentPacket& packet : Packets) {
            if (packet.IsAcknowledgement())
                continue;
            TXLMessage* last = messages.isEmpty() ? nullptr : &messages.last();
            const bool starts = !last || last->MessageNo != packet.MessageNo || last->Id != packet.MsgId ||
                                last->Sub != packet.MsgSub;
            if (starts) {
                messages.append(TXLMessage(packet.MsgId, packet.MsgSub));
                last = &messages.last();
                last->MessageNo = packet.MessageNo;
            } else if (packet.PacketNo != last->NextPacketNo) {
                continue;
            }
            last->NextPacketNo = quint8(packet.PacketNo + 1);
            last->WriteBytes(QByteArrayView(packet.Bytes).sliced(10, packet.Length - 3));
        }
        for (TXLMessage& message : messages)
            message.SetPosition(0);
        return messages;
    }
    QStringList Described() const
    {
        QStringList described;
        for (const TXLMessage& message : Messages())
            described.append(Describe(message));
        return described;
    }

private:
    void OnPacket(std::unique_ptr<TXLPacket> packet)
    {
        Packets.append({packet->Stream.Bytes(), packet->MessageNo, packet->PacketNo, packet->Length,
                        packet->MsgId, packet->MsgSub, packet->Flags});
        if (AutoAck && !packet->IsAcknowledgement()) {
            const QByteArray ack = AckWire(packet->MessageNo, packet->PacketNo);
            QMetaObject::invokeMethod(
                Link.get(), [this, ack] { SendWire(ack); }, Qt::QueuedConnection);
        }
    }

    quint16 m_port;
    TXLPacketAssembler m_assembler;

public:
    std::unique_ptr<TPrinterLink> Link; // last: destroyed first, while the writer's targets live
};

// The station's real channel and printer state over a TCP connection.
class TSocketChannel : public TCommChannel
{
public:
    TSocketChannel(quint16 port, TCoderEvents& events)
        : TCommChannel(QStringLiteral("sim"), port, TCoder::Factory(events)),
          m_assembler([this](std::unique_ptr<TXLPacket> packet) { OnPacketReceived(std::move(packet)); },
                      port)
    {
        connect(&m_socket, &QTcpSocket::readyRead, this,
                [this] { m_assembler.ProcessBytes(m_socket.readAll()); });
        m_socket.connectToHost(QHostAddress::LocalHost, port);
    }
    bool WaitConnected() { return m_socket.waitForConnected(5000); }
    void SendPacket(const TXLPacket& packet) override { m_socket.write(packet.Stream.Bytes()); }

private:
    QTcpSocket m_socket;
    TXLPacketAssembler m_assembler;
};

} // namespace

class TestPrinterSim : public QObject
{
    Q_OBJECT

    std::unique_ptr<TSimPrinter> m_printer;
    std::unique_ptr<TStationEnd> m_station;

    void MakePrinter(const TSimPrinterConfig& config = TestConfig(), quint16 port = 0)
    {
        m_station.reset();
        m_printer = std::make_unique<TSimPrinter>(config);
        m_printer->Faults().SetSeed(1);
        m_station = std::make_unique<TStationEnd>(*m_printer, port);
    }

private slots:
    void init() { MakePrinter(); }
    void cleanup()
    {
        m_station.reset();
        m_printer.reset();
        StationClock::SetSource({});
    }

    void stationConnectsAndTransfersAnImageOverTcp()
    {
        TSimTcpServer server(*m_printer);
        QVERIFY(server.Listen(QHostAddress::LocalHost, 0));
        TRecordingCoderEvents views;
        TSocketChannel channel(server.Port(), views);
        QVERIFY(channel.WaitConnected());

        channel.Connect();

        const TCoder& coder = TCoder::Of(channel);
        QTRY_COMPARE(coder.Images, QStringList({"Telvos", "DEMO"}));
        QVERIFY(coder.Connected);
        QCOMPARE(coder.Model, quint8(3));
        QCOMPARE(coder.PrinterName, QStringLiteral("LINE3"));
        QCOMPARE(coder.Version, QStringLiteral("2.5"));
        QCOMPARE(coder.StatusWord, quint16(0x0001));
        QCOMPARE(coder.CurrentImageA, QStringLiteral("DEMO"));
        QCOMPARE(coder.FreeMemory, m_printer->State().FreeMemory());
        QVERIFY(coder.FreeMemory > 0 && coder.FreeMemory < 4096);

        auto image = std::make_unique<TXLMessage>(XLSend::ImageData);
        image->WriteString(QStringLiteral("LABEL1"));
        image->WriteBytes(QByteArray(2500, 'i')); // three packets
        const QByteArray body = image->Body();
        channel.QueueMessage(std::move(image));

        QTRY_VERIFY(views.Calls.contains("NextImageRequested"));
        QVERIFY(m_printer->State().FindImage("LABEL1"));
        QCOMPARE(m_printer->State().FindImage("LABEL1")->Body, body);
    }

    void requestsAreAnsweredOnTheirLink_data()
    {
        QTest::addColumn<QByteArray>("request"); // Id, Sub high, Sub low, body
        QTest::addColumn<QStringList>("replies");
        QTest::newRow("connect") << Hex("3D 0000")
                                 << QStringList{"3D/0103 00 01 44 45 4D 4F 00 00 4C 49 4E 45 33 00"};
        QTest::newRow("status") << Hex("3F 0005") << QStringList{"21/0008 00 01"};
        QTest::newRow("printer info: identity, memory")
            << Hex("3F 0006")
            << QStringList{"21/000E 4C 49 4E 45 33 00 00 03 32 2E 35 00",
                           "21/0002 00 00 0E C3 44 45 4D 4F 00 00"};
        QTest::newRow("image list") << Hex("3F 0001")
                                    << QStringList{"21/0001 54 65 6C 76 6F 73 00 44 45 4D 4F 00"};
        QTest::newRow("image items of an image it does not hold")
            << Hex("3F 0004 4E4F4E4500") << QStringList{"21/0013 4E 4F 4E 45 00 30 00"};
        QTest::newRow("flash write") << Hex("31 0004") << QStringList{"21/0003", "21/0004"};
        QTest::newRow("start print") << Hex("30 0001 4C3100 00")
                                     << QStringList{"21/0006 00 00 00 00 4C 31 00 00"};
        QTest::newRow("stop print") << Hex("30 0002") << QStringList{"21/0007"};
        QTest::newRow("wake") << Hex("01 0000") << QStringList{};
        QTest::newRow("modify item") << Hex("31 0007 4100 3100 5800") << QStringList{};
        QTest::newRow("operator text reply") << Hex("32 0002 4F4B00") << QStringList{};
        QTest::newRow("unknown") << Hex("3F 0063") << QStringList{};
    }
    void requestsAreAnsweredOnTheirLink()
    {
        QFETCH(QByteArray, request);
        QFETCH(QStringList, replies);
        TStationEnd other(*m_printer); // a second link: answers never go there
        m_station->Send(Message(quint8(request[0]), quint16((quint8(request[1]) << 8) | quint8(request[2])),
                                request.mid(3)),
                        1);
        if (replies.isEmpty())
            QTest::qWait(20); // the flash delay and a resend would have shown by now
        QTRY_COMPARE(m_station->Described(), replies);
        QCOMPARE(m_station->Acks().size(), 1);
        QVERIFY(other.Packets.isEmpty());
    }

    void imageDataIsStoredOrRefused_data()
    {
        QTest::addColumn<qint64>("budget");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("bodySize");
        QTest::addColumn<int>("reply");
        QTest::addColumn<QStringList>("names");
        const QStringList factory{"Telvos", "DEMO"};
        QTest::newRow("stored, three packets")
            << qint64(4096) << "LABEL1" << 2500 << int(XLReceive::NextImageRequest)
            << QStringList{"Telvos", "DEMO", "LABEL1"};
        QTest::newRow("past the budget")
            << qint64(2000) << "LABEL1" << 2500 << int(XLReceive::InsufficientMemory) << factory;
        // 1000 bytes hold the new DEMO only when the old one's space is given back.
        QTest::newRow("replaces the image of its name")
            << qint64(1000) << "DEMO" << 900 << int(XLReceive::NextImageRequest) << factory;
        QTest::newRow("without a name")
            << qint64(4096) << "" << 100 << int(XLReceive::TransferFailed) << factory;
    }
    void imageDataIsStoredOrRefused()
    {
        QFETCH(qint64, budget);
        QFETCH(QString, name);
        QFETCH(int, bodySize);
        QFETCH(int, reply);
        QFETCH(QStringList, names);
        TSimPrinterConfig config = TestConfig();
        config.MemoryBytes = budget;
        MakePrinter(config);
        QByteArray body = name.toLatin1() + '\0';
        body.append(QByteArray(bodySize - body.size(), 'i'));

        m_station->Send(Message(XLSend::ImageData, body), 1);

        QTRY_COMPARE(m_station->Messages().size(), 1);
        QCOMPARE(m_station->Messages().first().Sub, quint16(reply));
        QCOMPARE(m_printer->State().ImageNames(), names);
        const TSimImage* stored = m_printer->State().FindImage(name);
        QCOMPARE(stored && stored->Body == body, reply == XLReceive::NextImageRequest);
    }

    void deleteImageRemovesItAndAnswers()
    {
        m_station->Send(Message(XLSend::DeleteImage, QByteArray("DEMO\0", 5)), 1);
        QTRY_COMPARE(m_station->Described(), QStringList{"21/000B"});
        QCOMPARE(m_printer->State().ImageNames(), QStringList{"Telvos"});
    }

    void repeatedPacketIsAcknowledgedAgainButHandledOnce_data()
    {
        QTest::addColumn<QList<int>>("packetOrder"); // indexes into the message's packets
        QTest::addColumn<int>("acks");
        QTest::newRow("one-packet message sent twice") << QList<int>{0, 0} << 2;
        QTest::newRow("first packet again before the second") << QList<int>{0, 0, 1} << 3;
        QTest::newRow("last packet again") << QList<int>{0, 1, 1} << 3;
    }
    void repeatedPacketIsAcknowledgedAgainButHandledOnce()
    {
        QFETCH(QList<int>, packetOrder);
        QFETCH(int, acks);
        const bool twoPackets = packetOrder.contains(1);
        const TXLMessage image = Message(XLSend::ImageData, "IMG" + QByteArray(twoPackets ? 1500 : 10, '\0'));
        const QList<QByteArray> packets = PacketsOf(image, 7);
        QSignalSpy received(m_station->Link.get(), &TPrinterLink::MessageReceived);

        for (const int index : packetOrder)
            m_station->SendWire(packets[index]);

        QCOMPARE(received.size(), 1);
        QCOMPARE(received.first().first().value<TXLMessage>().Body(), image.Body());
        QCOMPARE(m_station->Acks().size(), acks);
        for (const TSentPacket& ack : m_station->Acks())
            QCOMPARE(ack.MessageNo, quint8(7));
        QTRY_COMPARE(m_station->Messages().size(), 1); // one NextImageRequest
    }

    void ffIsDoubledOnPorts14000To14009BothWays_data()
    {
        QTest::addColumn<quint16>("port");
        QTest::addColumn<bool>("doubled");
        QTest::newRow("14003") << quint16(14003) << true;
        QTest::newRow("3000") << quint16(3000) << false;
    }
    void ffIsDoubledOnPorts14000To14009BothWays()
    {
        QFETCH(quint16, port);
        QFETCH(bool, doubled);
        MakePrinter(TestConfig(), port);
        TXLMessage write(XLSend::WriteParameterId, 11); // Speed := -1, four 0xFF bytes
        write.WriteU32(0xFFFFFFFF);

        m_station->Send(write, 1);
        m_station->Send(Message(XLSend::RequestParameters), 2);

        QTRY_COMPARE(m_station->Messages().size(), 1);
        QCOMPARE(m_printer->State().Parameters.Value(11), -1);
        QCOMPARE(m_station->Acks().size(), 2);
        TXLMessage data = m_station->Messages().first();
        data.SetPosition(44);
        QCOMPARE(data.ReadU32(), 0xFFFFFFFFu);
        QCOMPARE(m_station->Wire.contains(QByteArray(5, '\xFF')), doubled);
    }

    void ownMessagesGoOneAtATimeResentUntilAcknowledged()
    {
        m_station->AutoAck = false;
        m_printer->SendFault(XLReceive::RibbonFault);
        m_printer->SendFault(XLReceive::PositioningError);
        QCOMPARE(m_station->Packets.size(), 1);
        QCOMPARE(m_station->Packets[0].MessageNo, quint8(1));

        QElapsedTimer clock;
        clock.start();
        QTRY_COMPARE(m_station->Packets.size(), 2);
        QVERIFY(clock.elapsed() >= TPrinterLink::RetryInterval(m_station->Packets[0].Bytes.size()) - 20);
        QCOMPARE(m_station->Packets[1].Bytes, m_station->Packets[0].Bytes);

        m_station->SendWire(AckWire(1, 1));
        QCOMPARE(m_station->Packets.size(), 3);
        QCOMPARE(m_station->Packets[2].MessageNo, quint8(2));
        QCOMPARE(m_station->Packets[2].MsgSub, quint16(XLReceive::PositioningError));
        m_station->SendWire(AckWire(1, 1)); // late repeat of the first acknowledgement: ignored
        QCOMPARE(m_station->Packets.size(), 3);
    }

    void unansweredMessageIsGivenUpAfter15ResendsAndTheNextOneGoes()
    {
        m_station->AutoAck = false;
        m_printer->SendFault(XLReceive::RibbonFault);
        m_printer->SendFault(XLReceive::PositioningError);
        for (int expiry = 1; expiry <= TPrinterLink::MaxResends; ++expiry)
            m_station->Link->OnRetryTimer();
        QCOMPARE(m_station->Packets.size(), 1 + TPrinterLink::MaxResends);
        QCOMPARE(m_station->Messages().size(), 1);

        m_station->Link->OnRetryTimer();

        QCOMPARE(m_station->Described(), (QStringList{"21/0015", "21/0010"}));
        QCOMPARE(m_station->Packets.last().MessageNo, quint8(2));
    }

    void messageNumbersWrapFrom255To0()
    {
        m_station->AutoAck = false;
        QList<quint8> numbers;
        for (int i = 0; i < 257; ++i) {
            m_station->Link->SendMessage(
                std::make_unique<TXLMessage>(XLReceive::StatusId, XLReceive::PrintStopped));
            const TSentPacket sent = m_station->Packets.last();
            numbers.append(sent.MessageNo);
            m_station->SendWire(AckWire(sent.MessageNo, sent.PacketNo));
        }
        QCOMPARE(numbers.mid(253), (QList<quint8>{254, 255, 0, 1}));
    }

    void faultsActOnTheWire_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("handled");
        QTest::addColumn<bool>("acknowledged");
        QTest::addColumn<bool>("intactReply");
        QTest::newRow("incoming packet dropped") << "drop-in" << false << false << false;
        QTest::newRow("taken without acknowledgement") << "no-ack" << true << false << true;
        QTest::newRow("outgoing byte damaged") << "corrupt-out" << true << false << false;
        QTest::newRow("silent") << "silent" << false << false << false;
    }
    void faultsActOnTheWire()
    {
        QFETCH(QString, fault);
        QFETCH(bool, handled);
        QFETCH(bool, acknowledged);
        QFETCH(bool, intactReply);
        TSimFaults& faults = m_printer->Faults();
        faults.DropIncoming = fault == "drop-in" ? 1 : 0;
        faults.SkipAck = fault == "no-ack" ? 1 : 0;
        faults.CorruptOutgoing = fault == "corrupt-out" ? 1 : 0;
        faults.Silent = fault == "silent";
        QSignalSpy received(m_station->Link.get(), &TPrinterLink::MessageReceived);

        m_station->Send(Message(XLSend::RequestStatus), 1);

        QCOMPARE(received.size(), handled ? 1 : 0);
        QCOMPARE(m_station->Acks().size(), acknowledged ? 1 : 0);
        QCOMPARE(m_station->Messages().size(), intactReply ? 1 : 0);
        QCOMPARE(m_station->Wire.isEmpty(), !handled);
    }

    void acknowledgementWaitsForTheAckDelay()
    {
        m_printer->Faults().AckDelayMs = 40;
        QElapsedTimer clock;
        clock.start();
        m_station->Send(Message(XLSend::Wake), 1);
        QVERIFY(m_station->Acks().isEmpty());
        QTRY_COMPARE(m_station->Acks().size(), 1);
        QVERIFY(clock.elapsed() >= 40);
    }

    void printingCountsAndReportsUntilStopped()
    {
        TSimPrinterConfig config = TestConfig();
        config.PrintStepMs = 2;
        config.PrintReportMs = 20;
        MakePrinter(config);
        m_station->Send(Message(XLSend::StartPrint, QByteArray("A\0B\0", 4)), 1);
        QTRY_VERIFY(!m_station->Messages().isEmpty());
        QCOMPARE(Describe(m_station->Messages().first()), QStringLiteral("21/0006 00 00 00 00 41 00 42 00"));
        QCOMPARE(m_printer->State().StatusWord, quint16(0x0101));
        QTRY_VERIFY(m_station->Messages().size() >= 2);
        TXLMessage count = m_station->Messages()[1];
        QCOMPARE(count.Sub, quint16(XLReceive::PrintCountInfo));
        QVERIFY(count.ReadU32() > 0);

        m_station->Send(Message(XLSend::StopPrint), 2);
        QTRY_COMPARE(m_station->Messages().last().Sub, quint16(XLReceive::PrintStopped));
        const qsizetype reports = m_station->Messages().size();
        QTest::qWait(60); // three report intervals: nothing more after the stop
        QCOMPARE(m_station->Messages().size(), reports);
        QCOMPARE(m_printer->State().StatusWord, quint16(0x0001));
        QCOMPARE(m_printer->State().CurrentImageA, QStringLiteral("A"));
        QCOMPARE(m_printer->State().CurrentImageB, QStringLiteral("B"));
    }

    // Each change flips the ink bit and is reported; a link whose station does not acknowledge gets
    // nothing new until it does, so that reports do not pile up for it.
    void stateChangesFlipTheInkBitAndReachIdleLinksOnly()
    {
        TSimPrinterConfig config = TestConfig();
        config.StateChangesPerSecond = 100;
        MakePrinter(config);
        TStationEnd unanswering(*m_printer);
        unanswering.AutoAck = false;
        QTRY_VERIFY(m_station->Messages().size() >= 3);
        m_printer->SetStateChangesPerSecond(0);
        QList<quint16> words;
        for (TXLMessage& status : m_station->Messages()) {
            QCOMPARE(status.Sub, quint16(XLReceive::StatusInfo));
            words.append(status.ReadU16());
        }
        for (qsizetype i = 1; i < words.size(); ++i)
            QCOMPARE(words[i] ^ words[i - 1], int(TSimPrinterState::InkBit));
        QCOMPARE(unanswering.Messages().size(), 1);

        const qsizetype reports = m_station->Messages().size();
        QTest::qWait(40); // four periods: nothing more once the changes stop
        QCOMPARE(m_station->Messages().size(), reports);
    }

    void parameterDataFollowsTheModelsLayout_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("size");
        QTest::newRow("Altair contrast") << quint8(0) << 16 << 28 << 52;
        QTest::newRow("Altair inhibit delay") << quint8(0) << 18 << 40 << 52;
        QTest::newRow("Vega direction A") << quint8(1) << 8 << 28 << 72;
        QTest::newRow("Deneb delay B") << quint8(3) << 7 << 32 << 72;
        QTest::newRow("Lyra spit delay") << quint8(5) << 20 << 68 << 72;
        QTest::newRow("common debounce after print request") << quint8(2) << 5 << 20 << 72;
    }
    void parameterDataFollowsTheModelsLayout()
    {
        QFETCH(quint8, model);
        QFETCH(int, number);
        QFETCH(int, offset);
        QFETCH(int, size);
        TSimPrinterConfig config = TestConfig();
        config.Model = model;
        MakePrinter(config);
        TXLMessage write(XLSend::WriteParameterId, quint16(number));
        write.WriteU32(123456);
        TXLMessage unused(XLSend::WriteParameterId, 15); // no setting has number 15
        unused.WriteU32(99);

        m_station->Send(write, 1);
        m_station->Send(unused, 2);
        m_station->Send(Message(XLSend::RequestParameters), 3);

        QTRY_COMPARE(m_station->Messages().size(), 1);
        TXLMessage data = m_station->Messages().first();
        QCOMPARE(data.Sub, quint16(XLReceive::ParameterData));
        QCOMPARE(data.Size(), size);
        QCOMPARE(data.ReadU32(), quint32(model));
        data.SetPosition(offset);
        QCOMPARE(data.ReadU32(), 123456u);
        QVERIFY(!data.Body().contains(QByteArray::fromHex("00000063")));
    }

    void clockKeepsTheOffsetThatSetDateAndSetTimeMake()
    {
        QDateTime pcNow(QDate(2024, 3, 5), QTime(10, 20, 30));
        StationClock::SetSource([&pcNow] { return pcNow; });
        m_station->Send(Message(XLSend::SetDate, Hex("07E9 0C 1F")), 1); // 31 December 2025
        m_station->Send(Message(XLSend::SetTime, Hex("17 3B")), 2);      // 23:59
        m_station->Send(Message(XLSend::SetDate, Hex("07E9 02 1E")), 3); // 30 February: refused
        m_station->Send(Message(XLSend::SetTime, Hex("18 00")), 4);      // 24:00: refused
        m_station->Send(Message(XLSend::RequestClock), 5);
        QTRY_COMPARE(m_station->Described(), QStringList{"21/0017 07 E9 0C 1F 17 3B"});

        pcNow = pcNow.addSecs(60); // the printer's clock runs on from where it was set
        m_station->Send(Message(XLSend::RequestClock), 6);
        QTRY_COMPARE(m_station->Described().size(), 2);
        QCOMPARE(m_station->Described().last(), QStringLiteral("21/0017 07 EA 01 01 00 00"));
    }

    void commandsSendTheirMessageOnEveryConnectedLink_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("message");
        QTest::newRow("print cycle timeout") << "fault timeout"
                                             << "21/000F";
        QTest::newRow("positioning error") << "fault position"
                                           << "21/0010";
        QTest::newRow("ribbon fault") << "fault ribbon"
                                      << "21/0015";
        QTest::newRow("memory write error") << "fault memory"
                                            << "21/0012";
        QTest::newRow("operator text") << "request text \"Batch no\" B7 8"
                                       << "32/0001 42 61 74 63 68 20 6E 6F 00 42 37 00 08";
        QTest::newRow("operator text, empty default") << "request text Lot \"\" 4"
                                                      << "32/0001 4C 6F 74 00 00 04";
        QTest::newRow("operator date") << "request date"
                                       << "32/0003";
        QTest::newRow("operator numeric") << "request numeric 5 10 1 3"
                                          << "32/0005 00 00 00 05 00 00 00 0A 00 00 00 01 03";
        QTest::newRow("disconnect notice") << "disconnect"
                                           << "3D/55AA";
        QTest::newRow("disconnected") << "disconnected"
                                      << "21/0011";
        QTest::newRow("status word in hex") << "status 0x0101"
                                            << "21/0008 01 01";
        QTest::newRow("status word in decimal") << "status 257"
                                                << "21/0008 01 01";
        QTest::newRow("print count") << "count 258"
                                     << "21/0005 00 00 01 02";
    }
    void commandsSendTheirMessageOnEveryConnectedLink()
    {
        QFETCH(QString, command);
        QFETCH(QString, message);
        TStationEnd second(*m_printer);
        TStationEnd gone(*m_printer);
        gone.Send(Message(XLSend::DisconnectRequest), 1);

        const SimCommands::TResult result = SimCommands::Execute(*m_printer, command);

        QVERIFY2(result.Error.isEmpty(), qPrintable(result.Error));
        QVERIFY(!result.Quit);
        QCOMPARE(m_station->Described(), QStringList{message});
        QCOMPARE(second.Described(), QStringList{message});
        QVERIFY(gone.Messages().isEmpty());
    }

    void afterADisconnectNoticeThePrinterSendsNothingOfItsOwnUntilConnected()
    {
        SimCommands::Execute(*m_printer, QStringLiteral("disconnect"));
        SimCommands::Execute(*m_printer, QStringLiteral("fault ribbon"));
        QTRY_COMPARE(m_station->Described(), QStringList{"3D/55AA"});
        m_station->Send(Message(XLSend::ConnectRequest), 1);
        SimCommands::Execute(*m_printer, QStringLiteral("fault ribbon"));
        QTRY_COMPARE(m_station->Messages().size(), 3);
        QCOMPARE(Describe(m_station->Messages().last()), QStringLiteral("21/0015"));
    }

    void badCommandsAreRefusedAndSendNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("unknown") << "jump";
        QTest::newRow("unknown fault") << "fault fire";
        QTest::newRow("status word too large") << "status 70000";
        QTest::newRow("status word not a number") << "status high";
        QTest::newRow("numeric request short") << "request numeric 1 2";
        QTest::newRow("text length too large") << "request text A B 256";
        QTest::newRow("silent without state") << "silent";
        QTest::newRow("print count not a number") << "count many";
    }
    void badCommandsAreRefusedAndSendNothing()
    {
        QFETCH(QString, command);
        const SimCommands::TResult result = SimCommands::Execute(*m_printer, command);
        QVERIFY(!result.Error.isEmpty());
        QVERIFY(!result.Quit);
        QVERIFY(m_station->Wire.isEmpty());
    }

    void silentCommandStopsAndResumesAnswers()
    {
        QVERIFY(SimCommands::Execute(*m_printer, QStringLiteral("silent on")).Error.isEmpty());
        m_station->Send(Message(XLSend::RequestStatus), 1);
        QVERIFY(m_station->Wire.isEmpty());
        QVERIFY(SimCommands::Execute(*m_printer, QStringLiteral("silent off")).Error.isEmpty());
        m_station->Send(Message(XLSend::RequestStatus), 2);
        QTRY_COMPARE(m_station->Described(), QStringList{"21/0008 00 01"});
        QVERIFY(SimCommands::Execute(*m_printer, QStringLiteral("quit")).Quit);
    }

    void logHasOneJsonLinePerMessageButNoneForARepeat()
    {
        QTemporaryDir dir;
        TSimMessageLog log;
        QVERIFY(log.Open(dir.filePath(QStringLiteral("sim.jsonl"))));
        m_printer->SetLog(&log);

        m_station->Send(Message(XLSend::RequestImageItems, QByteArray("A\0", 2)), 9);
        m_station->Send(Message(XLSend::RequestImageItems, QByteArray("A\0", 2)), 9); // a repeat

        QFile file(dir.filePath(QStringLiteral("sim.jsonl")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(
            QString::fromLatin1(file.readAll()),
            QStringLiteral("{\"dir\":\"in\",\"id\":63,\"sub\":4,\"messageNo\":9,\"body\":\"4100\"}\n"
                           "{\"dir\":\"out\",\"id\":33,\"sub\":19,\"messageNo\":1,\"body\":\"41003000\"}\n"));
        m_printer->SetLog(nullptr);
    }

    void eachOpeningOfThePtyIsANewSession()
    {
        TSimPty pty(*m_printer);
        QVERIFY2(pty.Open(), qPrintable(pty.ErrorString()));
        const QByteArray request = PacketsOf(Message(XLSend::RequestStatus), 1).first();
        const QByteArray answer = AckWire(1, 1) + PacketsOf(StatusReply(), 1).first();
        for (int session = 1; session <= 2; ++session) {
            const int slave = ::open(qPrintable(pty.SlavePath()), O_RDWR | O_NOCTTY | O_NONBLOCK);
            QVERIFY(slave >= 0);
            QTRY_VERIFY(pty.InSession());
            // The same numbers each time: a repeat within a session, a new message in a new one.
            QCOMPARE(::write(slave, request.constData(), size_t(request.size())), ssize_t(request.size()));
            QByteArray received;
            QTRY_VERIFY((received += ReadAvailable(slave)).size() >= answer.size());
            ::close(slave);
            QCOMPARE(ToHex(received), ToHex(answer)); // nothing left over from the session before
            QTRY_VERIFY(!pty.InSession());
        }
    }

private:
    static TXLMessage StatusReply()
    {
        TXLMessage status(XLReceive::StatusId, XLReceive::StatusInfo);
        status.WriteU16(1);
        return status;
    }
    static QByteArray ReadAvailable(int fd)
    {
        char buffer[256];
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        return count > 0 ? QByteArray(buffer, count) : QByteArray();
    }
};

QTEST_GUILESS_MAIN(TestPrinterSim)
#include "tst_printersim.moc"
