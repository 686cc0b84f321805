#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/Code39Items.h"
#include "images/CoderImageItemList.h"
#include "images/EAN128Items.h"
#include "images/EANUPCItems.h"
#include "images/FontUnit.h"
#include "images/TextItems.h"

#include "DesignFileWriter.h"
#include "RecordingItemTable.h"
#include "TestSupport.h"

#include <QTest>

namespace {
constexpr int HeaderSize = 7;

QString Hex(const char* spacedHex)
{
    return TestSupport::ToHex(TestSupport::Hex(spacedHex));
}

// What the item appends after its header, as spaced hex.
QString Payload(TCoderImageItem& item)
{
    TXLMessage message;
    const std::optional<TImageError> error = item.WriteToMessage(message, TFontMap());
    if (error)
        return QStringLiteral("refused: ") + error->Detail;
    return TestSupport::ToHex(message.Body().mid(HeaderSize));
}

// The printer's description of one element of an EAN-128 barcode.
void WriteElement(TXLMessage& message, quint8 mark, const QStringList& texts)
{
    message.WriteU8(mark);
    for (const QString& text : texts)
        message.WriteString(text);
}
} // namespace

class TestBarcodeItems : public QObject
{
    Q_OBJECT

private slots:
    void everySymbologyIsReadFromItsRecordAndWrittenBack_data()
    {
        QTest::addColumn<QByteArray>("fields"); // after the common part, from BarcodeKind on
        QTest::addColumn<QString>("typeName");
        QTest::addColumn<QString>("payload");

        const auto fields = [](quint32 kind) {
            TDesignFileWriter writer;
            writer.UInt32(kind);
            return writer;
        };
        QTest::newRow("EAN-8: five fill bytes")
            << fields(0).String("0123456").UInt32(100).UInt32(3).Bytes() << "EAN8"
            << Hex("00 03 64 00 73 00 15 15 16 30 31 32 33 34 35 36 35 00"
                   "4E 50 4E 5C 3D 13 19 0D 00 00 00 00 00 01");
        QTest::newRow("EAN-13: module 3, bar height 100")
            << fields(1).String("012345678901").UInt32(100).UInt32(3).Bytes() << "EAN13"
            << Hex("01 03 64 00 76 00 21 15 19 30 31 32 33 34 35 36 37 38 39 30 31 32 00"
                   "6C 66 72 74 48 44 2F 31 23 3D 13 19 00 01");
        QTest::newRow("UPC-A: module 2")
            << fields(2).String("01234567890").UInt32(0x150).UInt32(2).Bytes() << "UPC-A"
            << Hex("02 02 50 01 5C 01 12 12 11 30 31 32 33 34 35 36 37 38 39 30 35 00"
                   "4E 72 74 48 44 50 31 23 3D 13 19 0D 00 01");
        QTest::newRow("UPC-E: module 6, check digit of its UPC-A number 06543217")
            << fields(3).String("654321").UInt32(100).UInt32(6).Bytes() << "UPC-E"
            << Hex("03 06 64 00 88 00 36 2A 32 36 35 34 33 32 31 37 00"
                   "19 1B 3D 1D 31 05 00 00 00 00 00 00 00 01");
        QTest::newRow("Code 128") << fields(4).String("AB1").UInt32(0x123).UInt32(4).Bytes() << "CODE128"
                                  << Hex("04 04 23 01 00 01 01 00 00 00 41 42 31 00");
        QTest::newRow("EAN-128: two elements, last value skipped")
            << fields(5)
                   .UInt32(2)
                   .String("01")
                   .Byte(7)
                   .String("0401234")
                   .String("10")
                   .Byte(8)
                   .String("LOT")
                   .UInt32(0x150)
                   .UInt32(2)
                   .UInt32(0xDEADBEEF)
                   .Bytes()
            << "EAN128"
            << Hex("05 02 50 01 01 02 07 30 31 00 00 00 30 34 30 31 32 33 34 00"
                   "08 31 30 00 00 00 4C 4F 54 00");
        QTest::newRow("ITF: option C 0x85 sent back as 0x85")
            << fields(6)
                   .Byte(0xA1)
                   .Int32(3)
                   .Int32(0x102)
                   .Int32(0x304)
                   .Byte(0xB2)
                   .Byte(0x85)
                   .Int32(50)
                   .String("1234")
                   .Bytes()
            << "ITF" << Hex("06 B2 A1 85 02 01 08 00 03 00 04 03 04 31 32 33 34 00");
        QTest::newRow("Code 39") << fields(7).String("AB").Int32(0x164).Int32(3).Byte(9).Int32(100).Bytes()
                                 << "Code 39" << Hex("07 03 00 09 00 64 01 09 00 00 00 00 02 41 42 00");
    }

