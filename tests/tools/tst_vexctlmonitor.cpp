// vexctl monitor against the printer simulator: its lines, the operator answers from the options, a
// printer that goes away and comes back, and Ctrl-C.
#include "SimulatorProcess.h"
#include "TestSupport.h"
#include "VexctlRun.h"
#include "coder/PrinterModels.h"
#include "comm/XLMessage.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using TestSupport::Hex;

namespace {

// A monitor run, its standard output read as it comes.
class TMonitorRun
{
public:
    TMonitorRun(const QString& folder, const TSimulatorProcess& printer, const QStringList& options)
    {
        VexctlRun::Start(
            m_process, folder,
            QStringList{"--printer", QStringLiteral("127.0.0.1:%1").arg(printer.TcpPort()), "monitor"} +
                options);
    }
    ~TMonitorRun() { m_process.kill(); }

    // The text, in what the run has written since the mark (by default, since it started).
    bool AwaitLine(const QString& text, qsizetype mark = 0)
    {
        return VexctlRun::AwaitText(m_process, QProcess::StandardOutput, text, m_output, mark);
    }
    qsizetype Mark() const { return m_output.size(); }
    // Ctrl-C, then the end of the run; Output holds every line.
    VexctlRun::TResult Interrupt()
    {
        ::kill(pid_t(m_process.processId()), SIGINT);
        return Finish();
    }
    VexctlRun::TResult Finish()
    {
        VexctlRun::TResult result = VexctlRun::Finish(m_process);
        result.Output.prepend(m_output.toUtf8());
        return result;
    }

private:
    QProcess m_process;
    QString m_output;
};

QStringList Lines(const QByteArray& output)
{
    return QString::fromUtf8(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestVexctlMonitor : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static bool Start(TSimulatorProcess& printer, quint8 model, const QString& name, quint16 port = 0)
    {
        return printer.Start({"--tcp", QString::number(port), "--no-discovery", "--model",
                              QString::number(model), "--name", name});
    }

private slots:
    void jsonLinesShowTheStateThenWhatChangesUntilCtrlC_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::newRow("Altair") << PrinterModels::Altair;
        QTest::newRow("Vega") << PrinterModels::Vega;
    }
    void jsonLinesShowTheStateThenWhatChangesUntilCtrlC()
    {
        QFETCH(quint8, model);
        TSimulatorProcess printer;
        QVERIFY(Start(printer, model, "LINE3"));
        TMonitorRun monitor(m_dir.path(), printer, {"--json", "--interval", "0.2"});
        QVERIFY(monitor.AwaitLine("\"event\":\"freeMemory\""));
        printer.Command("fault ribbon");
        printer.Command("count 42");
        printer.Command("status 0x0101");
        QVERIFY(monitor.AwaitLine("\"statusWord\":257"));
        const VexctlRun::TResult run = monitor.Interrupt();
        QCOMPARE(run.ExitCode, 0);

        static const QRegularExpression iso8601(
            QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}(Z|[+-]\\d\\d:\\d\\d)$"));
        QStringList events;
        QList<QJsonObject> objects;
        for (const QString& line : Lines(run.Output)) {
            QJsonParseError error;
            const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
            QVERIFY2(error.error == QJsonParseError::NoError && document.isObject(), qPrintable(line));
            QVERIFY2(iso8601.match(document.object().value("time").toString()).hasMatch(), qPrintable(line));
            objects << document.object();
            events << document.object().value("event").toString();
        }
        QCOMPARE(events, (QStringList{"connected", "status", "printCount", "images", "freeMemory", "fault",
                                      "printCount", "status", "stopped"}));
        QCOMPARE(objects[0].value("name").toString(), QStringLiteral("LINE3"));
        QCOMPARE(objects[0].value("model").toInt(), model);
        QCOMPARE(objects[3].value("imageA").toString(), QStringLiteral("DEMO"));
        QCOMPARE(objects[5].value("text").toString(), QStringLiteral("LINE3 - RIBBON FAULT!"));
        QCOMPARE(objects[6].value("printCount").toInt(), 42);
        QCOMPARE(objects[7].value("printing").toBool(), true);
        QCOMPARE(objects[7].value("ink").toBool(), true);
        // Ctrl-C disconnects cleanly.
        QCOMPARE(printer.ReceivedBodies(XLSend::DisconnectRequest.Id, XLSend::DisconnectRequest.Sub).size(),
                 1);
    }

    void operatorRequestsAreAnsweredFromTheOptions_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("replySub");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("exitCode");
        const QByteArray printersValue = Hex("00 00 00 05");
        QTest::newRow("limits 10 then 20: 15")
            << QByteArray("request numeric 5 10 20 3") << QStringList{"--answer-number", "15"} << 6
            << Hex("00 00 00 0F") << 0;
        QTest::newRow("limits 10 then 20: 20")
            << QByteArray("request numeric 5 10 20 3") << QStringList{"--answer-number", "20"} << 6
            << Hex("00 00 00 14") << 0;
        QTest::newRow("limits 10 then 20: 10 is refused")
            << QByteArray("request numeric 5 10 20 3") << QStringList{"--answer-number", "10"} << 6
            << printersValue << 3;
        QTest::newRow("limits 20 then 10: 20 is refused")
            << QByteArray("request numeric 5 20 10 3") << QStringList{"--answer-number", "20"} << 6
            << printersValue << 3;
        QTest::newRow("limits 20 then 10: 10")
            << QByteArray("request numeric 5 20 10 3") << QStringList{"--answer-number", "10"} << 6
            << Hex("00 00 00 0A") << 0;
        QTest::newRow("equal limits refuse everything")
            << QByteArray("request numeric 5 7 7 3") << QStringList{"--answer-number", "7"} << 6
            << printersValue << 3;
        QTest::newRow("text") << QByteArray("request text Lot ABC 5") << QStringList{"--answer-text", "HELLO"}
                              << 2 << QByteArray("HELLO\0", 6) << 0;
        QTest::newRow("text longer than the printer takes")
            << QByteArray("request text Lot ABC 5") << QStringList{"--answer-text", "HELLO!"} << 2
            << QByteArray("ABC\0", 4) << 3;
        QTest::newRow("date") << QByteArray("request date") << QStringList{"--answer-date", "2007-03-05"} << 4
                              << Hex("05 03 D7 07") << 0;
    }
    void operatorRequestsAreAnsweredFromTheOptions()
    {
        QFETCH(QByteArray, request);
        QFETCH(QStringList, options);
        QFETCH(int, replySub);
        QFETCH(QByteArray, reply);
        QFETCH(int, exitCode);
        TSimulatorProcess printer;
        QVERIFY(Start(printer, PrinterModels::Rigel, "LINE6"));
        TMonitorRun monitor(m_dir.path(), printer, options);
        QVERIFY(monitor.AwaitLine("free memory"));
        printer.Command(request);
        QVERIFY(monitor.AwaitLine("answered with"));
        QTRY_COMPARE(printer.ReceivedBodies(XLReceive::OperatorRequestId, replySub),
                     QList<QByteArray>{reply});
        const VexctlRun::TResult run = monitor.Interrupt();
        QCOMPARE(run.ExitCode, exitCode);
        QCOMPARE(run.Output.contains(" refused ("), exitCode == 3);
    }

