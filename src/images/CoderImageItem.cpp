#include "images/CoderImageItem.h"

#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/FontUnit.h"
#include "images/ItemPayload.h"
#include "images/ItemTable.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

using ItemPayload::LowByte;

QString ShownTypeName(const QString& typeName)
{
    static constexpr const char* translated[] = {
        QT_TRANSLATE_NOOP("TModifyImageForm", "Text"),    QT_TRANSLATE_NOOP("TModifyImageForm", "Multiline"),
        QT_TRANSLATE_NOOP("TModifyImageForm", "Date"),    QT_TRANSLATE_NOOP("TModifyImageForm", "Time"),
        QT_TRANSLATE_NOOP("TModifyImageForm", "Shift"),   QT_TRANSLATE_NOOP("TModifyImageForm", "Numeric"),
        QT_TRANSLATE_NOOP("TModifyImageForm", "Graphic"),
    };
    const auto found = std::find_if(std::begin(translated), std::end(translated),
                                    [&typeName](const char* name) { return typeName == QLatin1String(name); });
    return found == std::end(translated) ? typeName : QCoreApplication::translate("TModifyImageForm", *found);
}

TCoderImageItem::TCoderImageItem(qint32 itemType, QString typeName)
    : ItemType(itemType), TypeName(std::move(typeName))
{}

void TCoderImageItem::ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion)
{
    FontNo = stream.ReadInteger();
    X = stream.ReadInteger();
    Y = stream.ReadInteger();
    Width = stream.ReadInteger();
    Height = stream.ReadInteger();
    Style = stream.ReadInteger();
    stream.ReadInteger(); // reserved
}

std::optional<TImageError> TCoderImageItem::WriteToMessage(TXLMessage& message, const TFontMap& fonts)
{
    // Positions go out as low byte and the low byte of the quotient by 256, truncated toward zero:
    // 0..65535 is the little-endian 16-bit value.
    message.WriteU8(LowByte(ItemType));
    message.WriteU8(fonts.CoderFontID(FontNo));
    message.WriteU8(LowByte(X));
    message.WriteU8(LowByte(X / 256));
    message.WriteU8(LowByte(Y));
    message.WriteU8(LowByte(Y / 256));
    message.WriteU8(LowByte(Style));
    return std::nullopt;
}

std::optional<TImageError> TCoderImageItem::ReadFromPrinter(TXLMessage& message, TItemTable& table,
                                                            int number)
{
    message.ReadString(); // the first text of the description is not shown
    ItemData.Text1 = message.ReadString();
    ItemData.Text2 = message.ReadString();
    ItemData.Text3 = message.ReadString();
    ItemData.Text4 = message.ReadString();
    table.AddRow({QString::number(number), TypeName, ItemData.Text4}, this);
    return std::nullopt;
}

TImageError TCoderImageItem::NumberError(const QString& field, const QString& value)
{
    TImageError error;
    error.Kind = TImageErrorKind::NumberNotConvertible;
    error.Field = field;
    error.Value = value;
    return error;
}

std::optional<TImageError>
TCoderImageItem::ReadSubRecords(TXLMessage& message, const std::function<void(const TSubRecord&)>& onRecord)
{
    constexpr quint8 SubRecordMark = 30;
    const QString countText = message.ReadString();
    const std::optional<qint32> count = ItemPayload::DecimalInt32(countText);
    if (!count)
        return NumberError(QStringLiteral("count"), countText);
    // The body's end reads as byte 0, so a count larger than the sub-records present stops there.
    for (qint32 i = 0; i < *count; ++i) {
        if (message.ReadU8() != SubRecordMark)
            break;
        TSubRecord record;
        for (QString& text : record)
            text = message.ReadString();
        onRecord(record);
    }
    return std::nullopt;
}
