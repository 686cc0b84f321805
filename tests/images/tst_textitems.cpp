#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/CoderImageItemList.h"
#include "images/DateItems.h"
#include "images/FontUnit.h"
#include "images/MemoItems.h"
#include "images/NumberItems.h"
#include "images/ShiftcodeItems.h"
#include "images/TextItems.h"
#include "images/TimeItems.h"
#include "platform/StationClock.h"

#include "DesignFileWriter.h"
#include "TestSupport.h"

#include <QTest>

#include <limits>

namespace {
constexpr int HeaderSize = 7;

// What the item appends after its header, as spaced hex.
QString Payload(TCoderImageItem& item)
{
    TXLMessage message;
    const std::optional<TImageError> error = item.WriteToMessage(message, TFontMap());
    if (error)
        return QStringLiteral("refused: ") + error->Field;
    return TestSupport::ToHex(message.Body().mid(HeaderSize));
}

QString Hex(const char* spacedHex)
{
    return TestSupport::ToHex(TestSupport::Hex(spacedHex));
}

// Noon on 15 March 2024, day 45366 after 30 December 1899.
const QDateTime FixedNow(QDate(2024, 3, 15), QTime(12, 0));
constexpr double FixedToday = 45366;
} // namespace

class TestTextItems : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        StationClock::SetSource([] { return FixedNow; });
    }

    void cleanup() { StationClock::SetSource({}); }

    void textItemSendsTextOptionExtraTextAndParameter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("extraText");
        QTest::addColumn<quint32>("parameter");
        QTest::addColumn<QString>("payload");

        QTest::newRow("without extra text") << "AB"
                                            << "" << 1u << Hex("41 42 00 03 00 00 01");
        QTest::newRow("with extra text") << "AB"
                                         << "X" << 1u << Hex("41 42 00 03 20 58 00 01");
        QTest::newRow("empty text, parameter low byte") << ""
                                                        << "" << 0x1FFu << Hex("00 03 00 00 FF");
        QTest::newRow("8-bit characters") << "\u00C4"
                                          << "" << 1u << Hex("C4 00 03 00 00 01");
    }

    void textItemSendsTextOptionExtraTextAndParameter()
    {
        QFETCH(QString, text);
        QFETCH(QString, extraText);
        QFETCH(quint32, parameter);
        QFETCH(QString, payload);

        TextItem item;
        item.Text = text;
        item.TextOption = 3;
        item.ExtraText = extraText;
        item.TextParameter = parameter;
        QCOMPARE(Payload(item), payload);
    }

    void memoItemSendsItsValuesLowByteFirstAndItsTextAsRead()
    {
        MemoItem item;
        item.MemoValueA = 300;
        item.MemoValueB = -2;
        item.MemoOption = 0x105;
        item.Text = QStringLiteral("a\r\nb");
        QCOMPARE(Payload(item), Hex("2C 01 FE FF 05 61 0D 0A 62 00"));
    }

    void dateItemSendsFormatCBeforeB()
    {
        DateItem item;
        item.Separator = '.';
        item.DateOptionD = 0x1AB;
        item.DateFormatA = 0xA0;
        item.DateFormatB = 0xB0;
        item.DateFormatC = 0xC0;
        item.DatePart1 = 3;
        item.DatePart2 = 2;
        item.DatePart3 = 1;
        item.BaseDate = FixedToday - 3;
        item.DateOptionC = 0x0C;
        item.DateValue = 0x1234;
        QCOMPARE(Payload(item), Hex("2E AB A0 03 02 01 03 C0 B0 0C 34 12 FF"));

        item.DateOptionA = 1;
        item.DateOptionB = 0;
        QCOMPARE(Payload(item), Hex("2E FF A0 03 02 01 03 C0 B0 0C 34 12 00"));
    }

    void dateItemSendsTheLowByteOfTheDayDifference_data()
    {
        QTest::addColumn<double>("baseDate");
        QTest::addColumn<int>("difference");

        QTest::newRow("3 days before") << FixedToday - 3 << 3;
        QTest::newRow("300 days before") << FixedToday - 300 << 44;
        QTest::newRow("1 day ahead") << FixedToday + 1 << 0xFF;
        QTest::newRow("time of day dropped before subtracting") << FixedToday - 2.25 << 3;
        QTest::newRow("before 1899 truncated toward zero") << -1.5 << int((FixedToday + 1)) % 256;
    }

    void dateItemSendsTheLowByteOfTheDayDifference()
    {
        QFETCH(double, baseDate);
        QFETCH(int, difference);
        DateItem item;
        item.BaseDate = baseDate;
        TXLMessage message;
        QVERIFY(!item.WriteToMessage(message, TFontMap()));
        QCOMPARE(int(quint8(message.Body().at(HeaderSize + 6))), difference);
    }

    void dateItemRefusesABaseDateThatIsNoDayNumber_data()
    {
        QTest::addColumn<double>("baseDate");
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("infinite") << -std::numeric_limits<double>::infinity();
        QTest::newRow("beyond 64-bit days") << 1e19;
    }

    void dateItemRefusesABaseDateThatIsNoDayNumber()
    {
        QFETCH(double, baseDate);
        DateItem item;
        item.BaseDate = baseDate;
        QCOMPARE(Payload(item), QStringLiteral("refused: BaseDate"));
    }

    void dateItemFromAVersion1FileEndsWithFF()
    {
        TDesignFileWriter record;
        record.Item("DateItem").Char('/');
        for (int i = 0; i < 6; ++i)
            record.Int32(0);
        record.Double(FixedToday).Int32(0).UInt32(0).UInt32(0);
        TBinaryFileStream stream(record.Bytes());
        TCoderImageItemList items;
        QVERIFY(!items.ReadItem(stream, TDesignFileVersion::V1_0X008));
        QCOMPARE(stream.Remaining(), 0);
        QVERIFY(Payload(*items.Item(0)).endsWith(QStringLiteral("FF")));
    }

    void timeItemNeverSendsItsFormatText_data()
    {
        QTest::addColumn<QString>("formatText");
        QTest::newRow("empty") << "";
        QTest::newRow("pattern") << "HH:MM:SS";
    }

    void timeItemNeverSendsItsFormatText()
    {
        QFETCH(QString, formatText);
        TimeItem item;
        item.FormatText = formatText;
        item.TimeFormat = 2;
        item.Separator = ':';
        item.TimeOption = 0x301;
        QCOMPARE(Payload(item), Hex("02 3A 01"));
    }

    void shiftcodeItemIsItsHeaderAlone()
    {
        ShiftcodeItem item;
        QCOMPARE(Payload(item), QString());
    }

    void numberItemSendsBigEndianValuesAndFlagAFirst()
    {
        NumberItem item;
        item.StartValue.clear();
        item.CurrentValue = QStringLiteral("5");
        QCOMPARE(Payload(item), Hex("00 00 00 00 00 00 00 05 00 00 03 E8 0A 01 01 00"));
        QCOMPARE(item.StartValue, QStringLiteral("000000"));

        item.StartValue = QStringLiteral("-2147483648");
        item.CurrentValue = QStringLiteral("+2147483647");
        item.EndValue = QStringLiteral("-1");
        item.NumberOptionA = QStringLiteral("0300");
        item.NumberOptionB = QStringLiteral("-1");
        item.NumberFlagA = 7;
        item.NumberFlagB = 9;
        QCOMPARE(Payload(item), Hex("80 00 00 00 7F FF FF FF FF FF FF FF 2C FF 07 09"));
    }

    void numberValueThatIsNoNumberRefusesTheItem_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");

        QTest::newRow("letters") << "CurrentValue"
                                 << "abc";
        QTest::newRow("leading space") << "EndValue"
                                       << " 5";
        QTest::newRow("trailing space") << "EndValue"
                                        << "5 ";
        QTest::newRow("sign alone") << "CurrentValue"
                                    << "-";
        QTest::newRow("empty current value") << "CurrentValue"
                                             << "";
        QTest::newRow("above 32 bits") << "EndValue"
                                       << "2147483648";
        QTest::newRow("below 32 bits") << "EndValue"
                                       << "-2147483649";
        QTest::newRow("many digits") << "EndValue"
                                     << "99999999999999999999999";
        QTest::newRow("hexadecimal") << "NumberOptionA"
                                     << "0x10";
        QTest::newRow("exponent") << "NumberOptionB"
                                  << "1e3";
        QTest::newRow("other digits") << "NumberOptionB"
                                      << "\u0663";
    }

    void numberValueThatIsNoNumberRefusesTheItem()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);

        NumberItem item;
        const std::map<QString, QString*> fields{{"CurrentValue", &item.CurrentValue},
                                                 {"EndValue", &item.EndValue},
                                                 {"NumberOptionA", &item.NumberOptionA},
                                                 {"NumberOptionB", &item.NumberOptionB}};
        *fields.at(field) = value;
        TXLMessage message;
        const std::optional<TImageError> error = item.WriteToMessage(message, TFontMap());
        QVERIFY(error);
        QCOMPARE(error->Kind, TImageErrorKind::NumberNotConvertible);
        QCOMPARE(error->Field, field);
        QCOMPARE(error->Value, value);
        QCOMPARE(message.Size(), 0);
    }

    void itemsReadTheirFieldsInFileOrder()
    {
        TDesignFileWriter records;
        records.Item("TextItem").String("T").Byte(4).String("E").UInt32(9);
        records.Item("TimeItem").String("HH").Byte(2).Int32(0x55).Char(':');
        records.Item("NumberItem")
            .String("1")
            .String("2")
            .String("3")
            .String("4")
            .String("5")
            .Byte(0xB)
            .Byte(0xA);
        TBinaryFileStream stream(records.Bytes());
        TCoderImageItemList items;
        for (int i = 0; i < 3; ++i)
            QVERIFY(!items.ReadItem(stream, TDesignFileVersion::V3_1X000));
        QCOMPARE(stream.Remaining(), 0);

        const auto* text = dynamic_cast<TextItem*>(items.Item(0));
        QVERIFY(text);
        QCOMPARE(text->Text, QStringLiteral("T"));
        QCOMPARE(text->TextOption, quint8(4));
        QCOMPARE(text->ExtraText, QStringLiteral("E"));
        QCOMPARE(text->TextParameter, 9u);
        const auto* time = dynamic_cast<TimeItem*>(items.Item(1));
        QVERIFY(time);
        QCOMPARE(time->FormatText, QStringLiteral("HH"));
        QCOMPARE(time->TimeFormat, quint8(2));
        QCOMPARE(time->TimeOption, 0x55);
        QCOMPARE(time->Separator, ':');
        const auto* number = dynamic_cast<NumberItem*>(items.Item(2));
        QVERIFY(number);
        QCOMPARE(QStringList({number->StartValue, number->CurrentValue, number->EndValue,
                              number->NumberOptionA, number->NumberOptionB}),
                 QStringList({"1", "2", "3", "4", "5"}));
        QCOMPARE(number->NumberFlagB, quint8(0xB));
        QCOMPARE(number->NumberFlagA, quint8(0xA));
    }
};

QTEST_APPLESS_MAIN(TestTextItems)
#include "tst_textitems.moc"
