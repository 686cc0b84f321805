#include "images/TextItems.h"

#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/ItemPayload.h"

TextItem::TextItem() : TCoderImageItem(ItemTypeCode::Text, QStringLiteral("Text")) {}

void TextItem::ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version)
{
    TCoderImageItem::ReadFromFile(stream, version);
    Text = stream.ReadString();
    TextOption = stream.ReadByte();
    ExtraText = stream.ReadString();
    TextParameter = stream.ReadLongWord();
}

std::optional<TImageError> TextItem::WriteToMessage(TXLMessage& message, const TFontMap& fonts)
{
    if (auto error = ItemPayload::RefuseZeroBytes(
            {{QStringLiteral("Text"), Text}, {QStringLiteral("ExtraText"), ExtraText}}))
        return error;
    TCoderImageItem::WriteToMessage(message, fonts);
    message.WriteString(Text);
    message.WriteU8(TextOption);
    if (ExtraText.isEmpty()) {
        message.WriteU8(0);
        message.WriteU8(0);
    } else {
        message.WriteU8(0x20);
        message.WriteString(ExtraText);
    }
    message.WriteU8(ItemPayload::LowByte(TextParameter));
    return std::nullopt;
}

std::optional<TImageError> TextItem::ReadFromPrinter(TXLMessage& message, TItemTable& table, int number)
{
    TCoderImageItem::ReadFromPrinter(message, table, number);
    Text = ItemData.Text4;
    return std::nullopt;
}
