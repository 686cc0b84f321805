#include "preview/LabelPreview.h"

#include "comm/XLMessage.h"
#include "images/GraphicItems.h"
#include "images/ImageData.h"
#include "images/ImageDesignFile.h"
#include "images/MonochromePicture.h"
#include "preview/LabelLayout.h"
#include "preview/PreviewTexts.h"
#include "preview/SubstituteFont.h"

#include <QCoreApplication>
#include <QPainter>

#include <vector>

QString PreviewText(const char* text)
{
    return QCoreApplication::translate(PreviewTexts::Context, text);
}

QList<TReadBack> TLabelPreview::Findings() const
{
    QList<TReadBack> findings;
    for (const TReadBack& readBack : ReadBacks) {
        if (readBack.IsFinding())
            findings.append(readBack);
    }
    return findings;
}

const TReadBack* TLabelPreview::ReadBackOf(int itemNumber) const
{
    for (const TReadBack& readBack : ReadBacks) {
        if (readBack.ItemNumber == itemNumber)
            return &readBack;
    }
    return nullptr;
}

namespace {

constexpr uchar Black = 0;
constexpr uchar White = 255;
// Lighter than the threshold the read-back decodes with: a frame never reads as a bar.
constexpr int PlaceholderGrey = 150;

// A box without size still marks its corner.
TDotBox Covered(const TDotBox& box)
{
    return box.IsEmpty() ? TDotBox::Of(box.Left, box.Top, 1, 1) : box;
}

QRect InPicture(const TDotBox& box, const TDotBox& bounds)
{
    if (box.IsEmpty())
        return {};
    return {int(box.Left - bounds.Left), int(box.Top - bounds.Top), int(box.Width()), int(box.Height())};
}

void DrawGraphic(QImage& picture, QPoint at, const TMonochromePicture& graphic)
{
    const quint8* bits = graphic.Bits();
    qint64 bit = 0;
    for (int y = 0; y < graphic.Height(); ++y) {
        uchar* line = picture.scanLine(at.y() + y) + at.x();
        for (int x = 0; x < graphic.Width(); ++x, ++bit) {
            if (bits[bit >> 3] & (0x80 >> (bit & 7)))
                line[x] = Black;
        }
    }
}

void DrawSymbol(QImage& picture, QPoint at, const TLinearSymbol& symbol)
{
    const char* columns = symbol.Columns.constData();
    for (int y = 0; y < symbol.Height(); ++y) {
        uchar* line = picture.scanLine(at.y() + y) + at.x();
        const bool bars = y < symbol.BarHeight;
        const bool longBars = y < symbol.LongBarHeight;
        for (int x = 0; x < symbol.Width(); ++x) {
            if ((columns[x] == TLinearSymbol::Bar && bars) ||
                (columns[x] == TLinearSymbol::LongBar && longBars))
                line[x] = Black;
        }
    }
}

void DrawText(QImage& picture, const QRect& area, const TPlacedItem& placed)
{
    QPainter painter(&picture);
    painter.setPen(QColor(Qt::black));
    const QFont font = SubstituteFont::Of(placed.LineHeight);
    painter.setFont(font);
    const int ascent = QFontMetrics(font).ascent();
    for (int i = 0; i < placed.Lines.size(); ++i)
        painter.drawText(QPoint(area.left(), area.top() + i * placed.LineHeight + ascent),
                         placed.Lines.at(i));
}

// A dashed grey frame with the name of what the printer fills in, as large as the frame allows; a
// frame too small for a legible name stays empty (the legend names it).
void DrawPlaceholder(QImage& picture, const QRect& area, const QString& name)
{
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(PlaceholderGrey, PlaceholderGrey, PlaceholderGrey), 1, Qt::DashLine));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    if (name.isEmpty() || !SubstituteFont::Available())
        return;
    constexpr int SmallestLegible = 8; // dots
    int lineHeight = area.height() * 3 / 5;
    const int width = QFontMetrics(SubstituteFont::Of(lineHeight)).horizontalAdvance(name);
    if (width > area.width() - 4 && width > 0)
        lineHeight = int(qint64(lineHeight) * (area.width() - 4) / width);
    if (lineHeight < SmallestLegible)
        return;
    painter.setFont(SubstituteFont::Of(lineHeight));
    painter.setClipRect(area);
    painter.drawText(area, Qt::AlignCenter, name);
}

} // namespace

