#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <utility>

class QSocketNotifier;
struct mosquitto;

// A message that came from the broker, with what MQTT 5 adds to it.
struct TMqttMessage
{
    QByteArray Topic;
    QByteArray Payload;
    QByteArray ResponseTopic;
    QByteArray CorrelationData;
    QList<std::pair<QByteArray, QByteArray>> UserProperties;
};

// Why the client is not connected.
enum class TMqttProblem
{
    Unreachable,    // no connection could be made, or it broke
    BadCredentials, // the broker refused the user name or password
    NotAuthorised,  // the broker does not let this client in
    Tls,            // the TLS connection failed: certificate, key, or the broker's certificate
    Refused,        // the broker refused the connection for another reason
};

// One connection to an MQTT broker (MQTT 5, libmosquitto) in the Qt event loop, without a thread of
// its own: its socket is watched by socket notifiers (for writing only while the library has
// something to write), and a timer runs the library's housekeeping (keep-alive, resends). Connecting
// never blocks on the network. A connection that fails or breaks is tried again by itself, after
// a pause that doubles from the first to the longest.
//
// Everything the library reports is told through the signals from the event loop, never from
// inside the library's calls, so a slot may publish, stop or wait for an operator.
class TMqttClient : public QObject
{
    Q_OBJECT

public:
    struct TOptions
    {
        QString Host;
        quint16 Port = 1883;
        bool Tls = false;
        QString Username;
        QString Password;
        QString CaFile; // none: the system's certificate authorities
        QString CertFile;
        QString KeyFile;
        QByteArray ClientId;
        // Published by the broker when the connection ends without a clean disconnect (and by Stop).
        QByteArray WillTopic;
        QByteArray WillPayload;
        int KeepAliveSeconds = 30;
        int FirstRetryMs = 1000;
        int MaxRetryMs = 30000;
        int ConnectTimeoutMs = 10000;
    };

    explicit TMqttClient(TOptions options, QObject* parent = nullptr);
    ~TMqttClient() override;
    TMqttClient(const TMqttClient&) = delete;
    TMqttClient& operator=(const TMqttClient&) = delete;

    void Start();
    // Ends the connection asking the broker to publish the will, as it would for a lost one; no
    // further tries.
    void Stop();
    bool IsConnected() const { return m_connected; }

    // The message's id (told by Published once the broker has it), or -1 without a connection or
    // for a message the library refuses. QoS 0 or 1.
    int Publish(const QByteArray& topic, const QByteArray& payload, int qos, bool retain,
                const QByteArray& correlationData = {});
    bool Subscribe(const QByteArray& pattern, int qos);

signals:
    void Connected();
    // A connection that was up has ended.
    void Disconnected();
    // A try to connect failed, or the connection broke; detail is the library's or the broker's own
    // words.
    void Problem(TMqttProblem problem, const QString& detail);
    // The broker has the message (QoS 1: its acknowledgement); reasonCode 0, or the broker's reason
    // for not taking it (128 and above).
    void Published(int mid, int reasonCode);
    void MessageReceived(const TMqttMessage& message);

private:
    static void OnConnect(mosquitto*, void* self, int reasonCode, int flags, const struct mqtt5__property* properties);
    static void OnDisconnect(mosquitto*, void* self, int reasonCode, const struct mqtt5__property* properties);
    static void OnPublish(mosquitto*, void* self, int mid, int reasonCode, const struct mqtt5__property* properties);
    static void OnMessage(mosquitto*, void* self, const struct mosquitto_message* message,
                          const struct mqtt5__property* properties);

    void Connect();
    bool Configure(QString& detail);
    void Watch();
    void AfterLoop(int result);
    void Drop(TMqttProblem problem, const QString& detail);
    void Release();
    // Tells a signal from the event loop.
    template <typename Tell> void Later(Tell tell);

    TOptions m_options;
    mosquitto* m_mosq = nullptr;
    int m_socket = -1;
    QPointer<QSocketNotifier> m_read;
    QPointer<QSocketNotifier> m_write;
    QTimer m_housekeeping;
    QTimer m_retry;
    QTimer m_connectTimeout;
    int m_pauseMs;
    bool m_running = false;
    bool m_connected = false;
    int m_refusal = 0; // the broker's reason for refusing the connection, from its CONNACK
};
