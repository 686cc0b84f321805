// The "Com ports" choices at start-up and close, kept in the settings store.
#include "AppTestSupport.h"
#include "PseudoTerminal.h"
#include "app/StationWindows.h"
#include "app/main/VexMainForm.h"
#include "comm/SerialChannel.h"
#include "platform/SettingsStore.h"
#include "station/Station.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>

class TestMainFormComPorts : public QObject
{
    Q_OBJECT

    std::unique_ptr<TStationWindows> m_windows;

    QList<QAction*> ComPortEntries()
    {
        QList<QAction*> entries;
        for (QAction* entry : m_windows->MainForm().findChild<QMenu*>(QStringLiteral("menuComPorts"))->actions())
            if (entry->isVisible())
                entries.append(entry);
        return entries;
    }
    static QVariant StoredChoice(const QString& name)
    {
        return SettingsStore::Value(QStringLiteral("ValidComPorts/") + name);
    }
    void StartStation()
    {
        m_windows = std::make_unique<TStationWindows>();
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&m_windows->MainForm()));
    }
    void Exit()
    {
        QSignalSpy closed(&m_windows->MainForm(), &TVexMainForm::Closed);
        QVERIFY(AppTest::ClickMenu(m_windows->MainForm(), {"Exit"}));
        QTRY_COMPARE(closed.count(), 1);
    }

private slots:
    void init() { AppTest::UseQuietSettings(); }
    void cleanup() { m_windows.reset(); }

    void theChoiceForAPortNotPresentChangesNothingAndStays()
    {
        SettingsStore::SetValue(QStringLiteral("ValidComPorts/COM9"), 1);
        StartStation();
        QVERIFY(ComPortEntries().isEmpty());
        Exit();
        QCOMPARE(StoredChoice(QStringLiteral("COM9")).toInt(), 1);
    }

    // The port's entry cannot be reached with the mouse: the menu is never shown. Its action is
    // triggered as the menu would.
    void aPortOnAPseudoTerminalGetsItsChoiceBackAndGoesOnline()
    {
        TPseudoTerminal pty;
        QVERIFY(pty.IsValid());
        AppTest::MapComPort(4, pty.Device());
        SettingsStore::SetValue(QStringLiteral("ValidComPorts/com4"), 1);
        StartStation();
        const QList<QAction*> entries = ComPortEntries();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0]->text(), QStringLiteral("COM4"));
        QVERIFY(entries[0]->isChecked());
        const TSerialChannel* channel = m_windows->Station().Manager().SerialList().At(0);
        QVERIFY(channel->IsOnline());

        entries[0]->trigger();
        QVERIFY(!entries[0]->isChecked());
        QVERIFY(!channel->IsOnline());
        Exit();
        QCOMPARE(StoredChoice(QStringLiteral("COM4")).toInt(), 0);
        QVERIFY(!StoredChoice(QStringLiteral("com4")).isValid());
    }
};

QTEST_MAIN(TestMainFormComPorts)
#include "tst_mainformcomports.moc"
