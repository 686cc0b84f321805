#include "images/BinaryFileStream.h"
#include "images/DateItems.h"
#include "images/ImageDesignFile.h"
#include "images/MemoItems.h"
#include "images/TextItems.h"

#include "DesignFileWriter.h"

#include <QTest>

Q_DECLARE_METATYPE(TDesignFileVersion)
Q_DECLARE_METATYPE(TImageErrorKind)

namespace {
constexpr char Version31[] = "zorbe V3.1X000";

// The start of a valid file up to its item count.
TDesignFileWriter FileWithItems(quint32 itemCount, QByteArrayView version = Version31)
{
    TDesignFileWriter writer;
    writer.Header(version, "text", "LABEL").Shifts().ItemCount(itemCount);
    return writer;
}

// A date item record up to DateOptionD, with distinct values in every field.
TDesignFileWriter& DateRecord(TDesignFileWriter& writer)
{
    return writer.Item("DateItem")
        .Char('-')
        .Int32(0x1F3)
        .Int32(0x1F4)
        .Int32(0x1F5)
        .Int32(6)
        .Int32(7)
        .Int32(8)
        .Double(43000.25)
        .Int32(9)
        .UInt32(500)
        .UInt32(0x42);
}

TDesignFileWriter& TextRecord(TDesignFileWriter& writer, QByteArrayView text)
{
    return writer.Item("TextItem", {.FontNo = 3, .X = 10, .Y = 20}).String(text).Byte(1).String("").UInt32(1);
}

std::optional<TImageError> ReadFile(const QByteArray& bytes, TImageDesignFile& file)
{
    TBinaryFileStream stream(bytes);
    return file.Read(stream);
}
} // namespace

class TestImageDesignFile : public QObject
{
    Q_OBJECT

private slots:
    void acceptsExactlyTheFiveVersions_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<TDesignFileVersion>("version");

