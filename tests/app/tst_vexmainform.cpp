#include "AppTestSupport.h"
#include "RecordingChannel.h"
#include "RecordingViews.h"
#include "VexVersion.h"
#include "app/StationWindows.h"
#include "app/main/AboutBox.h"
#include "app/main/VexMainForm.h"
#include "coder/Coder.h"
#include "station/Station.h"
#include "widgets/Lamp.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {
// A printer's state to show, on a channel that goes nowhere.
struct TShownPrinter
{
    TRecordingCoderEvents Events;
    TRecordingChannel Channel{QStringLiteral("p"), 1, TCoder::Factory(Events)};
    TCoder& Coder = TCoder::Of(Channel);
};
} // namespace

// The main window of a whole station that keeps to itself (no printer answers), driven through the
// main window's view operations as the station drives it.
class TestVexMainForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<TStationWindows> m_windows;
    TVexMainForm* m_form = nullptr;

    template <typename T> T* Find(const char* name) { return m_form->findChild<T*>(QLatin1String(name)); }
    QString Text(const char* label) { return Find<QLabel>(label)->text(); }
    bool Lit(const char* lamp) { return Find<TLamp>(lamp)->IsLit(); }
    QAction* Action(const char* name) { return Find<QAction>(name); }
    // "DPITMC": Disconnect all, Parameters, Images menu, Transfer, Delete, Connections; upper case
    // for enabled.
    QString MenuLetters()
    {
        const std::pair<QAction*, char> entries[] = {
            {Action("actionDisconnectAll"), 'd'},
            {Action("actionParameters"), 'p'},
            {Find<QMenu>("menuImages")->menuAction(), 'i'},
            {Action("actionTransfer"), 't'},
            {Action("actionDelete"), 'x'},
            {Action("actionConnections"), 'c'},
        };
        QString letters;
        for (const auto& [action, letter] : entries)
            letters += QLatin1Char(action->isEnabled() ? char(letter - 'a' + 'A') : letter);
        return letters;
    }
    static QStringList Captions(const QList<QAction*>& actions)
    {
        QStringList captions;
        for (const QAction* action : actions)
            if (action->isVisible())
                captions << action->text();
        return captions;
    }

