#include "history/HistoryReader.h"

#include "history/HistoryDatabase.h"
#include "station/StationEvent.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

using namespace HistoryDatabase;

namespace {
constexpr int VerifyPageRows = 10000;

QString NextConnectionName()
{
    static std::atomic<quint64> count = 0;
    return QStringLiteral("history-reader-%1").arg(++count);
}
} // namespace

THistoryRow THistoryRow::FromStored(qint64 seq, const QString& hash, const QString& content)
{
    return {seq, hash, content, QJsonDocument::fromJson(content.toUtf8()).object()};
}

QString THistoryRow::PrinterName() const
{
    return Event.value(QLatin1String("printer")).toObject().value(QLatin1String("name")).toString();
}

QDateTime THistoryRow::Time() const
{
    QDateTime time = QDateTime::fromString(Event.value(QLatin1String("time")).toString(), Qt::ISODateWithMs);
    return time.toOffsetFromUtc(Event.value(QLatin1String("utcOffset")).toInt());
}

THistoryReader::THistoryReader(const QString& path) : m_connection(NextConnectionName())
{
    if (!QFileInfo::exists(path))
        return; // nothing recorded yet
    QSqlDatabase database = HistoryDatabase::Open(path, m_connection);
    std::optional<TFailure> failure = CheckVersion(database);
    for (const char* pragma : {"PRAGMA query_only = 1", "PRAGMA busy_timeout = 1000"})
        if (!failure)
            failure = Exec(database, QLatin1String(pragma));
    if (failure) {
        m_error = ProblemText(failure->Problem);
        return;
    }
    QSqlQuery table(database);
    m_hasTable = table.exec(QStringLiteral("SELECT 1 FROM sqlite_schema WHERE name = 'events'")) && table.next();
}

THistoryReader::~THistoryReader()
{
    HistoryDatabase::Close(m_connection);
}

QList<THistoryRow> THistoryReader::RowsAfter(qint64 seq, int limit, const THistoryFilter& filter) const
{
    return Rows(true, seq, limit, filter);
}

QList<THistoryRow> THistoryReader::RowsBefore(qint64 seq, int limit, const THistoryFilter& filter) const
{
    return Rows(false, seq, limit, filter);
}

QString THistoryReader::Conditions(const THistoryFilter& filter, QStringList conditions, QVariantList& values)
{
    const auto where = [&](const char* condition, const QVariant& value) {
        conditions << QLatin1String(condition);
        values << value;
    };
    if (!filter.Printer.isEmpty())
        where("printer = ?", filter.Printer);
    if (!filter.Kind.isEmpty())
        where("kind = ?", filter.Kind);
    // With bounds the rows are read in sequence and the times checked on them, not from the index.
    const bool bounded = filter.FirstSeq != 0 || filter.LastSeq != 0;
    if (filter.FirstSeq != 0)
        where("seq >= ?", filter.FirstSeq);
    if (filter.LastSeq != 0)
        where("seq <= ?", filter.LastSeq);
    if (filter.Since.isValid())
        where(bounded ? "+time >= ?" : "time >= ?", StationEventJson::UtcText(filter.Since));
    if (filter.Until.isValid())
        where(bounded ? "+time <= ?" : "time <= ?", StationEventJson::UtcText(filter.Until));
    return conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
}

QList<THistoryRow> THistoryReader::Rows(bool after, qint64 seq, int limit, const THistoryFilter& filter) const
{
    if (!m_hasTable)
        return {};
    QStringList position;
    QVariantList values;
    if (after || seq > 0) {
        position << (after ? QStringLiteral("seq > ?") : QStringLiteral("seq < ?"));
        values << seq;
    }
    const QString sql = QStringLiteral("SELECT seq, hash, content FROM events") +
                        Conditions(filter, position, values) +
                        (after ? QStringLiteral(" ORDER BY seq LIMIT ?") : QStringLiteral(" ORDER BY seq DESC LIMIT ?"));
    values << limit;

    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    QList<THistoryRow> rows;
    if (!query.exec())
        return rows;
    while (query.next())
        rows << THistoryRow::FromStored(query.value(0).toLongLong(), query.value(1).toString(),
                                        query.value(2).toString());
    return rows;
}

