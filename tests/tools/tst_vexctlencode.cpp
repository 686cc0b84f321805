#include "DesignFileWriter.h"
#include "TestSupport.h"
#include "VexctlRun.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using TestSupport::Hex;
using TestSupport::ToHex;

namespace {

constexpr char Version[] = "zorbe V3.1X000";
const QByteArray DutchMonths = "JANFEBMRTAPRMEIJUNJULAUGSEPOKTNOVDEC";

// A time of day as the design program stores it: a hair below the exact fraction.
double At(int hour, int minute = 0)
{
    return (hour + minute / 60.0) / 24.0 - 1e-12;
}

// The station's clock as the encode runs have it fixed, far from the day the test runs: a date item's
// day difference then depends on it alone, also in a run across midnight.
const QDateTime Now(QDate(2001, 2, 3), QTime(23, 59, 59));

// That day as a day number of the design program (days since 30 December 1899).
double Today()
{
    return double(QDate(1899, 12, 30).daysTo(Now.date()));
}

QByteArray Text(const QByteArray& characters)
{
    return characters + '\0';
}

// One image holding an item of every type but the barcode, each with its own values.
TDesignFileWriter EveryItemType()
{
    TDesignFileWriter file;
    file.Header(Version, "ALL", "ITEMS").Shifts({{1, At(6), "Early"}, {2, At(14), "Late"}, {7, 0, ""}});
    file.ItemCount(8);
    file.Item("TextItem", {.X = 300, .Y = 2}).String("AB").Byte(3).String("X").UInt32(1);
    file.Item("DateItem", {.X = 10, .Y = 20}).Char('.').Int32(1).Int32(2).Int32(3).Int32(1).Int32(2).Int32(3);
    file.Double(Today() - 3 + 0.75).Int32(4).UInt32(0x1234).UInt32(5).Byte(0).Byte(1);
    file.Item("TimeItem", {.X = 0x1234}).String("HH:MM").Byte(2).Int32(0x301).Char(':');
    file.Item("NumberItem").String("1").String("5").String("999").String("0300").String("1").Byte(9).Byte(7);
    file.Item("MemoItem").Int32(300).Int32(-2).Int32(0x105).String("a\r\nb");
    file.Item("RTextItem").Int32(1).Int32(2).Int32(3).String("r");
    file.Item("ShiftcodeItem", {.Style = 0x105});
    file.Item("GraphicItem", {.Width = 10, .Height = 1}).Raw(Hex("1E 00"));
    return file;
}

QByteArray EveryItemTypeBody()
{
    return Text("ITEMS") + Text("ALL") + Hex("08") + Text(TDesignFileWriter::DefaultMonthNames) +
           Hex("02  01 06 00 45  02 0E 00 4C") +                                          // Early, Late
           Hex("01 00 2C 01 02 00 00  41 42 00 03 20 58 00 01") +                         // text
           Hex("02 00 0A 00 14 00 00  2E 05 01 01 02 03 03 03 02 04 34 12 FF") +          // date
           Hex("08 00 34 12 00 00 00  02 3A 01") +                                        // time
           Hex("04 00 00 00 00 00 00  00 00 00 01 00 00 00 05 00 00 03 E7 2C 01 07 09") + // counter
           Hex("80 00 00 00 00 00 00  2C 01 FE FF 05 61 0D 0A 62 00") +                   // memo
           Hex("80 00 00 00 00 00 00  01 00 02 00 03 72 00") +                            // old memo
           Hex("10 00 00 00 00 00 05") +                                                  // shift code
           Hex("20 00 00 00 00 00 00  0A 00 01 00 00 03 00 00 04 03 00");                 // graphic
}

// One image holding a barcode of every symbology, with month names of its own.
TDesignFileWriter EverySymbology()
{
    TDesignFileWriter file;
    file.Header(Version, "", "CODES", DutchMonths).Shifts().ItemCount(8);
    file.Item("BarcodeItem").UInt32(0).String("0123456").UInt32(100).UInt32(3);
    file.Item("BarcodeItem").UInt32(1).String("012345678901").UInt32(100).UInt32(3);
    file.Item("BarcodeItem").UInt32(2).String("01234567890").UInt32(0x150).UInt32(2);
    file.Item("BarcodeItem").UInt32(3).String("654321").UInt32(100).UInt32(6);
    file.Item("BarcodeItem").UInt32(4).String("AB1").UInt32(0x123).UInt32(4);
    file.Item("BarcodeItem").UInt32(5).UInt32(2).String("01").Byte(7).String("0401234");
    file.String("10").Byte(8).String("LOT").UInt32(0x150).UInt32(2).UInt32(0);
    file.Item("BarcodeItem").UInt32(6).Byte(0xA1).Int32(3).Int32(0x102).Int32(0x304).Byte(0xB2).Byte(0x85);
    file.Int32(50).String("1234");
    file.Item("BarcodeItem").UInt32(7).String("AB").Int32(0x164).Int32(3).Byte(9).Int32(100);
    return file;
}

// The body of EverySymbology, worked out from the symbologies' published tables: after each item
// header (type 64, no font, position 0) the kind, then the symbology's fields.
QByteArray EverySymbologyBody()
{
    const QByteArray item = Hex("40 00 00 00 00 00 00");
    return Text("CODES") + Text("") + Hex("08") + Text(DutchMonths) + Hex("00") +
           // EAN-8 0123456, check digit 5: module 3, height 100 and 115, quiet zones 21/21, text value 22;
           // C(5) C(6) C(5) C(4), A(3) A(2) A(1) A(0), five fill bytes, 01
           item + Hex("00 03 64 00 73 00 15 15 16") + Text("01234565") +
           Hex("4E 50 4E 5C 3D 13 19 0D 00 00 00 00 00 01") +
           // EAN-13 012345678901, check digit 2, first digit 0: all A on the left
           item + Hex("01 03 64 00 76 00 21 15 19") + Text("0123456789012") +
           Hex("6C 66 72 74 48 44 2F 31 23 3D 13 19 00 01") +
           // UPC-A 01234567890, check digit 5: module 2, height 0x150 and 0x15C
           item + Hex("02 02 50 01 5C 01 12 12 11") + Text("012345678905") +
           Hex("4E 72 74 48 44 50 31 23 3D 13 19 0D 00 01") +
           // UPC-E 654321, the check digit 7 of its UPC-A number 06510000432 (parity B A B A B A for
           // d1..d6): module 6
           item + Hex("03 06 64 00 88 00 36 2A 32") + Text("6543217") +
           Hex("19 1B 3D 1D 31 05 00 00 00 00 00 00 00 01") +
           // Code 128: module 4, height 0x123, the constant bytes, two empty texts, the data
           item + Hex("04 04 23 01 00 01 01 00 00 00") + Text("AB1") +
           // EAN-128: module 2, height 0x150, 01, two elements
           item + Hex("05 02 50 01 01 02") + Hex("07") + Text("01") + Text("") + Text("") + Text("0401234") +
           Hex("08") + Text("10") + Text("") + Text("") + Text("LOT") +
           // ITF: options B, A, C, value A, wide 3 x 2.5 = 7.5 -> 8, narrow 3, value B, counted data
           item + Hex("06 B2 A1 85 02 01 08 00 03 00 04 03 04") + Text("1234") +
           // Code 39: narrow 3, wide 3 x 3 = 9, height 0x164, option 9, four 0 bytes, counted data
           item + Hex("07 03 00 09 00 64 01 09 00 00 00 00 02") + Text("AB");
}

// An image with the given shift table and that many shift items.
QByteArray ShiftImage(const QList<TDesignShift>& shifts, int shiftItems)
{
    TDesignFileWriter file;
    file.Header(Version, "", "S").Shifts(shifts).ItemCount(quint32(shiftItems));
    for (int i = 0; i < shiftItems; ++i)
        file.Item("ShiftcodeItem");
    return file.Bytes();
}

} // namespace

