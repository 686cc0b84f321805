#pragma once

#include "images/ImageError.h"
#include "preview/BarcodeReadBack.h"
#include "station/TransferBatch.h"

#include <QImage>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>
#include <variant>

class TFontMap;
class TImageDesignFile;

// How the preview draws an item.
enum class TRendering
{
    Exact,       // as the printer places it: graphics, and the bars of EAN/UPC symbols
    Encoded,     // a barcode the printer encodes itself, encoded here from the same data
    Substituted, // a text in a substitute font
    Placeholder, // a frame naming what the printer fills in: date, time, shift, counter
    NotDrawn,    // a barcode that cannot be drawn from its data; its read-back says why
};

// One line of the legend.
struct TLegendEntry
{
    int ItemNumber = 0; // from 1, in file order
    QString TypeName;   // as the item table shows it: "Text", "EAN13", "Date" ...
    qint32 X = 0;       // the item's position in printer dots
    qint32 Y = 0;
    QRect Area; // what it covers in the picture; empty when it is not drawn
    TRendering Rendering = TRendering::Exact;
    QString Content; // its text, its barcode's data, or what the printer fills in
    QString Note;    // how it is drawn, in the station's words
};

// A label image drawn as the printer will place it, one pixel per printer dot, with every barcode
// read back by an independent decoder.
struct TLabelPreview
{
    QString ImageName;
    QImage Picture; // 8-bit grey: the printer's marks black on white, placeholders grey
    QPoint Origin;  // the pixel of the label's dot (0, 0); the picture reaches further left and up
                    // where an item, or the quiet zone of a barcode, does
    QList<TLegendEntry> Legend; // one entry per item, in file order
    QList<TReadBack> ReadBacks; // one per barcode item, in file order

    // The barcodes that do not read back as their data.
    QList<TReadBack> Findings() const;
    // The read-back of the barcode item with that number; null for an item that is no barcode.
    const TReadBack* ReadBackOf(int itemNumber) const;
};

// Why a file cannot be previewed.
struct TPreviewRefusal
{
    std::optional<TImageError> Error; // the transfer's refusal; none for a label too large to draw
    QString Text;                     // the station's message
};

namespace LabelPreview {

// The largest picture drawn.
inline constexpr int MaxSide = 16384;
inline constexpr qint64 MaxPixels = qint64(64) << 20;

// Reads the file as a transfer reads it and draws it: a file the station would refuse is refused
// with the station's message.
std::variant<TLabelPreview, TPreviewRefusal> FromFile(const QString& fileName, const TFontMap& fonts);

// Draws an image whose file has been read and whose message has been built, and reads its barcodes
// back; otherwise the station's message why the label is too large to draw. Texts need a
// QGuiApplication; without one they are framed like the values the printer fills in. A value the
// printer has filled in (a date, a time, a shift, a counter, as a printer describes it), given by
// item number, is shown in its item's frame instead of what the frame stands for.
std::variant<TLabelPreview, QString> Draw(const TImageDesignFile& image, const TFontMap& fonts,
                                          const QMap<int, QString>& filledIn = {});

// The check of TTransferBatch::SetBarcodeCheck: the first barcode of the image that does not read
// back. A label too large to draw has its first barcode reported, as it cannot be checked.
std::optional<TUnreadableBarcode> FirstUnreadableBarcode(const TImageDesignFile& image,
                                                         const TFontMap& fonts);

// The name of a rendering, in the station's words.
QString RenderingName(TRendering rendering);

} // namespace LabelPreview
