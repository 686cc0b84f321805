// The values the rules give at a changeover: a date counted from the day of the changeover in the
// item's own format, an operator entry taken only when it matches its pattern whole, a counter
// reset to its start value.
#include "images/DateItems.h"
#include "images/EANUPCItems.h"
#include "images/NumberItems.h"
#include "images/TextItems.h"
#include "jobs/JobRules.h"

#include <QTest>

namespace {

TJobRule EntryRule(const QString& pattern, int maxLength)
{
    TJobRule rule;
    rule.Item = 2;
    rule.Kind = TRuleKind::Entry;
    rule.Name = QStringLiteral("lot");
    rule.Prompt = QStringLiteral("Lot number");
    rule.Pattern = pattern;
    rule.Expression.setPattern(QRegularExpression::anchoredPattern(pattern));
    rule.MaxLength = maxLength;
    return rule;
}

} // namespace

class TestJobRules : public QObject
{
    Q_OBJECT

private slots:
    void aDateIsTodayPlusItsDaysInTheItemsFormat_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("days");
        QTest::addColumn<QByteArray>("parts"); // DatePart1 to DatePart3
        QTest::addColumn<char>("separator");
        QTest::addColumn<QString>("shown");

        const QByteArray dayMonthYear("\x01\x02\x04", 3);
        QTest::newRow("within the month") << QDate(2024, 3, 5) << 10 << dayMonthYear << '/' << "15/03/24";
        QTest::newRow("across a month's end") << QDate(2024, 1, 30) << 2 << dayMonthYear << '/' << "01/02/24";
        QTest::newRow("onto a leap day") << QDate(2024, 2, 28) << 1 << dayMonthYear << '/' << "29/02/24";
        QTest::newRow("across a year's end") << QDate(2024, 12, 30) << 5 << dayMonthYear << '.' << "04.01.25";
        QTest::newRow("a year ahead") << QDate(2024, 3, 5) << 365 << dayMonthYear << '/' << "05/03/25";
        QTest::newRow("back across a year's end") << QDate(2025, 1, 2) << -3 << dayMonthYear << '/' << "30/12/24";
        QTest::newRow("year first") << QDate(2024, 12, 30) << 5 << QByteArray("\x04\x02\x01", 3) << '-'
                                    << "25-01-04";
        QTest::newRow("parts that are no order") << QDate(2024, 3, 5) << 0 << QByteArray("\x01\x02\x03", 3)
                                                 << '/' << "05/03/24";
        QTest::newRow("no printable separator") << QDate(2024, 3, 5) << 0 << dayMonthYear << '\0' << "05/03/24";
    }
    void aDateIsTodayPlusItsDaysInTheItemsFormat()
    {
        QFETCH(QDate, today);
        QFETCH(int, days);
        QFETCH(QByteArray, parts);
        QFETCH(char, separator);
        QFETCH(QString, shown);
        DateItem date;
        date.Separator = separator;
        date.DatePart1 = quint8(parts[0]);
        date.DatePart2 = quint8(parts[1]);
        date.DatePart3 = quint8(parts[2]);
        TJobRule rule;
        rule.Item = 3;
        rule.Kind = TRuleKind::Date;
        rule.Days = days;

        QCOMPARE(JobRules::ValueFor(rule, date, {}, today), std::optional<QString>(shown));
    }

    void anEntryIsTakenOnlyWhenItMatchesWhole_data()
    {
        QTest::addColumn<QString>("value"); // "-" for none given
        QTest::addColumn<QString>("refusal"); // a part of it; empty when taken

        QTest::newRow("a lot number") << "L12345" << "";
        QTest::newRow("one digit short") << "L1234" << "'L1234' does not match L[0-9]{5}";
        QTest::newRow("a small letter") << "l12345" << "does not match";
        QTest::newRow("more before it") << "XL1234" << "does not match";
        QTest::newRow("a line break after it") << "L1234\n" << "does not match";
        QTest::newRow("longer than the entry takes") << "L123456" << "is longer than 6 characters";
        QTest::newRow("none given") << "-" << "no value given";
    }
    void anEntryIsTakenOnlyWhenItMatchesWhole()
    {
        QFETCH(QString, value);
        QFETCH(QString, refusal);
        const TJobRule rule = EntryRule(QStringLiteral("L[0-9]{5}"), 6);
        const std::optional<QString> given = value == QLatin1String("-") ? std::nullopt : std::optional(value);

        const std::optional<QString> problem = JobRules::EntryProblem(rule, TextItem(), given);

        QCOMPARE(problem.has_value(), !refusal.isEmpty());
        if (problem) {
            QVERIFY2(problem->startsWith(QStringLiteral("Entry lot (Lot number): ")), qPrintable(*problem));
            QVERIFY2(problem->contains(refusal), qPrintable(*problem));
        }
    }

    // A barcode's entry is held to what the barcode can carry as well as to its pattern.
    void aBarcodesEntryNeedsItsCheckDigit()
    {
        const TJobRule rule = EntryRule(QStringLiteral("[0-9]{13}"), 13);
        EAN13_Item barcode;
        QCOMPARE(JobRules::EntryProblem(rule, barcode, QStringLiteral("8712345678906")), std::nullopt);
        QVERIFY(JobRules::EntryProblem(rule, barcode, QStringLiteral("8712345678907"))
                    ->contains(QStringLiteral("the check digit of 871234567890 is 6")));
    }

    void aCounterIsResetToItsStartValueOrKept_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("reset");
        QTest::addColumn<QString>("value"); // "-" for none: the printer's count stays
        QTest::newRow("reset") << "0005" << true << "5";
        QTest::newRow("reset from an empty start") << "" << true << "0";
        QTest::newRow("kept") << "5" << false << "-";
    }
    void aCounterIsResetToItsStartValueOrKept()
    {
        QFETCH(QString, start);
        QFETCH(bool, reset);
        QFETCH(QString, value);
        NumberItem counter;
        counter.StartValue = start;
        TJobRule rule;
        rule.Item = 4;
        rule.Kind = TRuleKind::Count;
        rule.ResetCount = reset;
        const std::optional<QString> expected = value == QLatin1String("-") ? std::nullopt : std::optional(value);
        QCOMPARE(JobRules::ValueFor(rule, counter, {}, QDate(2024, 3, 5)), expected);
    }
};

QTEST_GUILESS_MAIN(TestJobRules)
#include "tst_jobrules.moc"
