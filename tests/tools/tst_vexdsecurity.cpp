// vexd and the broker's security: what --check says (and never the password), a wrong password
// said once while the station works on, and TLS with a certificate authority of the test's own.
#include "MosquittoBroker.h"
#include "MqttProbe.h"
#include "SimulatorProcess.h"
#include "VexdRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {
const QString Secret = QStringLiteral("s3cr3t-Pa55");
using TSettings = QMap<QString, QString>;

QMap<QString, QString> Usable(const TMosquittoBroker& broker, const TSimulatorProcess& printer)
{
    return {{"MQTT_BROKER", broker.Url()},
            {"STATION_NAME", "LINE-3"},
            {"MQTT_RETRY_MS", "100"},
            {"VEXD_PRINTERS", QStringLiteral("127.0.0.1:%1").arg(printer.TcpPort())}};
}

QByteArray FileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestVexdSecurity : public QObject
{
    Q_OBJECT

private slots:
    // --check exits 0 and says what vexd would do, or 2 with the reason; the password is in neither.
    void checkSaysWhyAndNeverThePassword_data()
    {
        QTest::addColumn<TSettings>("settings");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        const QMap<QString, QString> good{{"MQTT_BROKER", "mqtt://127.0.0.1:1883"},
                                          {"MQTT_USERNAME", "line3"},
                                          {"MQTT_PASSWORD", Secret},
                                          {"VEXD_PRINTERS", "127.0.0.1:3000, COM3"}};
        const auto with = [&good](const QString& key, const QString& value) {
            QMap<QString, QString> settings = good;
            settings.insert(key, value);
            return settings;
        };
        QTest::newRow("usable") << good << 0 << "printers: 127.0.0.1:3000, COM3; broker mqtt://127.0.0.1:1883";
        QTest::newRow("password in the address")
            << with("MQTT_BROKER", "mqtt://line3:" + Secret + "@127.0.0.1:1883") << 2 << "MQTT_BROKER is not a broker's address";
        QTest::newRow("no such scheme") << with("MQTT_BROKER", "http://127.0.0.1") << 2 << "MQTT_BROKER";
        QTest::newRow("port too large") << with("MQTT_BROKER", "mqtt://127.0.0.1:70000") << 2 << "MQTT_BROKER";
        QTest::newRow("CA file missing") << with("MQTT_CA_FILE", "/nonexistent/ca.crt") << 2 << "MQTT_CA_FILE names a file";
        QTest::newRow("TLS files without mqtts") << with("MQTT_CA_FILE", "/etc/hostname") << 2 << "not an mqtts:// address";
        QTest::newRow("remote control is 0 or 1") << with("REMOTE_CONTROL", "yes") << 2 << "REMOTE_CONTROL must be";
        QTest::newRow("no printers") << with("VEXD_PRINTERS", "") << 2 << "VEXD_PRINTERS names no printer";
        QTest::newRow("not a printer") << with("VEXD_PRINTERS", "127.0.0.1:3000 line/1") << 2 << "\"line/1\" is neither";
        QTest::newRow("no transfer folder") << with("REMOTE_TRANSFER_DIRECTORY", "/nonexistent") << 2
                                            << "REMOTE_TRANSFER_DIRECTORY is not a folder";
    }
    void checkSaysWhyAndNeverThePassword()
    {
        QFETCH(TSettings, settings);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QTemporaryDir folder;
        const TVexdRun::TCheck check = TVexdRun(folder.path()).Check(settings);
        QCOMPARE(check.ExitCode, exitCode);
        QVERIFY2(check.Output.contains(said), qPrintable(check.Output));
        QVERIFY2(!check.Output.contains(Secret), qPrintable(check.Output));
    }

    // A wrong password (mosquitto answers "not authorised" to it): said once, the station keeps its printer and its history, and the password
    // appears neither in the journal nor in the history. The right one gets in.
    void aWrongPasswordIsSaidOnceAndTheStationWorksOn()
    {
        TMosquittoBroker broker;
        QVERIFY(broker.Start({"line3", Secret, false}));
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery", "--name", "LINE1"}));
        QTemporaryDir folder;
        TVexdRun vexd(folder.path());
        QMap<QString, QString> settings = Usable(broker, printer);
        settings.insert("MQTT_USERNAME", "line3");
        settings.insert("MQTT_PASSWORD", Secret + "x");
        vexd.WriteSettings(settings);
        QVERIFY(vexd.Start());
        QVERIFY(vexd.AwaitLog("check MQTT_USERNAME and MQTT_PASSWORD"));
        QVERIFY(vexd.AwaitLog("LINE1: connected"));
        printer.Command("fault ribbon");
        QVERIFY(vexd.AwaitLog("LINE1: fault-raised"));
        QTest::qWait(500); // several more tries
        vexd.Signal(SIGTERM);
        QCOMPARE(vexd.AwaitEnd(), 0);
        QCOMPARE(vexd.Log().count("check MQTT_USERNAME and MQTT_PASSWORD"), 1);
        QVERIFY(!vexd.Log().contains(Secret));
        QVERIFY(FileContent(vexd.HistoryFile()).contains("fault-raised"));
        QVERIFY(!FileContent(vexd.HistoryFile()).contains(Secret.toUtf8()));

        settings.insert("MQTT_PASSWORD", Secret);
        vexd.WriteSettings(settings);
        QVERIFY(vexd.Start());
        QVERIFY(vexd.AwaitLog("connected to the broker"));
        vexd.Signal(SIGTERM);
        QCOMPARE(vexd.AwaitEnd(), 0);
    }

    // TLS: the broker's certificate is checked against the certificate authority of the settings; one
    // that did not sign it fails, said in the station's words.
    void tlsWithTheStationsCertificateAuthority_data()
    {
        QTest::addColumn<bool>("rightAuthority");
        QTest::newRow("the authority that signed it") << true;
        QTest::newRow("another authority") << false;
    }
    void tlsWithTheStationsCertificateAuthority()
    {
        QFETCH(bool, rightAuthority);
        TMosquittoBroker broker;
        QVERIFY(broker.Start({{}, {}, true}));
        TMosquittoBroker other; // its authority signed another certificate
        if (!rightAuthority)
            QVERIFY(other.Start({{}, {}, true}));
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery", "--name", "LINE1"}));
        QTemporaryDir folder;
        TVexdRun vexd(folder.path());
        QMap<QString, QString> settings = Usable(broker, printer);
        settings.insert("MQTT_CA_FILE", rightAuthority ? broker.CaFile() : other.CaFile());
        vexd.WriteSettings(settings);
        QVERIFY(vexd.Start());
        if (!rightAuthority) {
            QVERIFY(vexd.AwaitLog("The secure connection to the broker"));
            return;
        }
        QVERIFY(vexd.AwaitLog("connected to the broker mqtts://127.0.0.1"));
        TMqttClient::TOptions options = TMqttProbe::Options(broker.Port(), "dashboard");
        options.Tls = true;
        options.CaFile = broker.CaFile();
        TMqttProbe dashboard(options, "vex/#");
        QVERIFY(dashboard.Connect());
        QTRY_COMPARE(dashboard.On("vex/v1/LINE-3/status").value(0).value("status").toString(), QStringLiteral("online"));
    }
};

QTEST_GUILESS_MAIN(TestVexdSecurity)
#include "tst_vexdsecurity.moc"
