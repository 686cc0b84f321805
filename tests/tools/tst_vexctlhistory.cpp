// vexctl history: what vexctl's printer commands record, listed and checked; a history that cannot
// be written; a run killed right after it reported an event.
#include "SimulatorProcess.h"
#include "VexctlRun.h"
#include "history/HistoryText.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {
const QString HistoryCannotBeWritten = QStringLiteral("The history cannot be written");

// The kinds of the rows a plain listing shows, in order.
QStringList KindsListed(const QByteArray& output)
{
    QStringList kinds;
    for (const QByteArray& line : output.split('\n'))
        if (!line.isEmpty())
            kinds << QString::fromUtf8(line.split(' ').value(3));
    return kinds;
}
} // namespace

class TestVexctlHistory : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TSimulatorProcess m_printer;

    // A folder of its own for a run, with a settings file naming the history file when one is given.
    QString Folder(const QString& name, const QString& historyFile = {})
    {
        const QString folder = m_dir.filePath(name);
        QDir().mkpath(folder);
        QFile settings(VexctlRun::SettingsFile(folder));
        if (settings.open(QIODevice::WriteOnly) && !historyFile.isEmpty())
            settings.write("[General]\nHISTORY_FILE=" + historyFile.toUtf8() + "\n");
        return folder;
    }
    QStringList Printer() const { return {"--printer", QStringLiteral("127.0.0.1:%1").arg(m_printer.TcpPort())}; }
    // Where a folder's runs keep their history when the settings name none: its data folder.
    static QString DefaultHistory(const QString& folder)
    {
        return QDir(folder).filePath(QStringLiteral("data/Telvos/Vex/history.sqlite"));
    }
    QString Shared() const { return m_dir.filePath(QStringLiteral("shared")); }

