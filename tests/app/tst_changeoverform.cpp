// The changeover window opened from the main menu against a simulated printer in this process: a
// product code scanned, the lot number typed (refused until it matches its pattern), "Check", and
// "Start" on only when every item matches; a difference found at "Start" is listed and blocks it.
#include "AppTestSupport.h"
#include "InProcessPrinter.h"
#include "LabelRecords.h"
#include "app/StationWindows.h"
#include "app/images/ChangeoverForm.h"
#include "app/main/VexMainForm.h"
#include "coder/Coder.h"
#include "platform/SettingsStore.h"
#include "station/Station.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char* const Job = R"({"productCode": "8712345678906", "name": "Jam", "designFile": "LABEL.Vega",
    "printers": {"models": ["Vega"]},
    "items": [{"item": 2, "rule": "entry", "name": "lot", "prompt": "Lot number", "pattern": "L[0-9]{5}",
               "maxLength": 6},
              {"item": 3, "rule": "date", "days": 365}]})";

} // namespace

class TestChangeoverForm : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TStationWindows> m_windows;
    std::unique_ptr<TInProcessPrinter> m_printer;

    TVexMainForm& Main() { return m_windows->MainForm(); }
    TChangeoverForm& Form() { return m_windows->ChangeoverForm(); }
    template <typename Widget> Widget* Child(const char* name)
    {
        return Form().findChild<Widget*>(QLatin1String(name));
    }
    QString Status() { return Child<QLabel>("statusLabel")->text(); }
    QStringList DifferenceRows()
    {
        QStringList rows;
        const QTableWidget* table = Child<QTableWidget>("differencesTable");
        for (int row = 0; row < table->rowCount(); ++row)
            rows << QStringList{table->item(row, 0)->text(), table->item(row, 1)->text(), table->item(row, 2)->text()}
                        .join(QLatin1Char('|'));
        return rows;
    }

    // The window opened from the menu, the product code scanned (the scanner types it and Enter) and
    // the lot number typed.
    void ScanAndEnter(const QString& lot)
    {
        QVERIFY(AppTest::ClickMenu(Main(), {"Images", "Changeover"}));
        QTRY_VERIFY(Form().isVisible());
        QLineEdit* code = Child<QLineEdit>("productCodeEdit");
        QTRY_VERIFY(code->hasFocus());
        QTest::keyClicks(code, QStringLiteral("8712345678906"));
        QTest::keyClick(code, Qt::Key_Return);
        QCOMPARE(Child<QComboBox>("jobCombo")->currentText(), QStringLiteral("Jam (8712345678906)"));
        QLineEdit* lotField = Form().EntryField(QStringLiteral("lot"));
        QVERIFY(lotField && lotField->hasFocus());
        QTest::keyClicks(lotField, lot);
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        AppTest::UseQuietSettings();
        SettingsStore::SetValue(QLatin1String(SettingsStore::JobsDirectory), m_dir.path());
        QFile label(m_dir.filePath(QStringLiteral("LABEL.Vega")));
        QVERIFY(label.open(QIODevice::WriteOnly) &&
                label.write(LabelRecords::DesignFile({LabelRecords::Text("JAM", 10, 10, 24),
                                                      LabelRecords::Text("L00000", 10, 40, 24),
                                                      LabelRecords::Date(10, 70, 24),
                                                      LabelRecords::EanUpc(1, "871234567890", 200, 10, 60, 2)},
                                                     "LABEL")) > 0);
        QFile job(m_dir.filePath(QStringLiteral("jam.json")));
        QVERIFY(job.open(QIODevice::WriteOnly) && job.write(Job) > 0);
        m_windows = std::make_unique<TStationWindows>();
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&Main()));
        m_printer = std::make_unique<TInProcessPrinter>(TInProcessPrinter::Config(QStringLiteral("LINE2")),
                                                        m_dir.filePath(QStringLiteral("printer.jsonl")));
        QVERIFY(m_printer->ConnectTo(m_windows->Station().Manager()) != 0);
    }
    void cleanup()
    {
        m_windows.reset();
        m_printer.reset();
        SettingsStore::SetValue(QLatin1String(SettingsStore::JobsDirectory), QVariant());
    }

    void aScannedProductIsCheckedAndStartedWithTheLotEntered()
    {
        ScanAndEnter(QStringLiteral("L1234"));
        QLineEdit* lotField = Form().EntryField(QStringLiteral("lot"));
        QPushButton* check = Child<QPushButton>("checkButton");
        QPushButton* start = Child<QPushButton>("startButton");
        // One digit short: the field says why, and nothing can be checked yet.
        QVERIFY(!check->isEnabled());
        QCOMPARE(lotField->accessibleDescription(), QStringLiteral("Entry lot (Lot number): 'L1234' does not match L[0-9]{5}"));
        QCOMPARE(QAccessible::queryAccessibleInterface(lotField)->text(QAccessible::Name), QStringLiteral("Lot number"));
        QTest::keyClicks(lotField, QStringLiteral("5"));
        QVERIFY(lotField->accessibleDescription().isEmpty());
        QVERIFY(check->isEnabled() && !start->isEnabled());

        QTest::mouseClick(check, Qt::LeftButton);
        QTRY_VERIFY(start->isEnabled());
        QCOMPARE(Status(), QStringLiteral("Every item matches the job: press Start to print."));
        QVERIFY(Child<QLabel>("barcodesLabel")->text().contains(QStringLiteral("reads back")));
        QVERIFY(!TCoder::Of(*m_windows->Station().Manager().SelectedChannel()).Printing);

        QTest::mouseClick(start, Qt::LeftButton);
        QTRY_COMPARE(Form().Changeover()->State(), TChangeover::TState::Printing);
        QCOMPARE(Status(), QStringLiteral("Printing LABEL for Jam (8712345678906)."));
        QCOMPARE(m_printer->ReceivedBodies(XLSend::StartPrint), QList<QByteArray>{QByteArray("LABEL\0\0", 7)});
        QVERIFY(!start->isEnabled());
        QCOMPARE(Child<QPushButton>("cancelButton")->text(), QStringLiteral("Close"));
    }

    void aDifferenceAtStartIsListedAndBlocksIt()
    {
        ScanAndEnter(QStringLiteral("L12345"));
        QTest::mouseClick(Child<QPushButton>("checkButton"), Qt::LeftButton);
        QPushButton* start = Child<QPushButton>("startButton");
        QTRY_VERIFY(start->isEnabled());
        // Someone at the printer changes the lot number.
        QVERIFY(m_printer->Printer.State().ModifyItem(QStringLiteral("LABEL"), QStringLiteral("2"),
                                                       QStringLiteral("L99999")));

        QTest::mouseClick(start, Qt::LeftButton);
        QTRY_COMPARE(Form().Changeover()->State(), TChangeover::TState::Blocked);
        QCOMPARE(DifferenceRows(), QStringList{"2|L12345|L99999"});
        QVERIFY(!start->isEnabled());
        QVERIFY(m_printer->ReceivedBodies(XLSend::StartPrint).isEmpty());
        QVERIFY(Status().startsWith(QStringLiteral("Items differ from the job (1)")));
    }
};

QTEST_MAIN(TestChangeoverForm)
#include "tst_changeoverform.moc"
