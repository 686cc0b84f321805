#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QString>

class TLineModel;
class TMqttClient;
class TPrinterTopics;
struct TPrinterLineState;

// Each printer's whole state, as the line model holds it, retained on its state topic: published on
// every change, and every printer's again whenever the station connects to the broker (retained
// messages of an earlier connection may be gone with a broker that keeps nothing). A printer the
// station no longer knows has its retained state cleared. A printer whose name it does not know yet
// has no topic and is published once it has reported its name.
class TStatePublisher : public QObject
{
    Q_OBJECT

public:
    TStatePublisher(TMqttClient& client, TLineModel& line, TPrinterTopics& topics, const QString& stationName,
                    QObject* parent = nullptr);

    void PublishAll();
    // The payload of a state, without the time it is published at (which PayloadOf adds).
    QJsonObject StateObject(const TPrinterLineState& state) const;
    QByteArray PayloadOf(const TPrinterLineState& state) const;
    QString TopicOf(const TPrinterLineState& state) const;

private:
    void Publish(const TPrinterLineState& state);
    void Clear(quint64 id);

    TMqttClient& m_client;
    TLineModel& m_line;
    TPrinterTopics& m_topics;
    QString m_stationName;
    QString m_root;
    QHash<quint64, QString> m_topicOf;      // the printers with a retained state, by channel id
    QHash<quint64, QJsonObject> m_published; // what was published last in this connection
};
