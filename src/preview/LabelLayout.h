#pragma once

#include "preview/LabelPreview.h"
#include "preview/LinearSymbol.h"

#include <QStringList>

#include <optional>

class GraphicItem;
class TCoderImageItem;
class TFontMap;

// A rectangle in printer dots, wide enough for any position and size a design file holds. Right and
// Bottom are exclusive.
struct TDotBox
{
    qint64 Left = 0;
    qint64 Top = 0;
    qint64 Right = 0;
    qint64 Bottom = 0;

    static TDotBox Of(qint64 x, qint64 y, qint64 width, qint64 height)
    {
        return {x, y, x + width, y + height};
    }
    qint64 Width() const { return Right - Left; }
    qint64 Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    TDotBox United(const TDotBox& other) const;
    TDotBox Grown(qint64 left, qint64 top, qint64 right, qint64 bottom) const
    {
        return {Left - left, Top - top, Right + right, Bottom + bottom};
    }
};

// An item laid out for drawing: where it goes, what it needs around it and what draws it.
struct TPlacedItem
{
    TLegendEntry Entry;
    TDotBox Box;   // what it covers
    TDotBox Needs; // Box with the white a barcode needs around it
    const GraphicItem* Graphic = nullptr;
    std::optional<TLinearSymbol> Symbol;
    std::optional<TReadBack> ReadBack; // barcodes
    QStringList Lines;                 // a text's lines, drawn in the substitute font
    int LineHeight = 0;
    QString PlaceholderName; // the frame's name for what the printer fills in
};

namespace LabelLayout {

// Dots a text item or placeholder is high when its item gives no height.
inline constexpr int DefaultTextHeight = 24;

// Where the item goes and how it is drawn; number is its position in the image, from 1. Without
// canDrawText texts are framed as placeholders. A value the printer filled in names the frame of an
// item the printer fills in.
TPlacedItem Place(int number, TCoderImageItem& item, const TFontMap& fonts, bool canDrawText,
                  const QString& filledIn = {});

} // namespace LabelLayout
