// When the flash write notice shows: the printer's reports and the period that ends it at the
// latest. The period's timer is driven by the test.
#include "station/FlashWriteNotice.h"

#include <QSignalSpy>
#include <QTest>

class TestFlashWriteNotice : public QObject
{
    Q_OBJECT

    std::unique_ptr<TFlashWriteNotice> m_notice;
    std::unique_ptr<QSignalSpy> m_shown;

    QList<bool> Told() const
    {
        QList<bool> told;
        for (const QList<QVariant>& call : *m_shown)
            told << call.at(0).toBool();
        return told;
    }

private slots:
    void init()
    {
        m_notice = std::make_unique<TFlashWriteNotice>();
        m_shown = std::make_unique<QSignalSpy>(m_notice.get(), &TFlashWriteNotice::ShownChanged);
    }

    // ended: what ends the notice, the printer's report (done or memory write error) or the period.
    void theNoticeShowsUntilTheEndOrThePeriod_data()
    {
        QTest::addColumn<bool>("reported");
        QTest::newRow("the printer reports the end") << true;
        QTest::newRow("the period passes") << false;
    }
    void theNoticeShowsUntilTheEndOrThePeriod()
    {
        QFETCH(bool, reported);
        m_notice->FlashWriteStarted();
        QVERIFY(m_notice->IsShown());
        QVERIFY(m_notice->Timer().isActive());
        QCOMPARE(m_notice->Timer().interval(), 20000);
        if (reported)
            m_notice->FlashWriteEnded();
        else
            emit m_notice->Timer().timeout({});
        QVERIFY(!m_notice->IsShown());
        QCOMPARE(m_notice->Timer().isActive(), reported); // the end reported leaves the period running
        QCOMPARE(Told(), (QList<bool>{true, false}));
    }

    // A start reported while the period of the last showing runs does not begin a new period: the
    // notice hides when the earlier one ends.
    void aReopeningDoesNotRestartThePeriod()
    {
        m_notice->FlashWriteStarted();
        m_notice->FlashWriteEnded();
        QTest::qWait(50);
        m_notice->FlashWriteStarted();
        QVERIFY(m_notice->IsShown());
        QVERIFY(m_notice->Timer().remainingTime() <= 20000 - 50);

        emit m_notice->Timer().timeout({});
        QVERIFY(!m_notice->IsShown());
        QVERIFY(!m_notice->Timer().isActive());
        QCOMPARE(Told(), (QList<bool>{true, false, true, false}));

        m_notice->FlashWriteStarted(); // after the period: a new one
        QVERIFY(m_notice->Timer().remainingTime() > 20000 - 50);
    }

    void anEndWithoutAStartTellsNothing()
    {
        m_notice->FlashWriteEnded();
        m_notice->FlashWriteTimerTimeOut();
        QVERIFY(m_shown->isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFlashWriteNotice)
#include "tst_flashwritenotice.moc"
