#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

class TMessageSink;

// A change of the printer's clock: the date and time it reported and those it was set to, as
// "YYYY-MM-DD HH:MM" (the reported one as the printer sent it, possible or not).
struct TClockChange
{
    QString Old;
    QString New;

    bool operator==(const TClockChange&) const = default;
};

// The printer's clock as the clock dialog shows and sets it: the date and time the printer last
// reported, and the messages that set what the operator changed.
class TPrinterClock
{
public:
    // ClockInfo. The values are kept as reported, for the comparison when the operator accepts.
    void SetReported(quint16 year, quint8 month, quint8 day, quint8 hour, quint8 minute);

    // What the pickers take from the report: the date and the time, each only when it exists
    // (a picker keeps its value otherwise), and the conversion error for the first that does not.
    std::optional<QDate> ReportedDate() const;
    std::optional<QTime> ReportedTime() const;
    QString ReportError() const;

    // The operator accepts the pickers' date and time (seconds do not count): SetDate when the date
    // differs from the reported one, SetTime when the hour or the minute does. Returns the change,
    // or nothing when neither was sent.
    std::optional<TClockChange> SendChanges(const QDate& date, const QTime& time, TMessageSink& sink) const;

    // "Use PC time": the station's clock.
    static QDateTime PcTime();

private:
    quint16 m_year = 0;
    quint8 m_month = 0;
    quint8 m_day = 0;
    quint8 m_hour = 0;
    quint8 m_minute = 0;
};
