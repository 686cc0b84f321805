// Arbitrary packet sequences into a channel with its coder, mixed with the station's own actions:
// queued messages, retry expiries, selection, connect and disconnect. The input is a series of
// records; packets get a valid checksum so that they reach the channel.
#include "FuzzInput.h"
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

void Act(SilentChannel& channel, quint8 action, FuzzInput& input)
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
    FuzzInput input(data, size);
    while (!input.AtEnd()) {
        const quint8 control = input.Byte();
        if (control & 0x80) {
            Act(channel, control, input);
            continue;
        }
        assembler.ProcessBytes(input.Packet(control));
    }
    return 0;
}
