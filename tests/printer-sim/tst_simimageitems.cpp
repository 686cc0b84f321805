#include "LabelRecords.h"
#include "SimPrinterState.h"
#include "comm/XLMessage.h"
#include "images/Code128Items.h"
#include "images/Code39Items.h"
#include "images/DateItems.h"
#include "images/EANUPCItems.h"
#include "images/FontUnit.h"
#include "images/GraphicItems.h"
#include "images/ITFItems.h"
#include "images/ImageData.h"
#include "images/ShiftcodeItems.h"
#include "images/TextItems.h"
#include "images/TimeItems.h"
#include "platform/StationClock.h"
#include "station/ImageItemsReport.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime Now(QDate(2024, 3, 5), QTime(14, 7));

// The printer's report on a stored image as the station reads it: "number type value" per row.
QStringList ReportedRows(const TSimPrinterState& state, const QString& name)
{
    const TSimImage* image = state.FindImage(name);
    TXLMessage report(XLReceive::StatusId, XLReceive::ImageItems);
    SimImageItems::WriteReport(report, name, image ? image->Content : TSimImageContent(), Now);
    const TImageItems items = ImageItemsReport::Read(report, name);
    if (items.End != TImageItemsEnd::Complete)
        return {QStringLiteral("report not read to its end")};
    QStringList rows;
    for (const TImageItemRow& row : items.Rows)
        rows << QStringList{row.Number, row.TypeName, row.Value}.join(QLatin1Char(' '));
    return rows;
}

const QStringList DemoRows{"1 Text TELVOS VEX",         "2 Numeric 1042",         "3 EAN13 4006381333931",
                           "4.1 Multiline BEST BEFORE", "4.2 Multiline KEEP DRY", "4.3 Multiline MADE IN EU",
                           "5.1 EAN128 09501101530003", "5.2 EAN128 LOT42"};

template <class Item> Item& Add(TImageDesignFile& image, const char* typeName)
{
    auto item = std::make_unique<Item>();
    Item& added = *item;
    image.Items.Append(QLatin1String(typeName), std::move(item));
    return added;
}

// An ImageData body with the item kinds the factory image lacks, and a shift table.
QByteArray EveryOtherKind()
{
    TImageDesignFile image;
    image.ImageName = QStringLiteral("KINDS");
    image.Shifts[0] = {1, 6.0 / 24, QStringLiteral("Early")};
    image.Shifts[1] = {2, 14.0 / 24, QStringLiteral("Late")};
    image.Shifts[2] = {TImageDesignFile::ShiftTableEnd, 0, {}};
    Add<DateItem>(image, ItemTypeName::Date).Separator = '.';
    Add<TimeItem>(image, ItemTypeName::Time);
    Add<ShiftcodeItem>(image, ItemTypeName::Shiftcode);
    auto& graphic = Add<GraphicItem>(image, ItemTypeName::Graphic);
    graphic.Picture = TMonochromePicture(10, 2);
    graphic.Picture.SetBlack(3, 1, true);
    Add<Code39_Item>(image, ItemTypeName::Barcode).Data = QStringLiteral("ABC");
    Add<ITF_Item>(image, ItemTypeName::Barcode).Data = QStringLiteral("1234");
    Add<CODE128_Item>(image, ItemTypeName::Barcode).Data = QStringLiteral("HELLO");
    Add<EAN8_Item>(image, ItemTypeName::Barcode).Data = QStringLiteral("1234567");
    auto& text = Add<TextItem>(image, ItemTypeName::Text);
    text.Text = QStringLiteral("AFTER");
    text.ExtraText = QStringLiteral("X");
    TXLMessage body;
    if (ImageData::WriteBody(body, image, TFontMap()))
        return {};
    return body.Body();
}

} // namespace

class TestSimImageItems : public QObject
{
    Q_OBJECT

private slots:
    void aFreshPrinterDescribesItsFactoryImages()
    {
        const TSimPrinterState state{TSimPrinterConfig()};
        QCOMPARE(ReportedRows(state, QStringLiteral("DEMO")), DemoRows);
        QCOMPARE(ReportedRows(state, QStringLiteral("Telvos")), QStringList{"1 Text Telvos"});
        QCOMPARE(ReportedRows(state, QStringLiteral("NONE")), QStringList{});
    }

    void storedItemsAreDescribedAsThePrinterPrintsThem()
    {
        TSimPrinterState state{TSimPrinterConfig()};
        const QByteArray body = EveryOtherKind();
        QVERIFY(state.StoreImage(QStringLiteral("KINDS"), body));
        QCOMPARE(
            ReportedRows(state, QStringLiteral("KINDS")),
            (QStringList{"1 Date 05.03.24", "2 Time 14:07", "3 Shift L", "4 Graphic 10x2", "5 Code 39 ABC",
                         "6 ITF 1234", "7 CODE128 HELLO", "8 EAN8 12345670", "9 Text AFTER"}));

        // A body cut short keeps the items it holds whole.
        state.StoreImage(QStringLiteral("KINDS"), body.first(body.indexOf("HELLO")));
        QCOMPARE(ReportedRows(state, QStringLiteral("KINDS")).size(), 6);
    }

    void aBodyCutAnywhereGivesTheItemsBeforeTheCut()
    {
        const QByteArray body = EveryOtherKind();
        size_t previous = 0;
        for (qsizetype size = 0; size <= body.size(); ++size) {
            const size_t items = SimImageItems::Read(body.first(size)).Items.size();
            QVERIFY(items >= previous);
            previous = items;
        }
        QCOMPARE(previous, size_t(9));
    }

