#include "ScreenshotTour.h"

#include "AppTestSupport.h"
#include "app/StationWindows.h"
#include "app/connections/ConnectionsForm.h"
#include "app/connections/PropertyForm.h"
#include "app/history/HistoryForm.h"
#include "app/images/ChangeoverForm.h"
#include "app/images/ImageDeleteDlg.h"
#include "app/images/ImageDownloadForm.h"
#include "app/images/ModifyImageForm.h"
#include "app/images/ModifyItemForm.h"
#include "app/line/LineForm.h"
#include "app/main/AboutBox.h"
#include "app/main/VexMainForm.h"
#include "app/operator/MessageForm.h"
#include "app/parameters/DateTimeForm.h"
#include "app/parameters/FlashWriteForm.h"
#include "app/parameters/ParametersForm.h"
#include "app/parameters/ParametersWindows.h"
#include "app/preview/LabelPreviewForm.h"
#include "app/print/PrintForm.h"
#include "coder/Coder.h"
#include "comm/NetChannel.h"
#include "comm/SerialChannel.h"
#include "platform/SettingsStore.h"
#include "station/Station.h"
#include "widgets/MessageBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

constexpr int ShowMs = 5000;
const QString LoopbackBroadcast = QStringLiteral("127.255.255.255");

struct TLine
{
    const char* Name;
    quint8 Model;
    QStringList Labels; // example labels stored at start
};
// LINE1 writes to flash slowly enough for its notice to be seen.
const TLine Lines[] = {
    {"LINE1", 3, {"PALLET.Vega"}}, {"LINE2", 1, {"BOX.Vega", "PALLET.Vega"}},
    {"LINE3", 0, {"LOT.Altair"}},  {"LINE4", 2, {"BOX.Vega"}},
    {"LINE5", 5, {"BOX.Vega"}},
};
constexpr int FlashWriteMs = 1500;

template <typename Window> Window* TopLevel()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<Window*>(window))
            return found;
        if (auto* found = window->findChild<Window*>())
            return found;
    }
    return nullptr;
}

bool Wait(const std::function<bool()>& done, int ms = ShowMs)
{
    return QTest::qWaitFor(done, ms);
}

bool Shown(QWidget* window)
{
    return window && Wait([window] { return window->isVisible(); }) && QTest::qWaitForWindowExposed(window);
}

QAction* MainAction(TStationWindows& windows, const char* name)
{
    return windows.MainForm().findChild<QAction*>(QLatin1String(name));
}

} // namespace

TScreenshotPrinters::TPrinter::TPrinter(const TSimPrinterConfig& config, const QString& logPath)
    : Sim(config, logPath), Discovery(Sim.Printer.Faults())
{}

QString TScreenshotPrinters::Start(const QString& labelFolder, const QString& logFolder)
{
    for (const TLine& line : Lines) {
        TSimPrinterConfig config = TInProcessPrinter::Config(QLatin1String(line.Name), line.Model);
        config.FlashDelayMs = &line == &Lines[0] ? FlashWriteMs : 1;
        auto printer = std::make_unique<TPrinter>(config, QDir(logFolder).filePath(QLatin1String(line.Name)));
        for (const QString& label : line.Labels)
            if (const QString refused =
                    printer->Sim.Printer.State().StoreDesignFile(QDir(labelFolder).filePath(label));
                !refused.isEmpty())
                return refused;
        if (printer->Sim.Tcp.Port() == 0 || printer->Sim.Pty.SlavePath().isEmpty())
            return QStringLiteral("%1 does not listen").arg(QLatin1String(line.Name));
        // All answer discovery on one port of the loopback broadcast address, the first's.
        printer->Discovery.SetPorts(printer->Sim.Tcp.Port(), printer->Sim.Tcp.Port());
        if (&line != &Lines[SerialLine - 1]) {
            if (!printer->Discovery.Listen(QHostAddress(LoopbackBroadcast), m_discoveryPort))
                return QStringLiteral("%1 cannot answer discovery: %2")
                    .arg(QLatin1String(line.Name), printer->Discovery.ErrorString());
            m_discoveryPort = printer->Discovery.LocalPort();
        }
        m_printers.push_back(std::move(printer));
    }
    return {};
}

void TScreenshotPrinters::WriteStationSettings() const
{
    AppTest::UseQuietSettings(LoopbackBroadcast, m_discoveryPort);
    AppTest::MapComPort(SerialPort, m_printers.at(SerialLine - 1)->Sim.Pty.SlavePath());
    SettingsStore::SetValue(
        QStringLiteral("%1/COM%2").arg(QLatin1String(SettingsStore::ValidComPortsGroup)).arg(SerialPort), 1);
}

