#include "images/Code128Items.h"

#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/ItemPayload.h"

CODE128_Item::CODE128_Item() : BarcodeItem(BarcodeKindCode::CODE128, QStringLiteral("CODE128")) {}

void CODE128_Item::ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version)
{
    BarcodeItem::ReadFromFile(stream, version);
    Data = stream.ReadString();
    BarHeight = stream.ReadInteger();
    ModuleWidth = stream.ReadInteger();
}

std::optional<TImageError> CODE128_Item::WriteToMessage(TXLMessage& message, const TFontMap& fonts)
{
    if (auto error = ItemPayload::RefuseZeroBytes({{QStringLiteral("Data"), Data}}))
        return error;
    BarcodeItem::WriteToMessage(message, fonts);
    message.WriteU8(ItemPayload::LowByte(ModuleWidth));
    ItemPayload::WriteLE16(message, BarHeight);
    message.WriteBytes(QByteArrayView("\x00\x01\x01\x00", 4));
    // Two texts the station always leaves empty, then the data.
    message.WriteString(QString());
    message.WriteString(QString());
    message.WriteString(Data);
    return std::nullopt;
}
