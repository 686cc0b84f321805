#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace JsonKeys {

// The first key that an object of the JSON text gives twice, as its path ("items[2].pattern"):
// QJsonDocument keeps only one of them, and a file that says two things must not be read as
// saying one. text must be JSON that QJsonDocument has read.
std::optional<QString> FirstDuplicate(const QByteArray& text);

// The path of a field of the object at path, and of an entry of the list at path.
QString FieldPath(const QString& path, const QString& key);
QString EntryPath(const QString& path, qsizetype index);

} // namespace JsonKeys
