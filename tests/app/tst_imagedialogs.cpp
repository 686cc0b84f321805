// The image delete dialog, the modify image window and the modify item dialog, used with the mouse
// and the keyboard against a simulator program that keeps the images vexctl sends it.
#include "AppTestSupport.h"
#include "DesignFileWriter.h"
#include "SimulatorProcess.h"
#include "TestSupport.h"
#include "VexctlRun.h"
#include "app/StationWindows.h"
#include "app/images/ImageDeleteDlg.h"
#include "app/images/ModifyImageForm.h"
#include "app/images/ModifyItemForm.h"
#include "app/main/VexMainForm.h"
#include "coder/Coder.h"
#include "comm/NetChannel.h"
#include "comm/XLMessage.h"
#include "station/Station.h"
#include "widgets/MessageBox.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Rows of the item table as "number type value".
QStringList Shown(const QTableWidget& table)
{
    QStringList rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells << (table.item(row, column) ? table.item(row, column)->text() : QString());
        rows << cells.join(QLatin1Char(' '));
    }
    return rows;
}

QStringList Names(const QListWidget& list)
{
    QStringList names;
    for (int row = 0; row < list.count(); ++row)
        names << list.item(row)->text();
    return names;
}

QStringList SelectedNames(const QListWidget& list)
{
    QStringList names;
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->isSelected())
            names << list.item(row)->text();
    return names;
}

// The image dialogs' traffic in the printer's message log: "DeleteImage ONE", "ImageDeleted" (the
// printer's report), "FlashWrite", "RequestImageItems DEMO", "ModifyItem DEMO|1|NEW".
QString ImageTrafficLine(const QJsonObject& line)
{
    const bool in = line.value(QStringLiteral("dir")) == QLatin1String("in");
    const int id = line.value(QStringLiteral("id")).toInt();
    const int sub = line.value(QStringLiteral("sub")).toInt();
    const auto is = [&](TXLMessageKind kind) { return in && id == kind.Id && sub == kind.Sub; };
    QByteArray body = QByteArray::fromHex(line.value(QStringLiteral("body")).toString().toLatin1());
    body.chop(1);
    const QString text = QString::fromLatin1(body.replace('\0', '|'));
    if (is(XLSend::DeleteImage))
        return QStringLiteral("DeleteImage ") + text;
    if (is(XLSend::FlashWrite))
        return QStringLiteral("FlashWrite");
    if (is(XLSend::RequestImageItems))
        return QStringLiteral("RequestImageItems ") + text;
    if (is(XLSend::ModifyItem))
        return QStringLiteral("ModifyItem ") + text;
    if (!in && id == XLReceive::StatusId && sub == XLReceive::ImageDeleted)
        return QStringLiteral("ImageDeleted");
    return {};
}

// Runs act on the next modal dialog of the kind as soon as it is the active one.
template <typename Dialog> void OnModal(std::function<void(Dialog&)> act)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*dialog);
        }
    });
    poll->start(10);
}

void Click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

void ClickRow(QListWidget& list, int row, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers,
                      list.visualItemRect(list.item(row)).center());
}

const QStringList DemoRows{"1 Text TELVOS VEX",         "2 Numeric 1042",         "3 EAN13 4006381333931",
                           "4.1 Multiline BEST BEFORE", "4.2 Multiline KEEP DRY", "4.3 Multiline MADE IN EU",
                           "5.1 EAN128 09501101530003", "5.2 EAN128 LOT42"};

} // namespace