// A bound is taken only where it spares reading: a range that begins before the oldest row needs no
// first, one that ends after the newest row (rows to come may fall in it) no last.
void THistoryReader::BoundTimeRange(THistoryFilter& filter) const
{
    filter.FirstSeq = filter.LastSeq = 0;
    if (!m_hasTable || (!filter.Since.isValid() && !filter.Until.isValid()))
        return;
    const auto value = [this](const QString& sql, const QVariant& bound = {}) -> QVariant {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.prepare(sql);
        if (bound.isValid())
            query.addBindValue(bound);
        return query.exec() && query.next() ? query.value(0) : QVariant();
    };
    const QString oldest = value(QStringLiteral("SELECT time FROM events ORDER BY seq LIMIT 1")).toString();
    const QString newest = value(QStringLiteral("SELECT time FROM events ORDER BY seq DESC LIMIT 1")).toString();
    if (oldest.isEmpty())
        return; // no rows yet
    const QString since = filter.Since.isValid() ? StationEventJson::UtcText(filter.Since) : QString();
    const QString until = filter.Until.isValid() ? StationEventJson::UtcText(filter.Until) : QString();
    if (!since.isEmpty() && since > oldest) {
        // None yet: the range begins after every row there is.
        const QVariant first = value(
            QStringLiteral("SELECT coalesce((SELECT min(seq) FROM events INDEXED BY events_time WHERE time >= ?),"
                           " (SELECT max(seq) + 1 FROM events))"),
            since);
        filter.FirstSeq = first.toLongLong();
    }
    if (!until.isEmpty() && until < newest) {
        // None: the range ends before every row there is.
        const QVariant last = value(
            QStringLiteral("SELECT coalesce((SELECT max(seq) FROM events INDEXED BY events_time WHERE time <= ?), -1)"),
            until);
        filter.LastSeq = last.toLongLong();
    }
}

qint64 THistoryReader::Count(const THistoryFilter& filter) const
{
    if (!m_hasTable)
        return 0;
    QVariantList values;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT count(*) FROM events") + Conditions(filter, {}, values));
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec() && query.next() ? query.value(0).toLongLong() : 0;
}

qint64 THistoryReader::LastSeq() const
{
    if (!m_hasTable)
        return 0;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    return query.exec(QStringLiteral("SELECT coalesce(max(seq), 0) FROM events")) && query.next()
               ? query.value(0).toLongLong()
               : 0;
}

qint64 THistoryReader::Cursor(const QString& name) const
{
    if (!m_hasTable)
        return 0;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT seq FROM cursors WHERE name = ?"));
    query.addBindValue(name);
    return query.exec() && query.next() ? query.value(0).toLongLong() : 0;
}

QStringList THistoryReader::Printers(int limit) const
{
    if (!m_hasTable)
        return {};
    // One step through the printer index per name, however many rows each has.
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "WITH RECURSIVE names(name) AS (SELECT min(printer) FROM events UNION ALL"
        " SELECT (SELECT min(printer) FROM events WHERE printer > names.name) FROM names"
        " WHERE names.name IS NOT NULL) SELECT name FROM names WHERE name IS NOT NULL LIMIT ?"));
    query.addBindValue(limit);
    QStringList names;
    if (query.exec())
        while (query.next())
            names << query.value(0).toString();
    return names;
}

THistoryCheck THistoryReader::Verify(const std::function<void(qint64)>& progress) const
{
    THistoryCheck check;
    if (!m_error.isEmpty() || !m_hasTable) {
        check.Problem = m_error;
        return check;
    }
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT anchor_seq, anchor_hash FROM chain")) || !query.next()) {
        check.Problem = QStringLiteral("the chain's anchor is missing");
        return check;
    }
    qint64 previousSeq = query.value(0).toLongLong();
    QString previousHash = query.value(1).toString();
    check.FirstSeq = previousSeq + 1;
    query.prepare(QStringLiteral("SELECT seq, hash, content, CASE WHEN json_valid(content) THEN"
                                 " json_extract(content, '$.seq') IS seq ELSE 0 END FROM events"
                                 " WHERE seq > ? ORDER BY seq LIMIT ?"));
    for (;;) {
        query.addBindValue(previousSeq);
        query.addBindValue(VerifyPageRows);
        if (!query.exec()) {
            check.Problem = ProblemText(FailureOf(query.lastError()).Problem);
            return check;
        }
        qint64 page = 0;
        for (; query.next(); ++page) {
            const qint64 seq = query.value(0).toLongLong();
            const QString hash = query.value(1).toString();
            const QString content = query.value(2).toString();
            if (seq != previousSeq + 1)
                check.Problem = QStringLiteral("the row before it (%1) is missing").arg(previousSeq + 1);
            else if (!query.value(3).toBool())
                check.Problem = QStringLiteral("its content does not carry its number");
            else if (hash != RowHash(previousHash, content.toUtf8()))
                check.Problem = QStringLiteral("its hash does not match its content and the row before it");
            if (!check.Problem.isEmpty()) {
                check.BadSeq = seq;
                return check;
            }
            previousSeq = seq;
            previousHash = hash;
            ++check.Rows;
        }
        check.LastSeq = previousSeq;
        if (page < VerifyPageRows)
            return check;
        if (progress)
            progress(check.Rows);
    }
}
