#include "images/NumberItems.h"

#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/ItemPayload.h"

#include <array>

NumberItem::NumberItem() : TCoderImageItem(ItemTypeCode::Number, QStringLiteral("Numeric")) {}

void NumberItem::ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version)
{
    TCoderImageItem::ReadFromFile(stream, version);
    StartValue = stream.ReadString();
    CurrentValue = stream.ReadString();
    EndValue = stream.ReadString();
    NumberOptionA = stream.ReadString();
    NumberOptionB = stream.ReadString();
    // The file stores flag B first.
    NumberFlagB = stream.ReadByte();
    NumberFlagA = stream.ReadByte();
}

std::optional<TImageError> NumberItem::WriteToMessage(TXLMessage& message, const TFontMap& fonts)
{
    if (StartValue.isEmpty())
        StartValue = QStringLiteral("000000");
    struct TValue
    {
        const char* Field;
        const QString& Text;
    };
    const std::array<TValue, 5> texts{{{"StartValue", StartValue},
                                       {"CurrentValue", CurrentValue},
                                       {"EndValue", EndValue},
                                       {"NumberOptionA", NumberOptionA},
                                       {"NumberOptionB", NumberOptionB}}};
    std::array<qint32, 5> values{};
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::optional<qint32> value = ItemPayload::DecimalInt32(texts[i].Text);
        if (!value)
            return NumberError(QLatin1String(texts[i].Field), texts[i].Text);
        values[i] = *value;
    }

    TCoderImageItem::WriteToMessage(message, fonts);
    // Unlike the other items' fields, the counter values go out most significant byte first.
    message.WriteU32(quint32(values[0]));
    message.WriteU32(quint32(values[1]));
    message.WriteU32(quint32(values[2]));
    message.WriteU8(ItemPayload::LowByte(values[3]));
    message.WriteU8(ItemPayload::LowByte(values[4]));
    message.WriteU8(NumberFlagA);
    message.WriteU8(NumberFlagB);
    return std::nullopt;
}

std::optional<TImageError> NumberItem::ReadFromPrinter(TXLMessage& message, TItemTable& table, int number)
{
    TCoderImageItem::ReadFromPrinter(message, table, number);
    CurrentValue = ItemData.Text4;
    return std::nullopt;
}