class TestImageDialogs : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TSimulatorProcess> m_printer;
    std::unique_ptr<TStationWindows> m_windows;
    qsizetype m_logStart = 0;

    TVexMainForm& Form() { return m_windows->MainForm(); }
    TConnectionManager& Manager() { return m_windows->Station().Manager(); }
    TImageDeleteDlg& DeleteDialog() { return *Form().findChild<TImageDeleteDlg*>(); }
    template <typename Widget = QWidget> Widget* In(QWidget& window, const char* name)
    {
        return window.findChild<Widget*>(QLatin1String(name));
    }
    QListWidget& SourceList() { return *In<QListWidget>(DeleteDialog(), "sourceList"); }
    QListWidget& DestinationList() { return *In<QListWidget>(DeleteDialog(), "destinationList"); }
    QPushButton* DeleteButton(const char* name) { return In<QPushButton>(DeleteDialog(), name); }
    QString EnabledDeleteButtons()
    {
        QStringList enabled;
        for (QPushButton* button : DeleteDialog().findChildren<QPushButton*>())
            if (button->isEnabled())
                enabled << button->text();
        return enabled.join(QLatin1Char(' '));
    }

    // Images sent with vexctl before the station connects, each a design file of one text.
    void SendImages(const QStringList& names)
    {
        QStringList arguments{"--printer", QStringLiteral("127.0.0.1:%1").arg(m_printer->TcpPort()), "send"};
        for (const QString& name : names) {
            const QString file = name + QStringLiteral(".Vega");
            QVERIFY(TDesignFileWriter()
                        .Raw(VexctlRun::TextImage(name.toLatin1(), "TEXT OF " + name.toLatin1()))
                        .WriteTo(m_dir->filePath(file)));
            arguments << file;
        }
        const VexctlRun::TResult sent = VexctlRun::Run(m_dir->path(), arguments);
        QVERIFY2(sent.ExitCode == 0, qPrintable(sent.Errors));
    }
    // The window program, beside which a language pack may lie, connected to the printer.
    void StartStation()
    {
        m_windows = std::make_unique<TStationWindows>(m_dir->filePath(QStringLiteral("vex")));
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&Form()));
        QVERIFY(TestSupport::StartConnectingOverTcp(Manager(), m_printer->TcpPort()));
        QTRY_VERIFY(Manager().SelectedChannel() &&
                    TCoder::Of(*Manager().SelectedChannel()).Images.contains(QStringLiteral("DEMO")));
        m_logStart = m_printer->Log().size();
    }
    // What the station sent about images since it connected, and the printer's deletion reports.
    QStringList ImageTraffic() const
    {
        QStringList traffic;
        const QList<QJsonObject> log = m_printer->Log();
        for (qsizetype i = m_logStart; i < log.size(); ++i)
            if (const QString line = ImageTrafficLine(log[i]); !line.isEmpty())
                traffic << line;
        return traffic;
    }
    // Whatever the station would still send has reached the printer.
    static void Settle() { QTest::qWait(200); }

    void OpenDeleteDialog()
    {
        QVERIFY(AppTest::ClickMenu(Form(), {"Images", "Delete"}));
        // The menu gives the activation back to the main window as it closes, after the dialog took it.
        QTRY_COMPARE(QApplication::activeWindow(), &DeleteDialog());
    }
    // "Modify" in the main menu; the steps run while the window waits, and the window is closed with
    // "Cancel" afterwards if they left it open (also when they failed).
    void WithModifyWindow(const std::function<void(TModifyImageForm&)>& steps)
    {
        bool ran = false;
        OnModal<TModifyImageForm>([&](TModifyImageForm& window) {
            ran = true;
            steps(window);
            if (window.ItemForm().isVisible())
                window.ItemForm().reject();
            if (window.isVisible())
                Click(In<QPushButton>(window, "cancelButton"));
        });
        QVERIFY(AppTest::ClickMenu(Form(), {"Images", "Modify"}));
        QVERIFY(ran);
    }
    // A double-click on a row of the item table; the steps run while the modify item dialog waits.
    static void EditRow(TModifyImageForm& window, int row, const std::function<void(TModifyItemForm&)>& steps)
    {
        auto& table = *window.findChild<QTableWidget*>(QStringLiteral("itemTable"));
        bool ran = false;
        OnModal<TModifyItemForm>([&](TModifyItemForm& dialog) {
            ran = true;
            steps(dialog);
            if (dialog.isVisible())
                dialog.reject();
        });
        const QPoint cell = table.visualRect(table.model()->index(row, 2)).center();
        // As the window system delivers a double-click: a click, then the second press.
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, cell);
        QVERIFY(ran);
    }
    static void TypeValue(TModifyItemForm& dialog, const QString& value)
    {
        QLineEdit* edit = dialog.findChild<QLineEdit*>(QStringLiteral("valueEdit"));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        // Characters beyond ASCII come as a keyboard layout gives them: text without a key code.
        for (const QChar c : value) {
            if (c.unicode() < 0x80)
                QTest::keyClick(edit, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

private slots:
    void init()
    {
        AppTest::UseQuietSettings();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_printer = std::make_unique<TSimulatorProcess>();
        QVERIFY2(m_printer->Start({"--tcp", "0", "--no-discovery", "--name", "LINE1"}),
                 qPrintable(m_printer->ErrorOutput()));
    }
    void cleanup()
    {
        m_windows.reset();
        m_printer.reset();
        m_dir.reset();
    }

    void chosenImagesAreDeletedOneAfterAnotherInNameOrderThenWrittenToFlash()
    {
        SendImages({"ZETA", "alpha", "Mid"});
        StartStation();
        OpenDeleteDialog();
        QVERIFY(!Manager().IsEnabled());
        QCOMPARE(Names(SourceList()), (QStringList{"alpha", "DEMO", "Mid", "ZETA"}));
        QCOMPARE(Names(DestinationList()), QStringList());

        ClickRow(SourceList(), 3);
        Click(DeleteButton("addButton"));
        ClickRow(SourceList(), 0);
        ClickRow(SourceList(), 2, Qt::ControlModifier);
        QCOMPARE(SelectedNames(SourceList()), (QStringList{"alpha", "Mid"}));
        Click(DeleteButton("addButton"));
        QCOMPARE(Names(SourceList()), QStringList{"DEMO"});
        QCOMPARE(Names(DestinationList()), (QStringList{"alpha", "Mid", "ZETA"}));

        Click(DeleteButton("okButton"));
        QCOMPARE(EnabledDeleteButtons(), QStringLiteral("Cancel"));
        QTRY_VERIFY(!DeleteDialog().isVisible());
        QVERIFY(Manager().IsEnabled());
        Settle();
        QCOMPARE(ImageTraffic(),
                 (QStringList{"DeleteImage alpha", "ImageDeleted", "DeleteImage Mid", "ImageDeleted",
                              "DeleteImage ZETA", "ImageDeleted", "FlashWrite"}));
        QTRY_COMPARE(TCoder::Of(*Manager().SelectedChannel()).Images, (QStringList{"Telvos", "DEMO"}));
    }

    void theDialogClosesWithoutDeleting_data()
    {
        QTest::addColumn<bool>("choose");
        QTest::addColumn<QString>("how");
        QTest::newRow("OK with nothing chosen") << false << "OK";
        QTest::newRow("Cancel") << true << "Cancel";
        QTest::newRow("Escape") << true << "Escape";
        QTest::newRow("Disconnect all") << true << "Disconnect all";
        QTest::newRow("the printer ends the connection") << true << "printer";
    }
    void theDialogClosesWithoutDeleting()
    {
        QFETCH(bool, choose);
        QFETCH(QString, how);
        StartStation();
        OpenDeleteDialog();
        if (choose) {
            Click(DeleteButton("addAllButton"));
            QCOMPARE(Names(DestinationList()), QStringList{"DEMO"});
        }
        if (how == QLatin1String("OK"))
            Click(DeleteButton("okButton"));
        else if (how == QLatin1String("Cancel"))
            Click(DeleteButton("cancelButton"));
        else if (how == QLatin1String("Escape"))
            QTest::keyClick(&DestinationList(), Qt::Key_Escape);
        else if (how == QLatin1String("Disconnect all"))
            QVERIFY(AppTest::ClickMenu(Form(), {"Printer", "Disconnect all"}));
        else
            m_printer->Command("disconnect");
        QTRY_VERIFY(!DeleteDialog().isVisible());
        QVERIFY(Manager().IsEnabled());
        Settle();
        QCOMPARE(ImageTraffic(), QStringList());
    }

    void theMoveButtonsFollowTheLists()
    {
        StartStation();
        OpenDeleteDialog();
        QCOMPARE(Names(SourceList()), QStringList{"DEMO"});
        QCOMPARE(EnabledDeleteButtons(), QStringLiteral("> >> OK Cancel"));

        // Nothing selected: nothing moves, and the first entry is selected for the next ">".
        Click(DeleteButton("addButton"));
        QCOMPARE(Names(DestinationList()), QStringList());
        QCOMPARE(SelectedNames(SourceList()), QStringList{"DEMO"});

        Click(DeleteButton("addButton"));
        QCOMPARE(Names(SourceList()), QStringList());
        QCOMPARE(Names(DestinationList()), QStringList{"DEMO"});
        QCOMPARE(EnabledDeleteButtons(), QStringLiteral("< << OK Cancel"));
        QVERIFY(SourceList().hasFocus());

        Click(DeleteButton("removeAllButton"));
        QCOMPARE(Names(SourceList()), QStringList{"DEMO"});
        QCOMPARE(EnabledDeleteButtons(), QStringLiteral("> >> OK Cancel"));
        QVERIFY(DestinationList().hasFocus());
        Click(DeleteButton("cancelButton"));
    }

    void theModifyWindowListsTheItemsOfTheCurrentImage()
    {
        StartStation();
        WithModifyWindow([this](TModifyImageForm& window) {
            QVERIFY(!Manager().IsEnabled());
            auto& table = *In<QTableWidget>(window, "itemTable");
            auto& images = *In<QComboBox>(window, "imageNameList");
            QCOMPARE(images.currentText(), QStringLiteral("DEMO"));
            QCOMPARE(images.count(), 2);
            QCOMPARE(images.itemText(1), QStringLiteral("Telvos"));
            QTRY_COMPARE(Shown(table), DemoRows);
            QCOMPARE(table.horizontalHeaderItem(0)->text(), QStringLiteral("Item no."));
            QCOMPARE(table.horizontalHeaderItem(1)->text(), QStringLiteral("Item type"));
            QCOMPARE(table.horizontalHeaderItem(2)->text(), QStringLiteral("Value"));
            // At least 60, 75 and 181 pixels, and wide enough for their captions.
            const int least[] = {60, 75, 181};
            for (int column = 0; column < 3; ++column) {
                QVERIFY(table.columnWidth(column) >= least[column]);
                QVERIFY(table.columnWidth(column) >= table.horizontalHeader()->sectionSizeHint(column));
            }
        });
        QVERIFY(Manager().IsEnabled());
        QCOMPARE(ImageTraffic(), QStringList{"RequestImageItems DEMO"});
    }

    void onlyAChoiceInTheOpenedListChangesTheImage()
    {
        StartStation();
        WithModifyWindow([this](TModifyImageForm& window) {
            auto& table = *In<QTableWidget>(window, "itemTable");
            auto& images = *In<QComboBox>(window, "imageNameList");
            QTRY_COMPARE(Shown(table), DemoRows);

            QTest::keyClick(&images, Qt::Key_Down);
            QCOMPARE(images.currentText(), QStringLiteral("DEMO"));

            Click(&images);
            QAbstractItemView* list = images.view();
            QTRY_VERIFY(list->isVisible());
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
            QTRY_COMPARE(images.currentText(), QStringLiteral("Telvos"));
            QTRY_COMPARE(Shown(table), QStringList{"1 Text Telvos"});
        });
        QCOMPARE(ImageTraffic(), (QStringList{"RequestImageItems DEMO", "RequestImageItems Telvos"}));
    }

    void okSendsAChangedValueAndReloadsTheTable_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("modified");
        QTest::newRow("a new text") << "FRESH TEXT" << QStringList{"ModifyItem DEMO|1|FRESH TEXT"};
        QTest::newRow("the same text") << "TELVOS VEX" << QStringList{};
        QTest::newRow("other letter case") << "Telvos Vex" << QStringList{"ModifyItem DEMO|1|Telvos Vex"};
    }
    void okSendsAChangedValueAndReloadsTheTable()
    {
        QFETCH(QString, value);
        QFETCH(QStringList, modified);
        StartStation();
        WithModifyWindow([&](TModifyImageForm& window) {
            auto& table = *In<QTableWidget>(window, "itemTable");
            QTRY_COMPARE(Shown(table), DemoRows);
            EditRow(window, 0, [&](TModifyItemForm& dialog) {
                QCOMPARE(In<QLineEdit>(dialog, "imageNameValue")->text(), QStringLiteral("DEMO"));
                QCOMPARE(In<QLineEdit>(dialog, "itemNumberValue")->text(), QStringLiteral("1"));
                QCOMPARE(In<QLineEdit>(dialog, "itemTypeValue")->text(), QStringLiteral("Text"));
                QCOMPARE(In<QLineEdit>(dialog, "valueEdit")->text(), QStringLiteral("TELVOS VEX"));
                TypeValue(dialog, value);
                Click(In<QPushButton>(dialog, "okButton"));
            });
            QStringList expected = DemoRows;
            expected[0] = QStringLiteral("1 Text ") + value;
            QTRY_COMPARE(Shown(table), expected);
        });
        QTRY_COMPARE(ImageTraffic(), QStringList{"RequestImageItems DEMO"} + modified +
                                         QStringList{"RequestImageItems DEMO"});
    }

    void aValueThePrinterCannotTakeIsRefusedWithABox()
    {
        StartStation();
        const int boxes = TMessageBox::ShownCount();
        TMessageBox::SetNextAnswer(QMessageBox::Ok);
        WithModifyWindow([&](TModifyImageForm& window) {
            QTRY_COMPARE(Shown(*In<QTableWidget>(window, "itemTable")), DemoRows);
            EditRow(window, 0, [&](TModifyItemForm& dialog) {
                TypeValue(dialog, QStringLiteral("5 €"));
                Click(In<QPushButton>(dialog, "okButton"));
                QCOMPARE(TMessageBox::ShownCount(), boxes + 1);
                QCOMPARE(TMessageBox::LastShown().Text,
                         QStringLiteral("The printer cannot take the character \"€\" in a value."));
                QVERIFY(dialog.isVisible());
                Click(In<QPushButton>(dialog, "cancelButton"));
            });
        });
        QCOMPARE(ImageTraffic(), QStringList{"RequestImageItems DEMO"});
    }

    void thePrinterGoingAwayClosesBothWindowsWithoutSending()
    {
        StartStation();
        WithModifyWindow([&](TModifyImageForm& window) {
            QTRY_COMPARE(Shown(*In<QTableWidget>(window, "itemTable")), DemoRows);
            EditRow(window, 0, [&](TModifyItemForm& dialog) {
                TypeValue(dialog, QStringLiteral("NEVER SENT"));
                m_printer->Command("disconnect");
                QTRY_VERIFY(!dialog.isVisible());
            });
            QVERIFY(!window.isVisible());
        });
        QVERIFY(Manager().IsEnabled());
        Settle();
        QCOMPARE(ImageTraffic(), QStringList{"RequestImageItems DEMO"});
    }

    // Each control says what it is to a screen reader: its own name, or its label's.
    void everyControlHasAnAccessibleName()
    {
        StartStation();
        TModifyImageForm& modify = *Form().findChild<TModifyImageForm*>();
        for (QWidget* window : QList<QWidget*>{&DeleteDialog(), &modify, &modify.ItemForm()}) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (control->focusPolicy() == Qt::NoFocus || control->window() != window ||
                    qobject_cast<QLabel*>(control))
                    continue;
                QString name = control->accessibleName();
                if (name.isEmpty())
                    name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
                QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
            }
        }
    }

    // The texts change; the operator's choice stays while the dialog shows.
    void aLanguageSwitchKeepsTheChoiceInTheDeleteDialog()
    {
        QVERIFY(QFile::copy(QStringLiteral(VEX_GERMAN_PACK), m_dir->filePath(QStringLiteral("vex.DEU"))));
        StartStation();
        OpenDeleteDialog();
        Click(DeleteButton("addAllButton"));
        QVERIFY(AppTest::ClickMenu(Form(), {"Settings", "Language", "Deutsch"}));
        QTRY_COMPARE(DeleteDialog().windowTitle(), QStringLiteral("Bilder löschen"));
        QCOMPARE(In<QLabel>(DeleteDialog(), "destinationLabel")->text(),
                 QStringLiteral("Zu löschende Bilder:"));
        QVERIFY(DeleteDialog().isVisible());
        QCOMPARE(Names(DestinationList()), QStringList{"DEMO"});
        QCOMPARE(EnabledDeleteButtons(), QStringLiteral("< << OK Abbrechen"));
        TModifyImageForm& modify = *Form().findChild<TModifyImageForm*>();
        QCOMPARE(modify.windowTitle(), QStringLiteral("Bild ändern"));
        auto& table = *In<QTableWidget>(modify, "itemTable");
        QCOMPARE(table.horizontalHeaderItem(0)->text(), QStringLiteral("Element-Nr."));
        for (int column = 0; column < 2; ++column)
            QVERIFY(table.columnWidth(column) >= table.horizontalHeader()->sectionSizeHint(column));
        QCOMPARE(modify.ItemForm().windowTitle(), QStringLiteral("Element ändern"));
    }
};

QTEST_MAIN(TestImageDialogs)
#include "tst_imagedialogs.moc"
