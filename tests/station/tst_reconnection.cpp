// Printers that the station keeps connected: a printer switched off and on again, over TCP or a COM
// port, comes back by itself, the same printer only; the operator's own disconnection ends it.
#include "DesignFileWriter.h"
#include "InProcessPrinter.h"
#include "RecordingViews.h"
#include "SimulatorProcess.h"
#include "TestSupport.h"
#include "coder/Coder.h"
#include "comm/NetChannel.h"
#include "comm/SerialChannel.h"
#include "images/FontUnit.h"
#include "platform/SettingsStore.h"
#include "station/Reconnection.h"
#include "station/Station.h"

#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {
using TConnection = TPrinterLineState::TConnection;

QString KindOf(int id, int sub)
{
    static const QList<std::pair<TXLMessageKind, const char*>> names{
        {XLSend::ConnectRequest, "ConnectRequest"},   {XLSend::DisconnectRequest, "DisconnectRequest"},
        {XLSend::RequestPrinterInfo, "PrinterInfo?"}, {XLSend::RequestImageList, "ImageList?"},
        {XLSend::RequestStatus, "Status?"},           {XLSend::Wake, "Wake"},
    };
    for (const auto& [kind, name] : names)
        if (kind.Id == id && kind.Sub == sub)
            return QLatin1String(name);
    return QStringLiteral("%1/%2").arg(id).arg(sub);
}

// What reached the simulated printer, by name.
QStringList Received(const TSimulatorProcess& printer)
{
    QStringList received;
    for (const QJsonObject& line : printer.Log())
        if (line.value(QStringLiteral("dir")) == QLatin1String("in"))
            received << KindOf(line.value(QStringLiteral("id")).toInt(), line.value(QStringLiteral("sub")).toInt());
    return received;
}

const QStringList NewConnection{"ConnectRequest", "PrinterInfo?", "ImageList?"};
} // namespace

class TestReconnection : public QObject
{
    Q_OBJECT

    TRecordingViews m_views;
    TFontMap m_fonts;
    std::unique_ptr<TStation> m_station;
    QStringList m_events;
    QTemporaryDir m_dir;

    TConnectionManager& Manager() { return m_station->Manager(); }
    TReconnection& Reconnection() { return m_station->Reconnection(); }
    TConnection ConnectionOf(quint64 id)
    {
        const std::optional<TPrinterLineState> state = m_station->Line().StateOf(id);
        return state ? state->Connection : TConnection::Disconnected;
    }
    bool IsSelected(quint64 id)
    {
        const TCommChannel* selected = Manager().SelectedChannel();
        return selected && selected->Id() == id;
    }
    QStringList EventsOf(const QStringList& kinds) const
    {
        QStringList events;
        for (const QString& event : m_events)
            if (kinds.contains(event.section(QLatin1Char(' '), 0, 0)))
                events << event;
        return events;
    }

