#include "DesignFileWriter.h"
#include "RecordingChannel.h"
#include "RecordingSink.h"
#include "RecordingViews.h"
#include "coder/Coder.h"
#include "images/FontUnit.h"
#include "images/ImageDesignFile.h"
#include "platform/SettingsStore.h"
#include "station/TransferBatch.h"

#include <QTemporaryDir>
#include <QTest>

class TestTransferBatch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TRecordingViews m_host; // the transfer window and its boxes
    TestSupport::TRecordingSink m_sink;
    TFontMap m_fonts;
    TRecordingCoderEvents m_events;
    std::unique_ptr<TRecordingChannel> m_printer;
    std::unique_ptr<TTransferBatch> m_batch;

    // A design file holding one text item; an empty version makes it a file of another program.
    QString File(const QString& name, const QByteArray& imageName,
                 const QByteArray& version = "zorbe V3.1X000", const QByteArray& counterValue = "1")
    {
        const QString path = m_dir.filePath(name);
        TDesignFileWriter::SmallImage(imageName, version, counterValue).WriteTo(path);
        return path;
    }
    // Finds the barcode of item 2 of image ONE unreadable, and nothing else.
    static std::optional<TUnreadableBarcode> CheckBarcodes(const TImageDesignFile& image, const TFontMap&)
    {
        if (image.ImageName == QLatin1String("ONE"))
            return TUnreadableBarcode{2, QStringLiteral("checksum error")};
        return std::nullopt;
    }

    QStringList Sent() const
    {
        QStringList kinds;
        for (const auto& message : m_sink.Messages)
            kinds << (message->Is(XLSend::FlashWrite)
                          ? QStringLiteral("FlashWrite")
                          : QStringLiteral("ImageData ") + QString::fromLatin1(message->Body().constData()));
        return kinds;
    }

