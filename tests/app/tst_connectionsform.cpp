// The "Connections" window used with the mouse against simulated printers found by discovery on the
// loopback broadcast address, its properties dialog, its place on the screen and its language.
#include "AppTestSupport.h"
#include "InProcessPrinter.h"
#include "RecordingViews.h"
#include "SimulatorProcess.h"
#include "app/StationWindows.h"
#include "app/connections/ConnectionsForm.h"
#include "app/connections/PropertyForm.h"
#include "app/main/VexMainForm.h"
#include "coder/Coder.h"
#include "comm/NetChannel.h"
#include "comm/XLMessage.h"
#include "images/FontUnit.h"
#include "station/ConnectionsWindowGeometry.h"
#include "station/Station.h"
#include "widgets/MessageBox.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTest>
#include <QUdpSocket>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString LoopbackBroadcast = QStringLiteral("127.255.255.255");
constexpr int CollectMs = 700; // the station collects for 3 s; the tests need not wait so long

quint16 FreeUdpPort()
{
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
}

TDiscoveryAddress Discovery(quint16 port, quint16 localPort)
{
    TDiscoveryAddress discovery;
    discovery.Address = QHostAddress(LoopbackBroadcast);
    discovery.Port = port;
    discovery.LocalPort = localPort;
    return discovery;
}

// The main window and the "Connections" window of a station the test owns; the other windows are
// written down.
struct TWindowStation
{
    TWindowStation(quint16 discoveryPort, quint16 localPort)
        : Station({Main, Connections, Others, Others, Others, Others, Others}, Fonts,
                  Discovery(discoveryPort, localPort))
    {
        Main.Attach(Station);
        Connections.Attach(Station);
        Station.Manager().NetworkList().SetCollectMs(CollectMs);
    }

    TConnectionManager& Manager() { return Station.Manager(); }

    TRecordingViews Others;
    TVexMainForm Main;
    TConnectionsForm Connections{&Main};
    TFontMap Fonts;
    TStation Station;
};

// Counts how often a window was hidden.
class THideCounter : public QObject
{
public:
    int Hides = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        Hides += event->type() == QEvent::Hide;
        return false;
    }
};

} // namespace

