// The history's file: numbering and hash chain with two writers, pruning, and a file that cannot be
// written.
#include "history/HistoryReader.h"
#include "history/HistoryStore.h"
#include "history/HistoryText.h"
#include "history/HistoryWriter.h"
#include "platform/StationClock.h"

#include <QDir>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

TStationEvent Event(const QString& printer, int number, const QDateTime& time = {})
{
    return TStationEvent::Make(TStationEventKind::ImageDeleted, {printer, QStringLiteral("Vega"), QStringLiteral("COM1")},
                               TEventSource(), {{QStringLiteral("image"), QString::number(number)}}, time);
}

// "A1 A2 B1 ...": the printer and value of each row, oldest first.
QStringList Rows(const QString& path, int limit = 1000)
{
    QStringList rows;
    for (const THistoryRow& row : THistoryReader(path).RowsAfter(0, limit))
        rows << (row.PrinterName().isEmpty() ? row.Kind()
                                             : row.PrinterName() + row.Values().value(QLatin1String("image")).toString());
    return rows;
}

QString Pragma(const QString& path, const QString& pragma)
{
    QString value;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("pragma"));
        database.setDatabaseName(path);
        QSqlQuery query(database);
        if (database.open() && query.exec(QStringLiteral("PRAGMA ") + pragma) && query.next())
            value = query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("pragma"));
    return value;
}

} // namespace

class TestHistoryStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString FreshPath(const QString& name) { return m_dir.filePath(name); }

