#include "SimDiscovery.h"
#include "SimFaults.h"
#include "TestSupport.h"

#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>

using TestSupport::Hex;
using TestSupport::ToHex;

namespace {

QList<QNetworkDatagram> Datagrams(QUdpSocket& socket)
{
    QList<QNetworkDatagram> datagrams;
    while (socket.hasPendingDatagrams())
        datagrams.append(socket.receiveDatagram());
    return datagrams;
}

quint16 PortAt(const QByteArray& reply, int offset)
{
    return quint16(quint8(reply[offset]) | (quint8(reply[offset + 1]) << 8));
}

} // namespace

class TestPrinterSimDiscovery : public QObject
{
    Q_OBJECT

    TSimFaults m_faults;
    QUdpSocket m_station;

private slots:
    void init()
    {
        m_faults.Silent = false;
        m_station.close();
        QVERIFY(m_station.bind(QHostAddress::LocalHost, 0));
    }

    void requestIsAnsweredWithTheReplyNamingBothPorts()
    {
        TSimDiscovery discovery(m_faults);
        discovery.SetPorts(5001, 14002);
        QVERIFY(discovery.Listen(QHostAddress::LocalHost, 0));

        // Another head first: it is ignored, so the first datagram back answers the request.
        m_station.writeDatagram(Hex("00 00 00 F7"), QHostAddress::LocalHost, discovery.LocalPort());
        m_station.writeDatagram(Hex("00 00 00 F8"), QHostAddress::LocalHost, discovery.LocalPort());

        QTRY_VERIFY(m_station.hasPendingDatagrams());
        const QNetworkDatagram reply = m_station.receiveDatagram();
        // 5001 = 0x1389 and 14002 = 0x36B2, each low byte first.
        const QByteArray expected =
            Hex("00 00 00 F9") + QByteArray(20, '\0') + Hex("89 13") + QByteArray(46, '\0') + Hex("B2 36");
        QCOMPARE(ToHex(reply.data()), ToHex(expected));
        QCOMPARE(reply.senderAddress(), QHostAddress(QHostAddress::LocalHost));
    }

    void printersBoundToTheLoopbackBroadcastAddressAllAnswerFromLoopback()
    {
        const QHostAddress broadcast(QStringLiteral("127.255.255.255"));
        TSimDiscovery first(m_faults);
        first.SetPorts(6001, 6001);
        QVERIFY(first.Listen(broadcast, 0));
        TSimDiscovery second(m_faults);
        second.SetPorts(6002, 6002);
        QVERIFY(second.Listen(broadcast, first.LocalPort()));

        m_station.writeDatagram(Hex("00 00 00 F8"), broadcast, first.LocalPort());

        QList<QNetworkDatagram> replies;
        QTRY_COMPARE((replies += Datagrams(m_station)).size(), 2);
        QList<quint16> ports;
        for (const QNetworkDatagram& reply : replies) {
            QCOMPARE(reply.senderAddress(), QHostAddress(QHostAddress::LocalHost));
            ports.append(PortAt(reply.data(), 24));
        }
        std::sort(ports.begin(), ports.end());
        QCOMPARE(ports, (QList<quint16>{6001, 6002}));
    }

    void silentPrinterDoesNotAnswer()
    {
        TSimDiscovery discovery(m_faults);
        discovery.SetPorts(5001, 5001);
        QVERIFY(discovery.Listen(QHostAddress::LocalHost, 0));
        m_faults.Silent = true;
        m_station.writeDatagram(Hex("00 00 00 F8"), QHostAddress::LocalHost, discovery.LocalPort());
        QTest::qWait(20); // the datagram is read while silent
        m_faults.Silent = false;
        m_station.writeDatagram(Hex("00 00 00 F8"), QHostAddress::LocalHost, discovery.LocalPort());

        QList<QNetworkDatagram> replies;
        QTRY_COMPARE((replies += Datagrams(m_station)).size(), 1);
        QTest::qWait(20);
        QCOMPARE((replies += Datagrams(m_station)).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPrinterSimDiscovery)
#include "tst_printersimdiscovery.moc"
