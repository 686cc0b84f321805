#include "broker/EventPublisher.h"

#include "broker/MqttClient.h"
#include "broker/TopicNames.h"
#include "history/HistoryReader.h"
#include "history/HistoryStore.h"
#include "platform/StationClock.h"
#include "station/StationEvent.h"

TEventPublisher::TEventPublisher(TMqttClient& client, THistoryStore& store, TPrinterTopics& topics,
                                 const QString& stationName, const QString& cursorName, QObject* parent)
    : QObject(parent), m_client(client), m_store(store), m_topics(topics), m_stationName(stationName),
      m_root(TopicNames::StationRoot(stationName)), m_cursorName(cursorName)
{
    connect(&client, &TMqttClient::Disconnected, this, &TEventPublisher::OnDisconnected);
    connect(&client, &TMqttClient::Published, this, &TEventPublisher::OnPublished);
    connect(&store, &THistoryStore::Committed, this, &TEventPublisher::Pump);
    m_poll.setInterval(PollMs);
    connect(&m_poll, &QTimer::timeout, this, &TEventPublisher::Pump);
    m_poll.start();
    // A history that has no file yet holds only what this program will record.
    if (!OpenReader())
        m_acked = 0;
}

TEventPublisher::~TEventPublisher() = default;

// The file may not exist yet when the program starts.
bool TEventPublisher::OpenReader()
{
    if (!m_reader || !m_reader->HasTable())
        m_reader = std::make_unique<THistoryReader>(m_store.Path());
    if (!m_reader->HasTable())
        return false;
    if (m_acked < 0) {
        m_acked = m_reader->Cursor(m_cursorName);
        if (m_acked == 0) {
            m_acked = m_reader->LastSeq();
            m_store.SetCursor(m_cursorName, m_acked);
        }
        m_sent = m_acked;
    }
    return true;
}

bool TEventPublisher::IsIdle()
{
    return m_inFlight.empty() && (!OpenReader() || m_reader->LastSeq() <= m_acked);
}

QString TEventPublisher::TopicOf(const THistoryRow& row) const
{
    const QJsonObject printer = row.Event.value(QLatin1String("printer")).toObject();
    if (printer.isEmpty())
        return StationTopic();
    return m_root +
           m_topics.LevelFor(printer.value(QLatin1String("name")).toString(),
                             printer.value(QLatin1String("address")).toString()) +
           QLatin1String("/event");
}

QByteArray TEventPublisher::PayloadOf(const THistoryRow& row) const
{
    QJsonObject event = row.Event;
    event.insert(QStringLiteral("station"), m_stationName);
    event.insert(QStringLiteral("hash"), row.Hash);
    return StationEventJson::Canonical(event);
}

bool TEventPublisher::Send(const QString& topic, const QByteArray& payload, qint64 seq)
{
    const int mid = m_client.Publish(topic.toUtf8(), payload, 1, false);
    if (mid < 0)
        return false;
    m_inFlight.push_back({mid, seq, topic, false});
    m_sent = seq;
    return true;
}

bool TEventPublisher::SendGap(qint64 firstSeq, qint64 lastSeq, const char* reason)
{
    const QJsonObject gap{{QStringLiteral("kind"), QStringLiteral("broker-gap")},
                          {QStringLiteral("station"), m_stationName},
                          {QStringLiteral("time"), StationEventJson::UtcText(StationClock::Now())},
                          {QStringLiteral("values"), QJsonObject{{QStringLiteral("firstSeq"), firstSeq},
                                                                 {QStringLiteral("lastSeq"), lastSeq},
                                                                 {QStringLiteral("rows"), lastSeq - firstSeq + 1},
                                                                 {QStringLiteral("reason"), QLatin1String(reason)}}}};
    return Send(StationTopic(), StationEventJson::Canonical(gap), lastSeq);
}

// The pages are read when half the window is free, not at every acknowledgement.
void TEventPublisher::Pump()
{
    if (m_pumping || !m_client.IsConnected() || m_inFlight.size() > size_t(InFlight / 2) || !OpenReader())
        return;
    m_pumping = true;
    if (const qint64 last = m_reader->LastSeq(); last - m_sent > m_maxBacklog) {
        if (!SendGap(m_sent + 1, last - m_maxBacklog, "backlog")) {
            m_pumping = false;
            return;
        }
    }
    bool sending = true;
    while (sending && m_inFlight.size() < size_t(InFlight)) {
        const QList<THistoryRow> rows = m_reader->RowsAfter(m_sent, InFlight - int(m_inFlight.size()));
        for (const THistoryRow& row : rows) {
            // Rows pruned, or never committed by a writer that failed: said, not waited for.
            if (row.Seq > m_sent + 1 && !SendGap(m_sent + 1, row.Seq - 1, "missing"))
                break;
            if (!(sending = Send(TopicOf(row), PayloadOf(row), row.Seq)))
                break;
        }
        sending = sending && !rows.isEmpty();
    }
    m_pumping = false;
}

void TEventPublisher::Resume()
{
    m_inFlight.clear();
    m_sent = std::max<qint64>(m_acked, 0);
    Pump();
}

// What was not acknowledged goes again on the next connection.
void TEventPublisher::OnDisconnected()
{
    m_inFlight.clear();
    m_sent = std::max<qint64>(m_acked, 0);
}

void TEventPublisher::OnPublished(int mid, int reasonCode)
{
    const auto message = std::find_if(m_inFlight.begin(), m_inFlight.end(),
                                       [mid](const TInFlight& entry) { return entry.Mid == mid && !entry.Acknowledged; });
    if (message == m_inFlight.end())
        return; // not one of the events (a status, a state, a result)
    message->Acknowledged = true;
    if (reasonCode >= 128)
        emit Refused(message->Topic, reasonCode);
    const qint64 before = m_acked;
    while (!m_inFlight.empty() && m_inFlight.front().Acknowledged) {
        m_acked = m_inFlight.front().Seq;
        m_inFlight.pop_front();
    }
    if (m_acked != before)
        m_store.SetCursor(m_cursorName, m_acked);
    Pump();
}
