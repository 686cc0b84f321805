// Switching the interface language with the German test pack beside a program file of the test's own.
#include "AppTestSupport.h"
#include "InProcessPrinter.h"
#include "app/StationWindows.h"
#include "app/main/AboutBox.h"
#include "app/main/VexMainForm.h"
#include "coder/Coder.h"
#include "comm/SerialChannel.h"
#include "platform/SettingsStore.h"
#include "station/Station.h"
#include "widgets/ElidingLabel.h"
#include "widgets/Lamp.h"

#include <QFile>
#include <QGroupBox>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

class TestLanguageSwitch : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TStationWindows> m_windows;

    TVexMainForm& Form() { return m_windows->MainForm(); }
    QString Shown(const char* label) { return Form().findChild<QLabel*>(QLatin1String(label))->text(); }
    QAction* Entry(const char* name) { return Form().findChild<QAction*>(QLatin1String(name)); }
    void PutPack(const QString& fileName)
    {
        QVERIFY(QFile::copy(QStringLiteral(VEX_TEST_PACK), m_dir->filePath(fileName)));
    }
    void StartStation()
    {
        m_windows = std::make_unique<TStationWindows>(m_dir->filePath(QStringLiteral("vex")));
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&Form()));
    }
    QStringList MenuBarCaptions()
    {
        QStringList captions;
        for (const QAction* entry : Form().menuBar()->actions())
            captions << entry->text();
        return captions;
    }
    QString CheckedLanguage()
    {
        QString checked;
        for (const char* name : {"actionDeutsch", "actionEnglish", "actionFrancais", "actionNederlands"})
            if (Entry(name)->isChecked())
                checked += Entry(name)->text();
        return checked;
    }
    static int StoredLanguage() { return SettingsStore::Value(QLatin1String(SettingsStore::Language)).toInt(); }
    void ChooseGerman()
    {
        QVERIFY(AppTest::ClickMenu(Form(), {"Settings", "Language", "Deutsch"}));
        QTRY_COMPARE(CheckedLanguage(), QStringLiteral("Deutsch"));
    }

private slots:
    void init()
    {
        AppTest::UseQuietSettings();
        m_dir = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        m_windows.reset();
        m_dir.reset();
    }

    void aPackSwitchesTheTextsAndIsStored()
    {
        PutPack(QStringLiteral("vex.DEU"));
        StartStation();
        Form().move(0, 0);
        Form().SetCurrentImages(QStringLiteral("LABEL"), QString());
        Form().SetPrintCountText(QStringLiteral("17"));
        ChooseGerman();
        QCOMPARE(MenuBarCaptions(), (QStringList{"Drucker", "Bilder", "Einstellungen", "Hilfe", "Beenden"}));
        QCOMPARE(Form().findChild<QGroupBox*>()->title(), QStringLiteral("Druckerstatus"));
        // The design state: no printer.
        QCOMPARE(Shown("printerValue"), QStringLiteral("Nicht verbunden"));
        QCOMPARE(Shown("imageValue"), QString());
        QCOMPARE(Shown("printCountValue"), QStringLiteral("0"));
        QCOMPARE(Form().findChild<TLamp*>(QStringLiteral("printLamp"))->accessibleName(), QStringLiteral("Druckt: aus"));
        QCOMPARE(m_windows->AboutBox().windowTitle(), QStringLiteral("Info"));
        QCOMPARE(StoredLanguage(), 1031);
        QCOMPARE(Form().frameGeometry().center(), Form().screen()->geometry().center());

        // Every text fits: the menu bar keeps one line, and no label is cut.
        QTest::qWait(20); // the layouts take the new texts
        const QList<QAction*> menus = Form().menuBar()->actions();
        for (QAction* menu : menus)
            QCOMPARE(Form().menuBar()->actionGeometry(menu).top(), Form().menuBar()->actionGeometry(menus[0]).top());
        for (const QLabel* label : Form().findChild<QGroupBox*>()->findChildren<QLabel*>())
            if (!qobject_cast<const TElidingLabel*>(label))
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    }

    void aLanguageWithoutAPackChangesNothing_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("no pack") << "Francais";
        QTest::newRow("the built-in texts are no pack") << "English";
    }
    void aLanguageWithoutAPackChangesNothing()
    {
        QFETCH(QString, language);
        PutPack(QStringLiteral("vex.DEU"));
        StartStation();
        ChooseGerman();
        QVERIFY(AppTest::ClickMenu(Form(), {"Einstellungen", "Sprache", language}));
        QCOMPARE(CheckedLanguage(), QStringLiteral("Deutsch"));
        QCOMPARE(MenuBarCaptions()[0], QStringLiteral("Drucker"));
        QCOMPARE(StoredLanguage(), 1031);
    }

    void aPackUnderTwoLettersIsTaken()
    {
        PutPack(QStringLiteral("vex.DE"));
        StartStation();
        ChooseGerman();
        QCOMPARE(MenuBarCaptions()[0], QStringLiteral("Drucker"));
    }

    // The channel lists are built at start-up whether the stored language's pack is there or not.
    void theStoredLanguageIsAppliedAtStartUp_data()
    {
        QTest::addColumn<bool>("packPresent");
        QTest::addColumn<QString>("printerMenu");
        QTest::addColumn<QString>("checked");
        QTest::newRow("pack present") << true << "Drucker" << "Deutsch";
        QTest::newRow("pack missing") << false << "Printer" << "";
    }
    void theStoredLanguageIsAppliedAtStartUp()
    {
        QFETCH(bool, packPresent);
        QFETCH(QString, printerMenu);
        QFETCH(QString, checked);
        if (packPresent)
            PutPack(QStringLiteral("vex.DEU"));
        SettingsStore::SetValue(QLatin1String(SettingsStore::Language), 1031);
        StartStation();
        QCOMPARE(MenuBarCaptions()[0], printerMenu);
        QCOMPARE(CheckedLanguage(), checked);
        QVERIFY(m_windows->Station().Manager().RefreshTimer().isActive());
    }

    // The design state has nothing of the printer: it is shown again, printing and all.
    void aPrinterShownIsShownAgainInTheNewLanguage()
    {
        PutPack(QStringLiteral("vex.DEU"));
        StartStation();
        TInProcessPrinter printer(QStringLiteral("LINE1"), m_dir->filePath(QStringLiteral("printer.jsonl")));
        TConnectionManager& manager = m_windows->Station().Manager();
        manager.ConnectPrinter(manager.AddSerialPrinter(QStringLiteral("COM9"), 9, printer.Pty.SlavePath())->Id());
        QTRY_COMPARE(Shown("printerValue"), QStringLiteral("LINE1"));
        m_windows->Station().StartPrint(QStringLiteral("DEMO"), QString());
        QTRY_VERIFY(!Entry("actionParameters")->isEnabled());

        ChooseGerman();
        QCOMPARE(Shown("printerValue"), QStringLiteral("LINE1"));
        QCOMPARE(Shown("imageValue"), QStringLiteral("DEMO"));
        QCOMPARE(Shown("inkLabel"), QStringLiteral("Tinte"));
        QVERIFY(Form().findChild<TLamp*>(QStringLiteral("printLamp"))->IsLit());
        QVERIFY(Entry("actionDisconnectAll")->isEnabled());
        QVERIFY(!Entry("actionParameters")->isEnabled());
        QVERIFY(!Entry("actionTransfer")->isEnabled());
        QVERIFY(manager.IsEnabled());
    }
};

QTEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
