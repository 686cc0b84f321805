#include "DesignFileWriter.h"
#include "TestSupport.h"
#include "comm/XLMessage.h"
#include "images/FontUnit.h"
#include "images/ImageData.h"

#include <QTemporaryDir>
#include <QTest>

using TestSupport::Hex;

namespace {

// 08:00 as the design program stores it: a hair below 8/24.
constexpr double Eight = 8.0 / 24.0 - 1e-12;

TDesignFileWriter TextItem(TDesignFileWriter writer, const QByteArray& text = "AB")
{
    return writer.Item("TextItem", {.FontNo = 1, .X = 300, .Y = 2}).String(text).Byte(0).String("").UInt32(0);
}

QList<TDesignShift> EarlyLateEnd()
{
    return {{1, Eight, "Early"}, {2, 45000.0 + 16.5 / 24.0, "Late"}, {7, 0, "x"}};
}

} // namespace

class TestImageData : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Write(const TDesignFileWriter& writer)
    {
        static int n = 0;
        const QString name = m_dir.filePath(QStringLiteral("image%1.Vega").arg(++n));
        writer.WriteTo(name);
        return name;
    }
    std::variant<std::unique_ptr<TXLMessage>, TImageError> Build(const TDesignFileWriter& writer)
    {
        return TImageDownload::Build(Write(writer), TFontMap({{1, 0, 0x21}}));
    }

