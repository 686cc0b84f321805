#include "station/OperatorNumeric.h"

#include <QTest>

#include <limits>

class TestOperatorNumeric : public QObject
{
    Q_OBJECT

private slots:
    void anEntryIsCheckedAgainstTheLimitsInTheOrderTheyCame_data()
    {
        QTest::addColumn<qint32>("limitA");
        QTest::addColumn<qint32>("limitB");
        QTest::addColumn<qint32>("value");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("10 then 20: the first limit is refused") << 10 << 20 << 10 << false;
        QTest::newRow("10 then 20: between") << 10 << 20 << 15 << true;
        QTest::newRow("10 then 20: the second limit is accepted") << 10 << 20 << 20 << true;
        QTest::newRow("10 then 20: above") << 10 << 20 << 21 << false;
        QTest::newRow("10 then 20: below") << 10 << 20 << 9 << false;
        QTest::newRow("20 then 10: the first limit is refused") << 20 << 10 << 20 << false;
        QTest::newRow("20 then 10: between") << 20 << 10 << 15 << true;
        QTest::newRow("20 then 10: the second limit is accepted") << 20 << 10 << 10 << true;
        QTest::newRow("20 then 10: below") << 20 << 10 << 9 << false;
        QTest::newRow("equal limits: the limit") << 7 << 7 << 7 << false;
        QTest::newRow("equal limits: beside it") << 7 << 7 << 8 << false;
        QTest::newRow("negative limits") << -5 << -1 << -1 << true;
        constexpr qint32 max = std::numeric_limits<qint32>::max();
        constexpr qint32 min = std::numeric_limits<qint32>::min();
        QTest::newRow("the whole range: its top") << min << max << max << true;
        QTest::newRow("the whole range: its bottom") << min << max << min << false;
    }
    void anEntryIsCheckedAgainstTheLimitsInTheOrderTheyCame()
    {
        QFETCH(qint32, limitA);
        QFETCH(qint32, limitB);
        QFETCH(qint32, value);
        QFETCH(bool, accepted);
        QCOMPARE(OperatorNumericAccepts(value, limitA, limitB), accepted);
    }
};

QTEST_GUILESS_MAIN(TestOperatorNumeric)
#include "tst_operatornumeric.moc"
