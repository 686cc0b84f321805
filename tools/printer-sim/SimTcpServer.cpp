#include "SimTcpServer.h"

#include "PrinterLink.h"
#include "SimLogging.h"
#include "SimPrinter.h"

#include <QTcpSocket>

TSimTcpServer::TSimTcpServer(TSimPrinter& printer, QObject* parent) : QObject(parent), m_printer(printer)
{
    connect(&m_server, &QTcpServer::newConnection, this, &TSimTcpServer::OnNewConnection);
}

bool TSimTcpServer::Listen(const QHostAddress& address, quint16 port)
{
    return m_server.listen(address, port);
}

void TSimTcpServer::DropConnections()
{
    for (QTcpSocket* socket : m_server.findChildren<QTcpSocket*>())
        socket->abort();
}

void TSimTcpServer::Close()
{
    m_server.close();
    DropConnections();
}

void TSimTcpServer::OnNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        // Stop-and-wait sends one small packet at a time; Nagle's algorithm would delay each one.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        const QString name = socket->peerAddress().toString() + QLatin1Char(':') +
                             QString::number(socket->peerPort()) + QLatin1String(" -> port ") +
                             QString::number(Port());
        // The link lives and dies with its socket.
        auto* link = new TPrinterLink(
            name, Port(), [socket](const QByteArray& bytes) { socket->write(bytes); }, m_printer.Faults(),
            socket);
        connect(socket, &QTcpSocket::readyRead, link,
                [socket, link] { link->ProcessBytes(socket->readAll()); });
        qCDebug(lcSim) << "connection" << name;
        connect(socket, &QTcpSocket::disconnected, socket, [socket, name] {
            qCDebug(lcSim) << "closed" << name;
            socket->deleteLater();
        });
        m_printer.AddLink(link);
        if (socket->bytesAvailable() > 0)
            link->ProcessBytes(socket->readAll());
        if (socket->state() != QAbstractSocket::ConnectedState)
            socket->deleteLater(); // closed before it was taken: no disconnected signal will come
    }
}
