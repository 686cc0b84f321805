// The pages of the parameters editor and the rules of their settings, without a window: what each
// row shows of a record, and what the operator's changes store.
#include "ParameterDataMessage.h"
#include "parameters/ParameterEditor.h"

#include <QTest>

using namespace ParameterPages;
using TestSupport::ParameterDataMessage;
using TOutcome = TEditResult::TOutcome;
using Settings = QMap<int, qint32>;

Q_DECLARE_METATYPE(TOutcome)

namespace {
// One line per row: "Speed: number ##.## m/min (11)", "Rotate print: list 0 degrees|180 degrees (1)".
QStringList Describe(const TParameterEditor& editor)
{
    QStringList lines;
    for (int row = 0; row < int(editor.Rows().size()); ++row) {
        const TRow& shown = editor.Rows()[size_t(row)];
        QString control;
        switch (shown.Control) {
        case TControl::List:
            control = QStringLiteral("list ") + editor.Entries(row).join(u'|');
            break;
        case TControl::Number:
            control = QStringLiteral("number ") + editor.Format(row);
            break;
        case TControl::Stretch:
            control =
                editor.IsReadOnly(row) ? QStringLiteral("stretch read-only") : QStringLiteral("stretch");
            break;
        }
        lines << QStringLiteral("%1: %2 (%3)").arg(editor.Label(row), control).arg(shown.Parameter);
    }
    return lines;
}

TParameterEditor Editor(quint8 model, const Settings& settings = {})
{
    TParameterEditor editor;
    editor.SetParameters(ParameterDataMessage(model, settings));
    return editor;
}

const QStringList VegaRows{
    "Print direction: list From Left to Right|From Right to Left (8)",
    "Rotate print: list 0 degrees|180 degrees (1)",
    "Speed: number ###% (11)",
    "Stretch: stretch read-only (12)",
    "Print request (edge): list Positive|Negative|Positive/Continuous|Negative Continuous (4)",
    "Print debounce: number ### ms (5)",
    "Print delay: number ### mm (6)",
    "Encoder strobe source: list External Speed Encoder|Internal Pulse Generator (10)",
};
} // namespace

