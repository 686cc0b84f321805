#include "images/ITFItems.h"

#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/ItemPayload.h"

using ItemPayload::WriteLE16;

ITF_Item::ITF_Item() : BarcodeItem(BarcodeKindCode::ITF, QStringLiteral("ITF")) {}

void ITF_Item::ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version)
{
    BarcodeItem::ReadFromFile(stream, version);
    ItfOptionA = stream.ReadByte();
    NarrowWidth = stream.ReadInteger();
    ItfValueA = stream.ReadInteger();
    ItfValueB = stream.ReadInteger();
    ItfOptionB = stream.ReadByte();
    ItfOptionC = TOptionC::FromByte(stream.ReadByte());
    WideRatio = stream.ReadInteger();
    Data = stream.ReadString();
}

std::optional<TImageError> ITF_Item::WriteToMessage(TXLMessage& message, const TFontMap& fonts)
{
    if (auto error = ItemPayload::RefuseLongCountedText(Data))
        return error;
    if (auto error = ItemPayload::RefuseZeroBytes({{QStringLiteral("Data"), Data}}))
        return error;
    BarcodeItem::WriteToMessage(message, fonts);
    message.WriteU8(ItfOptionB);
    message.WriteU8(ItfOptionA);
    message.WriteU8(ItfOptionC.ToByte());
    WriteLE16(message, ItfValueA);
    WriteLE16(message, BarcodeSymbols::WideElementWidth(WideRatio, NarrowWidth));
    WriteLE16(message, NarrowWidth);
    WriteLE16(message, ItfValueB);
    ItemPayload::WriteCountedString(message, Data);
    return std::nullopt;
}
