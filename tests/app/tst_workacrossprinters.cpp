// The windows' work while printers come, go and report more than a printer can hold: the
// "Connections" window stays disabled while any window that works with the selected printer is open,
// a batch that ends early flashes what went and names what did not, and a printer's oversized image
// list does not freeze the windows.
#include "AppTestSupport.h"
#include "DesignFileWriter.h"
#include "FakeTcpPrinter.h"
#include "SimulatorProcess.h"
#include "TestSupport.h"
#include "app/StationWindows.h"
#include "app/main/VexMainForm.h"
#include "app/operator/MessageForm.h"
#include "app/parameters/ParametersForm.h"
#include "app/print/PrintForm.h"
#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "station/Station.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

template <typename Form> Form* TopLevel()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form*>(window))
            return form;
    return nullptr;
}

void Click(QWidget* window, const char* button)
{
    QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

// The longest time the event loop went without turning, while it is watched.
class TStallWatch
{
public:
    TStallWatch()
    {
        m_tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_tick, &QTimer::timeout, &m_tick, [this] {
            m_longestMs = qMax(m_longestMs, m_sinceTick.restart());
        });
        m_sinceTick.start();
        m_tick.start(5);
    }
    qint64 LongestMs() const { return m_longestMs; }

private:
    QTimer m_tick;
    QElapsedTimer m_sinceTick;
    qint64 m_longestMs = 0;
};

} // namespace

