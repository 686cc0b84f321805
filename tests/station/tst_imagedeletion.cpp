#include "RecordingChannel.h"
#include "RecordingSink.h"
#include "RecordingViews.h"
#include "coder/Coder.h"
#include "station/ImageDeletion.h"

#include <QTest>

namespace {
constexpr quint64 Printer = 1; // the selected printer's channel id
} // namespace

class TestImageDeletion : public QObject
{
    Q_OBJECT

private slots:
    // Sorted as the dialog lists them: letter case does not count.
    void threeImagesInSortedOrderEachAfterTheLastReportThenFlash()
    {
        TestSupport::TRecordingSink sink;
        TRecordingViews views;
        TImageDeletion deletion(sink, views, [] { return Printer; });
        QVERIFY(deletion.Start({"C", "A", "b"}));
        QCOMPARE(sink.Sent(), QStringList{"31/1: 41 00"});
        deletion.DeletionReported(Printer, 4);
        deletion.DeletionReported(Printer, 5);
        deletion.DeletionReported(Printer, 6);
        QCOMPARE(sink.Sent(), (QStringList{"31/1: 41 00", "31/1: 62 00", "31/1: 43 00", "31/4"}));
        QCOMPARE(views.Calls, (QStringList{"ShowImagesToDelete b,C", "ShowImagesToDelete C",
                                           "ShowImagesToDelete ", "HideImageDelete"}));
        QVERIFY(!deletion.IsRunning());
    }

    void aFirstReportRepeatingTheLastNumberOfTheBatchBeforeIsIgnored()
    {
        TestSupport::TRecordingSink sink;
        TRecordingViews views;
        TImageDeletion deletion(sink, views, [] { return Printer; });
        deletion.Start({"A"});
        deletion.DeletionReported(Printer, 9);
        deletion.Start({"B"});
        deletion.DeletionReported(Printer, 9);
        QCOMPARE(deletion.Remaining(), QStringList{"B"});
        deletion.DeletionReported(Printer, 10);
        QVERIFY(!deletion.IsRunning());
    }

    // A report counts for the deletion of the printer that sent it, and its number is that printer's
    // own: the second printer's first report may carry the number of the first printer's last one.
    void aReportCountsOnlyForTheDeletionOfItsOwnPrinter_data()
    {
        QTest::addColumn<quint64>("reportingPrinter");
        QTest::addColumn<bool>("taken");
        QTest::newRow("the deletion's printer, with the other printer's last number") << quint64(2) << true;
        QTest::newRow("the printer of the deletion before") << quint64(1) << false;
    }
    void aReportCountsOnlyForTheDeletionOfItsOwnPrinter()
    {
        QFETCH(quint64, reportingPrinter);
        QFETCH(bool, taken);
        TestSupport::TRecordingSink sink;
        TRecordingViews views;
        quint64 selected = 1;
        TImageDeletion deletion(sink, views, [&selected] { return selected; });
        deletion.Start({"A"});
        deletion.DeletionReported(1, 9);
        selected = 2;
        deletion.Start({"B"});
        deletion.DeletionReported(reportingPrinter, 9);
        QCOMPARE(deletion.IsRunning(), !taken);
        QCOMPARE(sink.Sent().count(QStringLiteral("31/4")), taken ? 2 : 1); // each deletion's flash write
    }

    void theProtectedImageIsNeverOffered()
    {
        TRecordingCoderEvents events;
        TRecordingChannel printer(QStringLiteral("p"), 1, TCoder::Factory(events));
        TCoder::Of(printer).Images = QStringList{"FIRST", "B", "A"};
        TCoder::Of(printer).ProtectedImage = QStringLiteral("FIRST");
        QCOMPARE(TImageDeletion::Offered(TCoder::Of(printer)), (QStringList{"B", "A"}));
    }

    void nothingToDeleteSendsNothingAndHidesTheDialog()
    {
        TestSupport::TRecordingSink sink;
        TRecordingViews views;
        TImageDeletion deletion(sink, views, [] { return Printer; });
        QVERIFY(!deletion.Start({}));
        deletion.DeletionReported(Printer, 1);
        QVERIFY(sink.Messages.empty());
        QCOMPARE(views.Calls, QStringList{"HideImageDelete"});
    }

    void cancelDropsTheRestWithoutFlashWrite()
    {
        TestSupport::TRecordingSink sink;
        TRecordingViews views;
        TImageDeletion deletion(sink, views, [] { return Printer; });
        deletion.Start({"A", "B"});
        deletion.Cancel();
        deletion.DeletionReported(Printer, 3);
        QCOMPARE(sink.Sent(), QStringList{"31/1: 41 00"});
    }
};

QTEST_GUILESS_MAIN(TestImageDeletion)
#include "tst_imagedeletion.moc"
