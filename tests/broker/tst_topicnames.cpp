// Names become topic levels a subscriber cannot be tricked by: no wildcards, no level separators,
// no control characters, bounded; and two printers never share a level.
#include "broker/TopicNames.h"

#include <QTest>

class TestTopicNames : public QObject
{
    Q_OBJECT

private slots:
    void aLevelIsSafe_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("start"); // what the level starts with
        QTest::addColumn<bool>("changed");  // a hash follows
        QTest::newRow("plain") << "LINE1" << "LINE1" << false;
        QTest::newRow("letters of other scripts") << QString::fromUtf8("Linie-Süd_2.a") << QString::fromUtf8("Linie-Süd_2.a") << false;
        QTest::newRow("a wildcard") << "line+1" << "line_1~" << true;
        QTest::newRow("a multi-level wildcard") << "line#" << "line_~" << true;
        QTest::newRow("a separator") << "hall/line" << "hall_line~" << true;
        QTest::newRow("a system topic") << "$SYS" << "_SYS~" << true;
        QTest::newRow("a control character") << "line\n1" << "line_1~" << true;
        QTest::newRow("blanks") << "Line 1" << "Line_1~" << true;
        QTest::newRow("empty") << "" << "_~" << true;
        QTest::newRow("long") << QString(300, 'x') << QString(51, 'x') + '~' << true;
        QTest::newRow("the hash mark itself") << "a~b" << "a_b~" << true;
    }
    void aLevelIsSafe()
    {
        QFETCH(QString, name);
        QFETCH(QString, start);
        QFETCH(bool, changed);
        const QString level = TopicNames::SafeLevel(name);
        QVERIFY2(level.startsWith(start), qPrintable(level));
        QCOMPARE(level.size() == start.size() + 12, changed);
        QVERIFY(level.size() <= TopicNames::MaxLevelLength);
        for (const QChar c : level)
            QVERIFY(c.isLetterOrNumber() || QStringLiteral("-_.~").contains(c));
        QCOMPARE(TopicNames::SafeLevel(name), level); // the same after every restart
    }

    // Names that were made safe alike, and a changed name that meets a name kept as it was, differ.
    void namesMadeSafeAlikeDiffer()
    {
        QVERIFY(TopicNames::SafeLevel("line+1") != TopicNames::SafeLevel("line#1"));
        QVERIFY(TopicNames::SafeLevel("line 1") != TopicNames::SafeLevel("line_1"));
    }

    // Two printers that report the same name keep levels of their own; each keeps its level.
    void twoPrintersOfOneNameDoNotShareALevel()
    {
        TPrinterTopics topics;
        const QString first = topics.LevelFor("LINE1", "127.0.0.7:3000");
        const QString second = topics.LevelFor("LINE1", "127.0.0.8:3000");
        QCOMPARE(first, QStringLiteral("LINE1"));
        QVERIFY(second.startsWith("LINE1~"));
        QCOMPARE(topics.LevelFor("LINE1", "127.0.0.7:3000"), first);
        QCOMPARE(topics.LevelFor("LINE1", "127.0.0.8:3000"), second);
        QString name, address;
        QVERIFY(topics.PrinterOf(second, name, address));
        QCOMPARE(address, QStringLiteral("127.0.0.8:3000"));
        QVERIFY(!topics.PrinterOf("LINE2", name, address));
    }
};

QTEST_GUILESS_MAIN(TestTopicNames)
#include "tst_topicnames.moc"
