#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <memory>

class THistoryReader;
class THistoryStore;
class TMqttClient;
class TPrinterTopics;
struct THistoryRow;

// Publishes the history's rows on the broker, QoS 1, in the order of their sequence numbers: a
// printer's on its event topic, the history's own on the station's. What the broker has
// acknowledged is remembered in the history's file (a cursor of this publisher's name), so that
// rows recorded while the broker was away, or while the program was not running, are published
// once it is back; nothing is published that was not recorded. A fresh cursor starts at the newest
// row: the past before the broker was set is not published.
//
// The backlog is bounded: when more than MaxBacklogRows rows wait, the oldest of them are passed
// over and a "broker-gap" message on the station's event topic says which (the history keeps them).
// So are rows pruned from the history before they went out. At most InFlight messages wait for
// the broker's acknowledgement at a time, whatever the backlog.
class TEventPublisher : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 MaxBacklogRows = 100000;
    static constexpr int InFlight = 100;
    // Rows that other programs (vexctl) write to the same file are looked for this often.
    static constexpr int PollMs = 2000;

    TEventPublisher(TMqttClient& client, THistoryStore& store, TPrinterTopics& topics, const QString& stationName,
                    const QString& cursorName, QObject* parent = nullptr);
    ~TEventPublisher() override;

    void SetMaxBacklogRows(qint64 rows) { m_maxBacklog = rows; }
    // The last row the broker has acknowledged.
    qint64 Acknowledged() const { return m_acked; }
    // Nothing recorded waits to be published or acknowledged.
    bool IsIdle();
    // The station's event topic, and a row's.
    QString StationTopic() const { return m_root + QLatin1String("event"); }
    QString TopicOf(const THistoryRow& row) const;
    // The payload of a row: the event as the history holds it, with the station's name and the row's
    // hash, in the one canonical serialisation.
    QByteArray PayloadOf(const THistoryRow& row) const;

    // Publishes what waits, up to InFlight messages at a time.
    void Pump();
    // A new connection: what was not acknowledged on the last goes again, after what the caller
    // publishes first.
    void Resume();

signals:
    // The broker did not take a message (it does not let the station publish there).
    void Refused(const QString& topic, int reasonCode);

private:
    struct TInFlight
    {
        int Mid = 0;
        qint64 Seq = 0; // the last row the message stands for
        QString Topic;
        bool Acknowledged = false;
    };

    bool OpenReader();
    bool Send(const QString& topic, const QByteArray& payload, qint64 seq);
    // Rows firstSeq to lastSeq will not be published: the message that says so.
    bool SendGap(qint64 firstSeq, qint64 lastSeq, const char* reason);
    void OnDisconnected();
    void OnPublished(int mid, int reasonCode);

    TMqttClient& m_client;
    THistoryStore& m_store;
    TPrinterTopics& m_topics;
    QString m_stationName;
    QString m_root;
    QString m_cursorName;
    std::unique_ptr<THistoryReader> m_reader;
    qint64 m_acked = -1; // -1 until read from the history's file
    qint64 m_sent = 0;   // the last row handed to the client in this connection
    qint64 m_maxBacklog = MaxBacklogRows;
    std::deque<TInFlight> m_inFlight;
    QTimer m_poll;
    bool m_pumping = false;
};
