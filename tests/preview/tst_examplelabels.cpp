// The example labels that come with the station, which the simulated printers of scripts/run hold
// and an operator tries a transfer with: each is one the station sends, and every barcode on it
// reads back as its data.
#include "images/FontUnit.h"
#include "preview/LabelPreview.h"

#include <QDir>
#include <QTest>

class TestExampleLabels : public QObject
{
    Q_OBJECT

private slots:
    void everyExampleLabelIsSentAndReadsBack_data()
    {
        QTest::addColumn<QString>("file");
        const QDir labels(QStringLiteral(VEX_EXAMPLE_LABELS));
        const QStringList files = labels.entryList(QDir::Files);
        QVERIFY(files.size() >= 4);
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << labels.filePath(file);
    }
    void everyExampleLabelIsSentAndReadsBack()
    {
        QFETCH(QString, file);
        const auto preview = LabelPreview::FromFile(file, TFontMap());
        const auto* refused = std::get_if<TPreviewRefusal>(&preview);
        QVERIFY2(!refused, refused ? qPrintable(refused->Text) : "");
        const TLabelPreview& label = std::get<TLabelPreview>(preview);
        QCOMPARE(QFileInfo(file).baseName(), label.ImageName);
        QVERIFY(!label.ReadBacks.isEmpty());
        QVERIFY(label.Findings().isEmpty());
    }
};

QTEST_MAIN(TestExampleLabels)
#include "tst_examplelabels.moc"
