#include "images/BarcodeSymbols.h"

#include "comm/XLMessage.h"
#include "images/ItemPayload.h"

namespace BarcodeSymbols {
namespace {

using TSizeTable = std::array<TSizeRow, MaxModuleWidth - MinModuleWidth + 1>;

// Rows for module widths 2 to 6. The quiet zones are 11/7 (EAN-13), 7/7 (EAN-8), 9/9 (UPC-A) and
// 9/7 (UPC-E) modules, except at module width 5, where EAN-13's left zone is 54 (not 55) and UPC-A's
// zones are 44 (not 45); the values are sent as they stand.
constexpr std::array<TSizeTable, 4> SizeTables{{
    // EAN-8
    {{{111, 10, 14, 14, 2, 15},
      {166, 15, 21, 21, 3, 22},
      {222, 20, 28, 28, 4, 29},
      {276, 25, 35, 35, 5, 37},
      {331, 30, 42, 42, 6, 44}}},
    // EAN-13
    {{{138, 12, 22, 14, 2, 17},
      {208, 18, 33, 21, 3, 25},
      {277, 24, 44, 28, 4, 33},
      {342, 30, 54, 35, 5, 42},
      {410, 36, 66, 42, 6, 50}}},
    // UPC-A
    {{{138, 12, 18, 18, 2, 17},
      {208, 18, 27, 27, 3, 25},
      {277, 24, 36, 36, 4, 33},
      {342, 30, 44, 44, 5, 42},
      {410, 36, 54, 54, 6, 50}}},
    // UPC-E
    {{{138, 12, 18, 14, 2, 17},
      {208, 18, 27, 21, 3, 25},
      {277, 24, 36, 28, 4, 33},
      {342, 30, 45, 35, 5, 42},
      {410, 36, 54, 42, 6, 50}}},
}};

// The EAN/UPC character sets for digits 0 to 9, leftmost module first, 1 = bar.
// Set A: left-hand odd parity ("L").
constexpr std::array<quint8, 10> PatternA{0b0001101, 0b0011001, 0b0010011, 0b0111101, 0b0100011,
                                          0b0110001, 0b0101111, 0b0111011, 0b0110111, 0b0001011};
// Set B: left-hand even parity ("G").
constexpr std::array<quint8, 10> PatternB{0b0100111, 0b0110011, 0b0011011, 0b0100001, 0b0011101,
                                          0b0111001, 0b0000101, 0b0010001, 0b0001001, 0b0010111};
// Set C: right-hand ("R").
constexpr std::array<quint8, 10> PatternC{0b1110010, 0b1100110, 0b1101100, 0b1000010, 0b1011100,
                                          0b1001110, 0b1010000, 0b1000100, 0b1001000, 0b1110100};

// EAN-13: the sets of digits 2 to 7, chosen by the first digit (which has no bars of its own).
constexpr std::array<const char*, 10> Ean13Parity{"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                                  "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
// UPC-E, number system 0: the sets of the six digits, chosen by the check digit (which has no bars).
constexpr std::array<const char*, 10> UpceParity{"BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",
                                                 "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB"};

int DigitValue(QChar digit)
{
    return digit.unicode() - '0';
}

quint8 LeftPattern(char set, int digit)
{
    return set == 'A' ? PatternA[digit] : PatternB[digit];
}

} // namespace

std::optional<TSizeRow> SizeTableRow(EanUpcSymbology symbology, qint32 moduleWidth)
{
    if (moduleWidth < MinModuleWidth || moduleWidth > MaxModuleWidth)
        return std::nullopt;
    return SizeTables[size_t(symbology)][size_t(moduleWidth - MinModuleWidth)];
}

int DataDigitCount(EanUpcSymbology symbology)
{
    switch (symbology) {
    case EanUpcSymbology::EAN8:
        return 7;
    case EanUpcSymbology::EAN13:
        return 12;
    case EanUpcSymbology::UPCA:
        return 11;
    case EanUpcSymbology::UPCE:
        return 6;
    }
    return 0;
}

bool IsDigitText(QStringView text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QChar CheckDigit(QStringView digits)
{
    int total = 0;
    int weight = 3; // the rightmost digit weighs 3, its left neighbour 1, and so on
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        total += weight * DigitValue(digits[i]);
        weight = 4 - weight;
    }
    return QChar(u'0' + (10 - total % 10) % 10);
}

QString ExpandUpce(QStringView d)
{
    // Manufacturer digits, the zeros that were suppressed, then the product digits.
    QString upca(u'0');
    switch (d[5].unicode()) {
    case u'0':
    case u'1':
    case u'2':
        upca.append(d.first(2)).append(d[5]).append(u"0000").append(d.sliced(2, 3));
        break;
    case u'3':
        upca.append(d.first(3)).append(u"00000").append(d.sliced(3, 2));
        break;
    case u'4':
        upca.append(d.first(4)).append(u"00000").append(d[4]);
        break;
    default:
        upca.append(d.first(5)).append(u"0000").append(d[5]);
        break;
    }
    return upca;
}

QChar SymbolCheckDigit(EanUpcSymbology symbology, QStringView data)
{
    if (symbology == EanUpcSymbology::UPCE)
        return CheckDigit(ExpandUpce(data.first(6)));
    return CheckDigit(data);
}

std::array<quint8, SymbolByteCount> SymbolCharacters(EanUpcSymbology symbology, QStringView data, QChar check)
{
    std::array<quint8, SymbolByteCount> bytes{}; // what is not written stays a 0x00 fill byte
    size_t next = 0;
    const auto d = [&](int position) { return DigitValue(data[position - 1]); }; // d(1) is the first digit
    const int c = DigitValue(check);

    switch (symbology) {
    case EanUpcSymbology::EAN13:
        bytes[next++] = PatternC[c];
        for (int k = 12; k >= 8; --k)
            bytes[next++] = PatternC[d(k)];
        for (int k = 7; k >= 2; --k)
            bytes[next++] = LeftPattern(Ean13Parity[d(1)][k - 2], d(k));
        break;
    case EanUpcSymbology::EAN8:
        bytes[next++] = PatternC[c];
        for (int k = 7; k >= 5; --k)
            bytes[next++] = PatternC[d(k)];
        for (int k = 4; k >= 1; --k)
            bytes[next++] = PatternA[d(k)];
        break;
    case EanUpcSymbology::UPCA:
        bytes[next++] = PatternC[c];
        for (int k = 11; k >= 7; --k)
            bytes[next++] = PatternC[d(k)];
        for (int k = 6; k >= 1; --k)
            bytes[next++] = PatternA[d(k)];
        break;
    case EanUpcSymbology::UPCE:
        for (int k = 6; k >= 1; --k)
            bytes[next++] = LeftPattern(UpceParity[c][k - 1], d(k));
        break;
    }
    return bytes;
}

QString HumanReadableText(EanUpcSymbology symbology, QStringView data)
{
    return data.toString() + SymbolCheckDigit(symbology, data);
}

EanUpcRefusal WriteEanUpcPayload(TXLMessage& message, EanUpcSymbology symbology, QStringView data,
                                 qint32 barHeight, qint32 moduleWidth)
{
    const std::optional<TSizeRow> row = SizeTableRow(symbology, moduleWidth);
    if (!row)
        return EanUpcRefusal::ModuleWidthOutOfRange;
    if (!IsDigitText(data))
        return EanUpcRefusal::DataNotDigits;
    if (data.size() < DataDigitCount(symbology))
        return EanUpcRefusal::DataTooShort;

    const QString text = HumanReadableText(symbology, data);
    const QChar check = text.back();
    message.WriteU8(quint8(moduleWidth));
    ItemPayload::WriteLE16(message, barHeight);
    ItemPayload::WriteLE16(message, qint64(barHeight) + row->GuardExtension);
    message.WriteU8(row->LeftQuietZone);
    message.WriteU8(row->RightQuietZone);
    message.WriteU8(row->TextValue);
    message.WriteString(text);
    const auto symbols = SymbolCharacters(symbology, data, check);
    message.WriteBytes(
        QByteArrayView(reinterpret_cast<const char*>(symbols.data()), qsizetype(symbols.size())));
    message.WriteU8(0x01);
    return EanUpcRefusal::None;
}

qint64 WideElementWidth(qint32 wideRatio, qint32 narrowWidth)
{
    const qint64 hundredths = (qint64(wideRatio) + 200) * narrowWidth;
    qint64 whole = hundredths / 100;
    qint64 rest = hundredths % 100;
    if (rest < 0) { // floor, so that rest is the distance above whole
        rest += 100;
        --whole;
    }
    if (rest > 50 || (rest == 50 && whole % 2 != 0))
        ++whole;
    return whole;
}

} // namespace BarcodeSymbols