class TestConnectionsForm : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    quint16 m_discoveryPort = 0;
    std::vector<std::unique_ptr<TSimulatorProcess>> m_printers;
    std::unique_ptr<TWindowStation> m_station;
    std::unique_ptr<TStationWindows> m_windows;

    TSimulatorProcess& StartPrinter(const QStringList& arguments)
    {
        auto printer = std::make_unique<TSimulatorProcess>();
        const QString discovery = QStringLiteral("%1:%2").arg(LoopbackBroadcast).arg(m_discoveryPort);
        if (!printer->Start(arguments + QStringList{"--discovery", discovery}))
            qWarning() << "the simulator did not start:" << printer->ErrorOutput();
        m_printers.push_back(std::move(printer));
        return *m_printers.back();
    }
    // The window shows; the channel lists are built as at start-up.
    void StartStation(quint16 localPort = 0)
    {
        m_station = std::make_unique<TWindowStation>(m_discoveryPort, localPort);
        m_station->Connections.ShowWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&m_station->Connections));
        m_station->Manager().BuildChannelLists();
    }
    TConnectionManager& Manager() { return m_station->Manager(); }
    QListWidget& List(QWidget& window) { return *window.findChild<QListWidget*>(QStringLiteral("listView")); }
    QListWidget& List() { return List(m_station->Connections); }
    QString ShownPrinter()
    {
        return m_station->Main.findChild<QLabel*>(QStringLiteral("printerValue"))->text();
    }
    static QString NameOf(const TSimulatorProcess& printer)
    {
        return TNetChannel::NameFor(QStringLiteral("127.0.0.1"), printer.TcpPort());
    }
    TCommChannel* Channel(const QString& name)
    {
        for (TCommChannel* channel : Manager().ConnectedList())
            if (channel->Name() == name)
                return channel;
        const TNetworkList& network = Manager().NetworkList();
        return network.At(network.IndexOf(name));
    }
    // The entry of a printer, by where it is reached ("127.0.0.1 Port 5000", "COM5").
    QListWidgetItem* Entry(const QString& name)
    {
        for (int row = 0; row < List().count(); ++row)
            if (List().item(row)->data(Qt::AccessibleDescriptionRole).toString() == name)
                return List().item(row);
        return nullptr;
    }
    // The printer's entry once its probe connection has closed: a network printer can be connected
    // from then on.
    QListWidgetItem* Found(const TSimulatorProcess& printer)
    {
        if (!QTest::qWaitFor([&] { return Entry(NameOf(printer)) != nullptr; }, 5000))
            return nullptr;
        auto* channel = static_cast<TNetChannel*>(Channel(NameOf(printer)));
        if (!QTest::qWaitFor([channel] { return !channel->LinkTimer().isActive(); }, 5000))
            return nullptr;
        return Entry(NameOf(printer));
    }
    static int IconOf(const QListWidgetItem* entry)
    {
        return entry->data(TConnectionsForm::IconRole).toInt();
    }
    // The tool tip as it reads.
    static QString ToolTipOf(const QListWidgetItem* entry)
    {
        QTextDocument shown;
        shown.setHtml(entry->toolTip());
        return shown.toPlainText();
    }
    static QString AccessibleTextOf(const QListWidgetItem* entry)
    {
        return entry->data(Qt::AccessibleTextRole).toString();
    }
    QPoint CentreOf(const QListWidgetItem* entry) { return List().visualItemRect(entry).center(); }
    // The mouse on the list as the window system delivers it: a double-click is two clicks close
    // together, a right-button press asks for the context menu.
    void Mouse(QTest::MouseAction action, Qt::MouseButton button, const QPoint& viewportPosition)
    {
        QWidget* viewport = List().viewport();
        QWidget* window = viewport->window();
        QTest::mouseEvent(action, window->windowHandle(), button, {},
                          viewport->mapTo(window, viewportPosition));
    }
    void Click(const QListWidgetItem* entry) { Mouse(QTest::MouseClick, Qt::LeftButton, CentreOf(entry)); }
    void DoubleClick(const QListWidgetItem* entry)
    {
        Mouse(QTest::MouseDClick, Qt::LeftButton, CentreOf(entry));
    }
    void RightClick(const QPoint& viewportPosition)
    {
        Mouse(QTest::MouseClick, Qt::RightButton, viewportPosition);
    }
    // The popup's commands: upper case when enabled ("Connect", "disconnect", "Properties").
    static QStringList Commands(const QMenu* popup)
    {
        QStringList commands;
        for (const QAction* command : popup->actions())
            commands << (command->isEnabled() ? command->text() : command->text().toLower());
        return commands;
    }
    static void Choose(QMenu* popup, const QString& command)
    {
        for (QAction* entry : popup->actions())
            if (entry->text() == command)
                QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(entry).center());
    }
    QMenu* PopupOn(const QListWidgetItem* entry)
    {
        RightClick(CentreOf(entry));
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    QAction* ComPortEntry(const QString& name)
    {
        for (QAction* entry : m_station->Main.findChild<QMenu*>(QStringLiteral("menuComPorts"))->actions())
            if (entry->text() == name)
                return entry;
        return nullptr;
    }
    // The dialog's visible rows, "label: value", as screen readers read them: each value named by
    // its label.
    static QStringList Rows(const TPropertyForm& dialog)
    {
        QStringList rows;
        for (const char* name : {"firmwareLabel", "addressLabel", "portLabel"}) {
            const auto* label = dialog.findChild<QLabel*>(QLatin1String(name));
            QAccessibleInterface* value = QAccessible::queryAccessibleInterface(label->buddy());
            if (label->isVisible())
                rows << value->text(QAccessible::Name) + QStringLiteral(": ") + value->text(QAccessible::Value);
            if (value->text(QAccessible::Name) != label->text())
                rows << QStringLiteral("unnamed value");
        }
        return rows;
    }
    // A widget as the screen shows it, and as it is drawn afresh.
    static QImage OnScreen(const QWidget& widget)
    {
        const QWidget* window = widget.window();
        const QImage shot = window->screen()->grabWindow(window->winId()).toImage();
        return shot.copy(QRect(widget.mapTo(window, QPoint()), widget.size())).convertToFormat(QImage::Format_RGB32);
    }
    static QImage Drawn(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    static bool CentredOnScreen(const QWidget& window)
    {
        const QPoint offset = window.frameGeometry().center() - window.screen()->geometry().center();
        return qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1;
    }
    void StartWindowProgram(const QString& programFile = QCoreApplication::applicationFilePath())
    {
        m_windows = std::make_unique<TStationWindows>(programFile);
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&m_windows->MainForm()));
    }
    TConnectionsForm* OpenFromMainMenu()
    {
        if (!AppTest::ClickMenu(m_windows->MainForm(), {"Printer", "Connections"}))
            return nullptr;
        auto* window = m_windows->MainForm().findChild<TConnectionsForm*>();
        return QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }
    QRect PlaceBesideMainWindow()
    {
        const TVexMainForm& main = m_windows->MainForm();
        return ConnectionsWindowGeometry::Of(main.screen()->geometry(), main.frameGeometry().width());
    }

