// The flash write notice: when it shows, and the period that ends it at the latest, with the
// period's timer driven by the test.
#include "app/parameters/FlashWriteForm.h"

#include <QLabel>
#include <QScreen>
#include <QTest>

class TestFlashWriteForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<TFlashWriteForm> m_form;

    void PeriodEnds() { emit m_form->Notice().Timer().timeout({}); }

private slots:
    void init() { m_form = std::make_unique<TFlashWriteForm>(); }
    void cleanup() { m_form.reset(); }

    void theNoticeShowsOnTopWithoutButtons()
    {
        m_form->FlashWriteStarted();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Telvos Vex"));
        QCOMPARE(m_form->findChild<QLabel*>()->text(), QStringLiteral("Writing to flash, please wait."));
        QVERIFY(m_form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!m_form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        const QPoint offCentre =
            m_form->frameGeometry().center() - m_form->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
        QTest::keyClick(m_form.get(), Qt::Key_Escape);
        QVERIFY(!m_form->close());
        QVERIFY(m_form->isVisible());
    }

    // ended: the printer reports the end, or the period passes.
    void theNoticeShowsUntilTheEndOrThePeriod_data()
    {
        QTest::addColumn<bool>("reported");
        QTest::newRow("the printer reports the end") << true;
        QTest::newRow("the period passes") << false;
    }
    void theNoticeShowsUntilTheEndOrThePeriod()
    {
        QFETCH(bool, reported);
        m_form->FlashWriteStarted();
        QVERIFY(m_form->isVisible());
        QCOMPARE(m_form->Notice().Timer().interval(), 20000);
        if (reported)
            m_form->FlashWriteEnded();
        else
            PeriodEnds();
        QVERIFY(!m_form->isVisible());
    }

    // A start reported while the period of the last showing runs does not begin a new period: the
    // notice hides when the earlier one ends.
    void aReopeningHidesWhenTheEarlierPeriodEnds()
    {
        m_form->FlashWriteStarted();
        m_form->FlashWriteEnded();
        m_form->FlashWriteStarted();
        QVERIFY(m_form->isVisible());
        PeriodEnds();
        QVERIFY(!m_form->isVisible());
        m_form->FlashWriteStarted();
        QVERIFY(m_form->isVisible());
        QVERIFY(m_form->Notice().Timer().isActive());
    }
};

QTEST_MAIN(TestFlashWriteForm)
#include "tst_flashwriteform.moc"
