#include "platform/ComPortNames.h"
#include "platform/SettingsStore.h"

#include <QTemporaryDir>
#include <QTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("VEX_SETTINGS_FILE", m_dir.filePath(QStringLiteral("vex.ini")).toLocal8Bit());
    }

    void valuesSurviveReopening()
    {
        SettingsStore::SetValue(QLatin1String(SettingsStore::Language), 1031);
        QCOMPARE(SettingsStore::Value(QLatin1String(SettingsStore::Language)).toInt(), 1031);
        QCOMPARE(SettingsStore::Value(QStringLiteral("MISSING"), 7).toInt(), 7);
    }

    void comPortNamesMapToDevices()
    {
        SettingsStore::SetValue(QStringLiteral("ComPortDevices/COM5"), QStringLiteral("/dev/pts/9"));
        QCOMPARE(ComPortNames::Device(5), QStringLiteral("/dev/pts/9"));
        QCOMPARE(ComPortNames::Device(1), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(ComPortNames::Device(0), QString());
        QCOMPARE(ComPortNames::Device(51), QString());
        QCOMPARE(ComPortNames::NumberOf(QStringLiteral("com12")), 12);
        QCOMPARE(ComPortNames::NumberOf(QStringLiteral("COM012")), 0);
        QCOMPARE(ComPortNames::NumberOf(QStringLiteral("/dev/ttyS0")), 0);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_APPLESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
