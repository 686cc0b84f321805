#include "PrinterTarget.h"

#include <QHostAddress>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {
// An address (IPv4 or IPv6) or a host name. Four numbers with dots that are no address (999.1.1.1)
// are no host name either: a name's last label is never a number.
bool IsHost(const QString& host)
{
    if (!QHostAddress(host).isNull())
        return true;
    static const QRegularExpression label(QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?$"));
    const QStringList labels = host.split(QLatin1Char('.'));
    bool lastIsNumber = false;
    labels.last().toUInt(&lastIsNumber);
    return host.size() <= 253 && !lastIsNumber &&
           std::all_of(labels.begin(), labels.end(),
                       [](const QString& part) { return label.match(part).hasMatch(); });
}
} // namespace

bool TPrinterTarget::SplitNetwork(const QString& hostAndPort, QString& host, quint16& port)
{
    host = hostAndPort.section(QLatin1Char(':'), 0, 0);
    const QString portText = hostAndPort.section(QLatin1Char(':'), 1);
    bool ok = true;
    port = portText.isEmpty() ? DefaultPort : portText.toUShort(&ok);
    return IsHost(host) && ok && port != 0;
}
