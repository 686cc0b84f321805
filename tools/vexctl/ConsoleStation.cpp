#include "ConsoleStation.h"

#include "comm/NetChannel.h"
#include "comm/SerialChannel.h"
#include "history/HistoryStore.h"
#include "platform/ComPortNames.h"

#include <QEventLoop>
#include <QTimer>

namespace {
constexpr int ConditionCheckMs = 20;
} // namespace

TConsoleStation::TConsoleStation(TConsoleViews& views, const TFontMap& fonts, int timeoutMs,
                                 const TDiscoveryAddress& discovery)
    : m_views(views), m_timeoutMs(timeoutMs), m_station(views.Views(), fonts, discovery)
{
    m_station.Events().SetSource({QLatin1String(TEventSource::Vexctl), {}});
    if (views.History)
        QObject::connect(&m_station.Events(), &TStationEvents::Emitted, views.History, &THistoryStore::Append);
}

bool TConsoleStation::Await(const std::function<bool()>& done, int timeoutMs)
{
    if (done() || m_interrupted)
        return done();
    QEventLoop loop;
    auto check = [&] {
        if (done() || m_interrupted || (m_connected && m_channel && !m_channel->IsConnected()))
            loop.quit();
    };
    QObject::connect(&m_views, &TConsoleViews::Changed, &loop, check);
    // Some conditions (a queue drained, a link closed) are not reported: look now and then.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, check);
    poll.start(ConditionCheckMs);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (m_channel)
        QObject::connect(m_channel, &TCommChannel::PacketAcknowledged, &limit, [&limit] { limit.start(); });
    limit.start(timeoutMs < 0 ? m_timeoutMs : timeoutMs);
    loop.exec();
    return done();
}

int TConsoleStation::Connect(const TPrinterTarget& target, QString* error)
{
    // The image list that ends a connection is the new printer's.
    m_views.ImageListReceived = false;
    return target.Serial ? ConnectSerial(target.Where, error) : ConnectNetwork(target.Where, error);
}

int TConsoleStation::ConnectNetwork(const QString& hostAndPort, QString* error)
{
    QString host;
    quint16 port = 0;
    if (!TPrinterTarget::SplitNetwork(hostAndPort, host, port)) {
        *error = QStringLiteral("not a printer address: %1 (HOST or HOST:PORT)").arg(hostAndPort);
        return ExitCode::Usage;
    }
    const QPointer<TNetChannel> channel = Manager().AddNetworkPrinter(host, port);
    Await([&channel] { return !channel || !channel->IsProbing(); });
    if (!channel || !channel->Probed()) {
        *error = QStringLiteral("no printer answers at %1").arg(TNetChannel::NameFor(host, port));
        return ExitCode::NoAnswer;
    }
    channel->Close(); // the probe connection; connecting opens the link afresh
    m_channel = channel;
    Manager().ConnectPrinter(channel->Id());
    return AwaitConnected(channel, error);
}

int TConsoleStation::ConnectSerial(const QString& portOrDevice, QString* error)
{
    const int number = ComPortNames::NumberOf(portOrDevice);
    TSerialChannel* channel =
        Manager().AddSerialPrinter(number > 0 ? ComPortNames::Name(number) : portOrDevice, number,
                                   number > 0 ? QString() : portOrDevice);
    m_channel = channel;
    Manager().ConnectPrinter(channel->Id());
    if (!channel->IsPortOpen()) {
        *error = QStringLiteral("cannot open %1").arg(channel->Device());
        return ExitCode::Usage;
    }
    return AwaitConnected(channel, error);
}

int TConsoleStation::AwaitConnected(TCommChannel* channel, QString* error)
{
    if (Await([this] { return Manager().SelectedChannel() != nullptr && m_views.ImageListReceived; })) {
        m_connected = true;
        return ExitCode::Ok;
    }
    *error = QStringLiteral("the printer at %1 does not answer").arg(channel->Name());
    return ExitCode::NoAnswer;
}

bool TConsoleStation::AwaitQueueSent()
{
    TCommChannel* printer = Printer();
    return printer && Await([printer] { return printer->QueuedMessages() == 0; });
}

void TConsoleStation::Disconnect()
{
    m_interrupted = false; // the disconnect is waited for; a second interruption ends that wait too
    TCommChannel* printer = Printer();
    if (!printer)
        return Abandon();
    Manager().DisconnectAll();
    Await([printer] { return printer->QueuedMessages() == 0 && !printer->IsConnected(); });
    Manager().ShutdownChannels();
}

void TConsoleStation::Abandon()
{
    Manager().ShutdownChannels();
}

TCommChannel* TConsoleStation::KeepConnected(const TPrinterTarget& target, TReconnection::TStart start)
{
    TReconnection& reconnection = m_station.Reconnection();
    quint16 port = 0;
    if (m_channel && Manager().FindChannel(m_channel->Id())) {
        reconnection.Keep(m_channel->Id(), start);
    } else if (QString host; !target.Serial && TPrinterTarget::SplitNetwork(target.Where, host, port)) {
        m_channel = reconnection.KeepNetworkPrinter(host, port, start);
    }
    return m_channel;
}
