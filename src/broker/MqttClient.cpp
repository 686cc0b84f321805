#include "broker/MqttClient.h"

#include <QSocketNotifier>

#include <mosquitto.h>
#include <mqtt_protocol.h>

#include <mutex>

namespace {
constexpr int HousekeepingMs = 500;
// What a socket notifier reads or writes at once is up to the library.
constexpr int PacketsPerCall = 1;
// The user properties of a message that are kept; a message may carry any number.
constexpr qsizetype MaxUserProperties = 16;

void InitialiseLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { mosquitto_lib_init(); });
}

QByteArray Local(const QString& text)
{
    return text.toLocal8Bit();
}

const char* OrNull(const QByteArray& text)
{
    return text.isEmpty() ? nullptr : text.constData();
}

QString LibraryText(int result)
{
    return QString::fromUtf8(mosquitto_strerror(result));
}
} // namespace

TMqttClient::TMqttClient(TOptions options, QObject* parent)
    : QObject(parent), m_options(std::move(options)), m_pauseMs(m_options.FirstRetryMs)
{
    InitialiseLibrary();
    m_housekeeping.setInterval(HousekeepingMs);
    connect(&m_housekeeping, &QTimer::timeout, this, [this] {
        if (m_mosq)
            AfterLoop(mosquitto_loop_misc(m_mosq));
    });
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &TMqttClient::Connect);
    m_connectTimeout.setSingleShot(true);
    m_connectTimeout.setInterval(m_options.ConnectTimeoutMs);
    connect(&m_connectTimeout, &QTimer::timeout, this, [this] {
        Drop(TMqttProblem::Unreachable, LibraryText(MOSQ_ERR_TIMEOUT));
    });
}

TMqttClient::~TMqttClient()
{
    Release();
}

template <typename Tell> void TMqttClient::Later(Tell tell)
{
    QMetaObject::invokeMethod(this, std::move(tell), Qt::QueuedConnection);
}

void TMqttClient::Start()
{
    if (m_running)
        return;
    m_running = true;
    m_pauseMs = m_options.FirstRetryMs;
    Connect();
}

void TMqttClient::Stop()
{
    m_running = false;
    m_retry.stop();
    if (m_mosq && m_connected) {
        // The broker publishes the will for this reason too: the station is offline.
        mosquitto_disconnect_v5(m_mosq, MQTT_RC_DISCONNECT_WITH_WILL_MSG, nullptr);
        for (int attempt = 0; attempt < 100 && mosquitto_want_write(m_mosq); ++attempt)
            if (mosquitto_loop_write(m_mosq, PacketsPerCall) != MOSQ_ERR_SUCCESS)
                break;
    }
    const bool wasConnected = m_connected;
    Release();
    if (wasConnected)
        Later([this] { emit Disconnected(); });
}

bool TMqttClient::Configure(QString& detail)
{
    mosquitto_int_option(m_mosq, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V5);
    mosquitto_connect_v5_callback_set(m_mosq, &TMqttClient::OnConnect);
    mosquitto_disconnect_v5_callback_set(m_mosq, &TMqttClient::OnDisconnect);
    mosquitto_publish_v5_callback_set(m_mosq, &TMqttClient::OnPublish);
    mosquitto_message_v5_callback_set(m_mosq, &TMqttClient::OnMessage);
    int result = MOSQ_ERR_SUCCESS;
    if (!m_options.Username.isEmpty())
        result = mosquitto_username_pw_set(m_mosq, m_options.Username.toUtf8().constData(),
                                           m_options.Password.isEmpty() ? nullptr : m_options.Password.toUtf8().constData());
    if (result == MOSQ_ERR_SUCCESS && m_options.Tls) {
        const QByteArray caFile = Local(m_options.CaFile);
        const QByteArray certFile = Local(m_options.CertFile);
        const QByteArray keyFile = Local(m_options.KeyFile);
        result = mosquitto_tls_set(m_mosq, OrNull(caFile), caFile.isEmpty() ? "/etc/ssl/certs" : nullptr,
                                   OrNull(certFile), OrNull(keyFile), nullptr);
        if (result != MOSQ_ERR_SUCCESS) {
            detail = LibraryText(result);
            Drop(TMqttProblem::Tls, detail);
            return false;
        }
    }
    if (result == MOSQ_ERR_SUCCESS && !m_options.WillTopic.isEmpty())
        result = mosquitto_will_set_v5(m_mosq, m_options.WillTopic.constData(), int(m_options.WillPayload.size()),
                                       m_options.WillPayload.constData(), 1, true, nullptr);
    if (result != MOSQ_ERR_SUCCESS) {
        detail = LibraryText(result);
        Drop(TMqttProblem::Refused, detail);
        return false;
    }
    return true;
}

