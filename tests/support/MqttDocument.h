#pragma once

#include <QJsonObject>
#include <QString>

// The payload examples of docs/mqtt.md, so that tests hold real payloads against what the document
// promises: each is a block fenced as "```json NAME".
namespace MqttDocument {

// The example of that name; empty when the document has none.
QJsonObject Example(const QString& name);
// Where the payload's shape differs from the example's: the same keys, each of the same JSON type,
// in nested objects too, and the elements of arrays alike. A null on either side stands for a value
// that may be absent ("lastFault": null or an object). Empty when they agree.
QString ShapeDifference(const QJsonObject& example, const QJsonObject& payload);

} // namespace MqttDocument
