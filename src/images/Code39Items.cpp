#include "images/Code39Items.h"

#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/ItemPayload.h"

Code39_Item::Code39_Item() : BarcodeItem(BarcodeKindCode::Code39, QStringLiteral("Code 39")) {}

void Code39_Item::ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version)
{
    BarcodeItem::ReadFromFile(stream, version);
    Data = stream.ReadString();
    BarHeight = stream.ReadInteger();
    NarrowWidth = stream.ReadInteger();
    Code39Option = stream.ReadByte();
    WideRatio = stream.ReadInteger();
}

std::optional<TImageError> Code39_Item::WriteToMessage(TXLMessage& message, const TFontMap& fonts)
{
    if (auto error = ItemPayload::RefuseLongCountedText(Data))
        return error;
    if (auto error = ItemPayload::RefuseZeroBytes({{QStringLiteral("Data"), Data}}))
        return error;
    BarcodeItem::WriteToMessage(message, fonts);
    ItemPayload::WriteLE16(message, NarrowWidth);
    ItemPayload::WriteLE16(message, BarcodeSymbols::WideElementWidth(WideRatio, NarrowWidth));
    ItemPayload::WriteLE16(message, BarHeight);
    message.WriteU8(Code39Option);
    message.WriteU32(0);
    ItemPayload::WriteCountedString(message, Data);
    return std::nullopt;
}
