#include "parameters/NumberMaskUtils.h"

#include <QTest>

using namespace NumberMaskUtils;

class TestNumberMaskUtils : public QObject
{
    Q_OBJECT

private slots:
    void formatPositions_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("slotCount");
        QTest::addColumn<int>("lastSlot");
        QTest::addColumn<int>("decimalPoint");
        QTest::newRow("speed") << "##.## m/min" << 4 << 5 << 3;
        QTest::newRow("percent") << "###%" << 3 << 3 << 0;
        QTest::newRow("tenths") << "#.# s" << 2 << 3 << 2;
        QTest::newRow("point after the last slot") << "##. m" << 2 << 2 << 0;
        QTest::newRow("no format") << "" << 0 << 0 << 0;
    }
    void formatPositions()
    {
        QFETCH(QString, format);
        QFETCH(int, slotCount);
        QFETCH(int, lastSlot);
        QFETCH(int, decimalPoint);
        QCOMPARE(CountDigitSlots(format), slotCount);
        QCOMPARE(LastSlotPos(format), lastSlot);
        QCOMPARE(DecimalPointPos(format), decimalPoint);
    }

    void truncateKeepsTheDigitsTheFormatShows_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("truncated");
        QTest::newRow("12345 percent") << "###%" << 12345 << 345;
        QTest::newRow("fits") << "##.## m/min" << 3500 << 3500;
        QTest::newRow("one slot") << "# s" << 10 << 0;
        QTest::newRow("sign takes a slot") << "##" << -5 << -5;
        QTest::newRow("sign dropped") << "##" << -15 << 15;
        QTest::newRow("no slot") << "" << 5 << 0;
        QTest::newRow("smallest number") << "##########" << int(INT_MIN) << 147483648;
    }
    void truncateKeepsTheDigitsTheFormatShows()
    {
        QFETCH(QString, format);
        QFETCH(int, value);
        QFETCH(int, truncated);
        QCOMPARE(TruncateToFormat(value, format), truncated);
    }

    void formatAndMask_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mask");
        QTest::newRow("5%") << "###%" << 5 << "5%"
                            << "#%";
        QTest::newRow("0%") << "###%" << 0 << "0%"
                            << "#%";
        QTest::newRow("345%") << "###%" << 345 << "345%"
                              << "###%";
        QTest::newRow("-5%") << "###%" << -5 << "-5%"
                             << "##%";
        QTest::newRow("0.40 m/min") << "##.## m/min" << 40 << "0.40 m/min"
                                    << "#.## m/min";
        QTest::newRow("0.00 m/min") << "##.## m/min" << 0 << "0.00 m/min"
                                    << "#.## m/min";
        QTest::newRow("0.05 m/min") << "##.## m/min" << 5 << "0.05 m/min"
                                    << "#.## m/min";
        QTest::newRow("35.00 m/min") << "##.## m/min" << 3500 << "35.00 m/min"
                                     << "##.## m/min";
        QTest::newRow("3.0 s") << "#.# s" << 30 << "3.0 s"
                               << "#.# s";
        QTest::newRow("0.5 s") << "#.# s" << 5 << "0.5 s"
                               << "#.# s";
        QTest::newRow("5 min") << "## min" << 5 << "5 min"
                               << "# min";
        QTest::newRow("no slots") << "" << 0 << ""
                                  << "";
    }
    void formatAndMask()
    {
        QFETCH(QString, format);
        QFETCH(int, value);
        QFETCH(QString, text);
        QFETCH(QString, mask);
        QCOMPARE(FormatValue(format, value), text);
        QCOMPARE(ExpandFormat(format, value), mask);
        QCOMPARE(TextToValue(text, format).Value, qAbs(value));
    }

    void textToValueReadsTheDigitArea_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("error");
        QTest::newRow("35.00 m/min") << "35.00 m/min"
                                     << "##.## m/min" << 3500 << "";
        QTest::newRow("7 pixels") << "7 pixels"
                                  << "### pixels" << 7 << "";
        QTest::newRow("digits after the last slot") << "5 s 9"
                                                    << "## s" << 5 << "";
        QTest::newRow("typed point") << "3..0 m/min"
                                     << "##.## m/min" << 30 << "";
        QTest::newRow("no digit") << " pixels"
                                  << "### pixels" << 0 << "'' is not a valid integer value";
        QTest::newRow("too large") << "99999999999"
                                   << "###########" << 0 << "'99999999999' is not a valid integer value";
    }
    void textToValueReadsTheDigitArea()
    {
        QFETCH(QString, text);
        QFETCH(QString, format);
        QFETCH(int, value);
        QFETCH(QString, error);
        const TConversion conversion = TextToValue(text, format);
        QCOMPARE(conversion.Value, value);
        QCOMPARE(conversion.Error, error);
        QCOMPARE(conversion.Ok(), error.isEmpty());
    }

    void digitIndexAt_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("pos");
        QTest::addColumn<int>("index");
        QTest::newRow("first digit") << "###%" << 0 << 1;
        QTest::newRow("after the last digit") << "###%" << 3 << 3;
        QTest::newRow("past the digits") << "###%" << 4 << -1;
        QTest::newRow("at the point") << "##.## m/min" << 2 << 3;
    }
    void digitIndexAt()
    {
        QFETCH(QString, format);
        QFETCH(int, pos);
        QFETCH(int, index);
        QCOMPARE(DigitIndexAt(format, 0, pos), index);
    }
};

QTEST_APPLESS_MAIN(TestNumberMaskUtils)
#include "tst_numbermaskutils.moc"
