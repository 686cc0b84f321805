// The window program against two simulator programs found by discovery on the loopback broadcast
// address: one is connected, the main window follows its state, and closing the window tells it.
#include "AppTestSupport.h"
#include "SimulatorProcess.h"
#include "app/StationWindows.h"
#include "app/main/VexMainForm.h"
#include "comm/NetChannel.h"
#include "comm/XLMessage.h"
#include "station/Station.h"
#include "widgets/Lamp.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

namespace {
const QString LoopbackBroadcast = QStringLiteral("127.255.255.255");

quint16 FreeUdpPort()
{
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
}
} // namespace

class TestVexEndToEnd : public QObject
{
    Q_OBJECT

    std::unique_ptr<TStationWindows> m_windows;

    QString Shown(const char* label)
    {
        return m_windows->MainForm().findChild<QLabel*>(QLatin1String(label))->text();
    }
    bool Lit(const char* lamp) { return m_windows->MainForm().findChild<TLamp*>(QLatin1String(lamp))->IsLit(); }
    static bool ReceivedDisconnectRequest(const TSimulatorProcess& printer)
    {
        for (const QJsonObject& line : printer.Log())
            if (line.value(QStringLiteral("dir")) == QLatin1String("in") &&
                line.value(QStringLiteral("id")).toInt() == XLSend::DisconnectRequest.Id &&
                line.value(QStringLiteral("sub")).toInt() == XLSend::DisconnectRequest.Sub)
                return true;
        return false;
    }

private slots:
    void cleanup() { m_windows.reset(); }

    void aPrinterFoundAndConnectedIsFollowedAndToldWhenTheWindowCloses()
    {
        const quint16 discoveryPort = FreeUdpPort();
        AppTest::UseQuietSettings(LoopbackBroadcast, discoveryPort);
        const QString discovery = QStringLiteral("%1:%2").arg(LoopbackBroadcast).arg(discoveryPort);
        TSimulatorProcess line1;
        TSimulatorProcess line2;
        QVERIFY2(line1.Start({"--tcp", "0", "--name", "LINE1", "--discovery", discovery}), qPrintable(line1.ErrorOutput()));
        QVERIFY2(line2.Start({"--tcp", "0", "--name", "LINE2", "--discovery", discovery}), qPrintable(line2.ErrorOutput()));

        m_windows = std::make_unique<TStationWindows>();
        TConnectionManager& manager = m_windows->Station().Manager();
        manager.NetworkList().SetCollectMs(700); // the station collects for 3 s; the test need not wait so long
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&m_windows->MainForm()));
        QTRY_COMPARE(manager.NetworkList().Count(), 2);
        TNetChannel* channel =
            manager.NetworkList().At(manager.NetworkList().IndexOf(TNetChannel::NameFor("127.0.0.1", line1.TcpPort())));
        QVERIFY(channel);
        QTRY_VERIFY_WITH_TIMEOUT(!channel->LinkTimer().isActive(), 5000); // the probe link is closed after its time

        manager.ConnectPrinter(channel->Id());
        QTRY_COMPARE(Shown("printerValue"), QStringLiteral("LINE1"));
        QTRY_COMPARE(Shown("imageValue"), QStringLiteral("DEMO"));
        QVERIFY(Lit("inkLamp") && !Lit("printLamp"));

        m_windows->Station().StartPrint(QStringLiteral("DEMO"), QString());
        QTRY_VERIFY(Lit("printLamp"));
        QTRY_VERIFY_WITH_TIMEOUT(Shown("printCountValue").toInt() > 0, 5000);
        line1.Command("status 0x0000");
        QTRY_VERIFY(!Lit("inkLamp") && !Lit("printLamp"));
        line1.Command("status 0x0101");
        QTRY_VERIFY(Lit("inkLamp") && Lit("printLamp"));

        QSignalSpy closed(&m_windows->MainForm(), &TVexMainForm::Closed);
        QVERIFY(AppTest::ClickMenu(m_windows->MainForm(), {"Exit"}));
        QTRY_COMPARE(closed.count(), 1);
        QTRY_VERIFY(ReceivedDisconnectRequest(line1));
        QVERIFY(!ReceivedDisconnectRequest(line2));
    }
};

QTEST_MAIN(TestVexEndToEnd)
#include "tst_vexendtoend.moc"
