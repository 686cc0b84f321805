#include "MqttDocument.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

#ifndef VEX_MQTT_DOCUMENT
#define VEX_MQTT_DOCUMENT ""
#endif

namespace {
QString Difference(const QJsonValue& example, const QJsonValue& payload, const QString& where)
{
    if (example.isNull() || payload.isNull())
        return {};
    if (example.type() != payload.type())
        return QStringLiteral("%1: type %2 in the document, %3 in the payload").arg(where).arg(example.type()).arg(payload.type());
    if (example.isArray()) {
        const QJsonArray a = example.toArray();
        const QJsonArray b = payload.toArray();
        return a.isEmpty() || b.isEmpty() ? QString() : Difference(a.first(), b.first(), where + QLatin1String("[]"));
    }
    if (!example.isObject())
        return {};
    const QJsonObject a = example.toObject();
    const QJsonObject b = payload.toObject();
    if (a.keys() != b.keys())
        return QStringLiteral("%1: keys %2 in the document, %3 in the payload")
            .arg(where, a.keys().join(QLatin1Char(',')), b.keys().join(QLatin1Char(',')));
    for (const QString& key : a.keys())
        if (const QString difference = Difference(a.value(key), b.value(key), where + QLatin1Char('.') + key);
            !difference.isEmpty())
            return difference;
    return {};
}
} // namespace

QJsonObject MqttDocument::Example(const QString& name)
{
    QFile file(QStringLiteral(VEX_MQTT_DOCUMENT));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    const QString fence = QStringLiteral("```json %1\n").arg(name);
    const qsizetype start = text.indexOf(fence);
    if (start < 0)
        return {};
    const qsizetype from = start + fence.size();
    const qsizetype end = text.indexOf(QLatin1String("```"), from);
    return QJsonDocument::fromJson(text.mid(from, end - from).toUtf8()).object();
}

QString MqttDocument::ShapeDifference(const QJsonObject& example, const QJsonObject& payload)
{
    if (example.isEmpty())
        return QStringLiteral("the document has no such example");
    return Difference(example, payload, QStringLiteral("payload"));
}
