// The print window opened from the main menu, against a simulated printer in this process on a
// serial line; the main window's print lamp against a printer the test speaks for itself.
#include "AppTestSupport.h"
#include "FakeTcpPrinter.h"
#include "InProcessPrinter.h"
#include "TestSupport.h"
#include "app/StationWindows.h"
#include "app/main/VexMainForm.h"
#include "app/print/PrintForm.h"
#include "coder/Coder.h"
#include "comm/NetChannel.h"
#include "comm/SerialChannel.h"
#include "station/Station.h"
#include "widgets/Lamp.h"

#include <QComboBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestPrintForm : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TStationWindows> m_windows;
    std::unique_ptr<TInProcessPrinter> m_printer;

    TVexMainForm& Main() { return m_windows->MainForm(); }
    TPrintForm& Form() { return *Main().findChild<TPrintForm*>(); }
    TConnectionManager& Manager() { return m_windows->Station().Manager(); }
    template <typename Widget> Widget* Child(const char* name)
    {
        return Form().findChild<Widget*>(QLatin1String(name));
    }
    QStringList Entries(const char* list)
    {
        QStringList entries;
        for (int row = 0; row < Child<QComboBox>(list)->count(); ++row)
            entries << Child<QComboBox>(list)->itemText(row);
        return entries;
    }
    QString LogPath() const { return m_dir.filePath(QStringLiteral("printer.jsonl")); }
    // A printer of the model that stores the images (after its own two, in this order) and has the
    // current images, connected on a serial port and shown in the main window.
    void Connect(quint8 model, const QStringList& images, const QString& imageB = {})
    {
        m_printer = std::make_unique<TInProcessPrinter>(
            TInProcessPrinter::Config(QStringLiteral("LINE1"), model), LogPath());
        TSimPrinterState& state = m_printer->Printer.State();
        for (const QString& name : images)
            QVERIFY(name.startsWith(QLatin1Char('-')) ? state.DeleteImage(name.mid(1))
                                                      : state.StoreImage(name, {}));
        state.CurrentImageB = imageB;
        m_printer->ConnectTo(Manager());
        QTRY_COMPARE(Main().findChild<QLabel*>(QStringLiteral("printerValue"))->text(),
                     QStringLiteral("LINE1"));
        QTRY_COMPARE(TCoder::Of(*Manager().SelectedChannel()).Images, state.ImageNames());
    }
    void Open()
    {
        QVERIFY(AppTest::ClickMenu(Main(), {"Images", "Print"}));
        QTRY_VERIFY(Form().isVisible());
    }
    // The bodies of the messages of the kind that reached the printer.
    QList<QByteArray> Received(TXLMessageKind kind) const
    {
        QFile file(LogPath());
        QList<QByteArray> bodies;
        if (!file.open(QIODevice::ReadOnly))
            return bodies;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            if (object.value(QStringLiteral("dir")).toString() == QLatin1String("in") &&
                object.value(QStringLiteral("id")).toInt() == kind.Id &&
                object.value(QStringLiteral("sub")).toInt() == kind.Sub)
                bodies << QByteArray::fromHex(object.value(QStringLiteral("body")).toString().toLatin1());
        }
        return bodies;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        AppTest::UseQuietSettings();
        m_windows = std::make_unique<TStationWindows>();
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&Main()));
    }
    void cleanup()
    {
        m_windows.reset();
        m_printer.reset();
    }

    void theWindowOffersTheImagesOfThePrintersModel_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::addColumn<QString>("labelA");
        QTest::addColumn<bool>("rowB");
        QTest::newRow("Deneb") << PrinterModels::Deneb << "Current image A:" << true;
        QTest::newRow("Vega") << PrinterModels::Vega << "Current image:" << false;
        QTest::newRow("Altair") << PrinterModels::Altair << "Current image:" << false;
    }
    void theWindowOffersTheImagesOfThePrintersModel()
    {
        QFETCH(quint8, model);
        QFETCH(QString, labelA);
        QFETCH(bool, rowB);
        Connect(model, {"zeta", "ALPHA", "beta"}, QStringLiteral("beta"));
        Open();
        QCOMPARE(Form().windowTitle(), QStringLiteral("Print"));
        QCOMPARE(Form().size(), TPrintForm::ClientSize);
        QCOMPARE(Child<QLabel>("imageALabel")->text(), labelA);
        const QStringList sorted{"ALPHA", "beta", "DEMO", "Telvos", "zeta"};
        QCOMPARE(Entries("imageAList"), sorted);
        QCOMPARE(Child<QComboBox>("imageAList")->currentText(), QStringLiteral("DEMO"));
        QCOMPARE(Child<QComboBox>("imageBList")->isVisible(), rowB);
        QCOMPARE(Child<QLabel>("imageBLabel")->isVisible(), rowB);
        if (rowB) {
            QCOMPARE(Entries("imageBList"), sorted);
            QCOMPARE(Child<QComboBox>("imageBList")->currentText(), QStringLiteral("beta"));
        }
        QVERIFY(!Manager().IsEnabled());
        for (const char* button : {"startButton", "stopButton", "closeButton"})
            QVERIFY(Child<QPushButton>(button)->font().bold());
    }

    // keys: pressed on list A (and on list B for Deneb) before "Start".
    void startSendsTheChosenImages_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::addColumn<QStringList>("images");
        QTest::addColumn<int>("keysA");
        QTest::addColumn<int>("keysB");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one image, as preselected")
            << PrinterModels::Vega << QStringList{} << 0 << 0 << QByteArray("DEMO\0\0", 6) << "DEMO";
        QTest::newRow("one image, another chosen")
            << PrinterModels::Lyra << QStringList{"ONE"} << 1 << 0 << QByteArray("ONE\0\0", 5) << "ONE";
        QTest::newRow("two images") << PrinterModels::Deneb << QStringList{"ONE"} << 1 << 2
                                    << QByteArray("ONE\0Telvos\0", 11) << "ONE, Telvos";
        QTest::newRow("no images") << PrinterModels::Vega << QStringList{"-Telvos", "-DEMO"} << 0 << 0
                                   << QByteArray("\0\0", 2) << "";
    }
    void startSendsTheChosenImages()
    {
        QFETCH(quint8, model);
        QFETCH(QStringList, images);
        QFETCH(int, keysA);
        QFETCH(int, keysB);
        QFETCH(QByteArray, body);
        QFETCH(QString, shown);
        Connect(model, images, model == PrinterModels::Deneb ? QStringLiteral("DEMO") : QString());
        Open();
        for (int key = 0; key < keysA; ++key)
            QTest::keyClick(Child<QComboBox>("imageAList"), Qt::Key_Down);
        for (int key = 0; key < keysB; ++key)
            QTest::keyClick(Child<QComboBox>("imageBList"), Qt::Key_Down);
        QTest::mouseClick(Child<QPushButton>("startButton"), Qt::LeftButton);
        QVERIFY(!Form().isVisible());
        QVERIFY(Manager().IsEnabled());
        QTRY_COMPARE(Received(XLSend::StartPrint), QList<QByteArray>{body});
        QTRY_VERIFY(Main().findChild<TLamp*>(QStringLiteral("printLamp"))->IsLit());
        QCOMPARE(Main().findChild<QLabel*>(QStringLiteral("imageValue"))->text(), shown);
    }

    void stopSendsStopPrint()
    {
        Connect(PrinterModels::Vega, {});
        Open();
        QTest::mouseClick(Child<QPushButton>("stopButton"), Qt::LeftButton);
        QVERIFY(!Form().isVisible());
        QVERIFY(Manager().IsEnabled());
        QTRY_COMPARE(Received(XLSend::StopPrint), QList<QByteArray>{QByteArray()});
        QCOMPARE(Received(XLSend::StartPrint), QList<QByteArray>{});
    }

    // However the window goes, the "Connections" window is enabled again and nothing is sent.
    void theWindowClosesWithoutSending_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Close") << "Close";
        QTest::newRow("title bar") << "title bar";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("another printer selected") << "another printer";
    }
    void theWindowClosesWithoutSending()
    {
        QFETCH(QString, how);
        Connect(PrinterModels::Vega, {});
        Open();
        std::unique_ptr<TInProcessPrinter> other;
        if (how == QLatin1String("Close")) {
            QTest::mouseClick(Child<QPushButton>("closeButton"), Qt::LeftButton);
        } else if (how == QLatin1String("title bar")) {
            Form().close();
        } else if (how == QLatin1String("Escape")) {
            QTest::keyClick(Child<QComboBox>("imageAList"), Qt::Key_Escape);
        } else {
            other = std::make_unique<TInProcessPrinter>(QStringLiteral("LINE2"),
                                                        m_dir.filePath(QStringLiteral("other.jsonl")));
            Manager().ConnectPrinter(
                Manager().AddSerialPrinter(QStringLiteral("COM8"), 8, other->Pty.SlavePath())->Id());
            QTRY_COMPARE(TCoder::Of(*Manager().SelectedChannel()).PrinterName, QStringLiteral("LINE2"));
        }
        QTRY_VERIFY(!Form().isVisible());
        QVERIFY(Manager().IsEnabled());
        QVERIFY(Main().isEnabled());
        QTest::qWait(200);
        QCOMPARE(Received(XLSend::StartPrint), QList<QByteArray>{});
        QCOMPARE(Received(XLSend::StopPrint), QList<QByteArray>{});
    }

    void nothingOpensWithoutASelectedPrinter()
    {
        Form().ShowPrintWindow();
        QVERIFY(!Form().isVisible());
        QVERIFY(Manager().IsEnabled());
    }

    // The printer acknowledges Start at once but reports printing only when the test says so.
    void thePrintLampBlinksUntilThePrinterReportsPrinting()
    {
        TFakeTcpPrinter printer;
        const qsizetype before = printer.Received.size();
        const quint64 id = TestSupport::StartConnectingOverTcp(Manager(), printer.Port());
        QVERIFY(id);
        QTRY_VERIFY(std::any_of(printer.Received.begin() + before, printer.Received.end(),
                                [](const TSentPacket& packet) {
                                    return packet.MsgId == XLSend::ConnectRequest.Id &&
                                           packet.MsgSub == XLSend::ConnectRequest.Sub;
                                }));
        TXLMessage ack(XLReceive::ConnectionId, quint16(0x0100 | PrinterModels::Vega));
        ack.WriteU16(0x0001);
        ack.WriteString(QStringLiteral("ONE"));
        ack.WriteString(QString());
        ack.WriteString(QStringLiteral("LINE1"));
        printer.Send(ack, 1);
        TXLMessage images(XLReceive::StatusId, XLReceive::ImageList);
        images.WriteString(QStringLiteral("ONE"));
        printer.Send(images, 2);
        QTRY_COMPARE(TCoder::Of(*Manager().FindChannel(id)).Images, QStringList{"ONE"});

        Open();
        TLamp* lamp = Main().findChild<TLamp*>(QStringLiteral("printLamp"));
        QVERIFY(!lamp->IsLit());
        QTest::mouseClick(Child<QPushButton>("startButton"), Qt::LeftButton);
        QTRY_VERIFY(Main().FlashTimer().isActive());
        QTRY_VERIFY_WITH_TIMEOUT(lamp->IsLit(), 2 * TVexMainForm::FlashMs);
        QTRY_VERIFY_WITH_TIMEOUT(!lamp->IsLit(), 2 * TVexMainForm::FlashMs);

        TXLMessage started(XLReceive::StatusId, XLReceive::PrintStarted);
        started.WriteU32(12);
        started.WriteString(QStringLiteral("ONE"));
        started.WriteString(QString());
        printer.Send(started, 3);
        QTRY_VERIFY(!Main().FlashTimer().isActive());
        QVERIFY(lamp->IsLit());
        QCOMPARE(printer.ReceivedBodies.count(QByteArray("ONE\0\0", 5)), 1);
    }
};

QTEST_MAIN(TestPrintForm)
#include "tst_printform.moc"
