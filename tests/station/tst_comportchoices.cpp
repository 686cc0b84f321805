#include "RecordingViews.h"
#include "images/FontUnit.h"
#include "platform/SettingsStore.h"
#include "station/ComPortChoices.h"
#include "station/Station.h"

#include <QTest>

namespace {
QVariant StoredChoice(const QString& name)
{
    return SettingsStore::Value(QStringLiteral("ValidComPorts/") + name);
}
} // namespace

class TestComPortChoices : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SettingsStore::Open()->remove(QLatin1String(SettingsStore::ValidComPortsGroup));
        SettingsStore::SetValue(QStringLiteral("ValidComPorts/com3"), 1);
        SettingsStore::SetValue(QStringLiteral("ValidComPorts/COM7"), 0);
        SettingsStore::SetValue(QStringLiteral("ValidComPorts/COM9"), 1);
    }

    void choicesAreFoundForThePortsPresentWhateverTheirCase()
    {
        QList<ComPortChoices::TChoice> choices = ComPortChoices::Stored({"COM3", "COM5", "COM7"});
        std::sort(choices.begin(), choices.end(), [](auto a, auto b) { return a.Index < b.Index; });
        const QList<ComPortChoices::TChoice> expected{{0, true}, {2, false}};
        QCOMPARE(choices, expected);
    }

    void savingKeepsTheChoicesOfPortsNotPresent()
    {
        TRecordingViews views;
        TFontMap fonts;
        const TDiscoveryAddress discovery = TDiscoveryAddress::NothingToFind();
        TStation station(views.Views(), fonts, discovery);
        for (int port : {3, 5, 7})
            station.Manager().AddSerialPrinter(QStringLiteral("COM%1").arg(port), port,
                                               QStringLiteral("/nonexistent/tty%1").arg(port));
        ComPortChoices::Save(station.Manager(), {false, true, true});
        QCOMPARE(StoredChoice(QStringLiteral("COM3")).toInt(), 0);
        QVERIFY(!StoredChoice(QStringLiteral("com3")).isValid()); // the same port, spelt otherwise
        QCOMPARE(StoredChoice(QStringLiteral("COM5")).toInt(), 1);
        QCOMPARE(StoredChoice(QStringLiteral("COM7")).toInt(), 1);
        QCOMPARE(StoredChoice(QStringLiteral("COM9")).toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TestComPortChoices)
#include "tst_comportchoices.moc"
