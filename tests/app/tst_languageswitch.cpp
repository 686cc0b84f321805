// Switching the interface language with the station's packs, taken from beside the window program
// and put beside a program file of the test's own.
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
#include "widgets/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
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
    // The pack that lies beside the window program under the name, put here under another.
    void PutPack(const QString& fileName, QString packName = {})
    {
        if (packName.isEmpty())
            packName = fileName;
        const QString pack = QDir(QStringLiteral(VEX_PROGRAM_DIR)).filePath(packName);
        QVERIFY2(QFile::copy(pack, m_dir->filePath(fileName)), qPrintable(pack));
    }
    void PutEveryPack()
    {
        for (const char* name : {"vex.DEU", "vex.ENG", "vex.FRA", "vex.NLD"})
            PutPack(QLatin1String(name));
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
    // Every text of the status area fits: the menu bar keeps one line, and no label is cut.
    void VerifyNothingIsCut()
    {
        QTest::qWait(20); // the layouts take the new texts
        const QList<QAction*> menus = Form().menuBar()->actions();
        for (QAction* menu : menus)
            QCOMPARE(Form().menuBar()->actionGeometry(menu).top(), Form().menuBar()->actionGeometry(menus[0]).top());
        for (const QLabel* label : Form().findChild<QGroupBox*>()->findChildren<QLabel*>())
            if (!qobject_cast<const TElidingLabel*>(label))
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
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

    void aPackSwitchesTheTextsAndIsStored_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("localeId");
        QTest::addColumn<QStringList>("menus");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("disconnected");
        QTest::addColumn<QString>("lamp");
        QTest::addColumn<QString>("about");
        QTest::newRow("Deutsch") << "Deutsch" << 1031
                                 << QStringList{"Drucker", "Bilder", "Einstellungen", "Hilfe", "Beenden"}
                                 << "Druckerstatus" << "Nicht verbunden" << "Druckt: aus" << "Info";
        QTest::newRow("Francais") << "Francais" << 1036
                                  << QStringList{"Imprimante", "Images", "Réglages", "Aide", "Quitter"}
                                  << "État de l'imprimante" << "Déconnectée" << "Impression\u00a0: éteint"
                                  << "À propos";
        QTest::newRow("Nederlands") << "Nederlands" << 1043
                                    << QStringList{"Printer", "Afbeeldingen", "Instellingen", "Help", "Afsluiten"}
                                    << "Printerstatus" << "Niet verbonden" << "Printen: uit" << "Info";
    }
    // Each language's pack switches the menus and the status rows, stays chosen at the next start,
    // and "English" brings the built-in texts back.
    void aPackSwitchesTheTextsAndIsStored()
    {
        QFETCH(QString, entry);
        QFETCH(int, localeId);
        QFETCH(QStringList, menus);
        QFETCH(QString, status);
        QFETCH(QString, disconnected);
        QFETCH(QString, lamp);
        QFETCH(QString, about);
        PutEveryPack();
        StartStation();
        Form().move(0, 0);
        Form().SetCurrentImages(QStringLiteral("LABEL"), QString());
        Form().SetPrintCountText(QStringLiteral("17"));
        QVERIFY(AppTest::ClickMenu(Form(), {"Settings", "Language", entry}));
        QTRY_COMPARE(CheckedLanguage(), entry);
        QCOMPARE(MenuBarCaptions(), menus);
        QCOMPARE(Form().findChild<QGroupBox*>()->title(), status);
        // The design state: no printer.
        QCOMPARE(Shown("printerValue"), disconnected);
        QCOMPARE(Shown("imageValue"), QString());
        QCOMPARE(Shown("printCountValue"), QStringLiteral("0"));
        QCOMPARE(Form().findChild<TLamp*>(QStringLiteral("printLamp"))->accessibleName(), lamp);
        QCOMPARE(m_windows->AboutBox().windowTitle(), about);
        QCOMPARE(StoredLanguage(), localeId);
        QCOMPARE(Form().frameGeometry().center(), Form().screen()->geometry().center());
        VerifyNothingIsCut();

        m_windows.reset();
        StartStation();
        QCOMPARE(MenuBarCaptions(), menus);
        QCOMPARE(CheckedLanguage(), entry);

        QVERIFY(AppTest::ClickMenu(Form(), {menus[2], Form().findChild<QMenu*>(QStringLiteral("menuLanguage"))->title(),
                                            "English"}));
        QTRY_COMPARE(CheckedLanguage(), QStringLiteral("English"));
        QCOMPARE(MenuBarCaptions(), (QStringList{"Printer", "Images", "Settings", "Help", "Exit"}));
        QCOMPARE(Shown("printerValue"), QStringLiteral("Disconnected"));
        QCOMPARE(StoredLanguage(), 2057);
    }

    // A box the station puts up speaks the language chosen, its button too, and so do Qt's own
    // dialogs where Qt's translations are installed.
    void anErrorBoxSpeaksTheLanguageChosen()
    {
        PutEveryPack();
        StartStation();
        TInProcessPrinter printer(QStringLiteral("LINE1"), m_dir->filePath(QStringLiteral("printer.jsonl")));
        TConnectionManager& manager = m_windows->Station().Manager();
        printer.ConnectTo(manager);
        QTRY_COMPARE(Shown("printerValue"), QStringLiteral("LINE1"));
        ChooseGerman();
        QTRY_VERIFY(Entry("actionTransfer")->isEnabled());
        QFile notADesign(m_dir->filePath(QStringLiteral("Label.Vega")));
        QVERIFY(notADesign.open(QIODevice::WriteOnly) && notADesign.write("not a design file") > 0);
        notADesign.close();

        QString lookIn;
        QString boxText;
        QStringList boxButtons;
        AppTest::OnNextModal([&](QWidget* dialog) {
            lookIn = dialog->findChild<QLabel*>(QStringLiteral("lookInLabel"))->text();
            QVERIFY(AppTest::ChooseFiles(dialog, m_dir->path(), {"Label.Vega"}));
            AppTest::OnNextModal([&](QWidget* box) {
                boxText = qobject_cast<QMessageBox*>(box)->text();
                for (QAbstractButton* button : qobject_cast<QMessageBox*>(box)->buttons())
                    boxButtons << button->text();
                QTest::mouseClick(qobject_cast<QMessageBox*>(box)->buttons().value(0), Qt::LeftButton);
            });
        });
        QVERIFY(AppTest::ClickMenu(Form(), {"Bilder", "Übertragen"}));
        QTRY_COMPARE(boxText, QStringLiteral("DATEI %1 IST BESCHÄDIGT ODER UNVOLLSTÄNDIG, BILDÜBERTRAGUNG ABGEBROCHEN")
                                 .arg(notADesign.fileName()));
        QCOMPARE(boxButtons, QStringList{"OK"});
        QCOMPARE(TMessageBox::LastShown().Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(lookIn, m_windows->LanguagePack().HasQtTexts() ? QStringLiteral("Suchen in:") : QStringLiteral("Look in:"));
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
        PutPack(QStringLiteral("vex.DE"), QStringLiteral("vex.DEU"));
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
        printer.ConnectTo(manager);
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