private slots:
    void theBodyIsHeaderShiftsThenItems()
    {
        auto result = Build(
            TextItem(TDesignFileWriter().Header("zorbe V3.1X000", "TXT", "LABEL").Shifts().ItemCount(1)));
        QVERIFY(std::holds_alternative<std::unique_ptr<TXLMessage>>(result));
        const TXLMessage& message = *std::get<std::unique_ptr<TXLMessage>>(result);
        QVERIFY(message.Is(XLSend::ImageData));
        const QByteArray expected = QByteArray("LABEL\0TXT\0\x01", 11) +
                                    TDesignFileWriter::DefaultMonthNames + QByteArray(1, '\0') + Hex("00") +
                                    Hex("01 21 2C 01 02 00 00");
        QCOMPARE(message.Body().left(expected.size()), expected);
    }

    void shiftTableRules_data()
    {
        QTest::addColumn<bool>("withShiftItem");
        QTest::addColumn<QList<TDesignShift>>("shifts");
        QTest::addColumn<QByteArray>("table");
        QTest::newRow("no shift item: one 0 byte whatever the table holds")
            << false << EarlyLateEnd() << Hex("00");
        QTest::newRow("entry 1 coded 7: none") << true << QList<TDesignShift>{{7, Eight, "A"}} << Hex("00");
        QTest::newRow("two shifts before the end code")
            << true << EarlyLateEnd() << Hex("02 01 08 00 45 02 10 1E 4C");
        QTest::newRow("an empty name sends a blank")
            << true << QList<TDesignShift>{{3, 0.75, ""}, {7, 0, ""}} << Hex("01 03 12 00 20");
    }
    void shiftTableRules()
    {
        QFETCH(bool, withShiftItem);
        QFETCH(QList<TDesignShift>, shifts);
        QFETCH(QByteArray, table);
        TDesignFileWriter writer = TDesignFileWriter().Header("zorbe V2.1X000", "", "S").Shifts(shifts);
        writer.ItemCount(withShiftItem ? 2 : 1);
        writer = TextItem(writer);
        if (withShiftItem)
            writer.Item("ShiftcodeItem");
        auto result = Build(writer);
        QVERIFY(std::holds_alternative<std::unique_ptr<TXLMessage>>(result));
        const QByteArray body = std::get<std::unique_ptr<TXLMessage>>(result)->Body();
        const qsizetype tableAt = 2 + 1 + 1 + 37; // "S", "", count, month names
        QCOMPARE(TestSupport::ToHex(body.mid(tableAt, table.size())), TestSupport::ToHex(table));
        QCOMPARE(body.mid(tableAt + table.size(), 1), QByteArray(1, '\x01')); // the text item follows
    }

    void aTableWithoutEndCodeSendsAllTwentyFive()
    {
        QList<TDesignShift> shifts;
        for (int i = 0; i < 25; ++i)
            shifts.append({quint32(10 + i), 0, "N"});
        auto result = Build(TDesignFileWriter()
                                .Header("zorbe V3.1X000", "", "S")
                                .Shifts(shifts)
                                .ItemCount(1)
                                .Item("ShiftcodeItem"));
        const QByteArray body = std::get<std::unique_ptr<TXLMessage>>(result)->Body();
        QCOMPARE(body.size(), 2 + 1 + 1 + 37 + 1 + 25 * 4 + 7);
        QCOMPARE(quint8(body[41]), quint8(25));
    }

    void monthNamesOfOtherLengthsAreReplaced_data()
    {
        QTest::addColumn<QByteArray>("monthNames");
        QTest::addColumn<QByteArray>("sent");
        const QByteArray dutch = "JANFEBMRTAPRMEIJUNJULAUGSEPOKTNOVDEC";
        QTest::newRow("36, kept") << dutch << dutch;
        QTest::newRow("35, replaced") << dutch.left(35) << QByteArray(TDesignFileWriter::DefaultMonthNames);
        QTest::newRow("37, replaced") << dutch + "X" << QByteArray(TDesignFileWriter::DefaultMonthNames);
    }
    void monthNamesOfOtherLengthsAreReplaced()
    {
        QFETCH(QByteArray, monthNames);
        QFETCH(QByteArray, sent);
        auto result = Build(TextItem(
            TDesignFileWriter().Header("zorbe V3.1X000", "", "M", monthNames).Shifts().ItemCount(1)));
        QCOMPARE(std::get<std::unique_ptr<TXLMessage>>(result)->Body().mid(4, 37), sent + '\0');
    }

    void refusalsSayWhichRule_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("kind");
        const TDesignFileWriter header = TDesignFileWriter().Header("zorbe V3.1X000", "", "R").Shifts();
        QTest::newRow("unknown version") << TDesignFileWriter().Header("zorbe V9.9X000", "", "R").Bytes()
                                         << int(TImageErrorKind::InvalidFileVersion);
        QTest::newRow("no items") << TDesignFileWriter(header).ItemCount(0).Bytes()
                                  << int(TImageErrorKind::InvalidItemType);
        QTest::newRow("unknown type") << TDesignFileWriter(header).ItemCount(1).Item("ClockItem").Bytes()
                                      << int(TImageErrorKind::InvalidItemType);
        QTest::newRow("cut short") << TextItem(TDesignFileWriter(header).ItemCount(2)).Bytes()
                                   << int(TImageErrorKind::DamagedFile);
        QTest::newRow("a counter that is no number") << TDesignFileWriter(header)
                                                            .ItemCount(1)
                                                            .Item("NumberItem")
                                                            .String("12a")
                                                            .String("1")
                                                            .String("9")
                                                            .String("1")
                                                            .String("0")
                                                            .Byte(0)
                                                            .Byte(0)
                                                            .Bytes()
                                                     << int(TImageErrorKind::NumberNotConvertible);
    }
    void refusalsSayWhichRule()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, kind);
        auto result = Build(TDesignFileWriter().Raw(file));
        QVERIFY(std::holds_alternative<TImageError>(result));
        QCOMPARE(int(std::get<TImageError>(result).Kind), kind);
    }

    // The printer reads a text up to its first 0 byte, so a design-file string holding one would end
    // early there and the rest be read as the fields that follow.
    void aTextHoldingAZeroByteIsRefusedNamingItsField_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        const QByteArray zero("A\0B", 3);
        const auto header = [](QByteArrayView imageText, QByteArrayView months, quint32 items = 1) {
            return TDesignFileWriter()
                .Header("zorbe V3.1X000", imageText, "Z", months)
                .Shifts()
                .ItemCount(items);
        };
        const TDesignFileWriter plain = header("", TDesignFileWriter::DefaultMonthNames, 2);
        const auto second = [&plain](QByteArrayView typeName) {
            return TDesignFileWriter(plain).Item("ShiftcodeItem").Item(typeName);
        };
        const QString itemText =
            QStringLiteral("IMAGE Z, ITEM 2 (%1): %2 CONTAINS A ZERO BYTE, TRANSFER OF IMAGE ABORTED");
        const QString imageText =
            QStringLiteral("IMAGE Z: %1 CONTAINS A ZERO BYTE, TRANSFER OF IMAGE ABORTED");

        QTest::newRow("image text") << TextItem(header(zero, TDesignFileWriter::DefaultMonthNames)).Bytes()
                                    << imageText.arg("ImageText");
        QTest::newRow("month names")
            << TextItem(
                   header("", QByteArray(TDesignFileWriter::DefaultMonthNames).replace(3, 1, zero.mid(1, 1))))
                   .Bytes()
            << imageText.arg("MonthNames");
        QTest::newRow("text") << second("TextItem").String(zero).Byte(0).String("").UInt32(0).Bytes()
                              << itemText.arg("TextItem", "Text");
        QTest::newRow("extra text") << second("TextItem").String("A").Byte(0).String(zero).UInt32(0).Bytes()
                                    << itemText.arg("TextItem", "ExtraText");
        QTest::newRow("multi-line text") << second("MemoItem").Int32(0).Int32(0).Int32(0).String(zero).Bytes()
                                         << itemText.arg("MemoItem", "Text");
        QTest::newRow("Code 128")
            << second("BarcodeItem").UInt32(4).String(zero).UInt32(100).UInt32(3).Bytes()
            << itemText.arg("BarcodeItem", "Data");
        QTest::newRow("Code 39")
            << second("BarcodeItem").UInt32(7).String(zero).Int32(100).Int32(3).Byte(0).Int32(50).Bytes()
            << itemText.arg("BarcodeItem", "Data");
        QTest::newRow("ITF") << second("BarcodeItem")
                                    .UInt32(6)
                                    .Byte(0)
                                    .Int32(3)
                                    .Int32(0)
                                    .Int32(0)
                                    .Byte(0)
                                    .Byte(0)
                                    .Int32(50)
                                    .String(zero)
                                    .Bytes()
                             << itemText.arg("BarcodeItem", "Data");
        QTest::newRow("EAN-128 element") << second("BarcodeItem")
                                                .UInt32(5)
                                                .UInt32(2)
                                                .String("01")
                                                .Byte(7)
                                                .String("0401234")
                                                .String("10")
                                                .Byte(8)
                                                .String(zero)
                                                .UInt32(100)
                                                .UInt32(3)
                                                .UInt32(0)
                                                .Bytes()
                                         << itemText.arg("BarcodeItem", "ElementText4 of element 2");
    }
    void aTextHoldingAZeroByteIsRefusedNamingItsField()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        auto result = Build(TDesignFileWriter().Raw(file));
        QVERIFY(std::holds_alternative<TImageError>(result));
        QCOMPARE(ImageErrorText(std::get<TImageError>(result), QString(), QStringLiteral("Z")), message);
    }

    // The body's item count is one byte: beyond 255 the printer would read the wrong number.
    void moreItemsThanTheCountByteCanSayAreRefused_data()
    {
        QTest::addColumn<int>("itemCount");
        QTest::addColumn<bool>("refused");
        QTest::newRow("255") << 255 << false;
        QTest::newRow("256") << 256 << true;
    }
    void moreItemsThanTheCountByteCanSayAreRefused()
    {
        QFETCH(int, itemCount);
        QFETCH(bool, refused);
        TDesignFileWriter writer = TDesignFileWriter().Header("zorbe V3.1X000", "", "MANY").Shifts();
        writer.ItemCount(quint32(itemCount));
        for (int i = 0; i < itemCount; ++i)
            writer.Item("ShiftcodeItem");
        auto result = Build(writer);
        if (refused) {
            QVERIFY(std::holds_alternative<TImageError>(result));
            QCOMPARE(ImageErrorText(std::get<TImageError>(result), QString(), QStringLiteral("MANY")),
                     QStringLiteral("IMAGE MANY HAS 256 ITEMS, MORE THAN 255, TRANSFER OF IMAGE ABORTED"));
        } else {
            QVERIFY(std::holds_alternative<std::unique_ptr<TXLMessage>>(result));
            QCOMPARE(quint8(std::get<std::unique_ptr<TXLMessage>>(result)->Body().at(6)), quint8(255));
        }
    }

    // Code 39 and ITF data and the EAN-128 elements are counted in one byte, like the items.
    void oneByteCountsThatWouldWrapAreRefused_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message"); // empty: sent
        const TDesignFileWriter header =
            TDesignFileWriter().Header("zorbe V3.1X000", "", "C").Shifts().ItemCount(1).Item("BarcodeItem");
        const auto code39 = [&header](int length) {
            return TDesignFileWriter(header)
                .UInt32(7)
                .String(QByteArray(length, 'A'))
                .Int32(100)
                .Int32(3)
                .Byte(0)
                .Int32(50)
                .Bytes();
        };
        const auto itf = [&header](int length) {
            TDesignFileWriter file(header);
            file.UInt32(6).Byte(0).Int32(3).Int32(0).Int32(0).Byte(0).Byte(0).Int32(50);
            return file.String(QByteArray(length, '1')).Bytes();
        };
        const auto ean128 = [&header](int elements) {
            TDesignFileWriter file(header);
            file.UInt32(5).UInt32(quint32(elements));
            for (int i = 0; i < elements; ++i)
                file.String("10").Byte(8).String("L");
            return file.UInt32(100).UInt32(3).UInt32(0).Bytes();
        };
        const QString tooLong = QStringLiteral("IMAGE C, ITEM 1 (BarcodeItem): DATA HAS 256 CHARACTERS, MORE "
                                               "THAN 255, TRANSFER OF IMAGE ABORTED");
        QTest::newRow("Code 39, 255 characters") << code39(255) << QString();
        QTest::newRow("Code 39, 256 characters") << code39(256) << tooLong;
        QTest::newRow("ITF, 256 characters") << itf(256) << tooLong;
        QTest::newRow("EAN-128, 255 elements") << ean128(255) << QString();
        QTest::newRow("EAN-128, 256 elements")
            << ean128(256)
            << QStringLiteral("IMAGE C, ITEM 1 (BarcodeItem): BARCODE HAS 256 ELEMENTS, MORE THAN 255, "
                              "TRANSFER OF IMAGE ABORTED");
    }
    void oneByteCountsThatWouldWrapAreRefused()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        auto result = Build(TDesignFileWriter().Raw(file));
        if (message.isEmpty()) {
            QVERIFY(std::holds_alternative<std::unique_ptr<TXLMessage>>(result));
            return;
        }
        QVERIFY(std::holds_alternative<TImageError>(result));
        QCOMPARE(ImageErrorText(std::get<TImageError>(result), QString(), QStringLiteral("C")), message);
    }

    void theImageNameIsKnownBeforeTheItemsAreRead()
    {
        TImageDownload download;
        QVERIFY(
            !download.Begin(Write(TDesignFileWriter().Header("zorbe V3.1X000", "", "FIRST").Raw("junk"))));
        QCOMPARE(download.ImageName(), QStringLiteral("FIRST"));
        QVERIFY(std::holds_alternative<TImageError>(download.Finish(TFontMap())));
    }

    void hourAndMinuteAfterRoundingToTheMillisecond_data()
    {
        QTest::addColumn<double>("dateTime");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::newRow("08:00 a hair below") << Eight << 8 << 0;
        QTest::newRow("16:30 on a date") << 45000.0 + 16.5 / 24 << 16 << 30;
        QTest::newRow("23:59:59.9996 rounds to midnight") << (86400000.0 - 0.4) / 86400000.0 << 0 << 0;
        QTest::newRow("seconds are dropped") << (6 * 3600 + 59 * 60 + 59) / 86400.0 << 6 << 59;
        QTest::newRow("before 1899: the fraction's size") << -1.25 << 6 << 0;
    }
    void hourAndMinuteAfterRoundingToTheMillisecond()
    {
        QFETCH(double, dateTime);
        QFETCH(int, hour);
        QFETCH(int, minute);
        const ImageData::THourMinute start = ImageData::HourMinuteOf(dateTime);
        QCOMPARE(start.Hour, hour);
        QCOMPARE(start.Minute, minute);
    }
};

QTEST_APPLESS_MAIN(TestImageData)
#include "tst_imagedata.moc"