quint64 TScreenshotTour::ChannelOf(int line) const
{
    TConnectionManager& manager = m_windows.Station().Manager();
    if (line == TScreenshotPrinters::SerialLine) {
        const TSerialChannel* channel = manager.SerialList().At(
            manager.SerialList().IndexOf(QStringLiteral("COM%1").arg(TScreenshotPrinters::SerialPort)));
        return channel ? channel->Id() : 0;
    }
    const quint16 port = m_printers.At(line).Sim.Tcp.Port();
    const TNetChannel* channel = manager.NetworkList().At(
        manager.NetworkList().IndexOf(TNetChannel::NameFor(QStringLiteral("127.0.0.1"), port)));
    return channel && !channel->LinkTimer().isActive() ? channel->Id() : 0; // the probe link is closed
}

bool TScreenshotTour::Check(bool done, const QString& what)
{
    if (!done)
        m_failures << QStringLiteral("%1 (%2)").arg(what, m_folder.dirName());
    return done;
}

bool TScreenshotTour::Save(const QString& name, QWidget* window)
{
    if (!Check(Shown(window), name + QStringLiteral(": the window did not show")))
        return false;
    // What a show or a change has asked to be laid out and drawn, first.
    QTest::qWait(50);
    const QString path = m_folder.filePath(name + QStringLiteral(".png"));
    return Check(window->grab().save(path), QStringLiteral("cannot write ") + path);
}

bool TScreenshotTour::OnNextModal(const std::function<void(QWidget&)>& act, const std::function<void()>& open)
{
    bool acted = false;
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &acted, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            acted = true;
            act(*modal);
        }
    });
    poll->start(10);
    open();
    const bool showed = Wait([&] { return acted; });
    delete poll;
    return showed;
}

bool TScreenshotTour::Select(int line)
{
    TConnectionManager& manager = m_windows.Station().Manager();
    manager.SelectPrinter(ChannelOf(line));
    auto* printer = m_windows.MainForm().findChild<QLabel*>(QStringLiteral("printerValue"));
    const QString name = m_printers.At(line).Sim.Printer.State().Name;
    return Check(Wait([&] { return printer->text() == name; }),
                 QStringLiteral("%1 is not selected").arg(name));
}

bool TScreenshotTour::Connect()
{
    TConnectionManager& manager = m_windows.Station().Manager();
    manager.NetworkList().SetCollectMs(700); // the station listens 3 s for replies; these come at once
    if (!Check(
            Wait([&] { return ChannelOf(1) && ChannelOf(2) && ChannelOf(3) && ChannelOf(4) && ChannelOf(5); },
                 15000),
            QStringLiteral("the printers were not found")))
        return false;
    for (const int line : {3, 2, 1}) {
        const quint64 id = ChannelOf(line);
        manager.ConnectPrinter(id);
        if (!Check(Wait([&] { return manager.ConnectedList().contains(manager.FindChannel(id)); }),
                   QStringLiteral("LINE%1 did not connect").arg(line)))
            return false;
    }
    m_printers.At(1).Sim.Printer.SetPrintCount(12873);
    return Select(1);
}

void TScreenshotTour::Run(const QDir& folder)
{
    m_folder = folder;
    MainWindow();
    PrintWindows();
    ImageDialogs();
    OperatorWindows();
    ParametersWindows();
    // After the parameters pages, which connected LINE4 and LINE5 for a while: the connections
    // window knows their names from then on.
    Connections();
    TransferAndFlashWrite();
    Changeover();
    Preview();
    AboutBox();
    History();
    Line();
}

void TScreenshotTour::MainWindow()
{
    Select(1);
    auto* printCount = m_windows.MainForm().findChild<QLabel*>(QStringLiteral("printCountValue"));
    Check(Wait([&] { return printCount->text() == QLatin1String("12873"); }), QStringLiteral("print count"));
    Save(QStringLiteral("main"), &m_windows.MainForm());
}

void TScreenshotTour::Connections()
{
    auto* connections = m_windows.MainForm().findChild<TConnectionsForm*>();
    MainAction(m_windows, "actionConnections")->trigger();
    auto* list = connections->findChild<QListWidget*>(QStringLiteral("listView"));
    Check(Wait([&] { return list->count() == 5; }),
          QStringLiteral("five printers in the connections window"));
    if (const QList<QListWidgetItem*> line1 = list->findItems(QStringLiteral("LINE1"), Qt::MatchContains);
        !line1.isEmpty())
        list->setCurrentItem(line1.first());
    Save(QStringLiteral("connections"), connections);

    TPropertyForm& properties = connections->PropertyForm();
    if (const auto shown = m_windows.Station().Manager().PropertiesOf(ChannelOf(1))) {
        properties.ShowProperties(*shown);
        Save(QStringLiteral("properties"), &properties);
        properties.accept();
    } else {
        Check(false, QStringLiteral("properties of LINE1"));
    }
    connections->HideWindow();
}

