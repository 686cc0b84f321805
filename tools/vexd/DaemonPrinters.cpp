#include "DaemonPrinters.h"

#include "comm/NetChannel.h"
#include "platform/ComPortNames.h"
#include "station/Reconnection.h"
#include "station/Station.h"

TDaemonPrinters::TDaemonPrinters(TStation& station, const QList<TPrinterTarget>& printers, bool discover, QObject* parent)
    : QObject(parent), m_station(station), m_printers(printers), m_discover(discover)
{}

void TDaemonPrinters::Start()
{
    TReconnection& reconnection = m_station.Reconnection();
    for (const TPrinterTarget& printer : std::as_const(m_printers)) {
        if (printer.Serial) {
            const int number = ComPortNames::NumberOf(printer.Where);
            reconnection.KeepSerialPrinter(ComPortNames::Name(number), number);
        } else {
            QString host;
            quint16 port = 0;
            TPrinterTarget::SplitNetwork(printer.Where, host, port);
            // Listed once its probe has ended; the list view (and the line model, which knows the
            // printers from it) learns it then, as it would at the end of a discovery.
            auto* channel = qobject_cast<TNetChannel*>(reconnection.KeepNetworkPrinter(host, port));
            if (channel && channel->IsProbing())
                connect(channel, &TNetChannel::ProbeFinished, this, [this] { m_station.Manager().RefreshListView(); },
                        Qt::QueuedConnection);
        }
    }
    m_station.Manager().RefreshListView();
    if (m_discover)
        m_station.Manager().BuildChannelLists();
}

void TDaemonPrinters::Found(quint64 printerId)
{
    if (m_discover)
        m_station.Reconnection().Keep(printerId);
}
