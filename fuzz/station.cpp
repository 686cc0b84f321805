// A printer's whole side of its connections to the station: two printers on COM ports talk to the
// station's logic (the connection manager, the printers' states, the batch, the deletion, the modify
// window's items) with arbitrary packets, acknowledgements, unasked messages and drops, mixed with
// the operator's actions. The input is a series of records; packets get a valid checksum so that they
// reach the links.
#include "FuzzInput.h"
#include "coder/Coder.h"
#include "comm/SerialChannel.h"
#include "comm/XLPacketAssembler.h"
#include "images/FontUnit.h"
#include "station/SilentViews.h"
#include "station/Station.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

// The two printers: COM1 and COM2, on a device that takes and gives nothing, so that every byte the
// printers send comes from the input.
class Printers
{
public:
    explicit Printers(TStation& station) : m_station(station)
    {
        for (int n = 0; n < 2; ++n)
            m_ids[n] = station.Manager().AddSerialPrinter(QStringLiteral("COM%1").arg(n + 1), n + 1,
                                                          QStringLiteral("/dev/null"))->Id();
    }

    // A disconnect request of either printer is under way.
    bool SendingDisconnect() const
    {
        return std::any_of(m_ids.begin(), m_ids.end(), [this](quint64 id) {
            const TCommChannel* channel = m_station.Manager().FindChannel(id);
            return channel && channel->IsSendingDisconnect();
        });
    }
    // The printer's link, while the manager still lists it.
    TCommChannel* Channel(int printer) const { return m_station.Manager().FindChannel(m_ids[printer]); }
    quint64 Id(int printer) const { return m_ids[printer]; }

private:
    TStation& m_station;
    std::array<quint64, 2> m_ids{};
};

void Act(TStation& station, const Printers& printers, quint8 control)
{
    TConnectionManager& manager = station.Manager();
    const int printer = (control >> 4) & 1;
    TCommChannel* channel = printers.Channel(printer);
    TCommChannel* selected = manager.SelectedChannel();
    switch (control & 0xF) {
    case 0:
        if (channel)
            channel->OnRetryTimer();
        break;
    case 1:
        manager.ConnectPrinter(printers.Id(printer));
        break;
    case 2:
        manager.DisconnectPrinter(printers.Id(printer));
        break;
    case 3:
        manager.SelectPrinter(printers.Id(printer));
        break;
    case 4:
        if (channel)
            channel->ConnectionLost();
        break;
    case 5:
        manager.SetSerialChannel(printer, (control & 0x20) == 0); // the operator gives up the port or takes it back
        break;
    case 6:
        manager.RefreshListView();
        break;
    case 7:
        station.Batch().Start({QStringLiteral("/nonexistent/one.Vega"), QStringLiteral("/nonexistent/two.Vega")});
        break;
    case 8:
        if (selected)
            station.Deletion().Start(TImageDeletion::Offered(TCoder::Of(*selected)));
        break;
    case 9:
        if (station.ModifyImage().IsOpen())
            station.ModifyImage().Close();
        else if (selected)
            station.ModifyImage().Open(&TCoder::Of(*selected));
        break;
    case 10:
        station.StartPrint(QStringLiteral("DEMO"), QString());
        break;
    case 11:
        manager.SendToSelected(std::make_unique<TXLMessage>((control & 0x20) ? XLSend::RequestClock
                                                                             : XLSend::RequestParameters));
        break;
    case 12:
        // The printer acknowledges the first packet of the message the station is sending.
        if (channel) {
            auto ack = std::make_unique<TXLPacket>();
            ack->MessageNo = channel->MessageNo();
            ack->PacketNo = 1;
            ack->WriteHeader(0);
            channel->OnPacketReceived(std::move(ack));
        }
        break;
    case 13:
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        break;
    case 14:
        manager.DisconnectAll();
        break;
    default:
        // The station closes. Its links get a grace time for their disconnect requests, which no
        // input acknowledges: only without any under way, so that a run stays short.
        if (manager.ConnectedList().isEmpty() && !printers.SendingDisconnect())
            station.Shutdown();
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    // The ports that cannot be opened are reported on every run; nobody reads that here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TSilentViews views;
    static const TFontMap fonts;
    TStation station(views.Views(), fonts, TDiscoveryAddress::NothingToFind());
    const Printers printers(station);
    FuzzInput input(data, size);
    while (!input.AtEnd()) {
        const quint8 control = input.Byte();
        if (control & 0x80) {
            Act(station, printers, control);
            continue;
        }
        const QByteArray packet = input.Packet(control);
        TCommChannel* channel = printers.Channel((control >> 4) & 1);
        if (!channel)
            continue;
        TXLPacketAssembler assembler(
            [channel](std::unique_ptr<TXLPacket> received) { channel->OnPacketReceived(std::move(received)); });
        assembler.ProcessBytes(packet);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
