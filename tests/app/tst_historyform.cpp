// "Printer", "History": the rows of the station's history, filtered, followed and exported.
#include "AppTestSupport.h"
#include "app/StationWindows.h"
#include "app/history/HistoryForm.h"
#include "app/main/VexMainForm.h"
#include "app/operator/MessageForm.h"
#include "history/HistoryStore.h"
#include "history/HistoryText.h"
#include "platform/SettingsStore.h"
#include "station/Station.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A printer name made to be taken for markup.
const QString MarkupName = QStringLiteral("<img src=\"x\">LINE3");

TStationEvent Event(const QString& printer, TStationEventKind kind, int number)
{
    return TStationEvent::Make(kind, {printer, QStringLiteral("Vega"), QStringLiteral("127.0.0.1:3000")},
                               TEventSource(), {{QStringLiteral("image"), QStringLiteral("IMG%1").arg(number)}});
}
} // namespace

class TestHistoryForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TStationWindows> m_windows;

    TVexMainForm& Main() { return m_windows->MainForm(); }
    THistoryForm& Window() { return m_windows->HistoryForm(); }
    template <typename Control> Control* In(const char* name)
    {
        return Window().findChild<Control*>(QLatin1String(name));
    }
    QString HistoryPath() const { return m_dir->filePath(QStringLiteral("history.sqlite")); }
    void StartStation()
    {
        m_windows = std::make_unique<TStationWindows>();
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&Main()));
    }
    void OpenWindow()
    {
        QVERIFY(AppTest::ClickMenu(Main(), {"Printer", "History"}));
        QVERIFY(QTest::qWaitForWindowExposed(&Window()));
    }
    QStringList Column(int column)
    {
        QStringList cells;
        const QAbstractItemModel& model = *In<QTableView>("historyTable")->model();
        for (int row = 0; row < model.rowCount(); ++row)
            cells << model.index(row, column).data().toString();
        return cells;
    }

private slots:
    void init()
    {
        AppTest::UseQuietSettings();
        m_dir = std::make_unique<QTemporaryDir>();
        SettingsStore::SetValue(QLatin1String(SettingsStore::HistoryFile), HistoryPath());
    }
    void cleanup()
    {
        m_windows.reset();
        m_dir.reset();
    }

    // A history of many rows opens with its newest page and reads on as the list scrolls; a
    // printer chosen in the list leaves only its rows, which the export writes, in the order shown;
    // a row recorded meanwhile comes on top.
    void theWindowFiltersByPrinterAndExportsTheRowsShown()
    {
        {
            THistoryStore store(HistoryPath(), TEventSource());
            for (int number = 1; number <= 450; ++number)
                store.Append(Event(QStringLiteral("LINE1"), TStationEventKind::ImageDeleted, number));
            store.Append(Event(QStringLiteral("LINE2"), TStationEventKind::Connected, 451));
            store.Append(Event(MarkupName, TStationEventKind::Connected, 452));
            store.Append(Event(QStringLiteral("LINE2"), TStationEventKind::ImageDeleted, 453));
        }
        StartStation();
        OpenWindow();
        QTableView* table = In<QTableView>("historyTable");
        QCOMPARE(table->model()->rowCount(), THistoryModel::PageRows);
        QCOMPARE(Column(THistoryModel::PrinterColumn).mid(0, 3), (QStringList{"LINE2", MarkupName, "LINE2"}));
        QCOMPARE(Column(THistoryModel::EventColumn).first(), QStringLiteral("Image deleted"));
        table->setFocus();
        QTest::keyClick(table, Qt::Key_End, Qt::ControlModifier);
        QTRY_VERIFY(table->model()->rowCount() > THistoryModel::PageRows);

        auto* printers = In<QComboBox>("printerList");
        QCOMPARE(printers->itemText(0), QStringLiteral("All printers"));
        printers->setFocus();
        for (int press = 0; press < printers->count() && printers->currentText() != QLatin1String("LINE2"); ++press)
            QTest::keyClick(printers, Qt::Key_Down);
        QCOMPARE(Column(THistoryModel::PrinterColumn), (QStringList{"LINE2", "LINE2"}));
        QCOMPARE(Column(THistoryModel::DetailsColumn), (QStringList{"image=IMG453", "image=IMG451"}));

        m_windows->Station().Events().Emit(TStationEventKind::ImageDeleted,
                                           TEventPrinter{QStringLiteral("LINE2"), {}, {}},
                                           {{QStringLiteral("image"), QStringLiteral("LIVE")}});
        m_windows->Station().Events().Emit(TStationEventKind::ImageDeleted,
                                           TEventPrinter{QStringLiteral("LINE1"), {}, {}});
        QTRY_COMPARE(Column(THistoryModel::DetailsColumn),
                     (QStringList{"image=LIVE", "image=IMG453", "image=IMG451"}));

        const QString exported = m_dir->filePath(QStringLiteral("line2.csv"));
        QFile earlier(m_dir->filePath(QStringLiteral("earlier.csv"))); // the dialog lists the folder's exports
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.close();
        bool chosen = false;
        AppTest::OnNextModal([&](QWidget* dialog) { chosen = AppTest::ChooseFiles(dialog, m_dir->path(), {"line2.csv"}); });
        QTest::mouseClick(In<QPushButton>("exportButton"), Qt::LeftButton);
        QVERIFY(chosen);
        QTRY_COMPARE(In<QLabel>("statusLabel")->text(),
                     QStringLiteral("3 rows exported to %1.").arg(QDir::toNativeSeparators(exported)));
        QFile file(exported);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.first(), HistoryText::CsvHeader());
        for (int row = 0; row < 3; ++row)
            QVERIFY(lines[row + 1].startsWith(QString::number(Window().Model().RowAt(row).Seq) + QLatin1Char(',')));
        QVERIFY(lines[1].contains(QStringLiteral(",LINE2,")));
    }

    // Opened before the station has written anything: the first rows come as they are written.
    void aWindowOpenedOnNoHistoryYetFollowsTheFirstRows()
    {
        StartStation();
        OpenWindow();
        QCOMPARE(In<QTableView>("historyTable")->model()->rowCount(), 0);
        QCOMPARE(In<QLabel>("statusLabel")->text(), QString());
        m_windows->Station().Events().Emit(TStationEventKind::ImageDeleted, TEventPrinter{QStringLiteral("LINE1"), {}, {}},
                                           {{QStringLiteral("image"), QStringLiteral("FIRST")}});
        QTRY_COMPARE(Column(THistoryModel::DetailsColumn), QStringList{"image=FIRST"});
    }

    // A history file the station cannot write: it says so once in the message window and goes on;
    // the History window says why it shows nothing.
    void aDamagedHistoryIsSaidAndTheStationGoesOn()
    {
        QFile file(HistoryPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        StartStation();
        TMessageForm* messages = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<TMessageForm*>(widget))
                messages = form;
        QVERIFY(messages);
        QTRY_VERIFY(messages->isVisible());
        QVERIFY(messages->Message().contains(QStringLiteral("the file is damaged")));
        OpenWindow();
        QCOMPARE(In<QLabel>("statusLabel")->text(), QStringLiteral("The history cannot be read: the file is damaged"));
        QCOMPARE(In<QTableView>("historyTable")->model()->rowCount(), 0);
    }
};

QTEST_MAIN(TestHistoryForm)
#include "tst_historyform.moc"
