// vexctl job: the example job checked without a printer, and its changeover run against the printer
// simulator: printing starts only when every item matches; a printer, an entry or a job the station
// refuses sends nothing and names the rule.
#include "SimulatorProcess.h"
#include "VexctlRun.h"
#include "comm/XLMessage.h"
#include "platform/SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestVexctlJob : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    VexctlRun::TResult Vexctl(const QStringList& arguments) { return VexctlRun::Run(m_dir.path(), arguments); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings settings(VexctlRun::SettingsFile(m_dir.path()), QSettings::IniFormat);
        settings.setValue(QLatin1String(SettingsStore::JobsDirectory), QStringLiteral(VEX_EXAMPLE_JOBS));
    }

    void checkShowsTheJobOrWhyItIsRefused_data()
    {
        QTest::addColumn<QString>("job");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("shown"); // a part of the output, or of the errors
        QTest::newRow("by product code") << "8712345678906" << 0 << "Item 3:       entry lot \"Lot number\"";
        QTest::newRow("by file name") << "jam" << 0 << "Design file:  ";
        QTest::newRow("a refused job") << "refused.json" << 3 << ", items[0].rule: a date rule does not fit item 1, a Text item";
        QTest::newRow("no such job") << "4006381333931" << 2 << "has the product code or name 4006381333931";
    }
    void checkShowsTheJobOrWhyItIsRefused()
    {
        QFETCH(QString, job);
        QFETCH(int, exitCode);
        QFETCH(QString, shown);
        QFile refused(m_dir.filePath(QStringLiteral("refused.json")));
        QVERIFY(refused.open(QIODevice::WriteOnly));
        // The example's label with a date rule on its first item, a text.
        refused.write(QByteArray("{\"productCode\": \"1\", \"name\": \"A\", \"designFile\": \"") +
                      VEX_EXAMPLE_JOBS +
                      "/../labels/JAR.Vega\", \"printers\": {\"models\": [\"Vega\"]}, "
                      "\"items\": [{\"item\": 1, \"rule\": \"date\", \"days\": 3}]}");
        refused.close();

        const VexctlRun::TResult checked =
            Vexctl({"job", "check", job == QLatin1String("refused.json") ? refused.fileName() : job});

        QCOMPARE(checked.ExitCode, exitCode);
        const QString text = exitCode == 0 ? QString::fromUtf8(checked.Output) : checked.Errors;
        QVERIFY2(text.contains(shown), qPrintable(text));
    }

    void runPrintsOnlyWhatTheJobChecked_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error"); // a part of it; empty for none
        QTest::newRow("every item matches") << "1" << QStringList{"--value", "lot=L24031"} << 0 << "";
        QTest::newRow("a lot number that does not match")
            << "1" << QStringList{"--value", "lot=L2403"} << 3 << "Entry lot (Lot number): 'L2403' does not match L[0-9]{5}";
        QTest::newRow("no lot number") << "2" << QStringList() << 3 << "Entry lot (Lot number): no value given";
        QTest::newRow("an entry the job does not have")
            << "1" << QStringList{"--value", "lot=L24031", "--value", "batch=7"} << 3 << "The job has no entry named batch.";
        QTest::newRow("a job for another model")
            << "0" << QStringList{"--value", "lot=L24031"} << 3
            << "The job is not for printer SIM (Altair): it is for models Vega, Rigel.";
    }
    void runPrintsOnlyWhatTheJobChecked()
    {
        QFETCH(QString, model);
        QFETCH(QStringList, values);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery", "--flash-delay", "1", "--model", model}));

        const VexctlRun::TResult run =
            Vexctl(QStringList{"--printer", QStringLiteral("127.0.0.1:%1").arg(printer.TcpPort()), "job", "run",
                               "8712345678906"} +
                   values);

        QCOMPARE(run.ExitCode, exitCode);
        QVERIFY2(error.isEmpty() ? run.Errors.isEmpty() || !run.Errors.contains(QStringLiteral("vexctl:"))
                                 : run.Errors.contains(error),
                 qPrintable(run.Errors));
        const auto received = [&printer](TXLMessageKind kind) { return printer.ReceivedBodies(kind.Id, kind.Sub); };
        QCOMPARE(received(XLSend::StartPrint).size(), exitCode == 0 ? 1 : 0);
        QCOMPARE(received(XLSend::ImageData).size(), exitCode == 0 ? 1 : 0);
        if (exitCode == 0)
            QVERIFY2(run.Output.contains("Printing JAR for Strawberry jam 450 g (8712345678906)"), run.Output.constData());
    }
};

QTEST_GUILESS_MAIN(TestVexctlJob)
#include "tst_vexctljob.moc"
