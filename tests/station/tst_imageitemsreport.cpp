#include "comm/XLMessage.h"
#include "images/EAN128Items.h"
#include "images/MemoItems.h"
#include "images/TextItems.h"
#include "station/ImageItemsReport.h"

#include <QTest>

namespace {

// An ImageItems report written field by field, as a printer sends it.
class TReport
{
public:
    explicit TReport(const QString& image, const QString& count = QStringLiteral("0"))
    {
        m_message.WriteString(image);
        m_message.WriteString(count);
    }
    // An item described in the common layout: five texts, the last its value.
    TReport& Item(const QString& number, const QString& type, const QString& value)
    {
        Head(number, type);
        for (const char* text : {"", "t1", "t2", "t3"})
            m_message.WriteString(QLatin1String(text));
        m_message.WriteString(value);
        return *this;
    }
    // An item described line by line or element by element: a count, then sub-records of six texts.
    TReport& Records(const QString& number, const QString& type, const QString& count,
                     const QList<QStringList>& records)
    {
        Head(number, type);
        m_message.WriteString(count);
        for (const QStringList& record : records) {
            m_message.WriteU8(ImageItemsReport::SubRecordMark);
            for (const QString& text : record)
                m_message.WriteString(text);
        }
        return *this;
    }
    TReport& Head(const QString& number, const QString& type)
    {
        m_message.WriteU8(ImageItemsReport::ItemMark);
        m_message.WriteString(number);
        m_message.WriteString(type);
        return *this;
    }
    TReport& Byte(quint8 byte)
    {
        m_message.WriteU8(byte);
        return *this;
    }
    const TXLMessage& Message() const { return m_message; }

private:
    TXLMessage m_message{XLReceive::StatusId, XLReceive::ImageItems};
};

QStringList Rows(const TImageItems& items)
{
    QStringList rows;
    for (const TImageItemRow& row : items.Rows)
        rows << QStringLiteral("%1|%2|%3|%4").arg(row.Number, row.TypeName, row.Value).arg(row.ItemIndex);
    return rows;
}

const QList<QStringList> ThreeLines{{"4.1", "", "", "a", "b", "FIRST"},
                                    {"4.2", "", "", "a", "b", "SECOND"},
                                    {"4.3", "", "", "a", "b", "THIRD"}};
const QList<QStringList> TwoElements{{"5.1", "0", "01", "x3", "x2", "09501101530003"},
                                     {"5.2", "0", "10", "y3", "y2", "LOT42"}};

} // namespace

Q_DECLARE_METATYPE(TImageItemsEnd)
Q_DECLARE_METATYPE(TXLMessage)

