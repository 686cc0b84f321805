#include "TestSupport.h"
#include "comm/XLMessage.h"
#include "comm/XLPackets.h"

#include <QRandomGenerator>
#include <QTest>

using TestSupport::Hex;

namespace {

quint16 BitwiseCrc(const QByteArray& data)
{
    quint16 crc = 0;
    for (const char c : data) {
        crc ^= quint16(quint8(c) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

// Cuts a message into packets the way the channel does: all with the same numbers and size code.
std::vector<TXLPacket> CutIntoPackets(TXLMessage& message, int sizeCode, quint8 messageNo = 7)
{
    std::vector<TXLPacket> packets;
    bool more = true;
    for (quint8 packetNo = 1; more; ++packetNo) {
        TXLPacket packet{quint16(sizeCode)};
        packet.MessageNo = messageNo;
        packet.PacketNo = packetNo;
        more = packet.BuildFromMessage(message);
        packets.push_back(std::move(packet));
    }
    return packets;
}

// What a receiver makes of a packet's wire bytes (no address bytes).
TXLPacket Receive(const QByteArray& wire, quint16* residue)
{
    TXLPacket received(quint16((quint8(wire[1]) << 8) | quint8(wire[2])));
    received.MessageNo = quint8(wire[3]);
    received.PacketNo = quint8(wire[4]);
    *residue = received.LoadFromStream(wire, int(wire.size()) - XLHeaderSizeWithoutAddresses);
    return received;
}

} // namespace

class TestXLPackets : public QObject
{
    Q_OBJECT

private slots:
    // Short data goes through the tables, longer data is folded in 16-byte blocks first (where the
    // processor can), with the rest through the tables; a CRC carried on covers both parts.
    void crcMatchesXmodemCheckValueAndBitwiseDefinition()
    {
        QCOMPARE(XLCrc::Of("123456789"), quint16(0x31C3));
        QRandomGenerator random(7);
        for (int size : {0,  1,  7,  8,   9,   15,  16,  17,  31,  32,   33,   47,  48,
                         49, 63, 64, 127, 128, 129, 143, 144, 200, 1000, 1033, 4096}) {
            QByteArray data(size, Qt::Uninitialized);
            for (char& c : data)
                c = char(random.bounded(256));
            QCOMPARE(XLCrc::Of(data), BitwiseCrc(data));
            for (const qsizetype split : {qsizetype(1), qsizetype(size / 2), qsizetype(size - 3)}) {
                if (split < 0 || split > size)
                    continue;
                const quint16 head = XLCrc::Of(QByteArrayView(data).first(split));
                const QByteArrayView tail = QByteArrayView(data).sliced(split);
                QCOMPARE(XLCrc::Update(head, reinterpret_cast<const uchar*>(tail.data()), tail.size()),
                         BitwiseCrc(data));
            }
        }
        QCOMPARE(XLCrc::Of(QByteArray(64, '\xFF')), BitwiseCrc(QByteArray(64, '\xFF')));
    }

    void exactByteImages_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("acknowledgement") << 0 << Hex("01 00 00 01 01 00 00 41 84");
        QTest::newRow("connect request") << 0x3D << Hex("01 00 00 01 01 00 03 3D 00 00 E1 E9");
    }
    void exactByteImages()
    {
        QFETCH(int, id);
        QFETCH(QByteArray, wire);
        TXLMessage message(quint8(id), 0);
        TXLPacket packet;
        packet.MessageNo = 1;
        packet.PacketNo = 1;
        QVERIFY(!packet.BuildFromMessage(message));
        QCOMPARE(packet.Stream.Bytes(), wire);
        QCOMPARE(packet.Size(), wire.size());
    }

    // Worked out by hand, CRC included: a 1,022-byte body at size code 0 as message 5 is a full
    // packet of 1,021 body bytes and a last one of one byte.
    void aMultiPacketMessageIsExactlyTheseBytes()
    {
        QByteArray body(1022, Qt::Uninitialized);
        for (int i = 0; i < body.size(); ++i)
            body[i] = char(i % 251);
        TXLMessage message(0x31, 2);
        message.WriteBytes(body);
        message.SetPosition(0);
        const std::vector<TXLPacket> packets = CutIntoPackets(message, 0, 5);
        QCOMPARE(packets.size(), size_t(2));
        const QByteArray first = Hex("01 00 00 05 01 04 00 31 00 02") + body.first(1021) + Hex("E2 C4");
        QCOMPARE(packets[0].Stream.Bytes(), first);
        QCOMPARE(packets[1].Stream.Bytes(), Hex("01 00 00 05 02 00 04 31 00 02 11 9F 74"));
    }

    void packetLengthsAtSizeBoundaries_data()
    {
        QTest::addColumn<int>("sizeCode");
        QTest::addColumn<int>("bodySize");
        QTest::addColumn<QList<int>>("lengths");
        QTest::newRow("empty body") << 0 << 0 << QList<int>{3};
        QTest::newRow("1020 at code 0") << 0 << 1020 << QList<int>{1023};
        QTest::newRow("1021 at code 0") << 0 << 1021 << QList<int>{1024, 3};
        QTest::newRow("1022 at code 0") << 0 << 1022 << QList<int>{1024, 4};
        QTest::newRow("2 x 509 at code 1") << 1 << 1018 << QList<int>{512, 512, 3};
        QTest::newRow("126 at code 3") << 3 << 126 << QList<int>{128, 4};
    }
    void packetLengthsAtSizeBoundaries()
    {
        QFETCH(int, sizeCode);
        QFETCH(int, bodySize);
        QFETCH(QList<int>, lengths);
        TXLMessage message(0x31, 2);
        message.WriteBytes(QByteArray(bodySize, 'x'));
        message.SetPosition(0);
        QList<int> actual;
        for (const TXLPacket& packet : CutIntoPackets(message, sizeCode))
            actual.append(packet.Length);
        QCOMPARE(actual, lengths);
    }

    void packetsJoinBackIntoTheMessage_data()
    {
        QTest::addColumn<int>("sizeCode");
        QTest::addColumn<int>("bodySize");
        for (int code = 0; code < 4; ++code)
            for (int size : {0, 1, 124, 125, 126, 1021, 5000})
                QTest::addRow("code %d, %d bytes", code, size) << code << size;
    }
    void packetsJoinBackIntoTheMessage()
    {
        QFETCH(int, sizeCode);
        QFETCH(int, bodySize);
        TXLMessage sent(0x31, 0x0102);
        QByteArray body(bodySize, Qt::Uninitialized);
        for (int i = 0; i < bodySize; ++i)
            body[i] = char(i * 7 + 3);
        sent.WriteBytes(body);
        sent.SetPosition(0);

        TXLMessage joined;
        bool more = true;
        for (const TXLPacket& packet : CutIntoPackets(sent, sizeCode)) {
            QVERIFY(more);
            quint16 residue = 1;
            const TXLPacket received = Receive(packet.Stream.Bytes(), &residue);
            QCOMPARE(residue, quint16(0));
            QCOMPARE(received.MsgId, quint8(0x31));
            QCOMPARE(received.MsgSub, quint16(0x0102));
            more = received.ReadPayload(joined);
        }
        QVERIFY(!more);
        QCOMPARE(joined.Body(), body);
    }

    void aFlippedByteLeavesAResidue()
    {
        TXLMessage message(0x3F, 5);
        TXLPacket packet;
        packet.BuildFromMessage(message);
        for (int i = 1; i < packet.Size(); ++i) {
            QByteArray wire = packet.Stream.Bytes();
            wire[i] = char(wire[i] ^ 0x10);
            quint16 residue = 0;
            Receive(wire, &residue);
            if (i != 5 && i != 6) // the length bytes decide how much is read; see the assembler tests
                QVERIFY2(residue != 0, qPrintable(QString::number(i)));
        }
    }

    void shrinkRebuildsTheSamePieceSmaller()
    {
        TXLMessage message(0x31, 2);
        QByteArray body(3000, Qt::Uninitialized);
        for (int i = 0; i < body.size(); ++i)
            body[i] = char(i);
        message.WriteBytes(body);
        message.SetPosition(0);

        TXLPacket packet(0x0100); // a flag bit without meaning to the station, kept by the shrink
        QVERIFY(packet.BuildFromMessage(message));
        QCOMPARE(packet.Length, quint16(1024));
        QVERIFY(packet.ShrinkSize(message));
        QCOMPARE(message.Position(), 0);
        QVERIFY(packet.BuildFromMessage(message));
        QCOMPARE(packet.Flags, quint16(0x0101));
        QCOMPARE(packet.Length, quint16(512));
        const QByteArray& wire = packet.Stream.Bytes();
        QCOMPARE(wire.size(), 7 + 512 + 2);
        QCOMPARE(wire[0], '\x01');
        QCOMPARE(wire.mid(10, 509), body.first(509));
        QCOMPARE(XLCrc::Of(QByteArrayView(wire).sliced(1)), quint16(0)); // CRC over the rebuilt bytes only
    }

    void shrinkRefusesWhenNothingIsGained_data()
    {
        QTest::addColumn<int>("sizeCode");
        QTest::addColumn<int>("bodySize");
        QTest::newRow("last packet of length 100 at code 0") << 0 << 97;
        QTest::newRow("already at code 3") << 3 << 500;
    }
    void shrinkRefusesWhenNothingIsGained()
    {
        QFETCH(int, sizeCode);
        QFETCH(int, bodySize);
        TXLMessage message(0x31, 2);
        message.WriteBytes(QByteArray(bodySize, 'x'));
        message.SetPosition(0);
        TXLPacket packet{quint16(sizeCode)};
        packet.BuildFromMessage(message);
        const qsizetype position = message.Position();
        QVERIFY(!packet.ShrinkSize(message));
        QCOMPARE(message.Position(), position);
    }

    void doubledFFOnTheWire_data()
    {
        QTest::addColumn<QByteArray>("packet");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("no FF") << Hex("01 02 03") << Hex("01 02 03");
        QTest::newRow("one FF") << Hex("01 FF 02") << Hex("01 FF FF 02");
        QTest::newRow("two adjacent") << Hex("01 FF FF 02") << Hex("01 FF FF FF 02");
        QTest::newRow("two runs") << Hex("FF 00 FF") << Hex("FF FF 00 FF FF");
    }
    void doubledFFOnTheWire()
    {
        QFETCH(QByteArray, packet);
        QFETCH(QByteArray, wire);
        QCOMPARE(XLDoubleFF(packet), wire);
    }

    void portsThatDoubleFF()
    {
        QVERIFY(!XLPortDoublesFF(3000));
        QVERIFY(!XLPortDoublesFF(13999));
        QVERIFY(XLPortDoublesFF(14000));
        QVERIFY(XLPortDoublesFF(14009));
        QVERIFY(!XLPortDoublesFF(14010));
    }
};

QTEST_APPLESS_MAIN(TestXLPackets)
#include "tst_xlpackets.moc"
