#include "RecordingChannel.h"
#include "RecordingSink.h"
#include "RecordingViews.h"
#include "coder/Coder.h"
#include "station/ModifyImage.h"

#include <QTest>

namespace {

TXLMessage Report(const QString& image, const QString& value)
{
    TXLMessage report(XLReceive::StatusId, XLReceive::ImageItems);
    report.WriteString(image);
    report.WriteString(QStringLiteral("1"));
    report.WriteU8(0x1D);
    for (const QString& text :
         {QStringLiteral("7"), QStringLiteral("A"), QString(), QString(), QString(), QString(), value})
        report.WriteString(text);
    return report;
}

} // namespace

class TestModifyImage : public QObject
{
    Q_OBJECT

    TRecordingCoderEvents m_events;
    std::unique_ptr<TRecordingChannel> m_printer;
    std::unique_ptr<TestSupport::TRecordingSink> m_sink;
    std::unique_ptr<TModifyImage> m_modify;

    TCoder& Coder() { return TCoder::Of(*m_printer); }

private slots:
    void init()
    {
        m_printer = std::make_unique<TRecordingChannel>(QStringLiteral("p"), 1, TCoder::Factory(m_events));
        Coder().Images = QStringList{"Telvos", "delta", "CHARLIE", "Bravo"};
        Coder().CurrentImageA = QStringLiteral("CHARLIE");
        m_sink = std::make_unique<TestSupport::TRecordingSink>();
        m_modify = std::make_unique<TModifyImage>(*m_sink);
    }

    void opensOnTheCurrentImageAndAsksForItsItems()
    {
        QVERIFY(m_modify->Open(&Coder()));
        QCOMPARE(m_modify->ImageNames(), (QStringList{"Bravo", "CHARLIE", "delta", "Telvos"}));
        QCOMPARE(m_modify->CurrentImage(), QStringLiteral("CHARLIE"));
        QCOMPARE(m_sink->Sent(), QStringList{"3F/4: 43 48 41 52 4C 49 45 00"});
    }

    void withoutAPrinterNothingHappens()
    {
        QVERIFY(!m_modify->Open(nullptr));
        QVERIFY(!m_modify->IsOpen());
        QVERIFY(m_sink->Messages.empty());
        QVERIFY(!m_modify->ItemsReported(Report(QString(), QStringLiteral("x"))));
    }

    void aChoiceCountsOnlyAfterTheListWasOpened()
    {
        m_modify->Open(&Coder());
        QCOMPARE(m_modify->ImageChosen(QStringLiteral("delta")), QStringLiteral("CHARLIE"));
        m_modify->ImageListOpened();
        QCOMPARE(m_modify->ImageChosen(QStringLiteral("delta")), QStringLiteral("delta"));
        // Each opening lets one change through.
        QCOMPARE(m_modify->ImageChosen(QStringLiteral("Bravo")), QStringLiteral("delta"));
        QCOMPARE(m_sink->Sent(), (QStringList{"3F/4: 43 48 41 52 4C 49 45 00", "3F/4: 64 65 6C 74 61 00"}));
    }

    void reportsOfTheShownImageFillTheRowsOthersEmptyThem()
    {
        m_modify->Open(&Coder());
        const TImageItems* items =
            m_modify->ItemsReported(Report(QStringLiteral("CHARLIE"), QStringLiteral("HELLO")));
        QVERIFY(items);
        QCOMPARE(items->Rows, (QList<TImageItemRow>{{"7", "Text", "HELLO", 0}}));
        m_modify->ItemsReported(Report(QStringLiteral("Bravo"), QStringLiteral("HELLO")));
        QVERIFY(m_modify->Rows().isEmpty());
        m_modify->Close();
        QVERIFY(!m_modify->ItemsReported(Report(QStringLiteral("CHARLIE"), QStringLiteral("HELLO"))));
    }

    void editOfARowShowsItsNumberTypeAndValue()
    {
        m_modify->Open(&Coder());
        m_modify->ItemsReported(Report(QStringLiteral("CHARLIE"), QStringLiteral("HELLO")));
        const std::optional<TItemEdit> edit = m_modify->EditOf(0);
        QVERIFY(edit);
        QCOMPARE(edit->ImageName, QStringLiteral("CHARLIE"));
        QCOMPARE(edit->ItemNumber, QStringLiteral("7"));
        QCOMPARE(edit->ItemType, QStringLiteral("Text"));
        QCOMPARE(edit->InitialValue, QStringLiteral("HELLO"));
        QVERIFY(!m_modify->EditOf(1));
        QVERIFY(!m_modify->EditOf(-1));
    }

    void okSendsAnExactlyDifferentValueAndReloadsInEveryCase_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("same text") << "HELLO" << QStringList{"3F/4: 43 48 41 52 4C 49 45 00"};
        QTest::newRow("other letter case")
            << "Hello"
            << QStringList{"31/7: 43 48 41 52 4C 49 45 00 37 00 48 65 6C 6C 6F 00",
                           "3F/4: 43 48 41 52 4C 49 45 00"};
        QTest::newRow("emptied") << ""
                                 << QStringList{"31/7: 43 48 41 52 4C 49 45 00 37 00 00",
                                                "3F/4: 43 48 41 52 4C 49 45 00"};
    }
    void okSendsAnExactlyDifferentValueAndReloadsInEveryCase()
    {
        QFETCH(QString, value);
        QFETCH(QStringList, sent);
        m_modify->Open(&Coder());
        m_modify->ItemsReported(Report(QStringLiteral("CHARLIE"), QStringLiteral("HELLO")));
        m_sink->Messages.clear();

        m_modify->EditAccepted(*m_modify->EditOf(0), value);

        QCOMPARE(m_sink->Sent(), sent);
    }

    // Written as 8-bit characters, "€" would reach the printer as "?", and a 0x00 would end the value.
    void aValueAMessageCannotCarryIsRefused_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("8-bit letters") << QStringLiteral("Grüße") << true;
        QTest::newRow("beyond 8 bits") << QStringLiteral("5 €") << false;
        QTest::newRow("beyond 16 bits") << QStringLiteral("\U0001F600") << false;
        QTest::newRow("0x00") << QString(QChar(0)) << false;
    }
    void aValueAMessageCannotCarryIsRefused()
    {
        QFETCH(QString, value);
        QFETCH(bool, accepted);
        m_modify->Open(&Coder());
        m_modify->ItemsReported(Report(QStringLiteral("CHARLIE"), QStringLiteral("HELLO")));
        m_sink->Messages.clear();

        QCOMPARE(m_modify->EditAccepted(*m_modify->EditOf(0), value), accepted);

        QCOMPARE(m_sink->Messages.size(), std::size_t(accepted ? 2 : 0));
    }
};

QTEST_GUILESS_MAIN(TestModifyImage)
#include "tst_modifyimage.moc"
