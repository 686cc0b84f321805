#include "preview/BarcodeReadBack.h"

#include "preview/LinearSymbol.h"
#include "preview/PreviewTexts.h"
#include "preview/ZXingFormat.h"

#include <ZXing/ReadBarcode.h>

#include <QImage>

namespace {

// Data as a person can read it: the group separator of GS1 data made visible.
QString Shown(const QString& data)
{
    QString shown = data;
    return shown.replace(QChar(0x1D), QLatin1String("<GS>"));
}

QString ErrorReason(const ZXing::Error& error)
{
    QString reason = error.type() == ZXing::Error::Checksum ? PreviewText(PreviewTexts::ChecksumError)
                                                            : PreviewText(PreviewTexts::FormatError);
    if (!error.msg().empty())
        reason += QLatin1String(": ") + QString::fromStdString(error.msg());
    return reason;
}

} // namespace

void BarcodeReadBack::Read(const QImage& picture, const QRect& area, const TLinearSymbol& symbol,
                           TReadBack& readBack)
{
    readBack.Expected = Shown(symbol.Expected);
    readBack.Read.clear();
    const QRect region = area.intersected(picture.rect());
    // The picture is black on white: a fixed threshold reads it as drawn, and upright.
    const ZXing::DecodeHints hints = ZXing::DecodeHints()
                                         .setFormats(ZXingFormatOf(symbol.Symbology))
                                         .setBinarizer(ZXing::Binarizer::FixedThreshold)
                                         .setTryRotate(false)
                                         .setTryDownscale(false)
                                         .setTryCode39ExtendedMode(symbol.ExtendedCode39)
                                         .setReturnErrors(true)
                                         .setMaxNumberOfSymbols(1);
    ZXing::Result result;
    if (!region.isEmpty()) {
        const ZXing::ImageView view(picture.constScanLine(region.top()) + region.left(), region.width(),
                                    region.height(), ZXing::ImageFormat::Lum, int(picture.bytesPerLine()));
        result = ZXing::ReadBarcode(view, hints);
    }

    if (result.format() == ZXing::BarcodeFormat::None) {
        readBack.Result = TReadBackResult::Unreadable;
        readBack.Reason = PreviewText(PreviewTexts::NoBarcodeFound);
        return;
    }
    if (result.error()) {
        readBack.Result = TReadBackResult::Unreadable;
        readBack.Reason = ErrorReason(result.error());
        return;
    }
    const QString read = QString::fromStdString(result.text());
    readBack.Read = Shown(read);
    // GS1 data is GS1 data only behind an FNC1 in first position.
    const bool isGs1 = result.symbologyIdentifier() == "]C1";
    if (read != symbol.Expected) {
        readBack.Result = TReadBackResult::ReadsOther;
        readBack.Reason = PreviewText(PreviewTexts::ReadsOther).arg(readBack.Read);
    } else if (symbol.Symbology == TSymbology::GS1_128 && !isGs1) {
        readBack.Result = TReadBackResult::ReadsOther;
        readBack.Reason = PreviewText(PreviewTexts::NotGs1);
    } else {
        readBack.Result = TReadBackResult::ReadsBack;
        readBack.Reason.clear();
    }
}

QString BarcodeReadBack::ResultName(TReadBackResult result)
{
    static constexpr const char* names[] = {
        QT_TRANSLATE_NOOP("TLabelPreview", "reads back"),
        QT_TRANSLATE_NOOP("TLabelPreview", "reads other data"),
        QT_TRANSLATE_NOOP("TLabelPreview", "does not read back"),
        QT_TRANSLATE_NOOP("TLabelPreview", "not drawn"),
    };
    return PreviewText(names[int(result)]);
}
