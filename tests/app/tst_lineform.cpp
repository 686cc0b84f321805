// The Line window of the window program with three simulated printers, used with the mouse: it lists
// every printer with its state, follows one that is switched off and on, sorts, and selects a printer
// by a double click.
#include "AppTestSupport.h"
#include "InProcessPrinter.h"
#include "app/StationWindows.h"
#include "app/line/LineForm.h"
#include "app/main/VexMainForm.h"
#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "comm/SerialChannel.h"
#include "station/Reconnection.h"
#include "station/Station.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

class TestLineForm : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TStationWindows> m_windows;
    std::map<QString, std::unique_ptr<TInProcessPrinter>> m_printers;
    std::map<QString, quint64> m_ids;

    TConnectionManager& Manager() { return m_windows->Station().Manager(); }
    QTableView& Table() { return *m_windows->LineForm().findChild<QTableView*>(QStringLiteral("lineTable")); }
    // The rows as the window shows them, each cell's text joined by " | ".
    QStringList Rows()
    {
        const QAbstractItemModel& shown = *Table().model();
        QStringList rows;
        for (int row = 0; row < shown.rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < shown.columnCount(); ++column)
                cells << shown.index(row, column).data().toString();
            rows << cells.join(QLatin1String(" | "));
        }
        return rows;
    }
    QString RowOf(const QString& name)
    {
        return Rows().filter(name + QLatin1String(" |")).value(0);
    }
    QString Port(const QString& name) { return QString::number(m_printers[name]->Tcp.Port()); }
    QPoint CentreOf(int row, int column)
    {
        return Table().visualRect(Table().model()->index(row, column)).center();
    }

