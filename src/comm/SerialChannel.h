#pragma once

#include "comm/CommChannel.h"
#include "comm/SerialTriggers.h"

#include <QSerialPort>

// The link to a printer on a COM port (9600 baud, 8 data bits, no parity, 1 stop bit, no flow
// control). A packet is received in three steps: the start trigger takes the start byte and the
// flags, the header trigger the rest of the header (its size follows from the flags), the data
// trigger the payload and checksum (their size follows from the header). The port opens only when
// the channel goes online or connects, never by itself.
class TSerialChannel : public TCommChannel
{
    Q_OBJECT

public:
    static constexpr char StartByte = 0x01;
    static constexpr int StartCount = 3;
    static constexpr int StartTimeoutTicks = 5;
    static constexpr int HeaderTimeoutTicks = 5;
    static constexpr int DataTimeoutTicks = 40;

    // The device is the one the port number maps to, unless one is given.
    TSerialChannel(const QString& name, int comNumber, const TLinkPeerFactory& makePeer,
                   QObject* parent = nullptr, const QString& device = {});
    ~TSerialChannel() override;

    void SendPacket(const TXLPacket& packet) override;
    void SetOnline(bool online) override;
    void Connect() override;
    void Close() override;

    const QString& Device() const { return m_device; }
    bool IsPortOpen() const { return m_port.isOpen(); }

private:
    void OpenPort();
    void ClosePort();
    void OnDeviceLost();
    void ArmStartTrigger();
    void OnStart(const QByteArray& bytes);
    void OnHeader(const QByteArray& bytes);
    void OnData(const QByteArray& bytes);

    QString m_device;
    QSerialPort m_port;
    TSerialTriggers m_triggers;

    // The header of the packet being received.
    quint16 m_flags = 0;
    quint8 m_messageNo = 0;
    quint8 m_packetNo = 0;
    quint16 m_length = 0;
};
