#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <array>
#include <optional>

class TXLMessage;

// What the station computes for the EAN/UPC family (the printer draws the bars from the pattern
// bytes), and the wide element width of Code 39 and ITF.
namespace BarcodeSymbols {

// The four EAN/UPC symbologies, numbered as their BarcodeKind.
enum class EanUpcSymbology : quint8
{
    EAN8 = 0,
    EAN13 = 1,
    UPCA = 2,
    UPCE = 3,
};

// One SizeTable row, in printer dots.
struct TSizeRow
{
    quint16 NominalHeight;
    quint8 GuardExtension; // added to BarHeight for the long (guard) bars
    quint8 LeftQuietZone;
    quint8 RightQuietZone;
    quint8 Module;
    quint8 TextValue;
};

inline constexpr int MinModuleWidth = 2;
inline constexpr int MaxModuleWidth = 6;
inline constexpr int SymbolByteCount = 13; // symbol characters plus fill bytes, before the closing 0x01

// The SizeTable row of a module width; none outside MinModuleWidth..MaxModuleWidth.
std::optional<TSizeRow> SizeTableRow(EanUpcSymbology symbology, qint32 moduleWidth);

// Digits the symbology encodes, without the check digit: 7, 12, 11 or 6.
int DataDigitCount(EanUpcSymbology symbology);

// True when text holds only the characters '0' to '9' (other Unicode digits do not count).
bool IsDigitText(QStringView text);

// GS1 modulo 10 over the digits as given, the rightmost digit weighted 3. digits must be IsDigitText.
QChar CheckDigit(QStringView digits);

// The UPC-A number (number system 0, eleven digits, no check digit) that six UPC-E digits stand
// for; the sixth digit chooses how the zeros were suppressed.
QString ExpandUpce(QStringView sixDigits);

// The check digit a symbol carries. For UPC-E it is that of the expanded UPC-A number of the first
// six digits, as scanners verify it; for the others CheckDigit of all of data.
// data must be IsDigitText and hold at least DataDigitCount digits.
QChar SymbolCheckDigit(EanUpcSymbology symbology, QStringView data);
// The text under the bars, which the printer also reports as the item's value: data and its
// SymbolCheckDigit. data must be IsDigitText and hold at least DataDigitCount digits.
QString HumanReadableText(EanUpcSymbology symbology, QStringView data);

// The symbol characters from the right end of the symbol to the left, each a 7-module pattern in
// the low bits (leftmost module in bit 6, 1 = bar), followed by 0x00 fill bytes. data as above.
std::array<quint8, SymbolByteCount> SymbolCharacters(EanUpcSymbology symbology, QStringView data,
                                                     QChar check);

// Why an EAN/UPC barcode cannot be coded.
enum class EanUpcRefusal
{
    None,
    ModuleWidthOutOfRange, // no SizeTable row: outside 2 to 6
    DataNotDigits,         // a character other than '0' to '9'
    DataTooShort,          // fewer digits than the symbology encodes
};

// Writes what follows BarcodeKind in an EAN/UPC item: module width, bar height, guard bar height,
// quiet zones and text value, the human-readable digits with their check digit, the symbol
// characters and 0x01. Digits beyond those the symbology encodes are sent in the text and enter the
// check digit (not for UPC-E, whose check digit belongs to its six digits). On a refusal nothing is
// written.
EanUpcRefusal WriteEanUpcPayload(TXLMessage& message, EanUpcSymbology symbology, QStringView data,
                                 qint32 barHeight, qint32 moduleWidth);

// Wide element width of Code 39 and ITF: (wideRatio + 200) * narrowWidth / 100, rounded to the
// nearest integer with halves to the even neighbour. wideRatio is the wide-to-narrow ratio minus 2,
// in hundredths.
qint64 WideElementWidth(qint32 wideRatio, qint32 narrowWidth);

} // namespace BarcodeSymbols