    // A printer switched off says nothing: the status requests go unanswered. When a printer answers
    // at its port again, it is taken only if it is the same printer.
    void withReconnectThePrinterIsConnectedAgainWhenItComesBack_data()
    {
        QTest::addColumn<QString>("comingBack");
        QTest::addColumn<QString>("line");
        QTest::newRow("the same printer") << "LINE4" << "connected to LINE4 at 127.0.0.1 Port %1 (Altair)";
        QTest::newRow("another printer")
            << "LINE5" << "cannot connect: another printer answers at 127.0.0.1 Port %1: Altair - LINE5";
    }
    void withReconnectThePrinterIsConnectedAgainWhenItComesBack()
    {
        QFETCH(QString, comingBack);
        QFETCH(QString, line);
        auto off = std::make_unique<TSimulatorProcess>();
        QVERIFY(Start(*off, PrinterModels::Altair, "LINE4"));
        const quint16 port = off->TcpPort();
        TMonitorRun monitor(m_dir.path(), *off, {"--reconnect", "--interval", "0.2", "--timeout", "1"});
        QVERIFY(monitor.AwaitLine("status 0x0001 ribbon"));
        off.reset();
        QVERIFY(monitor.AwaitLine("disconnected: "));
        QVERIFY(monitor.AwaitLine("reconnecting in "));
        const qsizetype away = monitor.Mark();
        TSimulatorProcess on;
        QVERIFY(Start(on, PrinterModels::Altair, comingBack, port));
        QVERIFY(monitor.AwaitLine(line.arg(port), away));
        if (comingBack == QLatin1String("LINE4")) {
            on.Command("fault timeout");
            QVERIFY(monitor.AwaitLine("fault: LINE4 - PRINT CYCLE TIMEOUT!"));
        }
        const VexctlRun::TResult run = monitor.Interrupt();
        QCOMPARE(run.ExitCode, 0);
        const QStringList lines = Lines(run.Output);
        QVERIFY(lines.last().endsWith(" stopped, disconnected"));
        // The first pause is a second, a tenth shorter or longer.
        static const QRegularExpression pause(QStringLiteral(" reconnecting in (\\d+\\.\\d) s$"));
        const double firstPause = pause.match(lines.filter(pause).value(0)).captured(1).toDouble();
        QVERIFY2(firstPause >= 0.9 && firstPause <= 1.1, qPrintable(lines.join('\n')));
        QCOMPARE(lines.filter(QStringLiteral("connected to LINE5")), QStringList());
    }

    void withoutReconnectTheMonitorEndsWhenThePrinterEndsTheConnection()
    {
        TSimulatorProcess printer;
        QVERIFY(Start(printer, PrinterModels::Deneb, "LINE8"));
        TMonitorRun monitor(m_dir.path(), printer, {});
        QVERIFY(monitor.AwaitLine("current image DEMO"));
        printer.Command("disconnect");
        const VexctlRun::TResult run = monitor.Finish();
        QCOMPARE(run.ExitCode, 5);
        const QStringList lines = Lines(run.Output);
        QVERIFY(lines.size() >= 2);
        QVERIFY2(lines[lines.size() - 2].endsWith(" fault: LINE8 MANUALLY DISCONNECTED!"),
                 qPrintable(lines.join('\n')));
        QVERIFY(lines.last().endsWith(" disconnected: the printer ended the connection"));
    }
};

QTEST_GUILESS_MAIN(TestVexctlMonitor)
#include "tst_vexctlmonitor.moc"
