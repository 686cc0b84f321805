#include "TestSupport.h"
#include "comm/XLMessage.h"
#include "images/BarcodeSymbols.h"

#include <QTest>

#include <limits>

using namespace BarcodeSymbols;
using TestSupport::Hex;
using TestSupport::ToHex;

Q_DECLARE_METATYPE(BarcodeSymbols::EanUpcSymbology)
Q_DECLARE_METATYPE(BarcodeSymbols::EanUpcRefusal)

namespace {

struct TPayload
{
    EanUpcRefusal Refusal;
    QByteArray Bytes;
};

TPayload EanUpcPayload(EanUpcSymbology symbology, const QString& data, qint32 barHeight = 100,
                       qint32 moduleWidth = 3)
{
    TXLMessage message;
    const EanUpcRefusal refusal = WriteEanUpcPayload(message, symbology, data, barHeight, moduleWidth);
    return {refusal, message.Body()};
}

// The 7-module characters of a whole symbol written out bar by bar ('1' = bar), guard to guard:
// start guard 101, the left-hand characters, centre guard 01010 (none in UPC-E), the right-hand
// characters, end guard 101 (UPC-E: 010101). They are returned from the right end of the symbol to the
// left, as the printer takes them, and padded with 0x00 to the 13 symbol bytes.
QByteArray SymbolBytesFromModules(const QString& modules, int leftCharacters, int rightCharacters)
{
    QList<quint8> characters;
    qsizetype at = 3;
    const auto take = [&](int count) {
        for (int i = 0; i < count; ++i, at += 7)
            characters.append(quint8(modules.mid(at, 7).toUInt(nullptr, 2)));
    };
    take(leftCharacters);
    if (rightCharacters > 0) {
        at += 5;
        take(rightCharacters);
    }
    QByteArray bytes;
    for (qsizetype i = characters.size() - 1; i >= 0; --i)
        bytes.append(char(characters[i]));
    return bytes.leftJustified(SymbolByteCount, '\0');
}

} // namespace

