#pragma once

#include "history/HistoryDatabase.h"
#include "station/StationEvent.h"

#include <QList>
#include <QObject>

#include <optional>

// The history's writing side, in a thread of its own so that no window waits on the disk: it
// appends each batch of events in one write transaction, numbering the rows and chaining their
// hashes from the last row in the file, so that another program writing the same file meanwhile
// never forks the chain. It prunes what is older than the retention.
//
// A file that cannot be written keeps the events in memory (up to MaxHeld; the rest are counted as
// lost) until a retry succeeds; then a gap's beginning, the events held and the gap's end are
// written together. Every call carries the station's time of the request: the writer reads no clock.
class THistoryWriter : public QObject
{
    Q_OBJECT

public:
    static constexpr qsizetype MaxHeld = 10000;
    static constexpr int BusyTimeoutMs = 5000;

    THistoryWriter(const QString& path, const TEventSource& source);
    ~THistoryWriter() override;

    // These run in the writer's thread.
    void Write(const QList<TStationEvent>& events, const QDateTime& now);
    void Retry(const QDateTime& now);
    // Drops the rows before the first row at or after cutoff, oldest first, keeping the chain's
    // anchor; tells it in a row of its own.
    void Prune(const QDateTime& cutoff, const QDateTime& now);
    // Where a reader that hands the rows on has got to. A file that cannot be written keeps the old
    // cursor: the reader then hands some rows on twice, which its receivers are told to expect.
    void SetCursor(const QString& name, qint64 seq);
    void Close();

signals:
    void Committed(qint64 firstSeq, qint64 lastSeq);
    // The file cannot be written; said once until it can be again.
    void Faulted(int problem, const QString& detail);
    void Recovered();

private:
    struct TGap
    {
        QDateTime Began;
        HistoryDatabase::TFailure Failure;
        qint64 Lost = 0;
    };

    bool EnsureOpen(std::optional<HistoryDatabase::TFailure>& failure);
    void Drain(const QDateTime& now);
    // Appends the events in one transaction: the first and last sequence numbers, or the failure.
    std::optional<HistoryDatabase::TFailure> Append(const QList<TStationEvent>& events, qint64& first, qint64& last);
    std::optional<HistoryDatabase::TFailure> PruneBefore(const QString& cutoffText, qint64& pruned);
    std::optional<HistoryDatabase::TFailure> PruneChunk(qint64 firstKept, qint64& pruned);
    void Fail(const HistoryDatabase::TFailure& failure, const QDateTime& now);
    TStationEvent GapEvent(TStationEventKind kind, QJsonObject values, const QDateTime& time) const;

    QString m_path;
    TEventSource m_source;
    QString m_connection;
    bool m_open = false;
    QList<TStationEvent> m_held;
    std::optional<TGap> m_gap;
};
