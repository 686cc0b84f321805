#include "station/MainMenuState.h"

#include <QTest>

namespace {
// "DPITC": Disconnect all, Parameters, Images menu, Transfer and Delete, Connections; upper case
// for enabled.
QString Letters(const TMainMenuState& state)
{
    const std::pair<bool, char> flags[] = {{state.DisconnectAll, 'd'}, {state.Parameters, 'p'}, {state.Images, 'i'},
                                           {state.TransferAndDelete, 't'}, {state.Connections, 'c'}};
    QString letters;
    for (const auto& [enabled, letter] : flags)
        letters += QLatin1Char(enabled ? char(letter - 'a' + 'A') : letter);
    return letters;
}
} // namespace

class TestMainMenuState : public QObject
{
    Q_OBJECT

private slots:
    // steps: what happened, in order: shown, printing, stopped, none.
    void theMenusFollowTheSelectedPrinter_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        QTest::newRow("start") << QStringList{} << "dpiTC";
        QTest::newRow("a printer shown") << QStringList{"shown"} << "DPITC";
        QTest::newRow("printing") << QStringList{"shown", "printing"} << "DpItC";
        QTest::newRow("printing, shown again") << QStringList{"shown", "printing", "shown"} << "DPItC";
        QTest::newRow("not printing") << QStringList{"shown", "printing", "stopped"} << "DPITC";
        QTest::newRow("no printer while printing") << QStringList{"shown", "printing", "none"} << "dpiTC";
        QTest::newRow("no printer") << QStringList{"shown", "none"} << "dpiTC";
    }
    void theMenusFollowTheSelectedPrinter()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, expected);
        TMainMenuState state;
        for (const QString& step : steps) {
            if (step == QLatin1String("shown"))
                state.PrinterShown();
            else if (step == QLatin1String("printing"))
                state.PrintingStarted();
            else if (step == QLatin1String("stopped"))
                state.PrintingStopped();
            else
                state.NoPrinter();
        }
        QCOMPARE(Letters(state), expected);
    }
};

QTEST_APPLESS_MAIN(TestMainMenuState)
#include "tst_mainmenustate.moc"
