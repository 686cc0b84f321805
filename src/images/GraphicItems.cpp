#include "images/GraphicItems.h"

#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/PictureRunCoder.h"

GraphicItem::GraphicItem() : TCoderImageItem(ItemTypeCode::Graphic, QStringLiteral("Graphic")) {}

void GraphicItem::ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version)
{
    TCoderImageItem::ReadFromFile(stream, version);
    Picture = TMonochromePicture();
    if (Width < 0 || Height < 0) {
        stream.MarkDamaged();
        return;
    }
    // The bytes are taken from the file before the picture is made, so a size the file cannot
    // back allocates nothing.
    const QByteArrayView bits = stream.ReadBytes(TMonochromePicture::FileByteCount(Width, Height));
    if (std::optional<TMonochromePicture> picture = TMonochromePicture::FromPacked(Width, Height, bits))
        Picture = std::move(*picture);
}

std::optional<TImageError> GraphicItem::WriteToMessage(TXLMessage& message, const TFontMap& fonts)
{
    // The rows are coded aside first, so a refused picture leaves the message untouched.
    TXLMessage payload;
    if (PictureRunCoder::WritePayload(payload, Picture) != PictureRunCoder::PictureRefusal::None) {
        TImageError error;
        error.Kind = TImageErrorKind::PictureTooLarge;
        error.Field = QStringLiteral("Picture");
        error.Value = QStringLiteral("%1 X %2").arg(Picture.Width()).arg(Picture.Height());
        return error;
    }
    TCoderImageItem::WriteToMessage(message, fonts);
    message.WriteBytes(payload.Body());
    return std::nullopt;
}
