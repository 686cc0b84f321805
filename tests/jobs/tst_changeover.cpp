// A product's changeover against a simulated printer in this process: what goes to the printer, in
// which order, what the history is told, and that nothing prints that differs from the job.
#include "InProcessPrinter.h"
#include "LabelRecords.h"
#include "RecordingViews.h"
#include "coder/Coder.h"
#include "images/FontUnit.h"
#include "jobs/Changeover.h"
#include "jobs/JobFile.h"
#include "platform/StationClock.h"
#include "station/Station.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

namespace {

using TState = TChangeover::TState;

const QDateTime Now(QDate(2024, 12, 30), QTime(10, 0));

// A text the job fixes, a lot number the operator enters, a best-before date, a counter the job
// resets and a barcode the design file fixes.
QByteArray Label(const QByteArray& product = "JAM")
{
    return LabelRecords::DesignFile({LabelRecords::Text(product, 10, 10, 24), LabelRecords::Text("L00000", 10, 40, 24),
                                     LabelRecords::Date(10, 70, 24), LabelRecords::Counter(10, 100, 24),
                                     LabelRecords::EanUpc(1, "871234567890", 200, 10, 60, 2)},
                                    "LABEL");
}

const char* const JobText = R"({"productCode": "8712345678906", "name": "Jam", "designFile": "LABEL.Vega",
    "printers": {"models": ["%1"]},
    "items": [{"item": 1, "rule": "fixed", "value": "JAM"},
              {"item": 2, "rule": "entry", "name": "lot", "prompt": "Lot number", "pattern": "L[0-9]{5}"},
              {"item": 3, "rule": "date", "days": 5},
              {"item": 4, "rule": "count", "count": "reset"}]})";

} // namespace