    // Connects the simulator over its TCP port, or over the COM port whose device is given, and waits
    // until it is selected and has told its images: its channel's id, 0 when that did not happen.
    quint64 Connect(const TSimulatorProcess& printer, const QString& device = {})
    {
        quint64 id = 0;
        if (device.isEmpty()) {
            id = TestSupport::StartConnectingOverTcp(Manager(), printer.TcpPort());
        } else {
            id = Manager().AddSerialPrinter(QStringLiteral("COM9"), 9, device)->Id();
            Manager().SetSerialChannel(Manager().SerialList().IndexOf(QStringLiteral("COM9")), true);
            Manager().ConnectPrinter(id);
        }
        Manager().RefreshListView();
        const bool ready = QTest::qWaitFor([&] {
            const TCommChannel* selected = Manager().SelectedChannel();
            return selected && selected->Id() == id && !TCoder::Of(*selected).Images.isEmpty();
        });
        return ready ? id : 0;
    }
    static bool StartTcp(TSimulatorProcess& printer, const QString& name, quint16 port = 0,
                         const QStringList& options = {})
    {
        return printer.Start(QStringList{"--tcp", QString::number(port), "--no-discovery", "--name", name} + options);
    }
    // The simulator's pseudo-terminal behind a device name of the test's own, as a COM port's device
    // stays the same when the printer behind it is switched off and on.
    bool StartPty(TSimulatorProcess& printer, const QString& name, const QString& link,
                  const QStringList& options = {})
    {
        QFile::remove(link);
        return printer.Start(QStringList{"--pty", "--name", name} + options) &&
               QFile::link(printer.PtyDevice(), link);
    }

private slots:
    void init()
    {
        m_views = TRecordingViews();
        m_events.clear();
        m_station = std::make_unique<TStation>(m_views.Views(), m_fonts, TDiscoveryAddress::NothingToFind());
        TReconnectionTimes times;
        times.FirstPauseMs = 10;
        times.MaxPauseMs = 80;
        times.AttemptMs = 4000;
        Reconnection().SetTimes(times);
        Reconnection().SetKeepsConnectedPrinters(true);
        connect(&m_station->Events(), &TStationEvents::Emitted, this, [this](const TStationEvent& event) {
            QString line = StationEventKinds::NameOf(event.Kind);
            for (const char* key : {"attempt", "attempts", "by"})
                if (event.Values.contains(QLatin1String(key)))
                    line += QStringLiteral(" %1=%2").arg(QLatin1String(key), event.Values.value(QLatin1String(key)).toVariant().toString());
            m_events << line;
        });
    }
    void cleanup() { m_station.reset(); }

    void pausesDoubleUpToTheLongest_data()
    {
        QTest::addColumn<int>("attempt");
        QTest::addColumn<double>("random");
        QTest::addColumn<int>("pauseMs");
        QTest::newRow("first, no jitter") << 1 << 0.5 << 1000;
        QTest::newRow("second") << 2 << 0.5 << 2000;
        QTest::newRow("fifth") << 5 << 0.5 << 16000;
        QTest::newRow("sixth: the longest") << 6 << 0.5 << 30000;
        QTest::newRow("fortieth: still the longest") << 40 << 0.5 << 30000;
        QTest::newRow("first, a tenth shorter") << 1 << 0.0 << 900;
        QTest::newRow("first, a tenth longer") << 1 << 1.0 << 1100;
        QTest::newRow("the longest is never exceeded") << 6 << 1.0 << 30000;
        QTest::newRow("the longest, a tenth shorter") << 6 << 0.0 << 27000;
    }
    void pausesDoubleUpToTheLongest()
    {
        QFETCH(int, attempt);
        QFETCH(double, random);
        QFETCH(int, pauseMs);
        QCOMPARE(TReconnectionTimes().JitteredPause(attempt, random), pauseMs);
    }

    void theSettingsChooseWhetherAndHowLong_data()
    {
        QTest::addColumn<QVariant>("automatic");
        QTest::addColumn<QVariant>("longest");
        QTest::addColumn<bool>("keeps");
        QTest::addColumn<int>("longestMs");
        QTest::newRow("nothing set") << QVariant() << QVariant() << true << 30000;
        QTest::newRow("off, a minute") << QVariant("0") << QVariant("60000") << false << 60000;
        QTest::newRow("on, shorter than the first pause") << QVariant("1") << QVariant("10") << true << 1000;
        QTest::newRow("not numbers") << QVariant("yes") << QVariant("long") << true << 30000;
        QTest::newRow("beyond an hour") << QVariant("2") << QVariant("999999999") << true << 3600000;
    }
    void theSettingsChooseWhetherAndHowLong()
    {
        QFETCH(QVariant, automatic);
        QFETCH(QVariant, longest);
        QFETCH(bool, keeps);
        QFETCH(int, longestMs);
        for (const auto& [key, value] : {std::pair{SettingsStore::AutoReconnect, automatic},
                                         std::pair{SettingsStore::ReconnectMaxPauseMs, longest}})
            SettingsStore::SetValue(QLatin1String(key), value);
        QCOMPARE(TReconnection::AutomaticFromSettings(), keeps);
        QCOMPARE(TReconnectionTimes::FromSettings().MaxPauseMs, longestMs);
        SettingsStore::SetValue(QLatin1String(SettingsStore::AutoReconnect), {});
        SettingsStore::SetValue(QLatin1String(SettingsStore::ReconnectMaxPauseMs), {});
    }

