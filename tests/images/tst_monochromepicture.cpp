#include "TestSupport.h"
#include "images/MonochromePicture.h"

#include <QTest>

using TestSupport::Hex;
using TestSupport::ToHex;

class TestMonochromePicture : public QObject
{
    Q_OBJECT

private slots:
    void newPictureIsAllWhite()
    {
        const TMonochromePicture picture(13, 5);
        QCOMPARE(picture.Width(), 13);
        QCOMPARE(picture.Height(), 5);
        QCOMPARE(picture.Packed(), QByteArray(9, '\0'));
    }

    void fileByteCountCoversEveryPixelAndAtLeastOneByte_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("10 x 3: 30 bits") << 10 << 3 << qint64(4);
        QTest::newRow("8 x 1") << 8 << 1 << qint64(1);
        QTest::newRow("9 x 1") << 9 << 1 << qint64(2);
        QTest::newRow("0 x 0") << 0 << 0 << qint64(1);
        QTest::newRow("0 x 500") << 0 << 500 << qint64(1);
        QTest::newRow("65535 x 65535") << 65535 << 65535 << qint64(536854529);
    }
    void fileByteCountCoversEveryPixelAndAtLeastOneByte()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(qint64, bytes);
        QCOMPARE(TMonochromePicture::FileByteCount(width, height), bytes);
    }

    // Rows are not padded: the second row of a 10-pixel-wide picture starts at bit 5 of byte 1.
    void packedBitsRunOnAcrossRowEnds()
    {
        const auto picture = TMonochromePicture::FromPacked(10, 3, Hex("80 60 10 C0"));
        QVERIFY(picture);
        QList<QPoint> black;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 10; ++x)
                if (picture->IsBlack(x, y))
                    black.append(QPoint(x, y));
        QCOMPARE(black, (QList<QPoint>{{0, 0}, {9, 0}, {0, 1}, {9, 1}, {4, 2}, {5, 2}}));
    }

    void bitsAfterTheLastPixelAreDropped()
    {
        const auto picture = TMonochromePicture::FromPacked(10, 3, Hex("00 00 00 FF 77"));
        QVERIFY(picture);
        QCOMPARE(ToHex(picture->Packed().toByteArray()), ToHex(Hex("00 00 00 FC")));
    }

    void refusesBitsTheBytesDoNotHold_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("10 x 3 in 3 bytes") << 10 << 3 << Hex("00 00 00");
        QTest::newRow("0 x 0 without its byte") << 0 << 0 << QByteArray();
        QTest::newRow("negative width") << -1 << 3 << Hex("00 00 00 00");
        QTest::newRow("negative height") << 3 << -8 << Hex("00 00 00 00");
    }
    void refusesBitsTheBytesDoNotHold()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QByteArray, bytes);
        QVERIFY(!TMonochromePicture::FromPacked(width, height, bytes));
    }

    void pixelsCanBeSetAndCleared()
    {
        TMonochromePicture picture(3, 3);
        picture.SetBlack(2, 0, true);
        picture.SetBlack(0, 1, true);
        picture.SetBlack(2, 2, true);
        picture.SetBlack(0, 1, false);
        QCOMPARE(ToHex(picture.Packed().toByteArray()), ToHex(Hex("20 80")));
        QVERIFY(picture.IsBlack(2, 2));
        QVERIFY(!picture.IsBlack(0, 1));
    }
};

QTEST_APPLESS_MAIN(TestMonochromePicture)
#include "tst_monochromepicture.moc"