private slots:
    void init()
    {
        m_host = TRecordingViews();
        m_sink.Messages.clear();
        m_printer = std::make_unique<TRecordingChannel>(QStringLiteral("p"), 1, TCoder::Factory(m_events));
        TCoder::Of(*m_printer).Images = QStringList{"Telvos", "HELD"};
        m_batch = std::make_unique<TTransferBatch>(m_host, m_sink, m_fonts,
                                                   [this] { return &TCoder::Of(*m_printer); });
    }

    void aSkippedFileInTheMiddleIsPassedOverWhenTheNextImageIsAskedFor()
    {
        m_batch->Start({File("One.Vega", "ONE"), File("Two.Vega", "TWO", "zorbe V9.9X000"),
                        File("Three.Vega", "THREE")});
        QCOMPARE(Sent(), QStringList{"ImageData ONE"});
        m_batch->ImageSent();
        QCOMPARE(Sent().size(), 1); // the printer has not asked yet
        m_batch->TransferNextImage();
        QCOMPARE(Sent(), (QStringList{"ImageData ONE", "ImageData THREE"}));
        QVERIFY(m_host.Calls.contains(QStringLiteral("ShowFileRefused INVALID FILE TYPE, TRANSFER OF IMAGE ABORTED")));
        m_batch->ImageSent();
        m_batch->TransferNextImage();
        QCOMPARE(Sent().last(), QStringLiteral("FlashWrite"));
        QCOMPARE(m_host.Calls.last(), QStringLiteral("CloseTransfer"));
        QVERIFY(!m_batch->IsRunning());
        QVERIFY(TCoder::Of(*m_printer).HasImage(QStringLiteral("THREE")));
    }

    // The printer took the image's last packet but its acknowledgement was lost: the packet is
    // resent, and the printer's request for the next image arrives before the acknowledgement.
    void aRequestThatOvertakesTheLastAcknowledgementIsKeptUntilItComes()
    {
        m_batch->Start({File("One.Vega", "ONE"), File("Two.Vega", "TWO")});
        m_batch->TransferNextImage();
        QCOMPARE(Sent(), QStringList{"ImageData ONE"});
        m_batch->ImageSent();
        QCOMPARE(Sent(), (QStringList{"ImageData ONE", "ImageData TWO"}));
        m_batch->ImageSent();
        QCOMPARE(Sent().size(), 2); // one request goes on by one image only
        m_batch->TransferNextImage();
        QCOMPARE(Sent().last(), QStringLiteral("FlashWrite"));
    }

    void decliningToOverwriteTheOnlyFileEndsTheBatchAtOnce()
    {
        m_host.Overwrite = false;
        m_batch->Start({File("held.Vega", "HELD")});
        QCOMPARE(m_host.Calls, (QStringList{"ShowTransferFile held.vega ", "ShowTransferFile held.vega HELD",
                                            "ConfirmOverwrite HELD", "HideTransfer", "CloseTransfer"}));
        QCOMPARE(Sent(), QStringList{"FlashWrite"});
    }

    void aValueAnItemCannotConvertSkipsTheFileAndTheBatchGoesOn()
    {
        m_batch->Start({File("bad.Vega", "BAD", "zorbe V3.1X000", "12x"), File("good.Vega", "GOOD")});
        QCOMPARE(Sent(), QStringList{"ImageData GOOD"});
        // The station's own refusals name the file, which the window has hidden by then.
        QCOMPARE(m_host.CallsStartingWith(QStringLiteral("ShowFileRefused")),
                 QStringList{"ShowFileRefused bad.Vega: IMAGE BAD, ITEM 1 (NumberItem): '12x' IS NOT A VALID NUMBER, "
                             "TRANSFER OF IMAGE ABORTED"});
    }

    void aFailureReportWritesToFlashOnlyAfterTheFirstFile_data()
    {
        QTest::addColumn<int>("filesSent");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("first file") << 1 << QStringList{"ImageData A"};
        QTest::newRow("second file") << 2 << QStringList{"ImageData A", "ImageData B", "FlashWrite"};
    }
    void aFailureReportWritesToFlashOnlyAfterTheFirstFile()
    {
        QFETCH(int, filesSent);
        QFETCH(QStringList, sent);
        m_batch->Start({File("a.Vega", "A"), File("b.Vega", "B"), File("c.Vega", "C")});
        for (int i = 1; i < filesSent; ++i) {
            m_batch->ImageSent();
            m_batch->TransferNextImage();
        }
        m_batch->Abort(QStringLiteral("Insufficient Memory to Store Image. Transfer Aborted"));
        QCOMPARE(Sent(), sent);
        QCOMPARE(m_host.Calls.last(), QStringLiteral("ShowBatchAborted Insufficient Memory to Store Image. Transfer Aborted"));
        m_batch->Abort(QStringLiteral("again")); // a report after the batch ended is ignored
        QCOMPARE(Sent(), sent);
    }

    void aFileWhoseBarcodeDoesNotReadBackGoesOnlyIfTheOperatorSaysSo_data()
    {
        QTest::addColumn<bool>("send");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("sent all the same")
            << true << QStringList{"ConfirmUnreadableBarcode 2 checksum error"} << QStringList{"ImageData ONE"};
        QTest::newRow("declined: passed over for the next file")
            << false << QStringList{"ConfirmUnreadableBarcode 2 checksum error", "HideTransfer"}
            << QStringList{"ImageData TWO"};
    }
    void aFileWhoseBarcodeDoesNotReadBackGoesOnlyIfTheOperatorSaysSo()
    {
        QFETCH(bool, send);
        QFETCH(QStringList, calls);
        QFETCH(QStringList, sent);
        m_host.SendUnreadable = send;
        m_batch->SetBarcodeCheck(&TestTransferBatch::CheckBarcodes);
        m_batch->Start({File("One.Vega", "ONE"), File("Two.Vega", "TWO")});
        QCOMPARE(m_host.Calls.mid(2, calls.size()), calls);
        QCOMPARE(Sent(), sent);
    }

    void theSettingsValueTurnsTheQuestionOffUnlessEveryBatchChecks_data()
    {
        QTest::addColumn<QVariant>("setting");
        QTest::addColumn<bool>("followSettings");
        QTest::addColumn<bool>("asked");
        QTest::newRow("not set") << QVariant() << true << true;
        QTest::newRow("0") << QVariant(0) << true << false;
        QTest::newRow("1") << QVariant(1) << true << true;
        QTest::newRow("not a number") << QVariant(QStringLiteral("off")) << true << true;
        QTest::newRow("0, but every batch checks") << QVariant(0) << false << true;
    }
    void theSettingsValueTurnsTheQuestionOffUnlessEveryBatchChecks()
    {
        QFETCH(QVariant, setting);
        QFETCH(bool, followSettings);
        QFETCH(bool, asked);
        SettingsStore::Open()->remove(QLatin1String(SettingsStore::VerifyBarcodes));
        if (setting.isValid())
            SettingsStore::SetValue(QLatin1String(SettingsStore::VerifyBarcodes), setting);
        m_batch->SetBarcodeCheck(&TestTransferBatch::CheckBarcodes, followSettings);
        m_batch->Start({File("One.Vega", "ONE")});
        SettingsStore::Open()->remove(QLatin1String(SettingsStore::VerifyBarcodes));
        QCOMPARE(m_host.CallsStartingWith(QStringLiteral("ConfirmUnreadableBarcode")).size(), asked ? 1 : 0);
        QCOMPARE(Sent(), asked ? QStringList{"FlashWrite"} : QStringList{"ImageData ONE"});
    }

    void aBatchEndedWhileTheOperatorIsAskedSendsNothing()
    {
        m_host.SendUnreadable = true;
        m_host.OnCall = [this](const QString& call) {
            if (call.startsWith(QLatin1String("ConfirmUnreadableBarcode")))
                m_batch->EndEarly(); // another printer was selected meanwhile
        };
        m_batch->SetBarcodeCheck(&TestTransferBatch::CheckBarcodes);
        m_batch->Start({File("One.Vega", "ONE"), File("Two.Vega", "TWO")});
        QVERIFY(Sent().isEmpty());
        QVERIFY(m_printer->SentData().isEmpty());
        QVERIFY(!m_batch->IsRunning());
        QCOMPARE(m_host.Calls.mid(m_host.Calls.size() - 2),
                 (QStringList{"CloseTransfer", "ShowBatchAborted Transfer Aborted. Not transferred: One.Vega, Two.Vega"}));
    }

    // Another printer was selected (or the station closes) while TWO is on its way: what went is
    // written to flash on the batch's own printer, not on the one selected now, and the operator is
    // told which files did not go.
    void aBatchEndedEarlyFlashesWhatWentOnItsOwnPrinterAndNamesTheRest_data()
    {
        QTest::addColumn<bool>("oneWent");
        QTest::addColumn<QString>("told");
        QTest::newRow("ONE went") << true << "Two.Vega, Three.Vega";
        QTest::newRow("nothing went yet") << false << "One.Vega, Two.Vega, Three.Vega";
    }
    void aBatchEndedEarlyFlashesWhatWentOnItsOwnPrinterAndNamesTheRest()
    {
        QFETCH(bool, oneWent);
        QFETCH(QString, told);
        m_printer->SetConnected(true);
        m_batch->Start({File("One.Vega", "ONE"), File("Two.Vega", "TWO"), File("Three.Vega", "THREE")});
        if (oneWent) {
            m_batch->ImageSent();
            m_batch->TransferNextImage();
        }
        m_sink.Messages.clear();
        m_batch->EndEarly();
        QVERIFY(m_sink.Messages.empty());
        QCOMPARE(!m_printer->SentData().isEmpty() && m_printer->SentData().last().MsgSub == XLSend::FlashWrite.Sub,
                 oneWent);
        QCOMPARE(m_host.Calls.last(), QStringLiteral("ShowBatchAborted Transfer Aborted. Not transferred: ") + told);
        QVERIFY(!m_batch->IsRunning());
    }

    void aBatchOfSkippedFilesEndsInTheSameCall()
    {
        m_batch->Start({m_dir.filePath(QStringLiteral("missing.Vega")), File("x.Vega", "X", "other")});
        QCOMPARE(Sent(), QStringList{"FlashWrite"});
        QCOMPARE(m_host.CallsStartingWith(QStringLiteral("ShowFileRefused")).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestTransferBatch)
#include "tst_transferbatch.moc"
