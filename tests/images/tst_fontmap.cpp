#include "images/BinaryFileStream.h"
#include "images/FontUnit.h"
#include "platform/SettingsStore.h"

#include "DesignFileWriter.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
TFontMap ReadMap(const QByteArray& file)
{
    TBinaryFileStream stream(file);
    return TFontMap::Read(stream);
}
} // namespace

class TestFontMap : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("VEX_SETTINGS_FILE", m_dir.filePath(QStringLiteral("vex.ini")).toLocal8Bit());
    }

    void mapsFontNumbersToTheLowByteOfTheFirstMatch_data()
    {
        QTest::addColumn<qint32>("fontNo");
        QTest::addColumn<int>("code");

        QTest::newRow("first entry of a repeated number wins") << 5 << 0x11;
        QTest::newRow("low byte of CoderFont") << 7 << 0x34;
        QTest::newRow("negative font number") << -1 << 0x02;
        QTest::newRow("number not in the map") << 6 << 0;
    }

    void mapsFontNumbersToTheLowByteOfTheFirstMatch()
    {
        QFETCH(qint32, fontNo);
        QFETCH(int, code);
        const TFontMap map = ReadMap(TDesignFileWriter()
                                         .FontMapHeader(4)
                                         .FontMapEntry(5, 99, 0x11)
                                         .FontMapEntry(7, 0, 0x1234)
                                         .FontMapEntry(5, 0, 0x22)
                                         .FontMapEntry(-1, 0, 0x102)
                                         .Bytes());
        QCOMPARE(map.Entries().size(), 4);
        QCOMPARE(map.Entries().first().FontExtra, 99);
        QCOMPARE(map.CoderFontID(fontNo), quint8(code));
    }

    void countOfZeroOrBelowGivesAnEmptyMap_data()
    {
        QTest::addColumn<qint32>("count");
        QTest::newRow("zero") << 0;
        QTest::newRow("minus one") << -1;
        QTest::newRow("most negative") << qint32(0x80000000);
    }

    void countOfZeroOrBelowGivesAnEmptyMap()
    {
        QFETCH(qint32, count);
        const TFontMap map = ReadMap(TDesignFileWriter().FontMapHeader(count).FontMapEntry(1, 0, 9).Bytes());
        QVERIFY(map.Entries().isEmpty());
        QCOMPARE(map.CoderFontID(1), quint8(0));
    }

    void fileEndingEarlyKeepsTheEntriesReadBefore_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray twoEntries =
            TDesignFileWriter().FontMapHeader(3).FontMapEntry(1, 0, 10).FontMapEntry(2, 0, 20).Bytes();
        QTest::newRow("third entry missing") << twoEntries;
        QTest::newRow("third entry cut in its mapping")
            << TDesignFileWriter().Raw(twoEntries).FontMapEntry(3, 0, 30).Bytes().chopped(2);
        QTest::newRow("third entry's text count beyond the end")
            << TDesignFileWriter().Raw(twoEntries).String(1000, "Fo").Bytes();
        QTest::newRow("count far beyond the file") << TDesignFileWriter()
                                                          .FontMapHeader(0x7FFFFFFF)
                                                          .FontMapEntry(1, 0, 10)
                                                          .FontMapEntry(2, 0, 20)
                                                          .Bytes();
    }

    void fileEndingEarlyKeepsTheEntriesReadBefore()
    {
        QFETCH(QByteArray, file);
        const TFontMap map = ReadMap(file);
        QCOMPARE(map.Entries().size(), 2);
        QCOMPARE(map.CoderFontID(2), quint8(20));
        QCOMPARE(map.CoderFontID(3), quint8(0));
    }

    void stationFileIsTheInstallFolderJoinedWithoutSeparator()
    {
        const QString folder = m_dir.filePath(QStringLiteral("vex"));
        SettingsStore::SetValue(QLatin1String(SettingsStore::InstallDirectory), folder);
        QCOMPARE(TFontMap::StationFileName(), folder + QStringLiteral("FONTMAP.DEF"));

        QVERIFY(
            TDesignFileWriter().FontMapHeader(1).FontMapEntry(3, 0, 0x45).WriteTo(folder + "FONTMAP.DEF"));
        QCOMPARE(TFontMap::LoadForStation().CoderFontID(3), quint8(0x45));
    }

    void withoutInstallFolderTheFileIsLookedForInTheWorkingFolder()
    {
        SettingsStore::Open()->remove(QLatin1String(SettingsStore::InstallDirectory));
        QCOMPARE(TFontMap::StationFileName(), QStringLiteral("FONTMAP.DEF"));
    }

    void missingFileGivesAnEmptyMap()
    {
        QVERIFY(TFontMap::Load(m_dir.filePath(QStringLiteral("nowhere/FONTMAP.DEF"))).Entries().isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_APPLESS_MAIN(TestFontMap)
#include "tst_fontmap.moc"
