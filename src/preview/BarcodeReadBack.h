#pragma once

#include <QRect>
#include <QString>

class QImage;
struct TLinearSymbol;

enum class TReadBackResult
{
    ReadsBack,  // a scanner reads the item's data, check digit included
    ReadsOther, // a scanner reads other data
    Unreadable, // a scanner reads nothing
    NotDrawn,   // the barcode cannot be drawn from its data
};

// What a scanner makes of one barcode item of a label.
struct TReadBack
{
    int ItemNumber = 0; // from 1, in file order
    QString TypeName;   // the item's type, as the item table shows it
    QString Expected;   // the data it must read, with its check digit; a GS character shows as <GS>
    QString Read;       // what it read, shown alike; empty when it read nothing
    TReadBackResult Result = TReadBackResult::Unreadable;
    QString Reason; // why it is a finding, in the station's words; empty when it reads back
    QRect Area;     // the symbol with its quiet zones, in picture pixels; empty when not drawn

    bool IsFinding() const { return Result != TReadBackResult::ReadsBack; }
};

namespace BarcodeReadBack {

// Decodes the area of the picture (8-bit grey) that holds the symbol and its quiet zones with
// ZXing-C++'s reader, for the symbol's own symbology, and compares what it reads with the data.
// Sets Expected, Read, Result and Reason of readBack.
void Read(const QImage& picture, const QRect& area, const TLinearSymbol& symbol, TReadBack& readBack);

// The name of a result, in the station's words.
QString ResultName(TReadBackResult result);

} // namespace BarcodeReadBack