void TScreenshotTour::PrintWindows()
{
    auto* print = m_windows.MainForm().findChild<TPrintForm*>();
    for (const auto& [line, name] : {std::pair{1, "print-deneb"}, std::pair{2, "print-vega"}}) {
        if (!Select(line))
            continue;
        MainAction(m_windows, "actionPrint")->trigger();
        Save(QLatin1String(name), print);
        print->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    }
    Select(1);
}

void TScreenshotTour::ImageDialogs()
{
    auto* deleteDialog = m_windows.MainForm().findChild<TImageDeleteDlg*>();
    MainAction(m_windows, "actionDelete")->trigger();
    auto* images = deleteDialog->findChild<QListWidget*>(QStringLiteral("sourceList"));
    Check(Wait([&] { return images->count() > 1; }), QStringLiteral("images to delete"));
    Save(QStringLiteral("delete"), deleteDialog);
    deleteDialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();

    const bool modifyShowed = OnNextModal(
        [this](QWidget& window) {
            auto* table = window.findChild<QTableWidget*>(QStringLiteral("itemTable"));
            Check(table && Wait([table] { return table->rowCount() > 1; }),
                  QStringLiteral("items of the image"));
            Save(QStringLiteral("modify-image"), &window);
            auto& itemForm = static_cast<TModifyImageForm&>(window).ItemForm();
            const bool itemShowed = OnNextModal(
                [this](QWidget& dialog) {
                    Save(QStringLiteral("modify-item"), &dialog);
                    static_cast<QDialog&>(dialog).reject();
                },
                [table] {
                    const QPoint cell = table->visualRect(table->model()->index(0, 2)).center();
                    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
                    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell);
                });
            Check(itemShowed, QStringLiteral("modify-item: the dialog did not show"));
            if (itemForm.isVisible())
                itemForm.reject();
            static_cast<QDialog&>(window).reject();
        },
        [this] { MainAction(m_windows, "actionModify")->trigger(); });
    Check(modifyShowed, QStringLiteral("modify-image: the window did not show"));
}

void TScreenshotTour::OperatorWindows()
{
    TSimPrinter& printer = m_printers.At(1).Sim.Printer;
    const std::pair<const char*, std::function<void()>> requests[] = {
        {"operator-text",
         [&] {
             printer.SendOperatorTextRequest(QStringLiteral("Batch number"), QStringLiteral("L2403"), 10);
         }},
        {"operator-date", [&] { printer.SendOperatorDateRequest(); }},
        {"operator-numeric", [&] { printer.SendOperatorNumericRequest(250, 1, 999, 2); }},
    };
    for (const auto& [name, request] : requests) {
        const bool showed = OnNextModal(
            [&](QWidget& window) {
                Save(QLatin1String(name), &window);
                static_cast<QDialog&>(window).reject();
            },
            request);
        Check(showed, QLatin1String(name) + QStringLiteral(": the window did not show"));
    }

    printer.SendFault(XLReceive::PrintCycleTimeout);
    auto* message = TopLevel<TMessageForm>();
    Save(QStringLiteral("message"), message);
    if (message)
        message->hide();
}

void TScreenshotTour::ParametersWindows()
{
    TConnectionManager& manager = m_windows.Station().Manager();
    TParametersForm& editor = m_windows.ParametersWindows().ParametersForm();
    for (const int line : {4, 5}) {
        manager.ConnectPrinter(ChannelOf(line));
        Check(Wait([&] { return manager.ConnectedList().contains(manager.FindChannel(ChannelOf(line))); }),
              QStringLiteral("LINE%1 did not connect").arg(line));
    }
    const std::pair<int, const char*> pages[] = {{3, "parameters-altair"},
                                                 {2, "parameters-vega"},
                                                 {4, "parameters-rigel"},
                                                 {5, "parameters-lyra"},
                                                 {1, "parameters-deneb"}};
    for (const auto& [line, name] : pages) {
        if (!Select(line))
            continue;
        MainAction(m_windows, "actionParameters")->trigger();
        Save(QLatin1String(name), &editor);
        if (line != 1)
            editor.reject();
    }

    TDateTimeForm& clock = m_windows.ParametersWindows().DateTimeForm();
    if (QAction* dateTime = editor.findChild<QAction*>(QStringLiteral("dateTimeAction")))
        dateTime->trigger();
    Save(QStringLiteral("clock"), &clock);
    clock.reject();
    editor.reject();

    for (const int line : {4, 5})
        manager.DisconnectPrinter(ChannelOf(line));
    Select(1);
}

