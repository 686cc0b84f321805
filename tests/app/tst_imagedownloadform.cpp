// The image transfer window with the batch of the main window's "Transfer": a simulated printer in
// this process on a pseudo-terminal, whose log holds the bodies it received.
#include "AppTestSupport.h"
#include "DesignFileWriter.h"
#include "InProcessPrinter.h"
#include "LabelRecords.h"
#include "app/StationWindows.h"
#include "app/images/ImageDownloadForm.h"
#include "app/main/VexMainForm.h"
#include "coder/Coder.h"
#include "comm/SerialChannel.h"
#include "images/MonochromePicture.h"
#include "platform/SettingsStore.h"
#include "station/Station.h"
#include "widgets/MessageBox.h"

#include <QAccessible>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestImageDownloadForm : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_workingFolder;
    std::unique_ptr<TStationWindows> m_windows;
    std::unique_ptr<TInProcessPrinter> m_printer;

    TVexMainForm& Form() { return m_windows->MainForm(); }
    TImageDownloadForm& Window() { return *Form().findChild<TImageDownloadForm*>(); }
    template <typename Control> Control* In(const char* name)
    {
        return Window().findChild<Control*>(QLatin1String(name));
    }
    QString FileNameShown() { return In<QLineEdit>("fileNameEdit")->text(); }
    bool ManagerEnabled() { return m_windows->Station().Manager().IsEnabled(); }
    QString LogPath() const { return m_dir.filePath(QStringLiteral("printer.jsonl")); }

    QString File(const QString& name, const QByteArray& imageName, const QByteArray& version = "zorbe V3.1X000")
    {
        const QString path = m_dir.filePath(name);
        [&] { QVERIFY(TDesignFileWriter::SmallImage(imageName, version).WriteTo(path)); }();
        return path;
    }
    void Connect(const TSimPrinterConfig& config)
    {
        m_printer = std::make_unique<TInProcessPrinter>(config, LogPath());
        ConnectPrinter(config);
    }
    void ConnectPrinter(const TSimPrinterConfig& config)
    {
        TConnectionManager& manager = m_windows->Station().Manager();
        m_printer->ConnectTo(manager);
        QTRY_COMPARE(Form().findChild<QLabel*>(QStringLiteral("printerValue"))->text(), config.Name);
        QTRY_VERIFY(!TCoder::Of(*manager.SelectedChannel()).Images.isEmpty());
    }
    // "Images", "Transfer", and the files chosen in the file dialog.
    void Transfer(const QStringList& fileNames, const QString& folder = {})
    {
        AppTest::OnNextModal([this, fileNames, folder](QWidget* dialog) {
            QVERIFY(AppTest::ChooseFiles(dialog, folder.isEmpty() ? m_dir.path() : folder, fileNames));
        });
        QVERIFY(AppTest::ClickMenu(Form(), {"Images", "Transfer"}));
    }
    QStringList Received() const { return m_printer->ReceivedImagesAndFlashWrites(); }
    // The bodies of the image messages that reached the printer, in order, from its log.
    QList<QByteArray> ReceivedImageBodies() const
    {
        QFile log(LogPath());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        QList<QByteArray> bodies;
        for (const QByteArray& line : log.readAll().split('\n')) {
            const QJsonObject entry = QJsonDocument::fromJson(line).object();
            if (entry.value(QStringLiteral("dir")) == QLatin1String("in") &&
                entry.value(QStringLiteral("id")).toInt() == XLSend::ImageData.Id &&
                entry.value(QStringLiteral("sub")).toInt() == XLSend::ImageData.Sub)
                bodies << QByteArray::fromHex(entry.value(QStringLiteral("body")).toString().toLatin1());
        }
        return bodies;
    }
    // The body vexctl writes for the file.
    static QByteArray Encoded(const QString& file)
    {
        QProcess vexctl;
        vexctl.start(QStringLiteral(VEX_CTL), {QStringLiteral("encode"), file});
        if (!vexctl.waitForFinished(60000) || vexctl.exitCode() != 0)
            return {};
        return vexctl.readAllStandardOutput();
    }
    static QByteArray Contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString Design(const QString& name, const QList<LabelRecords::TRecord>& items, QByteArrayView imageName)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        [&] { QVERIFY(file.open(QIODevice::WriteOnly) && file.write(LabelRecords::DesignFile(items, imageName)) > 0); }();
        return path;
    }
    // A design file of one graphic of random pixels: its body is about a byte per pixel.
    QString LargeImage(const QString& name, int width, int height)
    {
        QByteArray bits(TMonochromePicture::FileByteCount(width, height), Qt::Uninitialized);
        QRandomGenerator random(7);
        for (char& byte : bits)
            byte = char(random.bounded(256));
        return Design(name, {LabelRecords::Graphic(0, 0, width, height, bits)}, "LARGE");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // The station copies each image body into its working folder.
        m_workingFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(m_workingFolder); }
    void init()
    {
        AppTest::UseQuietSettings();
        m_windows = std::make_unique<TStationWindows>();
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&Form()));
    }
    void cleanup()
    {
        m_windows.reset();
        m_printer.reset();
        QFile::remove(LogPath());
    }

    void aFileOfAnotherProgramIsPassedOverAndTheRestArriveAsEncoded_data()
    {
        QTest::addColumn<double>("loss");
        QTest::newRow("loss-free") << 0.0;
        QTest::newRow("10 % of packets lost each way") << 0.1;
    }
    void aFileOfAnotherProgramIsPassedOverAndTheRestArriveAsEncoded()
    {
        QFETCH(double, loss);
        Connect(TInProcessPrinter::Config(QStringLiteral("LINE1")));
        // With this seed one packet to the printer is lost and three from it arrive damaged.
        m_printer->Printer.Faults().SetSeed(11);
        m_printer->Printer.Faults().DropIncoming = loss;
        m_printer->Printer.Faults().CorruptOutgoing = loss;
        const QString one = File(QStringLiteral("One.Vega"), "ONE");
        File(QStringLiteral("Two.Vega"), "TWO", "another program");
        const QString three = File(QStringLiteral("Three.Vega"), "THREE");
        const int boxes = TMessageBox::ShownCount();
        TMessageBox::SetNextAnswer(QMessageBox::Ok);
        Transfer({"One.Vega", "Two.Vega", "Three.Vega"});

        QVERIFY(Window().isVisible()); // the first file has started
        QCOMPARE(FileNameShown(), QStringLiteral("one.vega"));
        QVERIFY(!ManagerEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(Received(), (QStringList{"ImageData ONE", "ImageData THREE", "FlashWrite"}), 60000);
        QCOMPARE(TMessageBox::ShownCount(), boxes + 1);
        QCOMPARE(TMessageBox::LastShown().Text, QStringLiteral("INVALID FILE TYPE, TRANSFER OF IMAGE ABORTED"));
        QCOMPARE(TMessageBox::LastShown().Icon, QMessageBox::Critical);
        QCOMPARE(TMessageBox::LastShown().Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(ReceivedImageBodies(), (QList<QByteArray>{Encoded(one), Encoded(three)}));
        QCOMPARE(Contents(QStringLiteral("scltest.dta")), Encoded(three));
        QTRY_VERIFY(!Window().isVisible());
        QVERIFY(ManagerEnabled());
    }

    // The printer holds the image HELD; the barcode of LOW is one dot high, which no scanner reads.
    void aQuestionDecidesWhetherTheFileGoes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("received");
        const QString overwrite = QStringLiteral("IMAGE HELD EXISTS, OVERWRITE?");
        const QString barcode =
            QStringLiteral("BARCODE OF ITEM 1 DOES NOT READ BACK (no barcode found). TRANSFER ANYWAY?");
        QTest::newRow("overwrite declined: the batch ends at once")
            << "held.Vega" << QMessageBox::Cancel << overwrite << QStringList{"FlashWrite"};
        QTest::newRow("overwrite accepted")
            << "held.Vega" << QMessageBox::Ok << overwrite << QStringList{"ImageData HELD", "FlashWrite"};
        QTest::newRow("unreadable barcode declined")
            << "low.Vega" << QMessageBox::Cancel << barcode << QStringList{"FlashWrite"};
        QTest::newRow("unreadable barcode accepted")
            << "low.Vega" << QMessageBox::Ok << barcode << QStringList{"ImageData LOW", "FlashWrite"};
    }
    void aQuestionDecidesWhetherTheFileGoes()
    {
        QFETCH(QString, file);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, question);
        QFETCH(QStringList, received);
        const TSimPrinterConfig config = TInProcessPrinter::Config(QStringLiteral("LINE1"));
        m_printer = std::make_unique<TInProcessPrinter>(config, LogPath());
        const QString held = File(QStringLiteral("held.Vega"), "HELD");
        QVERIFY(m_printer->Printer.State().StoreImage(QStringLiteral("HELD"), Encoded(held)));
        ConnectPrinter(config); // the printer holds the image before the station connects
        Design(QStringLiteral("low.Vega"), {LabelRecords::Code128("ABC-123", 30, 30, 1, 2)}, "LOW");
        const int boxes = TMessageBox::ShownCount();
        TMessageBox::SetNextAnswer(answer);
        Transfer({file});

        QTRY_COMPARE(Received(), received);
        QCOMPARE(TMessageBox::ShownCount(), boxes + 1);
        QCOMPARE(TMessageBox::LastShown().Text, question);
        QCOMPARE(TMessageBox::LastShown().Icon, QMessageBox::Critical);
        QCOMPARE(TMessageBox::LastShown().Buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QTRY_VERIFY(!Window().isVisible());
        QVERIFY(!m_windows->Station().Batch().IsRunning());
        QVERIFY(ManagerEnabled());
    }

    void aPrinterWithoutRoomEndsTheBatchWithABox()
    {
        TSimPrinterConfig config = TInProcessPrinter::Config(QStringLiteral("LINE1"));
        config.MemoryBytes = 0;
        Connect(config);
        File(QStringLiteral("one.Vega"), "ONE");
        File(QStringLiteral("two.Vega"), "TWO");
        const int boxes = TMessageBox::ShownCount();
        TMessageBox::SetNextAnswer(QMessageBox::Cancel);
        Transfer({"one.Vega", "two.Vega"});

        QTRY_COMPARE(TMessageBox::ShownCount(), boxes + 1);
        QCOMPARE(TMessageBox::LastShown().Text, QStringLiteral("Insufficient Memory to Store Image. Transfer Aborted"));
        QCOMPARE(TMessageBox::LastShown().Icon, QMessageBox::Critical);
        QCOMPARE(TMessageBox::LastShown().Buttons, QMessageBox::StandardButtons(QMessageBox::Cancel));
        QVERIFY(!Window().isVisible());
        QVERIFY(ManagerEnabled());
        QTest::qWait(200);
        QCOMPARE(Received(), QStringList{"ImageData ONE"});
    }

    // "Cancel" hides the window while the image goes on; the main window's title says how far.
    void theBarRisesWithTheAcknowledgementsAndTheTitleFollowsItWhileHidden()
    {
        Connect(TInProcessPrinter::Config(QStringLiteral("LINE1")));
        const QString large = LargeImage(QStringLiteral("Large.Vega"), 640, 320);
        const QByteArray body = Encoded(large);
        QVERIFY2(body.size() >= 200 * 1024, qPrintable(QString::number(body.size())));
        auto* bar = In<QProgressBar>("progressBar");
        QSignalSpy moved(bar, &QProgressBar::valueChanged);
        // The operator clicks "Cancel" once a tenth has gone, and looks at the main window.
        QString titleAfterCancel;
        bool managerEnabledAfterCancel = false;
        QObject operatorHand; // its calls end with the test
        connect(bar, &QProgressBar::valueChanged, &operatorHand, [&](int value) {
            if (value < 10 || !titleAfterCancel.isEmpty())
                return;
            titleAfterCancel = QStringLiteral("not clicked yet");
            QTimer::singleShot(0, &operatorHand, [&] {
                QTest::mouseClick(In<QPushButton>("cancelButton"), Qt::LeftButton);
                titleAfterCancel = Form().windowTitle();
                managerEnabledAfterCancel = ManagerEnabled() && !Window().isVisible();
            });
        });
        Transfer({"Large.Vega"});
        QVERIFY(Window().isVisible());
        QCOMPARE(bar->value(), 0);
        QVERIFY(!ManagerEnabled());

        QTRY_COMPARE_WITH_TIMEOUT(Received(), (QStringList{"ImageData LARGE", "FlashWrite"}), 30000);
        QCOMPARE(ReceivedImageBodies(), QList<QByteArray>{body});

        QList<int> values;
        QStringList shown;
        for (const QList<QVariant>& change : moved) {
            values << change.at(0).toInt();
            shown << change.at(0).toString();
        }
        QVERIFY(values.size() > 50); // in steps, one per packet
        QCOMPARE(values.last(), 100);
        QVERIFY2(std::is_sorted(values.begin(), values.end()), qPrintable(shown.join(QLatin1Char(' '))));
        QVERIFY2(QRegularExpression(QStringLiteral("^[1-9][0-9]% large.vega - Telvos Vex$")).match(titleAfterCancel).hasMatch(),
                 qPrintable(titleAfterCancel));
        QVERIFY(managerEnabledAfterCancel);
        QCOMPARE(Form().windowTitle(), QStringLiteral("Telvos Vex"));
        QVERIFY(!Window().isVisible());
    }

    // The window shows the name without its folder, in lower case. The file dialog opens in the
    // folder of the last transfer, also of one in an earlier run, and keeps the folder chosen.
    void theFileIsShownInLowerCaseAndItsFolderRemembered()
    {
        Connect(TInProcessPrinter::Config(QStringLiteral("LINE1")));
        const QString earlier = m_dir.filePath(QStringLiteral("Night Shift"));
        const QString folder = m_dir.filePath(QStringLiteral("Day Shift"));
        QVERIFY(QDir().mkpath(earlier) && QDir().mkpath(folder));
        QVERIFY(TDesignFileWriter::SmallImage("MIXED").WriteTo(folder + QStringLiteral("/Mixed CASE.Vega")));
        const QString folderKey = QLatin1String(SettingsStore::TransferDirectory);
        SettingsStore::SetValue(folderKey, earlier);
        QString opened;
        AppTest::OnNextModal([&](QWidget* dialog) {
            opened = qobject_cast<QFileDialog*>(dialog)->directory().absolutePath();
            QVERIFY(AppTest::ChooseFiles(dialog, folder, {"Mixed CASE.Vega"}));
        });
        QVERIFY(AppTest::ClickMenu(Form(), {"Images", "Transfer"}));
        QCOMPARE(opened, QDir(earlier).absolutePath());

        QTRY_COMPARE(Received(), (QStringList{"ImageData MIXED", "FlashWrite"}));
        QCOMPARE(FileNameShown(), QStringLiteral("mixed case.vega"));
        QCOMPARE(In<QLineEdit>("imageEdit")->text(), QStringLiteral("MIXED"));
        QCOMPARE(SettingsStore::Value(folderKey).toString(), QDir(folder).absolutePath());
    }

    void theWindowAndItsQuestionSpeakTheLanguageChosen()
    {
        QTemporaryDir programFolder;
        QVERIFY(QFile::copy(QStringLiteral(VEX_GERMAN_PACK), programFolder.filePath(QStringLiteral("vex.DEU"))));
        m_windows.reset();
        m_windows = std::make_unique<TStationWindows>(programFolder.filePath(QStringLiteral("vex")));
        m_windows->Start();
        QVERIFY(AppTest::ClickMenu(Form(), {"Settings", "Language", "Deutsch"}));
        QTRY_COMPARE(Window().windowTitle(), QStringLiteral("Bildübertragung"));
        QCOMPARE(Window().findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text(), QStringLiteral("Dateiname:"));
        QCOMPARE(In<QProgressBar>("progressBar")->accessibleName(), QStringLiteral("Übertragungsfortschritt"));
        QCOMPARE(In<QPushButton>("cancelButton")->text(), QStringLiteral("Abbrechen"));
        TMessageBox::SetNextAnswer(QMessageBox::Cancel);
        QVERIFY(!Window().ConfirmOverwrite(QStringLiteral("HELD")));
        QCOMPARE(TMessageBox::LastShown().Text, QStringLiteral("BILD HELD IST BEREITS VORHANDEN, ÜBERSCHREIBEN?"));
    }

    void everyControlHasAnAccessibleName()
    {
        const auto name = [](QWidget* control) {
            return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        };
        QCOMPARE(name(In<QLineEdit>("fileNameEdit")), QStringLiteral("Filename:"));
        QCOMPARE(name(In<QLineEdit>("imageEdit")), QStringLiteral("Image:"));
        QCOMPARE(name(In<QProgressBar>("progressBar")), QStringLiteral("Transfer progress"));
        QCOMPARE(name(In<QPushButton>("cancelButton")), QStringLiteral("Cancel"));
    }
};

QTEST_MAIN(TestImageDownloadForm)
#include "tst_imagedownloadform.moc"
