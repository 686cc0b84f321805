#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <optional>

// One row of the history: its sequence number, its hash, and the event it holds as stored.
struct THistoryRow
{
    qint64 Seq = 0;
    QString Hash;
    QString Content; // the canonical JSON the hash covers
    QJsonObject Event;

    static THistoryRow FromStored(qint64 seq, const QString& hash, const QString& content);

    QString Kind() const { return Event.value(QLatin1String("kind")).toString(); }
    QString PrinterName() const;
    // The event's time in the offset it happened in.
    QDateTime Time() const;
    QJsonObject Values() const { return Event.value(QLatin1String("values")).toObject(); }
};

// Which rows to read; an empty field does not filter. Times are inclusive.
struct THistoryFilter
{
    QString Printer;
    QString Kind;
    QDateTime Since;
    QDateTime Until;
    // The rows of the time range lie between these sequence numbers (0: no bound; -1 as the last:
    // none): reading a page of a time range then goes straight to it. THistoryReader::BoundTimeRange
    // finds them.
    qint64 FirstSeq = 0;
    qint64 LastSeq = 0;
};

// What a check of the whole chain found.
struct THistoryCheck
{
    qint64 Rows = 0;          // rows checked
    qint64 FirstSeq = 0;      // the oldest row kept
    qint64 LastSeq = 0;
    qint64 BadSeq = 0;        // the first row that does not hold; 0 when all hold
    QString Problem;          // why it does not hold

    bool Holds() const { return BadSeq == 0 && Problem.isEmpty(); }
};

// Reads a history file on a connection of its own, in the calling thread; it never writes. Readers
// page through the rows by sequence number, so a file of millions of rows opens at once.
class THistoryReader
{
public:
    explicit THistoryReader(const QString& path);
    ~THistoryReader();
    THistoryReader(const THistoryReader&) = delete;
    THistoryReader& operator=(const THistoryReader&) = delete;

    // Empty when the file could be opened; otherwise why not, in the station's words. A file that
    // does not exist yet is an empty history.
    const QString& Error() const { return m_error; }
    // The file holds the history's table (a file not written yet does not).
    bool HasTable() const { return m_hasTable; }

    // Up to limit rows after seq, oldest first (the broker publishes from here).
    QList<THistoryRow> RowsAfter(qint64 seq, int limit, const THistoryFilter& filter = {}) const;
    // Up to limit rows before seq (0: from the newest), newest first.
    QList<THistoryRow> RowsBefore(qint64 seq, int limit, const THistoryFilter& filter = {}) const;
    // The sequence numbers the filter's time range lies between, from the time index: once for a
    // filter, so that its pages are read quickly.
    void BoundTimeRange(THistoryFilter& filter) const;
    // The newest row's number; 0 for an empty history.
    qint64 LastSeq() const;
    // Where the reader of that name last said it had got to (THistoryStore::SetCursor); 0 for none.
    qint64 Cursor(const QString& name) const;
    // How many rows the filter passes.
    qint64 Count(const THistoryFilter& filter = {}) const;
    // The printers named in the history, sorted, at most limit of them.
    QStringList Printers(int limit) const;
    // Checks every row from the anchor on: its number follows the one before, its content names its
    // number, and its hash is that of the row before and its content. progress(rows) is called now
    // and then.
    THistoryCheck Verify(const std::function<void(qint64)>& progress = {}) const;

private:
    // The filter's conditions ("printer = ?" ...) with their values, joined by AND.
    static QString Conditions(const THistoryFilter& filter, QStringList conditions, QVariantList& values);
    QList<THistoryRow> Rows(bool after, qint64 seq, int limit, const THistoryFilter& filter) const;

    QString m_connection;
    QString m_error;
    bool m_hasTable = false;
};
