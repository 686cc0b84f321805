#include "images/EAN128Items.h"

#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/ItemPayload.h"
#include "images/ItemTable.h"

EAN128_Item::EAN128_Item() : BarcodeItem(BarcodeKindCode::EAN128, QStringLiteral("EAN128")) {}

void EAN128_Item::ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version)
{
    BarcodeItem::ReadFromFile(stream, version);
    const quint32 count = stream.ReadLongWord();
    // Elements are added only as the file holds them: a count beyond the file's end stops at the
    // damage instead of reserving room for it.
    Elements.clear();
    for (quint32 i = 0; i < count && !stream.IsDamaged(); ++i) {
        EAN128_Element element;
        element.ElementText1 = stream.ReadString();
        element.ElementKind = stream.ReadByte();
        element.ElementText4 = stream.ReadString();
        Elements.push_back(std::move(element));
    }
    BarHeight = stream.ReadInteger();
    ModuleWidth = stream.ReadInteger();
    stream.ReadLongWord(); // unused
}

std::optional<TImageError> EAN128_Item::WriteToMessage(TXLMessage& message, const TFontMap& fonts)
{
    if (qsizetype(Elements.size()) > ItemPayload::MaxCount) {
        TImageError error;
        error.Kind = TImageErrorKind::TooManyElements;
        error.Field = QStringLiteral("Elements");
        error.Value = QString::number(Elements.size());
        return error;
    }
    for (size_t i = 0; i < Elements.size(); ++i) {
        const EAN128_Element& element = Elements[i];
        const auto field = [i](int text) {
            return TranslatedImageText(ImageErrorTexts::ElementTextField).arg(text).arg(i + 1);
        };
        if (auto error = ItemPayload::RefuseZeroBytes({{field(1), element.ElementText1},
                                                       {field(2), element.ElementText2},
                                                       {field(3), element.ElementText3},
                                                       {field(4), element.ElementText4}}))
            return error;
    }
    BarcodeItem::WriteToMessage(message, fonts);
    message.WriteU8(ItemPayload::LowByte(ModuleWidth));
    ItemPayload::WriteLE16(message, BarHeight);
    message.WriteU8(0x01);
    message.WriteU8(ItemPayload::LowByte(qint64(Elements.size())));
    for (const EAN128_Element& element : Elements) {
        message.WriteU8(element.ElementKind);
        message.WriteString(element.ElementText1);
        message.WriteString(element.ElementText2);
        message.WriteString(element.ElementText3);
        message.WriteString(element.ElementText4);
    }
    return std::nullopt;
}

std::optional<TImageError> EAN128_Item::ReadFromPrinter(TXLMessage& message, TItemTable& table, int)
{
    // Per element: its number, a text not kept, then texts 1, 3, 2 and 4 in this order.
    return ReadSubRecords(message, [&](const TSubRecord& record) {
        EAN128_Element element;
        element.ElementText1 = record[2];
        element.ElementText3 = record[3];
        element.ElementText2 = record[4];
        element.ElementText4 = record[5];
        Elements.push_back(element);
        table.AddRow({record[0], TypeName, element.ElementText4}, this);
    });
}