class TestChangeover : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TRecordingViews m_views;
    TFontMap m_fonts;
    std::unique_ptr<TStation> m_station;
    std::unique_ptr<TInProcessPrinter> m_printer;
    std::unique_ptr<TChangeover> m_changeover;
    QList<TStationEvent> m_events;
    qsizetype m_received = 0; // messages that reached the printer before the changeover

    TJob ReadJob(const char* model = "Vega")
    {
        QFile file(m_dir.filePath(QStringLiteral("jam.json")));
        if (!file.open(QIODevice::WriteOnly) || file.write(QString::fromLatin1(JobText).arg(QLatin1String(model)).toUtf8()) < 0)
            return {};
        file.close();
        auto read = JobFile::Read(file.fileName(), m_fonts);
        return std::holds_alternative<TJob>(read) ? std::get<TJob>(read) : TJob();
    }

    // What reached the printer since the changeover began, its own housekeeping left out: "ModifyItem
    // LABEL|2|L12345".
    QStringList Received() const
    {
        static const QList<std::pair<TXLMessageKind, const char*>> named{
            {XLSend::ImageData, "ImageData"},         {XLSend::FlashWrite, "FlashWrite"},
            {XLSend::RequestImageItems, "RequestImageItems"}, {XLSend::ModifyItem, "ModifyItem"},
            {XLSend::StartPrint, "StartPrint"}};
        QStringList received;
        for (const TXLMessage& message : m_printer->ReceivedMessages().mid(m_received)) {
            for (const auto& [kind, name] : named) {
                if (!message.Is(kind))
                    continue;
                QByteArray body = message.Body();
                body.chop(1);
                received << QLatin1String(name) +
                                (message.Is(XLSend::ModifyItem) ? QLatin1Char(' ') + QString::fromLatin1(body.replace('\0', '|'))
                                                                : QString());
            }
        }
        return received;
    }

    QStringList EventsOf(TStationEventKind kind) const
    {
        QStringList described;
        for (const TStationEvent& event : m_events)
            if (event.Kind == kind)
                described << QString::fromUtf8(StationEventJson::Canonical(event.Values));
        return described;
    }

    TCoder& Coder() { return TCoder::Of(*m_station->Manager().SelectedChannel()); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        StationClock::SetSource([] { return Now; });
        QFile label(m_dir.filePath(QStringLiteral("LABEL.Vega")));
        QVERIFY(label.open(QIODevice::WriteOnly) && label.write(Label()) > 0);
        m_views = TRecordingViews();
        m_events.clear();
        m_station = std::make_unique<TStation>(m_views.Views(), m_fonts, TDiscoveryAddress::NothingToFind());
        connect(&m_station->Events(), &TStationEvents::Emitted, this,
                [this](const TStationEvent& event) { m_events << event; });
        m_printer = std::make_unique<TInProcessPrinter>(QStringLiteral("LINE2"), m_dir.filePath(QStringLiteral("sim.jsonl")));
        QVERIFY(m_printer->ConnectTo(m_station->Manager(), TInProcessPrinter::TMedium::Network) != 0);
        m_changeover = std::make_unique<TChangeover>(*m_station, m_fonts);
        m_received = m_printer->ReceivedMessages().size();
    }
    void cleanup()
    {
        m_changeover.reset();
        m_station.reset();
        m_printer.reset();
        StationClock::SetSource({});
    }

    void aChangeoverSendsAppliesReadsBackAndPrints()
    {
        m_changeover->Start(ReadJob(), {{QStringLiteral("lot"), QStringLiteral("L12345")}});
        QTRY_COMPARE(m_changeover->State(), TState::Ready);
        QVERIFY(!Coder().Printing);
        m_changeover->Confirm();
        QTRY_COMPARE(m_changeover->State(), TState::Printing);

        // The image, its flash write, the items as sent, the two values that differ, the read-back,
        // the read-back at confirmation, and printing.
        QCOMPARE(Received(), (QStringList{"ImageData", "FlashWrite", "RequestImageItems",
                                          "ModifyItem LABEL|2|L12345", "ModifyItem LABEL|3|04/01/25",
                                          "RequestImageItems", "RequestImageItems", "StartPrint"}));
        QCOMPARE(Coder().CurrentImageA, QStringLiteral("LABEL"));
        const QStringList checks = EventsOf(TStationEventKind::ChangeoverCheck);
        QCOMPARE(checks.size(), 5); // printer, entries, image, values, confirmation
        QVERIFY2(checks[2].contains(QStringLiteral("\"action\":\"sent\"")), qPrintable(checks[2]));
        QVERIFY(checks[4].contains(QStringLiteral("\"check\":\"confirmation\"")) &&
                checks[4].contains(QStringLiteral("\"passed\":true")));
        QVERIFY(EventsOf(TStationEventKind::ChangeoverConfirmed).first().contains(QStringLiteral("\"lot\":\"L12345\"")));
        QVERIFY(EventsOf(TStationEventKind::ChangeoverEnded).first().contains(QStringLiteral("\"outcome\":\"printing\"")));
    }

    void theSameImageIsNotSentAgain()
    {
        QVERIFY(m_printer->Printer.State().StoreDesignFile(m_dir.filePath(QStringLiteral("LABEL.Vega"))).isEmpty());
        Coder().Images.append(QStringLiteral("LABEL"));
        m_changeover->Start(ReadJob(), {{QStringLiteral("lot"), QStringLiteral("L12345")}});
        QTRY_COMPARE(m_changeover->State(), TState::Ready);
        QCOMPARE(Received().filter(QStringLiteral("ImageData")), QStringList());
        QVERIFY(EventsOf(TStationEventKind::ChangeoverCheck)[2].contains(QStringLiteral("\"action\":\"kept\"")));
    }

    // The printer holds an image of the job's name whose fixed text is another product's.
    void aDifferentImageOfTheNameIsReplacedAndTheHistorySaysWhy()
    {
        QFile other(m_dir.filePath(QStringLiteral("OTHER.Vega")));
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write(Label("HONEY")) > 0);
        other.close();
        QVERIFY(m_printer->Printer.State().StoreDesignFile(other.fileName()).isEmpty());
        Coder().Images.append(QStringLiteral("LABEL"));
        // The job fixes item 1; item 5, the barcode, is the design file's. The other label's is the same,
        // so its item 1 shows the difference only once the printer's barcode differs too.
        QVERIFY(m_printer->Printer.State().ModifyItem(QStringLiteral("LABEL"), QStringLiteral("5"),
                                                       QStringLiteral("4006381333931")));

        m_changeover->Start(ReadJob(), {{QStringLiteral("lot"), QStringLiteral("L12345")}});
        QTRY_COMPARE(m_changeover->State(), TState::Ready);

        QCOMPARE(Received().filter(QStringLiteral("ImageData")).size(), 1);
        QCOMPARE(m_changeover->ReplacedBecause(), QStringLiteral("item 5: expected 8712345678906, found 4006381333931"));
        const QString check = EventsOf(TStationEventKind::ChangeoverCheck)[2];
        QVERIFY2(check.contains(QStringLiteral("\"action\":\"replaced\"")) &&
                     check.contains(QStringLiteral("\"found\":\"4006381333931\"")),
                 qPrintable(check));
        QVERIFY(m_views.CallsStartingWith(QStringLiteral("ConfirmOverwrite")).isEmpty());
    }

    // Between the check and "Start" someone at the printer changes the lot number: the read-back at
    // confirmation sees it, nothing prints, and the operator can correct it.
    void anItemChangedBeforeStartIsCaughtAtConfirmation()
    {
        m_changeover->Start(ReadJob(), {{QStringLiteral("lot"), QStringLiteral("L12345")}});
        QTRY_COMPARE(m_changeover->State(), TState::Ready);
        QVERIFY(m_printer->Printer.State().ModifyItem(QStringLiteral("LABEL"), QStringLiteral("2"),
                                                       QStringLiteral("L99999")));

        m_changeover->Confirm();
        QTRY_COMPARE(m_changeover->State(), TState::Blocked);

        QCOMPARE(m_changeover->Differences(), (QList<TItemDifference>{{"2", "L12345", "L99999"}}));
        QVERIFY(Received().filter(QStringLiteral("StartPrint")).isEmpty());
        QVERIFY(!Coder().Printing);
        QVERIFY(EventsOf(TStationEventKind::ChangeoverCheck).last().contains(QStringLiteral("\"passed\":false")));

        QVERIFY(m_changeover->Correct({{QStringLiteral("lot"), QStringLiteral("L12345")}}));
        QTRY_COMPARE(m_changeover->State(), TState::Ready);
        m_changeover->Confirm();
        QTRY_COMPARE(m_changeover->State(), TState::Printing);
    }

    void aRefusedChangeoverSendsNothing_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("lot");
        QTest::addColumn<QString>("problem");
        QTest::newRow("a job for another model") << "Rigel" << "L12345"
                                                 << "The job is not for printer LINE2 (Vega): it is for models Rigel.";
        QTest::newRow("a lot number that does not match")
            << "Vega" << "L1234" << "Entry lot (Lot number): 'L1234' does not match L[0-9]{5}";
    }
    void aRefusedChangeoverSendsNothing()
    {
        QFETCH(QString, model);
        QFETCH(QString, lot);
        QFETCH(QString, problem);
        m_changeover->Start(ReadJob(model.toLatin1().constData()), {{QStringLiteral("lot"), lot}});
        QCOMPARE(m_changeover->State(), TState::Refused);
        QCOMPARE(m_changeover->Problem(), problem);
        QTest::qWait(50);
        QCOMPARE(Received(), QStringList());
        QVERIFY(EventsOf(TStationEventKind::ChangeoverEnded).first().contains(QStringLiteral("\"outcome\":\"refused\"")));
    }
};

QTEST_GUILESS_MAIN(TestChangeover)
#include "tst_changeover.moc"