class TestParameterPages : public QObject
{
    Q_OBJECT

private slots:
    void eachModelShowsItsPage_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("0 Altair") << quint8(0)
                                  << QStringList{
                                         "Rotate print: list 0 degrees|180 degrees (1)",
                                         "Contrast: number ###% (16)",
                                         "X offset: number ### pixels (2)",
                                         "Y offset: number ### pixels (3)",
                                         "Print request (edge): list Positive|Negative (4)",
                                         "Print debounce: number ### ms (5)",
                                         "Print delay: number ### ms (6)",
                                         "Ribbon gap: number ### pixels (17)",
                                         "Inhibit delay: list Disabled|Enabled (18)",
                                         "Inhibit off delay: number ### ms (19)",
                                     };
        QTest::newRow("1 Vega") << quint8(1) << VegaRows;
        QTest::newRow("4 Cygnus") << quint8(4) << VegaRows;
        QTest::newRow("6 not reported") << quint8(6) << VegaRows;
        QTest::newRow("9 unknown") << quint8(9) << VegaRows;
        QTest::newRow("2 Rigel") << quint8(2) << VegaRows + QStringList{"Alignment: number ### pixels (13)"};
        QTest::newRow("3 Deneb")
            << quint8(3)
            << QStringList{
                   "Print direction A: list From Left to Right|From Right to Left (8)",
                   "Print direction B: list From Left to Right|From Right to Left (9)",
                   "Rotate print: list 0 degrees|180 degrees (1)",
                   "Speed: number ###% (11)",
                   "Stretch: stretch (12)",
                   "Print request (edge): list Positive|Negative|Positive/Continuous|"
                   "Negative Continuous (4)",
                   "Print debounce: number ### ms (5)",
                   "Print delay A: number ### mm (6)",
                   "Print delay B: number ### mm (7)",
                   "Encoder strobe source: list External Speed Encoder|Internal Pulse Generator (10)",
               };
        QTest::newRow("5 Lyra") << quint8(5)
                                << VegaRows + QStringList{"Head cap interval: number #.# s (14)",
                                                          "Spit Delay: number # s (20)",
                                                          "Spit Interval: number # s (21)"};
    }
    void eachModelShowsItsPage()
    {
        QFETCH(quint8, model);
        QFETCH(QStringList, rows);
        QCOMPARE(Describe(Editor(model)), rows);
    }

    // The formats and limits follow the record: the speed its encoder source, the head cap interval
    // whether the printer spits.
    void formatsAndLimitsFollowTheRecord_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<int>("parameter");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::newRow("internal pulse generator")
            << Settings{{10, 1}, {11, 3500}} << 11 << "35.00 m/min" << 40 << 3500;
        QTest::newRow("external encoder") << Settings{{10, 0}, {11, 100}} << 11 << "100%" << 85 << 115;
        QTest::newRow("unknown source as external")
            << Settings{{10, 7}, {11, 90}} << 11 << "90%" << 85 << 115;
        QTest::newRow("spitting: minutes") << Settings{{21, 3}, {14, 5}} << 14 << "5 min" << 1 << 60;
        QTest::newRow("not spitting: seconds") << Settings{{21, 0}, {14, 30}} << 14 << "3.0 s" << 10 << 50;
        QTest::newRow("a plain field: what its digits hold") << Settings{{5, 20}} << 5 << "20 ms" << 0 << 999;
    }
    void formatsAndLimitsFollowTheRecord()
    {
        QFETCH(Settings, settings);
        QFETCH(int, parameter);
        QFETCH(QString, shown);
        QFETCH(int, min);
        QFETCH(int, max);
        const TParameterEditor editor = Editor(PrinterModels::Lyra, settings);
        const int row = editor.RowOf(quint16(parameter));
        QCOMPARE(editor.DisplayText(row), shown);
        QCOMPARE(editor.Limits(row), (TLimits{min, max}));
    }

    void encoderChoiceStartsTheSpeedAgain_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("speed");
        QTest::newRow("Internal Pulse Generator") << 1 << "35.00 m/min";
        QTest::newRow("External Speed Encoder") << 0 << "100%";
    }
    void encoderChoiceStartsTheSpeedAgain()
    {
        QFETCH(int, source);
        QFETCH(QString, speed);
        TParameterEditor editor = Editor(PrinterModels::Deneb, {{10, 1 - source}, {11, 95}});
        const int speedRow = editor.RowOf(ParameterNo::Speed);
        const TEditResult result = editor.ChooseEntry(editor.RowOf(ParameterNo::EncoderSource), source);
        QCOMPARE(result.Outcome, TOutcome::Stored);
        QCOMPARE(result.Refresh, QList<int>{speedRow});
        QCOMPARE(editor.Edited().EncoderSource, source);
        QCOMPARE(editor.DisplayText(speedRow), speed);
        QCOMPARE(editor.ShownValue(speedRow), editor.Edited().Speed);
    }

    // Both ends of the speed's range are allowed; a refused speed keeps the old one.
    void speedIsCheckedAgainstTheSourcesLimits_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("0.39 m/min") << 1 << 39 << false;
        QTest::newRow("0.40 m/min") << 1 << 40 << true;
        QTest::newRow("35.00 m/min") << 1 << 3500 << true;
        QTest::newRow("35.01 m/min") << 1 << 3501 << false;
        QTest::newRow("84%") << 0 << 84 << false;
        QTest::newRow("85%") << 0 << 85 << true;
        QTest::newRow("115%") << 0 << 115 << true;
        QTest::newRow("116%") << 0 << 116 << false;
    }
    void speedIsCheckedAgainstTheSourcesLimits()
    {
        QFETCH(int, source);
        QFETCH(int, value);
        QFETCH(bool, accepted);
        const qint32 before = source == 1 ? 1000 : 100;
        TParameterEditor editor = Editor(PrinterModels::Vega, {{10, source}, {11, before}});
        const int row = editor.RowOf(ParameterNo::Speed);
        const TEditResult result = editor.LeaveNumber(row, value);
        QCOMPARE(result.Outcome, accepted ? TOutcome::Stored : TOutcome::OutOfRange);
        QCOMPARE(editor.Edited().Speed, accepted ? value : before);
        if (!accepted)
            QCOMPARE(result.Focus, row);
    }

    // Switching spitting on or off starts the head cap interval again in the new unit and moves the
    // focus there; a change that keeps spitting on leaves it alone.
    void spitIntervalSwitchesTheHeadCapUnit_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("headCap");
        QTest::addColumn<bool>("focused");
        QTest::newRow("0 to 3: on") << 0 << 3 << "5 min" << true;
        QTest::newRow("3 to 0: off") << 3 << 0 << "3.0 s" << true;
        QTest::newRow("3 to 4: stays on") << 3 << 4 << "7 min" << false;
    }
    void spitIntervalSwitchesTheHeadCapUnit()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(QString, headCap);
        QFETCH(bool, focused);
        TParameterEditor editor = Editor(PrinterModels::Lyra, {{21, before}, {14, 7}});
        const int headCapRow = editor.RowOf(ParameterNo::HeadCapInterval);
        const TEditResult result = editor.LeaveNumber(editor.RowOf(ParameterNo::SpitInterval), after);
        QCOMPARE(result.Outcome, TOutcome::Stored);
        QCOMPARE(editor.Edited().SpitInterval, after);
        QCOMPARE(editor.DisplayText(headCapRow), headCap);
        QCOMPARE(result.Focus, focused ? headCapRow : -1);
        QCOMPARE(result.Refresh, focused ? QList<int>{headCapRow} : QList<int>{});
    }

    void headCapIntervalKeepsToItsUnitsLimits()
    {
        TParameterEditor editor = Editor(PrinterModels::Lyra, {{21, 0}, {14, 30}});
        const int row = editor.RowOf(ParameterNo::HeadCapInterval);
        QCOMPARE(editor.LeaveNumber(row, 9).Outcome, TOutcome::OutOfRange);
        QCOMPARE(editor.LeaveNumber(row, 50).Outcome, TOutcome::Stored);
        QCOMPARE(editor.Edited().HeadCapInterval, 50);
    }

    void stretchIsAWholeNumberFromOneToTen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TOutcome>("outcome");
        QTest::addColumn<QString>("rule");
        QTest::newRow("1") << "1" << TOutcome::Stored << "";
        QTest::newRow("10") << "10" << TOutcome::Stored << "";
        QTest::newRow("0") << "0" << TOutcome::OutOfRange << "0 is not between 1 and 10";
        QTest::newRow("11") << "11" << TOutcome::OutOfRange << "11 is not between 1 and 10";
        QTest::newRow("letters") << "4a" << TOutcome::NotAnInteger << "'4a' is not a valid integer value";
        QTest::newRow("empty") << "" << TOutcome::NotAnInteger << "'' is not a valid integer value";
    }
    void stretchIsAWholeNumberFromOneToTen()
    {
        QFETCH(QString, text);
        QFETCH(TOutcome, outcome);
        QFETCH(QString, rule);
        TParameterEditor editor = Editor(PrinterModels::Deneb, {{12, 5}});
        const TEditResult result = editor.StretchEditExit(text);
        QCOMPARE(result.Outcome, outcome);
        QCOMPARE(result.Rule, rule);
        QCOMPARE(editor.Edited().Stretch, outcome == TOutcome::Stored ? text.toInt() : 5);
    }

    void stretchIsReadOnlyBesideTheTwoHeadPrinter()
    {
        TParameterEditor editor = Editor(PrinterModels::Rigel, {{12, 2}});
        const int row = editor.RowOf(ParameterNo::Stretch);
        QVERIFY(editor.IsReadOnly(row));
        QCOMPARE(editor.SetText(row, QStringLiteral("3")).Text(),
                 QStringLiteral("Stretch: read-only on this printer model"));
        QCOMPARE(editor.Edited().Stretch, 2);
    }

    // A list shows its first entry for a setting that names none; the record keeps the setting until
    // the operator chooses an entry, also when the shown values are collected for a save.
    void aSettingTheListCannotShowIsKeptUntilChanged()
    {
        TParameterEditor editor = Editor(PrinterModels::Vega, {{4, 7}});
        const int row = editor.RowOf(ParameterNo::PrintRequest);
        QCOMPARE(editor.ShownValue(row), 0);
        QList<QVariant> shown;
        for (int each = 0; each < int(editor.Rows().size()); ++each)
            shown << (editor.Rows()[size_t(each)].Control == TControl::Stretch
                          ? QVariant(QStringLiteral("1"))
                          : QVariant(editor.ShownValue(each)));
        QCOMPARE(editor.Collect(shown).Outcome, TOutcome::Unchanged);
        QCOMPARE(editor.Edited().PrintRequest, 7);
        QCOMPARE(editor.ChooseEntry(row, 1).Outcome, TOutcome::Stored);
        QCOMPARE(editor.Edited().PrintRequest, 1);
    }

    // A field shows only the digits its format holds; leaving it untouched keeps the whole value.
    void leavingAFieldUntouchedKeepsAValueItCannotShow()
    {
        TParameterEditor editor = Editor(PrinterModels::Vega, {{5, 1500}});
        const int row = editor.RowOf(ParameterNo::Debounce);
        QCOMPARE(editor.ShownValue(row), 500);
        QCOMPARE(editor.LeaveNumber(row, 500).Outcome, TOutcome::Unchanged);
        QCOMPARE(editor.Edited().Debounce, 1500);
        QCOMPARE(editor.LeaveNumber(row, 400).Outcome, TOutcome::Stored);
        QCOMPARE(editor.Edited().Debounce, 400);
    }

    // Settings given by label and text, as the command line gives them: the refusal names the
    // setting and the rule.
    void settingsByText_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("shown");
        QTest::newRow("speed") << "speed"
                               << "0.4"
                               << ""
                               << "0.40 m/min";
        QTest::newRow("speed with unit") << "Speed"
                                         << "12.50 m/min"
                                         << ""
                                         << "12.50 m/min";
        QTest::newRow("speed too low") << "Speed"
                                       << "0.39"
                                       << "Speed: 0.39 m/min is not between 0.40 m/min and 35.00 m/min"
                                       << "10.00 m/min";
        QTest::newRow("too many decimals") << "Speed"
                                           << "1.234"
                                           << "Speed: '1.234' is not a number of the form ##.## m/min"
                                           << "10.00 m/min";
        QTest::newRow("more than the digits") << "Print debounce"
                                              << "1500"
                                              << "Print debounce: 1500 ms is not between 0 ms and 999 ms"
                                              << "10 ms";
        QTest::newRow("negative") << "Print debounce"
                                  << "-1"
                                  << "Print debounce: -1 ms is not between 0 ms and 999 ms"
                                  << "10 ms";
        QTest::newRow("entry") << "Print direction"
                               << "from right to left"
                               << ""
                               << "From Right to Left";
        QTest::newRow("entry by position") << "Print direction"
                                           << "1"
                                           << ""
                                           << "From Right to Left";
        QTest::newRow("no such entry")
            << "Print direction"
            << "Upwards"
            << "Print direction: 'Upwards' is none of From Left to Right, From Right to Left"
            << "From Left to Right";
    }
    void settingsByText()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        QFETCH(QString, shown);
        TParameterEditor editor = Editor(PrinterModels::Vega, {{10, 1}, {11, 1000}, {5, 10}});
        const int row = editor.FindRow(label);
        QVERIFY(row >= 0);
        const TEditResult result = editor.SetText(row, text);
        QCOMPARE(result.Refused() ? result.Text() : QString(), refusal);
        QCOMPARE(editor.DisplayText(row), shown);
    }

    void valueTextsReadBack_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("hundredths") << "##.## m/min" << 5 << "0.05 m/min";
        QTest::newRow("tenths") << "#.# s" << 30 << "3.0 s";
        QTest::newRow("percent") << "###%" << 100 << "100%";
        QTest::newRow("beyond the digits") << "# s" << 12 << "12 s";
    }
    void valueTextsReadBack()
    {
        QFETCH(QString, format);
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(ValueText(format, value), text);
        QCOMPARE(ParseValueText(text, format), std::optional<qint32>(value));
    }
};

QTEST_GUILESS_MAIN(TestParameterPages)
#include "tst_parameterpages.moc"
