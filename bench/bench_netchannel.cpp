// A 1 MiB image message queued on a network channel to the simulated printer over loopback, until
// its last acknowledgement, against a plain stop-and-wait exchange of the same packet sizes (1,033
// bytes one way, 9 bytes back) between two sockets. In both the printer side runs in a thread of
// its own, as another process would.
#include "BenchSupport.h"
#include "SimPrinter.h"
#include "SimTcpServer.h"
#include "images/FontUnit.h"
#include "station/Station.h"
#include "station/SilentViews.h"
#include "comm/NetChannel.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <future>

namespace {

constexpr int BodySize = 1 << 20;
constexpr int PacketBytes = 1033; // a full packet: 7 header bytes, 1024 payload, 2 checksum
constexpr int AckBytes = 9;

// A thread that serves one TCP port: makeServer builds the server's objects in the thread, as
// children of the root it is given, and returns the port; Port() once listening.
class TServerThread : public QThread
{
public:
    explicit TServerThread(std::function<quint16(QObject* root)> makeServer) : m_makeServer(std::move(makeServer))
    {
        start();
    }
    ~TServerThread() override
    {
        quit();
        wait();
    }
    quint16 Port() { return m_port.get_future().get(); }

protected:
    void run() override
    {
        QObject root;
        m_port.set_value(m_makeServer(&root));
        exec();
    }

private:
    std::function<quint16(QObject*)> m_makeServer;
    std::promise<quint16> m_port;
};

double StationSeconds()
{
    TServerThread printer([](QObject* root) {
        TSimPrinterConfig config;
        config.MemoryBytes = 64 * BodySize;
        auto* simulated = new TSimPrinter(config, root);
        auto* server = new TSimTcpServer(*simulated, simulated);
        server->Listen(QHostAddress::LocalHost, 0);
        return server->Port();
    });
    TSilentViews views;
    const TFontMap fonts;
    const TDiscoveryAddress discovery = TDiscoveryAddress::NothingToFind();
    TStation station(views.Views(), fonts, discovery);
    TNetChannel channel(QStringLiteral("127.0.0.1"), printer.Port(), station.PrinterFactory());
    channel.Close();
    channel.Connect();
    Bench::Await([&] { return channel.IsConnected() && channel.QueuedMessages() == 0; });

    QByteArray image("BENCH", 6);
    image.append(QByteArray(BodySize - image.size(), 'i'));
    return Bench::BestSeconds([&] {
        auto message = std::make_unique<TXLMessage>(XLSend::ImageData);
        message->WriteBytes(image);
        channel.QueueMessage(std::move(message));
        Bench::Await([&] { return channel.QueuedMessages() == 0; });
    });
}

double FloorSeconds()
{
    TServerThread peer([](QObject* root) {
        auto* server = new QTcpServer(root);
        QObject::connect(server, &QTcpServer::newConnection, server, [server] {
            QTcpSocket* socket = server->nextPendingConnection();
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                while (socket->bytesAvailable() >= PacketBytes) {
                    socket->read(PacketBytes);
                    socket->write(QByteArray(AckBytes, '\0'));
                }
            });
        });
        server->listen(QHostAddress::LocalHost, 0);
        return server->serverPort();
    });
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, peer.Port());
    socket.waitForConnected();
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    const QByteArray packet(PacketBytes, 'p');
    const int packets = (BodySize + 1020) / 1021 + 1;
    return Bench::BestSeconds([&] {
        for (int i = 0; i < packets; ++i) {
            socket.write(packet);
            Bench::Await([&] { return socket.bytesAvailable() >= AckBytes; });
            socket.read(AckBytes);
        }
    });
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const double station = StationSeconds();
    const double floor = FloorSeconds();
    const double mb = double(BodySize) / 1e6;
    std::printf("%-52s %10.1f MB/s   floor (plain stop-and-wait): %10.1f MB/s   time ratio %.2f (goal <= 1.3)\n",
                "net channel: 1 MiB image to the simulator", mb / station, mb / floor, station / floor);
    return 0;
}
