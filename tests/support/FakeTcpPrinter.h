#pragma once

#include "RecordingChannel.h"
#include "comm/XLPacketAssembler.h"

#include <QTcpServer>
#include <QTcpSocket>

// A printer at the other end of a loopback TCP connection: it acknowledges the packets it gets
// (unless told not to) and sends what the test asks for. On ports 14000-14009 it doubles and
// undoubles 0xFF as the station does.
class TFakeTcpPrinter : public QObject
{
public:
    explicit TFakeTcpPrinter(quint16 port = 0);

    bool IsListening() const { return m_server.isListening(); }
    quint16 Port() const { return m_server.serverPort(); }
    QTcpSocket* Socket() const { return m_socket; }

    void Send(const TXLMessage& message, quint8 messageNo);
    void WriteWire(const QByteArray& wire);

    bool Acknowledges = true;
    int Connections = 0;
    QByteArray RawReceived;
    QList<TSentPacket> Received; // data packets only
    QList<QByteArray> ReceivedBodies;

private:
    void OnPacket(std::unique_ptr<TXLPacket> packet);

    QTcpServer m_server;
    QTcpSocket* m_socket = nullptr;
    TXLPacketAssembler m_assembler;
};
