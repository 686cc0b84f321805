#pragma once

#include "station/StationEvent.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QThread>
#include <QTimer>

class THistoryWriter;

// The station's history: every event of the station's stream, appended to an SQLite file (WAL) as
// rows numbered by sequence number and chained by their hashes. Append only collects: the events
// of one turn of the event loop go to the writer's thread together at its end, so the windows never
// wait on the disk. A file that cannot be written is said once (Fault) and the station goes on; the
// rows say afterwards where a gap began and ended. Rows older than the retention are pruned when
// the store opens and once a day.
//
// Programs subscribe it to the station's events; readers (windows, the broker) follow Committed and
// read the rows after the last they have (THistoryReader).
class THistoryStore : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultDays = 365;
    static constexpr int MaxDays = 36500;
    static constexpr int DefaultRetryMs = 10000;
    // Events are handed to the writer at most this often, each time as one transaction: a commit
    // costs far more than a row.
    static constexpr int FlushMs = 100;
    static constexpr int OpenDelayMs = 500;

    // HISTORY_FILE, or history.sqlite in the station's data folder (shared by vex and vexctl).
    static QString PathFromSettings();
    // HISTORY_DAYS: the days kept, 0 for no limit; the default for anything that is no such number.
    static int DaysFromSettings();
    // "The history cannot be written (...)", as the station says it once.
    static QString FaultText(int problem, const QString& path);

    THistoryStore(const QString& path, const TEventSource& source, int retentionDays = DefaultDays,
                  QObject* parent = nullptr);
    // Hands over what is pending and waits until the writer has written it.
    ~THistoryStore() override;

    const QString& Path() const { return m_path; }
    bool IsFaulted() const { return m_faulted; }

    void Append(const TStationEvent& event);
    // Hands the events collected so far to the writer now.
    void Flush();
    // Flushes and waits until the writer has dealt with everything handed over; false when it has
    // not within the time. For the end of a command-line run and for tests.
    bool WaitForWriter(int timeoutMs);
    // How long after a failure the file is tried again.
    void SetRetryInterval(int ms) { m_retry.setInterval(ms); }
    // Where a reader that hands the rows on elsewhere (the broker, by a name of its own) has got to:
    // the last row it has handed on. Written with the next events, at most once a flush.
    void SetCursor(const QString& name, qint64 seq);

signals:
    // Rows firstSeq to lastSeq were committed by this store.
    void Committed(qint64 firstSeq, qint64 lastSeq);
    void Fault(const QString& text);
    void Recovered();

private:
    void Open();
    void Prune();
    void OnFaulted(int problem);
    void OnRecovered();
    template <typename Work> void Post(Work work);

    QString m_path;
    int m_retentionDays;
    QThread m_thread;
    THistoryWriter* m_writer; // lives in m_thread
    QList<TStationEvent> m_pending;
    QHash<QString, qint64> m_pendingCursors;
    QTimer m_flush;
    QTimer m_retry;
    QTimer m_prune;
    QTimer m_open;
    bool m_opened = false;
    bool m_faulted = false;
};
