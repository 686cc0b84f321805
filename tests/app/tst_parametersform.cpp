// The parameters editor with a printer connected: a simulated printer in this process on a serial
// line, whose log gives what reached it. The editor opens as the operator opens it, from the main
// window's "Parameters", and is used with real mouse and key events.
#include "AppTestSupport.h"
#include "InProcessPrinter.h"
#include "app/StationWindows.h"
#include "app/main/VexMainForm.h"
#include "app/parameters/FlashWriteForm.h"
#include "app/parameters/ParametersForm.h"
#include "app/parameters/ParametersWindows.h"
#include "coder/Coder.h"
#include "comm/SerialChannel.h"
#include "station/Station.h"
#include "widgets/MessageBox.h"
#include "widgets/NumberEdit.h"
#include "widgets/SystemBeep.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using ParameterPages::TPage;

class TestParametersForm : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TStationWindows> m_windows;
    std::unique_ptr<TInProcessPrinter> m_printer;
    int m_beeps = 0;

    TVexMainForm& Main() { return m_windows->MainForm(); }
    TParametersForm& Form() { return m_windows->ParametersWindows().ParametersForm(); }
    TFlashWriteForm& Notice() { return m_windows->ParametersWindows().FlashWriteForm(); }
    TConnectionManager& Manager() { return m_windows->Station().Manager(); }
    const TParameterData& Edited() { return Form().Editor().Edited(); }
    QString DataFolder() const { return m_dir.filePath(QStringLiteral("Data")); }

    // A printer of the model on a serial line, connected and shown in the main window.
    void Connect(quint8 model, const std::function<void(TSimPrinterConfig&, TSimParameters&)>& set = {})
    {
        TSimPrinterConfig config = TInProcessPrinter::Config(QStringLiteral("LINE1"), model);
        TSimParameters parameters;
        if (set)
            set(config, parameters);
        m_printer =
            std::make_unique<TInProcessPrinter>(config, m_dir.filePath(QStringLiteral("printer.jsonl")));
        m_printer->Printer.State().Parameters = parameters;
        m_printer->ConnectTo(Manager());
        QTRY_COMPARE(Main().findChild<QLabel*>(QStringLiteral("printerValue"))->text(), config.Name);
    }
    // "Printer", "Parameters": the editor opens when the printer's parameters arrive.
    void OpenEditor()
    {
        QVERIFY(AppTest::ClickMenu(Main(), {"Printer", "Parameters"}));
        QTRY_VERIFY(Form().isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&Form()));
    }
    void Open(quint8 model, const std::function<void(TSimPrinterConfig&, TSimParameters&)>& set = {})
    {
        Connect(model, set);
        OpenEditor();
    }

    QGroupBox* VisiblePage()
    {
        QGroupBox* visible = nullptr;
        for (const TPage page : {TPage::Altair, TPage::Vega, TPage::Rigel, TPage::Deneb, TPage::Lyra})
            if (Form().PageBox(page) && Form().PageBox(page)->isVisible()) {
                if (visible)
                    return nullptr; // more than one
                visible = Form().PageBox(page);
            }
        return visible;
    }
    // The control of a row on the page shown, found as the operator finds it: by its label.
    template <typename Control> Control* Field(const QString& label)
    {
        QGroupBox* page = VisiblePage();
        for (QLabel* shown : page ? page->findChildren<QLabel*>() : QList<QLabel*>())
            if (shown->text() == label)
                return qobject_cast<Control*>(shown->buddy());
        return nullptr;
    }
    void Choose(const QString& label, const QString& entry)
    {
        auto* list = Field<QComboBox>(label);
        QVERIFY(list);
        const int position = list->findText(entry);
        QVERIFY(position >= 0);
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Home);
        for (int step = 0; step < position; ++step)
            QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), entry);
    }
    // Enters the field with the mouse and types from its first digit: over the digits selected
    // (the first digit typed stands in front of the decimal point), or over one digit after the
    // other. Tab leaves it.
    void Type(const QString& label, const QString& digits, bool selectDigits = true)
    {
        auto* field = Field<TNumberEdit>(label);
        QVERIFY(field);
        QTest::mouseClick(field, Qt::LeftButton);
        QTRY_VERIFY(field->hasFocus());
        QTest::keyClick(field, Qt::Key_Home);
        if (selectDigits)
            QTest::keyClick(field, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClicks(field, digits);
    }
    void Leave(const QString& label) { QTest::keyClick(Field<QWidget>(label), Qt::Key_Tab); }
    void Click(const char* button)
    {
        QTest::mouseClick(Form().findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }

    // The settings that reached the printer, "8 = 1", and "FlashWrite".
    QStringList Written() const
    {
        QStringList written;
        for (TXLMessage message : m_printer->ReceivedMessages())
            if (message.Id == XLSend::WriteParameterId)
                written << QStringLiteral("%1 = %2").arg(message.Sub).arg(qint32(message.ReadU32()));
            else if (message.Is(XLSend::FlashWrite))
                written << QStringLiteral("FlashWrite");
        return written;
    }
    // Whatever the station would still send has reached the printer.
    void Settle() { QTest::qWait(200); }

    void WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(QDir(DataFolder()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    // "File", "Save" or "Load", and the file typed into the dialog, in the folder it opens.
    void ChooseInFileDialog(const QString& entry, const QString& fileName)
    {
        bool chosen = false;
        AppTest::OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(QDir(dialog->directory()), QDir(DataFolder()));
            QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(),
                     QStringLiteral("LINE1"));
            QCOMPARE(dialog->nameFilters(), QStringList{"Parameter Files (*.prm)"});
            QVERIFY(AppTest::ChooseFiles(dialog, DataFolder(), {fileName}));
            chosen = true;
        });
        QVERIFY(AppTest::ClickMenu(*Form().findChild<QMenuBar*>(), {"File", entry}));
        QTRY_VERIFY(chosen);
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        // The file dialogs open "Data" in the working folder. A folder shown in it tells the
        // test that the dialog has read the folder.
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Data/archive")));
        QVERIFY(QDir::setCurrent(m_dir.path()));
        m_beeps = 0;
        SystemBeep::SetHook([this] { ++m_beeps; });
        AppTest::UseQuietSettings();
        m_windows = std::make_unique<TStationWindows>();
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&Main()));
    }
    void cleanup()
    {
        m_windows.reset();
        m_printer.reset();
        SystemBeep::SetHook({});
    }

    // The page of the model, the only one shown; the stretch can be changed on the two-head
    // printer's page only. The "Connections" window is disabled while the editor shows.
    void theModelsPageShows_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::addColumn<TPage>("page");
        QTest::addColumn<QStringList>("printRequests");
        const QStringList inkJet{"Positive", "Negative", "Positive/Continuous", "Negative Continuous"};
        QTest::newRow("Cygnus") << quint8(4) << TPage::Vega << inkJet;
        QTest::newRow("Altair") << quint8(0) << TPage::Altair << QStringList{"Positive", "Negative"};
        QTest::newRow("Deneb") << quint8(3) << TPage::Deneb << inkJet;
    }
    void theModelsPageShows()
    {
        QFETCH(quint8, model);
        QFETCH(TPage, page);
        QFETCH(QStringList, printRequests);
        Open(model);
        QCOMPARE(Form().windowTitle(), QStringLiteral("Print parameters"));
        QVERIFY(!Form().windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(VisiblePage(), Form().PageBox(page));
        QCOMPARE(VisiblePage()->title(), QStringLiteral("Parameters"));
        const QPoint offCentre = Form().frameGeometry().center() - Main().frameGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
        QVERIFY(!Manager().IsEnabled());

        auto* printRequest = Field<QComboBox>(QStringLiteral("Print request (edge)"));
        QVERIFY(printRequest);
        QStringList entries;
        for (int entry = 0; entry < printRequest->count(); ++entry)
            entries << printRequest->itemText(entry);
        QCOMPARE(entries, printRequests);
        if (auto* stretch = Field<QSpinBox>(QStringLiteral("Stretch")))
            QCOMPARE(stretch->isReadOnly(), page != TPage::Deneb);
        for (QLabel* label : VisiblePage()->findChildren<QLabel*>())
            QCOMPARE(label->buddy()->accessibleName(), label->text());

        Click("cancelButton");
        QVERIFY(!Form().isVisible());
        QVERIFY(Manager().IsEnabled());
        Settle();
        QCOMPARE(Written(), QStringList{});
    }

    // A setting the list cannot show selects its first entry and stays as received until the
    // operator changes it; a new ParameterData while the editor shows fills the page afresh.
    void aSettingTheListCannotShowStaysUntilChanged()
    {
        Open(PrinterModels::Vega, [](TSimPrinterConfig&, TSimParameters& parameters) {
            parameters.Write(ParameterNo::PrintRequest, 7);
        });
        QCOMPARE(Field<QComboBox>(QStringLiteral("Print request (edge)"))->currentText(),
                 QStringLiteral("Positive"));
        QCOMPARE(Edited().PrintRequest, 7);

        m_printer->Printer.State().Parameters.Write(ParameterNo::Rotation, 1);
        OpenEditor();
        QTRY_COMPARE(Field<QComboBox>(QStringLiteral("Rotate print"))->currentText(),
                     QStringLiteral("180 degrees"));
        QCOMPARE(Edited().PrintRequest, 7);
        Click("okButton");
        QVERIFY(!Form().isVisible());
        Settle();
        QCOMPARE(Written(), QStringList{}); // nothing changed

        OpenEditor();
        Choose(QStringLiteral("Print request (edge)"), QStringLiteral("Negative"));
        Choose(QStringLiteral("Print request (edge)"), QStringLiteral("Positive"));
        QCOMPARE(Edited().PrintRequest, 0);
        Click("okButton");
        QTRY_COMPARE(Written(), (QStringList{"4 = 0", "FlashWrite"}));
    }

    void theEncoderSourceSetsTheSpeedAndItsUnit()
    {
        Open(PrinterModels::Vega);
        auto* speed = Field<TNumberEdit>(QStringLiteral("Speed"));
        QCOMPARE(speed->text(), QStringLiteral("30.00 m/min"));
        Choose(QStringLiteral("Encoder strobe source"), QStringLiteral("External Speed Encoder"));
        QCOMPARE(speed->text(), QStringLiteral("100%"));
        QCOMPARE(Edited().Speed, 100);
        Choose(QStringLiteral("Encoder strobe source"), QStringLiteral("Internal Pulse Generator"));
        QCOMPARE(speed->text(), QStringLiteral("35.00 m/min"));
        QCOMPARE(Edited().Speed, 3500);
    }

    // A speed outside the source's limits beeps, keeps the focus and leaves the speed as it was.
    void theSpeedStaysWithinTheSourcesLimits_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<bool>("overtype");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("0.39 m/min") << 1 << "039" << false << "0.39 m/min" << 39 << false;
        QTest::newRow("0.40 m/min") << 1 << "04" << false << "0.40 m/min" << 40 << true;
        QTest::newRow("35.00 m/min") << 1 << "35" << true << "35.00 m/min" << 3500 << true;
        QTest::newRow("84%") << 0 << "84" << false << "84%" << 84 << false;
        QTest::newRow("85%") << 0 << "85" << false << "85%" << 85 << true;
        QTest::newRow("115%") << 0 << "115" << false << "115%" << 115 << true;
        QTest::newRow("116%") << 0 << "116" << false << "116%" << 116 << false;
    }
    void theSpeedStaysWithinTheSourcesLimits()
    {
        QFETCH(int, source);
        QFETCH(QString, digits);
        QFETCH(bool, overtype);
        QFETCH(QString, shown);
        QFETCH(int, speed);
        QFETCH(bool, accepted);
        const int received = source == 1 ? 3000 : 100;
        Open(PrinterModels::Vega, [&](TSimPrinterConfig&, TSimParameters& parameters) {
            parameters.Write(ParameterNo::EncoderSource, source);
            parameters.Write(ParameterNo::Speed, received);
        });
        Type(QStringLiteral("Speed"), digits, !overtype);
        auto* field = Field<TNumberEdit>(QStringLiteral("Speed"));
        QCOMPARE(field->text(), shown);
        Leave(QStringLiteral("Speed"));
        QCOMPARE(Edited().Speed, accepted ? speed : received);
        QCOMPARE(field->hasFocus(), !accepted);
        QCOMPARE(m_beeps, accepted ? 0 : 1);

        Click("okButton"); // the field is left again, and beeps again
        QCOMPARE(Form().isVisible(), !accepted);
        if (accepted)
            QTRY_COMPARE(Written(), (QStringList{QStringLiteral("11 = %1").arg(speed), "FlashWrite"}));
        else
            QCOMPARE(m_beeps, 2);
    }

    // Switching spitting on or off changes the unit of the head cap interval, which starts again
    // from 5 min or 3.0 s and takes the focus.
    void theSpitIntervalSwitchesTheHeadCapUnit()
    {
        Open(PrinterModels::Lyra);
        auto* headCap = Field<TNumberEdit>(QStringLiteral("Head cap interval"));
        QCOMPARE(headCap->text(), QStringLiteral("3.0 s"));

        Type(QStringLiteral("Spit Interval"), QStringLiteral("3"));
        Leave(QStringLiteral("Spit Interval"));
        QCOMPARE(headCap->text(), QStringLiteral("5 min"));
        QVERIFY(headCap->hasFocus());
        QCOMPARE(Edited().HeadCapInterval, 5);

        Type(QStringLiteral("Spit Interval"), QStringLiteral("0"));
        Leave(QStringLiteral("Spit Interval"));
        QCOMPARE(headCap->text(), QStringLiteral("3.0 s"));
        QVERIFY(headCap->hasFocus());
        QCOMPARE(Edited().HeadCapInterval, 30);
        QCOMPARE(Edited().SpitInterval, 0);
    }

    // "OK" writes the changed setting, then the flash; the wait notice shows until the printer
    // reports the end. The station records the setting written, for the printer edited.
    void aChangedSettingIsWrittenThenTheFlash_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("Deneb print direction A")
            << PrinterModels::Deneb << "Print direction A"
            << "From Right to Left" << QStringList{"8 = 1", "FlashWrite"};
        QTest::newRow("Altair inhibit delay") << PrinterModels::Altair << "Inhibit delay"
                                              << "Enabled" << QStringList{"18 = 1", "FlashWrite"};
    }
    void aChangedSettingIsWrittenThenTheFlash()
    {
        QFETCH(quint8, model);
        QFETCH(QString, label);
        QFETCH(QString, entry);
        QFETCH(QStringList, written);
        Open(model, [](TSimPrinterConfig& config, TSimParameters&) { config.FlashDelayMs = 400; });
        Choose(label, entry);
        QStringList recorded;
        const QObject recording;
        connect(&m_windows->Station().Events(), &TStationEvents::Emitted, &recording, [&](const TStationEvent& event) {
            if (event.Kind == TStationEventKind::ParameterWritten)
                recorded << event.Printer.Name + QStringLiteral(": ") + event.Values.value("setting").toString() +
                                QLatin1Char('=') + event.Values.value("new").toString();
        });
        const QString printer = TCoder::Of(*Manager().SelectedChannel()).PrinterName;
        Click("okButton");
        QVERIFY(!Form().isVisible());
        QTRY_VERIFY(Notice().isVisible());
        QCOMPARE(Written(), written);
        QCOMPARE(recorded, QStringList{printer + QStringLiteral(": ") + label + QLatin1Char('=') + entry});
        QTRY_VERIFY(!Notice().isVisible());
        QVERIFY(Manager().IsEnabled());
    }

    // Saved, then loaded into the next edit: "Cancel" sends nothing, "OK" the settings in which the
    // file differs from the printer, in the model's order. The field that had the focus when "Save"
    // was chosen is saved with the value it shows.
    void aSavedFileLoadsAndOnlyOKSendsIt()
    {
        Open(PrinterModels::Rigel);
        Choose(QStringLiteral("Rotate print"), QStringLiteral("180 degrees"));
        Type(QStringLiteral("Print debounce"), QStringLiteral("25"));
        Leave(QStringLiteral("Print debounce"));
        Type(QStringLiteral("Alignment"), QStringLiteral("7"));
        ChooseInFileDialog(QStringLiteral("Save"), QStringLiteral("rigel"));
        QFile saved(QDir(DataFolder()).filePath(QStringLiteral("rigel.prm")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QCOMPARE(bytes.size(), 93);
        QCOMPARE(bytes.front(), char(PrinterModels::Rigel));
        QCOMPARE(Edited().Alignment, 7);
        Click("cancelButton");

        for (const char* button : {"cancelButton", "okButton"}) {
            OpenEditor();
            QCOMPARE(Field<QComboBox>(QStringLiteral("Rotate print"))->currentText(),
                     QStringLiteral("0 degrees"));
            ChooseInFileDialog(QStringLiteral("Load"), QStringLiteral("rigel.prm"));
            QCOMPARE(Field<QComboBox>(QStringLiteral("Rotate print"))->currentText(),
                     QStringLiteral("180 degrees"));
            QCOMPARE(Field<TNumberEdit>(QStringLiteral("Print debounce"))->text(), QStringLiteral("25 ms"));
            QCOMPARE(Field<TNumberEdit>(QStringLiteral("Alignment"))->text(), QStringLiteral("7 pixels"));
            Click(button);
            QVERIFY(!Form().isVisible());
            Settle();
            if (QLatin1String(button) == QLatin1String("cancelButton"))
                QCOMPARE(Written(), QStringList{});
        }
        QCOMPARE(Written(), (QStringList{"5 = 25", "13 = 7", "1 = 1", "FlashWrite"}));
    }

    void aFileThatDoesNotFitLoadsNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("Altair file") << QByteArray(93, '\0') << "Incompatible printer type";
        QTest::newRow("empty file") << QByteArray() << "holds no parameters";
    }
    void aFileThatDoesNotFitLoadsNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        Open(PrinterModels::Rigel);
        WriteFile(QStringLiteral("other.prm"), bytes);
        const int boxes = TMessageBox::ShownCount();
        TMessageBox::SetNextAnswer(QMessageBox::Ok);
        ChooseInFileDialog(QStringLiteral("Load"), QStringLiteral("other.prm"));
        QCOMPARE(TMessageBox::ShownCount(), boxes + 1);
        QVERIFY2(TMessageBox::LastShown().Text.contains(text), qPrintable(TMessageBox::LastShown().Text));
        QCOMPARE(TMessageBox::LastShown().Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(Form().isVisible());
        QCOMPARE(Edited().Speed, 3000);
        Click("okButton");
        Settle();
        QCOMPARE(Written(), QStringList{});
    }

    // A language chosen during an edit: the editor speaks it and keeps the edit, and the
    // "Connections" window stays disabled until the edit ends.
    void aLanguageChosenDuringAnEditKeepsIt()
    {
        m_windows.reset();
        QVERIFY(QFile::copy(QStringLiteral(VEX_GERMAN_PACK), m_dir.filePath(QStringLiteral("vex.DEU"))));
        m_windows = std::make_unique<TStationWindows>(m_dir.filePath(QStringLiteral("vex")));
        m_windows->Start();
        Open(PrinterModels::Vega);
        Choose(QStringLiteral("Rotate print"), QStringLiteral("180 degrees"));
        QVERIFY(AppTest::ClickMenu(Main(), {"Settings", "Language", "Deutsch"}));
        QTRY_COMPARE(Form().windowTitle(), QStringLiteral("Druckparameter"));
        QVERIFY(Form().isVisible());
        auto* rotation = Field<QComboBox>(QStringLiteral("Druck drehen"));
        QVERIFY(rotation);
        QCOMPARE(rotation->currentText(), QStringLiteral("180 Grad"));
        QCOMPARE(rotation->accessibleName(), QStringLiteral("Druck drehen"));
        QCOMPARE(Edited().Rotation, 1);
        QVERIFY(!Manager().IsEnabled());
        Click("cancelButton");
        QVERIFY(Manager().IsEnabled());
    }

    // The printer ends the connection during an edit: the editor closes and sends nothing; a file
    // chosen in a dialog that was open meanwhile loads into no edit.
    void thePrinterGoingEndsTheEdit_data()
    {
        QTest::addColumn<bool>("duringLoad");
        QTest::newRow("while the editor shows") << false;
        QTest::newRow("while the Load dialog is open") << true;
    }
    void thePrinterGoingEndsTheEdit()
    {
        QFETCH(bool, duringLoad);
        Open(PrinterModels::Vega);
        Choose(QStringLiteral("Rotate print"), QStringLiteral("180 degrees"));
        const int boxes = TMessageBox::ShownCount();
        if (duringLoad) {
            WriteFile(QStringLiteral("vega.prm"),
                      QByteArray(1, char(PrinterModels::Vega)) + QByteArray(92, '\1'));
            bool chosen = false;
            AppTest::OnNextModal([&](QWidget* dialog) {
                m_printer->Printer.SendDisconnectNotice();
                QTRY_VERIFY(!Form().isVisible());
                QVERIFY(AppTest::ChooseFiles(dialog, DataFolder(), {"vega.prm"}));
                chosen = true;
            });
            QVERIFY(AppTest::ClickMenu(*Form().findChild<QMenuBar*>(), {"File", "Load"}));
            QTRY_VERIFY(chosen);
        } else {
            m_printer->Printer.SendDisconnectNotice();
        }
        QTRY_VERIFY(!Form().isVisible());
        QVERIFY(!Form().Editor().IsOpen());
        QVERIFY(Manager().IsEnabled());
        QCOMPARE(TMessageBox::ShownCount(), boxes);
        QCOMPARE(Written(), QStringList{});
    }
};

QTEST_MAIN(TestParametersForm)
#include "tst_parametersform.moc"
