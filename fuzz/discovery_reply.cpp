// Arbitrary datagrams into the network printer list, as if from a printer on loopback. The ports a
// datagram names are replaced by one where nothing listens, so probes are refused at once.
#include "images/FontUnit.h"
#include "station/SilentViews.h"
#include "station/Station.h"

#include <QCoreApplication>
#include <QTcpServer>

namespace {
quint16 ClosedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort(); // closed again when the server goes
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const quint16 closedPort = ClosedPort();
    QByteArray datagram(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const int offset : {24, 72}) {
        if (datagram.size() >= offset + 2) {
            datagram[offset] = char(closedPort & 0xFF);
            datagram[offset + 1] = char(closedPort >> 8);
        }
    }
    TSilentViews views;
    const TFontMap fonts;
    const TDiscoveryAddress discovery = TDiscoveryAddress::NothingToFind();
    TStation station(views.Views(), fonts, discovery);
    TConnectionManager& manager = station.Manager();
    manager.NetworkList().OnDiscoveryReply(datagram, QHostAddress(QHostAddress::LocalHost));
    manager.NetworkList().OnCollectTimer();
    return 0;
}
