#include "images/TimeItems.h"

#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/ItemPayload.h"

TimeItem::TimeItem() : TCoderImageItem(ItemTypeCode::Time, QStringLiteral("Time")) {}

void TimeItem::ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version)
{
    TCoderImageItem::ReadFromFile(stream, version);
    FormatText = stream.ReadString();
    TimeFormat = stream.ReadByte();
    TimeOption = stream.ReadInteger();
    Separator = stream.ReadChar();
}

std::optional<TImageError> TimeItem::WriteToMessage(TXLMessage& message, const TFontMap& fonts)
{
    TCoderImageItem::WriteToMessage(message, fonts);
    message.WriteU8(TimeFormat);
    message.WriteU8(quint8(Separator));
    message.WriteU8(ItemPayload::LowByte(TimeOption));
    return std::nullopt;
}
