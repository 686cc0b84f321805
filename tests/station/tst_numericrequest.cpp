#include "station/NumericRequest.h"

#include <QTest>

class TestNumericRequest : public QObject
{
    Q_OBJECT

private slots:
    // The limit sent first is never accepted, the one sent second is.
    void anEntryIsAcceptedBetweenTheLimits_data()
    {
        QTest::addColumn<qint32>("limitA");
        QTest::addColumn<qint32>("limitB");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("result");
        const int accepted = int(TNumericRequest::TSaveResult::Accepted);
        const int refused = int(TNumericRequest::TSaveResult::OutOfRange);
        const int notANumber = int(TNumericRequest::TSaveResult::NotANumber);
        QTest::newRow("10 to 20: 10") << 10 << 20 << "10" << refused;
        QTest::newRow("10 to 20: 15") << 10 << 20 << "15" << accepted;
        QTest::newRow("10 to 20: 20") << 10 << 20 << "20" << accepted;
        QTest::newRow("10 to 20: 21") << 10 << 20 << "21" << refused;
        QTest::newRow("20 to 10: 20") << 20 << 10 << "20" << refused;
        QTest::newRow("20 to 10: 10") << 20 << 10 << "10" << accepted;
        QTest::newRow("20 to 10: 19") << 20 << 10 << "19" << accepted;
        QTest::newRow("20 to 10: 9") << 20 << 10 << "9" << refused;
        QTest::newRow("equal: the limit") << 10 << 10 << "10" << refused;
        QTest::newRow("equal: above") << 10 << 10 << "11" << refused;
        QTest::newRow("a negative first limit") << -5 << 5 << "0" << accepted;
        QTest::newRow("larger than any limit") << 0 << 2147483647 << "99999999999" << refused;
        QTest::newRow("empty") << 10 << 20 << "" << notANumber;
        QTest::newRow("not digits") << 10 << 20 << "1x" << notANumber;
    }
    void anEntryIsAcceptedBetweenTheLimits()
    {
        QFETCH(qint32, limitA);
        QFETCH(qint32, limitB);
        QFETCH(QString, entry);
        QFETCH(int, result);
        TNumericRequest request(7, limitA, limitB, 3);
        QCOMPARE(int(request.Save(entry)), result);
        QCOMPARE(request.Value(), result == int(TNumericRequest::TSaveResult::Accepted) ? entry.toInt() : 7);
    }

    void theBoxesShowTheSmallerAndTheLargerLimit()
    {
        for (const auto& [a, b] : {std::pair{10, 20}, std::pair{20, 10}}) {
            const TNumericRequest request(0, a, b, 1);
            QCOMPARE(request.Minimum(), 10);
            QCOMPARE(request.Maximum(), 20);
        }
    }

    void anEntryThatIsNoNumberIsNamed()
    {
        QCOMPARE(TNumericRequest::NotANumberText(QString()), QStringLiteral("Enter a number."));
        QCOMPARE(TNumericRequest::NotANumberText(QStringLiteral("1x")),
                 QStringLiteral("\"1x\" is not a number."));
    }
};

QTEST_APPLESS_MAIN(TestNumericRequest)
#include "tst_numericrequest.moc"