    // LINE1 is switched off with work under way, then on again at its place: the station shows it
    // reconnecting, then connected and selected again; it gets the requests of a new connection and
    // nothing of what its last link had in flight.
    void aPrinterSwitchedOffAndOnComesBackSelected_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<bool>("batch");
        QTest::newRow("TCP, requests unanswered") << false << false;
        QTest::newRow("TCP, a batch running") << false << true;
        QTest::newRow("pseudo-terminal, requests unanswered") << true << false;
        QTest::newRow("pseudo-terminal, a batch running") << true << true;
    }
    void aPrinterSwitchedOffAndOnComesBackSelected()
    {
        QFETCH(bool, serial);
        QFETCH(bool, batch);
        const QString link = m_dir.filePath(QStringLiteral("com9"));
        const QStringList slow = batch ? QStringList{"--ack-delay", "150"} : QStringList{};
        auto before = std::make_unique<TSimulatorProcess>();
        QVERIFY(serial ? StartPty(*before, "LINE1", link, slow) : StartTcp(*before, "LINE1", 0, slow));
        const quint16 port = before->TcpPort();
        const quint64 id = Connect(*before, serial ? link : QString());
        QVERIFY(id);
        QCOMPARE(ConnectionOf(id), TConnection::Connected);

        if (batch) {
            const QStringList files{m_dir.filePath("ONE.dsn"), m_dir.filePath("TWO.dsn")};
            QVERIFY(TDesignFileWriter::SmallImage("ONE").WriteTo(files[0]));
            QVERIFY(TDesignFileWriter::SmallImage("TWO").WriteTo(files[1]));
            QVERIFY(m_station->Batch().Start(files));
        } else {
            before->Command("silent on");
            QTest::qWait(100);
            m_station->StartPrint(QStringLiteral("DEMO"), {});
            Manager().SendToSelected(std::make_unique<TXLMessage>(XLSend::RequestParameters));
        }
        QFile::remove(link);
        before.reset(); // switched off
        QTRY_COMPARE(ConnectionOf(id), TConnection::Reconnecting);
        QVERIFY(!Manager().ConnectedList().contains(Manager().FindChannel(id)));
        QCOMPARE(m_views.Entries.value(0).Icon, TConnectionEntry::ReconnectingIcon);
        QVERIFY(!m_station->Batch().IsRunning());
        QCOMPARE(m_views.CallsStartingWith("ShowBatchAborted").size(), batch ? 1 : 0);

        TSimulatorProcess after;
        QVERIFY(serial ? StartPty(after, "LINE1", link) : StartTcp(after, "LINE1", port));
        QTRY_VERIFY(IsSelected(id) && ConnectionOf(id) == TConnection::Connected);
        QTRY_COMPARE(Received(after), NewConnection);
        QVERIFY(m_views.Entries.value(0).Icon < TConnectionEntry::NotConnectedIcon);
        const QStringList events = EventsOf({"link-lost", "reconnected", "connected", "disconnected"});
        QCOMPARE(events.mid(1), (QStringList{"link-lost", "connected", "reconnected attempts=" +
                                                                           events.last().section('=', 1)}));
        QVERIFY(events.last().section('=', 1).toInt() >= 1);
    }

    // A printer that stays away for a while: one "link-lost", then "reconnecting" at the first,
    // second, fourth ... attempt, and "reconnected" with the attempts it took.
    void aPrinterAwayForLongIsRecordedOnceLostAndSometimesTried()
    {
        auto before = std::make_unique<TSimulatorProcess>();
        QVERIFY(StartTcp(*before, "LINE1"));
        const quint16 port = before->TcpPort();
        const quint64 id = Connect(*before);
        QVERIFY(id);
        before.reset();
        QTRY_VERIFY(Reconnection().Progress(id).value_or(TReconnection::TProgress()).Attempts >= 5);
        TSimulatorProcess after;
        QVERIFY(StartTcp(after, "LINE1", port));
        QTRY_COMPARE(ConnectionOf(id), TConnection::Connected);
        const QStringList events = EventsOf({"link-lost", "reconnecting", "reconnected", "disconnected"});
        QCOMPARE(events.count("link-lost"), 1);
        QCOMPARE(events.mid(0, 4), (QStringList{"link-lost", "reconnecting attempt=1", "reconnecting attempt=2",
                                                "reconnecting attempt=4"}));
        const int attempts = events.last().section('=', 1).toInt();
        QVERIFY2(events.last().startsWith("reconnected") && attempts >= 5, qPrintable(events.join('\n')));
        QCOMPARE(events.filter("reconnecting").size(), int(std::log2(attempts)) + 1);
    }

    // A printer kept by its address before it ever answered (as vexd keeps its printers) is
    // connected when it comes, not reconnected.
    void aPrinterKeptBeforeItAnswersIsConnectedNotReconnected()
    {
        auto before = std::make_unique<TSimulatorProcess>();
        QVERIFY(StartTcp(*before, "LINE1"));
        const quint16 port = before->TcpPort();
        before.reset();
        TCommChannel* channel = Reconnection().KeepNetworkPrinter(QStringLiteral("127.0.0.1"), port);
        QTRY_VERIFY(Reconnection().Progress(channel->Id()).value_or(TReconnection::TProgress()).Attempts >= 2);
        TSimulatorProcess printer;
        QVERIFY(StartTcp(printer, "LINE1", port));
        QTRY_VERIFY(Manager().ConnectedList().contains(channel));
        QCOMPARE(EventsOf({"connected", "reconnected"}), QStringList{"connected"});
    }

    // Another printer now answers at LINE1's port (another name, or LINE1's name on another model):
    // it is told that the station does not want it, shown as a printer of its own, and LINE1 stays
    // reconnecting.
    void aDifferentPrinterAtTheOldPortIsNotTakenForIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("shownAs");
        QTest::newRow("another name") << "LINE2" << QStringList() << "Vega - LINE2";
        QTest::newRow("the same name, another model") << "LINE1" << QStringList{"--model", "0"} << "Altair - LINE1";
    }
    void aDifferentPrinterAtTheOldPortIsNotTakenForIt()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, options);
        QFETCH(QString, shownAs);
        auto before = std::make_unique<TSimulatorProcess>();
        QVERIFY(StartTcp(*before, "LINE1"));
        const quint16 port = before->TcpPort();
        const quint64 id = Connect(*before);
        QVERIFY(id);
        before.reset();
        QTRY_COMPARE(ConnectionOf(id), TConnection::Reconnecting);

        TSimulatorProcess other;
        QVERIFY(StartTcp(other, name, port, options));
        QTRY_COMPARE(m_station->Line().StateOf(id)->OtherPrinter, shownAs);
        QTRY_VERIFY(Received(other).contains("DisconnectRequest"));
        Manager().RefreshListView();
        QTRY_COMPARE(m_views.Entries.size(), 2);
        QCOMPARE(m_views.Entries[1].Caption, shownAs);
        QCOMPARE(m_views.Entries[1].Icon, TConnectionEntry::NotConnectedIcon);
        QCOMPARE(ConnectionOf(id), TConnection::Reconnecting);
        const TCoder& lost = TCoder::Of(*Manager().FindChannel(id));
        QCOMPARE(lost.PrinterName, QStringLiteral("LINE1"));
        QCOMPARE(lost.Model, PrinterModels::Vega);
        QVERIFY(Manager().ConnectedList().isEmpty());
        QVERIFY(EventsOf({"reconnected"}).isEmpty());
    }

    // The operator's own end of a connection, and the station closing, are never undone.
    void afterTheOperatorDisconnectsNothingIsTried_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Disconnect") << "disconnect";
        QTest::newRow("Disconnect all") << "all";
        QTest::newRow("the station closes") << "close";
        QTest::newRow("Disconnect while it reconnects") << "reconnecting";
    }
    void afterTheOperatorDisconnectsNothingIsTried()
    {
        QFETCH(QString, how);
        auto before = std::make_unique<TSimulatorProcess>();
        QVERIFY(StartTcp(*before, "LINE1"));
        const quint16 port = before->TcpPort();
        const quint64 id = Connect(*before);
        QVERIFY(id);
        if (how == "reconnecting") {
            before.reset();
            QTRY_COMPARE(ConnectionOf(id), TConnection::Reconnecting);
            Manager().DisconnectPrinter(id);
        } else if (how == "close") {
            m_station->Shutdown();
        } else if (how == "all") {
            Manager().DisconnectAll();
        } else {
            Manager().DisconnectPrinter(id);
        }
        QTRY_VERIFY(!Manager().FindChannel(id) || !Manager().FindChannel(id)->IsConnected());
        before.reset();
        TSimulatorProcess after;
        QVERIFY(StartTcp(after, "LINE1", port));
        QTest::qWait(300); // many a pause long
        QCOMPARE(Received(after), QStringList());
        QVERIFY(!Reconnection().IsReconnecting(id));
        if (how == "reconnecting")
            QCOMPARE(EventsOf({"disconnected"}), QStringList{"disconnected by=operator"});
    }

    // The discovery does not drop a printer that is being reconnected, though it does not answer.
    void theDiscoveryKeepsAPrinterBeingReconnected()
    {
        auto before = std::make_unique<TSimulatorProcess>();
        QVERIFY(StartTcp(*before, "LINE1"));
        const quint64 id = Connect(*before);
        QVERIFY(id);
        before.reset();
        QTRY_COMPARE(ConnectionOf(id), TConnection::Reconnecting);
        Manager().NetworkList().BuildList();
        Manager().NetworkList().OnCollectTimer();
        QVERIFY(Manager().FindChannel(id));
        QCOMPARE(ConnectionOf(id), TConnection::Reconnecting);
    }

    // A printer that comes back at once is selected again only when it was selected as it went, the
    // selection its going left still holds, and no window works with the printer selected now.
    void theReturningPrinterIsSelectedOnlyIfItWas_data()
    {
        QTest::addColumn<QString>("going");
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("selectedAtTheEnd");
        QTest::newRow("the selected printer") << "C" << "" << "C";
        QTest::newRow("a printer in the background") << "A" << "" << "C";
        QTest::newRow("the operator chose another meanwhile") << "C" << "select A" << "A";
        QTest::newRow("a window works with the printer selected now") << "C" << "window" << "B";
    }
    void theReturningPrinterIsSelectedOnlyIfItWas()
    {
        QFETCH(QString, going);
        QFETCH(QString, meanwhile);
        QFETCH(QString, selectedAtTheEnd);
        std::map<QString, std::unique_ptr<TInProcessPrinter>> printers;
        std::map<QString, quint64> ids;
        for (const QString name : {"A", "B", "C"}) {
            printers[name] = std::make_unique<TInProcessPrinter>(name, m_dir.filePath(name + ".log"));
            ids[name] = printers[name]->ConnectTo(Manager(), TInProcessPrinter::TMedium::Network);
            QVERIFY(ids[name]);
        }
        Manager().RefreshListView();
        QVERIFY(IsSelected(ids["C"]));
        // Waits for the station to take the printer as lost before it comes back.
        const quint64 id = ids[going];
        bool paused = false;
        connect(&Reconnection(), &TReconnection::Reconnecting, this, [&] {
            paused = true;
            if (meanwhile == "select A")
                Manager().SelectPrinter(ids["A"]);
            else if (meanwhile == "window")
                Manager().SetEnabled(this, false);
        });
        printers[going]->Tcp.DropConnections();
        QTRY_VERIFY(paused);
        QTRY_COMPARE(ConnectionOf(id), TConnection::Connected);
        Manager().SetEnabled(this, true);
        QVERIFY(IsSelected(ids[selectedAtTheEnd]));
        QCOMPARE(Manager().ConnectedList().size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestReconnection)
#include "tst_reconnection.moc"
