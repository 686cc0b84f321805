#include "widgets/MessageBox.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
// Clicks the button of the message box that waits, once it shows.
void ClickWhenShown(const QString& buttonText)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, buttonText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->deleteLater();
        for (QAbstractButton* button : box->buttons())
            if (button->text() == buttonText)
                QTest::mouseClick(button, Qt::LeftButton);
    });
    poll->start(10);
}
} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationDisplayName(QStringLiteral("Telvos Vex")); }

    void anAnswerGivenInAdvanceIsTakenWithoutWaiting()
    {
        const int shown = TMessageBox::ShownCount();
        TMessageBox::SetNextAnswer(QMessageBox::Cancel);
        TMessageBox::SetNextAnswer(QMessageBox::Ok);
        QCOMPARE(TMessageBox::Show(QMessageBox::Critical, QStringLiteral("first"), QMessageBox::Ok | QMessageBox::Cancel),
                 QMessageBox::Cancel);
        QCOMPARE(TMessageBox::LastShown().Text, QStringLiteral("first"));
        TMessageBox::ShowError(QStringLiteral("second"));
        QCOMPARE(TMessageBox::ShownCount(), shown + 2);
        const TMessageBox::TShownBox last = TMessageBox::LastShown();
        QCOMPARE(last.Icon, QMessageBox::Critical);
        QCOMPARE(last.Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(last.Answer, QMessageBox::Ok);
    }

    void withoutAnAnswerTheBoxWaitsForTheOperator()
    {
        ClickWhenShown(QStringLiteral("Cancel"));
        QCOMPARE(TMessageBox::Show(QMessageBox::Critical, QStringLiteral("IMAGE A EXISTS, OVERWRITE?"),
                                   QMessageBox::Ok | QMessageBox::Cancel),
                 QMessageBox::Cancel);
        QCOMPARE(TMessageBox::LastShown().Answer, QMessageBox::Cancel);
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
