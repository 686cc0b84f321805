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
        TDiscoveryAddress discovery;
        discovery.Address = QHostAddress(QHostAddress::LocalHost);
        discovery.LocalPort = 0;
        TStation station(views.Views(), fonts, discovery);
        station.Manager().AddSerialPrinter(QStringLiteral("COM5"), 5, QStringLiteral("/nonexistent/tty5"));
        station.Manager().AddSerialPrinter(QStringLiteral("COM7"), 7, QStringLiteral("/nonexistent/tty7"));
        ComPortChoices::Save(station.Manager(), {true, true});
        QCOMPARE(StoredChoice(QStringLiteral("COM5")).toInt(), 1);
        QCOMPARE(StoredChoice(QStringLiteral("COM7")).toInt(), 1);
        QCOMPARE(StoredChoice(QStringLiteral("COM9")).toInt(), 1);
        QCOMPARE(StoredChoice(QStringLiteral("com3")).toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TestComPortChoices)
#include "tst_comportchoices.moc"
