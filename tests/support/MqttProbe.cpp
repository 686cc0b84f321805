#include "MqttProbe.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

TMqttClient::TOptions TMqttProbe::Options(quint16 port, const QByteArray& clientId)
{
    TMqttClient::TOptions options;
    options.Host = QStringLiteral("127.0.0.1");
    options.Port = port;
    options.ClientId = clientId;
    options.FirstRetryMs = 50;
    options.MaxRetryMs = 200;
    return options;
}

TMqttProbe::TMqttProbe(quint16 port, const QByteArray& pattern, const QByteArray& clientId)
    : TMqttProbe(Options(port, clientId), pattern)
{}

TMqttProbe::TMqttProbe(TMqttClient::TOptions options, const QByteArray& pattern)
    : m_client(options), m_pattern(pattern)
{
    const QByteArray clientId = options.ClientId;
    connect(&m_client, &TMqttClient::MessageReceived, this, [this](const TMqttMessage& message) {
        if (message.Topic.startsWith("probe-ready/"))
            m_subscribed = true;
        else
            Messages.append(message);
    });
    connect(&m_client, &TMqttClient::Connected, this, [this, clientId] {
        m_client.Subscribe(m_pattern, 1);
        m_client.Subscribe("probe-ready/" + clientId, 1);
        // The subscriptions are in place once the probe's own message comes back.
        m_client.Publish("probe-ready/" + clientId, "ready", 1, false);
    });
}

bool TMqttProbe::Connect(int timeoutMs)
{
    m_client.Start();
    return QTest::qWaitFor([this] { return m_subscribed; }, timeoutMs);
}

void TMqttProbe::Publish(const QByteArray& topic, const QByteArray& payload)
{
    m_client.Publish(topic, payload, 1, false);
}

QList<QJsonObject> TMqttProbe::On(const QString& topic) const
{
    QList<QJsonObject> payloads;
    for (const TMqttMessage& message : Messages)
        if (QString::fromUtf8(message.Topic) == topic)
            payloads.append(QJsonDocument::fromJson(message.Payload).object());
    return payloads;
}

QList<QJsonObject> TMqttProbe::EndingIn(const QString& end) const
{
    QList<QJsonObject> payloads;
    for (const TMqttMessage& message : Messages)
        if (QString::fromUtf8(message.Topic).endsWith(end))
            payloads.append(QJsonDocument::fromJson(message.Payload).object());
    return payloads;
}