    void everySymbologyIsReadFromItsRecordAndWrittenBack()
    {
        QFETCH(QByteArray, fields);
        QFETCH(QString, typeName);
        QFETCH(QString, payload);

        // The kind is read twice, ahead by the factory and again by the item; the next record must
        // still start right after the barcode's last field.
        TDesignFileWriter records;
        records.Item("BarcodeItem").Raw(fields);
        records.Item("TextItem").String("NEXT").Byte(0).String("").UInt32(1);
        TBinaryFileStream stream(records.Bytes());
        TCoderImageItemList items;
        QVERIFY(!items.ReadItem(stream, TDesignFileVersion::V3_1X000));
        QVERIFY(!items.ReadItem(stream, TDesignFileVersion::V3_1X000));
        QCOMPARE(stream.Remaining(), 0);
        QCOMPARE(dynamic_cast<TextItem*>(items.Item(1))->Text, QStringLiteral("NEXT"));

        TCoderImageItem* item = items.Item(0);
        QCOMPARE(items.TypeName(0), QStringLiteral("BarcodeItem"));
        QCOMPARE(item->TypeName, typeName);
        QCOMPARE(item->ItemType, ItemTypeCode::Barcode);
        QCOMPARE(Payload(*item), payload);
    }

    void newItemsHaveTheirSymbologysDefaults_data()
    {
        QTest::addColumn<quint32>("kind");
        QTest::addColumn<QString>("payload"); // its start, for the EAN/UPC family up to the text

        QTest::newRow("EAN-8") << 0u << Hex("00 03 00 00 0F 00 15 15 16 30 31 32 33 34 35 36 35 00");
        QTest::newRow("EAN-13")
            << 1u << Hex("01 03 00 00 12 00 21 15 19 30 31 32 33 34 35 36 37 38 39 30 31 32 00");
        QTest::newRow("UPC-A") << 2u
                               << Hex("02 03 00 00 12 00 1B 1B 19 30 31 32 33 34 35 36 37 38 39 30 35 00");
        QTest::newRow("UPC-E") << 3u << Hex("03 03 00 00 12 00 1B 15 19 30 31 32 33 34 35 37 00");
        QTest::newRow("Code 128") << 4u << Hex("04 03 64 00 00 01 01 00 00 00 00");
        QTest::newRow("EAN-128") << 5u << Hex("05 03 64 00 01 00");
        QTest::newRow("ITF") << 6u << Hex("06 00 00 00 00 00 00 00 00 00 00 00 00 00");
        QTest::newRow("Code 39") << 7u << Hex("07 00 00 00 00 00 00 00 00 00 00 00 00 00");
    }

    void newItemsHaveTheirSymbologysDefaults()
    {
        QFETCH(quint32, kind);
        QFETCH(QString, payload);

        const std::unique_ptr<BarcodeItem> item = CreateBarcodeItem(kind);
        QVERIFY(item);
        QCOMPARE(item->BarcodeKind, qint32(kind));
        QVERIFY2(Payload(*item).startsWith(payload), qPrintable(Payload(*item)));
    }

    void unknownKindCreatesNoItem() { QVERIFY(!CreateBarcodeItem(8)); }

    void code39SendsTheWideWidthRoundedHalfToEven_data()
    {
        QTest::addColumn<qint32>("narrowWidth");
        QTest::addColumn<qint32>("wideRatio");
        QTest::addColumn<QString>("widths");

        QTest::newRow("4 at 2.5:1 is 10") << 4 << 50 << Hex("04 00 0A 00");
        QTest::newRow("2 at 2.25:1 is 4.5, sent as 4") << 2 << 25 << Hex("02 00 04 00");
    }

    void code39SendsTheWideWidthRoundedHalfToEven()
    {
        QFETCH(qint32, narrowWidth);
        QFETCH(qint32, wideRatio);
        QFETCH(QString, widths);

        Code39_Item item;
        item.NarrowWidth = narrowWidth;
        item.WideRatio = wideRatio;
        QCOMPARE(Payload(item).mid(3, widths.size()), widths);
    }