        QTest::newRow("1.0X008") << QByteArray("zorbe V1.0X008") << true << TDesignFileVersion::V1_0X008;
        QTest::newRow("2.0X000") << QByteArray("zorbe V2.0X000") << true << TDesignFileVersion::V2_0X000;
        QTest::newRow("2.0X001") << QByteArray("zorbe V2.0X001") << true << TDesignFileVersion::V2_0X001;
        QTest::newRow("2.1X000") << QByteArray("zorbe V2.1X000") << true << TDesignFileVersion::V2_1X000;
        QTest::newRow("3.1X000") << QByteArray("zorbe V3.1X000") << true << TDesignFileVersion::V3_1X000;
        QTest::newRow("unknown number") << QByteArray("zorbe V3.1X001") << false << TDesignFileVersion{};
        QTest::newRow("other case") << QByteArray("ZORBE V3.1X000") << false << TDesignFileVersion{};
        QTest::newRow("trailing space") << QByteArray("zorbe V3.1X000 ") << false << TDesignFileVersion{};
        QTest::newRow("longer than 20 characters")
            << QByteArray("zorbe V3.1X000 and much more") << false << TDesignFileVersion{};
        QTest::newRow("empty") << QByteArray() << false << TDesignFileVersion{};
    }

    void acceptsExactlyTheFiveVersions()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, accepted);
        QFETCH(TDesignFileVersion, version);

        TImageDesignFile file;
        TDesignFileWriter writer = FileWithItems(1, text);
        const std::optional<TImageError> error = ReadFile(TextRecord(writer, "A").Bytes(), file);
        if (accepted) {
            QVERIFY(!error);
            QCOMPARE(file.FileVersion, version);
        } else {
            QVERIFY(error);
            QCOMPARE(error->Kind, TImageErrorKind::InvalidFileVersion);
        }
    }

    void monthNamesOtherThan36CharactersGiveTheDefault_data()
    {
        QTest::addColumn<QByteArray>("names");
        QTest::addColumn<QString>("expected");

        const QByteArray own = "JANFEVMARAVRMAIJUNJULAOUSEPOCTNOVDEC";
        QTest::newRow("36 characters used as they are") << own << QString::fromLatin1(own);
        QTest::newRow("35 characters") << own.left(35) << TImageDesignFile::DefaultMonthNames;
        QTest::newRow("37 characters") << own + "X" << TImageDesignFile::DefaultMonthNames;
        QTest::newRow("empty") << QByteArray() << TImageDesignFile::DefaultMonthNames;
    }

    void monthNamesOtherThan36CharactersGiveTheDefault()
    {
        QFETCH(QByteArray, names);
        QFETCH(QString, expected);

        TDesignFileWriter writer;
        writer.Header(Version31, "", "LABEL", names).Shifts().ItemCount(1);
        TImageDesignFile file;
        QVERIFY(!ReadFile(TextRecord(writer, "A").Bytes(), file));
        QCOMPARE(file.MonthNames, expected);
    }

    void readsNamesAndShifts()
    {
        TDesignFileWriter writer;
        writer.Header(Version31, "IMAGE TEXT", "LABEL1")
            .Shifts({{1, 0.25, "Early"}, {0x107, 0.75, "Late"}})
            .ItemCount(1);
        TImageDesignFile file;
        QVERIFY(!ReadFile(TextRecord(writer, "A").Bytes(), file));

        QCOMPARE(file.ImageText, QStringLiteral("IMAGE TEXT"));
        QCOMPARE(file.ImageName, QStringLiteral("LABEL1"));
        QCOMPARE(file.Shifts[0].Code, quint8(1));
        QCOMPARE(file.Shifts[0].Name, QStringLiteral("Early"));
        QCOMPARE(file.Shifts[1].Code, quint8(7));
        QCOMPARE(file.Shifts[1].StartTime, 0.75);
        QCOMPARE(file.Shifts[24].Name, QString());
        QCOMPARE(file.Items.Count(), 1);
    }

    void dateItemReadsTheOptionBytesItsVersionStores_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QByteArray>("optionBytes");
        QTest::addColumn<int>("optionA");
        QTest::addColumn<int>("optionB");

        QTest::newRow("1.0X008: neither") << QByteArray("zorbe V1.0X008") << QByteArray() << 0 << 1;
        QTest::newRow("2.0X000: neither") << QByteArray("zorbe V2.0X000") << QByteArray() << 0 << 1;
        QTest::newRow("2.0X001: A") << QByteArray("zorbe V2.0X001") << QByteArray("\x01") << 1 << 1;
        QTest::newRow("2.1X000: A") << QByteArray("zorbe V2.1X000") << QByteArray("\x01") << 1 << 1;
        QTest::newRow("3.1X000: A and B")
            << QByteArray("zorbe V3.1X000") << QByteArray("\x01\x00", 2) << 1 << 0;
    }

    void dateItemReadsTheOptionBytesItsVersionStores()
    {
        QFETCH(QByteArray, version);
        QFETCH(QByteArray, optionBytes);
        QFETCH(int, optionA);
        QFETCH(int, optionB);

        TDesignFileWriter writer = FileWithItems(2, version);
        DateRecord(writer).Raw(optionBytes);
        TImageDesignFile file;
        QVERIFY(!ReadFile(TextRecord(writer, "NEXT").Bytes(), file));

        const auto* date = dynamic_cast<DateItem*>(file.Items.Item(0));
        QVERIFY(date);
        QCOMPARE(date->Separator, '-');
        QCOMPARE(date->DateFormatA, quint8(0xF3));
        QCOMPARE(date->DateFormatB, quint8(0xF4));
        QCOMPARE(date->DateFormatC, quint8(0xF5));
        QCOMPARE(date->DatePart3, quint8(8));
        QCOMPARE(date->BaseDate, 43000.25);
        QCOMPARE(date->DateOptionC, quint8(9));
        QCOMPARE(date->DateValue, 500);
        QCOMPARE(date->DateOptionD, 0x42);
        QCOMPARE(date->DateOptionA, quint8(optionA));
        QCOMPARE(date->DateOptionB, quint8(optionB));
        // The next record starts right after the date item's last stored field.
        const auto* next = dynamic_cast<TextItem*>(file.Items.Item(1));
        QVERIFY(next);
        QCOMPARE(next->Text, QStringLiteral("NEXT"));
    }

    void memoRecordsOfBothNamesReadAlikeAndKeepTheirNames()
    {
        TDesignFileWriter writer = FileWithItems(2);
        writer.Item("RTextItem", {.X = 5}).Int32(300).Int32(-2).Int32(1).String("one\r\ntwo");
        writer.Item("MemoItem", {.X = 6}).Int32(1).Int32(2).Int32(3).String("three");
        TImageDesignFile file;
        QVERIFY(!ReadFile(writer.Bytes(), file));

        QCOMPARE(file.Items.TypeName(0), QStringLiteral("RTextItem"));
        QCOMPARE(file.Items.TypeName(1), QStringLiteral("MemoItem"));
        const auto* rtext = dynamic_cast<MemoItem*>(file.Items.Item(0));
        const auto* memo = dynamic_cast<MemoItem*>(file.Items.Item(1));
        QVERIFY(rtext && memo);
        QCOMPARE(rtext->X, 5);
        QCOMPARE(rtext->MemoValueA, 300);
        QCOMPARE(rtext->MemoValueB, -2);
        QCOMPARE(rtext->Text, QStringLiteral("one\r\ntwo"));
        QCOMPARE(memo->MemoOption, 3);
        QCOMPARE(memo->Text, QStringLiteral("three"));
    }

    void refusesUnknownItemsAndImagesWithoutItems_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("itemNumber");

        const auto barcode = [](quint32 kind) {
            TDesignFileWriter writer = FileWithItems(1);
            return writer.Item("BarcodeItem").UInt32(kind).String("1234567").UInt32(100).UInt32(3).Bytes();
        };
        TDesignFileWriter lowerCase = FileWithItems(1);
        TDesignFileWriter secondUnknown = FileWithItems(2);
        TextRecord(secondUnknown, "A").Item("LineItem");

        QTest::newRow("no items") << FileWithItems(0).Bytes() << 0;
        QTest::newRow("type name in other case") << TextRecord(lowerCase.Item("textitem"), "").Bytes() << 1;
        QTest::newRow("second record unknown") << secondUnknown.Bytes() << 2;
        QTest::newRow("barcode kind above 7") << barcode(8) << 1;
    }

    void refusesUnknownItemsAndImagesWithoutItems()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, itemNumber);

        TImageDesignFile file;
        const std::optional<TImageError> error = ReadFile(bytes, file);
        QVERIFY(error);
        QCOMPARE(error->Kind, TImageErrorKind::InvalidItemType);
        QCOMPARE(error->ItemNumber, itemNumber);
        QCOMPARE(file.Items.Count(), itemNumber > 0 ? itemNumber - 1 : 0);
    }

    void refusedBarcodeKindLeavesTheStreamAfterTheTypeName()
    {
        const QByteArray record = TDesignFileWriter().Item("BarcodeItem").UInt32(9).String("12").Bytes();
        TBinaryFileStream stream(record);
        TCoderImageItemList items;
        const std::optional<TImageError> error = items.ReadItem(stream, TDesignFileVersion::V3_1X000);
        QVERIFY(error);
        QCOMPARE(error->Kind, TImageErrorKind::InvalidItemType);
        QCOMPARE(error->TypeName, QStringLiteral("BarcodeItem"));
        QCOMPARE(stream.Position(), 4 + qsizetype(qstrlen("BarcodeItem")));
        QVERIFY(!stream.IsDamaged());
    }

    void everyFileCutShortIsDamaged()
    {
        TDesignFileWriter writer = FileWithItems(5);
        TextRecord(writer, "AB");
        DateRecord(writer).Byte(0).Byte(1);
        writer.Item("NumberItem").String("1").String("2").String("3").String("4").String("5").Byte(0).Byte(1);
        writer.Item("BarcodeItem")
            .UInt32(5)
            .UInt32(1)
            .String("01")
            .Byte(0)
            .String("123")
            .UInt32(100)
            .UInt32(3)
            .UInt32(0);
        writer.Item("GraphicItem", {.Width = 10, .Height = 3}).UInt32(0x00FF00FF);
        const QByteArray whole = writer.Bytes();
        TImageDesignFile complete;
        QVERIFY(!ReadFile(whole, complete));

        for (qsizetype length = 0; length < whole.size(); ++length) {
            TImageDesignFile file;
            const std::optional<TImageError> error = ReadFile(whole.left(length), file);
            QVERIFY2(error && error->Kind == TImageErrorKind::DamagedFile,
                     qPrintable(QStringLiteral("cut at %1 of %2").arg(length).arg(whole.size())));
        }
    }

    void countsTheFileCannotHoldMakeItDamaged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        TDesignFileWriter hugeText = FileWithItems(1);
        hugeText.Item("TextItem").String(0x7FFFFFFF, "AB");
        TDesignFileWriter moreItems = FileWithItems(0xFFFFFFFF);
        TextRecord(moreItems, "A");
        TDesignFileWriter barcodeCut = FileWithItems(1);
        barcodeCut.String("BarcodeItem").Int32(0).Int32(0);

        QTest::newRow("text count beyond the end") << hugeText.Bytes();
        QTest::newRow("item count beyond the records") << moreItems.Bytes();
        QTest::newRow("barcode kind beyond the end") << barcodeCut.Bytes();
        QTest::newRow("image name count beyond the end")
            << TDesignFileWriter().String(Version31).String("").String(100000, "LABEL").Bytes();
    }

    void countsTheFileCannotHoldMakeItDamaged()
    {
        QFETCH(QByteArray, bytes);
        TImageDesignFile file;
        const std::optional<TImageError> error = ReadFile(bytes, file);
        QVERIFY(error);
        QCOMPARE(error->Kind, TImageErrorKind::DamagedFile);
    }
};

QTEST_APPLESS_MAIN(TestImageDesignFile)
#include "tst_imagedesignfile.moc"