class TestWorkAcrossPrinters : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TStationWindows> m_windows;
    std::list<TSimulatorProcess> m_printers;

    TConnectionManager& Manager() { return m_windows->Station().Manager(); }
    TVexMainForm& Main() { return m_windows->MainForm(); }
    QString File(const char* name, const QByteArray& imageName)
    {
        const QString path = m_dir.filePath(QLatin1String(name));
        TDesignFileWriter::SmallImage(imageName).WriteTo(path);
        return path;
    }
    // A simulator on loopback TCP under the name, connected and selected: its channel's id.
    quint64 Connect(const QString& name, const QStringList& options = {})
    {
        TSimulatorProcess& printer = m_printers.emplace_back();
        if (!printer.Start(QStringList{"--tcp", "0", "--no-discovery", "--name", name} + options))
            qFatal("the simulator did not start: %s", qPrintable(printer.ErrorOutput()));
        const quint64 id = TestSupport::StartConnectingOverTcp(Manager(), printer.TcpPort());
        if (!id || !QTest::qWaitFor([&] {
                const TCommChannel* selected = Manager().SelectedChannel();
                return selected && selected->Id() == id && !TCoder::Of(*selected).Images.isEmpty();
            }))
            qFatal("the simulator did not connect");
        return id;
    }
    // The image messages and flash writes that reached the printer, in order.
    static QStringList ImagesAndFlashWrites(const TSimulatorProcess& printer)
    {
        QStringList received;
        for (const QJsonObject& line : printer.Log()) {
            const int id = line.value(QStringLiteral("id")).toInt();
            const int sub = line.value(QStringLiteral("sub")).toInt();
            if (line.value(QStringLiteral("dir")) != QLatin1String("in") || id != XLSend::ImageData.Id)
                continue;
            const QByteArray body = QByteArray::fromHex(line.value(QStringLiteral("body")).toString().toLatin1());
            if (sub == XLSend::ImageData.Sub)
                received << QStringLiteral("ImageData ") + QString::fromLatin1(body.constData());
            else if (sub == XLSend::FlashWrite.Sub)
                received << QStringLiteral("FlashWrite");
        }
        return received;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void init()
    {
        AppTest::UseQuietSettings();
        m_windows = std::make_unique<TStationWindows>();
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&Main()));
    }
    void cleanup()
    {
        m_windows.reset();
        m_printers.clear();
    }

    // open: the window that stays open; meanwhile another one opens and closes. The "Connections"
    // window stays disabled until the first one closes too.
    void theConnectionsWindowStaysDisabledWhileAnyWindowThatDisabledItIsOpen_data()
    {
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("meanwhile");
        QTest::newRow("the parameters editor, then the print window") << "parameters" << "print";
        QTest::newRow("the parameters editor, then an operator request") << "parameters" << "request";
        QTest::newRow("the print window, then an operator request") << "print" << "request";
    }
    void theConnectionsWindowStaysDisabledWhileAnyWindowThatDisabledItIsOpen()
    {
        QFETCH(QString, open);
        QFETCH(QString, meanwhile);
        Connect(QStringLiteral("LINE1"));
        TSimulatorProcess& printer = m_printers.back();
        const auto show = [this, &printer](const QString& window) {
            if (window == QLatin1String("parameters")) {
                QVERIFY(AppTest::ClickMenu(Main(), {"Printer", "Parameters"}));
                QTRY_VERIFY(TopLevel<TParametersForm>() && TopLevel<TParametersForm>()->isVisible());
            } else if (window == QLatin1String("print")) {
                QVERIFY(AppTest::ClickMenu(Main(), {"Images", "Print"}));
                QTRY_VERIFY(TopLevel<TPrintForm>() && TopLevel<TPrintForm>()->isVisible());
            } else {
                bool answered = false;
                AppTest::OnNextModal([&answered](QWidget* request) {
                    Click(request, "saveButton");
                    answered = true;
                });
                printer.Command("request text Lot? A 5");
                QTRY_VERIFY(answered);
            }
        };
        const auto close = [](const QString& window) {
            if (window == QLatin1String("parameters"))
                Click(TopLevel<TParametersForm>(), "cancelButton");
            else if (window == QLatin1String("print"))
                Click(TopLevel<TPrintForm>(), "closeButton");
        };
        show(open);
        QVERIFY(!Manager().IsEnabled());
        show(meanwhile);
        close(meanwhile);
        QVERIFY(!Manager().IsEnabled());
        close(open);
        QTRY_VERIFY(Manager().IsEnabled());
    }

    // LINE1 holds TWO already: while the operator is asked whether to overwrite it (ONE has gone),
    // the batch ends. What went is written to flash while LINE1 is still there, and the operator is
    // told which files did not go.
    void aBatchEndedEarlyFlashesWhatWentAndNamesWhatDidNot_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QStringList>("received");
        QTest::newRow("another printer is selected") << "select" << QStringList{"ImageData ONE", "FlashWrite"};
        QTest::newRow("the station closes (Exit)") << "exit" << QStringList{"ImageData ONE", "FlashWrite"};
        QTest::newRow("the printer's link is lost") << "lost" << QStringList{"ImageData ONE"};
    }
    void aBatchEndedEarlyFlashesWhatWentAndNamesWhatDidNot()
    {
        QFETCH(QString, ending);
        QFETCH(QStringList, received);
        const quint64 line2 = Connect(QStringLiteral("LINE2"));
        Connect(QStringLiteral("LINE1"), {"--image", File("held.Vega", "TWO")});
        TSimulatorProcess& line1 = m_printers.back();
        const QStringList files{File("one.Vega", "ONE"), File("two.Vega", "TWO"), File("three.Vega", "THREE")};
        bool ended = false;
        QString told;
        AppTest::OnNextModal([&](QWidget* overwrite) {
            TMessageBox::SetNextAnswer(QMessageBox::Cancel); // the box that says the batch was aborted
            if (ending == QLatin1String("select"))
                Manager().SelectPrinter(line2);
            else if (ending == QLatin1String("exit"))
                Main().close();
            else
                line1.Stop();
            ended = QTest::qWaitFor([this] { return !m_windows->Station().Batch().IsRunning(); });
            told = TMessageBox::LastShown().Text;
            static_cast<QMessageBox*>(overwrite)->button(QMessageBox::Ok)->click();
        });
        QVERIFY(m_windows->Station().Batch().Start(files));
        QTRY_VERIFY(ended);
        QCOMPARE(told, QStringLiteral("Transfer Aborted. Not transferred: two.Vega, three.Vega"));
        QTest::qWait(300); // whatever would still go out, goes out now
        QCOMPARE(ImagesAndFlashWrites(line1), received);
    }

    // A printer reports 100,000 images: the station refuses the list, says so, and the windows go on
    // turning while it arrives.
    void anImageListLongerThanAPrinterCanHoldIsRefusedWithoutFreezingTheWindows()
    {
        TFakeTcpPrinter printer;
        const quint64 id = TestSupport::StartConnectingOverTcp(Manager(), printer.Port());
        QVERIFY(id != 0);
        const auto lastReceived = [&printer](TXLMessageKind kind) {
            return !printer.Received.isEmpty() && printer.Received.last().MsgId == kind.Id &&
                   printer.Received.last().MsgSub == kind.Sub;
        };
        QTRY_VERIFY(lastReceived(XLSend::ConnectRequest));
        TXLMessage connectAck(XLReceive::ConnectionId, 0x0101);
        connectAck.WriteBytes(QByteArray("\0\0\0\0LINE9\0", 10));
        printer.Send(connectAck, 1);
        QTRY_VERIFY(lastReceived(XLSend::RequestImageList));
        TXLMessage list(XLReceive::StatusId, XLReceive::ImageList);
        for (int image = 0; image < 100000; ++image)
            list.WriteBytes(QByteArray::number(image).rightJustified(8, 'I') + '\0');
        const QList<QByteArray> wire = PacketsOf(list, 2);
        TopLevel<TMessageForm>()->ShowMessage(QStringLiteral("-")); // its first showing is not measured

        const TStallWatch watch;
        for (const QByteArray& packet : wire)
            printer.WriteWire(packet);
        QTRY_COMPARE_WITH_TIMEOUT(TopLevel<TMessageForm>()->Message(), QStringLiteral("LINE9 - REPORT TOO LARGE, REFUSED!"),
                                  20000);
        QVERIFY2(watch.LongestMs() <= 100, qPrintable(QString::number(watch.LongestMs())));
        QVERIFY(TCoder::Of(*Manager().FindChannel(id)).Images.isEmpty());
    }
};

QTEST_MAIN(TestWorkAcrossPrinters)
#include "tst_workacrossprinters.moc"
