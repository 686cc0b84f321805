#include "DaemonPrinters.h"

#include "Journal.h"
#include "comm/NetChannel.h"
#include "comm/SerialChannel.h"
#include "platform/ComPortNames.h"
#include "station/Station.h"

#include <QPointer>

TDaemonPrinters::TDaemonPrinters(TStation& station, const QList<TPrinterTarget>& printers, bool discover, QObject* parent)
    : QObject(parent), m_station(station), m_printers(printers), m_discover(discover)
{}

void TDaemonPrinters::Start()
{
    for (const TPrinterTarget& printer : std::as_const(m_printers)) {
        if (printer.Serial)
            ConnectSerial(printer.Where);
        else
            ConnectNetwork(printer.Where);
    }
    if (m_discover)
        m_station.Manager().BuildChannelLists();
}

void TDaemonPrinters::Found(quint64 printerId)
{
    if (m_discover)
        m_station.Manager().ConnectPrinter(printerId);
}

void TDaemonPrinters::ConnectNetwork(const QString& hostAndPort)
{
    QString host;
    quint16 port = 0;
    TPrinterTarget::SplitNetwork(hostAndPort, host, port);
    TConnectionManager& manager = m_station.Manager();
    const QPointer<TNetChannel> channel = manager.AddNetworkPrinter(host, port);
    if (!channel)
        return;
    connect(channel, &TNetChannel::ProbeFinished, this, [this, channel, hostAndPort] {
        if (!channel || !channel->Probed()) {
            Journal::Write(Journal::Warning, QStringLiteral("no printer answers at %1").arg(hostAndPort));
            return;
        }
        channel->Close(); // the probe connection; connecting opens the link afresh
        m_station.Manager().ConnectPrinter(channel->Id());
    }, Qt::SingleShotConnection);
}

void TDaemonPrinters::ConnectSerial(const QString& port)
{
    const int number = ComPortNames::NumberOf(port);
    TSerialChannel* channel = m_station.Manager().AddSerialPrinter(ComPortNames::Name(number), number);
    m_station.Manager().ConnectPrinter(channel->Id());
    if (!channel->IsPortOpen())
        Journal::Write(Journal::Warning, QStringLiteral("cannot open %1 (%2)").arg(port, channel->Device()));
}
