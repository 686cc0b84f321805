// The printer's description of a job's image against what the job expects: each difference is
// listed with its item, what was expected and what was found, and none when everything matches.
#include "jobs/ReadBack.h"

#include <QTest>

namespace {

TItemExpectation Expect(int number, const char* type, QStringList values, bool any = false, bool numeric = false)
{
    return {number, QLatin1String(type), values, any, numeric, false};
}

// "1 Text JAM" or "4.2 Multiline COOL", for the item at index.
TImageItemRow Row(const char* row, int index)
{
    const QStringList parts = QString::fromLatin1(row).split(QLatin1Char(' '));
    return {parts.value(0), parts.value(1), parts.mid(2).join(QLatin1Char(' ')), index};
}

// The label of the job: a text the job sets, a date, a counter, a barcode and a text of two lines.
const QList<TItemExpectation> Expected{
    Expect(1, "Text", {"L12345"}), Expect(2, "Date", {"05/03/25"}), Expect(3, "Numeric", {"1"}, false, true),
    Expect(4, "EAN13", {"8712345678906"}), Expect(5, "Multiline", {"KEEP", "COOL"}), Expect(6, "Time", {}, true)};

const QList<TImageItemRow> Matching{Row("1 Text L12345", 0),         Row("2 Date 05/03/25", 1),
                                    Row("3 Numeric 1", 2),           Row("4 EAN13 8712345678906", 3),
                                    Row("5.1 Multiline KEEP", 4),    Row("5.2 Multiline COOL", 4),
                                    Row("6 Time 14:07", 5)};

QList<TImageItemRow> With(qsizetype position, const TImageItemRow& row)
{
    QList<TImageItemRow> rows = Matching;
    rows[position] = row;
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(QList<TImageItemRow>)
Q_DECLARE_METATYPE(TImageItemsEnd)

class TestReadBack : public QObject
{
    Q_OBJECT

private slots:
    void everyDifferenceIsListed_data()
    {
        QTest::addColumn<QList<TImageItemRow>>("rows");
        QTest::addColumn<TImageItemsEnd>("end");
        QTest::addColumn<QStringList>("differences"); // "item|expected|found"

        QTest::newRow("all match") << Matching << TImageItemsEnd::Complete << QStringList();
        QTest::newRow("a counter as a number") << With(2, Row("3 Numeric 0001", 2)) << TImageItemsEnd::Complete
                                               << QStringList();
        QTest::newRow("another lot") << With(0, Row("1 Text L99999", 0)) << TImageItemsEnd::Complete
                                     << QStringList{"1|L12345|L99999"};
        QTest::newRow("yesterday's date") << With(1, Row("2 Date 04/03/25", 1)) << TImageItemsEnd::Complete
                                          << QStringList{"2|05/03/25|04/03/25"};
        QTest::newRow("a line changed") << With(5, Row("5.2 Multiline WARM", 4)) << TImageItemsEnd::Complete
                                        << QStringList{"5.2|COOL|WARM"};
        QTest::newRow("another type") << With(3, Row("4 CODE128 8712345678906", 3)) << TImageItemsEnd::Complete
                                      << QStringList{"4|EAN13|CODE128"};
        QTest::newRow("an item missing") << Matching.mid(0, 6) << TImageItemsEnd::Complete
                                         << QStringList{"6|Time|(none)"};
        QTest::newRow("a line missing") << Matching.mid(0, 5) + Matching.mid(6) << TImageItemsEnd::Complete
                                        << QStringList{"5.2|COOL|(none)"};
        QTest::newRow("an item more") << Matching + QList{Row("7 Text EXTRA", 6)} << TImageItemsEnd::Complete
                                      << QStringList{"7|(none)|Text: EXTRA"};
        QTest::newRow("a description that ends early")
            << Matching << TImageItemsEnd::UnknownType
            << QStringList{"|the whole description|the printer's description goes on in a way the station does "
                           "not read"};
        QTest::newRow("no image") << QList<TImageItemRow>() << TImageItemsEnd::Complete
                                  << QStringList{"1|Text: L12345|(none)", "2|Date: 05/03/25|(none)",
                                                 "3|Numeric: 1|(none)", "4|EAN13: 8712345678906|(none)",
                                                 "5|Multiline: KEEP|(none)", "6|Time|(none)"};
    }
    void everyDifferenceIsListed()
    {
        QFETCH(QList<TImageItemRow>, rows);
        QFETCH(TImageItemsEnd, end);
        QFETCH(QStringList, differences);
        QStringList found;
        for (const TItemDifference& difference : ReadBack::Compare(Expected, rows, end))
            found << QStringList{difference.Item, difference.Expected, difference.Found}.join(QLatin1Char('|'));
        QCOMPARE(found, differences);
    }
};

QTEST_GUILESS_MAIN(TestReadBack)
#include "tst_readback.moc"
