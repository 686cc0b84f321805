#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/CoderImageItemList.h"
#include "images/FontUnit.h"
#include "images/GraphicItems.h"
#include "images/TextItems.h"

#include "DesignFileWriter.h"
#include "TestSupport.h"

#include <QTest>

namespace {
constexpr int HeaderSize = 7;

// A graphic record with these sizes and bytes after its common part.
QByteArray GraphicRecord(qint32 width, qint32 height, const QByteArray& bits)
{
    return TDesignFileWriter().Item("GraphicItem", {.Width = width, .Height = height}).Raw(bits).Bytes();
}
} // namespace

class TestGraphicItems : public QObject
{
    Q_OBJECT

private slots:
    void pictureIsReadFromItsPackedBitsAndSentAsRuns_data()
    {
        QTest::addColumn<qint32>("width");
        QTest::addColumn<qint32>("height");
        QTest::addColumn<QByteArray>("bits");
        QTest::addColumn<QByteArray>("payload");

        using TestSupport::Hex;
        QTest::newRow("10 x 1: 3 white, 4 black, 3 white")
            << 10 << 1 << Hex("1E 00") << Hex("0A 00 01 00 00 03 00 00 04 03 00");
        QTest::newRow("10 x 3 takes 4 bytes, rows run on across bytes")
            << 10 << 3 << Hex("FF FF F0 00") << Hex("0A 00 03 00 01 00 0A 00 0A 00");
        QTest::newRow("bits after the last pixel are no pixels")
            << 3 << 1 << Hex("FF") << Hex("03 00 01 00 00 00 03");
        QTest::newRow("0 x 0 still takes 1 byte") << 0 << 0 << Hex("FF") << Hex("00 00 00 00 00");
        QTest::newRow("width 0: two empty rows in one group") << 0 << 2 << Hex("00") << Hex("00 00 02 00 01");
    }

    void pictureIsReadFromItsPackedBitsAndSentAsRuns()
    {
        QFETCH(qint32, width);
        QFETCH(qint32, height);
        QFETCH(QByteArray, bits);
        QFETCH(QByteArray, payload);

        TDesignFileWriter next;
        next.Item("TextItem").String("NEXT").Byte(0).String("").UInt32(1);
        TBinaryFileStream stream(GraphicRecord(width, height, bits) + next.Bytes());
        TCoderImageItemList items;
        QVERIFY(!items.ReadItem(stream, TDesignFileVersion::V3_1X000));
        QVERIFY(!items.ReadItem(stream, TDesignFileVersion::V3_1X000));
        QCOMPARE(stream.Remaining(), 0);
        QCOMPARE(dynamic_cast<TextItem*>(items.Item(1))->Text, QStringLiteral("NEXT"));

        auto* graphic = dynamic_cast<GraphicItem*>(items.Item(0));
        QVERIFY(graphic);
        QCOMPARE(graphic->Picture.Width(), width);
        QCOMPARE(graphic->Picture.Height(), height);
        TXLMessage message;
        QVERIFY(!graphic->WriteToMessage(message, TFontMap()));
        QCOMPARE(quint8(message.Body().at(0)), quint8(ItemTypeCode::Graphic));
        QCOMPARE(TestSupport::ToHex(message.Body().mid(HeaderSize)), TestSupport::ToHex(payload));
    }

    void pictureTheFileCannotHoldDamagesIt_data()
    {
        QTest::addColumn<QByteArray>("record");

        QTest::newRow("negative width") << GraphicRecord(-8, 1, "\xFF");
        QTest::newRow("negative height") << GraphicRecord(8, -1, "\xFF");
        QTest::newRow("10 x 3 with 3 bytes") << GraphicRecord(10, 3, "\xFF\xFF\xFF");
        QTest::newRow("0 x 0 without its byte") << GraphicRecord(0, 0, "");
        QTest::newRow("65535 x 65535 with 16 bytes") << GraphicRecord(65535, 65535, QByteArray(16, '\xFF'));
    }

    void pictureTheFileCannotHoldDamagesIt()
    {
        QFETCH(QByteArray, record);
        TBinaryFileStream stream(record);
        TCoderImageItemList items;
        const std::optional<TImageError> error = items.ReadItem(stream, TDesignFileVersion::V3_1X000);
        QVERIFY(error);
        QCOMPARE(error->Kind, TImageErrorKind::DamagedFile);
        QCOMPARE(items.Count(), 0);
    }

    void pictureWiderThanItsSizeFieldIsRefusedWhole()
    {
        TCoderImageItemList items;
        auto graphic = std::make_unique<GraphicItem>();
        graphic->Picture = TMonochromePicture(65536, 2);
        items.Append(QStringLiteral("GraphicItem"), std::move(graphic));
        TXLMessage message;
        const std::optional<TImageError> error = items.WriteToMessage(message, TFontMap());
        QVERIFY(error);
        QCOMPARE(error->Kind, TImageErrorKind::PictureTooLarge);
        QCOMPARE(message.Size(), 0);
        QCOMPARE(ImageErrorText(*error, QStringLiteral("label.lbl"), QStringLiteral("LABEL")),
                 QStringLiteral("IMAGE LABEL, ITEM 1 (GraphicItem): GRAPHIC OF 65536 X 2 PIXELS IS LARGER "
                                "THAN 65535 X 65535, TRANSFER OF IMAGE ABORTED"));
    }
};

QTEST_APPLESS_MAIN(TestGraphicItems)
#include "tst_graphicitems.moc"
