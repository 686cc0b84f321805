#include "FakeTcpPrinter.h"

TFakeTcpPrinter::TFakeTcpPrinter(quint16 port)
    : m_assembler([this](std::unique_ptr<TXLPacket> packet) { OnPacket(std::move(packet)); })
{
    m_server.listen(QHostAddress::LocalHost, port);
    m_assembler.SetPort(Port());
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            ++Connections;
            m_socket = socket;
            m_assembler.Reset();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                const QByteArray bytes = socket->readAll();
                RawReceived += bytes;
                m_assembler.ProcessBytes(bytes);
            });
        }
    });
}

void TFakeTcpPrinter::OnPacket(std::unique_ptr<TXLPacket> packet)
{
    if (packet->IsAcknowledgement())
        return;
    Received.append({packet->Stream.Bytes(), packet->MessageNo, packet->PacketNo, packet->Length,
                     packet->MsgId, packet->MsgSub, packet->Flags});
    TXLMessage body;
    packet->ReadPayload(body);
    ReceivedBodies.append(body.Body());
    if (!Acknowledges)
        return;
    WriteWire(TXLPacket::AcknowledgementOf(*packet).Stream.Bytes());
}

void TFakeTcpPrinter::Send(const TXLMessage& message, quint8 messageNo)
{
    for (const QByteArray& wire : PacketsOf(message, messageNo))
        WriteWire(wire);
}

void TFakeTcpPrinter::WriteWire(const QByteArray& wire)
{
    if (!m_socket)
        return;
    m_socket->write(XLPortDoublesFF(Port()) ? XLDoubleFF(wire) : wire);
    m_socket->flush();
}
