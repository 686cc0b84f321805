#include "coder/PrinterModels.h"
#include "station/PrintChoice.h"

#include <QTest>

namespace {
// "A:name B:name" as the choice stands; "-" for no selection, "B" left out while image B is not
// offered.
QString Shown(const TPrintChoice& choice)
{
    auto name = [&](int row) { return row < 0 ? QStringLiteral("-") : choice.Names()[row]; };
    QString shown = QStringLiteral("A:") + name(choice.SelectedA());
    if (choice.OffersImageB())
        shown += QStringLiteral(" B:") + name(choice.SelectedB());
    return shown;
}
} // namespace

class TestPrintChoice : public QObject
{
    Q_OBJECT

private slots:
    void namesAreSortedWhateverTheOrderReported()
    {
        TPrintChoice choice;
        choice.SetImages({"delta", "Telvos", "ALPHA", "beta", "DEMO"});
        QCOMPARE(choice.Names(), (QStringList{"ALPHA", "beta", "delta", "DEMO", "Telvos"}));
        QCOMPARE(choice.SelectedA(), 0);
        QCOMPARE(choice.SelectedB(), 0);
        choice.SetImages({});
        QCOMPARE(choice.SelectedA(), -1);
        QCOMPARE(choice.SelectedB(), -1);
    }

    // The printer's images are ONE, THREE, TWO (sorted: ONE, THREE, TWO); it opens with current A
    // and B, then reports current images (A, B, model); Start sends the images started.
    void theChoiceFollowsThePrinter_data()
    {
        QTest::addColumn<quint8>("model");
        QTest::addColumn<QStringList>("current");
        QTest::addColumn<QStringList>("reported");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("started");
        const quint8 deneb = PrinterModels::Deneb;
        const quint8 vega = PrinterModels::Vega;
        QTest::newRow("Deneb preselects both") << deneb << QStringList{"TWO", "THREE"} << QStringList{}
                                               << "A:TWO B:THREE" << QStringList{"TWO", "THREE"};
        QTest::newRow("a one-image model offers no B")
            << vega << QStringList{"TWO", "THREE"} << QStringList{} << "A:TWO" << QStringList{"TWO", ""};
        QTest::newRow("a current image not listed selects none")
            << deneb << QStringList{"GONE", "GONE"} << QStringList{} << "A:- B:-" << QStringList{"", ""};
        QTest::newRow("reported images are selected")
            << deneb << QStringList{"ONE", "ONE"} << QStringList{"THREE", "TWO"} << "A:THREE B:TWO"
            << QStringList{"THREE", "TWO"};
        QTest::newRow("a reported name not listed leaves the selection")
            << deneb << QStringList{"ONE", "TWO"} << QStringList{"GONE", "GONE"} << "A:ONE B:TWO"
            << QStringList{"ONE", "TWO"};
        QTest::newRow("image B is taken from the two-head model only")
            << vega << QStringList{"ONE", ""} << QStringList{"THREE", "TWO"} << "A:THREE"
            << QStringList{"THREE", ""};
    }
    void theChoiceFollowsThePrinter()
    {
        QFETCH(quint8, model);
        QFETCH(QStringList, current);
        QFETCH(QStringList, reported);
        QFETCH(QString, expected);
        QFETCH(QStringList, started);
        TPrintChoice choice;
        choice.SetImages({"TWO", "ONE", "THREE"});
        choice.Open(current[0], current[1], model);
        if (!reported.isEmpty())
            choice.SetCurrentImages(reported[0], reported[1], model);
        QCOMPARE(Shown(choice), expected);
        QCOMPARE((QStringList{choice.ImageA(), choice.ImageB(model)}), started);
    }

    void theOperatorsPickIsStarted()
    {
        TPrintChoice choice;
        choice.SetImages({"TWO", "ONE"});
        choice.Open("ONE", "ONE", PrinterModels::Deneb);
        choice.SelectA(1);
        choice.SelectB(7);
        QCOMPARE(choice.ImageA(), QStringLiteral("TWO"));
        QCOMPARE(choice.ImageB(PrinterModels::Deneb), QString());
        QCOMPARE(choice.ImageB(PrinterModels::Vega), QString());
        choice.SelectB(0);
        QCOMPARE(choice.ImageB(PrinterModels::Deneb), QStringLiteral("ONE"));
        QCOMPARE(choice.ImageB(PrinterModels::Vega), QString());
    }

    // A new image list while the window is open selects the first entries again.
    void aNewListSelectsTheFirstEntries()
    {
        TPrintChoice choice;
        choice.SetImages({"TWO", "ONE"});
        choice.Open("TWO", "TWO", PrinterModels::Deneb);
        choice.SetImages({"ZED", "TWO", "ONE"});
        QCOMPARE(Shown(choice), QStringLiteral("A:ONE B:ONE"));
    }
};

QTEST_APPLESS_MAIN(TestPrintChoice)
#include "tst_printchoice.moc"
