// vexd with two simulated printers and a mosquitto broker of the test's own: what a dashboard sees,
// the will, a broker restart, and the remote commands that reach a printer only when allowed.
#include "MosquittoBroker.h"
#include "MqttDocument.h"
#include "MqttProbe.h"
#include "SimulatorProcess.h"
#include "VexdRun.h"
#include "comm/XLMessage.h"

#include <QDir>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {
const QString Root = QStringLiteral("vex/v1/LINE-3/");

// The line: a broker, LINE1 (a Deneb) and LINE2 (a Vega), and vexd keeping both.
struct TLine
{
    QTemporaryDir Folder;
    TMosquittoBroker Broker;
    TSimulatorProcess Line1;
    TSimulatorProcess Line2;
    std::unique_ptr<TVexdRun> Vexd;

    bool Start(const QMap<QString, QString>& settings = {})
    {
        if (!Broker.Start() || !Line1.Start({"--tcp", "0", "--no-discovery", "--name", "LINE1", "--model", "3"}) ||
            !Line2.Start({"--tcp", "0", "--no-discovery", "--name", "LINE2", "--model", "1"}))
            return false;
        Vexd = std::make_unique<TVexdRun>(Folder.path());
        QMap<QString, QString> values{
            {"MQTT_BROKER", Broker.Url()},
            {"STATION_NAME", "LINE-3"},
            {"MQTT_RETRY_MS", "300"},
            {"VEXD_PRINTERS", QStringLiteral("127.0.0.1:%1, 127.0.0.1:%2").arg(Line1.TcpPort()).arg(Line2.TcpPort())}};
        values.insert(settings);
        Vexd->WriteSettings(values);
        return Vexd->Start() && Vexd->AwaitLog("LINE1: connected") && Vexd->AwaitLog("LINE2: connected");
    }
};

QStringList Kinds(const QList<QJsonObject>& events)
{
    QStringList kinds;
    for (const QJsonObject& event : events)
        kinds << event.value("kind").toString();
    return kinds;
}

// The sequence number of the first event of that kind, -1 for none.
qint64 SeqOf(const QList<QJsonObject>& events, const QString& kind)
{
    for (const QJsonObject& event : events)
        if (event.value("kind").toString() == kind)
            return event.value("seq").toInteger();
    return -1;
}

QByteArray Command(const QByteArray& requestId, const QByteArray& arguments = {})
{
    return "{\"requestId\":\"" + requestId + "\",\"client\":\"mes-7\"" + (arguments.isEmpty() ? "" : "," + arguments) + "}";
}
// The payload has the keys and types of the document's example.
#define COMPARE_WITH_DOCUMENT(example, payload)                                                                  \
    do {                                                                                                       \
        const QString difference = MqttDocument::ShapeDifference(MqttDocument::Example(example), payload);     \
        QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral(example ": ") + difference));                \
    } while (false)
} // namespace

class TestVexd : public QObject
{
    Q_OBJECT

private slots:
    // A dashboard that subscribes after vexd has connected sees the station online and each printer's
    // retained state; a fault comes as an event and in the state; when vexd is killed, the broker's
    // will says the station is offline, to dashboards that subscribe later too.
    void aDashboardSeesThePrintersAndTheWillSaysOffline()
    {
        TLine line;
        QVERIFY(line.Start());
        TMqttProbe dashboard(line.Broker.Port());
        QVERIFY(dashboard.Connect());
        QTRY_COMPARE(dashboard.On(Root + "status").value(0).value("status").toString(), QStringLiteral("online"));
        QCOMPARE(dashboard.On(Root + "status").value(0).value("station").toString(), QStringLiteral("LINE-3"));
        // A state follows every change: the one that counts is the last, once the images are known.
        const auto lastState = [&](const char* printer) {
            const QList<QJsonObject> states = dashboard.On(Root + printer + "/state");
            return states.isEmpty() ? QJsonObject() : states.constLast();
        };
        QTRY_COMPARE(lastState("LINE1").value("images").toArray().size(), 2);
        QTRY_COMPARE(lastState("LINE2").value("images").toArray().size(), 1);
        const QJsonObject deneb = lastState("LINE1");
        QCOMPARE(deneb.value("connection").toString(), QStringLiteral("connected"));
        QCOMPARE(deneb.value("printer").toObject().value("model").toString(), QStringLiteral("Deneb"));
        QCOMPARE(deneb.value("images").toArray().size(), 2); // two heads
        COMPARE_WITH_DOCUMENT("state", deneb);

        line.Line1.Command("fault ribbon");
        QTRY_VERIFY(Kinds(dashboard.On(Root + "LINE1/event")).contains("fault-raised"));
        const QList<QJsonObject> events = dashboard.On(Root + "LINE1/event");
        const QJsonObject fault = events.at(Kinds(events).indexOf("fault-raised"));
        QCOMPARE(fault.value("values").toObject().value("fault").toString(), QStringLiteral("ribbon-fault"));
        QCOMPARE(fault.value("printer").toObject().value("name").toString(), QStringLiteral("LINE1"));
        QCOMPARE(fault.value("station").toString(), QStringLiteral("LINE-3"));
        COMPARE_WITH_DOCUMENT("status", dashboard.On(Root + "status").value(0));
        COMPARE_WITH_DOCUMENT("event", fault);
        QTRY_COMPARE(dashboard.On(Root + "LINE1/state").constLast().value("lastFault").toObject().value("text").toString(),
                     QStringLiteral("LINE1 - RIBBON FAULT!"));

        line.Vexd->Signal(SIGKILL);
        QTRY_COMPARE(dashboard.On(Root + "status").constLast().value("status").toString(), QStringLiteral("offline"));
        TMqttProbe later(line.Broker.Port(), "vex/#", "later");
        QVERIFY(later.Connect());
        QTRY_COMPARE(later.On(Root + "status").value(0).value("status").toString(), QStringLiteral("offline"));
    }