private slots:
    void init()
    {
        AppTest::UseQuietSettings();
        m_windows = std::make_unique<TStationWindows>();
        m_form = &m_windows->MainForm();
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }
    void cleanup() { m_windows.reset(); }

    void theWindowStartsAsDesigned()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Telvos Vex"));
        QCOMPARE(m_form->centralWidget()->size(), QSize(342, 246));
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        QVERIFY(!(m_form->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
        const QRect screen = m_form->screen()->geometry();
        QVERIFY(qAbs(m_form->frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(m_form->frameGeometry().center().y() - screen.center().y()) <= 1);

        QCOMPARE(Find<QGroupBox>("statusGroup")->title(), QStringLiteral("Printer Status"));
        const QStringList rows{Text("printerLabel"), Text("imageLabel"), Text("printingLabel"),
                               Text("printCountLabel"), Text("inkLabel"), Text("freeSpaceLabel")};
        QCOMPARE(rows, (QStringList{"Printer", "Image", "Printing", "Print count:", "Ink/Ribbon", "Free space"}));
        QCOMPARE(Text("printerValue"), QStringLiteral("Disconnected"));
        QCOMPARE(Text("imageValue"), QString());
        QCOMPARE(Text("printCountValue"), QStringLiteral("0"));
        QCOMPARE(Text("freeSpaceValue"), QString());
        QVERIFY(!Lit("printLamp") && !Lit("inkLamp"));
        QCOMPARE(Find<TLamp>("printLamp")->accessibleName(), QStringLiteral("Printing: off"));

        QCOMPARE(Captions(m_form->menuBar()->actions()), (QStringList{"Printer", "Images", "Settings", "Help", "Exit"}));
        QCOMPARE(Captions(Find<QMenu>("menuPrinter")->actions()),
                 (QStringList{"Connections", "Line overview", "Disconnect all", "Parameters", "", "Preview", "History"}));
        QCOMPARE(Captions(Find<QMenu>("menuImages")->actions()), (QStringList{"Transfer", "Delete", "Modify", "Print"}));
        QCOMPARE(Captions(Find<QMenu>("menuSettings")->actions()), QStringList{"Language"});
        QCOMPARE(Captions(Find<QMenu>("menuLanguage")->actions()),
                 (QStringList{"Deutsch", "English", "Francais", "Nederlands"}));
        for (const QAction* language : Find<QMenu>("menuLanguage")->actions())
            QVERIFY(language->isCheckable() && !language->isChecked());
        QCOMPARE(MenuLetters(), QStringLiteral("dpiTXC"));
    }

    // Each row follows one of the station's calls from the start.
    void theMenusFollowThePrinter_data()
    {
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("expected");
        QTest::newRow("start") << QStringList{} << "dpiTXC";
        QTest::newRow("a printer shown") << QStringList{"UpdateForm"} << "DPITXC";
        QTest::newRow("printing") << QStringList{"UpdateForm", "PrintStarted"} << "DpItxC";
        QTest::newRow("not printing") << QStringList{"UpdateForm", "PrintStarted", "PrintStopped"} << "DPITXC";
        QTest::newRow("no printer") << QStringList{"UpdateForm", "PrintStarted", "ShowDisconnected"} << "dpiTXC";
    }
    void theMenusFollowThePrinter()
    {
        QFETCH(QStringList, calls);
        QFETCH(QString, expected);
        TShownPrinter printer;
        for (const QString& call : calls) {
            if (call == QLatin1String("UpdateForm"))
                m_form->UpdateForm(printer.Coder);
            else if (call == QLatin1String("PrintStarted"))
                m_form->PrintStarted(5);
            else if (call == QLatin1String("PrintStopped"))
                m_form->PrintStopped();
            else
                m_form->ShowDisconnected();
        }
        QCOMPARE(MenuLetters(), expected);
    }

    void aDisabledMenuDoesNotOpen()
    {
        QVERIFY(!AppTest::ClickMenu(*m_form, {"Images", "Transfer"}));
        QVERIFY(!Find<QMenu>("menuImages")->isVisible());
    }

    void theWholeStateOfAPrinterIsShown_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::addColumn<quint32>("freeMemory");
        QTest::addColumn<QString>("inkLabel");
        QTest::addColumn<QString>("freeSpace");
        QTest::newRow("Altair, no free memory") << quint8(0) << 0u << "Ribbon" << "";
        QTest::newRow("Deneb") << quint8(3) << 1234u << "Ink" << "1234 Bytes.";
        QTest::newRow("not identified") << quint8(6) << 1234u << "Ink" << "1234 Bytes.";
    }
    void theWholeStateOfAPrinterIsShown()
    {
        QFETCH(quint8, model);
        QFETCH(quint32, freeMemory);
        QFETCH(QString, inkLabel);
        QFETCH(QString, freeSpace);
        TShownPrinter printer;
        printer.Coder.PrinterName = QStringLiteral("LINE1");
        printer.Coder.Model = model;
        printer.Coder.FreeMemory = freeMemory;
        printer.Coder.PrintCount = 77;
        printer.Coder.StatusWord = 0x0001;
        m_form->UpdateForm(printer.Coder);
        QCOMPARE(Text("printerValue"), QStringLiteral("LINE1"));
        QCOMPARE(Text("inkLabel"), inkLabel);
        QCOMPARE(Find<TLamp>("inkLamp")->accessibleName(), inkLabel + QStringLiteral(": on"));
        QCOMPARE(Text("freeSpaceValue"), freeSpace);
        QCOMPARE(Text("printCountValue"), QStringLiteral("77"));
        QVERIFY(Lit("inkLamp") && !Lit("printLamp"));

        m_form->ShowDisconnected();
        QCOMPARE(Text("printerValue"), QStringLiteral("Disconnected"));
        QCOMPARE(Text("printCountValue") + Text("freeSpaceValue") + Text("imageValue"), QString());
        QVERIFY(!Lit("inkLamp") && !Lit("printLamp"));
    }

    // Screen readers and automation read each value with the caption of its row, through the
    // accessibility interface: the name says both, the value the value alone.
    void screenReadersReadEachValueWithItsCaption_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("printerShown");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("printer") << "printerValue" << true << "Printer: LINE1" << "LINE1";
        QTest::newRow("no printer") << "printerValue" << false << "Printer: Disconnected" << "Disconnected";
        QTest::newRow("image") << "imageValue" << true << "Image: LABEL, BOX" << "LABEL, BOX";
        QTest::newRow("print count") << "printCountValue" << true << "Print count: 77" << "77";
        QTest::newRow("free space") << "freeSpaceValue" << true << "Free space: 1234 Bytes." << "1234 Bytes.";
        QTest::newRow("no free space") << "freeSpaceValue" << false << "Free space" << "";
    }
    void screenReadersReadEachValueWithItsCaption()
    {
        QFETCH(QString, value);
        QFETCH(bool, printerShown);
        QFETCH(QString, name);
        QFETCH(QString, shown);
        TShownPrinter printer;
        printer.Coder.PrinterName = QStringLiteral("LINE1");
        printer.Coder.FreeMemory = 1234;
        printer.Coder.PrintCount = 77;
        m_form->UpdateForm(printer.Coder);
        m_form->SetCurrentImages(QStringLiteral("LABEL"), QStringLiteral("BOX"));
        if (!printerShown)
            m_form->ShowDisconnected();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Find<QLabel>(qPrintable(value)));
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(accessible->text(QAccessible::Value), shown);
    }

    void theCurrentImagesAreShown_data()
    {
        QTest::addColumn<QString>("imageB");
        QTest::addColumn<QString>("expected");
        QTest::newRow("image A alone") << "" << "LABEL";
        QTest::newRow("two heads") << "BOX" << "LABEL, BOX";
    }
    void theCurrentImagesAreShown()
    {
        QFETCH(QString, imageB);
        QFETCH(QString, expected);
        m_form->SetCurrentImages(QStringLiteral("LABEL"), imageB);
        QCOMPARE(Text("imageValue"), expected);
    }

    void theStatusWordLightsTheLamps_data()
    {
        QTest::addColumn<quint16>("statusWord");
        QTest::addColumn<bool>("printing");
        QTest::addColumn<bool>("ink");
        QTest::newRow("both") << quint16(0x0101) << true << true;
        QTest::newRow("neither") << quint16(0x0000) << false << false;
        QTest::newRow("ink") << quint16(0x0001) << false << true;
        QTest::newRow("printing") << quint16(0x0100) << true << false;
    }
    void theStatusWordLightsTheLamps()
    {
        QFETCH(quint16, statusWord);
        QFETCH(bool, printing);
        QFETCH(bool, ink);
        m_form->SetCoderStatus(quint16(~statusWord));
        m_form->SetCoderStatus(statusWord);
        QCOMPARE(Lit("printLamp"), printing);
        QCOMPARE(Lit("inkLamp"), ink);
    }

    void thePrintLampBlinksUntilThePrinterReportsPrinting()
    {
        TLamp* lamp = Find<TLamp>("printLamp");
        m_form->GeneratingImage(QStringLiteral("LABEL"), QStringLiteral("BOX"));
        QCOMPARE(Text("imageValue"), QStringLiteral("LABEL, BOX"));
        QVERIFY(m_form->FlashTimer().isActive());
        QCOMPARE(m_form->FlashTimer().interval(), 500);
        QTRY_VERIFY_WITH_TIMEOUT(lamp->IsLit(), 1500);
        QTRY_VERIFY_WITH_TIMEOUT(!lamp->IsLit(), 1500);
        QTRY_VERIFY_WITH_TIMEOUT(lamp->IsLit(), 1500);
        m_form->PrintStarted(12);
        QVERIFY(!m_form->FlashTimer().isActive());
        QVERIFY(lamp->IsLit());
        QCOMPARE(Text("printCountValue"), QStringLiteral("12"));
    }

    void theStatusAndThePrinterStoppingEndTheBlinking()
    {
        m_form->GeneratingImage(QStringLiteral("LABEL"), QString());
        m_form->SetCoderStatus(0x0000);
        QVERIFY(!m_form->FlashTimer().isActive());
        m_form->GeneratingImage(QStringLiteral("LABEL"), QString());
        m_form->PrintStopped();
        QVERIFY(!m_form->FlashTimer().isActive());
        QVERIFY(!Lit("printLamp"));
    }

    void thePrinterSetsCountAndFreeSpaceDirectly()
    {
        m_form->SetFreeSpaceText(QStringLiteral("0 Bytes."));
        m_form->SetPrintCountText(QStringLiteral("4711"));
        QCOMPARE(Text("freeSpaceValue"), QStringLiteral("0 Bytes."));
        QCOMPARE(Text("printCountValue"), QStringLiteral("4711"));
    }

    void theComPortEntriesArePlainCheckableEntries()
    {
        QMenu* ports = Find<QMenu>("menuComPorts");
        QVERIFY(!ports->menuAction()->isVisible());
        m_form->AddToComPortMenu(QStringLiteral("COM1"), false);
        m_form->AddToComPortMenu(QStringLiteral("COM12"), true);
        QCOMPARE(Captions(ports->actions()), (QStringList{"COM1", "COM12"}));
        for (const QAction* entry : ports->actions()) {
            if (!entry->isVisible())
                continue; // the placeholder
            QVERIFY(entry->isCheckable());
            QVERIFY(!entry->actionGroup());
        }
        QVERIFY(ports->actions().last()->isChecked());
        m_form->ClearComPortMenu();
        QCOMPARE(Captions(ports->actions()), QStringList{});
        QCOMPARE(ports->actions().size(), 1);
    }

    void aboutShowsTheProgramsVersion()
    {
        TAboutBox& about = m_windows->AboutBox();
        QVERIFY(AppTest::ClickMenu(*m_form, {"Help", "About"}));
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("versionLine"))->text(),
                 QStringLiteral("Version %1.%2.%3")
                     .arg(VexVersion::Major)
                     .arg(VexVersion::Minor)
                     .arg(VexVersion::Release, 3, 10, QLatin1Char('0')));
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("okButton"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }

    void theVersionLineHasAtLeastThreeDigitsForTheRelease_data()
    {
        QTest::addColumn<int>("release");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one digit") << 7 << "Version 2.14.007";
        QTest::newRow("four digits") << 1234 << "Version 2.14.1234";
    }
    void theVersionLineHasAtLeastThreeDigitsForTheRelease()
    {
        QFETCH(int, release);
        QFETCH(QString, expected);
        QCOMPARE(TAboutBox(TProgramVersion{2, 14, release}).VersionLine(), expected);
        QCOMPARE(TAboutBox(std::nullopt).VersionLine(), QString());
    }

    void exitClosesTheWindowAndTheLinks()
    {
        QSignalSpy closed(m_form, &TVexMainForm::Closed);
        QVERIFY(AppTest::ClickMenu(*m_form, {"Exit"}));
        QVERIFY(closed.wait(2000) || closed.count() == 1);
        QVERIFY(!m_form->isVisible());
        QVERIFY(!m_windows->Station().Manager().RefreshTimer().isActive());
    }
};

QTEST_MAIN(TestVexMainForm)
#include "tst_vexmainform.moc"
