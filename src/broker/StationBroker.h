#pragma once

#include "broker/BrokerSettings.h"
#include "broker/MqttClient.h"
#include "broker/TopicNames.h"

#include <QObject>

#include <memory>
#include <optional>

class TEventPublisher;
class THistoryStore;
class TRemoteControl;
class TRemoteOperatorView;
class TStatePublisher;
class TStation;
struct TRemoteCommand;
struct TRemoteResult;

// The station on the plant's broker: its status (online, and offline as the will), its printers'
// states (retained) and their events from the history, and the remote commands on its printers' command topics, answered on
// their result topics. It subscribes to its own command topics only. Trouble with the broker (not
// reachable, a wrong password, TLS) is said once in the station's words and the station works on;
// the client tries again by itself.
class TStationBroker : public QObject
{
    Q_OBJECT

public:
    // Remote control needs the settings' REMOTE_CONTROL=1; with an operator (vex) also the operator's
    // permission.
    enum class TPermission
    {
        Settings,
        SettingsAndOperator,
    };

    TStationBroker(const TBrokerSettings& settings, const QString& program, TStation& station, THistoryStore& history,
                   TRemoteOperatorView* operatorView, TPermission permission, QObject* parent = nullptr);
    ~TStationBroker() override;

    void Start();
    // The station closes: the broker publishes its offline status.
    void Stop();

    // The operator allows remote control, or no longer does.
    void SetOperatorAllows(bool allows);
    // Empty while remote commands are taken; otherwise why they are not.
    QString RemoteControlRefusal() const;
    bool IsConnected() const { return m_client->IsConnected(); }

    const QString& Root() const { return m_root; }
    TMqttClient& Client() { return *m_client; }
    TEventPublisher& Events() { return *m_events; }
    TStatePublisher& States() { return *m_states; }
    TPrinterTopics& PrinterTopics() { return m_topics; }

    // The status message: {"program","remoteControl","station","status","version"}.
    QByteArray StatusPayload(bool online) const;
    // What a problem is called in the station's words; never the password.
    static QString ProblemText(TMqttProblem problem, const QString& where, const QString& detail);

signals:
    // Trouble with the broker, said once until the broker is reached again.
    void Problem(const QString& text);
    void ConnectedChanged(bool connected);

private:
    void OnConnected();
    void OnProblem(TMqttProblem problem, const QString& detail);
    void OnMessage(const TMqttMessage& message);
    void PublishStatus();
    void Answer(const TRemoteCommand& command, const TRemoteResult& result);

    TBrokerSettings m_settings;
    QString m_program;
    QString m_root;
    TPermission m_permission;
    bool m_operatorAllows = false;
    TPrinterTopics m_topics;
    std::unique_ptr<TMqttClient> m_client;
    std::unique_ptr<TEventPublisher> m_events;
    std::unique_ptr<TStatePublisher> m_states;
    std::unique_ptr<TRemoteControl> m_control;
    std::optional<TMqttProblem> m_saidProblem;
};