private slots:
    void cleanup() { StationClock::SetSource({}); }

    // Two programs write the same file, turn by turn: every row is numbered once, in the order the
    // writers committed, and the chain holds over all of them.
    void twoWritersShareOneChain()
    {
        const QString path = FreshPath(QStringLiteral("shared.sqlite"));
        THistoryStore a(path, TEventSource());
        THistoryStore b(path, TEventSource{QLatin1String(TEventSource::Vexctl), {}});
        QSignalSpy committed(&a, &THistoryStore::Committed);
        for (int turn = 1; turn <= 40; ++turn) {
            for (THistoryStore* store : {&a, &b}) {
                store->Append(Event(store == &a ? QStringLiteral("A") : QStringLiteral("B"), turn));
                store->Flush();
            }
        }
        QVERIFY(a.WaitForWriter(10000) && b.WaitForWriter(10000));

        const QStringList rows = Rows(path);
        QCOMPARE(rows.size(), 80);
        QCOMPARE(rows.filter(QRegularExpression(QStringLiteral("^A"))).first(), QStringLiteral("A1"));
        QCOMPARE(rows.filter(QRegularExpression(QStringLiteral("^A"))).last(), QStringLiteral("A40"));
        QCOMPARE(rows.filter(QRegularExpression(QStringLiteral("^B"))).last(), QStringLiteral("B40"));
        const THistoryCheck check = THistoryReader(path).Verify();
        QVERIFY2(check.Holds(), qPrintable(check.Problem));
        QCOMPARE(check.FirstSeq, 1);
        QCOMPARE(check.LastSeq, 80);
        QTRY_VERIFY(!committed.isEmpty());
        QCOMPARE(Pragma(path, QStringLiteral("journal_mode")), QStringLiteral("wal"));
        QCOMPARE(Pragma(path, QStringLiteral("user_version")), QStringLiteral("2"));
    }

    // A reader that hands the rows on keeps its place in the file: the place survives the program,
    // each name has its own, and a file of the first version gets the table when it is opened.
    void aCursorIsKeptInTheFileByName()
    {
        const QString path = FreshPath(QStringLiteral("cursor.sqlite"));
        {
            THistoryStore store(path, TEventSource());
            store.Append(Event(QStringLiteral("A"), 1));
            QVERIFY(store.WaitForWriter(10000));
        }
        // As the first version left it: no cursors.
        QCOMPARE(Pragma(path, QStringLiteral("user_version = 1")), QString());
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("drop"));
            database.setDatabaseName(path);
            QVERIFY(database.open());
            QVERIFY(QSqlQuery(database).exec(QStringLiteral("DROP TABLE cursors")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("drop"));
        QCOMPARE(THistoryReader(path).Cursor(QStringLiteral("broker")), 0);
        {
            THistoryStore store(path, TEventSource());
            store.SetCursor(QStringLiteral("broker"), 1);
            store.SetCursor(QStringLiteral("other"), 7);
            store.SetCursor(QStringLiteral("broker"), 5);
            QVERIFY(store.WaitForWriter(10000));
        }
        const THistoryReader reader(path);
        QCOMPARE(reader.Cursor(QStringLiteral("broker")), 5);
        QCOMPARE(reader.Cursor(QStringLiteral("other")), 7);
        QCOMPARE(reader.Cursor(QStringLiteral("none")), 0);
        QCOMPARE(reader.LastSeq(), 1);
        QCOMPARE(Pragma(path, QStringLiteral("user_version")), QStringLiteral("2"));
    }

    // However many events come in one turn, all of them are written: only a file that cannot be
    // written bounds what is held.
    void aLargeTurnIsWrittenWhole()
    {
        const QString path = FreshPath(QStringLiteral("large.sqlite"));
        THistoryStore store(path, TEventSource());
        const int events = int(THistoryWriter::MaxHeld) + 1;
        for (int number = 1; number <= events; ++number)
            store.Append(Event(QStringLiteral("A"), number));
        QVERIFY(store.WaitForWriter(60000));
        QCOMPARE(THistoryReader(path).Count(), events);
    }

    // Rows older than the days kept go, oldest first; the chain still holds from the oldest kept
    // row, and the history says what was pruned.
    void pruningKeepsTheChainVerifiable()
    {
        const QString path = FreshPath(QStringLiteral("pruned.sqlite"));
        const QDateTime old(QDate(2023, 1, 10), QTime(8, 0));
        const QDateTime recent(QDate(2024, 3, 1), QTime(8, 0));
        {
            StationClock::SetSource([old] { return old; });
            THistoryStore store(path, TEventSource(), 0);
            for (int number = 1; number <= 4; ++number)
                store.Append(Event(QStringLiteral("A"), number, old));
            for (int number = 5; number <= 7; ++number)
                store.Append(Event(QStringLiteral("A"), number, recent));
        }
        StationClock::SetSource([] { return QDateTime(QDate(2024, 3, 5), QTime(12, 0)); });
        // A program that started prunes once it is up; the next one finds nothing to prune.
        for (int opening = 0; opening < 2; ++opening) {
            THistoryStore store(path, TEventSource(), 365);
            QTest::qWait(THistoryStore::OpenDelayMs + 100);
            QVERIFY(store.WaitForWriter(10000));
        }

        QCOMPARE(Rows(path), (QStringList{"A5", "A6", "A7", "history-pruned"}));
        const THistoryReader reader(path);
        QCOMPARE(reader.RowsAfter(7, 1).value(0).Values().value(QLatin1String("rows")).toInt(), 4);
        const THistoryCheck check = reader.Verify();
        QVERIFY2(check.Holds(), qPrintable(check.Problem));
        QCOMPARE(check.FirstSeq, 5);
    }

    // A file the history cannot write: said once however often it is tried; the events meanwhile
    // are kept, and once the file can be written the gap's beginning and end are recorded with them.
    void aFileThatCannotBeWrittenIsSaidOnceAndTheGapRecorded_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("damaged") << "damaged"
                                 << "damaged";
        QTest::newRow("written by a newer station") << "newer"
                                                    << "newer-version";
        QTest::newRow("a folder in its place") << "folder"
                                               << "cannot-open";
    }
    void aFileThatCannotBeWrittenIsSaidOnceAndTheGapRecorded()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString path = FreshPath(kind + QStringLiteral(".sqlite"));
        if (kind == QLatin1String("damaged")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(8192, 'x'));
        } else if (kind == QLatin1String("newer")) {
            QCOMPARE(Pragma(path, QStringLiteral("user_version = 99")), QString());
            QCOMPARE(Pragma(path, QStringLiteral("user_version")), QStringLiteral("99"));
        } else {
            QVERIFY(QDir().mkpath(path));
        }
        THistoryStore store(path, TEventSource());
        store.SetRetryInterval(20);
        QSignalSpy faults(&store, &THistoryStore::Fault);
        QSignalSpy recovered(&store, &THistoryStore::Recovered);
        QTRY_COMPARE(faults.size(), 1);
        QVERIFY(faults.first().first().toString().contains(QDir::toNativeSeparators(path)));
        for (int number = 1; number <= 3; ++number) {
            store.Append(Event(QStringLiteral("A"), number));
            store.Flush();
        }
        QTest::qWait(200); // several retries
        QCOMPARE(faults.size(), 1);
        QVERIFY(store.IsFaulted());

        QVERIFY(QFile::remove(path) || QDir(path).removeRecursively());
        QTRY_COMPARE(recovered.size(), 1);
        QVERIFY(store.WaitForWriter(10000));
        const QList<THistoryRow> rows = THistoryReader(path).RowsAfter(0, 10);
        QCOMPARE(Rows(path), (QStringList{"history-gap-began", "A1", "A2", "A3", "history-gap-ended"}));
        QCOMPARE(rows.first().Values().value(QLatin1String("reason")).toString(), reason);
        QCOMPARE(rows.last().Values().value(QLatin1String("lost")).toInt(), 0);
        QVERIFY(THistoryReader(path).Verify().Holds());
    }

    // A time range read by its sequence bounds holds exactly the rows of the range, also rows
    // written after the bounds were found.
    void aTimeRangeHoldsItsRowsAndThoseToCome_data()
    {
        QTest::addColumn<int>("since"); // minutes after 08:00, -1 for none
        QTest::addColumn<int>("until");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("the middle") << 2 << 3 << QStringList{"A3", "A4"};
        QTest::newRow("from the middle on") << 3 << -1 << QStringList{"A4", "A5", "A9"};
        QTest::newRow("up to the middle") << -1 << 1 << QStringList{"A1", "A2"};
        QTest::newRow("after every row so far") << 6 << -1 << QStringList{"A9"};
        QTest::newRow("up to a time to come") << 2 << 60 << QStringList{"A3", "A4", "A5", "A9"};
        QTest::newRow("before every row") << -1 << -5 << QStringList{};
    }
    void aTimeRangeHoldsItsRowsAndThoseToCome()
    {
        QFETCH(int, since);
        QFETCH(int, until);
        QFETCH(QStringList, rows);
        const QDateTime start(QDate(2024, 3, 5), QTime(8, 0));
        const QString path = FreshPath(QStringLiteral("range.sqlite"));
        QFile::remove(path);
        THistoryStore store(path, TEventSource());
        for (int minute = 0; minute < 5; ++minute)
            store.Append(Event(QStringLiteral("A"), minute + 1, start.addSecs(60 * minute)));
        QVERIFY(store.WaitForWriter(10000));
        const THistoryReader reader(path);
        THistoryFilter filter;
        if (since >= 0)
            filter.Since = start.addSecs(60 * since);
        if (until != -1)
            filter.Until = start.addSecs(60 * until);
        reader.BoundTimeRange(filter);
        store.Append(Event(QStringLiteral("A"), 9, start.addSecs(60 * 8)));
        QVERIFY(store.WaitForWriter(10000));
        QStringList read;
        for (const THistoryRow& row : reader.RowsAfter(0, 100, filter))
            read << row.PrinterName() + row.Values().value(QLatin1String("image")).toString();
        QCOMPARE(read, rows);
    }

    // Names come from printers and files: a spreadsheet opening the export must not take a cell for
    // a formula, and a cell's commas, quotes and line ends stay inside it.
    void csvCellsKeepTheirTextAndAreNoFormulas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cell");
        QTest::newRow("plain") << "LINE1"
                               << "LINE1";
        QTest::newRow("formula") << "=HYPERLINK(\"x\")"
                                 << "\"'=HYPERLINK(\"\"x\"\")\"";
        QTest::newRow("plus") << "+1"
                              << "'+1";
        QTest::newRow("at") << "@SUM(A1)"
                            << "'@SUM(A1)";
        QTest::newRow("comma") << "A,B"
                               << "\"A,B\"";
        QTest::newRow("line end") << "A\nB"
                                  << "\"A\nB\"";
        QTest::newRow("markup") << "<b>A</b>"
                                << "<b>A</b>";
    }
    void csvCellsKeepTheirTextAndAreNoFormulas()
    {
        QFETCH(QString, name);
        QFETCH(QString, cell);
        const QString path = FreshPath(QStringLiteral("csv.sqlite"));
        QFile::remove(path);
        THistoryStore(path, TEventSource()).Append(Event(name, 1));
        const QList<THistoryRow> rows = THistoryReader(path).RowsAfter(0, 1);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().PrinterName(), name);
        QVERIFY2(HistoryText::CsvLine(rows.first()).startsWith(QStringLiteral("1,%1,%2,").arg(
                     rows.first().Time().toString(Qt::ISODateWithMs), cell)),
                 qPrintable(HistoryText::CsvLine(rows.first())));
    }
};

QTEST_GUILESS_MAIN(TestHistoryStore)
#include "tst_historystore.moc"
