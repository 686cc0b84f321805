#include "images/BinaryFileStream.h"

#include "DesignFileWriter.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <QTest>

class TestBinaryFileStream : public QObject
{
    Q_OBJECT

private slots:
    void readsLittleEndianFields()
    {
        TBinaryFileStream stream(TDesignFileWriter()
                                     .Byte(0xAB)
                                     .Char('x')
                                     .Int32(-2)
                                     .UInt32(0xFFFFFFFE)
                                     .Double(44927.75)
                                     .String("caf\xE9")
                                     .Bytes());
        QCOMPARE(stream.ReadByte(), quint8(0xAB));
        QCOMPARE(stream.ReadChar(), 'x');
        QCOMPARE(stream.ReadInteger(), -2);
        QCOMPARE(stream.ReadLongWord(), 0xFFFFFFFEu);
        QCOMPARE(stream.ReadDouble(), 44927.75);
        QCOMPARE(stream.ReadString(), QStringLiteral("caf\u00E9"));
        QCOMPARE(stream.Remaining(), 0);
        QVERIFY(!stream.IsDamaged());
    }

    void readsStringsByTheirCount_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("position");
        QTest::addColumn<bool>("damaged");

        const QByteArray letters = "ABCDEFGHIJKLMNOPQRSTUVWXY";
        QTest::newRow("empty") << TDesignFileWriter().String("").Bytes() << 0 << "" << qsizetype(4) << false;
        QTest::newRow("negative count reads no characters")
            << TDesignFileWriter().String(-5, "abc").Bytes() << 0 << "" << qsizetype(4) << false;
        QTest::newRow("count shorter than the bytes")
            << TDesignFileWriter().String(3, "abcdef").Bytes() << 0 << "abc" << qsizetype(7) << false;
        QTest::newRow("longer than maxLength leaves the rest unread")
            << TDesignFileWriter().String(letters).Bytes() << 20 << QString::fromLatin1(letters.left(20))
            << qsizetype(24) << false;
        QTest::newRow("count beyond the end")
            << TDesignFileWriter().String(5, "abc").Bytes() << 0 << "" << qsizetype(7) << true;
        QTest::newRow("huge count allocates nothing")
            << TDesignFileWriter().String(0x7FFFFFFF, "abc").Bytes() << 0 << "" << qsizetype(7) << true;
        QTest::newRow("maxLength characters beyond the end")
            << TDesignFileWriter().String(25, "0123456789").Bytes() << 20 << "" << qsizetype(14) << true;
        QTest::newRow("count cut short") << TestSupport::Hex("05 00") << 0 << "" << qsizetype(2) << true;
    }

    void readsStringsByTheirCount()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, maxLength);
        QFETCH(QString, text);
        QFETCH(qsizetype, position);
        QFETCH(bool, damaged);

        TBinaryFileStream stream(file);
        QCOMPARE(stream.ReadString(maxLength), text);
        QCOMPARE(stream.Position(), position);
        QCOMPARE(stream.IsDamaged(), damaged);
    }

    void readPastTheEndMarksTheStreamDamagedForGood()
    {
        TBinaryFileStream stream(TestSupport::Hex("01 02 03 04 05 06 07"));
        QCOMPARE(stream.ReadInteger(), 0x04030201);
        QCOMPARE(stream.ReadInteger(), 0);
        QVERIFY(stream.IsDamaged());
        QCOMPARE(stream.Remaining(), 0);
        QCOMPARE(stream.ReadDouble(), 0.0);
        QCOMPARE(stream.ReadByte(), quint8(0));
        QVERIFY(stream.IsDamaged());
    }

    void peekReadsAheadWithoutMoving()
    {
        TBinaryFileStream stream(TDesignFileWriter().Int32(1).Int32(2).UInt32(7).Bytes());
        stream.ReadInteger();
        QCOMPARE(stream.PeekLongWord(4), 7u);
        QCOMPARE(stream.Position(), 4);
        QCOMPARE(stream.ReadInteger(), 2);

        QCOMPARE(stream.PeekLongWord(2), 0u);
        QVERIFY(stream.IsDamaged());
    }

    void openReadsTheWholeFileOrSaysWhyNot()
    {
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("image.lbl"));
        QVERIFY(TDesignFileWriter().Int32(42).WriteTo(fileName));
        std::optional<TBinaryFileStream> stream = TBinaryFileStream::Open(fileName);
        QVERIFY(stream);
        QCOMPARE(stream->ReadInteger(), 42);

        QString errorText;
        QVERIFY(!TBinaryFileStream::Open(dir.filePath(QStringLiteral("missing.lbl")), &errorText));
        QVERIFY(!errorText.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestBinaryFileStream)
#include "tst_binaryfilestream.moc"
