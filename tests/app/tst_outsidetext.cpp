// Text that comes from outside the station (a printer's name, prompt or fault, a design file's image
// name or item text, a file's name) shows in the windows as it stands and is never read as HTML. The
// text used names a named pipe as an image: a window that read it as HTML would open the pipe to load
// the image, and wait in that for good. The name is relative to the working folder, so that the same
// text can be a file's name too.
#include "AppTestSupport.h"
#include "InProcessPrinter.h"
#include "LabelRecords.h"
#include "app/StationWindows.h"
#include "app/connections/ConnectionsForm.h"
#include "app/connections/PropertyForm.h"
#include "app/line/LineForm.h"
#include "app/main/VexMainForm.h"
#include "app/operator/MessageForm.h"
#include "app/parameters/ParametersForm.h"
#include "app/parameters/ParametersWindows.h"
#include "app/preview/LabelPreviewForm.h"
#include "station/Station.h"
#include "widgets/ElidingLabel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString PipeName = QStringLiteral("pipe");
const QString Payload = QStringLiteral("<img src=pipe>");

// Tells whether anybody opened the named pipe for reading. It keeps trying to open the pipe for
// writing without waiting, which succeeds only while a reader has it open; that reader then reads
// the end of the file instead of waiting for ever.
class TPipeWatch
{
public:
    explicit TPipeWatch(const QString& path) : m_path(QFile::encodeName(path)), m_thread([this] { Watch(); }) {}
    ~TPipeWatch()
    {
        m_stop = true;
        m_thread.join();
    }
    TPipeWatch(const TPipeWatch&) = delete;
    TPipeWatch& operator=(const TPipeWatch&) = delete;

    bool WasOpened() const { return m_opened; }

private:
    void Watch()
    {
        while (!m_stop) {
            if (const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                m_opened = true;
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

    const QByteArray m_path;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_opened{false};
    std::thread m_thread; // last: it starts once the rest is there
};

// What a text shows as the operator reads it, in the format it is given in.
QString Shown(const QString& text, Qt::TextFormat format)
{
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text)))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}
QString Shown(const QLabel* label)
{
    return label ? Shown(label->text(), label->textFormat()) : QString();
}
// The tool tip showing now; the mouse rests on the place in the widget.
QString ToolTipAt(QWidget* widget, const QPoint& place)
{
    QHelpEvent event(QEvent::ToolTip, place, widget->mapToGlobal(place));
    QApplication::sendEvent(widget, &event);
    return QToolTip::isVisible() ? Shown(QToolTip::text(), Qt::AutoText) : QString();
}

enum class TPlace
{
    PrinterValue,
    ImageValue,
    ElidedValueToolTip,
    ConnectionToolTip,
    PropertiesDialog,
    FaultMessage,
    OperatorPrompt,
    ImageNameInRefusal,
    FileNameInRefusal,
    LegendCell,
    LegendToolTip,
    LineRow,
};

} // namespace