std::variant<TLabelPreview, QString> LabelPreview::Draw(const TImageDesignFile& image, const TFontMap& fonts,
                                                       const QMap<int, QString>& filledIn)
{
    const bool canDrawText = SubstituteFont::Available();
    std::vector<TPlacedItem> placed;
    TDotBox bounds = TDotBox::Of(0, 0, 1, 1); // the label's origin
    for (qsizetype i = 0; i < image.Items.Count(); ++i) {
        placed.push_back(
            LabelLayout::Place(int(i + 1), *image.Items.Item(i), fonts, canDrawText, filledIn.value(int(i + 1))));
        bounds = bounds.United(Covered(placed.back().Needs));
    }
    if (bounds.Width() > MaxSide || bounds.Height() > MaxSide || bounds.Width() * bounds.Height() > MaxPixels)
        return PreviewText(PreviewTexts::LabelTooLarge).arg(bounds.Width()).arg(bounds.Height());

    TLabelPreview preview;
    preview.ImageName = image.ImageName;
    preview.Origin = QPoint(int(-bounds.Left), int(-bounds.Top));
    preview.Picture = QImage(int(bounds.Width()), int(bounds.Height()), QImage::Format_Grayscale8);
    preview.Picture.fill(White);
    for (TPlacedItem& item : placed) {
        const QRect area = InPicture(item.Box, bounds);
        item.Entry.Area = area;
        if (item.Graphic)
            DrawGraphic(preview.Picture, area.topLeft(), item.Graphic->Picture);
        else if (item.Symbol)
            DrawSymbol(preview.Picture, area.topLeft(), *item.Symbol);
        else if (!item.Lines.isEmpty())
            DrawText(preview.Picture, area, item);
        else if (item.Entry.Rendering == TRendering::Placeholder)
            DrawPlaceholder(preview.Picture, area, item.PlaceholderName);
    }
    // Only once everything is drawn: an item over a barcode's bars or quiet zone spoils it.
    for (TPlacedItem& item : placed) {
        preview.Legend.append(item.Entry);
        if (!item.ReadBack)
            continue;
        if (item.Symbol) {
            item.ReadBack->Area = InPicture(item.Needs, bounds);
            BarcodeReadBack::Read(preview.Picture, item.ReadBack->Area, *item.Symbol, *item.ReadBack);
        }
        preview.ReadBacks.append(*item.ReadBack);
    }
    return preview;
}

std::variant<TLabelPreview, TPreviewRefusal> LabelPreview::FromFile(const QString& fileName,
                                                                    const TFontMap& fonts)
{
    TImageDownload download;
    std::optional<TImageError> error = download.Begin(fileName);
    if (!error) {
        auto built = download.Finish(fonts);
        if (auto* refusal = std::get_if<TImageError>(&built))
            error = *refusal;
    }
    if (error)
        return TPreviewRefusal{error, ImageErrorText(*error, fileName, download.ImageName())};
    auto drawn = Draw(download.Image(), fonts);
    if (auto* tooLarge = std::get_if<QString>(&drawn))
        return TPreviewRefusal{std::nullopt, *tooLarge};
    return std::get<TLabelPreview>(std::move(drawn));
}

std::optional<TUnreadableBarcode> LabelPreview::FirstUnreadableBarcode(const TImageDesignFile& image,
                                                                       const TFontMap& fonts)
{
    // A label without barcodes, the usual case, is not drawn at all.
    int firstBarcode = 0;
    for (qsizetype i = 0; i < image.Items.Count() && !firstBarcode; ++i) {
        if (image.Items.Item(i)->ItemType == ItemTypeCode::Barcode)
            firstBarcode = int(i + 1);
    }
    if (!firstBarcode)
        return std::nullopt;
    const auto drawn = Draw(image, fonts);
    if (const auto* tooLarge = std::get_if<QString>(&drawn))
        return TUnreadableBarcode{firstBarcode, *tooLarge};
    const QList<TReadBack> findings = std::get<TLabelPreview>(drawn).Findings();
    if (findings.isEmpty())
        return std::nullopt;
    return TUnreadableBarcode{findings.first().ItemNumber, findings.first().Reason};
}

QString LabelPreview::RenderingName(TRendering rendering)
{
    static constexpr const char* names[] = {PreviewTexts::Exact, PreviewTexts::Encoded,
                                            PreviewTexts::Substituted, PreviewTexts::Placeholder,
                                            PreviewTexts::NotDrawn};
    return PreviewText(names[int(rendering)]);
}
