#include "parameters/PrinterClock.h"

#include "comm/MessageSink.h"
#include "platform/StationClock.h"

#include <QCoreApplication>

void TPrinterClock::SetReported(quint16 year, quint8 month, quint8 day, quint8 hour, quint8 minute)
{
    m_year = year;
    m_month = month;
    m_day = day;
    m_hour = hour;
    m_minute = minute;
}

std::optional<QDate> TPrinterClock::ReportedDate() const
{
    const QDate date(m_year, m_month, m_day);
    return m_year > 0 && date.isValid() ? std::optional(date) : std::nullopt;
}

std::optional<QTime> TPrinterClock::ReportedTime() const
{
    const QTime time(m_hour, m_minute);
    return time.isValid() ? std::optional(time) : std::nullopt;
}

QString TPrinterClock::ReportError() const
{
    if (!ReportedDate())
        return QCoreApplication::translate("TDateTimeForm", "Invalid argument to date encode");
    if (!ReportedTime())
        return QCoreApplication::translate("TDateTimeForm", "Invalid argument to time encode");
    return {};
}

namespace {
QString ClockText(int year, int month, int day, int hour, int minute)
{
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(minute, 2, 10, QLatin1Char('0'));
}
} // namespace

std::optional<TClockChange> TPrinterClock::SendChanges(const QDate& date, const QTime& time,
                                                       TMessageSink& sink) const
{
    int year = m_year, month = m_month, day = m_day, hour = m_hour, minute = m_minute;
    if (date.isValid() && date.year() >= 1 && date.year() <= 0xFFFF &&
        (date.year() != m_year || date.month() != m_month || date.day() != m_day)) {
        auto setDate = std::make_unique<TXLMessage>(XLSend::SetDate);
        setDate->WriteU16(quint16(date.year()));
        setDate->WriteU8(quint8(date.month()));
        setDate->WriteU8(quint8(date.day()));
        sink.SendToSelected(std::move(setDate));
        date.getDate(&year, &month, &day);
    }
    if (time.isValid() && (time.hour() != m_hour || time.minute() != m_minute)) {
        auto setTime = std::make_unique<TXLMessage>(XLSend::SetTime);
        setTime->WriteU8(quint8(time.hour()));
        setTime->WriteU8(quint8(time.minute()));
        sink.SendToSelected(std::move(setTime));
        hour = time.hour();
        minute = time.minute();
    }
    const QString before = ClockText(m_year, m_month, m_day, m_hour, m_minute);
    const QString after = ClockText(year, month, day, hour, minute);
    return before == after ? std::nullopt : std::optional(TClockChange{before, after});
}

QDateTime TPrinterClock::PcTime()
{
    return StationClock::Now();
}