class TestOutsideText : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TStationWindows> m_windows;
    std::unique_ptr<TInProcessPrinter> m_printer;

    TVexMainForm& Main() { return m_windows->MainForm(); }
    TConnectionManager& Manager() { return m_windows->Station().Manager(); }
    QString FilesFolder() const { return m_dir.filePath(QStringLiteral("files")); }
    template <typename Window> static Window* TopLevel()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<Window*>(widget))
                return window;
        return nullptr;
    }

    // A printer of the name over TCP, connected and selected.
    void Connect(const QString& name, const std::function<void(TSimPrinterState&)>& set = {})
    {
        m_printer = std::make_unique<TInProcessPrinter>(TInProcessPrinter::Config(name),
                                                        m_dir.filePath(QStringLiteral("printer.jsonl")));
        if (set)
            set(m_printer->Printer.State());
        QVERIFY(m_printer->ConnectTo(Manager(), TInProcessPrinter::TMedium::Network));
    }
    // "Connections" with the printer's entry selected.
    QListWidgetItem* ConnectionEntry()
    {
        Manager().RefreshListView();
        [&] { QVERIFY(AppTest::ClickMenu(Main(), {"Printer", "Connections"})); }();
        auto* connections = TopLevel<TConnectionsForm>();
        auto* list = connections ? connections->findChild<QListWidget*>(QStringLiteral("listView")) : nullptr;
        if (!list || !QTest::qWaitForWindowExposed(connections) || list->count() != 1)
            return nullptr;
        Click(*list->item(0), Qt::LeftButton);
        return list->item(0);
    }
    // The mouse on an entry as the window system delivers it: the right button asks for the popup.
    static void Click(const QListWidgetItem& entry, Qt::MouseButton button)
    {
        QWidget* viewport = entry.listWidget()->viewport();
        QWidget* window = viewport->window();
        QTest::mouseClick(window->windowHandle(), button, {},
                          viewport->mapTo(window, entry.listWidget()->visualItemRect(&entry).center()));
    }
    QString PropertiesShown()
    {
        QListWidgetItem* entry = ConnectionEntry();
        if (!entry)
            return {};
        Click(*entry, Qt::RightButton);
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!popup)
            return {};
        QAction* properties = popup->actions().value(2);
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(properties).center());
        TPropertyForm& dialog = TopLevel<TConnectionsForm>()->PropertyForm();
        if (!QTest::qWaitForWindowExposed(&dialog))
            return {};
        const QString shown =
            dialog.windowTitle() + QLatin1Char('\n') +
            dialog.findChild<QLineEdit*>(QStringLiteral("firmwareValue"))->text();
        dialog.close();
        return shown;
    }
    QString DesignFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(QDir(FilesFolder()).filePath(name));
        [&] { QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()); }();
        return name;
    }
    // "Printer", "Preview" with the file chosen in the dialog; a box the window puts up is read and
    // answered.
    QString PreviewRefusal(const QString& fileName)
    {
        QString shown;
        bool answered = false;
        AppTest::OnNextModal([&](QWidget* fileDialog) {
            QVERIFY(AppTest::ChooseFiles(fileDialog, FilesFolder(), {fileName}));
            AppTest::OnNextModal([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                if (box) {
                    shown = Shown(box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")));
                    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
                }
                answered = true;
            });
        });
        [&] { QVERIFY(AppTest::ClickMenu(Main(), {"Printer", "Preview"})); }();
        [&] { QTRY_VERIFY(answered); }();
        return shown;
    }
    TLabelPreviewForm* Preview(const QString& fileName)
    {
        AppTest::OnNextModal(
            [&](QWidget* fileDialog) { QVERIFY(AppTest::ChooseFiles(fileDialog, FilesFolder(), {fileName})); });
        [&] { QVERIFY(AppTest::ClickMenu(Main(), {"Printer", "Preview"})); }();
        auto* preview = Main().findChild<TLabelPreviewForm*>();
        return preview && QTest::qWaitForWindowExposed(preview) ? preview : nullptr;
    }

    // Puts the outside text where the row says and returns what the window shows there.
    QString ShowIn(TPlace place)
    {
        using LabelRecords::Text;
        switch (place) {
        case TPlace::PrinterValue:
            Connect(Payload);
            return Shown(Main().findChild<QLabel*>(QStringLiteral("printerValue")));
        case TPlace::ImageValue:
            Connect(QStringLiteral("LINE1"), [](TSimPrinterState& state) { state.CurrentImageA = Payload; });
            return Shown(Main().findChild<QLabel*>(QStringLiteral("imageValue")));
        case TPlace::ElidedValueToolTip: {
            Connect(Payload + QString(60, QLatin1Char('W')));
            auto* value = Main().findChild<TElidingLabel*>(QStringLiteral("printerValue"));
            [&] { QVERIFY(value->IsElided()); }();
            return ToolTipAt(value, value->rect().center());
        }
        case TPlace::ConnectionToolTip: {
            Connect(Payload);
            QListWidgetItem* entry = ConnectionEntry();
            if (!entry)
                return {};
            QListWidget* list = entry->listWidget();
            return ToolTipAt(list->viewport(), list->visualItemRect(entry).center());
        }
        case TPlace::PropertiesDialog:
            Connect(Payload, [](TSimPrinterState& state) { state.Version = Payload; });
            return PropertiesShown();
        case TPlace::FaultMessage: {
            Connect(Payload);
            m_printer->Printer.SendFault(XLReceive::RibbonFault);
            auto* window = TopLevel<TMessageForm>();
            if (!window || !QTest::qWaitFor([window] { return window->isVisible(); }))
                return {};
            return Shown(window->findChild<QLabel*>(QStringLiteral("messageText")));
        }
        case TPlace::OperatorPrompt: {
            Connect(QStringLiteral("LINE1"));
            QString shown;
            AppTest::OnNextModal([&](QWidget* request) {
                shown = request->findChild<QLineEdit*>(QStringLiteral("promptField"))->text();
                QTest::mouseClick(request->findChild<QPushButton*>(QStringLiteral("saveButton")), Qt::LeftButton);
            });
            m_printer->Printer.SendOperatorTextRequest(Payload, QStringLiteral("A"), 0);
            return QTest::qWaitFor([&] { return !shown.isEmpty(); }) ? shown : QString();
        }
        case TPlace::LineRow: {
            Connect(Payload, [](TSimPrinterState& state) { state.CurrentImageA = Payload; });
            m_printer->Printer.SendFault(XLReceive::RibbonFault);
            Manager().RefreshListView();
            [&] { QVERIFY(AppTest::ClickMenu(Main(), {"Printer", "Line overview"})); }();
            auto* window = TopLevel<TLineForm>();
            if (!window || !QTest::qWaitForWindowExposed(window))
                return {};
            const QAbstractItemModel& rows = window->ShownRows();
            const auto cell = [&rows](int column) { return rows.index(0, column).data().toString(); };
            if (!QTest::qWaitFor([&] { return rows.rowCount() == 1 && !cell(TLineModel::FaultColumn).isEmpty(); }))
                return {};
            return QStringList{cell(TLineModel::NameColumn), cell(TLineModel::ImagesColumn),
                               cell(TLineModel::FaultColumn)}
                .join(QLatin1Char('\n'));
        }
        case TPlace::ImageNameInRefusal:
            // An image without items is refused, by its name.
            return PreviewRefusal(DesignFile(QStringLiteral("empty.Vega"),
                                             LabelRecords::DesignFile({}, Payload.toLatin1())));
        case TPlace::FileNameInRefusal:
            return PreviewRefusal(DesignFile(Payload + QStringLiteral(".Vega"),
                                             LabelRecords::DesignFile({Text("A", 0, 0, 20)}).left(40)));
        case TPlace::LegendCell:
        case TPlace::LegendToolTip: {
            TLabelPreviewForm* preview = Preview(DesignFile(
                QStringLiteral("text.Vega"), LabelRecords::DesignFile({Text(Payload.toLatin1(), 20, 20, 30)})));
            if (!preview)
                return {};
            QTableWidget& legend = preview->LegendTable();
            QTableWidgetItem* cell = legend.item(0, TLabelPreviewForm::ContentColumn);
            if (place == TPlace::LegendCell)
                return cell->text();
            return ToolTipAt(legend.viewport(), legend.visualItemRect(cell).center());
        }
        }
        return {};
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QVERIFY(QDir().mkpath(FilesFolder()));
        QCOMPARE(::mkfifo(QFile::encodeName(m_dir.filePath(PipeName)).constData(), 0600), 0);
        AppTest::UseQuietSettings();
        m_windows = std::make_unique<TStationWindows>();
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&Main()));
        // The discovery of the start ends before the printers are named: it would drop them.
        Manager().NetworkList().OnCollectTimer();
    }
    void cleanup()
    {
        QToolTip::hideText();
        m_windows.reset();
        m_printer.reset();
        QFile::remove(m_dir.filePath(PipeName));
    }

    void outsideTextShowsAsItStands_data()
    {
        QTest::addColumn<TPlace>("place");
        QTest::newRow("printer's name, main window") << TPlace::PrinterValue;
        QTest::newRow("printer's current image, main window") << TPlace::ImageValue;
        QTest::newRow("printer's long name, main window's tool tip") << TPlace::ElidedValueToolTip;
        QTest::newRow("printer's name, tool tip in Connections") << TPlace::ConnectionToolTip;
        QTest::newRow("printer's name and firmware, properties dialog") << TPlace::PropertiesDialog;
        QTest::newRow("printer's name in a fault, message window") << TPlace::FaultMessage;
        QTest::newRow("printer's prompt, operator text window") << TPlace::OperatorPrompt;
        QTest::newRow("design file's image name, refusal box") << TPlace::ImageNameInRefusal;
        QTest::newRow("file's name, refusal box") << TPlace::FileNameInRefusal;
        QTest::newRow("item's text, preview's legend") << TPlace::LegendCell;
        QTest::newRow("item's text, legend's tool tip") << TPlace::LegendToolTip;
        QTest::newRow("printer's name, image and fault, Line window") << TPlace::LineRow;
    }
    void outsideTextShowsAsItStands()
    {
        QFETCH(TPlace, place);
        const TPipeWatch pipe(m_dir.filePath(PipeName));
        const QString shown = ShowIn(place);
        QTest::qWait(50); // the watch's next look
        QVERIFY2(!pipe.WasOpened(), "the window read the text as HTML and opened the file it names");
        QVERIFY2(shown.contains(Payload), qPrintable(shown));
    }

    // Every label of every window shows plain text, those built for a printer's parameters too; no
    // label of the station shows rich text of its own. Qt's tool tip shows rich text: the station
    // gives it its texts escaped.
    void everyLabelShowsPlainText()
    {
        const QStringList richTextAllowed{QStringLiteral("qtooltip_label")};
        const auto labelsNotPlain = [&] {
            QStringList found;
            for (QWidget* widget : QApplication::allWidgets())
                if (auto* label = qobject_cast<QLabel*>(widget);
                    label && label->textFormat() != Qt::PlainText && !richTextAllowed.contains(label->objectName()))
                    found << label->window()->objectName() + QLatin1Char('/') + label->objectName();
            return found;
        };
        QCOMPARE(labelsNotPlain(), QStringList{});
        Connect(QStringLiteral("LINE1"));
        QVERIFY(AppTest::ClickMenu(Main(), {"Printer", "Parameters"}));
        QTRY_VERIFY(m_windows->ParametersWindows().ParametersForm().isVisible());
        QCOMPARE(labelsNotPlain(), QStringList{});
    }
};

QTEST_MAIN(TestOutsideText)
#include "tst_outsidetext.moc"
