// The parameters editor and the printer clock dialog with two printers connected: LINE1, over TCP,
// whose parameters are open, and LINE2 on a serial line; both simulated in this process, whose logs
// give what reached each. The two windows belong to LINE1: they send to it only, and close without
// sending once LINE1 is no longer the selected printer.
#include "AppTestSupport.h"
#include "InProcessPrinter.h"
#include "app/StationWindows.h"
#include "app/main/VexMainForm.h"
#include "app/parameters/DateTimeForm.h"
#include "app/parameters/ParametersForm.h"
#include "app/parameters/ParametersWindows.h"
#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "platform/StationClock.h"
#include "station/Reconnection.h"
#include "station/Station.h"

#include <QComboBox>
#include <QDateEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QDateTime PcNow(QDate(2024, 3, 5), QTime(14, 7));

enum class TWindow
{
    Editor,
    ClockDialog,
};
enum class TDisturbance
{
    OtherPrinterConnects, // LINE2's ConnectAck makes it the selected printer
    PrinterPruned,        // LINE1, not kept connected, does not answer a discovery
    PrinterDisconnects,   // LINE1 ends the connection itself
};
} // namespace

class TestParametersTwoPrinters : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TStationWindows> m_windows;
    std::unique_ptr<TInProcessPrinter> m_line1;
    std::unique_ptr<TInProcessPrinter> m_line2;

    TVexMainForm& Main() { return m_windows->MainForm(); }
    TConnectionManager& Manager() { return m_windows->Station().Manager(); }
    TParametersForm& Editor() { return m_windows->ParametersWindows().ParametersForm(); }
    TDateTimeForm& Clock() { return m_windows->ParametersWindows().DateTimeForm(); }
    QString Selected()
    {
        const TCommChannel* selected = Manager().SelectedChannel();
        return selected ? TCoder::Of(*selected).PrinterName : QString();
    }

    void ConnectLine1() { QVERIFY(m_line1->ConnectTo(Manager(), TInProcessPrinter::TMedium::Network)); }
    void ConnectLine2() { QVERIFY(m_line2->ConnectTo(Manager(), TInProcessPrinter::TMedium::Serial, 8)); }
    void OpenEditor()
    {
        QVERIFY(AppTest::ClickMenu(Main(), {"Printer", "Parameters"}));
        QTRY_VERIFY(Editor().isVisible());
    }
    bool AskForClock() { return AppTest::ClickMenu(*Editor().findChild<QMenuBar*>(), {"Date/Time"}); }

    // What reached the printers of parameters and clock settings: "LINE2 WriteParameter".
    static QStringList Settings(const TInProcessPrinter& printer)
    {
        QStringList settings;
        for (const TXLMessage& message : printer.ReceivedMessages())
            if (message.Id == XLSend::WriteParameterId)
                settings << printer.Printer.Config().Name + QStringLiteral(" WriteParameter");
            else if (message.Is(XLSend::FlashWrite))
                settings << printer.Printer.Config().Name + QStringLiteral(" FlashWrite");
            else if (message.Is(XLSend::SetDate) || message.Is(XLSend::SetTime))
                settings << printer.Printer.Config().Name + QStringLiteral(" SetDate/SetTime");
        return settings;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        StationClock::SetSource([] { return PcNow; });
        AppTest::UseQuietSettings();
        m_windows = std::make_unique<TStationWindows>();
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&Main()));
        // The discovery of the start ends now, before the printers are named: the next one is the
        // test's.
        Manager().NetworkList().OnCollectTimer();
        m_line1 = std::make_unique<TInProcessPrinter>(TInProcessPrinter::Config(QStringLiteral("LINE1")),
                                                      m_dir.filePath(QStringLiteral("line1.jsonl")));
        m_line2 = std::make_unique<TInProcessPrinter>(TInProcessPrinter::Config(QStringLiteral("LINE2")),
                                                      m_dir.filePath(QStringLiteral("line2.jsonl")));
    }
    void cleanup()
    {
        m_windows.reset();
        m_line1.reset();
        m_line2.reset();
        StationClock::SetSource({});
    }

    // The operator has changed a setting or the date when LINE1 stops being the selected printer;
    // had the window stayed, the operator would press "OK".
    void theWindowClosesWithoutSendingWhenItsPrinterIsNoLongerSelected_data()
    {
        QTest::addColumn<TWindow>("window");
        QTest::addColumn<TDisturbance>("disturbance");
        QTest::newRow("editor, LINE2 connects") << TWindow::Editor << TDisturbance::OtherPrinterConnects;
        QTest::newRow("editor, LINE1 pruned") << TWindow::Editor << TDisturbance::PrinterPruned;
        QTest::newRow("editor, LINE1 disconnects") << TWindow::Editor << TDisturbance::PrinterDisconnects;
        QTest::newRow("clock, LINE2 connects") << TWindow::ClockDialog << TDisturbance::OtherPrinterConnects;
        QTest::newRow("clock, LINE1 pruned") << TWindow::ClockDialog << TDisturbance::PrinterPruned;
        QTest::newRow("clock, LINE1 disconnects") << TWindow::ClockDialog << TDisturbance::PrinterDisconnects;
    }
    void theWindowClosesWithoutSendingWhenItsPrinterIsNoLongerSelected()
    {
        QFETCH(TWindow, window);
        QFETCH(TDisturbance, disturbance);
        // Discovery never drops a printer the station keeps connected: this one it does not keep.
        if (disturbance == TDisturbance::PrinterPruned)
            Manager().Reconnection().SetKeepsConnectedPrinters(false);
        if (disturbance != TDisturbance::OtherPrinterConnects)
            ConnectLine2(); // selected again once LINE1 has gone
        ConnectLine1();
        OpenEditor();
        QDialog* shown = &Editor();
        if (window == TWindow::Editor) {
            auto* rotation = Editor().findChild<QComboBox*>();
            rotation->setFocus(Qt::TabFocusReason);
            QTest::keyClick(rotation, Qt::Key_Down);
        } else {
            QVERIFY(AskForClock());
            QTRY_VERIFY(Clock().isVisible());
            auto* date = Clock().findChild<QDateEdit*>(QStringLiteral("dateEdit"));
            date->setFocus(Qt::TabFocusReason);
            date->setCurrentSection(QDateTimeEdit::DaySection);
            QTest::keyClick(date, Qt::Key_Up);
            shown = &Clock();
        }

        switch (disturbance) {
        case TDisturbance::OtherPrinterConnects:
            ConnectLine2();
            break;
        case TDisturbance::PrinterPruned:
            // A printer the station keeps connected is not dropped while it answers: as with
            // AUTO_RECONNECT=0, this station keeps none.
            m_windows->Station().Reconnection().SetKeepsConnectedPrinters(false);
            m_windows->Station().Reconnection().StopAll(TDisconnectCause::Operator);
            Manager().NetworkList().BuildList(); // nobody answers
            Manager().NetworkList().OnCollectTimer();
            break;
        case TDisturbance::PrinterDisconnects:
            m_line1->Printer.SendDisconnectNotice();
            break;
        }
        QTRY_COMPARE(Selected(), QStringLiteral("LINE2"));
        if (shown->isVisible())
            QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
        QVERIFY(!Editor().isVisible());
        QVERIFY(!Clock().isVisible());
        QTest::qWait(200); // whatever the station would still send has reached the printers
        QCOMPARE(Settings(*m_line1) + Settings(*m_line2), QStringList{});
    }

    // LINE2 reports its clock unasked while LINE1's parameters are open: no dialog. LINE1's report,
    // asked for with "Date/Time", opens it with LINE1's clock.
    void theClockDialogOpensOnlyForThePrinterItWasAskedOf()
    {
        m_line2->Printer.State().SetDate(2031, 1, 1);
        ConnectLine2();
        ConnectLine1();
        OpenEditor();
        TCommChannel* line2 = Manager().ConnectedList().value(0);
        QCOMPARE(TCoder::Of(*line2).PrinterName, QStringLiteral("LINE2"));
        line2->QueueMessage(std::make_unique<TXLMessage>(XLSend::RequestClock));
        QTRY_VERIFY(m_line2->Received().contains(QStringLiteral("63/7")));
        QTest::qWait(200); // its report has reached the station
        QVERIFY(!Clock().isVisible());

        QVERIFY(AskForClock());
        QTRY_VERIFY(Clock().isVisible());
        QCOMPARE(Clock().findChild<QDateEdit*>(QStringLiteral("dateEdit"))->date(), PcNow.date());
        QCOMPARE(m_line1->Received().count(QStringLiteral("63/7")), 1);
    }
};

QTEST_MAIN(TestParametersTwoPrinters)
#include "tst_parameterstwoprinters.moc"
