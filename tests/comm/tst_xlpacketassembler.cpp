#include "TestSupport.h"
#include "comm/XLMessage.h"
#include "comm/XLPacketAssembler.h"

#include <QTest>

using TestSupport::Hex;

namespace {

QByteArray PacketBytes(quint8 messageNo, const QByteArray& body, quint16 flags = 0)
{
    TXLMessage message(0x21, 8);
    message.WriteBytes(body);
    message.SetPosition(0);
    TXLPacket packet(flags);
    packet.MessageNo = messageNo;
    packet.PacketNo = 1;
    packet.BuildFromMessage(message);
    return packet.Stream.Bytes();
}

// Feeds chunks through an assembler and lists the message numbers of the packets that came out.
QList<int> Assemble(const QList<QByteArray>& chunks, quint16 port = 3000)
{
    QList<int> delivered;
    TXLPacketAssembler assembler(
        [&](std::unique_ptr<TXLPacket> packet) { delivered.append(packet->MessageNo); }, port);
    for (const QByteArray& chunk : chunks)
        assembler.ProcessBytes(chunk);
    return delivered;
}

} // namespace

class TestXLPacketAssembler : public QObject
{
    Q_OBJECT

private slots:
    void noiseThenOneAndAHalfPacketsThenTheRest()
    {
        const QByteArray first = PacketBytes(1, "hello");
        const QByteArray second = PacketBytes(2, QByteArray(300, 'x'));
        const QByteArray noise = Hex("00 FF 7E 41");
        const QByteArray stream = noise + first + second;
        const qsizetype cut = noise.size() + first.size() + second.size() / 2;
        QCOMPARE(Assemble({stream.first(cut), stream.sliced(cut)}), (QList<int>{1, 2}));
    }

    void everySplitPointYieldsTheSamePackets()
    {
        const QByteArray stream =
            PacketBytes(1, "a") + PacketBytes(2, QByteArray(40, '\x01')) + PacketBytes(3, "");
        for (qsizetype cut = 0; cut <= stream.size(); ++cut)
            QCOMPARE(Assemble({stream.first(cut), stream.sliced(cut)}), (QList<int>{1, 2, 3}));
    }

    void droppedPacketsDoNotHideTheNextOne_data()
    {
        QTest::addColumn<QByteArray>("bad");
        QByteArray flipped = PacketBytes(1, "payload");
        flipped[12] = char(flipped[12] ^ 0x01);
        QByteArray tooLong = Hex("01 00 00 01 01 04 01"); // announces 1025 payload bytes
        QTest::newRow("flipped payload byte") << flipped;
        QTest::newRow("longer than 1024") << tooLong;
        QTest::newRow("announces address bytes") << PacketBytes(1, "addressed", 0x4000);
    }
    void droppedPacketsDoNotHideTheNextOne()
    {
        QFETCH(QByteArray, bad);
        QCOMPARE(Assemble({bad + PacketBytes(2, "next")}), QList<int>{2});
    }

    void ffRuleOnPorts14000To14009_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("doubledOnTheWire");
        QTest::addColumn<QList<int>>("delivered");
        QTest::newRow("14003, doubled") << 14003 << true << QList<int>{5};
        QTest::newRow("14003, not doubled") << 14003 << false << QList<int>{};
        QTest::newRow("3000, as they are") << 3000 << false << QList<int>{5};
        QTest::newRow("3000, doubled") << 3000 << true << QList<int>{};
    }
    void ffRuleOnPorts14000To14009()
    {
        QFETCH(int, port);
        QFETCH(bool, doubledOnTheWire);
        QFETCH(QList<int>, delivered);
        const QByteArray packet = PacketBytes(5, Hex("FF 00 FF FF 00 FF FF FF"));
        const QByteArray wire = doubledOnTheWire ? XLDoubleFF(packet) : packet;
        QCOMPARE(Assemble({wire}, quint16(port)), delivered);
    }

    void threeReceivedFFAfterAnotherByteYieldTwo()
    {
        QByteArray received;
        TXLPacketAssembler assembler(
            [&](std::unique_ptr<TXLPacket> packet) {
                TXLMessage message;
                packet->ReadPayload(message);
                received = message.Body();
            },
            14003);
        assembler.ProcessBytes(XLDoubleFF(PacketBytes(1, Hex("41 FF FF 42"))));
        QCOMPARE(received, Hex("41 FF FF 42"));
        QCOMPARE(XLDoubleFF(Hex("41 FF FF 42")), Hex("41 FF FF FF 42"));
    }
};

QTEST_APPLESS_MAIN(TestXLPacketAssembler)
#include "tst_xlpacketassembler.moc"
