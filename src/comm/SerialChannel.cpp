#include "comm/SerialChannel.h"

#include "platform/ComPortNames.h"
#include "platform/Logging.h"

TSerialChannel::TSerialChannel(const QString& name, int comNumber, const TLinkPeerFactory& makePeer,
                               QObject* parent, const QString& device)
    : TCommChannel(name, quint16(comNumber), makePeer, parent),
      m_device(device.isEmpty() ? ComPortNames::Device(comNumber) : device)
{
    m_port.setPortName(m_device);
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(TSerialTriggers::MaxHeldBytes);
    connect(&m_port, &QSerialPort::readyRead, this, [this] { m_triggers.Feed(m_port.readAll()); });
    // The device went away (a USB adapter unplugged, the other end of a pseudo-terminal closed): the
    // link is lost. Handled from the event loop, outside the port's own notification.
    connect(&m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::ResourceError)
            QMetaObject::invokeMethod(this, &TSerialChannel::OnDeviceLost, Qt::QueuedConnection);
    });
    m_triggers.SetTimeoutHandler([this] { ArmStartTrigger(); });
}

TSerialChannel::~TSerialChannel()
{
    m_triggers.Disarm();
    ClosePort();
}

void TSerialChannel::OpenPort()
{
    if (m_port.isOpen())
        return;
    if (m_port.open(QIODevice::ReadWrite))
        ResetReceiveState();
    else
        qCWarning(lcCommSerial) << Name() << "cannot open" << m_device << m_port.errorString();
}

void TSerialChannel::OnDeviceLost()
{
    if (!m_port.isOpen())
        return;
    qCWarning(lcCommSerial) << Name() << "lost its device" << m_device << m_port.errorString();
    m_triggers.Disarm();
    m_port.close(); // nothing can be written to a device that is gone
    ConnectionLost();
}

void TSerialChannel::ClosePort()
{
    if (!m_port.isOpen())
        return;
    m_port.flush(); // what is written goes to the line before the port closes
    m_port.close();
}

void TSerialChannel::SendPacket(const TXLPacket& packet)
{
    if (m_port.isOpen())
        m_port.write(packet.Stream.Bytes());
}

void TSerialChannel::SetOnline(bool online)
{
    TCommChannel::SetOnline(online);
    if (online) {
        OpenPort();
        ArmStartTrigger();
        SendWake();
        RequestStatus();
    } else {
        Close();
        emit WentOffline();
    }
}

// A serial printer counts as connected at once: nothing on the line says otherwise.
void TSerialChannel::Connect()
{
    OpenPort();
    if (!m_port.isOpen())
        emit ConnectFailed();
    SetConnected(true);
    ArmStartTrigger();
    TCommChannel::Connect();
}

void TSerialChannel::Close()
{
    m_triggers.Disarm();
    ClosePort();
    SetConnected(false);
    TCommChannel::Close();
}

void TSerialChannel::ArmStartTrigger()
{
    m_triggers.ArmStart(StartByte, StartCount, StartTimeoutTicks,
                        [this](const QByteArray& b) { OnStart(b); });
}

void TSerialChannel::OnStart(const QByteArray& bytes)
{
    m_flags = quint16((quint8(bytes[1]) << 8) | quint8(bytes[2]));
    const int addressWidth = m_flags >> 14;
    m_triggers.ArmCount(2 * addressWidth + 4, HeaderTimeoutTicks,
                        [this](const QByteArray& b) { OnHeader(b); });
}

// The header's address bytes (2k of them, first) are not kept: the checksum is tested, and the
// acknowledgement built, with zero addresses.
void TSerialChannel::OnHeader(const QByteArray& bytes)
{
    const int k = m_flags >> 14;
    m_messageNo = quint8(bytes[2 * k]);
    m_packetNo = quint8(bytes[2 * k + 1]);
    m_length = quint16((quint8(bytes[2 * k + 2]) << 8) | quint8(bytes[2 * k + 3]));
    m_triggers.ArmCount(m_length + 2, DataTimeoutTicks, [this](const QByteArray& b) { OnData(b); });
}

void TSerialChannel::OnData(const QByteArray& bytes)
{
    auto packet = std::make_unique<TXLPacket>(m_flags);
    packet->MessageNo = m_messageNo;
    packet->PacketNo = m_packetNo;
    const bool intact = packet->LoadFromBuffer(bytes.constData(), int(bytes.size())) == 0;
    ArmStartTrigger();
    if (intact)
        OnPacketReceived(std::move(packet));
}
