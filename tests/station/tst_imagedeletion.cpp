#include "RecordingChannel.h"
#include "RecordingSink.h"
#include "RecordingViews.h"
#include "coder/Coder.h"
#include "station/ImageDeletion.h"

#include <QTest>

class TestImageDeletion : public QObject
{
    Q_OBJECT

private slots:
    // Sorted as the dialog lists them: letter case does not count.
    void threeImagesInSortedOrderEachAfterTheLastReportThenFlash()
    {
        TestSupport::TRecordingSink sink;
        TRecordingViews views;
        TImageDeletion deletion(sink, views);
        QVERIFY(deletion.Start({"C", "A", "b"}));
        QCOMPARE(sink.Sent(), QStringList{"31/1: 41 00"});
        deletion.DeletionReported(4);
        deletion.DeletionReported(5);
        deletion.DeletionReported(6);
        QCOMPARE(sink.Sent(), (QStringList{"31/1: 41 00", "31/1: 62 00", "31/1: 43 00", "31/4"}));
        QCOMPARE(views.Calls, (QStringList{"ShowImagesToDelete b,C", "ShowImagesToDelete C",
                                           "ShowImagesToDelete ", "HideImageDelete"}));
        QVERIFY(!deletion.IsRunning());
    }

    void aFirstReportRepeatingTheLastNumberOfTheBatchBeforeIsIgnored()
    {
        TestSupport::TRecordingSink sink;
        TRecordingViews views;
        TImageDeletion deletion(sink, views);
        deletion.Start({"A"});
        deletion.DeletionReported(9);
        deletion.Start({"B"});
        deletion.DeletionReported(9);
        QCOMPARE(deletion.Remaining(), QStringList{"B"});
        deletion.DeletionReported(10);
        QVERIFY(!deletion.IsRunning());
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
        TImageDeletion deletion(sink, views);
        QVERIFY(!deletion.Start({}));
        deletion.DeletionReported(1);
        QVERIFY(sink.Messages.empty());
        QCOMPARE(views.Calls, QStringList{"HideImageDelete"});
    }

    void cancelDropsTheRestWithoutFlashWrite()
    {
        TestSupport::TRecordingSink sink;
        TRecordingViews views;
        TImageDeletion deletion(sink, views);
        deletion.Start({"A", "B"});
        deletion.Cancel();
        deletion.DeletionReported(3);
        QCOMPARE(sink.Sent(), QStringList{"31/1: 41 00"});
    }
};

QTEST_GUILESS_MAIN(TestImageDeletion)
#include "tst_imagedeletion.moc"