class TestBarcodeSymbols : public QObject
{
    Q_OBJECT

private slots:
    void checkDigitWeighsTheRightmostDigitThree_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QChar>("check");
        QTest::newRow("EAN-13 default") << "012345678901" << QChar(u'2');
        QTest::newRow("UPC-A default") << "01234567890" << QChar(u'5');
        QTest::newRow("EAN-8 default") << "0123456" << QChar(u'5');
        QTest::newRow("UPC-E default, six digits") << "012345" << QChar(u'7');
        QTest::newRow("EAN-13 5901234123457") << "590123412345" << QChar(u'7');
        QTest::newRow("EAN-8 96385074") << "9638507" << QChar(u'4');
        QTest::newRow("UPC-A 485963095124") << "48596309512" << QChar(u'4');
        QTest::newRow("EAN-13 4006381333931") << "400638133393" << QChar(u'1');
        QTest::newRow("sum a multiple of 10") << "1234567" << QChar(u'0');
    }
    void checkDigitWeighsTheRightmostDigitThree()
    {
        QFETCH(QString, digits);
        QFETCH(QChar, check);
        QCOMPARE(CheckDigit(digits), check);
    }

    void upceExpandsByItsSixthDigit_data()
    {
        QTest::addColumn<QString>("upce");
        QTest::addColumn<QString>("upca");
        QTest::newRow("0: XX000-00NNN") << "123450"
                                        << "01200000345";
        QTest::newRow("1: XX100-00NNN") << "654321"
                                        << "06510000432";
        QTest::newRow("2: XX200-00NNN") << "123452"
                                        << "01220000345";
        QTest::newRow("3: XXX00-000NN") << "593663"
                                        << "05930000066";
        QTest::newRow("4: XXXX0-0000N") << "123454"
                                        << "01234000005";
        QTest::newRow("5: XXXXX-0000 5") << "012345"
                                         << "00123400005";
        QTest::newRow("9: XXXXX-0000 9") << "509689"
                                         << "05096800009";
    }
    void upceExpandsByItsSixthDigit()
    {
        QFETCH(QString, upce);
        QFETCH(QString, upca);
        QCOMPARE(ExpandUpce(upce), upca);
    }

    // Scanners check a UPC-E symbol against the check digit of the UPC-A number it stands for; for
    // about half of all codes that differs from the check digit of the six digits themselves.
    void upceCarriesTheCheckDigitOfItsUpcaNumber_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QChar>("check");
        QTest::newRow("06543217 (six digits alone: 1)") << "654321" << QChar(u'7');
        QTest::newRow("04252614 (six digits alone: 0)") << "425261" << QChar(u'4');
        QTest::newRow("05096893") << "509689" << QChar(u'3');
        QTest::newRow("01234565") << "123456" << QChar(u'5');
        QTest::newRow("default 012345") << "012345" << QChar(u'7');
    }
    void upceCarriesTheCheckDigitOfItsUpcaNumber()
    {
        QFETCH(QString, digits);
        QFETCH(QChar, check);
        QCOMPARE(SymbolCheckDigit(EanUpcSymbology::UPCE, digits), check);

        const TPayload payload = EanUpcPayload(EanUpcSymbology::UPCE, digits);
        QCOMPARE(payload.Refusal, EanUpcRefusal::None);
        QCOMPARE(payload.Bytes.mid(8, 8), (digits + check).toLatin1() + '\0');
    }

    // Symbols as published (most of them figures of the GS1 standard), written out
    // module by module; together they use every pattern of the three sets.
    void symbolCharactersAreTheBarsOfRealSymbols_data()
    {
        QTest::addColumn<EanUpcSymbology>("symbology");
        QTest::addColumn<QString>("code"); // data digits and check digit (UPC-E: without number system 0)
        QTest::addColumn<QString>("modules");
        QTest::addColumn<int>("leftCharacters");
        QTest::addColumn<int>("rightCharacters");
        QTest::newRow("EAN-13 4512345678906") << EanUpcSymbology::EAN13 << "4512345678906"
                                              << "10101100010110011001001101111010011101011100101010101000010"
                                                 "001001001000111010011100101010000101"
                                              << 6 << 6;
        QTest::newRow("EAN-13 9501101531000") << EanUpcSymbology::EAN13 << "9501101531000"
                                              << "10101100010100111011001100110010100111001100101010100111010"
                                                 "000101100110111001011100101110010101"
                                              << 6 << 6;
        QTest::newRow("EAN-13 9780877799306") << EanUpcSymbology::EAN13 << "9780877799306"
                                              << "10101110110001001010011101101110010001011101101010100010011"
                                                 "101001110100100001011100101010000101"
                                              << 6 << 6;
        QTest::newRow("EAN-13 9771384524017") << EanUpcSymbology::EAN13 << "9771384524017"
                                              << "10101110110010001011001101111010001001010001101010100111011"
                                                 "011001011100111001011001101000100101"
                                              << 6 << 6;
        QTest::newRow("EAN-13 5901234123457") << EanUpcSymbology::EAN13 << "5901234123457"
                                              << "10100010110100111011001100100110111101001110101010110011011"
                                                 "011001000010101110010011101000100101"
                                              << 6 << 6;
        QTest::newRow("EAN-8 95012346")
            << EanUpcSymbology::EAN8 << "95012346"
            << "1010001011011000100011010011001010101101100100001010111001010000101" << 4 << 4;
        QTest::newRow("EAN-8 96385074")
            << EanUpcSymbology::EAN8 << "96385074"
            << "1010001011010111101111010110111010101001110111001010001001011100101" << 4 << 4;
        QTest::newRow("UPC-A 012345678905") << EanUpcSymbology::UPCA << "012345678905"
                                            << "1010001101001100100100110111101010001101100010101010100001000"
                                               "1001001000111010011100101001110101"
                                            << 6 << 6;
        QTest::newRow("UPC-A 614141000302") << EanUpcSymbology::UPCA << "614141000302"
                                            << "1010101111001100101000110011001010001100110010101011100101110"
                                               "0101110010100001011100101101100101"
                                            << 6 << 6;
        QTest::newRow("UPC-A 485963095124") << EanUpcSymbology::UPCA << "485963095124"
                                            << "1010100011011011101100010001011010111101111010101011100101110"
                                               "1001001110110011011011001011100101"
                                            << 6 << 6;
        QTest::newRow("UPC-E 00123457") << EanUpcSymbology::UPCE << "0123457"
                                        << "101010011100110010011011011110100111010110001010101" << 6 << 0;
        QTest::newRow("UPC-E 00783491") << EanUpcSymbology::UPCE << "0783491"
                                        << "101010011100100010110111010000101000110001011010101" << 6 << 0;
        QTest::newRow("UPC-E 05096893") << EanUpcSymbology::UPCE << "5096893"
                                        << "101011100101001110001011010111101101110010111010101" << 6 << 0;
        QTest::newRow("UPC-E 06543217 (six digits alone: 1)")
            << EanUpcSymbology::UPCE << "6543217"
            << "101000010101100010011101011110100110110011001010101" << 6 << 0;
    }
    void symbolCharactersAreTheBarsOfRealSymbols()
    {
        QFETCH(EanUpcSymbology, symbology);
        QFETCH(QString, code);
        QFETCH(QString, modules);
        QFETCH(int, leftCharacters);
        QFETCH(int, rightCharacters);

        const TPayload payload = EanUpcPayload(symbology, code.chopped(1));
        QCOMPARE(payload.Refusal, EanUpcRefusal::None);
        const QByteArray text = code.toLatin1() + '\0';
        QCOMPARE(payload.Bytes.mid(8, text.size()), text);
        const QByteArray symbols = payload.Bytes.sliced(8 + text.size());
        QCOMPARE(ToHex(symbols),
                 ToHex(SymbolBytesFromModules(modules, leftCharacters, rightCharacters) + '\x01'));
    }

    void ean13PayloadStartsWithSizesOfItsModuleWidth()
    {
        const TPayload payload = EanUpcPayload(EanUpcSymbology::EAN13, "012345678901", 100, 3);
        QCOMPARE(payload.Refusal, EanUpcRefusal::None);
        QCOMPARE(ToHex(payload.Bytes.first(22)),
                 ToHex(Hex("03 6400 7600 21 15 19") + "0123456789012" + '\0'));
        QCOMPARE(payload.Bytes.size(), 8 + 14 + SymbolByteCount + 1);
    }

    void ean8SymbolEndsWithFiveFillBytes()
    {
        const TPayload payload = EanUpcPayload(EanUpcSymbology::EAN8, "0123456");
        QCOMPARE(payload.Refusal, EanUpcRefusal::None);
        QCOMPARE(payload.Bytes.mid(8, 9), QByteArray("01234565") + '\0');
        QCOMPARE(ToHex(payload.Bytes.last(6)), ToHex(Hex("00 00 00 00 00 01")));
        QVERIFY(!payload.Bytes.sliced(17, 8).contains('\0'));
    }

    void sizesComeFromTheRowOfTheModuleWidth_data()
    {
        QTest::addColumn<EanUpcSymbology>("symbology");
        QTest::addColumn<int>("moduleWidth");
        QTest::addColumn<QByteArray>("sizes"); // for BarHeight 300
        QTest::newRow("EAN-13, 5: left zone 54")
            << EanUpcSymbology::EAN13 << 5 << Hex("05 2C01 4A01 36 23 2A");
        QTest::newRow("UPC-A, 5: zones 44") << EanUpcSymbology::UPCA << 5 << Hex("05 2C01 4A01 2C 2C 2A");
        QTest::newRow("UPC-E, 5: zones 45, 35") << EanUpcSymbology::UPCE << 5 << Hex("05 2C01 4A01 2D 23 2A");
        QTest::newRow("EAN-8, 5") << EanUpcSymbology::EAN8 << 5 << Hex("05 2C01 4501 23 23 25");
        QTest::newRow("EAN-8, 2") << EanUpcSymbology::EAN8 << 2 << Hex("02 2C01 3601 0E 0E 0F");
        QTest::newRow("UPC-E, 6") << EanUpcSymbology::UPCE << 6 << Hex("06 2C01 5001 36 2A 32");
        QTest::newRow("EAN-13, 4") << EanUpcSymbology::EAN13 << 4 << Hex("04 2C01 4401 2C 1C 21");
        QTest::newRow("UPC-A, 2") << EanUpcSymbology::UPCA << 2 << Hex("02 2C01 3801 12 12 11");
    }
    void sizesComeFromTheRowOfTheModuleWidth()
    {
        QFETCH(EanUpcSymbology, symbology);
        QFETCH(int, moduleWidth);
        QFETCH(QByteArray, sizes);
        const QString data = QString(DataDigitCount(symbology), u'1');
        const TPayload payload = EanUpcPayload(symbology, data, 300, moduleWidth);
        QCOMPARE(payload.Refusal, EanUpcRefusal::None);
        QCOMPARE(ToHex(payload.Bytes.first(8)), ToHex(sizes));
    }

    void heightsAreSentAsTheirLow16Bits()
    {
        const TPayload payload = EanUpcPayload(EanUpcSymbology::EAN13, "012345678901", 65530, 3);
        QCOMPARE(ToHex(payload.Bytes.first(5)), ToHex(Hex("03 FAFF 0C00")));
    }

    void refusesWhatCannotBeCoded_data()
    {
        QTest::addColumn<EanUpcSymbology>("symbology");
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("moduleWidth");
        QTest::addColumn<EanUpcRefusal>("refusal");
        QTest::newRow("module width 1")
            << EanUpcSymbology::EAN13 << "012345678901" << 1 << EanUpcRefusal::ModuleWidthOutOfRange;
        QTest::newRow("module width 7")
            << EanUpcSymbology::UPCE << "012345" << 7 << EanUpcRefusal::ModuleWidthOutOfRange;
        QTest::newRow("module width negative")
            << EanUpcSymbology::EAN8 << "0123456" << -3 << EanUpcRefusal::ModuleWidthOutOfRange;
        QTest::newRow("a letter") << EanUpcSymbology::EAN13 << "01234567890A" << 3
                                  << EanUpcRefusal::DataNotDigits;
        QTest::newRow("a space") << EanUpcSymbology::UPCA << "0123456789 0" << 3
                                 << EanUpcRefusal::DataNotDigits;
        QTest::newRow("other digits")
            << EanUpcSymbology::EAN8 << QString::fromUtf16(u"\u0660\u0661\u0662\u0663\u0664\u0665\u0666") << 3
            << EanUpcRefusal::DataNotDigits;
        QTest::newRow("one digit short")
            << EanUpcSymbology::EAN13 << "01234567890" << 3 << EanUpcRefusal::DataTooShort;
        QTest::newRow("empty") << EanUpcSymbology::UPCE << "" << 3 << EanUpcRefusal::DataTooShort;
    }
    void refusesWhatCannotBeCoded()
    {
        QFETCH(EanUpcSymbology, symbology);
        QFETCH(QString, data);
        QFETCH(int, moduleWidth);
        QFETCH(EanUpcRefusal, refusal);
        const TPayload payload = EanUpcPayload(symbology, data, 100, moduleWidth);
        QCOMPARE(payload.Refusal, refusal);
        QVERIFY(payload.Bytes.isEmpty());
    }

    // Extra digits are printed and enter the check digit; the bars use the listed positions.
    void longerDataIsSentWhole()
    {
        const QString data = "01234567890123";
        const TPayload payload = EanUpcPayload(EanUpcSymbology::EAN13, data);
        QCOMPARE(payload.Refusal, EanUpcRefusal::None);
        const QChar check = CheckDigit(data);
        QCOMPARE(payload.Bytes.mid(8, 16), (data + check).toLatin1() + '\0');
        const auto symbols = SymbolCharacters(EanUpcSymbology::EAN13, data.first(12), check);
        QCOMPARE(payload.Bytes.sliced(24, SymbolByteCount),
                 QByteArray(reinterpret_cast<const char*>(symbols.data()), SymbolByteCount));

        // A UPC-E symbol's check digit belongs to its six digits, whatever follows them.
        const TPayload upce = EanUpcPayload(EanUpcSymbology::UPCE, "65432199");
        QCOMPARE(upce.Bytes.mid(8, 10), QByteArray("654321997") + '\0');
    }

    void wideElementWidthRoundsHalvesToEven_data()
    {
        QTest::addColumn<int>("wideRatio");
        QTest::addColumn<int>("narrowWidth");
        QTest::addColumn<qint64>("wide");
        QTest::newRow("2.5 x 4 = 10") << 50 << 4 << qint64(10);
        QTest::newRow("2.25 x 2 = 4.5 -> 4") << 25 << 2 << qint64(4);
        QTest::newRow("2.75 x 2 = 5.5 -> 6") << 75 << 2 << qint64(6);
        QTest::newRow("2.5 x 3 = 7.5 -> 8") << 50 << 3 << qint64(8);
        QTest::newRow("2.1 x 5 = 10.5 -> 10") << 10 << 5 << qint64(10);
        QTest::newRow("2.51 x 3 = 7.53 -> 8") << 51 << 3 << qint64(8);
        QTest::newRow("2.49 x 3 = 7.47 -> 7") << 49 << 3 << qint64(7);
        QTest::newRow("-0.5 -> 0") << -250 << 1 << qint64(0);
        QTest::newRow("-1.5 -> -2") << -350 << 1 << qint64(-2);
        QTest::newRow("largest values") << std::numeric_limits<int>::max() << std::numeric_limits<int>::max()
                                        << qint64(46116864436291500);
    }
    void wideElementWidthRoundsHalvesToEven()
    {
        QFETCH(int, wideRatio);
        QFETCH(int, narrowWidth);
        QFETCH(qint64, wide);
        QCOMPARE(WideElementWidth(wideRatio, narrowWidth), wide);
    }
};

QTEST_APPLESS_MAIN(TestBarcodeSymbols)
#include "tst_barcodesymbols.moc"
