#include "images/MemoItems.h"

#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/ItemPayload.h"
#include "images/ItemTable.h"

namespace {
constexpr quint8 LineRecordMark = 30;
}

MemoItem::MemoItem() : TCoderImageItem(ItemTypeCode::Memo, QStringLiteral("Multiline")) {}

void MemoItem::ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version)
{
    TCoderImageItem::ReadFromFile(stream, version);
    MemoValueA = stream.ReadInteger();
    MemoValueB = stream.ReadInteger();
    MemoOption = stream.ReadInteger();
    Text = stream.ReadString();
}

std::optional<TImageError> MemoItem::WriteToMessage(TXLMessage& message, const TFontMap& fonts)
{
    TCoderImageItem::WriteToMessage(message, fonts);
    ItemPayload::WriteLE16(message, MemoValueA);
    ItemPayload::WriteLE16(message, MemoValueB);
    message.WriteU8(ItemPayload::LowByte(MemoOption));
    message.WriteString(Text);
    return std::nullopt;
}

std::optional<TImageError> MemoItem::ReadFromPrinter(TXLMessage& message, TItemTable& table, int)
{
    const QString countText = message.ReadString();
    const std::optional<qint32> count = ItemPayload::DecimalInt32(countText);
    if (!count)
        return NumberError(QStringLiteral("count"), countText);
    // The body's end reads as byte 0, so a count larger than the lines present stops there.
    for (qint32 line = 0; line < *count; ++line) {
        if (message.ReadU8() != LineRecordMark)
            break;
        const QString lineNumber = message.ReadString();
        message.ReadString();
        message.ReadString();
        ItemData.Text2 = message.ReadString();
        ItemData.Text3 = message.ReadString();
        ItemData.Text4 = message.ReadString();
        table.AddRow({lineNumber, TypeName, ItemData.Text4}, this);
    }
    return std::nullopt;
}
