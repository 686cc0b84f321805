#include "LabelRecords.h"
#include "comm/XLMessage.h"
#include "images/BarcodeSymbols.h"
#include "images/FontUnit.h"
#include "images/ImageData.h"
#include "images/ImageDesignFile.h"
#include "preview/LabelPreview.h"
#include "preview/LinearSymbol.h"

#include <QTemporaryDir>
#include <QTest>

using LabelRecords::TRecord;

Q_DECLARE_METATYPE(TRecord)
Q_DECLARE_METATYPE(TReadBackResult)

namespace {

// The EAN-13 symbol of 4006381333931, module by module ('1' a bar), guard patterns included.
constexpr char Ean13Reference[] =
    "10100011010100111010111101111010001001011001101010100001010000101000010111010010000101100110101";

QString AsText(const QByteArray& modules)
{
    QString text;
    for (char module : modules)
        text.append(module == 0 ? u'0' : u'1');
    return text;
}

bool IsBlack(const QImage& picture, int x, int y)
{
    return qGray(picture.pixel(x, y)) < 128;
}

// Pixels within area of the picture darker than threshold: black ones by default.
int BlackIn(const QImage& picture, const QRect& area, int threshold = 128)
{
    int black = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            black += qGray(picture.pixel(x, y)) < threshold ? 1 : 0;
    return black;
}

} // namespace