private slots:
    void init()
    {
        const std::tuple<const char*, quint8> printers[] = {
            {"LINE1", PrinterModels::Vega},
            {"LINE2", PrinterModels::Altair},
            {"LINE3", PrinterModels::Deneb},
        };
        for (const auto& [name, model] : printers)
            m_printers[name] =
                std::make_unique<TInProcessPrinter>(name, m_dir.filePath(name + QLatin1String(".log")), model);
        AppTest::UseQuietSettings();
        AppTest::MapComPort(9, m_printers["LINE3"]->Pty.SlavePath());
        m_windows = std::make_unique<TStationWindows>();
        TReconnectionTimes times;
        times.FirstPauseMs = 20;
        m_windows->Station().Reconnection().SetTimes(times);
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&m_windows->MainForm()));
        for (const char* name : {"LINE1", "LINE2"}) {
            m_ids[name] = m_printers[name]->ConnectTo(Manager(), TInProcessPrinter::TMedium::Network);
            QVERIFY(m_ids[name]);
        }
        // LINE3 on COM9, chosen in the main menu.
        const auto com9Choice = [this]() -> QAction* {
            const QList<QAction*> choices =
                m_windows->MainForm().findChild<QMenu*>(QStringLiteral("menuComPorts"))->actions();
            const auto found = std::find_if(choices.begin(), choices.end(),
                                            [](const QAction* choice) { return choice->text() == "COM9"; });
            return found == choices.end() ? nullptr : *found;
        };
        QTRY_VERIFY(com9Choice());
        com9Choice()->trigger();
        Manager().BuildChannelLists();
        const int com9 = Manager().SerialList().IndexOf(QStringLiteral("COM9"));
        QVERIFY(com9 >= 0);
        m_ids["LINE3"] = Manager().SerialList().At(com9)->Id();
        QTRY_VERIFY(std::any_of(Manager().Entries().begin(), Manager().Entries().end(),
                                [this](const TConnectionEntry& entry) { return entry.Id == m_ids["LINE3"]; }));
        Manager().ConnectPrinter(m_ids["LINE3"]);
        QTRY_VERIFY(Manager().SelectedChannel() && Manager().SelectedChannel()->Id() == m_ids["LINE3"] &&
                    !TCoder::Of(*Manager().SelectedChannel()).Images.isEmpty());
        QVERIFY(AppTest::ClickMenu(m_windows->MainForm(), {"Printer", "Line overview"}));
        QVERIFY(QTest::qWaitForWindowExposed(&m_windows->LineForm()));
    }
    void cleanup()
    {
        m_windows.reset();
        m_printers.clear();
    }

    void everyPrinterIsListedWithItsState()
    {
        QTRY_COMPARE(Rows().size(), 3);
        m_printers["LINE1"]->Printer.SendFault(XLReceive::RibbonFault);
        QTRY_VERIFY(RowOf("LINE1").endsWith(QLatin1String(" LINE1 - RIBBON FAULT!")));
        const QString faultTime = RowOf("LINE1").section(QLatin1String(" | "), 8).section(QLatin1Char(' '), 0, 0);
        // In the order the "Connections" window lists them: COM ports first.
        QCOMPARE(Rows(), (QStringList{
                             "LINE3 | Deneb | COM9 | Connected | Not printing | DEMO | 0 | Ink | ",
                             "LINE1 | Vega | 127.0.0.1:" + Port("LINE1") +
                                 " | Connected | Not printing | DEMO | 0 | Ink | " + faultTime +
                                 " LINE1 - RIBBON FAULT!",
                             "LINE2 | Altair | 127.0.0.1:" + Port("LINE2") + " | Connected | Not printing | DEMO | 0 | Ribbon | ",
                         }));
        auto* counts = m_windows->LineForm().findChild<QLabel*>(QStringLiteral("countsLabel"));
        QCOMPARE(counts->text(), QStringLiteral("Printers: 3; 3 connected, 0 reconnecting"));
        QCOMPARE(counts->accessibleName(), counts->text());
        QCOMPARE(m_windows->MainForm().windowTitle(), QStringLiteral("Telvos Vex - 3 connected, 0 reconnecting"));
    }

    // While LINE2 is away its row says since when the station reconnects it, and the main window's
    // title counts it; then it is connected again.
    void aPrinterSwitchedOffAndOnIsFollowed()
    {
        QTRY_COMPARE(Rows().size(), 3);
        QString whileAway;
        QString titleWhileAway;
        connect(&m_windows->Station().Reconnection(), &TReconnection::Reconnecting, this, [&] {
            whileAway = RowOf("LINE2");
            titleWhileAway = m_windows->MainForm().windowTitle();
        });
        m_printers["LINE2"]->Tcp.DropConnections();
        QTRY_VERIFY(!whileAway.isEmpty());
        QVERIFY2(whileAway.contains(QRegularExpression(" \\| Reconnecting since \\d\\d:\\d\\d:\\d\\d \\|  \\| DEMO \\| ")),
                 qPrintable(whileAway));
        QCOMPARE(titleWhileAway, QStringLiteral("Telvos Vex - 2 connected, 1 reconnecting"));
        QTRY_VERIFY(RowOf("LINE2").contains(QLatin1String(" | Connected | ")));
        QCOMPARE(m_windows->MainForm().windowTitle(), QStringLiteral("Telvos Vex - 3 connected, 0 reconnecting"));
    }

    // Counts sort as numbers, not as text.
    void aClickOnAColumnTitleSortsByIt()
    {
        QTRY_COMPARE(Rows().size(), 3);
        m_printers["LINE2"]->Printer.SetPrintCount(10);
        m_printers["LINE3"]->Printer.SetPrintCount(9);
        QTRY_VERIFY(RowOf("LINE2").contains(" | 10 | ") && RowOf("LINE3").contains(" | 9 | "));
        QHeaderView* header = Table().horizontalHeader();
        const auto names = [this] {
            QStringList names;
            for (const QString& row : Rows())
                names << row.section(QLatin1String(" | "), 0, 0);
            return names;
        };
        const auto clickTitle = [header](int column) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                                     header->height() / 2));
        };
        clickTitle(TLineModel::ModelColumn);
        QCOMPARE(names(), (QStringList{"LINE2", "LINE3", "LINE1"})); // Altair, Deneb, Vega
        clickTitle(TLineModel::ModelColumn);
        QCOMPARE(names(), (QStringList{"LINE1", "LINE3", "LINE2"}));
        clickTitle(TLineModel::PrintCountColumn);
        QCOMPARE(names(), (QStringList{"LINE1", "LINE3", "LINE2"})); // 0, 9, 10
    }

    // As a click in "Connections": the main window shows the printer, and every window works on it.
    void aDoubleClickSelectsThePrinter()
    {
        QTRY_COMPARE(Rows().size(), 3);
        QCOMPARE(Manager().SelectedChannel()->Id(), m_ids["LINE3"]);
        const int row = int(Rows().indexOf(RowOf("LINE1")));
        // As the window system delivers a double click: a click, then the second press.
        const QPoint cell = CentreOf(row, TLineModel::ConnectionColumn);
        QTest::mouseClick(Table().viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(Table().viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(Manager().SelectedChannel()->Id(), m_ids["LINE1"]);
        QCOMPARE(m_windows->MainForm().findChild<QLabel*>(QStringLiteral("printerValue"))->text(),
                 QStringLiteral("LINE1"));
    }
};

QTEST_MAIN(TestLineForm)
#include "tst_lineform.moc"
