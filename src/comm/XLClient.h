#pragma once

#include "comm/XLPacketAssembler.h"

#include <QByteArray>
#include <QObject>
#include <QTcpSocket>

#include <functional>

class TNetChannel;

// The TCP connection of a network channel. Received bytes are handed to the packet assembler in
// arrival order, one chunk at a time, and never re-entered: while a packet's handler waits (an
// operator request), further bytes of this printer stay in the socket, and are taken when it returns.
// The socket's read buffer is bounded, so a printer cannot fill memory meanwhile.
class TXLClient : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 ReadBufferSize = 64 * 1024;

    explicit TXLClient(TNetChannel& channel);
    ~TXLClient() override;

    void SetHost(const QString& host) { m_host = host; }
    void SetPort(quint16 port);
    const QString& Host() const { return m_host; }
    quint16 Port() const { return m_port; }

    // Starts opening the connection without waiting; onConnected runs once it is open, onFailed (if
    // given) when it cannot be opened. A failed attempt is otherwise swallowed.
    void ConnectInBackground(std::function<void()> onConnected, std::function<void()> onFailed = {});
    void Disconnect();
    bool IsOpen() const { return m_socket.state() == QAbstractSocket::ConnectedState; }
    bool IsConnecting() const;
    // Writes the bytes in one write; nothing happens on a connection that is not open.
    void Write(const QByteArray& bytes);
    // The TCP packet assembler, in the station's thread.
    void ProcessBytes(QByteArrayView chunk)
    {
        m_chunkSerial = m_connectionSerial;
        m_assembler.ProcessBytes(chunk);
    }

private:
    void OnReadyRead();

    TNetChannel& m_channel;
    QTcpSocket m_socket;
    TXLPacketAssembler m_assembler;
    QString m_host;
    quint16 m_port = 0;
    bool m_processing = false;
    bool m_closing = false; // the station closes the connection itself
    // Counts the connections opened and closed: packets of a chunk read from an earlier connection
    // are not delivered to a later one.
    quint64 m_connectionSerial = 0;
    quint64 m_chunkSerial = 0;
    std::function<void()> m_onConnected;
    std::function<void()> m_onFailed;
};