class TestLabelPreview : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TFontMap m_fonts;

    QString File(const QList<TRecord>& records)
    {
        const QString path = m_dir.filePath(QStringLiteral("label.Vega"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(LabelRecords::DesignFile(records)) < 0)
            qFatal("cannot write the fixture");
        return path;
    }
    TLabelPreview Preview(const QList<TRecord>& records)
    {
        auto preview = LabelPreview::FromFile(File(records), m_fonts);
        if (auto* refusal = std::get_if<TPreviewRefusal>(&preview))
            qFatal("refused: %s", qPrintable(refusal->Text));
        return std::get<TLabelPreview>(std::move(preview));
    }

private slots:
    void aGraphicAppearsBitForBitAtItsPosition()
    {
        // 13 x 5 pixels of a pattern without repeats, packed without row padding.
        const QByteArray bits = QByteArray::fromHex("b3a50f6c91e2475d3c28");
        const TLabelPreview preview = Preview({LabelRecords::Graphic(7, 3, 13, 5, bits)});

        QCOMPARE(preview.Picture.size(), QSize(20, 8)); // from the label's origin to the graphic's end
        QCOMPARE(preview.Origin, QPoint(0, 0));
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 20; ++x) {
                const int bit = (y - 3) * 13 + (x - 7);
                const bool inside = x >= 7 && y >= 3;
                const bool black = inside && (quint8(bits[bit / 8]) & (0x80 >> (bit % 8))) != 0;
                QVERIFY2(IsBlack(preview.Picture, x, y) == black,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
        QCOMPARE(preview.Legend.size(), 1);
        QCOMPARE(preview.Legend[0].Rendering, TRendering::Exact);
        QCOMPARE(preview.Legend[0].Area, QRect(7, 3, 13, 5));
    }

    void anEan13IsDrawnFromTheStationsModules()
    {
        using BarcodeSymbols::EanUpcSymbology;
        const QString data = QStringLiteral("400638133393");
        const auto characters =
            BarcodeSymbols::SymbolCharacters(EanUpcSymbology::EAN13, data, BarcodeSymbols::CheckDigit(data));
        QCOMPARE(AsText(LinearSymbols::EanUpcModules(EanUpcSymbology::EAN13, characters)),
                 QLatin1String(Ean13Reference));

        // At module width 3 every module is three dots; the guard bars reach 18 dots further down.
        const TLabelPreview preview = Preview({LabelRecords::EanUpc(1, "400638133393", 40, 30, 50, 3)});
        const QPoint at = preview.Origin + QPoint(40, 30);
        for (int dot = 0; dot < 95 * 3; ++dot) {
            const bool bar = Ean13Reference[dot / 3] == '1';
            const bool guard = bar && (dot / 3 < 3 || (dot / 3 >= 45 && dot / 3 < 50) || dot / 3 >= 92);
            QCOMPARE(IsBlack(preview.Picture, at.x() + dot, at.y()), bar);
            QCOMPARE(IsBlack(preview.Picture, at.x() + dot, at.y() + 49), bar);
            QCOMPARE(IsBlack(preview.Picture, at.x() + dot, at.y() + 50), guard);
            QCOMPARE(IsBlack(preview.Picture, at.x() + dot, at.y() + 67), guard);
            QCOMPARE(IsBlack(preview.Picture, at.x() + dot, at.y() + 68), false);
        }
        QCOMPARE(preview.Legend[0].Rendering, TRendering::Exact);
        QCOMPARE(preview.ReadBacks[0].Result, TReadBackResult::ReadsBack);
    }

    void everyBarcodeReadsBackWithItsData_data()
    {
        using namespace LabelRecords;
        QTest::addColumn<TRecord>("barcode");
        QTest::addColumn<QString>("read");

        QTest::newRow("EAN-8, module 2") << EanUpc(0, "9638507", 30, 30, 60, 2) << "96385074";
        QTest::newRow("EAN-8, module 6") << EanUpc(0, "9638507", 30, 30, 100, 6) << "96385074";
        QTest::newRow("EAN-13, module 2") << EanUpc(1, "400638133393", 30, 30, 60, 2) << "4006381333931";
        QTest::newRow("EAN-13, module 5") << EanUpc(1, "012345678901", 30, 30, 80, 5) << "0123456789012";
        QTest::newRow("UPC-A, module 3") << EanUpc(2, "03600029145", 30, 30, 60, 3) << "036000291452";
        QTest::newRow("UPC-E, module 4") << EanUpc(3, "425261", 30, 30, 60, 4) << "04252614";
        QTest::newRow("Code 128, module 1") << Code128("ABC-123", 30, 30, 40, 1) << "ABC-123";
        QTest::newRow("Code 128, mixed case, module 3") << Code128("Lot 42b/x", 30, 30, 40, 3) << "Lot 42b/x";
        QTest::newRow("EAN-128: GTIN with its check digit, then a lot")
            << Gs1({{"01", "04006381333931"}, {"10", "LOT7"}}, 30, 30, 50, 2) << "010400638133393110LOT7";
        QTest::newRow("EAN-128: a lot, separated from the date after it")
            << Gs1({{"(10)", "A1"}, {"(17)", "250131"}}, 30, 30, 50, 2) << "10A1<GS>17250131";
        QTest::newRow("Code 39 2:1, narrow 1") << Code39("ABC-12", 30, 30, 40, 1, 0) << "ABC-12";
        QTest::newRow("Code 39 2.5:1, narrow 2, with its check character")
            << Code39("ABC-12T", 30, 30, 40, 2, 50) << "ABC-12T";
        QTest::newRow("Code 39 3:1, narrow 3, full ASCII")
            << Code39("Lot 7b", 30, 30, 40, 3, 100) << "Lot 7b";
        QTest::newRow("ITF 2.5:1, narrow 2") << Itf("123456", 30, 30, 50, 2, 50) << "123456";
        QTest::newRow("ITF-14 3:1, narrow 3, with its check digit")
            << Itf("04006381333931", 30, 30, 60, 3, 100) << "04006381333931";
    }
    void everyBarcodeReadsBackWithItsData()
    {
        QFETCH(TRecord, barcode);
        QFETCH(QString, read);
        const TLabelPreview preview = Preview({barcode});
        QCOMPARE(preview.ReadBacks.size(), 1);
        const TReadBack& readBack = preview.ReadBacks[0];
        QCOMPARE(readBack.Reason, QString());
        QCOMPARE(readBack.Result, TReadBackResult::ReadsBack);
        QCOMPARE(readBack.Read, read);
        QCOMPARE(readBack.Expected, read);
        QVERIFY(preview.Findings().isEmpty());
    }

    void aBarcodeThatCannotBeReadOrDrawnIsAFinding_data()
    {
        using namespace LabelRecords;
        QTest::addColumn<QList<TRecord>>("items");
        QTest::addColumn<TReadBackResult>("result");
        QTest::addColumn<QString>("reason");

        QTest::newRow("one dot high") << QList<TRecord>{Code128("ABC-123", 30, 30, 1, 2)}
                                      << TReadBackResult::Unreadable << "no barcode found";
        QTest::newRow("EAN-13 data with its check digit: the station adds another")
            << QList<TRecord>{EanUpc(1, "4006381333931", 30, 30, 60, 2)} << TReadBackResult::Unreadable
            << "checksum error";
        QTest::newRow("a graphic over its bars")
            << QList<TRecord>{Code128("ABC-123", 30, 30, 40, 2),
                              Graphic(80, 20, 8, 60, QByteArray(60, '\xff'))}
            << TReadBackResult::Unreadable << "no barcode found";
        QTest::newRow("ITF of an odd number of digits")
            << QList<TRecord>{Itf("12345", 30, 30, 50, 2, 50)} << TReadBackResult::NotDrawn
            << "The length of the input should be even";
        QTest::newRow("Code 128 beyond ASCII")
            << QList<TRecord>{Code128("Gr\xf6\xdf"
                                      "e",
                                      30, 30, 40, 2)}
            << TReadBackResult::NotDrawn << QString::fromUtf8("character 'ö' cannot be encoded");
        QTest::newRow("Code 39 of narrow width 0")
            << QList<TRecord>{Code39("ABC", 30, 30, 40, 0, 50)} << TReadBackResult::NotDrawn
            << "module or narrow width of 0 dots";
        QTest::newRow("EAN-128 element without application identifier")
            << QList<TRecord>{Gs1({{"01", "04006381333931"}, {"LOT", "7"}}, 30, 30, 50, 2)}
            << TReadBackResult::NotDrawn << "element 2 has no application identifier: 'LOT'";
    }
    void aBarcodeThatCannotBeReadOrDrawnIsAFinding()
    {
        QFETCH(QList<TRecord>, items);
        QFETCH(TReadBackResult, result);
        QFETCH(QString, reason);
        const TLabelPreview preview = Preview(items);
        const QList<TReadBack> findings = preview.Findings();
        QCOMPARE(findings.size(), 1);
        QCOMPARE(findings[0].ItemNumber, 1);
        QCOMPARE(findings[0].Result, result);
        QVERIFY2(findings[0].Reason.startsWith(reason), qPrintable(findings[0].Reason));
        if (result == TReadBackResult::NotDrawn) {
            QCOMPARE(preview.Legend[0].Rendering, TRendering::NotDrawn);
            QCOMPARE(BlackIn(preview.Picture, preview.Picture.rect()), 0);
        }
    }

    void thePictureCoversTheOriginAndTenModulesAroundABarcode()
    {
        const TLabelPreview preview = Preview({LabelRecords::Code128("AB", 0, 5, 30, 2),
                                               LabelRecords::Graphic(400, 300, 8, 10, QByteArray(10, 0))});
        const QRect bars = preview.Legend[0].Area;
        QCOMPARE(bars.topLeft(), preview.Origin + QPoint(0, 5));
        QCOMPARE(preview.Origin, QPoint(20, 15)); // ten modules left of and above the bars
        QCOMPARE(preview.ReadBacks[0].Area, bars.adjusted(-20, -20, 20, 20));
        QCOMPARE(preview.Picture.size(), QSize(20 + 408, 15 + 310));
    }

    void textsAreSubstitutedAndWhatThePrinterFillsInIsFramed()
    {
        using namespace LabelRecords;
        const TLabelPreview preview =
            Preview({Text("BEST BEFORE", 10, 10, 30), Memo("LINE 1\r\nLINE 2", 10, 50, 40), Date(200, 10, 20),
                     Time(200, 40, 20), Shift(200, 70, 20), Counter(200, 100, 20)});
        QStringList contents;
        QList<TRendering> renderings;
        for (const TLegendEntry& entry : preview.Legend) {
            contents << entry.Content;
            renderings << entry.Rendering;
        }
        QCOMPARE(contents,
                 (QStringList{"BEST BEFORE", "LINE 1\r\nLINE 2", "DATE", "TIME", "SHIFT", "COUNTER"}));
        QCOMPARE(renderings, (QList<TRendering>{TRendering::Substituted, TRendering::Substituted,
                                                TRendering::Placeholder, TRendering::Placeholder,
                                                TRendering::Placeholder, TRendering::Placeholder}));
        QVERIFY(BlackIn(preview.Picture, preview.Legend[0].Area) > 0);
        QVERIFY(BlackIn(preview.Picture, preview.Legend[1].Area.adjusted(0, 20, 0, 0)) >
                0); // the second line
        for (int i = 2; i < 6; ++i) {
            // A frame and a name in grey: nothing a printer mark could be taken for.
            const QRect area = preview.Legend[i].Area;
            QVERIFY(!area.isEmpty());
            QCOMPARE(BlackIn(preview.Picture, area), 0);
            QVERIFY(BlackIn(preview.Picture, area, 255) > 0);
        }
        QVERIFY(preview.ReadBacks.isEmpty());
    }

    void aFileTheStationRefusesIsRefusedWithTheTransfersMessage_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("another program's file")
            << TDesignFileWriter::SmallImage("LABEL", "zorbe V9.9X000").Bytes();
        QTest::newRow("an EAN-13 of module width 7")
            << LabelRecords::DesignFile({LabelRecords::EanUpc(1, "400638133393", 0, 0, 60, 7)});
        QTest::newRow("cut short")
            << LabelRecords::DesignFile({LabelRecords::Text("HELLO", 0, 0, 20)}).chopped(3);
    }
    void aFileTheStationRefusesIsRefusedWithTheTransfersMessage()
    {
        QFETCH(QByteArray, file);
        const QString path = m_dir.filePath(QStringLiteral("refused.Vega"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();

        const auto transfer = TImageDownload::Build(path, m_fonts);
        QVERIFY(std::holds_alternative<TImageError>(transfer));
        const auto preview = LabelPreview::FromFile(path, m_fonts);
        QVERIFY(std::holds_alternative<TPreviewRefusal>(preview));
        const TPreviewRefusal& refusal = std::get<TPreviewRefusal>(preview);
        QCOMPARE(refusal.Error->Kind, std::get<TImageError>(transfer).Kind);
        QVERIFY(refusal.Text.endsWith(QLatin1String("TRANSFER OF IMAGE ABORTED")));
    }

    void aLabelTooLargeToDrawIsRefusedAndLeavesItsBarcodesUnchecked()
    {
        const QString path =
            File({LabelRecords::Code128("AB", 0, 0, 30, 2), LabelRecords::Text("FAR", 100000, 0, 10)});
        const auto preview = LabelPreview::FromFile(path, m_fonts);
        QVERIFY(std::holds_alternative<TPreviewRefusal>(preview));
        QVERIFY(std::get<TPreviewRefusal>(preview).Text.endsWith(QLatin1String("IS TOO LARGE TO PREVIEW")));

        TImageDownload download;
        QVERIFY(!download.Begin(path));
        QVERIFY(std::holds_alternative<std::unique_ptr<TXLMessage>>(download.Finish(m_fonts)));
        const std::optional<TUnreadableBarcode> unchecked =
            LabelPreview::FirstUnreadableBarcode(download.Image(), m_fonts);
        QVERIFY(unchecked);
        QCOMPARE(unchecked->ItemNumber, 1);
    }
};

QTEST_MAIN(TestLabelPreview)
#include "tst_labelpreview.moc"