void TMqttClient::Connect()
{
    Release();
    if (!m_running)
        return;
    m_refusal = 0;
    m_mosq = mosquitto_new(m_options.ClientId.constData(), true, this);
    if (!m_mosq)
        return Drop(TMqttProblem::Refused, LibraryText(MOSQ_ERR_NOMEM));
    QString detail;
    if (!Configure(detail))
        return;
    // The address is given as the settings name it. For a name the system resolves it; the
    // connection itself does not wait.
    const int result = mosquitto_connect_bind_async(m_mosq, m_options.Host.toUtf8().constData(), m_options.Port,
                                                    m_options.KeepAliveSeconds, nullptr);
    if (result != MOSQ_ERR_SUCCESS && result != MOSQ_ERR_CONN_PENDING)
        return Drop(TMqttProblem::Unreachable, result == MOSQ_ERR_ERRNO ? QString::fromLocal8Bit(strerror(errno))
                                                                        : LibraryText(result));
    m_connectTimeout.start();
    m_housekeeping.start();
    Watch();
}

// The library may change its socket (it closes it when the connection ends): the notifiers follow.
void TMqttClient::Watch()
{
    const int socket = m_mosq ? mosquitto_socket(m_mosq) : -1;
    if (socket != m_socket) {
        for (QSocketNotifier* notifier : {m_read.data(), m_write.data()})
            if (notifier) {
                notifier->setEnabled(false);
                notifier->deleteLater();
            }
        m_socket = socket;
        if (socket >= 0) {
            m_read = new QSocketNotifier(socket, QSocketNotifier::Read, this);
            connect(m_read, &QSocketNotifier::activated, this, [this] {
                if (m_mosq)
                    AfterLoop(mosquitto_loop_read(m_mosq, PacketsPerCall));
            });
            m_write = new QSocketNotifier(socket, QSocketNotifier::Write, this);
            connect(m_write, &QSocketNotifier::activated, this, [this] {
                if (m_mosq)
                    AfterLoop(mosquitto_loop_write(m_mosq, PacketsPerCall));
            });
        }
    }
    if (m_write)
        m_write->setEnabled(m_mosq && mosquitto_want_write(m_mosq));
}

void TMqttClient::AfterLoop(int result)
{
    if (result == MOSQ_ERR_SUCCESS && m_mosq && mosquitto_socket(m_mosq) >= 0)
        return Watch();
    if (m_refusal == MQTT_RC_BAD_USERNAME_OR_PASSWORD || m_refusal == CONNACK_REFUSED_BAD_USERNAME_PASSWORD)
        return Drop(TMqttProblem::BadCredentials, QString::fromUtf8(mosquitto_reason_string(m_refusal)));
    if (m_refusal == MQTT_RC_NOT_AUTHORIZED || m_refusal == CONNACK_REFUSED_NOT_AUTHORIZED)
        return Drop(TMqttProblem::NotAuthorised, QString::fromUtf8(mosquitto_reason_string(m_refusal)));
    if (m_refusal != 0)
        return Drop(TMqttProblem::Refused, QString::fromUtf8(mosquitto_reason_string(m_refusal)));
    const bool tlsFailed = m_options.Tls && !m_connected &&
                           (result == MOSQ_ERR_TLS || result == MOSQ_ERR_TLS_HANDSHAKE || result == MOSQ_ERR_CONN_LOST ||
                            result == MOSQ_ERR_PROTOCOL);
    if (tlsFailed)
        return Drop(TMqttProblem::Tls, LibraryText(result));
    Drop(TMqttProblem::Unreachable,
         result == MOSQ_ERR_ERRNO ? QString::fromLocal8Bit(strerror(errno)) : LibraryText(result));
}