class TestVexctlEncode : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    void Write(const QString& name, const QByteArray& bytes)
    {
        QVERIFY(TDesignFileWriter().Raw(bytes).WriteTo(m_dir.filePath(name)));
    }
    VexctlRun::TResult Encode(const QStringList& arguments)
    {
        return VexctlRun::Run(m_dir.path(), QStringList{"encode"} + arguments,
                              {{QStringLiteral("VEX_NOW"), Now.toString(Qt::ISODate)}});
    }

private slots:
    void everyItemTypeIsWrittenAsThePrinterReadsIt()
    {
        Write("all.Vega", EveryItemType().Bytes());
        const VexctlRun::TResult result = Encode({"all.Vega"});
        QCOMPARE(result.Errors, QString());
        QCOMPARE(result.ExitCode, 0);
        QCOMPARE(ToHex(result.Output), ToHex(EveryItemTypeBody()));
    }

    void everySymbologyIsWrittenAsThePrinterReadsIt()
    {
        Write("codes.Vega", EverySymbology().Bytes());
        const VexctlRun::TResult result = Encode({"codes.Vega"});
        QCOMPARE(result.Errors, QString());
        QCOMPARE(result.ExitCode, 0);
        QCOMPARE(ToHex(result.Output), ToHex(EverySymbologyBody()));
    }

    void shiftTableAndMonthNames_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("body");

        const QList<TDesignShift> twoShifts{{1, At(6), "Early"}, {2, At(22, 30), "Night"}, {7, 0, ""}};
        const QByteArray head = Text("S") + Text("");
        const QByteArray months = Text(TDesignFileWriter::DefaultMonthNames);
        const QByteArray shiftItem = Hex("10 00 00 00 00 00 00");
        TDesignFileWriter noShiftItems;
        noShiftItems.Header(Version, "", "S").Shifts(twoShifts).ItemCount(1);
        noShiftItems.Item("TimeItem").String("").Byte(0).Int32(0).Char(':');
        QTest::newRow("no shift items: one 0 byte whatever the table holds")
            << noShiftItems.Bytes()
            << head + Hex("01") + months + Hex("00") + Hex("08 00 00 00 00 00 00  00 3A 00");
        QTest::newRow("shift items with entry 1 coded 7: no shifts")
            << ShiftImage({{7, At(6), "Early"}, {1, At(14), "Late"}}, 1)
            << head + Hex("01") + months + Hex("00") + shiftItem;
        QTest::newRow("shift items: the entries before the one coded 7")
            << ShiftImage(twoShifts, 2)
            << head + Hex("02") + months + Hex("02  01 06 00 45  02 16 1E 4E") + shiftItem + shiftItem;

        QList<TDesignShift> full;
        QByteArray fullTable = Hex("19");
        for (int i = 0; i < 25; ++i) {
            full.append({quint32(10 + i), At(i % 24, 15), QByteArray(1, char('A' + i))});
            fullTable.append(char(10 + i)).append(char(i % 24)).append(char(15)).append(char('A' + i));
        }
        QTest::newRow("a full table without the code 7: all 25")
            << ShiftImage(full, 1) << head + Hex("01") + months + fullTable + shiftItem;

        TDesignFileWriter dutch;
        dutch.Header(Version, "", "S", DutchMonths).Shifts({{7, 0, ""}}).ItemCount(1).Item("ShiftcodeItem");
        QTest::newRow("36 month name characters are kept")
            << dutch.Bytes() << head + Hex("01") + Text(DutchMonths) + Hex("00") + shiftItem;
        TDesignFileWriter shorter;
        shorter.Header(Version, "", "S", DutchMonths.left(35))
            .Shifts({{7, 0, ""}})
            .ItemCount(1)
            .Item("ShiftcodeItem");
        QTest::newRow("35 month name characters are replaced")
            << shorter.Bytes() << head + Hex("01") + months + Hex("00") + shiftItem;
    }
    void shiftTableAndMonthNames()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, body);
        Write("s.Vega", file);
        const VexctlRun::TResult result = Encode({"s.Vega"});
        QCOMPARE(result.ExitCode, 0);
        QCOMPARE(ToHex(result.Output), ToHex(body));
    }

    void theFontMapGivesTheItemsPrinterFont_data()
    {
        QTest::addColumn<bool>("fromSettings");
        QTest::newRow("--fontmap") << false;
        QTest::newRow("the station's own, from the installation folder") << true;
    }
    void theFontMapGivesTheItemsPrinterFont()
    {
        QFETCH(bool, fromSettings);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("install")));
        const QString fontMap = folder.filePath(QStringLiteral("install/FONTMAP.DEF"));
        QVERIFY(TDesignFileWriter()
                    .FontMapHeader(2)
                    .FontMapEntry(4, 0, 0x10)
                    .FontMapEntry(5, 0, 0x121)
                    .WriteTo(fontMap));
        QVERIFY(TDesignFileWriter()
                    .Header(Version, "", "F")
                    .Shifts()
                    .ItemCount(1)
                    .Item("TimeItem", {.FontNo = 5})
                    .String("")
                    .Byte(0)
                    .Int32(0)
                    .Char(':')
                    .WriteTo(folder.filePath(QStringLiteral("f.Vega"))));
        QStringList arguments{"encode", "f.Vega"};
        if (fromSettings)
            QSettings(VexctlRun::SettingsFile(folder.path()), QSettings::IniFormat)
                .setValue(QStringLiteral("INSTALL_DIRECTORY"), folder.filePath(QStringLiteral("install/")));
        else
            arguments << "--fontmap" << fontMap;
        const VexctlRun::TResult result = VexctlRun::Run(folder.path(), arguments);
        QCOMPARE(result.ExitCode, 0);
        const qsizetype itemAt = 2 + 1 + 1 + 37 + 1;
        QCOMPARE(ToHex(result.Output.mid(itemAt, 2)), ToHex(Hex("08 21")));
    }

    void outputFileHoldsWhatStandardOutputGets()
    {
        Write("all.Vega", EveryItemType().Bytes());
        const VexctlRun::TResult toOutput = Encode({"all.Vega"});
        const VexctlRun::TResult toFile = Encode({"all.Vega", "-o", "all.bin"});
        QCOMPARE(toFile.ExitCode, 0);
        QVERIFY(toFile.Output.isEmpty());
        QFile file(m_dir.filePath("all.bin"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(ToHex(file.readAll()), ToHex(toOutput.Output));
    }

    void refusalsGiveTheStationsMessageAndTheirExitCode_data()
    {
        QTest::addColumn<QByteArray>("file"); // written as r.Vega; empty: none
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");

        const QStringList encodeR{"r.Vega"};
        const TDesignFileWriter header = TDesignFileWriter().Header(Version, "", "R").Shifts();
        QTest::newRow("unknown version") << VexctlRun::TextImage("R", "A", "zorbe V9.9X000") << encodeR << 3
                                         << "INVALID FILE TYPE, TRANSFER OF IMAGE ABORTED";
        QTest::newRow("unknown item type")
            << TDesignFileWriter(header).ItemCount(1).Item("ClockItem").Bytes() << encodeR << 3
            << "IMAGE R CONTAINS INVALID ITEM TYPE, TRANSFER OF IMAGE ABORTED";
        QTest::newRow("no items") << TDesignFileWriter(header).ItemCount(0).Bytes() << encodeR << 3
                                  << "IMAGE R CONTAINS INVALID ITEM TYPE, TRANSFER OF IMAGE ABORTED";
        QTest::newRow("cut short") << VexctlRun::TextImage("R", "A").chopped(3) << encodeR << 3
                                   << "FILE r.Vega IS DAMAGED OR INCOMPLETE, TRANSFER OF IMAGE ABORTED";
        QTest::newRow("a counter that is no number")
            << TDesignFileWriter(header)
                   .ItemCount(1)
                   .Item("NumberItem")
                   .String("0")
                   .String("12a")
                   .String("9")
                   .String("1")
                   .String("0")
                   .Byte(0)
                   .Byte(0)
                   .Bytes()
            << encodeR << 3
            << "IMAGE R, ITEM 1 (NumberItem): '12a' IS NOT A VALID NUMBER, TRANSFER OF IMAGE ABORTED";
        QTest::newRow("an EAN-13 with a letter")
            << TDesignFileWriter(header)
                   .ItemCount(1)
                   .Item("BarcodeItem")
                   .UInt32(1)
                   .String("01234567890A")
                   .UInt32(100)
                   .UInt32(3)
                   .Bytes()
            << encodeR << 3
            << "IMAGE R, ITEM 1 (BarcodeItem): BARCODE CANNOT BE ENCODED, EAN13 DATA '01234567890A' HOLDS A "
               "CHARACTER OTHER THAN 0 TO 9, TRANSFER OF IMAGE ABORTED";
        QTest::newRow("a missing file") << QByteArray() << QStringList{"missing.Vega"} << 2
                                        << "FILE missing.Vega CANNOT BE OPENED (No such file or directory), "
                                           "TRANSFER OF IMAGE ABORTED";
        QTest::newRow("no file given") << QByteArray() << QStringList{} << 2
                                       << "vexctl: encode takes one design file\nTry 'vexctl --help'.";
        QTest::newRow("two files given") << VexctlRun::TextImage("R", "A") << QStringList{"r.Vega", "r.Vega"}
                                         << 2 << "vexctl: encode takes one design file\nTry 'vexctl --help'.";
    }
    void refusalsGiveTheStationsMessageAndTheirExitCode()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFile::remove(m_dir.filePath("r.Vega"));
        if (!file.isEmpty())
            Write("r.Vega", file);
        const VexctlRun::TResult result = Encode(arguments);
        QCOMPARE(result.Errors.trimmed(), message);
        QCOMPARE(result.ExitCode, exitCode);
        QVERIFY(result.Output.isEmpty()); // nothing half-written
    }
};

QTEST_GUILESS_MAIN(TestVexctlEncode)
#include "tst_vexctlencode.moc"
