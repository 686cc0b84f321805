#pragma once

#include "broker/MqttClient.h"

#include <QJsonObject>
#include <QList>
#include <QObject>

// A subscriber in the test: connects to the broker, subscribes to a pattern and keeps every message
// that comes, in order (retained ones first, as the broker sends them).
class TMqttProbe : public QObject
{
    Q_OBJECT

public:
    explicit TMqttProbe(quint16 port, const QByteArray& pattern = "vex/#", const QByteArray& clientId = "probe");
    // A connection of these options (TLS), retrying quickly.
    TMqttProbe(TMqttClient::TOptions options, const QByteArray& pattern);
    static TMqttClient::TOptions Options(quint16 port, const QByteArray& clientId);

    // True once connected and subscribed (within the time).
    bool Connect(int timeoutMs = 5000);
    void Publish(const QByteArray& topic, const QByteArray& payload);

    QList<TMqttMessage> Messages;
    // The messages on that topic, their payloads as JSON objects.
    QList<QJsonObject> On(const QString& topic) const;
    // Those whose topic ends so (".../status", "/event").
    QList<QJsonObject> EndingIn(const QString& end) const;
    TMqttClient& Client() { return m_client; }

private:
    TMqttClient m_client;
    QByteArray m_pattern;
    bool m_subscribed = false;
};