void TMqttClient::Drop(TMqttProblem problem, const QString& detail)
{
    const bool wasConnected = m_connected;
    Release();
    if (wasConnected)
        Later([this] { emit Disconnected(); });
    Later([this, problem, detail] { emit Problem(problem, detail); });
    if (!m_running)
        return;
    m_retry.start(m_pauseMs);
    m_pauseMs = std::min(m_pauseMs * 2, std::max(m_options.MaxRetryMs, m_options.FirstRetryMs));
}

void TMqttClient::Release()
{
    m_connectTimeout.stop();
    m_housekeeping.stop();
    m_connected = false;
    if (m_mosq) {
        mosquitto_destroy(m_mosq); // closes the socket
        m_mosq = nullptr;
    }
    Watch();
}

int TMqttClient::Publish(const QByteArray& topic, const QByteArray& payload, int qos, bool retain,
                         const QByteArray& correlationData)
{
    if (!m_mosq || !m_connected)
        return -1;
    mosquitto_property* properties = nullptr;
    if (!correlationData.isEmpty())
        mosquitto_property_add_binary(&properties, MQTT_PROP_CORRELATION_DATA, correlationData.constData(),
                                      quint16(correlationData.size()));
    int mid = 0;
    const int result = mosquitto_publish_v5(m_mosq, &mid, topic.constData(), int(payload.size()), payload.constData(),
                                            qos, retain, properties);
    mosquitto_property_free_all(&properties);
    if (m_mosq)
        Watch();
    return result == MOSQ_ERR_SUCCESS ? mid : -1;
}

bool TMqttClient::Subscribe(const QByteArray& pattern, int qos)
{
    if (!m_mosq || !m_connected)
        return false;
    const bool subscribed = mosquitto_subscribe_v5(m_mosq, nullptr, pattern.constData(), qos, 0, nullptr) == MOSQ_ERR_SUCCESS;
    Watch();
    return subscribed;
}

void TMqttClient::OnConnect(mosquitto*, void* self, int reasonCode, int, const mosquitto_property*)
{
    auto* client = static_cast<TMqttClient*>(self);
    if (reasonCode != 0) {
        client->m_refusal = reasonCode;
        return;
    }
    client->m_connected = true;
    client->m_connectTimeout.stop();
    client->m_pauseMs = client->m_options.FirstRetryMs;
    client->Later([client] {
        if (client->m_connected)
            emit client->Connected();
    });
}

void TMqttClient::OnDisconnect(mosquitto*, void*, int, const mosquitto_property*)
{
    // The call that lost the connection returns its failure, and that is where it is handled.
}

void TMqttClient::OnPublish(mosquitto*, void* self, int mid, int reasonCode, const mosquitto_property*)
{
    auto* client = static_cast<TMqttClient*>(self);
    client->Later([client, mid, reasonCode] { emit client->Published(mid, reasonCode); });
}

void TMqttClient::OnMessage(mosquitto*, void* self, const mosquitto_message* message,
                            const mosquitto_property* properties)
{
    TMqttMessage received;
    received.Topic = QByteArray(message->topic);
    received.Payload = QByteArray(static_cast<const char*>(message->payload), message->payloadlen);
    for (const mosquitto_property* property = properties; property; property = mosquitto_property_next(property)) {
        char* name = nullptr;
        char* value = nullptr;
        void* data = nullptr;
        uint16_t length = 0;
        switch (mosquitto_property_identifier(property)) {
        case MQTT_PROP_RESPONSE_TOPIC:
            if (mosquitto_property_read_string(property, MQTT_PROP_RESPONSE_TOPIC, &value, false))
                received.ResponseTopic = QByteArray(value);
            break;
        case MQTT_PROP_CORRELATION_DATA:
            if (mosquitto_property_read_binary(property, MQTT_PROP_CORRELATION_DATA, &data, &length, false))
                received.CorrelationData = QByteArray(static_cast<const char*>(data), length);
            break;
        case MQTT_PROP_USER_PROPERTY:
            if (received.UserProperties.size() < MaxUserProperties &&
                mosquitto_property_read_string_pair(property, MQTT_PROP_USER_PROPERTY, &name, &value, false))
                received.UserProperties.append({QByteArray(name), QByteArray(value)});
            break;
        default:
            break;
        }
        free(name);
        free(value);
        free(data);
    }
    auto* client = static_cast<TMqttClient*>(self);
    client->Later([client, received] { emit client->MessageReceived(received); });
}
