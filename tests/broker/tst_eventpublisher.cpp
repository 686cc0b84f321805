// The history's rows on the broker: in order, once, from where the broker last acknowledged (also
// after a restart of the program), and a backlog past its bound said by a gap event.
#include "MosquittoBroker.h"
#include "MqttDocument.h"
#include "MqttProbe.h"
#include "broker/EventPublisher.h"
#include "broker/MqttClient.h"
#include "broker/TopicNames.h"
#include "history/HistoryStore.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
const QString Cursor = QStringLiteral("broker test");

TStationEvent Event(int number)
{
    return TStationEvent::Make(TStationEventKind::ImageDeleted,
                               {QStringLiteral("LINE1"), QStringLiteral("Vega"), QStringLiteral("127.0.0.1:3000")},
                               TEventSource{QLatin1String(TEventSource::Vexd), {}},
                               {{QStringLiteral("image"), QString::number(number)}});
}

// The station's side: a history, a client, and the publisher between them.
struct TPublishing
{
    TPublishing(const QString& path, quint16 port)
        : Store(path, TEventSource{QLatin1String(TEventSource::Vexd), {}}),
          Client(TMqttProbe::Options(port, "vexd/LINE-3")), Publisher(Client, Store, Topics, "LINE-3", Cursor)
    {
        QObject::connect(&Client, &TMqttClient::Connected, &Publisher, &TEventPublisher::Resume);
    }
    void Append(int from, int to)
    {
        for (int number = from; number <= to; ++number)
            Store.Append(Event(number));
        QVERIFY(Store.WaitForWriter(5000));
    }

    THistoryStore Store;
    TPrinterTopics Topics;
    TMqttClient Client;
    TEventPublisher Publisher;
};

QStringList Images(const TMqttProbe& probe)
{
    QStringList images;
    for (const QJsonObject& event : probe.On("vex/v1/LINE-3/LINE1/event"))
        images << event.value("values").toObject().value("image").toString();
    return images;
}
} // namespace

class TestEventPublisher : public QObject
{
    Q_OBJECT

    TMosquittoBroker m_broker;
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QVERIFY(m_broker.Start()); }

    // Rows recorded while the broker was away, more than the bound: the oldest are passed over and
    // said by one gap event; the rest come in order.
    void aBacklogPastItsBoundIsSaidByAGap()
    {
        const QString path = m_dir.filePath("backlog.sqlite");
        TMqttProbe dashboard(m_broker.Port(), "vex/#", "dashboard-backlog");
        QVERIFY(dashboard.Connect());
        TPublishing station(path, m_broker.Port());
        station.Append(1, 10); // the broker is not reached yet
        station.Publisher.SetMaxBacklogRows(4);
        station.Client.Start();

        QTRY_COMPARE(Images(dashboard), (QStringList{"7", "8", "9", "10"}));
        const QList<QJsonObject> gaps = dashboard.On("vex/v1/LINE-3/event");
        QCOMPARE(gaps.size(), 1);
        const QJsonObject gap = gaps.first().value("values").toObject();
        QCOMPARE(gap.value("reason").toString(), QStringLiteral("backlog"));
        QCOMPARE(gap.value("firstSeq").toInteger(), 1);
        QCOMPARE(gap.value("lastSeq").toInteger(), 6);
        QCOMPARE(gap.value("rows").toInteger(), 6);
        QCOMPARE(MqttDocument::ShapeDifference(MqttDocument::Example("gap"), gaps.first()), QString());
        QTRY_VERIFY(station.Publisher.IsIdle());
    }

    // What the broker acknowledged is not published again by the next run of the program; what was
    // recorded while it did not run is.
    void aRestartGoesOnFromTheLastAcknowledgedRow()
    {
        const QString path = m_dir.filePath("restart.sqlite");
        TMqttProbe dashboard(m_broker.Port(), "vex/#", "dashboard-restart");
        QVERIFY(dashboard.Connect());
        {
            TPublishing station(path, m_broker.Port());
            station.Client.Start();
            QTRY_VERIFY(station.Client.IsConnected());
            station.Append(1, 3);
            QTRY_COMPARE(Images(dashboard), (QStringList{"1", "2", "3"}));
            QTRY_VERIFY(station.Publisher.IsIdle());
            station.Append(4, 4); // written with the cursor: the store keeps it with the next events
            QTRY_COMPARE(Images(dashboard), (QStringList{"1", "2", "3", "4"}));
        }
        {
            THistoryStore offline(path, TEventSource{QLatin1String(TEventSource::Vexctl), {}});
            offline.Append(Event(5));
            QVERIFY(offline.WaitForWriter(5000));
        }
        TPublishing station(path, m_broker.Port());
        station.Client.Start();
        QTRY_COMPARE(Images(dashboard), (QStringList{"1", "2", "3", "4", "5"}));
        station.Append(6, 6);
        QTRY_COMPARE(Images(dashboard), (QStringList{"1", "2", "3", "4", "5", "6"}));
    }
};

QTEST_GUILESS_MAIN(TestEventPublisher)
#include "tst_eventpublisher.moc"
