#include "history/HistoryWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>

using namespace HistoryDatabase;

namespace {
// Rows pruned in one transaction: another program writing the file waits no longer than that.
constexpr int PruneChunkRows = 10000;

// The last row's number and hash, or the anchor's when no row is left.
std::optional<TFailure> ChainEnd(const QSqlDatabase& database, qint64& seq, QString& hash)
{
    QSqlQuery last(database);
    last.prepare(QStringLiteral("SELECT seq, hash FROM events ORDER BY seq DESC LIMIT 1"));
    if (auto failure = Exec(last))
        return failure;
    if (!last.next()) {
        last.prepare(QStringLiteral("SELECT anchor_seq, anchor_hash FROM chain"));
        if (auto failure = Exec(last))
            return failure;
        if (!last.next())
            return TFailure{TProblem::Damaged, QStringLiteral("the chain's anchor is missing")};
    }
    seq = last.value(0).toLongLong();
    hash = last.value(1).toString();
    return std::nullopt;
}

// Runs the work in a write transaction, committed when it succeeds and rolled back when it fails.
template <typename Work> std::optional<TFailure> InTransaction(const QSqlDatabase& database, Work work)
{
    if (auto failure = Exec(database, QStringLiteral("BEGIN IMMEDIATE")))
        return failure;
    std::optional<TFailure> failure = work();
    if (!failure)
        failure = Exec(database, QStringLiteral("COMMIT"));
    if (failure)
        Exec(database, QStringLiteral("ROLLBACK"));
    return failure;
}
} // namespace

THistoryWriter::THistoryWriter(const QString& path, const TEventSource& source)
    : m_path(path), m_source(source),
      m_connection(QStringLiteral("history-writer-%1").arg(quintptr(this), 0, 16))
{}

THistoryWriter::~THistoryWriter()
{
    Close();
}

void THistoryWriter::Close()
{
    if (!m_open)
        return;
    m_open = false;
    HistoryDatabase::Close(m_connection);
}

bool THistoryWriter::EnsureOpen(std::optional<TFailure>& failure)
{
    if (m_open)
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSqlDatabase database = HistoryDatabase::Open(m_path, m_connection);
    failure = Prepare(database, BusyTimeoutMs);
    database = {};
    if (failure) {
        HistoryDatabase::Close(m_connection);
        return false;
    }
    m_open = true;
    return true;
}

void THistoryWriter::Write(const QList<TStationEvent>& events, const QDateTime& now)
{
    if (!m_gap) {
        m_held += events;
        Drain(now);
        return;
    }
    // While the file cannot be written, only the retries try it again; what it holds meanwhile is
    // bounded.
    for (const TStationEvent& event : events) {
        if (m_held.size() < MaxHeld)
            m_held.append(event);
        else
            ++m_gap->Lost;
    }
}

void THistoryWriter::Retry(const QDateTime& now)
{
    if (m_gap)
        Drain(now);
}

TStationEvent THistoryWriter::GapEvent(TStationEventKind kind, QJsonObject values, const QDateTime& time) const
{
    return TStationEvent::Make(kind, {}, m_source, std::move(values), time);
}

void THistoryWriter::Drain(const QDateTime& now)
{
    std::optional<TFailure> failure;
    if (!EnsureOpen(failure))
        return Fail(*failure, now);
    QList<TStationEvent> rows;
    if (m_gap)
        rows << GapEvent(TStationEventKind::HistoryGapBegan,
                         {{QStringLiteral("reason"), ProblemName(m_gap->Failure.Problem)},
                          {QStringLiteral("detail"), TStationEvent::Bounded(m_gap->Failure.Detail)}},
                         m_gap->Began);
    rows << m_held;
    if (m_gap)
        rows << GapEvent(TStationEventKind::HistoryGapEnded, {{QStringLiteral("lost"), m_gap->Lost}}, now);
    if (rows.isEmpty())
        return;
    qint64 first = 0;
    qint64 last = 0;
    if ((failure = Append(rows, first, last)))
        return Fail(*failure, now);
    m_held.clear();
    const bool recovered = m_gap.has_value();
    m_gap.reset();
    emit Committed(first, last);
    if (recovered)
        emit Recovered();
}

