#include "FleetSides.h"

#include "BenchSupport.h"
#include "app/StationWindows.h"
#include "app/connections/ConnectionsForm.h"
#include "app/main/VexMainForm.h"
#include "comm/NetChannel.h"
#include "comm/XLPacketAssembler.h"
#include "images/FontUnit.h"
#include "platform/ComPortNames.h"
#include "platform/SettingsStore.h"
#include "station/SilentViews.h"
#include "station/Station.h"

#include <QApplication>
#include <QListWidget>
#include <QSettings>
#include <QTcpSocket>
#include <QTest>

namespace {

constexpr int WaitMs = 20000;
constexpr int Discoveries = 5;

// Runs the event loop until done() holds or the time is up; whether it holds.
bool AwaitWithin(const std::function<bool()>& done, int ms = WaitMs)
{
    QElapsedTimer clock;
    clock.start();
    Bench::Await([&] { return done() || clock.elapsed() > ms; }, 10);
    return done();
}

// The printers that answer discovery, listed as the station lists them; a printer whose probe came
// too late is found by the next discovery, as by the station's own refresh.
bool Discover(TStation& station, int count)
{
    TConnectionManager& manager = station.Manager();
    for (int attempt = 0; attempt < Discoveries && manager.NetworkList().Count() < count; ++attempt) {
        manager.BuildChannelLists();
        AwaitWithin([&] { return !manager.NetworkList().CollectTimer().isActive(); });
    }
    // A printer is connected once the short connection of its probe has closed; the Connections
    // entries follow the probes.
    const QList<TNetChannel*>& listed = manager.NetworkList().Channels();
    return AwaitWithin([&] {
        return std::none_of(listed.begin(), listed.end(), [](TNetChannel* c) { return c->LinkTimer().isActive(); }) &&
               listed.size() == count && manager.Entries().size() == count;
    });
}

bool AllConnectedAndQuiet(TStation& station, int count)
{
    const QList<TCommChannel*>& connected = station.Manager().ConnectedList();
    return connected.size() == count && std::all_of(connected.begin(), connected.end(),
                                                    [](TCommChannel* c) { return c->QueuedMessages() == 0; });
}

// Plain sockets that take the printers' packets with the link's packet code and acknowledge each
// data packet: the least a station must do for its printers.
class TBareSockets : public TFleetSide
{
public:
    bool Start() override { return true; }

    bool ConnectAll(const QList<quint16>& ports) override
    {
        for (const quint16 port : ports) {
            auto* socket = new QTcpSocket(&m_root);
            auto* assembler = new TXLPacketAssembler([socket](std::unique_ptr<TXLPacket> packet) {
                if (!packet->IsAcknowledgement())
                    socket->write(TXLPacket::AcknowledgementOf(*packet).Stream.Bytes());
            });
            QObject::connect(socket, &QTcpSocket::readyRead, socket,
                             [socket, assembler] { assembler->ProcessBytes(socket->readAll()); });
            QObject::connect(socket, &QObject::destroyed, [assembler] { delete assembler; });
            socket->connectToHost(QHostAddress::LocalHost, port);
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            m_sockets.append(socket);
        }
        return AwaitWithin([this] { return AllStillConnected(); });
    }

    bool AllStillConnected() override
    {
        return std::all_of(m_sockets.begin(), m_sockets.end(),
                           [](const QTcpSocket* s) { return s->state() == QAbstractSocket::ConnectedState; });
    }

private:
    QObject m_root;
    QList<QTcpSocket*> m_sockets;
};

// The station layer as the command-line tool and the service run it, with views that show nothing.
class TStationLayer : public TFleetSide
{
public:
    bool Start() override
    {
        m_station.Manager().BuildChannelLists();
        return true;
    }

    bool ConnectAll(const QList<quint16>& ports) override
    {
        const int count = int(ports.size());
        if (!Discover(m_station, count))
            return false;
        for (const TConnectionEntry& entry : QList<TConnectionEntry>(m_station.Manager().Entries()))
            m_station.Manager().ConnectPrinter(entry.Id);
        m_count = count;
        return AwaitWithin([&] { return AllConnectedAndQuiet(m_station, count); });
    }

    bool AllStillConnected() override { return m_station.Manager().ConnectedList().size() == m_count; }
    TStation* Station() override { return &m_station; }

private:
    TSilentViews m_views;
    const TFontMap m_fonts;
    TStation m_station{m_views.Views(), m_fonts};
    qsizetype m_count = 0;
};

// The window program, every window built; the operator opens the "Connections" window and double
// clicks each printer in it.
class TWindowProgram : public TFleetSide
{
public:
    bool Start() override
    {
        m_windows.Start();
        m_connections = m_windows.MainForm().findChild<TConnectionsForm*>();
        if (!m_connections || !QTest::qWaitForWindowExposed(&m_windows.MainForm()))
            return false;
        m_connections->ShowWindow();
        return QTest::qWaitForWindowExposed(m_connections);
    }

    bool ConnectAll(const QList<quint16>& ports) override
    {
        const int count = int(ports.size());
        auto* list = m_connections->findChild<QListWidget*>(QStringLiteral("listView"));
        if (!list || !Discover(m_windows.Station(), count) || list->count() != count)
            return false;
        // As the window system delivers a double click: two clicks close together, to the window.
        QWidget* window = list->window();
        for (int row = 0; row < list->count(); ++row) {
            QListWidgetItem* item = list->item(row);
            list->scrollToItem(item);
            const QPoint centre = list->viewport()->mapTo(window, list->visualItemRect(item).center());
            QTest::mouseEvent(QTest::MouseDClick, window->windowHandle(), Qt::LeftButton, {}, centre);
        }
        m_count = count;
        return AwaitWithin([&] { return AllConnectedAndQuiet(m_windows.Station(), count); });
    }

    bool AllStillConnected() override
    {
        return m_windows.Station().Manager().ConnectedList().size() == m_count;
    }
    TStation* Station() override { return &m_windows.Station(); }

private:
    TStationWindows m_windows;
    TConnectionsForm* m_connections = nullptr;
    qsizetype m_count = 0;
};

} // namespace

std::unique_ptr<QCoreApplication> TFleetSide::MakeApplication(const QString& kind, int& argc, char* argv[])
{
    if (kind == QLatin1String("windows"))
        return std::make_unique<QApplication>(argc, argv);
    return std::make_unique<QCoreApplication>(argc, argv);
}

std::unique_ptr<TFleetSide> TFleetSide::Make(const QString& kind)
{
    if (kind == QLatin1String("floor"))
        return std::make_unique<TBareSockets>();
    if (kind == QLatin1String("station"))
        return std::make_unique<TStationLayer>();
    if (kind == QLatin1String("windows"))
        return std::make_unique<TWindowProgram>();
    return nullptr;
}

void TFleetSide::WriteSettings(const QString& fileName, quint16 discoveryPort)
{
    QSettings settings(fileName, QSettings::IniFormat);
    settings.setValue(QLatin1String(SettingsStore::DiscoveryAddress), QStringLiteral("127.255.255.255"));
    settings.setValue(QLatin1String(SettingsStore::DiscoveryPort), discoveryPort);
    settings.setValue(QLatin1String(SettingsStore::DiscoveryLocalPort), 0);
    for (int n = ComPortNames::FirstPort; n <= ComPortNames::LastPort; ++n)
        settings.setValue(QStringLiteral("%1/%2").arg(QLatin1String(SettingsStore::ComPortDevicesGroup),
                                                      ComPortNames::Name(n)),
                          QStringLiteral("/nonexistent/tty%1").arg(n));
}
