#include "comm/XLClient.h"

#include "comm/NetChannel.h"
#include "platform/Logging.h"

#include <QScopedValueRollback>

TXLClient::TXLClient(TNetChannel& channel)
    : QObject(&channel), m_channel(channel), m_assembler([this](std::unique_ptr<TXLPacket> packet) {
          // A packet completed after the connection was closed belongs to no link any more, also
          // when a new connection has been opened meanwhile.
          if (IsOpen() && m_connectionSerial == m_chunkSerial)
              m_channel.OnPacketReceived(std::move(packet));
      })
{
    m_socket.setReadBufferSize(ReadBufferSize);
    connect(&m_socket, &QTcpSocket::readyRead, this, &TXLClient::OnReadyRead);
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_onFailed = nullptr;
        if (auto onConnected = std::exchange(m_onConnected, nullptr))
            onConnected();
    });
    // The printer closed its end (switched off, restarted, its network gone): the link is lost.
    connect(&m_socket, &QTcpSocket::disconnected, this, [this] {
        if (!m_closing) {
            qCDebug(lcCommTcp) << m_host << m_port << "closed by the printer";
            m_channel.ConnectionLost();
        }
    });
    connect(&m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        qCDebug(lcCommTcp) << m_host << m_port << "socket error" << error;
        // Told once, and only while the connection was being opened.
        const bool opening = m_onConnected != nullptr;
        m_onConnected = nullptr;
        if (auto onFailed = std::exchange(m_onFailed, nullptr); opening && onFailed)
            onFailed();
    });
}

TXLClient::~TXLClient()
{
    m_closing = true;
    m_socket.abort();
}

void TXLClient::SetPort(quint16 port)
{
    m_port = port;
    m_assembler.SetPort(port);
}

bool TXLClient::IsConnecting() const
{
    return m_socket.state() == QAbstractSocket::HostLookupState ||
           m_socket.state() == QAbstractSocket::ConnectingState;
}

void TXLClient::ConnectInBackground(std::function<void()> onConnected, std::function<void()> onFailed)
{
    ++m_connectionSerial;
    m_assembler.Reset();
    m_onConnected = std::move(onConnected);
    m_onFailed = std::move(onFailed);
    m_socket.connectToHost(m_host, m_port);
}

void TXLClient::Disconnect()
{
    ++m_connectionSerial;
    m_onConnected = nullptr;
    m_onFailed = nullptr;
    const QScopedValueRollback closing(m_closing, true);
    m_socket.flush(); // what is written goes to the system before the socket closes
    m_socket.abort();
    m_assembler.Reset();
}

void TXLClient::Write(const QByteArray& bytes)
{
    if (!IsOpen()) {
        qCDebug(lcCommTcp) << m_host << m_port << "drops a packet: connection not open";
        return;
    }
    m_socket.write(bytes);
}

void TXLClient::OnReadyRead()
{
    if (m_processing)
        return; // taken when the chunk being processed is done
    const QScopedValueRollback processing(m_processing, true);
    while (IsOpen() && m_socket.bytesAvailable() > 0) {
        const QByteArray chunk = m_socket.read(ReadBufferSize);
        ProcessBytes(chunk);
    }
}