    // A printer that ends its connection is reconnecting in its state, and connected again once the
    // station's reconnection has it back.
    void aLostPrinterIsReconnectingInItsState()
    {
        TLine line;
        QVERIFY(line.Start());
        TMqttProbe dashboard(line.Broker.Port());
        QVERIFY(dashboard.Connect());
        const auto connection = [&] {
            return dashboard.On(Root + "LINE2/state").value(dashboard.On(Root + "LINE2/state").size() - 1).value("connection").toString();
        };
        QTRY_COMPARE(connection(), QStringLiteral("connected"));
        line.Line2.Command("disconnect");
        QTRY_COMPARE(connection(), QStringLiteral("reconnecting"));
        COMPARE_WITH_DOCUMENT("state-reconnecting", dashboard.On(Root + "LINE2/state").constLast());
        QTRY_COMPARE_WITH_TIMEOUT(connection(), QStringLiteral("connected"), 10000); // after the first pause
        // Its events come from the history, a moment after its state.
        QTRY_VERIFY(Kinds(dashboard.On(Root + "LINE2/event")).contains("reconnected"));
        QCOMPARE(Kinds(dashboard.On(Root + "LINE2/event")).count("reconnected"), 1);
    }

    // The broker goes away and comes back (keeping nothing): every printer's state is published again,
    // the events of the gap are published once it is back, in order, and the station is online again.
    void theEventsOfABrokerOutageArePublishedAfterIt()
    {
        TLine line;
        QVERIFY(line.Start());
        TMqttProbe dashboard(line.Broker.Port());
        QVERIFY(dashboard.Connect());
        QTRY_VERIFY(!dashboard.On(Root + "status").isEmpty());

        line.Broker.Stop();
        QVERIFY(line.Vexd->AwaitLog("cannot be reached"));
        // One after the other: two printers' reports reach the station in no fixed order.
        line.Line1.Command("fault ribbon");
        QVERIFY(line.Vexd->AwaitLog("LINE1: fault-raised"));
        line.Line2.Command("fault timeout");
        QVERIFY(line.Vexd->AwaitLog("LINE2: fault-raised"));
        QVERIFY(line.Broker.Restart());
        TMqttProbe later(line.Broker.Port(), "vex/#", "later");
        QVERIFY(later.Connect());
        QTRY_VERIFY(!later.On(Root + "LINE1/state").isEmpty() && !later.On(Root + "LINE2/state").isEmpty());
        QTRY_VERIFY(!later.On(Root + "LINE1/state").constLast().value("lastFault").isNull());

        QTRY_VERIFY_WITH_TIMEOUT(Kinds(dashboard.On(Root + "LINE2/event")).contains("fault-raised"), 15000);
        QVERIFY(Kinds(dashboard.On(Root + "LINE1/event")).contains("fault-raised"));
        QCOMPARE(dashboard.On(Root + "status").constLast().value("status").toString(), QStringLiteral("online"));
        // In the order they were recorded (other events of either printer may follow them).
        const qint64 ribbon = SeqOf(dashboard.On(Root + "LINE1/event"), "fault-raised");
        const qint64 timeout = SeqOf(dashboard.On(Root + "LINE2/event"), "fault-raised");
        QVERIFY2(ribbon < timeout, qPrintable(QStringLiteral("%1 %2").arg(ribbon).arg(timeout)));
        // Said once, however often the broker was tried.
        QCOMPARE(line.Vexd->Log().count("cannot be reached"), 1);
    }

