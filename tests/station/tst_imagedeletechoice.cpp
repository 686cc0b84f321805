#include "station/ImageDeleteChoice.h"

#include <QTest>

using TSide = TImageDeleteChoice::TSide;
using TButtons = TImageDeleteChoice::TButtons;

class TestImageDeleteChoice : public QObject
{
    Q_OBJECT

private slots:
    void offeredNamesAreSortedAndOnlyTheSourceCanMove()
    {
        TImageDeleteChoice choice;
        choice.Reset({"delta", "Bravo", "alpha", "Charlie"});
        QCOMPARE(choice.Names(TSide::Source), (QStringList{"alpha", "Bravo", "Charlie", "delta"}));
        QVERIFY(choice.Names(TSide::Destination).isEmpty());
        QVERIFY(choice.SelectedRows(TSide::Source).isEmpty());
        QCOMPARE(choice.Buttons(), (TButtons{true, true, false, false, true, true}));
    }

    void moveSelectedSortsInAndSelectsTheEntryAtTheFirstPlace_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("source");
        QTest::addColumn<QStringList>("destination");
        QTest::addColumn<QList<int>>("selectedAfter");

        QTest::newRow("nothing selected: nothing moves, the first is selected")
            << QList<int>{} << QStringList{"A", "B", "C", "D"} << QStringList{} << QList<int>{0};
        QTest::newRow("two apart: the entry now in the first's place")
            << QList<int>{1, 3} << QStringList{"A", "C"} << QStringList{"B", "D"} << QList<int>{1};
        QTest::newRow("the last: the new last")
            << QList<int>{3} << QStringList{"A", "B", "C"} << QStringList{"D"} << QList<int>{2};
    }
    void moveSelectedSortsInAndSelectsTheEntryAtTheFirstPlace()
    {
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, source);
        QFETCH(QStringList, destination);
        QFETCH(QList<int>, selectedAfter);
        TImageDeleteChoice choice;
        choice.Reset({"D", "C", "B", "A"});
        choice.Select(TSide::Source, selected);

        choice.MoveSelected(TSide::Source);

        QCOMPARE(choice.Names(TSide::Source), source);
        QCOMPARE(choice.Names(TSide::Destination), destination);
        QCOMPARE(choice.SelectedRows(TSide::Source), selectedAfter);
        QVERIFY(choice.SelectedRows(TSide::Destination).isEmpty());
        QCOMPARE(choice.Focus(), TSide::Source);
    }

    void movingTheOnlyEntryLeavesNothingToMoveOrSelect()
    {
        TImageDeleteChoice choice;
        choice.Reset({"ONLY"});
        choice.Select(TSide::Source, {0});
        choice.MoveSelected(TSide::Source);
        QVERIFY(choice.Names(TSide::Source).isEmpty());
        QVERIFY(choice.SelectedRows(TSide::Source).isEmpty());
        QCOMPARE(choice.Buttons(), (TButtons{false, false, true, true, true, true}));
    }

    void movingBackSortsIntoTheSourceAndKeepsItsSelection()
    {
        TImageDeleteChoice choice;
        choice.Reset({"A", "B", "C"});
        choice.MoveAll(TSide::Source);
        QCOMPARE(choice.Names(TSide::Destination), (QStringList{"A", "B", "C"}));
        QCOMPARE(choice.Focus(), TSide::Source);
        QCOMPARE(choice.Buttons(), (TButtons{false, false, true, true, true, true}));

        choice.Select(TSide::Destination, {1});
        choice.MoveSelected(TSide::Destination);
        choice.Select(TSide::Source, {0});
        choice.Select(TSide::Destination, {1});
        choice.MoveSelected(TSide::Destination);
        QCOMPARE(choice.Names(TSide::Source), (QStringList{"B", "C"}));
        QCOMPARE(choice.SelectedRows(TSide::Source), QList<int>{0});
        QCOMPARE(choice.SelectedRows(TSide::Destination), QList<int>{0});
        QCOMPARE(choice.Focus(), TSide::Destination);
    }

    void okLeavesOnlyCancelAndGivesTheNamesInOrder()
    {
        TImageDeleteChoice choice;
        choice.Reset({"B", "a", "C"});
        choice.Select(TSide::Source, {0, 2});
        choice.MoveSelected(TSide::Source);
        QCOMPARE(choice.Confirm(), (QStringList{"a", "C"}));
        QCOMPARE(choice.Buttons(), (TButtons{false, false, false, false, false, true}));
    }
};

QTEST_APPLESS_MAIN(TestImageDeleteChoice)
#include "tst_imagedeletechoice.moc"
