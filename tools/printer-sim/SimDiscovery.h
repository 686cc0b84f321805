#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QObject>
#include <QUdpSocket>

class TSimFaults;

// Answers the station's discovery request (00 00 00 F8) with the 74-byte reply that names the
// printer's TCP ports. The reply goes out from a second, unbound socket: its source is then the
// address the route gives (127.0.0.1 on loopback), also when the listening socket is bound to the
// loopback broadcast address 127.255.255.255, which lets several simulators share one port.
class TSimDiscovery : public QObject
{
    Q_OBJECT

public:
    static constexpr int ReplySize = 74;

    explicit TSimDiscovery(const TSimFaults& faults, QObject* parent = nullptr);

    void SetPorts(quint16 portA, quint16 portB);
    // Binds with the address shared; false (with ErrorString) when that fails.
    bool Listen(const QHostAddress& address, quint16 port);
    quint16 LocalPort() const { return m_listener.localPort(); }
    QString ErrorString() const { return m_listener.errorString(); }

    static bool IsRequest(QByteArrayView datagram);
    // 00 00 00 F9, zeros, port A low byte first at 24, port B low byte first at 72.
    static QByteArray Reply(quint16 portA, quint16 portB);

private:
    void OnReadyRead();
    void WarnIfReplyComesBackHere(const QNetworkDatagram& request);

    const TSimFaults& m_faults;
    QUdpSocket m_listener;
    QUdpSocket m_replier;
    quint16 m_portA = 0;
    quint16 m_portB = 0;
    bool m_warnedReplyComesBack = false;
};