    // start, stop and answer reach the printer only when the settings allow remote control;
    // otherwise each is refused with the reason on its result topic. A transfer of a file outside the
    // allowed folder is refused either way.
    void remoteCommandsReachThePrinterOnlyWhenAllowed_data()
    {
        QTest::addColumn<bool>("allowed");
        QTest::newRow("REMOTE_CONTROL=1") << true;
        QTest::newRow("REMOTE_CONTROL=0") << false;
    }
    void remoteCommandsReachThePrinterOnlyWhenAllowed()
    {
        QFETCH(bool, allowed);
        QTemporaryDir labels;
        TLine line;
        QVERIFY(line.Start({{"REMOTE_CONTROL", allowed ? "1" : "0"}, {"REMOTE_TRANSFER_DIRECTORY", labels.path()}}));
        TMqttProbe mes(line.Broker.Port(), "vex/#", "mes");
        QVERIFY(mes.Connect());
        const QString commands = Root + "LINE1/cmd/";
        const auto result = [&](const char* verb) { return mes.On(commands + verb + "/result").value(0); };

        mes.Publish((commands + "start").toUtf8(), Command("s1", "\"image\":\"DEMO\",\"imageB\":\"DEMO\""));
        QTRY_VERIFY(!result("start").isEmpty());
        QCOMPARE(result("start").value("requestId").toString(), QStringLiteral("s1"));
        mes.Publish((commands + "stop").toUtf8(), Command("s2"));
        QTRY_VERIFY(!result("stop").isEmpty());
        line.Line1.Command("request numeric 5 10 20 3");
        QVERIFY(line.Vexd->AwaitLog("LINE1: operator-request"));
        mes.Publish((commands + "answer").toUtf8(), Command("s3", "\"answer\":15"));
        QTRY_VERIFY(!result("answer").isEmpty());
        const QString outside = QDir(line.Folder.path()).filePath("vexd.ini");
        mes.Publish((commands + "transfer").toUtf8(), Command("s4", "\"path\":\"" + outside.toUtf8() + "\""));
        QTRY_VERIFY(!result("transfer").isEmpty());

        for (const char* verb : {"start", "stop", "answer"}) {
            QCOMPARE(result(verb).value("outcome").toString(), allowed ? QStringLiteral("accepted") : QStringLiteral("refused"));
            QCOMPARE(result(verb).value("reason").toString(),
                     allowed ? QString() : QStringLiteral("remote control is off on this station (REMOTE_CONTROL)"));
        }
        QCOMPARE(result("transfer").value("outcome").toString(), QStringLiteral("refused"));
        if (allowed)
            QCOMPARE(result("transfer").value("reason").toString(),
                     QStringLiteral("the file is not in the folder this station allows remote transfers from"));

        // What reached the printer: StartPrint, StopPrint and the numeric reply, or none of them.
        const auto reached = [&](TXLMessageKind kind) {
            return line.Line1.ReceivedBodies(kind.Id, kind.Sub).size();
        };
        if (allowed) {
            QTRY_COMPARE(reached(XLSend::StartPrint), 1);
            QCOMPARE(line.Line1.ReceivedBodies(XLSend::StartPrint.Id, XLSend::StartPrint.Sub).value(0),
                     QByteArray("DEMO\0DEMO\0", 10));
            QTRY_COMPARE(reached(XLSend::StopPrint), 1);
            QTRY_COMPARE(line.Line1.ReceivedBodies(XLSend::OperatorNumericReply.Id, XLSend::OperatorNumericReply.Sub)
                             .value(0),
                         QByteArray("\0\0\0\x0f", 4));
        } else {
            QTest::qWait(200); // what would have gone has had its time
            QCOMPARE(reached(XLSend::StartPrint), 0);
            QCOMPARE(reached(XLSend::StopPrint), 0);
        }
        // Recorded as the remote client's.
        QTRY_VERIFY(Kinds(mes.On(Root + "LINE1/event")).contains("remote-command"));
        const QJsonObject remote = mes.On(Root + "LINE1/event").at(Kinds(mes.On(Root + "LINE1/event")).indexOf("remote-command"));
        QCOMPARE(remote.value("source").toObject(), (QJsonObject{{"kind", "remote"}, {"client", "mes-7"}}));
        COMPARE_WITH_DOCUMENT("result", result("start"));
        if (allowed)
            COMPARE_WITH_DOCUMENT("event-remote-command", remote);
    }
};

QTEST_GUILESS_MAIN(TestVexd)
#include "tst_vexd.moc"
