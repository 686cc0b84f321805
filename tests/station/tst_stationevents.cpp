// The station's events: the one serialisation, and what a connected printer's reports and the end of
// its connection become, against a simulated printer in this process.
#include "InProcessPrinter.h"
#include "RecordingViews.h"
#include "TestSupport.h"
#include "coder/Coder.h"
#include "images/FontUnit.h"
#include "station/Station.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An event as the tests state it: its kind and the values that say what happened.
QString Described(const TStationEvent& event)
{
    QStringList parts{StationEventKinds::NameOf(event.Kind)};
    for (const char* key : {"by", "fault", "state", "images"}) {
        const QJsonValue value = event.Values.value(QLatin1String(key));
        if (value.isString())
            parts << QStringLiteral("%1=%2").arg(QLatin1String(key), value.toString());
        else if (value.isArray())
            parts << QStringLiteral("%1=%2").arg(QLatin1String(key), value.toArray().first().toString());
    }
    return parts.join(QLatin1Char(' '));
}

// The event of anEventHasOneSerialisation, as the history and the broker carry it.
const char* const GoldenEvent =
    "{\"host\":\"pc-4\",\"kind\":\"image-transfer\",\"printer\":{\"address\":\"COM3\",\"model\":\"Vega\","
    "\"name\":\"LINE \\\"1\\\"\"},\"source\":{\"client\":\"plc-7\",\"kind\":\"remote\"},"
    "\"time\":\"2024-03-05T09:00:00.123Z\",\"user\":\"anna\",\"utcOffset\":3600,"
    "\"values\":{\"image\":\"L\xc3\xb6tzinn\",\"outcome\":\"sent\",\"size\":1234}}";

} // namespace

class TestStationEvents : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TRecordingViews m_views;
    TFontMap m_fonts;
    std::unique_ptr<TStation> m_station;
    std::unique_ptr<TInProcessPrinter> m_printer;
    quint64 m_channel = 0;
    QStringList m_events;

    TConnectionManager& Manager() { return m_station->Manager(); }

private slots:
    // The hash chain and the broker's payloads rest on these bytes: keys sorted at every level, no
    // spaces, UTF-8, the time in UTC with its offset beside it, an empty client left out.
    void anEventHasOneSerialisation()
    {
        const QDateTime time = QDateTime(QDate(2024, 3, 5), QTime(9, 0, 0, 123), Qt::UTC).toOffsetFromUtc(3600);
        const TStationEvent event{TStationEventKind::ImageTransfer,
                                  time,
                                  {QStringLiteral("LINE \"1\""), QStringLiteral("Vega"), QStringLiteral("COM3")},
                                  {QStringLiteral("remote"), QStringLiteral("plc-7")},
                                  QStringLiteral("pc-4"),
                                  QStringLiteral("anna"),
                                  {{QStringLiteral("size"), 1234},
                                   {QStringLiteral("image"), QStringLiteral("L\u00f6tzinn")},
                                   {QStringLiteral("outcome"), QStringLiteral("sent")}}};
        QCOMPARE(StationEventJson::Canonical(event.ToJson()), QByteArray(GoldenEvent));
        for (const StationEventKinds::TKindName& kind : StationEventKinds::All())
            QCOMPARE(StationEventKinds::FromName(QLatin1String(kind.Name)), kind.Kind);
    }

    void init()
    {
        QVERIFY(m_dir.isValid());
        m_views = TRecordingViews();
        m_events.clear();
        m_station = std::make_unique<TStation>(m_views.Views(), m_fonts, TDiscoveryAddress::NothingToFind());
        connect(&m_station->Events(), &TStationEvents::Emitted, this,
                [this](const TStationEvent& event) { m_events << Described(event); });
        m_printer = std::make_unique<TInProcessPrinter>(QStringLiteral("LINE1"), m_dir.filePath(QStringLiteral("printer.jsonl")));
        m_channel = m_printer->ConnectTo(Manager(), TInProcessPrinter::TMedium::Network);
        QVERIFY(m_channel != 0);
        QCOMPARE(m_events, QStringList{"connected images=DEMO"});
        m_events.clear();
    }
    void cleanup()
    {
        m_station.reset();
        m_printer.reset();
    }

    // What the printer reports and how its connection ends, as events.
    void aConnectedPrintersReportsAreEvents_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("a fault") << QStringList{"fault"} << QStringList{"fault-raised fault=ribbon-fault"};
        QTest::newRow("ink out and back") << QStringList{"status 0x0000", "status 0x0001"}
                                          << QStringList{"state-cleared state=ink", "state-raised state=ink"};
        QTest::newRow("printing started and stopped")
            << QStringList{"start", "stop"} << QStringList{"print-started images=DEMO", "print-stopped images=DEMO"};
        QTest::newRow("printing the status word tells") << QStringList{"status 0x0101"}
                                                        << QStringList{"print-started images=DEMO"};
        QTest::newRow("the printer ends the connection")
            << QStringList{"notice"} << QStringList{"fault-raised fault=disconnect-notice", "disconnected by=printer"};
        QTest::newRow("the operator disconnects") << QStringList{"disconnect"} << QStringList{"disconnected by=operator"};
        QTest::newRow("the link is lost") << QStringList{"off"} << QStringList{"link-lost"};
        QTest::newRow("the station closes its links") << QStringList{"shutdown"}
                                                      << QStringList{"disconnected by=station"};
    }
    void aConnectedPrintersReportsAreEvents()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, events);
        for (const QString& step : steps) {
            const int before = int(m_events.size());
            if (step == QLatin1String("fault"))
                m_printer->Printer.SendFault(XLReceive::RibbonFault);
            else if (step.startsWith(QLatin1String("status ")))
                m_printer->Printer.SetStatusWord(quint16(step.mid(7).toUShort(nullptr, 16)));
            else if (step == QLatin1String("start"))
                m_station->StartPrint(QStringLiteral("DEMO"), {});
            else if (step == QLatin1String("stop"))
                m_station->StopPrint();
            else if (step == QLatin1String("notice"))
                m_printer->Printer.SendDisconnectNotice();
            else if (step == QLatin1String("disconnect"))
                Manager().DisconnectPrinter(m_channel);
            else if (step == QLatin1String("off"))
                m_printer.reset();
            else if (step == QLatin1String("shutdown"))
                Manager().ShutdownChannels();
            QTRY_VERIFY2(m_events.size() > before, qPrintable(step));
        }
        // What follows (the link closing after a disconnection) tells nothing more.
        QTest::qWait(100);
        QCOMPARE(m_events, events);
    }
};

QTEST_GUILESS_MAIN(TestStationEvents)
#include "tst_stationevents.moc"
