#include "Commands.h"
#include "ConsoleStation.h"
#include "history/HistoryReader.h"
#include "history/HistoryStore.h"
#include "history/HistoryText.h"
#include "station/StationEvent.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QTextStream>

namespace {
// Rows read at a time: a history of any size is listed without being held in memory.
constexpr int PageRows = 1000;
// How long the end of a command waits for the history to be written.
constexpr int FinishWaitMs = 30000;

QString PlainLine(const THistoryRow& row)
{
    const QString printer = row.PrinterName();
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(QString::number(row.Seq), row.Time().toString(Qt::ISODateWithMs),
             printer.isEmpty() ? QStringLiteral("-") : printer, row.Kind(), HistoryText::Details(row));
}

QString JsonLine(const THistoryRow& row)
{
    QJsonObject event = row.Event;
    event.insert(QStringLiteral("hash"), row.Hash);
    return QString::fromUtf8(StationEventJson::Canonical(event));
}

int List(const THistoryReader& reader, const Commands::THistoryQuery& query, QTextStream& out)
{
    if (query.Csv)
        out << HistoryText::CsvHeader() << '\n';
    THistoryFilter filter{query.Printer, query.Kind, query.Since, {}};
    reader.BoundTimeRange(filter);
    for (qint64 after = 0;;) {
        const QList<THistoryRow> rows = reader.RowsAfter(after, PageRows, filter);
        for (const THistoryRow& row : rows)
            out << (query.Json ? JsonLine(row) : query.Csv ? HistoryText::CsvLine(row) : PlainLine(row)) << '\n';
        if (rows.size() < PageRows)
            break;
        after = rows.last().Seq;
    }
    out.flush();
    return ExitCode::Ok;
}

int Verify(const THistoryReader& reader, const QString& path, QTextStream& out)
{
    const THistoryCheck check = reader.Verify();
    if (!check.Holds() && check.BadSeq == 0) {
        QTextStream(stderr) << "vexctl: the history " << path << " cannot be checked: " << check.Problem << Qt::endl;
        return ExitCode::Usage;
    }
    if (!check.Holds()) {
        out << "row " << check.BadSeq << " does not hold: " << check.Problem << Qt::endl;
        return ExitCode::Refused;
    }
    if (check.Rows == 0)
        out << "the history holds no rows" << Qt::endl;
    else
        out << "the history holds: " << check.Rows << " rows, " << check.FirstSeq << " to " << check.LastSeq << Qt::endl;
    return ExitCode::Ok;
}
} // namespace

std::optional<QDateTime> Commands::ParseHistoryTime(const QString& text)
{
    const QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    if (time.isValid())
        return time;
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? std::optional(date.startOfDay()) : std::nullopt;
}

int Commands::History(const QStringList& arguments, const THistoryQuery& query, QTextStream& out)
{
    const QString path = THistoryStore::PathFromSettings();
    const THistoryReader reader(path);
    if (!reader.Error().isEmpty()) {
        QTextStream(stderr) << "vexctl: the history " << path << " cannot be read: " << reader.Error() << Qt::endl;
        return ExitCode::Usage;
    }
    return arguments.isEmpty() ? List(reader, query, out) : Verify(reader, path, out);
}

Commands::THistoryRun::THistoryRun(TConsoleViews& views)
    : m_store(std::make_unique<THistoryStore>(THistoryStore::PathFromSettings(),
                                              TEventSource{QLatin1String(TEventSource::Vexctl), {}},
                                              THistoryStore::DaysFromSettings()))
{
    QObject::connect(m_store.get(), &THistoryStore::Fault, m_store.get(),
                     [](const QString& text) { QTextStream(stderr) << "vexctl: " << text << Qt::endl; });
    views.History = m_store.get();
}

Commands::THistoryRun::~THistoryRun()
{
    m_store->WaitForWriter(FinishWaitMs);
    // A fault the writer has reported meanwhile is said before the program ends.
    QCoreApplication::sendPostedEvents(m_store.get());
}