private slots:
    // status, print, stop: three connections, each recorded from its start to its end.
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(m_printer.Start({"--tcp", "0", "--no-discovery", "--name", "LINE1", "--model", "1"}),
                 qPrintable(m_printer.ErrorOutput()));
        const QString folder = Folder(QStringLiteral("shared"));
        for (const QStringList& command : {QStringList{"status"}, QStringList{"print", "DEMO"}, QStringList{"stop"}})
            QCOMPARE(VexctlRun::Run(folder, Printer() + command).ExitCode, 0);
        QVERIFY(QFile::exists(DefaultHistory(folder)));
    }

    void listingFilters_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("kinds");
        QTest::newRow("everything") << QStringList{}
                                    << QStringList{"connected", "disconnected", "connected", "print-started",
                                                   "disconnected", "connected", "print-stopped", "disconnected"};
        QTest::newRow("one kind") << QStringList{"--kind", "print-started"} << QStringList{"print-started"};
        QTest::newRow("one printer's connections") << QStringList{"--printer", "LINE1", "--kind", "connected"}
                                                   << QStringList{"connected", "connected", "connected"};
        QTest::newRow("a printer never seen") << QStringList{"--printer", "LINE2"} << QStringList{};
        QTest::newRow("since a day to come") << QStringList{"--since", "2999-01-01"} << QStringList{};
    }
    void listingFilters()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, kinds);
        const VexctlRun::TResult listed = VexctlRun::Run(Shared(), QStringList{"history"} + arguments);
        QCOMPARE(listed.ExitCode, 0);
        QCOMPARE(KindsListed(listed.Output), kinds);
    }

    void jsonAndCsvCarryEveryRowWithItsHash()
    {
        const QList<QByteArray> json = VexctlRun::Run(Shared(), {"history", "--json"}).Output.trimmed().split('\n');
        QCOMPARE(json.size(), 8);
        const QJsonObject last = QJsonDocument::fromJson(json.last()).object();
        QCOMPARE(last.value("seq").toInt(), 8);
        QCOMPARE(last.value("kind").toString(), QStringLiteral("disconnected"));
        QCOMPARE(last.value("source").toObject().value("kind").toString(), QStringLiteral("vexctl"));
        QCOMPARE(last.value("hash").toString().size(), 64);

        const QList<QByteArray> csv = VexctlRun::Run(Shared(), {"history", "--csv"}).Output.trimmed().split('\n');
        QCOMPARE(csv.size(), 9);
        QCOMPARE(QString::fromUtf8(csv.first()), HistoryText::CsvHeader());
        QVERIFY(csv.last().endsWith(last.value("hash").toString().toLatin1()));
    }

    void badArgumentsAreUsageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("a kind there is not") << QStringList{"--kind", "explosion"};
        QTest::newRow("a time that is none") << QStringList{"--since", "yesterday"};
        QTest::newRow("two formats") << QStringList{"--json", "--csv"};
        QTest::newRow("an argument") << QStringList{"everything"};
    }
    void badArgumentsAreUsageErrors()
    {
        QFETCH(QStringList, arguments);
        QCOMPARE(VexctlRun::Run(Shared(), QStringList{"history"} + arguments).ExitCode, 2);
    }

    // A copy of the history changed with the sqlite3 command line: verify names the first row that
    // no longer holds.
    void verifyNamesTheFirstRowThatDoesNotHold_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("untouched") << "" << 0 << "the history holds: 8 rows, 1 to 8";
        QTest::newRow("a row's printer renamed")
            << "UPDATE events SET content = replace(content, 'LINE1', 'LINE9') WHERE seq = 3" << 3
            << "row 3 does not hold: its hash does not match its content and the row before it";
        QTest::newRow("a row removed") << "DELETE FROM events WHERE seq = 5" << 3
                                       << "row 6 does not hold: the row before it (5) is missing";
        QTest::newRow("a hash replaced") << "UPDATE events SET hash = printf('%064d', 0) WHERE seq = 7" << 3
                                         << "row 7 does not hold: its hash does not match its content and the row "
                                            "before it";
        QTest::newRow("a row renumbered") << "UPDATE events SET seq = 9 WHERE seq = 8" << 3
                                          << "row 9 does not hold: the row before it (8) is missing";
        QTest::newRow("the anchor replaced") << "UPDATE chain SET anchor_hash = printf('%064d', 1)" << 3
                                             << "row 1 does not hold: its hash does not match its content and the "
                                                "row before it";
    }
    void verifyNamesTheFirstRowThatDoesNotHold()
    {
        QFETCH(QString, change);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        const QString copy = m_dir.filePath(QStringLiteral("%1.sqlite").arg(QTest::currentDataTag()));
        QVERIFY(QFile::copy(DefaultHistory(Shared()), copy));
        if (!change.isEmpty()) {
            QProcess sqlite;
            sqlite.start(QStringLiteral("sqlite3"), {copy, change});
            QVERIFY(sqlite.waitForFinished());
            QCOMPARE(sqlite.exitCode(), 0);
        }
        const VexctlRun::TResult verified =
            VexctlRun::Run(Folder(QTest::currentDataTag(), copy), {"history", "verify"});
        QCOMPARE(verified.ExitCode, exitCode);
        QCOMPARE(QString::fromUtf8(verified.Output).trimmed(), said);
    }

    // The command does its work and says once that its events cannot be recorded.
    void aHistoryThatCannotBeWrittenIsSaidOnce_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::newRow("damaged") << true;
        QTest::newRow("read-only") << false;
    }
    void aHistoryThatCannotBeWrittenIsSaidOnce()
    {
        QFETCH(bool, damaged);
        const QString history = m_dir.filePath(QStringLiteral("%1.sqlite").arg(QTest::currentDataTag()));
        const QString folder = Folder(QTest::currentDataTag(), history);
        QStringList launcher;
        if (damaged) {
            QFile file(history);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, '\x5a'));
        } else {
            QCOMPARE(VexctlRun::Run(folder, Printer() + QStringList{"status"}).ExitCode, 0);
            QVERIFY(QFile::setPermissions(history, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
            // The superuser writes any file: the run is let go of that power.
            if (geteuid() == 0)
                launcher = {"setpriv", "--bounding-set=-dac_override,-dac_read_search,-fowner",
                            "--inh-caps=-dac_override,-dac_read_search,-fowner"};
        }
        const VexctlRun::TResult printed =
            VexctlRun::Run(folder, Printer() + QStringList{"print", "DEMO"}, {}, launcher);
        QCOMPARE(printed.ExitCode, 0);
        QCOMPARE(printed.Errors.count(HistoryCannotBeWritten), 1);
        QCOMPARE(VexctlRun::Run(folder, Printer() + QStringList{"stop"}, {}, launcher).ExitCode, 0);
    }

    // A monitor killed right after it printed an event: the event is in the file, which opens and
    // holds.
    void aKilledMonitorLosesNothingItReported()
    {
        const QString folder = Folder(QStringLiteral("killed"));
        QProcess monitor;
        VexctlRun::Start(monitor, folder, Printer() + QStringList{"monitor", "--json"});
        QString seen;
        QVERIFY(VexctlRun::AwaitText(monitor, QProcess::StandardOutput, "\"event\":\"connected\"", seen));
        m_printer.Command("fault ribbon");
        QVERIFY(VexctlRun::AwaitText(monitor, QProcess::StandardOutput, "\"event\":\"fault\"", seen));
        monitor.kill();
        QVERIFY(monitor.waitForFinished());
        QCOMPARE(monitor.exitStatus(), QProcess::CrashExit);

        const VexctlRun::TResult faults = VexctlRun::Run(folder, {"history", "--kind", "fault-raised"});
        QCOMPARE(KindsListed(faults.Output), QStringList{"fault-raised"});
        QCOMPARE(VexctlRun::Run(folder, {"history", "verify"}).ExitCode, 0);
    }
};

QTEST_GUILESS_MAIN(TestVexctlHistory)
#include "tst_vexctlhistory.moc"
