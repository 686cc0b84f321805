#pragma once

#include <QByteArray>
#include <QString>

namespace TestSupport {
// "01 00 0A" -> bytes; spaces are ignored.
QByteArray Hex(const char* spacedHex);
// bytes -> "01 00 0A", for readable failure messages.
QString ToHex(const QByteArray& bytes);
} // namespace TestSupport
