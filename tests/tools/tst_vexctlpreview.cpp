#include "LabelRecords.h"
#include "VexctlRun.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using LabelRecords::TRecord;

Q_DECLARE_METATYPE(TRecord)

class TestVexctlPreview : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    VexctlRun::TResult Vexctl(const QStringList& arguments)
    {
        return VexctlRun::Run(m_dir.path(), arguments);
    }
    void Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

private slots:
    void aFileTheStationRefusesExitsWith3AndTheTransfersMessage()
    {
        Write("Cut.Vega", LabelRecords::DesignFile({LabelRecords::Text("HELLO", 0, 0, 20)}).chopped(2));
        const VexctlRun::TResult preview = Vexctl({"preview", "Cut.Vega"});
        QCOMPARE(preview.ExitCode, 3);
        const QString message = Vexctl({"encode", "Cut.Vega"}).Errors;
        QCOMPARE(message,
                 QStringLiteral("FILE Cut.Vega IS DAMAGED OR INCOMPLETE, TRANSFER OF IMAGE ABORTED\n"));
        QVERIFY2(preview.Errors.endsWith(message), qPrintable(preview.Errors));
        QVERIFY(!QFile::exists(m_dir.filePath("Cut.png")));
    }

    void aGoodFileGivesAPictureWhoseSizeFollowsItsItems_data()
    {
        using namespace LabelRecords;
        QTest::addColumn<TRecord>("item");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QSize>("size");
        const QByteArray bits(4, '\xff');
        QTest::newRow("a graphic at the origin") << Graphic(0, 0, 8, 4, bits) << QStringList{} << QSize(8, 4);
        QTest::newRow("a graphic further in")
            << Graphic(100, 50, 8, 4, bits) << QStringList{} << QSize(108, 54);
        QTest::newRow("three pixels a dot")
            << Graphic(100, 50, 8, 4, bits) << QStringList{"--scale", "3"} << QSize(324, 162);
        // Start, A, check and stop characters: 46 modules of 2 dots, ten modules of white around them.
        QTest::newRow("a barcode at the origin")
            << Code128("A", 0, 0, 30, 2) << QStringList{} << QSize(132, 70);
    }
    void aGoodFileGivesAPictureWhoseSizeFollowsItsItems()
    {
        QFETCH(TRecord, item);
        QFETCH(QStringList, options);
        QFETCH(QSize, size);
        Write("Label.Vega", LabelRecords::DesignFile({item}));
        QFile::remove(m_dir.filePath("Label.png"));
        const VexctlRun::TResult preview = Vexctl(QStringList{"preview", "Label.Vega"} + options);
        QCOMPARE(preview.ExitCode, 0);
        QCOMPARE(QImage(m_dir.filePath("Label.png")).size(), size);
        QVERIFY2(preview.Output.startsWith("Image LABEL: "), preview.Output.constData());
    }

    void aBarcodeThatDoesNotReadBackExitsWith6()
    {
        using namespace LabelRecords;
        Write("Label.Vega", DesignFile({Text("LOT", 0, 0, 20), Code128("ABC", 0, 40, 1, 2),
                                        EanUpc(1, "400638133393", 0, 100, 60, 2)}));
        const VexctlRun::TResult preview = Vexctl({"preview", "Label.Vega", "--json", "-o", "out.png"});
        QCOMPARE(preview.ExitCode, 6);
        const QJsonObject report = QJsonDocument::fromJson(preview.Output).object();
        QCOMPARE(report.value("findings").toInt(), 1);
        QCOMPARE(report.value("picture").toObject().value("file").toString(), QStringLiteral("out.png"));
        QVERIFY(QFile::exists(m_dir.filePath("out.png")));
        const QJsonArray items = report.value("items").toArray();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0].toObject().value("rendering").toString(), QStringLiteral("substituted"));
        const QJsonObject unreadable = items[1].toObject().value("readBack").toObject();
        QCOMPARE(unreadable.value("result").toString(), QStringLiteral("unreadable"));
        QCOMPARE(unreadable.value("reason").toString(), QStringLiteral("no barcode found"));
        const QJsonObject ean = items[2].toObject();
        QCOMPARE(ean.value("rendering").toString(), QStringLiteral("exact"));
        QCOMPARE(ean.value("readBack").toObject().value("read").toString(), QStringLiteral("4006381333931"));
    }

    void aScaleOutOfRangeIsAUsageError()
    {
        const VexctlRun::TResult preview = Vexctl({"preview", "Label.Vega", "--scale", "17"});
        QCOMPARE(preview.ExitCode, 2);
        QVERIFY(preview.Errors.contains("--scale must be a number from 1 to 16"));
    }
};

QTEST_GUILESS_MAIN(TestVexctlPreview)
#include "tst_vexctlpreview.moc"