    void modifyItemChangesWhatTheNextReportShows_data()
    {
        QTest::addColumn<QStringList>("message"); // image, item number, value
        QTest::addColumn<int>("row");             // the row that changes, -1 for none
        QTest::addColumn<QString>("shown");       // what it shows then

        QTest::newRow("text") << QStringList{"DEMO", "1", "NEW TEXT"} << 0 << "1 Text NEW TEXT";
        QTest::newRow("counter") << QStringList{"DEMO", "2", "77"} << 1 << "2 Numeric 77";
        QTest::newRow("barcode") << QStringList{"DEMO", "3", "12345670"} << 2 << "3 EAN13 12345670";
        QTest::newRow("counter refuses a text") << QStringList{"DEMO", "2", "7x"} << -1 << "";
        QTest::newRow("EAN barcode refuses letters") << QStringList{"DEMO", "3", "12A"} << -1 << "";
        QTest::newRow("a line of a multi-line text") << QStringList{"DEMO", "4.1", "x"} << -1 << "";
        QTest::newRow("an EAN-128 element") << QStringList{"DEMO", "5.2", "x"} << -1 << "";
        QTest::newRow("no such item") << QStringList{"DEMO", "9", "x"} << -1 << "";
        QTest::newRow("no such image") << QStringList{"NONE", "1", "x"} << -1 << "";
    }
    void modifyItemChangesWhatTheNextReportShows()
    {
        QFETCH(QStringList, message);
        QFETCH(int, row);
        QFETCH(QString, shown);
        TSimPrinterState state{TSimPrinterConfig()};

        QCOMPARE(state.ModifyItem(message[0], message[1], message[2]), row >= 0);

        QStringList expected = DemoRows;
        if (row >= 0)
            expected[row] = shown;
        QCOMPARE(ReportedRows(state, QStringLiteral("DEMO")), expected);
    }

    // A date shows that many days beyond the printer's today from then on, as a best-before date.
    void aDateTakesADateAsItShowsDates_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown"); // empty: not taken, today shown
        QTest::newRow("half a year ahead") << "01.09.24" << "1 Date 01.09.24";
        QTest::newRow("across a year's end") << "04.01.25" << "1 Date 04.01.25";
        QTest::newRow("another separator") << "01/09/24" << "";
        QTest::newRow("a day that does not exist") << "30.02.24" << "";
        QTest::newRow("beyond ten years") << "05.03.40" << "";
    }
    void aDateTakesADateAsItShowsDates()
    {
        QFETCH(QString, value);
        QFETCH(QString, shown);
        StationClock::SetSource([] { return Now; });
        TSimPrinterState state{TSimPrinterConfig()};
        QVERIFY(state.StoreImage(QStringLiteral("KINDS"), EveryOtherKind()));

        QCOMPARE(state.ModifyItem(QStringLiteral("KINDS"), QStringLiteral("1"), value), !shown.isEmpty());

        QCOMPARE(ReportedRows(state, QStringLiteral("KINDS")).first(),
                 shown.isEmpty() ? QStringLiteral("1 Date 05.03.24") : shown);
        StationClock::SetSource({});
    }

    void aDesignFileIsStoredAsTheStationSendsIt_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no such file
        QTest::addColumn<qint64>("memory");
        QTest::addColumn<QString>("refusal"); // the start of the refusal; empty when stored
        const QByteArray label = LabelRecords::DesignFile(
            {LabelRecords::Text("BOX 12", 10, 10, 24), LabelRecords::Counter(10, 40, 24),
             LabelRecords::EanUpc(1, "400638133393", 120, 10, 60, 2)},
            "BOX");
        QTest::newRow("stored") << label << qint64(1 << 20) << "";
        QTest::newRow("another program's file")
            << TDesignFileWriter::SmallImage("BOX", "other V1.0").Bytes() << qint64(1 << 20)
            << "INVALID FILE TYPE";
        QTest::newRow("no such file") << QByteArray() << qint64(1 << 20) << "FILE ";
        // Room for the factory images (about 320 bytes) and not for the label (about 130).
        QTest::newRow("larger than the memory") << label << qint64(350) << "image BOX of ";
    }
    void aDesignFileIsStoredAsTheStationSendsIt()
    {
        QFETCH(QByteArray, file);
        QFETCH(qint64, memory);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("BOX.Vega"));
        if (!file.isEmpty())
            QVERIFY(TDesignFileWriter().Raw(file).WriteTo(path));
        TSimPrinterConfig config;
        config.MemoryBytes = memory;
        TSimPrinterState state{config};

        const QString refused = state.StoreDesignFile(path);

        QVERIFY2(refusal.isEmpty() ? refused.isEmpty() : refused.startsWith(refusal), qPrintable(refused));
        if (refusal.isEmpty())
            QCOMPARE(ReportedRows(state, QStringLiteral("BOX")),
                     (QStringList{"1 Text BOX 12", "2 Numeric 1", "3 EAN13 4006381333931"}));
        else
            QCOMPARE(state.ImageNames(), (QStringList{"Telvos", "DEMO"}));
    }

    void deletingAnImageDropsItsItems()
    {
        TSimPrinterState state{TSimPrinterConfig()};
        QVERIFY(state.DeleteImage(QStringLiteral("DEMO")));
        QCOMPARE(ReportedRows(state, QStringLiteral("DEMO")), QStringList{});
        QVERIFY(!state.ModifyItem(QStringLiteral("DEMO"), QStringLiteral("1"), QStringLiteral("x")));
    }
};

QTEST_GUILESS_MAIN(TestSimImageItems)
#include "tst_simimageitems.moc"
