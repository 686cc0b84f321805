// Arbitrary packet sequences into a channel with its coder, mixed with the station's own actions:
// queued messages, retry expiries, selection, connect and disconnect. The input is a series of
// records; packets get a valid checksum so that they reach the channel.
#include "comm/CommChannel.h"
#include "images/FontUnit.h"
#include "station/SilentViews.h"
#include "station/Station.h"
#include "comm/XLPacketAssembler.h"

#include <QCoreApplication>

namespace {

class SilentChannel : public TCommChannel
{
public:
    using TCommChannel::TCommChannel;
    void SendPacket(const TXLPacket&) override {}
};

class Input
{
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool AtEnd() const { return m_at >= m_size; }
    quint8 Byte() { return AtEnd() ? 0 : m_data[m_at++]; }
    QByteArrayView Bytes(size_t count)
    {
        const size_t take = std::min(count, m_size - m_at);
        const QByteArrayView bytes(reinterpret_cast<const char*>(m_data + m_at), qsizetype(take));
        m_at += take;
        return bytes;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

void Act(SilentChannel& channel, quint8 action, Input& input)
{
    switch (action & 0x7) {
    case 0:
        channel.OnRetryTimer();
        break;
    case 1: {
        auto message = std::make_unique<TXLMessage>(XLSend::ImageData);
        message->WriteBytes(QByteArray(input.Byte() * 16, 'i'));
        channel.QueueMessage(std::move(message));
        break;
    }
    case 2:
        channel.SetSelected((action & 0x8) != 0);
        break;
    case 3:
        channel.Connect();
        break;
    case 4:
        channel.SendDisconnect();
        break;
    case 5:
        channel.Abort();
        break;
    case 6:
        channel.QueueMessage(std::make_unique<TXLMessage>(XLSend::StartPrint));
        break;
    default:
        channel.RequestStatus();
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TSilentViews views;
    static const TFontMap fonts;
    static TStation station(views.Views(), fonts, TDiscoveryAddress::NothingToFind());
    SilentChannel channel(QStringLiteral("fuzz"), 3000, station.PrinterFactory());
    TXLPacketAssembler assembler(
        [&](std::unique_ptr<TXLPacket> packet) { channel.OnPacketReceived(std::move(packet)); });
    Input input(data, size);
    while (!input.AtEnd()) {
        const quint8 control = input.Byte();
        if (control & 0x80) {
            Act(channel, control, input);
            continue;
        }
        TXLPacket packet(quint16(control & 0x3)); // size code
        packet.MessageNo = input.Byte();
        packet.PacketNo = input.Byte();
        const int length = std::min<int>(XLMaxPayload, ((control >> 2) & 0x3) * 256 + input.Byte());
        const QByteArrayView payload = input.Bytes(size_t(length));
        packet.WriteHeader(quint16(payload.size()));
        packet.Stream.Write(payload);
        assembler.ProcessBytes(packet.Stream.Bytes());
    }
    return 0;
}
