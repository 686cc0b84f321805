#include "TestSupport.h"

#include "comm/NetChannel.h"
#include "station/ConnectionManager.h"

#include <QPointer>
#include <QTest>

QByteArray TestSupport::Hex(const char* spacedHex)
{
    return QByteArray::fromHex(QByteArray(spacedHex).replace(' ', ""));
}

QString TestSupport::ToHex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ')).toUpper();
}

QByteArray TestSupport::DiscoveryReply(quint16 portA, quint16 portB, const QByteArray& head)
{
    QByteArray reply(TNetworkList::ReplySize, '\0');
    reply.replace(0, 4, head);
    reply[24] = char(portA & 0xFF);
    reply[25] = char(portA >> 8);
    reply[72] = char(portB & 0xFF);
    reply[73] = char(portB >> 8);
    return reply;
}

quint64 TestSupport::StartConnectingOverTcp(TConnectionManager& manager, quint16 port)
{
    const QPointer<TNetChannel> channel = manager.AddNetworkPrinter(QStringLiteral("127.0.0.1"), port);
    if (!QTest::qWaitFor([&] { return !channel || channel->Probed(); }) || !channel)
        return 0;
    channel->Close(); // ends the probe: connecting opens the link afresh
    manager.ConnectPrinter(channel->Id());
    return channel->Id();
}
