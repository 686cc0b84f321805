#include "SimDiscovery.h"

#include "SimFaults.h"
#include "SimLogging.h"

#include <QNetworkDatagram>

namespace {
constexpr int PortAOffset = 24;
constexpr int PortBOffset = 72;

void PutPort(QByteArray& reply, int offset, quint16 port)
{
    reply[offset] = char(port & 0xFF);
    reply[offset + 1] = char(port >> 8);
}
} // namespace

TSimDiscovery::TSimDiscovery(const TSimFaults& faults, QObject* parent) : QObject(parent), m_faults(faults)
{
    connect(&m_listener, &QUdpSocket::readyRead, this, &TSimDiscovery::OnReadyRead);
}

void TSimDiscovery::SetPorts(quint16 portA, quint16 portB)
{
    m_portA = portA;
    m_portB = portB;
}

bool TSimDiscovery::Listen(const QHostAddress& address, quint16 port)
{
    return m_listener.bind(address, port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint);
}

bool TSimDiscovery::IsRequest(QByteArrayView datagram)
{
    return datagram.size() >= 4 && datagram.first(4) == QByteArrayView("\x00\x00\x00\xF8", 4);
}

QByteArray TSimDiscovery::Reply(quint16 portA, quint16 portB)
{
    QByteArray reply(ReplySize, '\0');
    reply[3] = '\xF9';
    PutPort(reply, PortAOffset, portA);
    PutPort(reply, PortBOffset, portB);
    return reply;
}

void TSimDiscovery::OnReadyRead()
{
    while (m_listener.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_listener.receiveDatagram();
        if (m_faults.Silent || !IsRequest(datagram.data()) || datagram.senderPort() <= 0)
            continue;
        WarnIfReplyComesBackHere(datagram);
        m_replier.writeDatagram(Reply(m_portA, m_portB), datagram.senderAddress(),
                                quint16(datagram.senderPort()));
    }
}

void TSimDiscovery::WarnIfReplyComesBackHere(const QNetworkDatagram& request)
{
    // A station whose discovery socket uses this port on all addresses never sees the reply: a
    // datagram to this address and port goes to the socket bound to the address, this one.
    if (m_warnedReplyComesBack || request.senderPort() != m_listener.localPort() ||
        !request.senderAddress().isEqual(m_listener.localAddress()))
        return;
    m_warnedReplyComesBack = true;
    const QString from =
        request.senderAddress().toString() + QLatin1Char(':') + QString::number(request.senderPort());
    qCWarning(lcSim).noquote()
        << "discovery request from" << from
        << "- the address and port this printer listens on: the reply comes back here, "
           "not to the station. Give the station another local discovery port, or let "
           "the printer listen on 127.255.255.255.";
}
