#include "InProcessPrinter.h"
#include "RecordingViews.h"
#include "coder/Coder.h"
#include "comm/SerialChannel.h"
#include "images/FontUnit.h"
#include "station/LinkShutdown.h"
#include "station/Station.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

class TestLinkShutdown : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TRecordingViews m_views;
    TFontMap m_fonts;
    std::unique_ptr<TStation> m_station;
    std::vector<std::unique_ptr<TInProcessPrinter>> m_printers;

    TConnectionManager& Manager() { return m_station->Manager(); }
    // A printer on a serial port, connected and selected.
    TInProcessPrinter* Connected(const QString& name)
    {
        m_printers.push_back(std::make_unique<TInProcessPrinter>(name, m_dir.filePath(name + ".jsonl")));
        TInProcessPrinter* printer = m_printers.back().get();
        const int port = int(m_printers.size());
        const quint64 id =
            Manager().AddSerialPrinter(QStringLiteral("COM%1").arg(port), port, printer->Pty.SlavePath())->Id();
        Manager().ConnectPrinter(id);
        const bool connected = QTest::qWaitFor([&] {
            const TCommChannel* selected = Manager().SelectedChannel();
            return selected && selected->Id() == id && !TCoder::Of(*selected).Images.isEmpty();
        });
        return connected ? printer : nullptr;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_views = TRecordingViews();
        TDiscoveryAddress discovery;
        discovery.Address = QHostAddress(QHostAddress::LocalHost);
        discovery.Port = 9; // nothing answers there
        discovery.LocalPort = 0;
        m_station = std::make_unique<TStation>(m_views.Views(), m_fonts, discovery);
    }
    void cleanup()
    {
        m_station.reset();
        m_printers.clear();
    }

    void withoutPrintersTheLinksCloseAtOnce()
    {
        bool done = false;
        LinkShutdown::Run(Manager(), [&] { done = true; });
        QVERIFY(done);
    }

    void everyPrinterIsToldBeforeItsLinkCloses()
    {
        TInProcessPrinter* a = Connected(QStringLiteral("A"));
        TInProcessPrinter* b = Connected(QStringLiteral("B"));
        QVERIFY(a && b);
        bool done = false;
        LinkShutdown::Run(Manager(), [&] { done = true; });
        QVERIFY(!done);
        QTRY_VERIFY(done);
        QVERIFY(a->Received().contains(QStringLiteral("DisconnectRequest")));
        QVERIFY(b->Received().contains(QStringLiteral("DisconnectRequest")));
        QVERIFY(Manager().ConnectedList().isEmpty());
        for (const TSerialChannel* channel : Manager().SerialList().Channels())
            QVERIFY(!channel->IsConnected());
    }

    void aPrinterThatTakesNothingIsLeftAfterTheTimeLimit()
    {
        TInProcessPrinter* printer = Connected(QStringLiteral("A"));
        QVERIFY(printer);
        printer->Printer.Faults().Silent = true;
        bool done = false;
        QElapsedTimer clock;
        clock.start();
        LinkShutdown::Run(Manager(), [&] { done = true; }, 300);
        QTRY_VERIFY(done);
        QVERIFY(clock.elapsed() >= 300);
        QVERIFY(Manager().ConnectedList().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLinkShutdown)
#include "tst_linkshutdown.moc"
