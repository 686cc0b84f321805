#include "TestSupport.h"
#include "comm/XLMessage.h"

#include <QTest>

using TestSupport::Hex;

namespace {
TXLMessage WithBody(const QByteArray& body)
{
    TXLMessage message(0x21, 1);
    message.WriteBytes(body);
    message.SetPosition(0);
    return message;
}
} // namespace

class TestXLMessage : public QObject
{
    Q_OBJECT

private slots:
    void numbersAreBigEndian()
    {
        TXLMessage message = WithBody(Hex("12 34 DE AD BE EF 7F"));
        QCOMPARE(message.ReadU16(), quint16(0x1234));
        QCOMPARE(message.ReadU32(), quint32(0xDEADBEEF));
        QCOMPARE(message.ReadU8(), quint8(0x7F));

        TXLMessage written;
        written.WriteU32(1);
        written.WriteU16(0x0A0B);
        written.WriteU8(0xFF);
        QCOMPARE(written.Body(), Hex("00 00 00 01 0A 0B FF"));
    }

    void readingPastTheEndStaysInsideTheBody_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("width");
        QTest::newRow("u8 of nothing") << QByteArray() << 1;
        QTest::newRow("u16 of one byte") << Hex("12") << 2;
        QTest::newRow("u32 of three bytes") << Hex("12 34 56") << 4;
    }
    void readingPastTheEndStaysInsideTheBody()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, width);
        TXLMessage message = WithBody(body);
        const quint32 value = width == 1   ? message.ReadU8()
                              : width == 2 ? message.ReadU16()
                                           : message.ReadU32();
        QCOMPARE(value, quint32(0));
        QVERIFY(message.AtEnd());
        QCOMPARE(message.ReadString(), QString());
        QVERIFY(message.ReadStringList().isEmpty());
    }

    void stringsEndAtZeroOrAtTheEnd_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("strings"); // read with ReadString until the end
        QTest::newRow("closed") << Hex("41 42 00") << QStringList{"AB"};
        QTest::newRow("runs to the end") << Hex("41 42") << QStringList{"AB"};
        QTest::newRow("empty string") << Hex("00 41 00") << QStringList{"", "A"};
        QTest::newRow("8-bit letters") << Hex("C4 E9 00") << QStringList{QString::fromLatin1("\xC4\xE9")};
    }
    void stringsEndAtZeroOrAtTheEnd()
    {
        QFETCH(QByteArray, body);
        QFETCH(QStringList, strings);
        TXLMessage message = WithBody(body);
        QStringList read;
        while (!message.AtEnd())
            read.append(message.ReadString());
        QCOMPARE(read, strings);
    }

    void stringListRules_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("list");
        QTest::newRow("empty entries skipped, unclosed tail ignored")
            << Hex("41 00 00 42 00 43") << QStringList{"A", "B"};
        QTest::newRow("empty body") << QByteArray() << QStringList{};
        QTest::newRow("only zeros") << Hex("00 00 00") << QStringList{};
        QTest::newRow("two names") << QByteArray("LABEL1\0LOT\0", 11) << QStringList{"LABEL1", "LOT"};
    }
    void stringListRules()
    {
        QFETCH(QByteArray, body);
        QFETCH(QStringList, list);
        TXLMessage message = WithBody(body);
        QCOMPARE(message.ReadStringList(), list);
    }

    void startPrintBodyWithEmptyImageB()
    {
        TXLMessage message(XLSend::StartPrint);
        message.WriteString("LABEL1");
        message.WriteString(QString());
        QCOMPARE(message.Body(), QByteArray("LABEL1\0\0", 8));
    }

    // A string carries the characters of ISO 8859-1 and no 0, which would end it early.
    void aWireStringHasEightBitCharactersOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("carried");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("Latin-1") << QStringLiteral("Lot \u00C4\u00FF") << true;
        QTest::newRow("euro sign") << QStringLiteral("5 \u20AC") << false;
        QTest::newRow("zero") << QString(QChar(0)) << false;
    }
    void aWireStringHasEightBitCharactersOnly()
    {
        QFETCH(QString, text);
        QFETCH(bool, carried);
        QCOMPARE(TXLMessage::IsWireString(text), carried);
    }

    void writesReplaceAtThePositionAndCutDropsTheRest()
    {
        TXLMessage message;
        message.WriteBytes("abcdef");
        message.SetPosition(2);
        message.WriteU8('X');
        QCOMPARE(message.Body(), QByteArray("abXdef"));
        message.CutAtPosition();
        QCOMPARE(message.Body(), QByteArray("abX"));
        QCOMPARE(message.Position(), 0);
    }
};

QTEST_APPLESS_MAIN(TestXLMessage)
#include "tst_xlmessage.moc"
