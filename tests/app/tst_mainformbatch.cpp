// The main window's "Transfer", "Parameters" and "Disconnect all" with a printer connected: a
// simulated printer in this process on a serial line.
#include "AppTestSupport.h"
#include "DesignFileWriter.h"
#include "InProcessPrinter.h"
#include "app/StationWindows.h"
#include "app/main/VexMainForm.h"
#include "coder/Coder.h"
#include "comm/SerialChannel.h"
#include "station/Station.h"
#include "widgets/Lamp.h"
#include "widgets/MessageBox.h"

#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

class TestMainFormBatch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TStationWindows> m_windows;
    std::unique_ptr<TInProcessPrinter> m_printer;

    TVexMainForm& Form() { return m_windows->MainForm(); }
    QString Shown(const char* label) { return Form().findChild<QLabel*>(QLatin1String(label))->text(); }
    void File(const QString& name, const QByteArray& imageName, const QByteArray& version = "zorbe V3.1X000")
    {
        QVERIFY(TDesignFileWriter::SmallImage(imageName, version).WriteTo(m_dir.filePath(name)));
    }
    // The station connects the printer on a serial port, and the main window shows it.
    void Connect(const TSimPrinterConfig& config)
    {
        m_printer = std::make_unique<TInProcessPrinter>(config, m_dir.filePath(QStringLiteral("printer.jsonl")));
        TConnectionManager& manager = m_windows->Station().Manager();
        m_printer->ConnectTo(manager);
        QTRY_COMPARE(Shown("printerValue"), config.Name);
        QTRY_VERIFY(!TCoder::Of(*manager.SelectedChannel()).Images.isEmpty());
    }
    // "Images", "Transfer", and the files chosen in the file dialog.
    void Transfer(const QStringList& fileNames)
    {
        AppTest::OnNextModal([this, fileNames](QWidget* dialog) {
            QVERIFY(AppTest::ChooseFiles(dialog, m_dir.path(), fileNames));
        });
        QVERIFY(AppTest::ClickMenu(Form(), {"Images", "Transfer"}));
    }
    // Whatever the station would still send has reached the printer.
    void Settle() { QTest::qWait(200); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        AppTest::UseQuietSettings();
        m_windows = std::make_unique<TStationWindows>();
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&Form()));
    }
    void cleanup()
    {
        m_windows.reset();
        m_printer.reset();
    }

    void theFileDialogOffersTheImagesOfThePrintersModel_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::addColumn<QString>("preset");
        QTest::newRow("Altair") << quint8(0) << "Altair Images (*.Altair)";
        QTest::newRow("Vega") << quint8(1) << "Vega/Deneb Images (*.Vega)";
        QTest::newRow("Rigel") << quint8(2) << "Rigel Images (*.Rigel)";
        QTest::newRow("Lyra") << quint8(5) << "Vega/Deneb Images (*.Vega)";
    }
    void theFileDialogOffersTheImagesOfThePrintersModel()
    {
        QFETCH(quint8, model);
        QFETCH(QString, preset);
        Connect(TInProcessPrinter::Config(QStringLiteral("LINE1"), model));
        bool seen = false;
        AppTest::OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            seen = true;
            QCOMPARE(dialog->nameFilters(), (QStringList{"Vega/Deneb Images (*.Vega)", "Rigel Images (*.Rigel)",
                                                         "Altair Images (*.Altair)", "All Files (*)"}));
            QCOMPARE(dialog->selectedNameFilter(), preset);
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFiles);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(AppTest::ClickMenu(Form(), {"Images", "Transfer"}));
        QTRY_VERIFY(seen);
        Settle();
        QCOMPARE(m_printer->ReceivedImagesAndFlashWrites(), QStringList{});
    }

    void aBatchOfFilesAllPassedOverEndsAtOnce()
    {
        Connect(TInProcessPrinter::Config(QStringLiteral("LINE1")));
        File(QStringLiteral("one.Vega"), "ONE", "another program");
        File(QStringLiteral("two.Vega"), "TWO", "another program");
        const int boxes = TMessageBox::ShownCount();
        TMessageBox::SetNextAnswer(QMessageBox::Ok);
        TMessageBox::SetNextAnswer(QMessageBox::Ok);
        Transfer({"one.Vega", "two.Vega"});
        QTRY_COMPARE(m_printer->ReceivedImagesAndFlashWrites(), QStringList{"FlashWrite"});
        QCOMPARE(TMessageBox::ShownCount(), boxes + 2);
        QCOMPARE(TMessageBox::LastShown().Icon, QMessageBox::Critical);
        QCOMPARE(TMessageBox::LastShown().Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        Settle();
        QCOMPARE(m_printer->ReceivedImagesAndFlashWrites(), QStringList{"FlashWrite"});
    }

    // The simulated printer has no room at all for the first case; it fails an image without a name.
    // The file dialog gives the files in the order of their names.
    void aFailureReportEndsTheBatchWithABox_data()
    {
        QTest::addColumn<qint64>("memory");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("received");
        const QString memory = QStringLiteral("Insufficient Memory to Store Image. Transfer Aborted");
        const QString failed = QStringLiteral("Image Transfer Failed. Operation Aborted.");
        QTest::newRow("insufficient memory for the first file")
            << qint64(0) << QStringList{"one.Vega", "two.Vega"} << memory << QStringList{"ImageData ONE"};
        QTest::newRow("the first file failed")
            << qint64(1 << 20) << QStringList{"nameless.Vega", "two.Vega"} << failed << QStringList{"ImageData "};
        QTest::newRow("the second file failed")
            << qint64(1 << 20) << QStringList{"one.Vega", "second.Vega", "two.Vega"} << failed
            << QStringList{"ImageData ONE", "ImageData ", "FlashWrite"};
    }
    void aFailureReportEndsTheBatchWithABox()
    {
        QFETCH(qint64, memory);
        QFETCH(QStringList, files);
        QFETCH(QString, text);
        QFETCH(QStringList, received);
        TSimPrinterConfig config = TInProcessPrinter::Config(QStringLiteral("LINE1"));
        config.MemoryBytes = memory;
        Connect(config);
        File(QStringLiteral("one.Vega"), "ONE");
        File(QStringLiteral("two.Vega"), "TWO");
        File(QStringLiteral("nameless.Vega"), "");
        File(QStringLiteral("second.Vega"), "");
        const int boxes = TMessageBox::ShownCount();
        TMessageBox::SetNextAnswer(QMessageBox::Cancel);
        Transfer(files);
        QTRY_COMPARE(TMessageBox::ShownCount(), boxes + 1);
        QCOMPARE(TMessageBox::LastShown().Text, text);
        QCOMPARE(TMessageBox::LastShown().Icon, QMessageBox::Critical);
        QCOMPARE(TMessageBox::LastShown().Buttons, QMessageBox::StandardButtons(QMessageBox::Cancel));
        QVERIFY(!m_windows->Station().Batch().IsRunning());
        Settle();
        QCOMPARE(m_printer->ReceivedImagesAndFlashWrites(), received);
    }

    // The report is handled before the status that follows it.
    void aFailureReportWithoutABatchIsIgnored()
    {
        Connect(TInProcessPrinter::Config(QStringLiteral("LINE1")));
        const int boxes = TMessageBox::ShownCount();
        m_printer->Printer.SendFault(XLReceive::InsufficientMemory);
        m_printer->Printer.SetStatusWord(0x0101);
        QTRY_VERIFY(Form().findChild<TLamp*>(QStringLiteral("printLamp"))->IsLit());
        QCOMPARE(TMessageBox::ShownCount(), boxes);
    }

    void parametersAreAskedOfThePrinter()
    {
        Connect(TInProcessPrinter::Config(QStringLiteral("LINE1")));
        QVERIFY(AppTest::ClickMenu(Form(), {"Printer", "Parameters"}));
        QTRY_VERIFY(m_printer->Received().contains(QStringLiteral("63/3")));
    }

    void disconnectAllLeavesNoPrinterShown()
    {
        Connect(TInProcessPrinter::Config(QStringLiteral("LINE1")));
        QVERIFY(AppTest::ClickMenu(Form(), {"Printer", "Disconnect all"}));
        QTRY_VERIFY(m_printer->Received().contains(QStringLiteral("DisconnectRequest")));
        QCOMPARE(Shown("printerValue"), QStringLiteral("Disconnected"));
        QVERIFY(m_windows->Station().Manager().ConnectedList().isEmpty());
        QVERIFY(!Form().MenuState().DisconnectAll);
    }
};

QTEST_MAIN(TestMainFormBatch)
#include "tst_mainformbatch.moc"
