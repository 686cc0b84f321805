#pragma once

#include "images/BarcodeSymbols.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <variant>

class BarcodeItem;
class TFontMap;

// The symbologies a label's barcodes are read back as.
enum class TSymbology
{
    EAN8,
    EAN13,
    UPCA,
    UPCE,
    Code128,
    GS1_128, // Code 128 with FNC1 first and GS1 element strings
    Code39,
    ITF,
};

// A barcode as the printer places it, in printer dots: its bars column by column, how high they are
// and the white it needs beside it, with what a scanner must read from it.
struct TLinearSymbol
{
    enum TColumn : char
    {
        Space = 0,
        Bar = 1,
        LongBar = 2, // an EAN/UPC guard bar, LongBarHeight high
    };

    TSymbology Symbology = TSymbology::Code128;
    QByteArray Columns; // one TColumn per dot column, from the first bar to the last
    int BarHeight = 0;
    int LongBarHeight = 0;
    int Module = 1;                  // the module, or narrow element, width
    int QuietLeft = 0;               // white dots needed left of the first bar
    int QuietRight = 0;              // and right of the last
    bool FromStationModules = false; // the bars of the symbol characters the station sends
    bool ExtendedCode39 = false;     // Code 39 data beyond the 43 characters of the basic set
    QString Expected;                // what a scanner reads: the data with its check digit; GS1 element
                                     // strings with a GS character after each variable-length one
    QString Shown;                   // the data as a person reads it, GS1 element strings as "(01)..."

    int Width() const { return int(Columns.size()); }
    int Height() const { return std::max(BarHeight, LongBarHeight); }
    int QuietAbove() const { return QuietModules * Module; } // and below

    static constexpr int QuietModules = 10; // at least this many modules of white on every side
};

namespace LinearSymbols {

// The widest symbol drawn, in dots.
inline constexpr qint64 MaxWidth = 16384;

// The symbol of a barcode item of an image that the station builds (WriteToMessage succeeds), with
// the sizes the printer receives. EAN/UPC bars come from the very symbol characters the station
// sends; the printer encodes Code 128, GS1-128, Code 39 and ITF itself from their data, so these
// are encoded here by ZXing-C++'s writers. Otherwise the reason it cannot be drawn.
std::variant<TLinearSymbol, QString> Of(BarcodeItem& item, const TFontMap& fonts);

// The data of a barcode item as a person reads it, GS1 element strings as "(01)...".
QString DataOf(const BarcodeItem& item);

// The modules of an EAN/UPC symbol from its symbol characters as the station sends them (from the
// right end of the symbol to the left), with the guard patterns: 95 (EAN-13, UPC-A), 67 (EAN-8) or
// 51 (UPC-E) TColumn values.
QByteArray EanUpcModules(BarcodeSymbols::EanUpcSymbology symbology,
                         const std::array<quint8, BarcodeSymbols::SymbolByteCount>& symbolCharacters);

// GS1 element strings whose length the application identifier fixes need no separator after them.
bool HasPredefinedLength(QStringView applicationIdentifier);

} // namespace LinearSymbols
