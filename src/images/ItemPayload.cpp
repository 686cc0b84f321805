#include "images/ItemPayload.h"

#include "comm/XLMessage.h"

void ItemPayload::WriteLE16(TXLMessage& message, qint64 value)
{
    message.WriteU8(LowByte(value));
    message.WriteU8(LowByte(value >> 8));
}

void ItemPayload::WriteCountedString(TXLMessage& message, const QString& text)
{
    message.WriteU8(LowByte(text.size()));
    message.WriteString(text);
}

std::optional<TImageError> ItemPayload::RefuseLongCountedText(const QString& text)
{
    if (text.size() <= MaxCount)
        return std::nullopt;
    TImageError error;
    error.Kind = TImageErrorKind::DataTooLong;
    error.Field = QStringLiteral("Data");
    error.Value = QString::number(text.size());
    return error;
}

std::optional<TImageError> ItemPayload::RefuseZeroBytes(std::initializer_list<TClosedText> texts)
{
    for (const TClosedText& text : texts) {
        if (text.Text.contains(QChar(0))) {
            TImageError error;
            error.Kind = TImageErrorKind::TextHoldsZeroByte;
            error.Field = text.Field;
            return error;
        }
    }
    return std::nullopt;
}

std::optional<qint32> ItemPayload::DecimalInt32(const QString& text)
{
    qsizetype i = 0;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative || text.startsWith(QLatin1Char('+')))
        i = 1;
    if (i == text.size())
        return std::nullopt;
    const qint64 limit = negative ? qint64(1) << 31 : (qint64(1) << 31) - 1;
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        magnitude = magnitude * 10 + (c.unicode() - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return qint32(negative ? -magnitude : magnitude);
}