void TScreenshotTour::TransferAndFlashWrite()
{
    TSimPrinter& printer = m_printers.At(1).Sim.Printer;
    // The image went in on the first tour already: the overwrite question is answered yes.
    if (const TCommChannel* selected = m_windows.Station().Manager().SelectedChannel();
        selected && TCoder::Of(*selected).HasImage(QStringLiteral("CRATE")))
        TMessageBox::SetNextAnswer(QMessageBox::Ok);
    printer.Faults().AckDelayMs = 400;
    auto* transfer = m_windows.MainForm().findChild<TImageDownloadForm*>();
    auto* progress = transfer->findChild<QProgressBar*>(QStringLiteral("progressBar"));
    if (Check(m_windows.Station().Batch().Start({QDir(m_labelFolder).filePath(QStringLiteral("CRATE.Vega"))}),
              QStringLiteral("the transfer did not start")) &&
        Check(Wait([&] { return progress->value() > 0 && progress->value() < 100; }),
              QStringLiteral("transfer: no progress")))
        Save(QStringLiteral("transfer"), transfer);
    printer.Faults().AckDelayMs = 0;

    TFlashWriteForm& notice = m_windows.ParametersWindows().FlashWriteForm();
    Save(QStringLiteral("flash-write"), &notice);
    Check(Wait([&] { return !notice.isVisible() && !transfer->isVisible(); }),
          QStringLiteral("the flash write did not end"));
}

// The example job on LINE2, the Vega: its jar label sent, the lot number entered and every item
// matching; then a lot number changed at the printer, found when "Start" is pressed.
void TScreenshotTour::Changeover()
{
    SettingsStore::SetValue(QLatin1String(SettingsStore::JobsDirectory),
                            QDir::cleanPath(QDir(m_labelFolder).filePath(QStringLiteral("../jobs"))));
    if (!Select(2))
        return;
    TChangeoverForm& form = m_windows.ChangeoverForm();
    MainAction(m_windows, "actionChangeover")->trigger();
    TChangeover* changeover = form.Changeover();
    QLineEdit* lot = form.ChooseProductCode(QStringLiteral("8712345678906")) ? form.EntryField(QStringLiteral("lot"))
                                                                             : nullptr;
    if (Check(lot != nullptr, QStringLiteral("changeover: no job of the example's product code"))) {
        lot->setText(QStringLiteral("L24031"));
        form.findChild<QPushButton*>(QStringLiteral("checkButton"))->click();
        if (Check(Wait([&] { return changeover->State() == TChangeover::TState::Ready; }, 15000),
                  QStringLiteral("changeover: the items do not match")))
            Save(QStringLiteral("changeover"), &form);
        m_printers.At(2).Sim.Printer.State().ModifyItem(QStringLiteral("JAR"), QStringLiteral("3"),
                                                         QStringLiteral("L24099"));
        form.findChild<QPushButton*>(QStringLiteral("startButton"))->click();
        if (Check(Wait([&] { return changeover->State() == TChangeover::TState::Blocked; }),
                  QStringLiteral("changeover: the changed lot number was not found")))
            Save(QStringLiteral("changeover-differences"), &form);
    }
    changeover->Cancel();
    form.hide();
    Select(1);
}

void TScreenshotTour::Preview()
{
    auto* preview = m_windows.MainForm().findChild<TLabelPreviewForm*>();
    if (Check(preview->ShowFile(QDir(m_labelFolder).filePath(QStringLiteral("CRATE.Vega"))),
              QStringLiteral("preview: the label was refused")))
        Save(QStringLiteral("preview"), preview);
    preview->hide();
}

void TScreenshotTour::AboutBox()
{
    MainAction(m_windows, "actionAbout")->trigger();
    Save(QStringLiteral("about"), &m_windows.AboutBox());
    m_windows.AboutBox().hide();
}

// Every printer the station knows, LINE2 switched off for the picture: the station reconnects it, and
// has it back before the tour goes on.
void TScreenshotTour::Line()
{
    TLineForm& window = m_windows.LineForm();
    const TLineModel& line = m_windows.Station().Line();
    MainAction(m_windows, "actionLineOverview")->trigger();
    TSimTcpServer& line2 = m_printers.At(2).Sim.Tcp;
    const quint16 port = line2.Port();
    line2.Close();
    Check(Wait([&] { return line.Counts().Reconnecting == 1; }), QStringLiteral("LINE2 is not reconnecting"));
    Save(QStringLiteral("line"), &window);
    Check(line2.Listen(QHostAddress::LocalHost, port), QStringLiteral("LINE2 cannot listen again"));
    Check(Wait([&] { return line.Counts().Reconnecting == 0; }, 15000), QStringLiteral("LINE2 did not come back"));
    window.hide();
}

// What the tour did to the printers, as the station recorded it.
void TScreenshotTour::History()
{
    THistoryForm& history = m_windows.HistoryForm();
    MainAction(m_windows, "actionHistory")->trigger();
    Check(Wait([&] { return history.Model().rowCount() > 10; }), QStringLiteral("rows of the history"));
    Save(QStringLiteral("history"), &history);
    history.hide();
}
