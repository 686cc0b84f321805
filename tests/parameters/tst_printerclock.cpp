// The printer clock dialog's logic: what it takes from the printer's report and what it sends.
#include "RecordingSink.h"
#include "parameters/PrinterClock.h"
#include "platform/StationClock.h"

#include <QTest>

using TestSupport::TRecordingSink;

class TestPrinterClock : public QObject
{
    Q_OBJECT

    TPrinterClock m_clock;

private slots:
    void init() { m_clock.SetReported(2024, 3, 5, 14, 7); }
    void cleanup() { StationClock::SetSource({}); }

    // Only what the operator changed is sent, the date and the time each on its own.
    void acceptingSendsWhatChanged_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("unchanged") << QDate(2024, 3, 5) << QTime(14, 7) << QStringList{};
        QTest::newRow("seconds do not count") << QDate(2024, 3, 5) << QTime(14, 7, 59) << QStringList{};
        QTest::newRow("date") << QDate(2024, 3, 6) << QTime(14, 7) << QStringList{"34/1: 07 E8 03 06"};
        QTest::newRow("year") << QDate(2025, 3, 5) << QTime(14, 7) << QStringList{"34/1: 07 E9 03 05"};
        QTest::newRow("time") << QDate(2024, 3, 5) << QTime(14, 8) << QStringList{"34/2: 0E 08"};
        QTest::newRow("hour") << QDate(2024, 3, 5) << QTime(15, 7) << QStringList{"34/2: 0F 07"};
        QTest::newRow("both") << QDate(2023, 12, 31) << QTime(0, 0)
                              << QStringList{"34/1: 07 E7 0C 1F", "34/2: 00 00"};
    }
    void acceptingSendsWhatChanged()
    {
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(QStringList, sent);
        TRecordingSink sink;
        m_clock.SendChanges(date, time, sink);
        QCOMPARE(sink.Sent(), sent);
    }

    void usePcTimeTakesTheStationClock()
    {
        StationClock::SetSource([] { return QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5)); });
        const QDateTime now = TPrinterClock::PcTime();
        TRecordingSink sink;
        m_clock.SendChanges(now.date(), now.time(), sink);
        QCOMPARE(sink.Sent(), (QStringList{"34/1: 07 E9 01 02", "34/2: 03 04"}));
    }

    // An impossible date or time is reported and leaves its picker as it was; the part that exists
    // is taken.
    void anImpossibleReportIsRefused_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<bool>("dateTaken");
        QTest::addColumn<bool>("timeTaken");
        QTest::addColumn<QString>("error");
        QTest::newRow("valid") << 3 << 5 << 14 << 7 << true << true << "";
        QTest::newRow("month 13") << 13 << 5 << 14 << 7 << false << true << "Invalid argument to date encode";
        QTest::newRow("30 February") << 2 << 30 << 14 << 7 << false << true
                                     << "Invalid argument to date encode";
        QTest::newRow("day 0") << 3 << 0 << 14 << 7 << false << true << "Invalid argument to date encode";
        QTest::newRow("hour 24") << 3 << 5 << 24 << 7 << true << false << "Invalid argument to time encode";
        QTest::newRow("minute 60") << 3 << 5 << 14 << 60 << true << false
                                   << "Invalid argument to time encode";
        QTest::newRow("both") << 0 << 5 << 25 << 7 << false << false << "Invalid argument to date encode";
    }
    void anImpossibleReportIsRefused()
    {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(bool, dateTaken);
        QFETCH(bool, timeTaken);
        QFETCH(QString, error);
        m_clock.SetReported(2024, quint8(month), quint8(day), quint8(hour), quint8(minute));
        QCOMPARE(m_clock.ReportedDate().has_value(), dateTaken);
        QCOMPARE(m_clock.ReportedTime().has_value(), timeTaken);
        if (dateTaken)
            QCOMPARE(*m_clock.ReportedDate(), QDate(2024, month, day));
        if (timeTaken)
            QCOMPARE(*m_clock.ReportedTime(), QTime(hour, minute));
        QCOMPARE(m_clock.ReportError(), error);
    }
};

QTEST_GUILESS_MAIN(TestPrinterClock)
#include "tst_printerclock.moc"