std::optional<TFailure> THistoryWriter::Append(const QList<TStationEvent>& events, qint64& first, qint64& last)
{
    const QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    return InTransaction(database, [&]() -> std::optional<TFailure> {
        qint64 seq = 0;
        QString hash;
        if (auto failure = ChainEnd(database, seq, hash))
            return failure;
        first = seq + 1;
        QSqlQuery insert(database);
        insert.prepare(QStringLiteral("INSERT INTO events (seq, content, hash) VALUES (?, ?, ?)"));
        for (const TStationEvent& event : events) {
            QJsonObject row = event.ToJson();
            row.insert(QStringLiteral("seq"), ++seq);
            const QString content = QString::fromUtf8(StationEventJson::Canonical(row));
            hash = RowHash(hash, content.toUtf8());
            insert.bindValue(0, seq);
            insert.bindValue(1, content);
            insert.bindValue(2, hash);
            if (auto failure = Exec(insert))
                return failure;
        }
        last = seq;
        return std::nullopt;
    });
}

void THistoryWriter::SetCursor(const QString& name, qint64 seq)
{
    std::optional<TFailure> failure;
    if (m_gap || !EnsureOpen(failure))
        return;
    QSqlQuery upsert(QSqlDatabase::database(m_connection, false));
    upsert.prepare(QStringLiteral("INSERT INTO cursors (name, seq) VALUES (?, ?)"
                                  " ON CONFLICT (name) DO UPDATE SET seq = excluded.seq"));
    upsert.addBindValue(name);
    upsert.addBindValue(seq);
    Exec(upsert);
}

void THistoryWriter::Fail(const TFailure& failure, const QDateTime& now)
{
    if (!m_gap) {
        m_gap = TGap{now, failure, 0};
        emit Faulted(int(failure.Problem), failure.Detail);
    }
    // The next try opens the file afresh: it may have been repaired or replaced meanwhile.
    Close();
}

void THistoryWriter::Prune(const QDateTime& cutoff, const QDateTime& now)
{
    std::optional<TFailure> failure;
    if (m_gap || !EnsureOpen(failure)) {
        if (failure)
            Fail(*failure, now);
        return;
    }
    const QString cutoffText = StationEventJson::UtcText(cutoff);
    qint64 pruned = 0;
    if ((failure = PruneBefore(cutoffText, pruned)))
        return Fail(*failure, now);
    if (pruned == 0)
        return;
    m_held << TStationEvent::Make(TStationEventKind::HistoryPruned, {}, m_source,
                                  {{QStringLiteral("rows"), pruned}, {QStringLiteral("before"), cutoffText}}, now);
    Drain(now);
}

std::optional<TFailure> THistoryWriter::PruneBefore(const QString& cutoffText, qint64& pruned)
{
    const QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    // Most often the oldest row is young enough, which costs one look.
    QSqlQuery query(database);
    query.prepare(QStringLiteral("SELECT time FROM events ORDER BY seq LIMIT 1"));
    if (auto failure = Exec(query))
        return failure;
    if (!query.next() || query.value(0).toString() >= cutoffText)
        return std::nullopt;
    query.prepare(QStringLiteral("SELECT coalesce((SELECT min(seq) FROM events WHERE time >= ?),"
                                 " (SELECT max(seq) + 1 FROM events))"));
    query.addBindValue(cutoffText);
    if (auto failure = Exec(query))
        return failure;
    if (!query.next())
        return std::nullopt;
    const qint64 firstKept = query.value(0).toLongLong();
    for (qint64 chunk = 1; chunk > 0; pruned += chunk) {
        chunk = 0;
        if (auto failure = PruneChunk(firstKept, chunk))
            return failure;
    }
    if (pruned > 0)
        Exec(database, QStringLiteral("PRAGMA incremental_vacuum"));
    return std::nullopt;
}

std::optional<TFailure> THistoryWriter::PruneChunk(qint64 firstKept, qint64& pruned)
{
    const QSqlDatabase database = QSqlDatabase::database(m_connection, false);
    return InTransaction(database, [&]() -> std::optional<TFailure> {
        QSqlQuery last(database);
        last.prepare(QStringLiteral("SELECT seq, hash FROM (SELECT seq, hash FROM events WHERE seq < ? ORDER BY seq"
                                    " LIMIT ?) ORDER BY seq DESC LIMIT 1"));
        last.addBindValue(firstKept);
        last.addBindValue(PruneChunkRows);
        if (auto failure = Exec(last))
            return failure;
        if (!last.next())
            return std::nullopt;
        const qint64 end = last.value(0).toLongLong();
        const QString hash = last.value(1).toString();
        QSqlQuery change(database);
        change.prepare(QStringLiteral("DELETE FROM events WHERE seq <= ?"));
        change.addBindValue(end);
        if (auto failure = Exec(change))
            return failure;
        pruned = change.numRowsAffected();
        change.prepare(QStringLiteral("UPDATE chain SET anchor_seq = ?, anchor_hash = ?"));
        change.addBindValue(end);
        change.addBindValue(hash);
        return Exec(change);
    });
}