class TestImageItemsReport : public QObject
{
    Q_OBJECT

private slots:
    void readsRowsUntilTheReportStops_data()
    {
        QTest::addColumn<TXLMessage>("report");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<TImageItemsEnd>("end");

        const TXLMessage everyKind = TReport("LABEL", "5")
                                         .Item("1", "A", "HELLO")
                                         .Item("02", "N", "42")
                                         .Item("3", "B1", "4006381333931")
                                         .Records("4", "M", "3", ThreeLines)
                                         .Records("5", "B5", "2", TwoElements)
                                         .Message();
        QTest::newRow("every kind, lines and elements as rows")
            << everyKind << QStringList{"1|Text|HELLO|0",
                                        "2|Numeric|42|1",
                                        "3|EAN13|4006381333931|2",
                                        "4.1|Multiline|FIRST|3",
                                        "4.2|Multiline|SECOND|3",
                                        "4.3|Multiline|THIRD|3",
                                        "5.1|EAN128|09501101530003|4",
                                        "5.2|EAN128|LOT42|4"}
            << TImageItemsEnd::Complete;
        QTest::newRow("date, time, shift, graphic, other symbologies")
            << TReport("LABEL")
                   .Item("1", "D", "05/03/24")
                   .Item("2", "T", "12:30")
                   .Item("3", "S", "B")
                   .Item("4", "G", "")
                   .Item("5", "B7", "CODE39")
                   .Item("6", "B0", "12345670")
                   .Message()
            << QStringList{"1|Date|05/03/24|0", "2|Time|12:30|1",     "3|Shift|B|2",
                           "4|Graphic||3",      "5|Code 39|CODE39|4", "6|EAN8|12345670|5"}
            << TImageItemsEnd::Complete;
        QTest::newRow("another image's report leaves the table empty")
            << TReport("OTHER").Item("1", "A", "HELLO").Message() << QStringList{}
            << TImageItemsEnd::OtherImage;
        QTest::newRow("an unknown letter ends the table")
            << TReport("LABEL").Item("1", "A", "KEPT").Item("2", "Q", "x").Item("3", "A", "LOST").Message()
            << QStringList{"1|Text|KEPT|0"} << TImageItemsEnd::UnknownType;
        QTest::newRow("an unknown symbology is passed over")
            << TReport("LABEL").Item("1", "A", "BEFORE").Head("2", "B9").Item("3", "A", "AFTER").Message()
            << QStringList{"1|Text|BEFORE|0", "3|Text|AFTER|1"} << TImageItemsEnd::Complete;
        QTest::newRow("a barcode without its digit ends the table")
            << TReport("LABEL").Item("1", "A", "KEPT").Item("2", "BX", "x").Message()
            << QStringList{"1|Text|KEPT|0"} << TImageItemsEnd::UnknownType;
        QTest::newRow("an item number that is not a number")
            << TReport("LABEL").Item("1", "A", "KEPT").Item("2x", "A", "LOST").Message()
            << QStringList{"1|Text|KEPT|0"} << TImageItemsEnd::NotANumber;
        QTest::newRow("a line count that is not a number")
            << TReport("LABEL").Item("1", "A", "KEPT").Records("2", "M", "three", ThreeLines).Message()
            << QStringList{"1|Text|KEPT|0"} << TImageItemsEnd::NotANumber;
        // The line count promises more lines than there are: the next item's mark is read as a
        // missing line's, and the report can no longer be followed.
        QTest::newRow("a line count above the lines present")
            << TReport("LABEL").Records("1", "M", "3", ThreeLines.mid(0, 1)).Item("2", "A", "NEXT").Message()
            << QStringList{"4.1|Multiline|FIRST|0"} << TImageItemsEnd::NoItemMark;
        QTest::newRow("a byte that starts no item")
            << TReport("LABEL").Item("1", "A", "KEPT").Byte(0x1C).Message() << QStringList{"1|Text|KEPT|0"}
            << TImageItemsEnd::NoItemMark;
        QTest::newRow("no items") << TReport("LABEL").Message() << QStringList{} << TImageItemsEnd::Complete;
        QTest::newRow("a report cut inside its last item") << [] {
            TXLMessage message = TReport("LABEL").Item("1", "A", "WHOLE").Message();
            message.WriteBytes(QByteArray("\x1D"
                                          "2\0A\0\0t1",
                                          8));
            return message;
        }() << QStringList{"1|Text|WHOLE|0", "2|Text||1"} << TImageItemsEnd::Complete;
    }
    void readsRowsUntilTheReportStops()
    {
        QFETCH(TXLMessage, report);
        QFETCH(QStringList, rows);
        QFETCH(TImageItemsEnd, end);

        const TImageItems items = ImageItemsReport::Read(report, QStringLiteral("LABEL"));

        QCOMPARE(Rows(items), rows);
        QCOMPARE(items.End, end);
        if (items.End != TImageItemsEnd::OtherImage)
            QCOMPARE(items.ImageName, QStringLiteral("LABEL"));
    }

    // The items keep what the printer reported, as the modify window's rows are built from them.
    void itemsTakeTheirReportedValues()
    {
        const TImageItems items = ImageItemsReport::Read(TReport("LABEL")
                                                             .Item("1", "A", "HELLO")
                                                             .Records("2", "B5", "2", TwoElements)
                                                             .Records("3", "M", "3", ThreeLines)
                                                             .Message(),
                                                         QStringLiteral("LABEL"));

        QCOMPARE(items.Items.Count(), 3);
        QCOMPARE(static_cast<const TextItem*>(items.Items.Item(0))->Text, QStringLiteral("HELLO"));
        const auto* barcode = static_cast<const EAN128_Item*>(items.Items.Item(1));
        QCOMPARE(barcode->Elements.size(), size_t(2));
        QCOMPARE(barcode->Elements[1].ElementText1, QStringLiteral("10"));
        QCOMPARE(barcode->Elements[1].ElementText4, QStringLiteral("LOT42"));
        QCOMPARE(items.Items.Item(2)->ItemData.Text4, QStringLiteral("THIRD"));
    }
};

QTEST_APPLESS_MAIN(TestImageItemsReport)
#include "tst_imageitemsreport.moc"
