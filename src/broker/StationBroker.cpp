#include "broker/StationBroker.h"

#include "VexVersion.h"
#include "broker/EventPublisher.h"
#include "broker/RemoteCommand.h"
#include "broker/RemoteControl.h"
#include "broker/StatePublisher.h"
#include "history/HistoryStore.h"
#include "platform/StationClock.h"
#include "station/Station.h"

#include <QJsonObject>

namespace {
TMqttClient::TOptions ClientOptions(const TBrokerSettings& settings, const QString& program, const QString& root,
                                    const QByteArray& will)
{
    TMqttClient::TOptions options;
    options.Host = settings.Host;
    options.Port = settings.Port;
    options.Tls = settings.Tls;
    options.Username = settings.Username;
    options.Password = settings.Password;
    options.CaFile = settings.CaFile;
    options.CertFile = settings.CertFile;
    options.KeyFile = settings.KeyFile;
    // One connection per program and station: vex and vexd of one station do not push each other off.
    options.ClientId = (program + QLatin1Char('/') + TopicNames::SafeLevel(settings.StationName)).toUtf8();
    options.WillTopic = (root + QLatin1String("status")).toUtf8();
    options.WillPayload = will;
    options.FirstRetryMs = settings.RetryMs;
    options.MaxRetryMs = TBrokerSettings::MaxRetryMs;
    return options;
}
} // namespace

TStationBroker::TStationBroker(const TBrokerSettings& settings, const QString& program, TStation& station,
                               THistoryStore& history, TRemoteOperatorView* operatorView, TPermission permission,
                               QObject* parent)
    : QObject(parent), m_settings(settings), m_program(program), m_root(TopicNames::StationRoot(settings.StationName)),
      m_permission(permission)
{
    m_client = std::make_unique<TMqttClient>(ClientOptions(settings, program, m_root, StatusPayload(false)), this);
    m_events = std::make_unique<TEventPublisher>(*m_client, history, m_topics, settings.StationName,
                                                 QStringLiteral("broker %1 %2").arg(settings.Where(), m_root), this);
    m_states = std::make_unique<TStatePublisher>(*m_client, station.Line(), m_topics, settings.StationName, this);
    m_control = std::make_unique<TRemoteControl>(station, m_topics, operatorView, settings.TransferDirectory,
                                                 [this] { return RemoteControlRefusal(); });
    connect(m_client.get(), &TMqttClient::Connected, this, &TStationBroker::OnConnected);
    connect(m_client.get(), &TMqttClient::Disconnected, this, [this] { emit ConnectedChanged(false); });
    connect(m_client.get(), &TMqttClient::Problem, this, &TStationBroker::OnProblem);
    connect(m_client.get(), &TMqttClient::MessageReceived, this, &TStationBroker::OnMessage);
}

TStationBroker::~TStationBroker() = default;

void TStationBroker::Start()
{
    m_client->Start();
}

void TStationBroker::Stop()
{
    m_client->Stop();
}

QString TStationBroker::RemoteControlRefusal() const
{
    if (!m_settings.RemoteControl)
        return QStringLiteral("remote control is off on this station (REMOTE_CONTROL)");
    if (m_permission == TPermission::SettingsAndOperator && !m_operatorAllows)
        return QStringLiteral("the operator has not allowed remote control");
    return {};
}

void TStationBroker::SetOperatorAllows(bool allows)
{
    if (allows == m_operatorAllows)
        return;
    m_operatorAllows = allows;
    PublishStatus();
}

QByteArray TStationBroker::StatusPayload(bool online) const
{
    return StationEventJson::Canonical({{QStringLiteral("program"), m_program},
                                        {QStringLiteral("remoteControl"), online && RemoteControlRefusal().isEmpty()},
                                        {QStringLiteral("station"), m_settings.StationName},
                                        {QStringLiteral("status"), online ? QStringLiteral("online") : QStringLiteral("offline")},
                                        {QStringLiteral("version"), QLatin1String(VexVersion::Text)}});
}

QString TStationBroker::ProblemText(TMqttProblem problem, const QString& where, const QString& detail)
{
    QString text;
    switch (problem) {
    case TMqttProblem::Unreachable:
        text = tr("The broker %1 cannot be reached (%2).").arg(where, detail);
        break;
    case TMqttProblem::BadCredentials:
        text = tr("The broker %1 refuses the station's user name or password.").arg(where);
        break;
    case TMqttProblem::NotAuthorised:
        text = tr("The broker %1 does not let the station in (not authorised): check MQTT_USERNAME and "
                  "MQTT_PASSWORD.")
                   .arg(where);
        break;
    case TMqttProblem::Tls:
        text = tr("The secure connection to the broker %1 failed (%2): check MQTT_CA_FILE, MQTT_CERT_FILE and "
                  "MQTT_KEY_FILE, and the broker's certificate.")
                   .arg(where, detail);
        break;
    case TMqttProblem::Refused:
        text = tr("The broker %1 refuses the connection (%2).").arg(where, detail);
        break;
    }
    return text + QLatin1Char(' ') + tr("The station goes on working and tries again.");
}

void TStationBroker::OnConnected()
{
    m_saidProblem.reset();
    PublishStatus();
    // Commands are taken when remote control is off too, to be refused with the reason.
    m_client->Subscribe((m_root + QLatin1String("+/cmd/+")).toUtf8(), 1);
    emit ConnectedChanged(true);
    // The states first: a dashboard that reads an event finds its printer's state already there.
    m_states->PublishAll();
    m_events->Resume();
}

void TStationBroker::PublishStatus()
{
    m_client->Publish((m_root + QLatin1String("status")).toUtf8(), StatusPayload(true), 1, true);
}

void TStationBroker::OnProblem(TMqttProblem problem, const QString& detail)
{
    if (m_saidProblem == problem)
        return;
    m_saidProblem = problem;
    emit Problem(ProblemText(problem, m_settings.Where(), detail));
}

void TStationBroker::OnMessage(const TMqttMessage& message)
{
    const QString topic = QString::fromUtf8(message.Topic);
    if (!topic.startsWith(m_root))
        return;
    const TRemoteCommand command = TRemoteCommand::Read(message, topic.mid(m_root.size()));
    Answer(command, m_control->Execute(command));
}

void TStationBroker::Answer(const TRemoteCommand& command, const TRemoteResult& result)
{
    const QString printerLevel = TopicNames::SafeLevel(command.PrinterLevel);
    const QByteArray payload = StationEventJson::Canonical(
        {{QStringLiteral("outcome"), result.Accepted ? QStringLiteral("accepted") : QStringLiteral("refused")},
         {QStringLiteral("printer"), result.PrinterName.isEmpty() ? printerLevel : result.PrinterName},
         {QStringLiteral("reason"), result.Reason},
         {QStringLiteral("requestId"), command.RequestId},
         {QStringLiteral("station"), m_settings.StationName},
         {QStringLiteral("time"), StationEventJson::UtcText(StationClock::Now())},
         {QStringLiteral("verb"), command.VerbName}});
    m_client->Publish((m_root + printerLevel + QLatin1String("/cmd/") + command.VerbName + QLatin1String("/result")).toUtf8(),
                      payload, 1, false);
    if (!command.ResponseTopic.isEmpty())
        m_client->Publish(command.ResponseTopic, payload, 1, false, command.CorrelationData);
}
