// The parameters editor's files and its writing back, without a window or a printer.
#include "ParameterDataMessage.h"
#include "RecordingSink.h"
#include "parameters/ParameterEditor.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using TestSupport::ParameterDataMessage;
using TestSupport::TRecordingSink;
using TOutcome = TEditResult::TOutcome;
using Settings = QMap<int, qint32>;

namespace {
TParameterEditor Editor(quint8 model, const Settings& settings = {})
{
    TParameterEditor editor;
    editor.SetParameters(ParameterDataMessage(model, settings));
    return editor;
}

QByteArray Saved(const TParameterData& record)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    record.SaveToStream(buffer);
    return buffer.data();
}

// What the page's controls show when nothing was typed: list positions and number values, the
// stretch as text.
QList<QVariant> ShownValues(const TParameterEditor& editor)
{
    QList<QVariant> shown;
    for (int row = 0; row < int(editor.Rows().size()); ++row)
        shown << (editor.Rows()[size_t(row)].Control == ParameterPages::TControl::Stretch
                      ? QVariant(QString::number(editor.ShownValue(row)))
                      : QVariant(editor.ShownValue(row)));
    return shown;
}
} // namespace

class TestParameterEditor : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void saveThenLoadGivesTheSameSettings()
    {
        TParameterEditor editor = Editor(PrinterModels::Lyra, {{11, 100}, {21, 3}, {14, 5}});
        editor.ChooseEntry(editor.RowOf(ParameterNo::Rotation), 1);
        editor.LeaveNumber(editor.RowOf(ParameterNo::SpitInterval), 0);
        QVERIFY(editor.Save(Path("lyra.prm")).Ok());
        QCOMPARE(QFileInfo(Path("lyra.prm")).size(), 93);

        TParameterEditor other = Editor(PrinterModels::Lyra);
        QVERIFY(other.Load(Path("lyra.prm")).Ok());
        QCOMPARE(Saved(other.Edited()), Saved(editor.Edited()));
        QCOMPARE(Saved(other.Received()),
                 Saved(Editor(PrinterModels::Lyra).Received())); // loading edits only
    }

    // Saving takes what the controls show, as leaving the focused field would.
    void saveCollectsTheShownValuesFirst()
    {
        TParameterEditor editor = Editor(PrinterModels::Deneb, {{10, 1}, {11, 1000}, {12, 2}});
        QList<QVariant> shown = ShownValues(editor);
        shown[editor.RowOf(ParameterNo::Speed)] = 2000;
        shown[editor.RowOf(ParameterNo::Stretch)] = QStringLiteral("4");
        QVERIFY(editor.Save(Path("deneb.prm"), shown).Ok());
        QCOMPARE(editor.Edited().Speed, 2000);
        QCOMPARE(editor.Edited().Stretch, 4);
    }

    // A value the rules refuse stops the save before the file is created, and an existing file stays.
    void aRefusedValueStopsTheSave_data()
    {
        QTest::addColumn<int>("parameter");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<TOutcome>("outcome");
        QTest::addColumn<QString>("rule");
        QTest::newRow("stretch text") << int(ParameterNo::Stretch) << QVariant(QStringLiteral("x"))
                                      << TOutcome::NotAnInteger << "'x' is not a valid integer value";
        QTest::newRow("speed") << int(ParameterNo::Speed) << QVariant(39) << TOutcome::OutOfRange
                               << "0.39 m/min is not between 0.40 m/min and 35.00 m/min";
    }
    void aRefusedValueStopsTheSave()
    {
        QFETCH(int, parameter);
        QFETCH(QVariant, value);
        QFETCH(TOutcome, outcome);
        QFETCH(QString, rule);
        TParameterEditor editor = Editor(PrinterModels::Deneb, {{10, 1}, {11, 1000}});
        QList<QVariant> shown = ShownValues(editor);
        shown[editor.RowOf(quint16(parameter))] = value;
        for (const QString& name : {QStringLiteral("new.prm"), QStringLiteral("old.prm")}) {
            if (name == QLatin1String("old.prm")) {
                QFile old(Path(name));
                QVERIFY(old.open(QIODevice::WriteOnly));
                old.write("old");
            }
            const TFileResult result = editor.Save(Path(name), shown);
            QVERIFY(!result.Ok());
            QCOMPARE(result.Collected.Outcome, outcome);
            QCOMPARE(result.Collected.Rule, rule);
        }
        QVERIFY(!QFile::exists(Path("new.prm")));
        QCOMPARE(QFileInfo(Path("old.prm")).size(), 3);
    }

    // Another model's file, an empty file or none at all load nothing, with the station's message.
    void aFileThatDoesNotFitLoadsNothing_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("error");
        QTest::newRow("Altair file") << QByteArray(93, '\0') << "Incompatible printer type";
        QTest::newRow("empty") << QByteArray() << "The file %1 holds no parameters.";
        QTest::newRow("missing") << QByteArray("-")
                                 << "The file %1 cannot be read: No such file or directory";
    }
    void aFileThatDoesNotFitLoadsNothing()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, error);
        const QString path = Path(QString::fromLatin1(QTest::currentDataTag()) + ".prm");
        if (contents != "-") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        TParameterEditor editor = Editor(PrinterModels::Rigel, {{1, 1}, {12, 3}});
        const QByteArray before = Saved(editor.Edited());
        const TFileResult result = editor.Load(path);
        QCOMPARE(result.Error, QString(error).replace("%1", QDir::toNativeSeparators(path)));
        QCOMPARE(result.OtherModel, contents.size() == 93);
        QCOMPARE(Saved(editor.Edited()), before);
    }

    void saveReportsAFileItCannotWrite()
    {
        TParameterEditor editor = Editor(PrinterModels::Vega);
        const TFileResult result = editor.Save(Path("no such folder/vega.prm"));
        QVERIFY(result.Error.startsWith(QStringLiteral("The file %1 cannot be written: ")
                                            .arg(QDir::toNativeSeparators(Path("no such folder/vega.prm")))));
    }

    // After a load the printer gets exactly the settings in which the file differs, in the model's
    // order; cancelling sends nothing because nothing is sent before the operator accepts.
    void sendingAfterALoadWritesWhatDiffers()
    {
        TParameterEditor fromFile = Editor(PrinterModels::Lyra, {{5, 10}, {11, 100}});
        const Settings printer{{5, 10}, {11, 100}, {12, 1}};
        fromFile.SetText(fromFile.FindRow("Print debounce"), "20");
        fromFile.SetText(fromFile.FindRow("Rotate print"), "180 degrees");
        fromFile.SetText(fromFile.FindRow("Spit Delay"), "4");
        QVERIFY(fromFile.Save(Path("lyra.prm")).Ok());

        TParameterEditor editor = Editor(PrinterModels::Lyra, printer);
        QVERIFY(editor.Load(Path("lyra.prm")).Ok());
        TRecordingSink sink;
        editor.SendChanges(sink);
        QCOMPARE(sink.Sent(), (QStringList{"33/12: 00 00 00 00", "33/5: 00 00 00 14", "33/1: 00 00 00 01",
                                           "33/20: 00 00 00 04", "31/4"}));
    }

    void hasChangesTellsWhetherASettingWouldBeWritten_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("changes");
        QTest::newRow("ribbon printer, the same value") << PrinterModels::Altair << "Contrast"
                                                        << "80" << false;
        QTest::newRow("ribbon printer, a new value") << PrinterModels::Altair << "Contrast"
                                                     << "81" << true;
        QTest::newRow("ink-jet, the same value") << PrinterModels::Rigel << "Alignment"
                                                 << "0" << false;
        QTest::newRow("ink-jet, a new value") << PrinterModels::Rigel << "Alignment"
                                              << "4" << true;
    }
    void hasChangesTellsWhetherASettingWouldBeWritten()
    {
        QFETCH(quint8, model);
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(bool, changes);
        TParameterEditor editor = Editor(model, {{16, 80}});
        QVERIFY(!editor.HasChanges());
        QVERIFY(!editor.SetText(editor.FindRow(label), text).Refused());
        QCOMPARE(editor.HasChanges(), changes);
        TRecordingSink sink;
        editor.SendChanges(sink);
        QVERIFY(!editor.HasChanges()); // the printer's record is up to date
    }

    void aNewReportReplacesThePair()
    {
        TParameterEditor editor = Editor(PrinterModels::Vega, {{1, 0}});
        editor.ChooseEntry(editor.RowOf(ParameterNo::Rotation), 1);
        editor.SetParameters(ParameterDataMessage(PrinterModels::Altair, {{18, 1}}));
        QCOMPARE(editor.Page(), ParameterPages::TPage::Altair);
        QCOMPARE(editor.Edited().Rotation, 0);
        QCOMPARE(editor.Edited().InhibitDelay, 1);
        TRecordingSink sink;
        editor.SendChanges(sink);
        QCOMPARE(sink.Sent(), QStringList{"31/4"});
    }

    void proposedFileName_data()
    {
        QTest::addColumn<QString>("printerName");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("name") << "LINE 3"
                              << "LINE 3";
        QTest::newRow("no printer") << ""
                                    << "";
        QTest::newRow("path symbols") << "../a:b\\c"
                                      << ".._a_b_c";
    }
    void proposedFileName()
    {
        QFETCH(QString, printerName);
        QFETCH(QString, fileName);
        QCOMPARE(TParameterEditor::ProposedFileName(printerName), fileName);
    }

    void initialFolderIsDataWhereItExists()
    {
        QCOMPARE(TParameterEditor::InitialFolder(m_dir.path()), QDir(m_dir.path()).absolutePath());
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("Data")));
        QCOMPARE(TParameterEditor::InitialFolder(m_dir.path()), QDir(m_dir.path()).absoluteFilePath("Data"));
    }
};

QTEST_GUILESS_MAIN(TestParameterEditor)
#include "tst_parametereditor.moc"
