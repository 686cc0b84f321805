// vexctl job: the example job checked without a printer, and its changeover run against the printer
// simulator: printing starts only when every item matches; a printer, an entry or a job the station
// refuses sends nothing and names the rule.
#include "LabelRecords.h"
#include "SimulatorProcess.h"
#include "VexctlRun.h"
#include "comm/XLMessage.h"
#include "platform/SettingsStore.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ExampleLabel = QStringLiteral(VEX_EXAMPLE_JOBS "/../labels/JAR.Vega");

// What reached the printer of a changeover's own messages, in the order its log shows them:
// "ModifyItem JAR|3|L24031".
QStringList ChangeoverMessages(const TSimulatorProcess& printer)
{
    static const QList<std::pair<TXLMessageKind, const char*>> named{
        {XLSend::ImageData, "ImageData"},
        {XLSend::FlashWrite, "FlashWrite"},
        {XLSend::RequestImageItems, "RequestImageItems"},
        {XLSend::ModifyItem, "ModifyItem"},
        {XLSend::StartPrint, "StartPrint"}};
    QStringList messages;
    for (const QJsonObject& line : printer.Log()) {
        if (line.value(QStringLiteral("dir")) != QLatin1String("in"))
            continue;
        for (const auto& [kind, name] : named) {
            if (line.value(QStringLiteral("id")).toInt() != kind.Id ||
                line.value(QStringLiteral("sub")).toInt() != kind.Sub)
                continue;
            QByteArray body = QByteArray::fromHex(line.value(QStringLiteral("body")).toString().toLatin1());
            body.chop(1);
            messages << (kind.Id == XLSend::ModifyItem.Id && kind.Sub == XLSend::ModifyItem.Sub
                             ? QLatin1String(name) + QLatin1Char(' ') + QString::fromLatin1(body.replace('\0', '|'))
                             : QLatin1String(name));
        }
    }
    return messages;
}

// The simulator has done every command given so far: it answers a command it does not know on
// its standard error, after the others.
bool CommandsDone(TSimulatorProcess& printer)
{
    printer.Command("done?");
    QString errors;
    return QTest::qWaitFor([&] { return (errors += printer.ErrorOutput()).contains(QStringLiteral("done?")); });
}

} // namespace

class TestVexctlJob : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    VexctlRun::TResult Vexctl(const QStringList& arguments) { return VexctlRun::Run(m_dir.path(), arguments); }
    VexctlRun::TResult Run(const TSimulatorProcess& printer, const QStringList& values)
    {
        return Vexctl(QStringList{"--printer", QStringLiteral("127.0.0.1:%1").arg(printer.TcpPort()), "job", "run",
                                  "8712345678906"} +
                      values);
    }

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

        const VexctlRun::TResult run = Run(printer, values);

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

    // The whole changeover as the printer's log shows it: the image and its flash write, the items
    // as sent, the two values the label does not hold already (the lot number and the best-before
    // date a year on), the read-back, the read-back at confirmation, and printing.
    void runSendsExactlyTheChangeoversMessagesInOrder()
    {
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery", "--flash-delay", "1"}));

        const VexctlRun::TResult run = Vexctl({"--printer", QStringLiteral("127.0.0.1:%1").arg(printer.TcpPort()),
                                               "job", "run", "8712345678906", "--value", "lot=L24031"});

        QCOMPARE(run.ExitCode, 0);
        QCOMPARE(ChangeoverMessages(printer),
                 (QStringList{"ImageData", "FlashWrite", "RequestImageItems", "ModifyItem JAR|3|L24031",
                              "ModifyItem JAR|5|" + QDate::currentDate().addDays(365).toString(QStringLiteral("dd/MM/yy")),
                              "RequestImageItems", "RequestImageItems", "StartPrint"}));
    }

    // The printer holds an image JAR: the example label itself is kept; one changed at the printer,
    // or another label stored there under that name, is replaced, and the run says why.
    void runKeepsTheSameImageAndReplacesADifferentOne_data()
    {
        QTest::addColumn<QByteArray>("command"); // at the printer before the run; empty: none
        QTest::addColumn<QString>("replaced");   // why the image was replaced, its beginning; empty: kept
        QTest::newRow("the same image") << QByteArray() << "";
        QTest::newRow("a text changed at the printer") << QByteArray("modify JAR 4 \"USE BY\"")
                                                       << "item 4: expected BEST BEFORE, found USE BY";
        QTest::newRow("another label stored under the name")
            << QByteArray("store OTHER") << "item 2: expected LOT, found BATCH; item 3: expected Text, found (none)";
    }
    void runKeepsTheSameImageAndReplacesADifferentOne()
    {
        QFETCH(QByteArray, command);
        QFETCH(QString, replaced);
        QFile other(m_dir.filePath(QStringLiteral("OTHER.Vega")));
        QVERIFY(other.open(QIODevice::WriteOnly) &&
                other.write(LabelRecords::DesignFile({LabelRecords::Text("STRAWBERRY JAM 450 G", 10, 10, 24),
                                                      LabelRecords::Text("BATCH", 10, 50, 24)},
                                                     "JAR")) > 0);
        other.close();
        TSimulatorProcess printer;
        QVERIFY(printer.Start({"--tcp", "0", "--no-discovery", "--flash-delay", "1", "--image", ExampleLabel}));
        if (!command.isEmpty()) {
            printer.Command(command.replace("OTHER", other.fileName().toLocal8Bit()));
            QVERIFY(CommandsDone(printer));
        }

        const VexctlRun::TResult run = Run(printer, {"--value", "lot=L24031", "--json"});

        QCOMPARE(run.ExitCode, 0);
        QCOMPARE(printer.ReceivedBodies(XLSend::ImageData.Id, XLSend::ImageData.Sub).isEmpty(), replaced.isEmpty());
        const QJsonObject result = QJsonDocument::fromJson(run.Output).object();
        QCOMPARE(result.value(QStringLiteral("outcome")).toString(), QStringLiteral("printing"));
        const QString because = result.value(QStringLiteral("imageReplacedBecause")).toString();
        QVERIFY2(replaced.isEmpty() ? because.isEmpty() : because.startsWith(replaced), qPrintable(because));
    }
};

QTEST_GUILESS_MAIN(TestVexctlJob)
#include "tst_vexctljob.moc"
