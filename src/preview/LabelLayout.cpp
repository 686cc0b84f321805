#include "preview/LabelLayout.h"

#include "images/BarcodeItems.h"
#include "images/GraphicItems.h"
#include "images/MemoItems.h"
#include "images/NumberItems.h"
#include "images/TextItems.h"
#include "preview/PreviewTexts.h"
#include "preview/SubstituteFont.h"

#include <QFontMetrics>
#include <QRegularExpression>

#include <algorithm>

TDotBox TDotBox::United(const TDotBox& other) const
{
    return {std::min(Left, other.Left), std::min(Top, other.Top), std::max(Right, other.Right),
            std::max(Bottom, other.Bottom)};
}

namespace {

// The height of an item that has none of its own.
qint64 HeightOr(qint32 height, qint64 otherwise)
{
    return height > 0 ? height : otherwise;
}

void PlaceGraphic(TPlacedItem& placed, const GraphicItem& graphic)
{
    placed.Graphic = &graphic;
    placed.Box = TDotBox::Of(graphic.X, graphic.Y, graphic.Picture.Width(), graphic.Picture.Height());
    placed.Entry.Rendering = TRendering::Exact;
    placed.Entry.Content =
        QStringLiteral("%1 x %2").arg(graphic.Picture.Width()).arg(graphic.Picture.Height());
    placed.Entry.Note = PreviewText(PreviewTexts::GraphicNote);
}

void PlaceBarcode(TPlacedItem& placed, BarcodeItem& barcode, const TFontMap& fonts)
{
    TReadBack readBack;
    readBack.ItemNumber = placed.Entry.ItemNumber;
    readBack.TypeName = barcode.TypeName;
    auto symbol = LinearSymbols::Of(barcode, fonts);
    if (auto* reason = std::get_if<QString>(&symbol)) {
        placed.Box = TDotBox::Of(barcode.X, barcode.Y, 0, 0);
        placed.Entry.Rendering = TRendering::NotDrawn;
        placed.Entry.Content = LinearSymbols::DataOf(barcode);
        placed.Entry.Note = *reason;
        readBack.Expected = placed.Entry.Content;
        readBack.Result = TReadBackResult::NotDrawn;
        readBack.Reason = *reason;
    } else {
        const TLinearSymbol& drawn = std::get<TLinearSymbol>(symbol);
        placed.Box = TDotBox::Of(barcode.X, barcode.Y, drawn.Width(), drawn.Height());
        placed.Needs =
            placed.Box.Grown(drawn.QuietLeft, drawn.QuietAbove(), drawn.QuietRight, drawn.QuietAbove());
        placed.Entry.Rendering = drawn.FromStationModules ? TRendering::Exact : TRendering::Encoded;
        placed.Entry.Content = drawn.Shown;
        placed.Entry.Note =
            PreviewText(drawn.FromStationModules ? PreviewTexts::StationBarsNote : PreviewTexts::EncodedNote);
        placed.Symbol = drawn;
    }
    placed.ReadBack = readBack;
}

// A frame as high as the item (or a text line) and as wide as characters of that height.
void PlacePlaceholder(TPlacedItem& placed, const TCoderImageItem& item, const QString& name, int characters,
                      const char* note)
{
    const qint64 height = HeightOr(item.Height, LabelLayout::DefaultTextHeight);
    const qint64 width = item.Width > 0 ? item.Width : std::max<qint64>(1, height * characters * 3 / 5);
    placed.Box = TDotBox::Of(item.X, item.Y, width, height);
    placed.PlaceholderName = name;
    placed.Entry.Rendering = TRendering::Placeholder;
    placed.Entry.Note = PreviewText(note);
}

// Each line as high as the item's height allows, in a substitute font that fits that height.
void PlaceText(TPlacedItem& placed, const TCoderImageItem& item, const QString& text, bool canDrawText)
{
    placed.Entry.Content = text;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(lineBreak);
    const qint64 lineHeight = std::clamp<qint64>(
        HeightOr(item.Height, LabelLayout::DefaultTextHeight * lines.size()) / lines.size(), 1,
        LabelPreview::MaxSide);
    if (!canDrawText) {
        const auto longest =
            std::max_element(lines.begin(), lines.end(),
                             [](const QString& a, const QString& b) { return a.size() < b.size(); });
        PlacePlaceholder(placed, item, QString(), int(std::max<qsizetype>(1, longest->size())),
                         PreviewTexts::NoFontNote);
        return;
    }
    placed.Lines = lines;
    placed.LineHeight = int(lineHeight);
    const QFontMetrics metrics(SubstituteFont::Of(placed.LineHeight));
    qint64 width = 0;
    for (const QString& line : lines)
        width = std::max<qint64>(width, metrics.horizontalAdvance(line));
    placed.Box = TDotBox::Of(item.X, item.Y, std::max<qint64>(item.Width, width),
                             std::max<qint64>(item.Height, lineHeight * lines.size()));
    placed.Entry.Rendering = TRendering::Substituted;
    placed.Entry.Note = PreviewText(PreviewTexts::SubstituteFontNote);
}

} // namespace

TPlacedItem LabelLayout::Place(int number, TCoderImageItem& item, const TFontMap& fonts, bool canDrawText,
                               const QString& filledIn)
{
    TPlacedItem placed;
    placed.Entry.ItemNumber = number;
    placed.Entry.TypeName = item.TypeName;
    placed.Entry.X = item.X;
    placed.Entry.Y = item.Y;
    if (auto* graphic = dynamic_cast<const GraphicItem*>(&item)) {
        PlaceGraphic(placed, *graphic);
    } else if (auto* barcode = dynamic_cast<BarcodeItem*>(&item)) {
        PlaceBarcode(placed, *barcode, fonts);
    } else if (auto* text = dynamic_cast<const TextItem*>(&item)) {
        PlaceText(placed, item, text->Text, canDrawText);
    } else if (auto* memo = dynamic_cast<const MemoItem*>(&item)) {
        PlaceText(placed, item, memo->Text, canDrawText);
    } else {
        // Date, time, shift and counter: the printer composes them when it prints.
        struct TFilledIn
        {
            qint32 Type;
            const char* Name;
            int Characters;
        };
        static constexpr TFilledIn kinds[] = {{ItemTypeCode::Date, PreviewTexts::DatePlaceholder, 8},
                                                 {ItemTypeCode::Time, PreviewTexts::TimePlaceholder, 5},
                                                 {ItemTypeCode::Shiftcode, PreviewTexts::ShiftPlaceholder, 1},
                                                 {ItemTypeCode::Number, PreviewTexts::CounterPlaceholder, 6}};
        const auto* kind = std::find_if(std::begin(kinds), std::end(kinds),
                                        [&item](const TFilledIn& f) { return f.Type == item.ItemType; });
        const char* name = kind != std::end(kinds) ? kind->Name : PreviewTexts::CounterPlaceholder;
        int characters = kind != std::end(kinds) ? kind->Characters : 6;
        if (auto* counter = dynamic_cast<const NumberItem*>(&item))
            characters = int(std::max<qsizetype>(1, counter->EndValue.size()));
        if (!filledIn.isEmpty())
            characters = int(std::max<qsizetype>(characters, filledIn.size()));
        PlacePlaceholder(placed, item, filledIn.isEmpty() ? PreviewText(name) : filledIn, characters,
                         PreviewTexts::PrinterFillsInNote);
        placed.Entry.Content = placed.PlaceholderName;
    }
    if (placed.Needs.IsEmpty())
        placed.Needs = placed.Box;
    return placed;
}
