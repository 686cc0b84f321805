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
    void threeImagesInSortedOrderEachAfterTheLastReportThenFlash()
    {
        TestSupport::TRecordingSink sink;
        TImageDeletion deletion(sink);
        QVERIFY(deletion.Start({"C", "A", "B"}));
        QCOMPARE(sink.Sent(), QStringList{"31/1: 41 00"});
        deletion.DeletionReported(4);
        deletion.DeletionReported(5);
        deletion.DeletionReported(6);
        QCOMPARE(sink.Sent(), (QStringList{"31/1: 41 00", "31/1: 42 00", "31/1: 43 00", "31/4"}));
        QVERIFY(!deletion.IsRunning());
    }

    void aFirstReportRepeatingTheLastNumberOfTheBatchBeforeIsIgnored()
    {
        TestSupport::TRecordingSink sink;
        TImageDeletion deletion(sink);
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

    void nothingToDeleteSendsNothing()
    {
        TestSupport::TRecordingSink sink;
        TImageDeletion deletion(sink);
        QVERIFY(!deletion.Start({}));
        deletion.DeletionReported(1);
        QVERIFY(sink.Messages.empty());
    }
};

QTEST_GUILESS_MAIN(TestImageDeletion)
#include "tst_imagedeletion.moc"
