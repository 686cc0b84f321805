#include "images/DateItems.h"

#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/ItemPayload.h"
#include "platform/StationClock.h"

#include <QDateTime>
#include <QStringList>

#include <algorithm>
#include <cmath>

using ItemPayload::LowByte;

namespace {
// Day numbers beyond this cannot be truncated to a 64-bit whole day count.
constexpr double DayNumberLimit = 9.2e18;
const QDate DayZero(1899, 12, 30);
} // namespace

DateItem::DateItem() : TCoderImageItem(ItemTypeCode::Date, QStringLiteral("Date")) {}

void DateItem::ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version)
{
    TCoderImageItem::ReadFromFile(stream, version);
    Separator = stream.ReadChar();
    DateFormatA = LowByte(stream.ReadInteger());
    DateFormatB = LowByte(stream.ReadInteger());
    DateFormatC = LowByte(stream.ReadInteger());
    DatePart1 = LowByte(stream.ReadInteger());
    DatePart2 = LowByte(stream.ReadInteger());
    DatePart3 = LowByte(stream.ReadInteger());
    BaseDate = stream.ReadDouble();
    DateOptionC = LowByte(stream.ReadInteger());
    DateValue = qint32(stream.ReadLongWord());
    DateOptionD = qint32(stream.ReadLongWord());
    if (DesignFileVersion::HasDateOptionA(version))
        DateOptionA = stream.ReadByte();
    if (DesignFileVersion::HasDateOptionB(version))
        DateOptionB = stream.ReadByte();
}

std::optional<quint8> DateItem::DayDifference(const QDateTime& now) const
{
    if (!std::isfinite(BaseDate) || std::fabs(BaseDate) >= DayNumberLimit)
        return std::nullopt;
    const qint64 today = DayZero.daysTo(now.date());
    const qint64 baseDay = qint64(std::trunc(BaseDate));
    // Unsigned arithmetic: the low byte of the difference is all that is sent.
    return LowByte(qint64(quint64(today) - quint64(baseDay)));
}

std::optional<TImageError> DateItem::WriteToMessage(TXLMessage& message, const TFontMap& fonts)
{
    const std::optional<quint8> dayDifference = DayDifference(StationClock::Now());
    if (!dayDifference)
        return NumberError(QStringLiteral("BaseDate"), QString::number(BaseDate));
    TCoderImageItem::WriteToMessage(message, fonts);
    message.WriteU8(quint8(Separator));
    message.WriteU8(DateOptionA == 1 ? 0xFF : LowByte(DateOptionD));
    message.WriteU8(DateFormatA);
    message.WriteU8(DatePart1);
    message.WriteU8(DatePart2);
    message.WriteU8(DatePart3);
    message.WriteU8(*dayDifference);
    // The printer expects C before B, the reverse of the file's order.
    message.WriteU8(DateFormatC);
    message.WriteU8(DateFormatB);
    message.WriteU8(DateOptionC);
    ItemPayload::WriteLE16(message, DateValue);
    message.WriteU8(DateOptionB != 0 ? 0xFF : 0x00);
    return std::nullopt;
}

QString DateItem::ShownText(const QDate& date, char separator, const TParts& parts)
{
    static constexpr std::pair<quint8, const char*> formats[] = {
        {DayPart, "dd"}, {MonthPart, "MM"}, {YearPart, "yy"}};
    static constexpr TParts dayMonthYear{DayPart, MonthPart, YearPart};
    TParts order = parts;
    std::sort(order.begin(), order.end());
    const TParts& shownParts = order == dayMonthYear ? parts : dayMonthYear;
    QStringList shown;
    for (const quint8 part : shownParts)
        for (const auto& [code, format] : formats)
            if (part == code)
                shown << date.toString(QLatin1String(format));
    const bool printable = quint8(separator) > ' ' && quint8(separator) < 0x7F;
    return shown.join(QLatin1Char(printable ? separator : '/'));
}

QString DateItem::ShownText(const QDate& date) const
{
    return ShownText(date, Separator, {DatePart1, DatePart2, DatePart3});
}
