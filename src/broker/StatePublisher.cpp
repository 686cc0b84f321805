#include "broker/StatePublisher.h"

#include "broker/MqttClient.h"
#include "broker/TopicNames.h"
#include "coder/PrinterModels.h"
#include "platform/StationClock.h"
#include "station/LineModel.h"
#include "station/StationEvent.h"

#include <QJsonArray>

namespace {
QString ConnectionName(TPrinterLineState::TConnection connection)
{
    switch (connection) {
    case TPrinterLineState::TConnection::Connected:
        return QStringLiteral("connected");
    case TPrinterLineState::TConnection::Reconnecting:
        return QStringLiteral("reconnecting");
    case TPrinterLineState::TConnection::Disconnected:
        break;
    }
    return QStringLiteral("disconnected");
}

QJsonValue TimeOrNull(const QDateTime& time)
{
    return time.isValid() ? QJsonValue(StationEventJson::UtcText(time)) : QJsonValue();
}
} // namespace

TStatePublisher::TStatePublisher(TMqttClient& client, TLineModel& line, TPrinterTopics& topics,
                                 const QString& stationName, QObject* parent)
    : QObject(parent), m_client(client), m_line(line), m_topics(topics), m_stationName(stationName),
      m_root(TopicNames::StationRoot(stationName))
{
    connect(&line, &TLineModel::PrinterChanged, this, &TStatePublisher::Publish);
    connect(&line, &TLineModel::PrinterRemoved, this, &TStatePublisher::Clear);
    connect(&client, &TMqttClient::Disconnected, this, [this] { m_published.clear(); });
}

QString TStatePublisher::TopicOf(const TPrinterLineState& state) const
{
    return m_root + m_topics.LevelFor(TStationEvent::Bounded(state.Name), TStationEvent::Bounded(state.Where())) +
           QLatin1String("/state");
}

QJsonObject TStatePublisher::StateObject(const TPrinterLineState& state) const
{
    const bool reconnecting = state.Connection == TPrinterLineState::TConnection::Reconnecting;
    QJsonArray images{state.ImageA};
    if (state.HasTwoImages())
        images.append(state.ImageB);
    return {{QStringLiteral("connection"), ConnectionName(state.Connection)},
            {QStringLiteral("images"), images},
            {QStringLiteral("ink"),
             QJsonObject{{QStringLiteral("consumable"), state.UsesRibbon() ? QStringLiteral("ribbon") : QStringLiteral("ink")},
                         {QStringLiteral("present"), state.InkLamp()}}},
            {QStringLiteral("lastFault"),
             state.Fault.isEmpty() ? QJsonValue()
                                   : QJsonObject{{QStringLiteral("text"), TStationEvent::Bounded(state.Fault)},
                                                 {QStringLiteral("time"), TimeOrNull(state.FaultTime)}}},
            {QStringLiteral("printCount"), state.PrintCount},
            {QStringLiteral("printer"),
             QJsonObject{{QStringLiteral("address"), TStationEvent::Bounded(state.Where())},
                         {QStringLiteral("model"), PrinterModels::Name(state.Model)},
                         {QStringLiteral("name"), TStationEvent::Bounded(state.Name)}}},
            {QStringLiteral("printing"), state.Printing},
            {QStringLiteral("reconnecting"),
             reconnecting ? QJsonValue(QJsonObject{{QStringLiteral("attempts"), state.Attempts},
                                                   {QStringLiteral("since"), TimeOrNull(state.ReconnectingSince)}})
                          : QJsonValue()},
            {QStringLiteral("station"), m_stationName},
            {QStringLiteral("statusWord"), int(state.StatusWord)}};
}

QByteArray TStatePublisher::PayloadOf(const TPrinterLineState& state) const
{
    QJsonObject object = StateObject(state);
    object.insert(QStringLiteral("time"), StationEventJson::UtcText(StationClock::Now()));
    return StationEventJson::Canonical(object);
}

void TStatePublisher::Publish(const TPrinterLineState& state)
{
    if (state.Name.isEmpty() || !m_client.IsConnected())
        return;
    // What the payload does not hold (the operator's selection) changes nothing on the broker.
    const QJsonObject object = StateObject(state);
    if (m_published.value(state.Id) == object)
        return;
    const QString topic = TopicOf(state);
    const QString before = m_topicOf.value(state.Id);
    if (!before.isEmpty() && before != topic)
        m_client.Publish(before.toUtf8(), {}, 1, true); // another printer answered there: its name changed
    if (m_client.Publish(topic.toUtf8(), PayloadOf(state), 1, true) < 0)
        return;
    m_topicOf.insert(state.Id, topic);
    m_published.insert(state.Id, object);
}

void TStatePublisher::Clear(quint64 id)
{
    const QString topic = m_topicOf.take(id);
    m_published.remove(id);
    if (!topic.isEmpty())
        m_client.Publish(topic.toUtf8(), {}, 1, true); // an empty retained message removes the retained one
}

void TStatePublisher::PublishAll()
{
    m_published.clear();
    for (const TPrinterLineState& state : m_line.States())
        Publish(state);
}
