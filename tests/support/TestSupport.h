#pragma once

#include <QByteArray>
#include <QString>

class TConnectionManager;

namespace TestSupport {
// "01 00 0A" -> bytes; spaces are ignored.
QByteArray Hex(const char* spacedHex);
// bytes -> "01 00 0A", for readable failure messages.
QString ToHex(const QByteArray& bytes);
// A printer's reply to discovery naming its two TCP ports, with another head when given.
QByteArray DiscoveryReply(quint16 portA, quint16 portB, const QByteArray& head = QByteArray("\0\0\0\xF9", 4));
// Names the printer listening on the loopback port to the manager, waits for the manager's probe
// to find it, and starts connecting to it. Its channel's id, or 0 when the probe found nothing.
quint64 StartConnectingOverTcp(TConnectionManager& manager, quint16 port);
} // namespace TestSupport