private slots:
    void init()
    {
        m_discoveryPort = FreeUdpPort();
        AppTest::UseQuietSettings(LoopbackBroadcast, m_discoveryPort);
    }
    void cleanup()
    {
        m_station.reset();
        m_windows.reset();
        m_printers.clear();
    }

    void aDoubleClickConnectsAndTheIconFollowsThePrinter()
    {
        TSimulatorProcess& line1 = StartPrinter({"--tcp", "0", "--name", "LINE1"});
        StartStation();
        QListWidgetItem* entry = Found(line1);
        QVERIFY(entry);
        // Not connected: no name from the printer yet, a white icon.
        QCOMPARE(entry->text(), QStringLiteral("Unknown Printer"));
        QCOMPARE(IconOf(entry), 4);
        QCOMPARE(AccessibleTextOf(entry), QStringLiteral("Unknown Printer - not connected"));
        QCOMPARE(ToolTipOf(entry), QStringLiteral("Unknown Printer\n") + NameOf(line1));

        DoubleClick(entry);
        QTRY_COMPARE(ShownPrinter(), QStringLiteral("LINE1"));
        QCOMPARE(entry->text(), QStringLiteral("Vega - LINE1"));
        QCOMPARE(IconOf(entry), 1); // the simulator starts with ink, not printing
        const std::pair<QByteArray, int> statusWords[] = {{"0x0000", 0}, {"0x0100", 2}, {"0x0101", 3}};
        for (const auto& [statusWord, icon] : statusWords) {
            line1.Command("status " + statusWord);
            QTRY_COMPARE(IconOf(entry), icon);
            QVERIFY(entry->isSelected());
        }
        QCOMPARE(AccessibleTextOf(entry), QStringLiteral("Vega - LINE1 - printing, ink"));

        line1.Stop();
        QTRY_COMPARE(IconOf(entry), 4);
        QCOMPARE(List().count(), 1);
    }

    // The selected entry's caption changes from two lines ("Unknown Printer") to one: the entry is
    // laid out and drawn again, and no word of the caption before is left on the screen.
    void aChangedCaptionLeavesNothingOfTheCaptionBefore()
    {
        const TSimulatorProcess& line1 = StartPrinter({"--tcp", "0", "--name", "LINE1"});
        StartStation();
        QListWidgetItem* entry = Found(line1);
        QVERIFY(entry);
        Click(entry);
        QTRY_VERIFY(entry->isSelected());
        QTRY_COMPARE(OnScreen(*List().viewport()), Drawn(*List().viewport()));
        const QRect twoLines = List().visualItemRect(entry);

        DoubleClick(entry);
        QTRY_COMPARE(ShownPrinter(), QStringLiteral("LINE1"));
        QVERIFY(List().visualItemRect(entry).height() < twoLines.height());
        QTRY_COMPARE(OnScreen(*List().viewport()), Drawn(*List().viewport()));
    }

    void connectingASecondPrinterSelectsItAndPickingTheFirstSelectsItAgain()
    {
        const TSimulatorProcess& line1 = StartPrinter({"--tcp", "0", "--name", "LINE1"});
        const TSimulatorProcess& line2 = StartPrinter({"--tcp", "0", "--name", "LINE2"});
        StartStation();
        QListWidgetItem* first = Found(line1);
        QListWidgetItem* second = Found(line2);
        QVERIFY(first && second);
        DoubleClick(first);
        QTRY_COMPARE(ShownPrinter(), QStringLiteral("LINE1"));
        DoubleClick(second);
        QTRY_COMPARE(ShownPrinter(), QStringLiteral("LINE2"));
        QCOMPARE(Manager().SelectedChannel(), Channel(NameOf(line2)));

        Click(first);
        QTRY_COMPARE(ShownPrinter(), QStringLiteral("LINE1"));
        QCOMPARE(Manager().SelectedChannel(), Channel(NameOf(line1)));
        QCOMPARE(Manager().ConnectedList().size(), 2);
        QCOMPARE(m_station->Connections.ClickedChannel(), Channel(NameOf(line1))->Id());
    }

    void thePopupActsOnTheSelectedPrinter()
    {
        const TSimulatorProcess& line1 = StartPrinter({"--tcp", "0", "--name", "LINE1"});
        StartStation();
        QListWidgetItem* entry = Found(line1);
        QVERIFY(entry);
        RightClick(List().viewport()->rect().bottomRight() - QPoint(4, 4)); // nothing there, nothing selected
        QVERIFY(!QApplication::activePopupWidget());

        QMenu* popup = PopupOn(entry);
        QVERIFY(popup);
        QCOMPARE(Commands(popup), (QStringList{"Connect", "disconnect", "Properties"}));
        Choose(popup, QStringLiteral("Connect"));
        QTRY_COMPARE(ShownPrinter(), QStringLiteral("LINE1"));

        popup = PopupOn(entry);
        QVERIFY(popup);
        QCOMPARE(Commands(popup), (QStringList{"connect", "Disconnect", "Properties"}));
        Choose(popup, QStringLiteral("Disconnect"));
        QVERIFY(Manager().ConnectedList().isEmpty());
        QCOMPARE(ShownPrinter(), QStringLiteral("Disconnected"));
        QTRY_COMPARE(line1.ReceivedBodies(XLSend::DisconnectRequest.Id, XLSend::DisconnectRequest.Sub).size(),
                     1);
        QVERIFY(m_station->Connections.isEnabled());
    }

    void aPrinterEndingItsConnectionIsToldAndLeavesTheConnectedPrinters()
    {
        TSimulatorProcess& line1 = StartPrinter({"--tcp", "0", "--name", "LINE1"});
        TSimulatorProcess& line2 = StartPrinter({"--tcp", "0", "--name", "LINE2"});
        StartStation();
        QListWidgetItem* first = Found(line1);
        QListWidgetItem* second = Found(line2);
        QVERIFY(first && second);
        DoubleClick(first);
        QTRY_COMPARE(ShownPrinter(), QStringLiteral("LINE1"));
        DoubleClick(second);
        QTRY_COMPARE(ShownPrinter(), QStringLiteral("LINE2"));

        line1.Command("disconnect"); // a printer in the background: the main window stays
        QTRY_VERIFY(
            m_station->Others.Calls.contains(QStringLiteral("ShowMessage LINE1 MANUALLY DISCONNECTED!")));
        QCOMPARE(Manager().ConnectedList(), QList<TCommChannel*>{Channel(NameOf(line2))});
        QCOMPARE(ShownPrinter(), QStringLiteral("LINE2"));
        QTRY_COMPARE(IconOf(first), 4);

        line2.Command("disconnect"); // the selected printer
        QTRY_VERIFY(
            m_station->Others.Calls.contains(QStringLiteral("ShowMessage LINE2 MANUALLY DISCONNECTED!")));
        QVERIFY(Manager().ConnectedList().isEmpty());
        QCOMPARE(ShownPrinter(), QStringLiteral("Disconnected"));
        QTRY_COMPARE(IconOf(second), 4);
    }

    // A serial port's choice puts its channel online; the icon comes with the next refresh of the
    // list and goes at once when the port is no longer chosen.
    void aSerialPrinterComesAndGoesWithItsComPortChoice()
    {
        TSimulatorProcess serial;
        QVERIFY2(serial.Start({"--pty", "--name", "LINE5"}), qPrintable(serial.ErrorOutput()));
        AppTest::MapComPort(5, serial.PtyDevice());
        StartStation();
        QAction* choice = ComPortEntry(QStringLiteral("COM5"));
        QVERIFY(choice && !choice->isChecked());
        QTRY_VERIFY(!Manager().NetworkList().CollectTimer().isActive());
        QVERIFY(!Entry(QStringLiteral("COM5")));

        choice->trigger();
        QVERIFY(choice->isChecked());
        QVERIFY(!Entry(QStringLiteral("COM5")));
        Manager().BuildChannelLists(); // the refresh
        QTRY_VERIFY(Entry(QStringLiteral("COM5")));
        QCOMPARE(IconOf(Entry(QStringLiteral("COM5"))), 4);

        choice = ComPortEntry(QStringLiteral("COM5")); // the refresh made the port choices anew
        QVERIFY(choice && choice->isChecked());
        choice->trigger();
        QVERIFY(!choice->isChecked());
        QVERIFY(!Entry(QStringLiteral("COM5")));
    }

    void thePropertiesDialogShowsTheFirmwareAndTheAddress_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("rows"); // %port: the simulator's TCP port
        QTest::newRow("network") << "network"
                                 << "LINE1"
                                 << QStringList{"Firmware version: Vega 2.10", "IP Address: 127.0.0.1",
                                                "Port Number: %port"};
        QTest::newRow("serial, of model code 7")
            << "serial"
            << "LINE7" << QStringList{"Firmware version: 1.00", "Com Port: COM6"};
        QTest::newRow("never identified")
            << "unconnected"
            << "Unknown Printer"
            << QStringList{"Firmware version: Disconnected", "IP Address: 127.0.0.1", "Port Number: %port"};
    }
    void thePropertiesDialogShowsTheFirmwareAndTheAddress()
    {
        QFETCH(QString, printer);
        QFETCH(QString, caption);
        QFETCH(QStringList, rows);
        std::unique_ptr<TInProcessPrinter> serial;
        QString name;
        if (printer == QLatin1String("serial")) {
            serial = std::make_unique<TInProcessPrinter>(TInProcessPrinter::Config(caption, 7),
                                                         m_dir.filePath(QStringLiteral("line7.jsonl")));
            AppTest::MapComPort(6, serial->Pty.SlavePath());
            StartStation();
            ComPortEntry(QStringLiteral("COM6"))->trigger(); // online before this discovery ends
            name = QStringLiteral("COM6");
            QTRY_VERIFY(Entry(name));
        } else {
            const TSimulatorProcess& line1 =
                StartPrinter({"--tcp", "0", "--name", "LINE1", "--version", "2.10"});
            StartStation();
            name = NameOf(line1);
            QVERIFY(Found(line1));
            rows.replaceInStrings(QStringLiteral("%port"), QString::number(line1.TcpPort()));
        }
        if (printer != QLatin1String("unconnected")) {
            DoubleClick(Entry(name));
            QTRY_COMPARE(ShownPrinter(), caption);
            QTRY_VERIFY(!TCoder::Of(*Channel(name)).Version.isEmpty());
        }

        QMenu* popup = PopupOn(Entry(name));
        QVERIFY(popup);
        Choose(popup, QStringLiteral("Properties"));
        TPropertyForm& dialog = m_station->Connections.PropertyForm();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(QApplication::activeModalWidget(), &dialog);
        QCOMPARE(dialog.windowTitle(), caption);
        QCOMPARE(Rows(dialog), rows);
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QVERIFY(CentredOnScreen(dialog));
        QVERIFY(!Manager().IsEnabled());
        QVERIFY(!m_station->Connections.isEnabled());

        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(Manager().IsEnabled());
        QVERIFY(m_station->Connections.isEnabled());
    }

    void aDiscoveryThatCannotBeSentIsToldOnce()
    {
        // A port held without sharing: the station's discovery socket cannot listen there.
        const int holder = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        socklen_t length = sizeof address;
        QCOMPARE(::bind(holder, reinterpret_cast<sockaddr*>(&address), length), 0);
        ::getsockname(holder, reinterpret_cast<sockaddr*>(&address), &length);
        const int shownBefore = TMessageBox::ShownCount();
        TMessageBox::SetNextAnswer(QMessageBox::Ok);
        StartStation(ntohs(address.sin_port));
        ::close(holder);
        QCOMPARE(TMessageBox::ShownCount(), shownBefore + 1);
        QCOMPARE(TMessageBox::LastShown().Icon, QMessageBox::Information);
        QCOMPARE(TMessageBox::LastShown().Text, QStringLiteral("No Ethernet Connection"));
        QCOMPARE(TMessageBox::LastShown().Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    // The window program's own: "Connections" in the main menu shows the window, which takes its
    // place at its first activation; its list fills it at any size.
    void theWindowOpensBesideTheMainWindow()
    {
        StartWindowProgram();
        TConnectionsForm* window = OpenFromMainMenu();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Connections"));
        QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(window->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(window->screen()->geometry(), QRect(0, 0, 800, 800));
        QCOMPARE(m_windows->MainForm().frameGeometry().width(), 346);
        // 800 / 40, 800 / 3, (800 - 346) / 2 - 800 / 20, 800 / 3
        QCOMPARE(window->frameGeometry(), QRect(20, 266, 187, 266));
        QCOMPARE(List(*window).geometry(), window->rect());
        window->resize(420, 150);
        QTRY_COMPARE(List(*window).geometry(), window->rect());

        window->move(300, 300); // the operator moves it: it stays there
        window->hide();
        QVERIFY(OpenFromMainMenu());
        QCOMPARE(window->frameGeometry().topLeft(), QPoint(300, 300));
    }

    void aLanguageChangeHidesTheWindowAndShowsItAgainInTheNewLanguage()
    {
        QVERIFY(QFile::copy(QStringLiteral(VEX_GERMAN_PACK), m_dir.filePath(QStringLiteral("vex.DEU"))));
        StartWindowProgram(m_dir.filePath(QStringLiteral("vex")));
        TConnectionsForm* window = OpenFromMainMenu();
        QVERIFY(window);
        window->move(300, 300);
        THideCounter counter;
        window->installEventFilter(&counter);

        QVERIFY(AppTest::ClickMenu(m_windows->MainForm(), {"Settings", "Language", "Deutsch"}));
        QTRY_COMPARE(window->windowTitle(), QStringLiteral("Verbindungen"));
        QCOMPARE(counter.Hides, 1);
        QVERIFY(window->isVisible());
        QVERIFY(window->isEnabled());
        QCOMPARE(window->frameGeometry(), PlaceBesideMainWindow());
        QCOMPARE(Commands(&window->Popup()), (QStringList{"Verbinden", "Trennen", "Eigenschaften"}));
    }
};

QTEST_MAIN(TestConnectionsForm)
#include "tst_connectionsform.moc"
