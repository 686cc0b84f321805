#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>

#include <optional>

struct TMqttMessage;

// The commands a remote client may give a printer of the station.
enum class TRemoteVerb
{
    Start,     // "image", and "imageB" for the two-head model
    Stop,
    Answer,    // "answer" to the printer's open operator request: a text, a number, or "YYYY-MM-DD"
    ClockSync, // the printer's clock to the station's
    Transfer,  // "path" of a design file in the folder the settings allow
};

// A command as it came on "vex/v1/<station>/<printer>/cmd/<verb>", read strictly: a JSON object of
// at most MaxPayloadBytes, with a request id, the client's id, and exactly the arguments of its
// verb. Whatever could be read is kept for the answer, also when the command is refused.
struct TRemoteCommand
{
    static constexpr qsizetype MaxPayloadBytes = 4096;
    static constexpr qsizetype MaxIdLength = 128;
    static constexpr qsizetype MaxImageLength = 255;
    static constexpr qsizetype MaxPathLength = 4096;
    static constexpr qsizetype MaxResponseTopicLength = 256;
    static constexpr qsizetype MaxCorrelationLength = 256;
    // The user property that names the client (MQTT does not tell a subscriber who published).
    static constexpr char ClientProperty[] = "client-id";

    std::optional<TRemoteVerb> Verb;
    QString VerbName;     // as the topic names it (made safe, for the answer's topic)
    QString PrinterLevel; // the printer's topic level
    QString RequestId;
    QString Client;
    QString Image;
    QString ImageB;
    QJsonValue Answer;
    QString Path;
    // Where the client asked for the answer besides the result topic (MQTT 5), if it may have it.
    QByteArray ResponseTopic;
    QByteArray CorrelationData;
    // Empty when the command was read; otherwise why it is refused.
    QString Refusal;

    // The message on a topic under the station's root; levels is the rest of the topic after it.
    static TRemoteCommand Read(const TMqttMessage& message, const QString& levels);
    static QString VerbText(TRemoteVerb verb);
    bool IsRefused() const { return !Refusal.isEmpty(); }
};