    void eanUpcItemThatCannotBeCodedIsRefusedWhole_data()
    {
        QTest::addColumn<quint32>("kind");
        QTest::addColumn<QString>("data");
        QTest::addColumn<qint32>("moduleWidth");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("detail");

        QTest::newRow("module width 1") << 1u << "012345678901" << 1 << "ModuleWidth"
                                        << "EAN13 MODULE WIDTH 1 IS NOT 2 TO 6";
        QTest::newRow("module width 7") << 3u << "012345" << 7 << "ModuleWidth"
                                        << "UPC-E MODULE WIDTH 7 IS NOT 2 TO 6";
        QTest::newRow("a letter") << 0u << "012345A" << 3 << "Data"
                                  << "EAN8 DATA '012345A' HOLDS A CHARACTER OTHER THAN 0 TO 9";
        QTest::newRow("a space") << 1u << "01234567890 " << 3 << "Data"
                                 << "EAN13 DATA '01234567890 ' HOLDS A CHARACTER OTHER THAN 0 TO 9";
        QTest::newRow("one digit short") << 2u << "0123456789" << 3 << "Data"
                                         << "UPC-A DATA '0123456789' HAS FEWER THAN 11 DIGITS";
        QTest::newRow("empty") << 0u << "" << 3 << "Data"
                               << "EAN8 DATA '' HAS FEWER THAN 7 DIGITS";
    }

    void eanUpcItemThatCannotBeCodedIsRefusedWhole()
    {
        QFETCH(quint32, kind);
        QFETCH(QString, data);
        QFETCH(qint32, moduleWidth);
        QFETCH(QString, field);
        QFETCH(QString, detail);

        const std::unique_ptr<BarcodeItem> created = CreateBarcodeItem(kind);
        auto* item = dynamic_cast<EANUPC_Item*>(created.get());
        QVERIFY(item);
        item->Data = data;
        item->ModuleWidth = moduleWidth;
        TXLMessage message;
        const std::optional<TImageError> error = item->WriteToMessage(message, TFontMap());
        QVERIFY(error);
        QCOMPARE(error->Kind, TImageErrorKind::BarcodeNotEncodable);
        QCOMPARE(error->Field, field);
        QCOMPARE(error->Detail, detail);
        QCOMPARE(message.Size(), 0);
    }

    void refusedBarcodeNamesTheImageAndTheItem()
    {
        TCoderImageItemList items;
        items.Append(QStringLiteral("BarcodeItem"), std::make_unique<EAN8_Item>());
        auto ean13 = std::make_unique<EAN13_Item>();
        ean13->ModuleWidth = 7;
        items.Append(QStringLiteral("BarcodeItem"), std::move(ean13));
        TXLMessage message;
        const std::optional<TImageError> error = items.WriteToMessage(message, TFontMap());
        QVERIFY(error);
        QCOMPARE(ImageErrorText(*error, QStringLiteral("label.lbl"), QStringLiteral("LABEL")),
                 QStringLiteral("IMAGE LABEL, ITEM 2 (BarcodeItem): BARCODE CANNOT BE ENCODED, "
                                "EAN13 MODULE WIDTH 7 IS NOT 2 TO 6, TRANSFER OF IMAGE ABORTED"));
    }

    void barcodeTakesTheValueThePrinterReports()
    {
        TXLMessage message;
        for (const char* text : {"skipped", "t1", "t2", "t3", "*ABC-12*"})
            message.WriteString(QLatin1String(text));
        message.SetPosition(0);
        TRecordingItemTable table;
        const auto [item, error] = CreateFromPrinter<Code39_Item>(5, table, message);
        QVERIFY(!error);
        QCOMPARE(item->Value, QStringLiteral("*ABC-12*"));
        QCOMPARE(table.Rows.size(), 1);
        QCOMPARE(table.Rows[0].Columns, QStringList({"5", "Code 39", "*ABC-12*"}));
    }

    void ean128TakesAnElementAndARowPerReportedElement()
    {
        TXLMessage message;
        message.WriteString(QStringLiteral("3"));
        WriteElement(message, 30, {"11", "skipped", "AI 01", "t3", "t2", "04012345"});
        WriteElement(message, 30, {"12", "skipped", "AI 10", "u3", "u2", "LOT7"});
        WriteElement(message, 0x1D, {"13", "next item"});
        message.SetPosition(0);
        TRecordingItemTable table;
        const auto [item, error] = CreateFromPrinter<EAN128_Item>(99, table, message);
        QVERIFY(!error);

        QCOMPARE(item->Elements.size(), size_t(2));
        const EAN128_Element& first = item->Elements[0];
        QCOMPARE(
            QStringList({first.ElementText1, first.ElementText2, first.ElementText3, first.ElementText4}),
            QStringList({"AI 01", "t2", "t3", "04012345"}));
        QCOMPARE(first.ElementKind, quint8(0));
        QCOMPARE(item->Elements[1].ElementText4, QStringLiteral("LOT7"));
        QCOMPARE(table.Rows.size(), 2);
        QCOMPARE(table.Rows[0].Columns, QStringList({"11", "EAN128", "04012345"}));
        QCOMPARE(table.Rows[1].Columns, QStringList({"12", "EAN128", "LOT7"}));
        QCOMPARE(table.Rows[1].Item, item.get());
    }
};

QTEST_APPLESS_MAIN(TestBarcodeItems)
#include "tst_barcodeitems.moc"
