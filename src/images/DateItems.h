#pragma once

#include "images/CoderImageItem.h"

#include <array>

class QDate;
class QDateTime;

// The date the printer prints, composed by the printer from formats, parts and an offset in days
// from a base date.
class DateItem : public TCoderImageItem
{
public:
    DateItem();

    quint8 DateOptionA = 0;
    quint8 DateOptionB = 1;
    char Separator = '/';
    quint8 DateFormatA = 0;
    quint8 DateFormatB = 0;
    quint8 DateFormatC = 0;
    quint8 DatePart1 = 1;
    quint8 DatePart2 = 2;
    quint8 DatePart3 = 4;
    double BaseDate = 0; // days since 30 December 1899, the fraction being the time of day
    quint8 DateOptionC = 0;
    qint32 DateValue = 0;
    qint32 DateOptionD = 0;

    // Files before 2.0X001 do not store DateOptionA, files before 3.1X000 not DateOptionB; the
    // item then keeps its default.
    void ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version) override;
    // The day difference is taken from the station clock. A BaseDate that is no day number at all
    // (not finite, or beyond the 64-bit range of days) is refused as not convertible.
    std::optional<TImageError> WriteToMessage(TXLMessage& message, const TFontMap& fonts) override;

    // Whole days of now minus whole days of BaseDate (each truncated toward zero), low byte; none
    // when BaseDate is no day number.
    std::optional<quint8> DayDifference(const QDateTime& now) const;

    // The codes of DatePart1 to DatePart3 for the day, the month and the year.
    static constexpr quint8 DayPart = 1;
    static constexpr quint8 MonthPart = 2;
    static constexpr quint8 YearPart = 4;
    using TParts = std::array<quint8, 3>;
    // The date as the printer shows a date item: its parts in the item's order (the day and the
    // month in two digits, the year in its last two) between its separator. Parts that are not the
    // day, the month and the year in some order show day, month, year. A separator that is no
    // printable character shows as '/'.
    static QString ShownText(const QDate& date, char separator, const TParts& parts);
    QString ShownText(const QDate& date) const;
};
