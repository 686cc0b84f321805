#include "images/MemoItems.h"

#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/ItemPayload.h"
#include "images/ItemTable.h"

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
    if (auto error = ItemPayload::RefuseZeroBytes({{QStringLiteral("Text"), Text}}))
        return error;
    TCoderImageItem::WriteToMessage(message, fonts);
    ItemPayload::WriteLE16(message, MemoValueA);
    ItemPayload::WriteLE16(message, MemoValueB);
    message.WriteU8(ItemPayload::LowByte(MemoOption));
    message.WriteString(Text);
    return std::nullopt;
}

std::optional<TImageError> MemoItem::ReadFromPrinter(TXLMessage& message, TItemTable& table, int)
{
    // Per line: its number, two texts not kept, then Text2 to Text4.
    return ReadSubRecords(message, [&](const TSubRecord& line) {
        ItemData.Text2 = line[3];
        ItemData.Text3 = line[4];
        ItemData.Text4 = line[5];
        table.AddRow({line[0], TypeName, ItemData.Text4}, this);
    });
}
