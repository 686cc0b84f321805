// The parameters editor's logic against a simulated printer in this process: the parameters are
// read, edited, saved, loaded and written back, and the printer's log shows what reached it.
#include "InProcessPrinter.h"
#include "RecordingViews.h"
#include "coder/Coder.h"
#include "images/FontUnit.h"
#include "parameters/ParameterEditor.h"
#include "station/Station.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The windows, with the parameters window's logic behind the parameters view, as the window
// program has it.
class TEditorViews : public TRecordingViews
{
public:
    TParameterEditor Editor;
    int ParameterReports = 0;

    void SetParameters(const TXLMessage& parameterData) override
    {
        TRecordingViews::SetParameters(parameterData);
        Editor.SetParameters(parameterData);
        ++ParameterReports;
    }
};

} // namespace

class TestParameterEditing : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TEditorViews m_views;
    TFontMap m_fonts;
    std::unique_ptr<TStation> m_station;
    std::unique_ptr<TInProcessPrinter> m_printer;

    TConnectionManager& Manager() { return m_station->Manager(); }
    TParameterEditor& Editor() { return m_views.Editor; }

    // A printer of the model, connected and selected.
    void StartPrinter(quint8 model)
    {
        m_printer =
            std::make_unique<TInProcessPrinter>(TInProcessPrinter::Config(QStringLiteral("SIM"), model),
                                                m_dir.filePath(QStringLiteral("printer.jsonl")));
        QVERIFY(m_printer->ConnectTo(Manager(), TInProcessPrinter::TMedium::Network) != 0);
    }

    // Asks the printer for its parameters and waits until the editor has them.
    void ReadParameters()
    {
        const int reports = m_views.ParameterReports;
        Manager().SendToSelected(std::make_unique<TXLMessage>(XLSend::RequestParameters));
        QTRY_COMPARE(m_views.ParameterReports, reports + 1);
    }

    // The parameter writes and flash writes that reached the printer: "8 = 1", "FlashWrite".
    QStringList Written() const
    {
        QStringList written;
        for (TXLMessage message : m_printer->ReceivedMessages()) {
            if (message.Id == XLSend::WriteParameterId)
                written << QStringLiteral("%1 = %2").arg(message.Sub).arg(qint32(message.ReadU32()));
            else if (message.Is(XLSend::FlashWrite))
                written << QStringLiteral("FlashWrite");
        }
        return written;
    }

    void SendAndAwaitFlashWrite()
    {
        Editor().SendChanges(Manager());
        Editor().Close();
        QTRY_VERIFY(Written().contains(QStringLiteral("FlashWrite")));
        QTRY_COMPARE(m_views.CallsStartingWith(QStringLiteral("HideFlashWrite")).size(), 1);
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_views = TEditorViews();
        const TDiscoveryAddress discovery = TDiscoveryAddress::NothingToFind();
        m_station = std::make_unique<TStation>(m_views.Views(), m_fonts, discovery);
    }
    void cleanup()
    {
        m_station.reset();
        m_printer.reset();
    }

    // A setting chosen on the page of the printer's model is written, then the flash.
    void aChangedSettingIsWrittenThenTheFlash_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("Deneb print direction A")
            << PrinterModels::Deneb << "Print direction A" << QStringList{"8 = 1", "FlashWrite"};
        QTest::newRow("Altair inhibit delay")
            << PrinterModels::Altair << "Inhibit delay" << QStringList{"18 = 1", "FlashWrite"};
    }
    void aChangedSettingIsWrittenThenTheFlash()
    {
        QFETCH(quint8, model);
        QFETCH(QString, label);
        QFETCH(QStringList, written);
        StartPrinter(model);
        ReadParameters();
        QCOMPARE(Editor().ModelCode(), model);
        const int row = Editor().FindRow(label);
        QVERIFY(row >= 0);
        QCOMPARE(Editor().ChooseEntry(row, 1).Outcome, TEditResult::TOutcome::Stored);

        SendAndAwaitFlashWrite();
        QCOMPARE(Written(), written);
        const int number = written.first().section(QLatin1Char(' '), 0, 0).toInt();
        QCOMPARE(m_printer->Printer.State().Parameters.Value(number), 1);
        QCOMPARE(m_views.CallsStartingWith(QStringLiteral("ShowFlashWrite")).size(), 1);
    }

    // Saved, cancelled, then loaded while the printer has changed a setting on its own: loading
    // brings back what was saved, and accepting writes exactly the settings in which the file
    // differs from the printer, in the model's order.
    void aLoadedFileWritesWhatDiffersFromThePrinter()
    {
        StartPrinter(PrinterModels::Lyra);
        ReadParameters();
        QCOMPARE(Editor().Edited().Speed, 3000);
        Editor().ChooseEntry(Editor().FindRow("Rotate print"), 1);
        Editor().LeaveNumber(Editor().FindRow("Speed"), 2500);
        Editor().LeaveNumber(Editor().FindRow("Spit Interval"), 2);
        const QString path = m_dir.filePath(QStringLiteral("lyra.prm"));
        QVERIFY(Editor().Save(path).Ok());
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray file = saved.readAll();
        Editor().Close(); // cancelled

        m_printer->Printer.State().Parameters.Write(ParameterNo::Debounce, 77);
        ReadParameters();
        QCOMPARE(Editor().Edited().Debounce, 77);
        QVERIFY(Editor().Load(path).Ok());
        QBuffer loaded;
        loaded.open(QIODevice::WriteOnly);
        QVERIFY(SaveParameterFile(loaded, Editor().ModelCode(), Editor().Edited()));
        QCOMPARE(loaded.data(), file);

        QVERIFY(Written().isEmpty()); // nothing before the operator accepts
        SendAndAwaitFlashWrite();
        QCOMPARE(Written(), (QStringList{"5 = 10", "14 = 5", "1 = 1", "11 = 2500", "21 = 2", "FlashWrite"}));
    }

    void aFileOfAnotherModelIsRefused()
    {
        StartPrinter(PrinterModels::Altair);
        ReadParameters();
        const QString path = m_dir.filePath(QStringLiteral("altair.prm"));
        QVERIFY(Editor().Save(path).Ok());

        m_printer->Printer.State().Model = PrinterModels::Rigel;
        ReadParameters();
        QCOMPARE(Editor().Page(), ParameterPages::TPage::Rigel);
        QCOMPARE(Editor().Load(path).Error, QStringLiteral("Incompatible printer type"));
        Editor().SendChanges(Manager());
        QTest::qWait(50);
        QVERIFY(Written().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestParameterEditing)
#include "tst_parameterediting.moc"
