#include "broker/RemoteCommand.h"

#include "broker/MqttClient.h"
#include "broker/TopicNames.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <array>

namespace {

struct TVerbRule
{
    TRemoteVerb Verb;
    const char* Name;
    std::array<const char*, 2> Arguments; // besides requestId and client
};

constexpr std::array<TVerbRule, 5> Verbs{{
    {TRemoteVerb::Start, "start", {"image", "imageB"}},
    {TRemoteVerb::Stop, "stop", {}},
    {TRemoteVerb::Answer, "answer", {"answer"}},
    {TRemoteVerb::ClockSync, "clock-sync", {}},
    {TRemoteVerb::Transfer, "transfer", {"path"}},
}};

// Outside text in a refusal: cut, and without control characters.
QString Shown(const QString& text)
{
    QString shown = text.left(64);
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    return shown;
}

// Printable text of at most maxLength characters: no control characters.
bool IsPlainText(const QString& text, qsizetype maxLength)
{
    return text.size() <= maxLength &&
           std::none_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// A string field of the object: true when absent (and optional) or fitting; the refusal otherwise.
bool ReadText(const QJsonObject& object, const char* key, qsizetype maxLength, bool required, QString& value,
              QString& refusal)
{
    const QJsonValue field = object.value(QLatin1String(key));
    if (field.isUndefined()) {
        if (required)
            refusal = QStringLiteral("\"%1\" is missing").arg(QLatin1String(key));
        return !required;
    }
    if (!field.isString() || field.toString().isEmpty() || !IsPlainText(field.toString(), maxLength)) {
        refusal = QStringLiteral("\"%1\" must be a text of 1 to %2 characters without control characters")
                      .arg(QLatin1String(key))
                      .arg(maxLength);
        return false;
    }
    value = field.toString();
    return true;
}

QString ClientFromProperties(const TMqttMessage& message)
{
    for (const auto& [name, value] : message.UserProperties)
        if (name == TRemoteCommand::ClientProperty)
            return QString::fromUtf8(value);
    return {};
}

void ReadResponse(const TMqttMessage& message, TRemoteCommand& command)
{
    // Only a topic outside the station's namespace: an answer may not stand for a station's message.
    const QByteArray& topic = message.ResponseTopic;
    if (topic.isEmpty() || topic.size() > TRemoteCommand::MaxResponseTopicLength || topic.startsWith("vex/") ||
        topic.contains('+') || topic.contains('#') || message.CorrelationData.size() > TRemoteCommand::MaxCorrelationLength)
        return;
    command.ResponseTopic = topic;
    command.CorrelationData = message.CorrelationData;
}

void ReadArguments(const QJsonObject& object, const TVerbRule& rule, TRemoteCommand& command)
{
    QSet<QString> allowed{QStringLiteral("requestId"), QStringLiteral("client")};
    for (const char* argument : rule.Arguments)
        if (argument)
            allowed.insert(QLatin1String(argument));
    for (auto key = object.begin(); key != object.end(); ++key)
        if (!allowed.contains(key.key())) {
            command.Refusal = QStringLiteral("\"%1\" is not an argument of %2")
                                  .arg(Shown(key.key()), command.VerbName);
            return;
        }
    QString& refusal = command.Refusal;
    switch (*command.Verb) {
    case TRemoteVerb::Start:
        if (ReadText(object, "image", TRemoteCommand::MaxImageLength, true, command.Image, refusal))
            ReadText(object, "imageB", TRemoteCommand::MaxImageLength, false, command.ImageB, refusal);
        return;
    case TRemoteVerb::Answer:
        command.Answer = object.value(QLatin1String("answer"));
        if (!command.Answer.isString() && !command.Answer.isDouble())
            refusal = QStringLiteral("\"answer\" must be a text, a number or a date (YYYY-MM-DD)");
        return;
    case TRemoteVerb::Transfer:
        ReadText(object, "path", TRemoteCommand::MaxPathLength, true, command.Path, refusal);
        return;
    case TRemoteVerb::Stop:
    case TRemoteVerb::ClockSync:
        return;
    }
}

} // namespace

QString TRemoteCommand::VerbText(TRemoteVerb verb)
{
    for (const TVerbRule& rule : Verbs)
        if (rule.Verb == verb)
            return QLatin1String(rule.Name);
    return {};
}

TRemoteCommand TRemoteCommand::Read(const TMqttMessage& message, const QString& levels)
{
    TRemoteCommand command;
    const QStringList parts = levels.split(QLatin1Char('/'));
    command.PrinterLevel = parts.value(0);
    command.VerbName = TopicNames::SafeLevel(parts.value(2));
    ReadResponse(message, command);
    if (parts.size() != 3 || parts[1] != QLatin1String("cmd")) {
        command.Refusal = QStringLiteral("not a command topic");
        return command;
    }
    const auto rule = std::find_if(Verbs.begin(), Verbs.end(),
                                   [&](const TVerbRule& entry) { return parts[2] == QLatin1String(entry.Name); });
    if (rule != Verbs.end())
        command.Verb = rule->Verb;
    if (message.Payload.size() > MaxPayloadBytes) {
        command.Refusal = QStringLiteral("the command is larger than %1 bytes").arg(MaxPayloadBytes);
        return command;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(message.Payload, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        command.Refusal = QStringLiteral("the command is not a JSON object");
        return command;
    }
    const QJsonObject object = document.object();
    if (!ReadText(object, "requestId", MaxIdLength, true, command.RequestId, command.Refusal))
        return command;
    command.Client = ClientFromProperties(message);
    if (!IsPlainText(command.Client, MaxIdLength) || command.Client.isEmpty()) {
        command.Client.clear();
        if (!ReadText(object, "client", MaxIdLength, false, command.Client, command.Refusal))
            return command;
    }
    if (command.Client.isEmpty()) {
        command.Refusal = QStringLiteral("the client's id is missing (the user property \"%1\" or \"client\")")
                              .arg(QLatin1String(ClientProperty));
        return command;
    }
    if (!command.Verb) {
        command.Refusal = QStringLiteral("unknown command: %1").arg(command.VerbName);
        return command;
    }
    ReadArguments(object, *rule, command);
    return command;
}
