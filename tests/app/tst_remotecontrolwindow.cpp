// vex on the plant's broker: remote commands are taken only while the operator has ticked
// "Settings", "Allow remote control", which the main window shows; with REMOTE_CONTROL=0 the entry
// cannot be ticked.
#include "AppTestSupport.h"
#include "MosquittoBroker.h"
#include "MqttProbe.h"
#include "SimulatorProcess.h"
#include "app/StationWindows.h"
#include "app/main/VexMainForm.h"
#include "comm/XLMessage.h"
#include "platform/SettingsStore.h"
#include "station/Reconnection.h"
#include "station/Station.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString Root = QStringLiteral("vex/v1/LINE-3/");
} // namespace

class TestRemoteControlWindow : public QObject
{
    Q_OBJECT

    TMosquittoBroker m_broker;
    QTemporaryDir m_dir;
    std::unique_ptr<TStationWindows> m_windows;

    TVexMainForm& Main() { return m_windows->MainForm(); }
    QAction* AllowEntry() { return Main().findChild<QAction*>(QStringLiteral("actionAllowRemoteControl")); }
    QLabel* Notice() { return Main().findChild<QLabel*>(QStringLiteral("remoteControlNotice")); }
    void StartStation(const char* remoteControl)
    {
        SettingsStore::SetValue(QLatin1String(SettingsStore::RemoteControl), QLatin1String(remoteControl));
        m_windows = std::make_unique<TStationWindows>();
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&Main()));
    }

private slots:
    void initTestCase() { QVERIFY(m_broker.Start()); }
    void init()
    {
        AppTest::UseQuietSettings();
        SettingsStore::SetValue(QLatin1String(SettingsStore::HistoryFile), m_dir.filePath("history.sqlite"));
        SettingsStore::SetValue(QLatin1String(SettingsStore::MqttBroker), m_broker.Url());
        SettingsStore::SetValue(QLatin1String(SettingsStore::StationName), QStringLiteral("LINE-3"));
        SettingsStore::SetValue(QLatin1String(SettingsStore::MqttRetryMs), 100);
    }
    void cleanup() { m_windows.reset(); }

    void commandsWaitForTheOperatorsPermission()
    {
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery", "--name", "LINE1"}));
        StartStation("1");
        m_windows->Station().Reconnection().KeepNetworkPrinter(QStringLiteral("127.0.0.1"), printer.TcpPort());
        TMqttProbe mes(m_broker.Port(), "vex/#", "mes");
        QVERIFY(mes.Connect());
        QTRY_COMPARE(mes.On(Root + "status").value(0).value("remoteControl"), QJsonValue(false));
        QVERIFY(AllowEntry()->isEnabled() && !AllowEntry()->isChecked());
        QVERIFY(!Notice()->isVisible());
        QTRY_VERIFY(!m_windows->Station().Manager().ConnectedList().isEmpty());

        const QByteArray start = R"({"requestId":"r1","client":"mes-7","image":"DEMO"})";
        mes.Publish((Root + "LINE1/cmd/start").toUtf8(), start);
        QTRY_COMPARE(mes.On(Root + "LINE1/cmd/start/result").value(0).value("reason").toString(),
                     QStringLiteral("the operator has not allowed remote control"));

        QVERIFY(AppTest::ClickMenu(Main(), {"Settings", "Allow remote control"}));
        QVERIFY(AllowEntry()->isChecked());
        QVERIFY(Notice()->isVisible());
        QCOMPARE(Notice()->accessibleName(), QStringLiteral("Remote control allowed"));
        QTRY_COMPARE(mes.On(Root + "status").constLast().value("remoteControl"), QJsonValue(true));
        mes.Publish((Root + "LINE1/cmd/start").toUtf8(), start);
        QTRY_COMPARE(mes.On(Root + "LINE1/cmd/start/result").value(1).value("outcome").toString(),
                     QStringLiteral("accepted"));
        QTRY_COMPARE(printer.ReceivedBodies(XLSend::StartPrint.Id, XLSend::StartPrint.Sub).size(), 1);

        QVERIFY(AppTest::ClickMenu(Main(), {"Settings", "Allow remote control"}));
        QVERIFY(!Notice()->isVisible());
        QTRY_COMPARE(mes.On(Root + "status").constLast().value("remoteControl"), QJsonValue(false));
    }

    // The settings keep remote control off: the entry cannot be ticked and says why.
    void theSettingsCanKeepItOff()
    {
        StartStation("0");
        QVERIFY(!AllowEntry()->isEnabled());
        QCOMPARE(AllowEntry()->toolTip(), QStringLiteral("Remote control is off in the settings (REMOTE_CONTROL)."));
        QVERIFY(!AppTest::ClickMenu(Main(), {"Settings", "Allow remote control"}) || !AllowEntry()->isChecked());
        QVERIFY(!Notice()->isVisible());
    }
};

QTEST_MAIN(TestRemoteControlWindow)
#include "tst_remotecontrolwindow.moc"
