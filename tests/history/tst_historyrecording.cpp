// A station's run against the printer simulator, recorded in a history file of the test's.
#include "RecordingViews.h"
#include "SimulatorProcess.h"
#include "TestSupport.h"
#include "VexctlRun.h"
#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "history/HistoryReader.h"
#include "history/HistoryStore.h"
#include "images/FontUnit.h"
#include "parameters/ParameterEditor.h"
#include "parameters/PrinterClock.h"
#include "station/Station.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The window views, keeping the parameters and the clock the printer reported.
class TViews : public TRecordingViews
{
public:
    std::optional<TXLMessage> Parameters;
    std::optional<TPrinterClock> Clock;

    void SetParameters(const TXLMessage& parameterData) override
    {
        TRecordingViews::SetParameters(parameterData);
        Parameters = parameterData;
    }
    void ShowPrinterClock(quint64 printerId, quint16 year, quint8 month, quint8 day, quint8 hour,
                          quint8 minute) override
    {
        TRecordingViews::ShowPrinterClock(printerId, year, month, day, hour, minute);
        Clock.emplace().SetReported(year, month, day, hour, minute);
    }
};

// An event as the test states it: its kind and the values that name what happened.
QString Described(const QString& kind, const QJsonObject& values)
{
    QStringList parts{kind};
    for (const char* key : {"by", "image", "outcome", "images", "setting", "old", "new", "request", "answer"}) {
        const QJsonValue value = values.value(QLatin1String(key));
        if (value.isString())
            parts << QStringLiteral("%1=%2").arg(QLatin1String(key), value.toString());
        else if (value.isArray())
            parts << QStringLiteral("%1=%2").arg(QLatin1String(key), value.toArray().first().toString());
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestHistoryRecording : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TViews m_views;
    TFontMap m_fonts;
    TSimulatorProcess m_printer;
    std::unique_ptr<TStation> m_station;
    std::unique_ptr<THistoryStore> m_history;
    QStringList m_events; // as they are emitted, described

    QString WriteDesignFile(const QByteArray& image)
    {
        const QString path = m_dir.filePath(QString::fromLatin1(image) + QStringLiteral(".Vega"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(VexctlRun::TextImage(image, "LOT " + image)) < 0)
            return {};
        return path;
    }
    bool AwaitEvent(const QString& described)
    {
        return QTest::qWaitFor([&] { return m_events.contains(described); }, 20000);
    }
    TConnectionManager& Manager() { return m_station->Manager(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(m_printer.Start({"--tcp", "0", "--no-discovery", "--name", "LINE1", "--model", "1"}),
                 qPrintable(m_printer.ErrorOutput()));
        m_station = std::make_unique<TStation>(m_views.Views(), m_fonts, TDiscoveryAddress::NothingToFind());
        m_history = std::make_unique<THistoryStore>(m_dir.filePath(QStringLiteral("history.sqlite")), TEventSource());
        connect(&m_station->Events(), &TStationEvents::Emitted, m_history.get(), &THistoryStore::Append);
        connect(&m_station->Events(), &TStationEvents::Emitted, this, [this](const TStationEvent& event) {
            m_events << Described(StationEventKinds::NameOf(event.Kind), event.Values);
        });
    }
    void cleanupTestCase()
    {
        m_station.reset();
        m_history.reset();
    }

    // Connect, transfer two files, print, stop, change a setting, set the clock, answer an operator
    // request, switch the printer off: the history holds exactly that, in order, with the hashes of
    // the image bodies as vexctl encode writes them.
    void aRunIsRecordedInOrder()
    {
        QVERIFY(TestSupport::StartConnectingOverTcp(Manager(), m_printer.TcpPort()));
        QVERIFY(AwaitEvent("connected images=DEMO"));

        const QStringList files{WriteDesignFile("ONE"), WriteDesignFile("TWO")};
        QVERIFY(m_station->Batch().Start(files));
        QVERIFY(AwaitEvent("flash-write-ended"));

        m_station->StartPrint(QStringLiteral("ONE"), {});
        QVERIFY(AwaitEvent("print-started images=ONE"));
        m_station->StopPrint();
        QVERIFY(AwaitEvent("print-stopped images=ONE"));

        Manager().SendToSelected(std::make_unique<TXLMessage>(XLSend::RequestParameters));
        QTRY_VERIFY(m_views.Parameters);
        TParameterEditor editor;
        editor.SetParameters(*m_views.Parameters);
        QCOMPARE(editor.SetText(editor.FindRow(QStringLiteral("Rotate print")), QStringLiteral("180 degrees")).Outcome,
                 TEditResult::TOutcome::Stored);
        m_events.clear();
        m_station->RecordParameterWrites(Manager().SelectedChannel()->Id(), editor.SendChanges(Manager()));
        QVERIFY(AwaitEvent("flash-write-ended"));

        Manager().SendToSelected(std::make_unique<TXLMessage>(XLSend::RequestClock));
        QTRY_VERIFY(m_views.Clock);
        const QDate date = m_views.Clock->ReportedDate().value_or(QDate(2024, 3, 5)).addDays(1);
        m_station->RecordClockSet(Manager().SelectedChannel()->Id(),
                                  m_views.Clock->SendChanges(date, QTime(6, 30), Manager()));

        m_printer.Command("request text \"Lot?\" L1 5");
        QVERIFY(AwaitEvent("operator-answer request=text answer=L1"));

        m_printer.Stop();
        QVERIFY(AwaitEvent("link-lost"));

        QVERIFY(m_history->WaitForWriter(10000));
        const THistoryReader reader(m_history->Path());
        QStringList recorded;
        QStringList hashes;
        for (const THistoryRow& row : reader.RowsAfter(0, 100)) {
            recorded << Described(row.Kind(), row.Values());
            if (row.Kind() == QLatin1String("image-transfer"))
                hashes << row.Values().value(QLatin1String("sha256")).toString();
        }
        const QString reported = QDateTime(*m_views.Clock->ReportedDate(), *m_views.Clock->ReportedTime())
                                     .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        QCOMPARE(recorded, (QStringList{"connected images=DEMO",
                                        "image-transfer image=ONE outcome=sent",
                                        "image-transfer image=TWO outcome=sent",
                                        "flash-write-started",
                                        "flash-write-ended",
                                        "print-started images=ONE",
                                        "print-stopped images=ONE",
                                        "parameter-written setting=Rotate print old=0 degrees new=180 degrees",
                                        "flash-write-started",
                                        "flash-write-ended",
                                        QStringLiteral("clock-set old=%1 new=%2 06:30")
                                            .arg(reported, date.toString(Qt::ISODate)),
                                        "operator-request request=text",
                                        "operator-answer request=text answer=L1",
                                        "link-lost"}));

        QStringList encoded;
        for (const QString& file : files) {
            const VexctlRun::TResult encode = VexctlRun::Run(m_dir.path(), {"encode", file});
            QCOMPARE(encode.ExitCode, 0);
            encoded << QString::fromLatin1(QCryptographicHash::hash(encode.Output, QCryptographicHash::Sha256).toHex());
        }
        QCOMPARE(hashes, encoded);
        QVERIFY(reader.Verify().Holds());
    }
};

QTEST_GUILESS_MAIN(TestHistoryRecording)
#include "tst_historyrecording.moc"
