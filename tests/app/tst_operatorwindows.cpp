// The printers' operator requests and the message window, against simulator programs on loopback TCP
// (and a pseudo-terminal) driven through their standard input; their logs give the answers.
#include "AppTestSupport.h"
#include "DesignFileWriter.h"
#include "SimulatorProcess.h"
#include "TestSupport.h"
#include "app/StationWindows.h"
#include "app/main/VexMainForm.h"
#include "app/operator/MessageForm.h"
#include "app/operator/OperatorDateForm.h"
#include "app/operator/OperatorNumericForm.h"
#include "app/operator/OpreqTextForm.h"
#include "app/print/PrintForm.h"
#include "coder/Coder.h"
#include "comm/NetChannel.h"
#include "comm/SerialChannel.h"
#include "comm/XLMessage.h"
#include "platform/StationClock.h"
#include "station/Station.h"
#include "widgets/MessageBox.h"
#include "widgets/SystemBeep.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The operator acts on the next request window as soon as it opens, inside its modal wait. A check
// that fails closes the window, so that the wait ends.
template <typename Form> void OnRequest(std::function<void(Form*)> act)
{
    AppTest::OnNextModal([act](QWidget* modal) {
        const auto closeOnFailure = qScopeGuard([modal] {
            if (QTest::currentTestFailed() && modal->isVisible())
                modal->close();
        });
        auto* form = qobject_cast<Form*>(modal);
        QVERIFY2(form,
                 qPrintable(QStringLiteral("another window asks: ") + modal->metaObject()->className()));
        act(form);
    });
}

template <typename Widget> Widget* Child(QWidget* window, const char* name)
{
    return window->findChild<Widget*>(QLatin1String(name));
}

void Click(QWidget* window, const char* button)
{
    QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
}

// Replaces the entry as an operator does: everything selected, then the keys.
void Retype(QLineEdit* field, const QString& text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

template <typename Form> Form* TopLevel()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form*>(window))
            return form;
    return nullptr;
}

TMessageForm* MessageWindow()
{
    return TopLevel<TMessageForm>();
}

// What is wrong with the shown window: a control without a name for screen readers, a text that
// does not fit its label or button.
QStringList Faults(QWidget* window)
{
    QStringList faults;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->objectName().startsWith(QLatin1String("qt_")))
            continue; // hidden, or a part of a Qt control
        const bool control = qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                             qobject_cast<QAbstractSpinBox*>(widget) ||
                             qobject_cast<QAbstractButton*>(widget);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (control && (!accessible || accessible->text(QAccessible::Name).isEmpty()))
            faults << widget->objectName() + QStringLiteral(" has no name");
        auto* label = qobject_cast<QLabel*>(widget);
        const bool wraps = label && label->wordWrap();
        if ((label || qobject_cast<QAbstractButton*>(widget)) && !wraps &&
            widget->width() < widget->sizeHint().width())
            faults << widget->objectName() + QStringLiteral(" is cut off");
        if (wraps && label->height() < label->heightForWidth(label->width()))
            faults << widget->objectName() + QStringLiteral(" is cut off");
    }
    return faults;
}
} // namespace

class TestOperatorWindows : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TStationWindows> m_windows;
    std::list<TSimulatorProcess> m_printers;
    int m_beeps = 0;

    TConnectionManager& Manager() { return m_windows->Station().Manager(); }

    // A simulator on loopback TCP under the name, connected and selected.
    TSimulatorProcess& Connect(const QString& name)
    {
        TSimulatorProcess& printer = m_printers.emplace_back();
        if (!printer.Start({"--tcp", "0", "--no-discovery", "--name", name}))
            qFatal("the simulator did not start: %s", qPrintable(printer.ErrorOutput()));
        const quint64 id = TestSupport::StartConnectingOverTcp(Manager(), printer.TcpPort());
        if (!id)
            qFatal("the simulator's port did not answer");
        if (!QTest::qWaitFor([&] {
                const TCommChannel* selected = Manager().SelectedChannel();
                return selected && selected->Id() == id && !TCoder::Of(*selected).Images.isEmpty();
            }))
            qFatal("the simulator did not connect");
        return printer;
    }
    static QList<QByteArray> Answers(const TSimulatorProcess& printer, TXLMessageKind reply)
    {
        return printer.ReceivedBodies(reply.Id, reply.Sub);
    }
    // Whatever the station would still send has reached the printer.
    static void Settle() { QTest::qWait(200); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        SystemBeep::SetHook([this] { ++m_beeps; });
        StationClock::SetSource([] { return QDateTime(QDate(2007, 3, 5), QTime(10, 0)); });
    }
    void cleanupTestCase()
    {
        SystemBeep::SetHook(nullptr);
        StationClock::SetSource(nullptr);
    }
    void init()
    {
        AppTest::UseQuietSettings();
        m_windows = std::make_unique<TStationWindows>();
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&m_windows->MainForm()));
        m_beeps = 0;
    }
    void cleanup()
    {
        m_windows.reset();
        m_printers.clear();
    }

    // The printer asks with its text and a length of 5. how: the operator's last step. The window
    // becomes active once, when it opens.
    void aTextRequestIsAnsweredHoweverTheWindowCloses_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QByteArray>("answer");
        const QString lot = QStringLiteral("LOT42");
        QTest::newRow("closed at once") << lot << QString() << "title bar" << QByteArray("LOT42\0", 6);
        QTest::newRow("a sixth letter") << lot << QStringLiteral("X") << "Save" << QByteArray("LOT42\0", 6);
        QTest::newRow("saved") << lot << QStringLiteral("\bAB") << "Save" << QByteArray("LOT4A\0", 6);
        QTest::newRow("a letter no printer takes")
            << lot << QStringLiteral("\b\u20AC") << "Save" << QByteArray("LOT4\0", 5);
        QTest::newRow("typed, then closed")
            << lot << QStringLiteral("\b\b") << "title bar" << QByteArray("LOT42\0", 6);
        QTest::newRow("typed, then Escape")
            << lot << QStringLiteral("\b\b") << "Escape" << QByteArray("LOT42\0", 6);
        const QString longer = QStringLiteral("LOT4242");
        QTest::newRow("a text longer than the length, closed at once")
            << longer << QString() << "title bar" << QByteArray("LOT4242\0", 8);
        QTest::newRow("a text longer than the length, a letter more")
            << longer << QStringLiteral("X") << "Save" << QByteArray("LOT4242\0", 8);
    }
    void aTextRequestIsAnsweredHoweverTheWindowCloses()
    {
        QFETCH(QString, current);
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(QByteArray, answer);
        TSimulatorProcess& printer = Connect(QStringLiteral("LINE1"));
        bool managerDisabled = false;
        OnRequest<TOpreqTextForm>([&](TOpreqTextForm* form) {
            QVERIFY(QTest::qWaitForWindowActive(form));
            QCOMPARE(form->windowTitle(), QStringLiteral("Operator request"));
            QCOMPARE(Child<QLineEdit>(form, "promptField")->text(), QStringLiteral("Lot number?"));
            auto* field = Child<QLineEdit>(form, "textField");
            QCOMPARE(field->text(), current);
            managerDisabled = !Manager().IsEnabled();
            QTest::keyClick(field, Qt::Key_End); // the printer's text is selected at first
            for (const QChar key : typed)
                if (key == QLatin1Char('\b'))
                    QTest::keyClick(field, Qt::Key_Backspace);
                else if (key.unicode() > 0xFF)
                    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(key), {});
                else
                    QTest::keyClick(field, key.toLatin1());
            if (how == QLatin1String("Save"))
                Click(form, "saveButton");
            else if (how == QLatin1String("Escape"))
                QTest::keyClick(field, Qt::Key_Escape);
            else
                form->close();
        });
        printer.Command("request text \"Lot number?\" " + current.toLatin1() + " 5");
        QTRY_COMPARE(Answers(printer, XLSend::OperatorTextReply), QList<QByteArray>{answer});
        QVERIFY(managerDisabled);
        QVERIFY(Manager().IsEnabled());
    }

    // Entries go in one after the other with "Save", each refused with a beep until one is taken.
    void aNumberIsTakenBetweenTheLimits_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("10 then 20: 10 refused, 15 taken")
            << QByteArray("7 10 20 3") << QStringList{"10", "15"} << 1 << QByteArray::fromHex("0000000f");
        QTest::newRow("10 then 20: 20 taken")
            << QByteArray("7 10 20 3") << QStringList{"20"} << 0 << QByteArray::fromHex("00000014");
        QTest::newRow("20 then 10: 20 refused, 10 taken")
            << QByteArray("7 20 10 3") << QStringList{"20", "10"} << 1 << QByteArray::fromHex("0000000a");
        QTest::newRow("equal limits take nothing: the printer's value")
            << QByteArray("7 10 10 3") << QStringList{"10", "11", "9"} << 3
            << QByteArray::fromHex("00000007");
        QTest::newRow("258") << QByteArray("7 0 1000 3") << QStringList{"258"} << 0
                             << QByteArray::fromHex("00000102");
    }
    void aNumberIsTakenBetweenTheLimits()
    {
        QFETCH(QByteArray, request);
        QFETCH(QStringList, entries);
        QFETCH(int, beeps);
        QFETCH(QByteArray, answer);
        TSimulatorProcess& printer = Connect(QStringLiteral("LINE1"));
        OnRequest<TOperatorNumericForm>([&](TOperatorNumericForm* form) {
            QCOMPARE(form->windowTitle(), QStringLiteral("Numeric item #3"));
            const QList<QByteArray> limits = request.split(' ').mid(1, 2);
            QCOMPARE(Child<QLineEdit>(form, "minimumBox")->text().toInt(),
                     qMin(limits[0].toInt(), limits[1].toInt()));
            QCOMPARE(Child<QLineEdit>(form, "maximumBox")->text().toInt(),
                     qMax(limits[0].toInt(), limits[1].toInt()));
            auto* field = Child<QLineEdit>(form, "valueField");
            QCOMPARE(field->text(), QStringLiteral("7"));
            for (const QString& entry : entries) {
                QVERIFY(form->isVisible());
                Retype(field, entry);
                Click(form, "saveButton");
            }
            QCOMPARE(m_beeps, beeps);
            if (form->isVisible())
                form->close();
        });
        printer.Command("request numeric " + request);
        QTRY_COMPARE(Answers(printer, XLSend::OperatorNumericReply), QList<QByteArray>{answer});
    }

    // The entry takes 1 to 8 digits and nothing else; an empty one is no number.
    void aNumericEntryIsDigitsOnly()
    {
        TSimulatorProcess& printer = Connect(QStringLiteral("LINE1"));
        const int boxes = TMessageBox::ShownCount();
        OnRequest<TOperatorNumericForm>([&](TOperatorNumericForm* form) {
            auto* field = Child<QLineEdit>(form, "valueField");
            Retype(field, QStringLiteral("1a-2 3456789"));
            QCOMPARE(field->text(), QStringLiteral("12345678"));
            TMessageBox::SetNextAnswer(QMessageBox::Ok);
            Retype(field, QString());
            Click(form, "saveButton");
            QCOMPARE(TMessageBox::ShownCount(), boxes + 1);
            QCOMPARE(TMessageBox::LastShown().Text, QStringLiteral("Enter a number."));
            QCOMPARE(TMessageBox::LastShown().Icon, QMessageBox::Critical);
            QVERIFY(form->isVisible());
            QCOMPARE(m_beeps, 0);
            form->close();
        });
        printer.Command("request numeric 5 0 99999999 1");
        QTRY_COMPARE(Answers(printer, XLSend::OperatorNumericReply),
                     QList<QByteArray>{QByteArray::fromHex("00000005")});
    }

    void theDateIsTodaysUnlessPicked_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("nextDay");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("saved") << true << false << QByteArray::fromHex("0503d707");
        QTest::newRow("closed") << false << false << QByteArray::fromHex("0503d707");
        QTest::newRow("the next day") << true << true << QByteArray::fromHex("0603d707");
    }
    void theDateIsTodaysUnlessPicked()
    {
        QFETCH(bool, save);
        QFETCH(bool, nextDay);
        QFETCH(QByteArray, answer);
        TSimulatorProcess& printer = Connect(QStringLiteral("LINE1"));
        OnRequest<TOperatorDateForm>([&](TOperatorDateForm* form) {
            QCOMPARE(form->windowTitle(), QStringLiteral("Operator date"));
            auto* field = Child<QDateEdit>(form, "dateField");
            QCOMPARE(field->date(), QDate(2007, 3, 5));
            QVERIFY(field->calendarPopup());
            if (nextDay) {
                field->setCurrentSection(QDateTimeEdit::DaySection);
                QTest::keyClick(field, Qt::Key_Up);
            }
            if (save)
                Click(form, "saveButton");
            else
                form->close();
        });
        printer.Command("request date");
        QTRY_COMPARE(Answers(printer, XLSend::OperatorDateReply), QList<QByteArray>{answer});
    }

    // The request of a printer that is not the selected one goes back to it. A second printer asks
    // while the first one's window is open: its window opens over the first, and each printer gets its
    // own answer; the "Connections" window stays disabled until both are closed.
    void eachRequestIsAnsweredToThePrinterThatAsked()
    {
        TSimulatorProcess& line1 = Connect(QStringLiteral("LINE1"));
        TSimulatorProcess& line2 = Connect(QStringLiteral("LINE2")); // now the selected one
        bool disabledBetween = false;
        const auto answerFirst = [&](TOpreqTextForm* first) {
            QCOMPARE(Child<QLineEdit>(first, "promptField")->text(), QStringLiteral("First?"));
            disabledBetween = !Manager().IsEnabled();
            QTest::keyClick(Child<QLineEdit>(first, "textField"), Qt::Key_End);
            QTest::keyClicks(Child<QLineEdit>(first, "textField"), QStringLiteral("-1"));
            Click(first, "saveButton");
        };
        const auto answerSecond = [&](TOpreqTextForm* second) {
            QCOMPARE(Child<QLineEdit>(second, "promptField")->text(), QStringLiteral("Second?"));
            QTest::keyClick(Child<QLineEdit>(second, "textField"), Qt::Key_End);
            QTest::keyClicks(Child<QLineEdit>(second, "textField"), QStringLiteral("-2"));
            Click(second, "saveButton");
            OnRequest<TOpreqTextForm>(answerFirst); // the first one is asking again
        };
        OnRequest<TOpreqTextForm>([&](TOpreqTextForm*) {
            OnRequest<TOpreqTextForm>(answerSecond);
            line2.Command("request text \"Second?\" TWO 0");
        });
        line1.Command("request text \"First?\" ONE 0");
        QTRY_COMPARE(Answers(line1, XLSend::OperatorTextReply), QList<QByteArray>{QByteArray("ONE-1\0", 6)});
        QTRY_COMPARE(Answers(line2, XLSend::OperatorTextReply), QList<QByteArray>{QByteArray("TWO-2\0", 6)});
        QVERIFY(disabledBetween);
        QVERIFY(Manager().IsEnabled());
        Settle();
        QCOMPARE(Answers(line1, XLSend::OperatorTextReply).size(), 1);
    }

    // The selected printer ends its connection while another printer's request waits: the window
    // closes, and no answer goes out. (The asking printer's own notice would wait on its link until
    // the request is answered.)
    void theSelectedPrinterEndingItsConnectionClosesTheRequestUnanswered()
    {
        TSimulatorProcess& asking = Connect(QStringLiteral("LINE1"));
        TSimulatorProcess& selected = Connect(QStringLiteral("LINE2"));
        bool closed = false;
        OnRequest<TOperatorNumericForm>([&](TOperatorNumericForm* form) {
            selected.Command("disconnect");
            closed = QTest::qWaitFor([form] { return !form->isVisible(); });
            if (!closed)
                form->close();
        });
        asking.Command("request numeric 5 0 10 1");
        QTRY_VERIFY(closed);
        QCOMPARE(MessageWindow()->Message(), QStringLiteral("LINE2 MANUALLY DISCONNECTED!"));
        QVERIFY(Manager().IsEnabled());
        Settle();
        QCOMPARE(Answers(asking, XLSend::OperatorNumericReply), QList<QByteArray>{});
    }

    // Each window as it opens, in the built-in texts and in German.
    void everyControlIsNamedAndEveryTextFits_data()
    {
        QTest::addColumn<bool>("german");
        QTest::newRow("English") << false;
        QTest::newRow("German") << true;
    }
    void everyControlIsNamedAndEveryTextFits()
    {
        QFETCH(bool, german);
        QTemporaryDir programDir;
        QVERIFY(QFile::copy(QStringLiteral(VEX_GERMAN_PACK), programDir.filePath(QStringLiteral("vex.DEU"))));
        m_windows = std::make_unique<TStationWindows>(programDir.filePath(QStringLiteral("vex")));
        m_windows->Start();
        if (german)
            m_windows->LanguageSelectClick(1031);
        auto* print = m_windows->MainForm().findChild<TPrintForm*>();
        print->UpdateImageList({QStringLiteral("DEMO")});
        QCOMPARE(print->findChild<QLabel*>(QStringLiteral("imageALabel"))->text(),
                 german ? QStringLiteral("Aktuelles Bild:") : QStringLiteral("Current image:"));
        auto* message = MessageWindow();
        message->ShowMessage(QCoreApplication::translate("TCoder", "%1 - PRINTHEAD POSITIONING ERROR!")
                                 .arg(QStringLiteral("PACKING LINE 12")));
        QWidget* const windows[] = {print, TopLevel<TOpreqTextForm>(), TopLevel<TOperatorNumericForm>(),
                                    TopLevel<TOperatorDateForm>(), message};
        for (QWidget* window : windows) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QStringList faults = Faults(window);
            QVERIFY2(faults.isEmpty(),
                     qPrintable(window->objectName() + QStringLiteral(": ") + faults.join(", ")));
            window->hide();
        }
    }

    void faultsAndDisconnectionsAreShownInTheMessageWindow_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QString>("text");
        QTest::newRow("print cycle timeout") << QByteArray("fault timeout") << "LINE1 - PRINT CYCLE TIMEOUT!";
        QTest::newRow("positioning error")
            << QByteArray("fault position") << "LINE1 - PRINTHEAD POSITIONING ERROR!";
        QTest::newRow("memory write error") << QByteArray("fault memory") << "MEMORY WRITE ERROR!";
        QTest::newRow("ribbon fault") << QByteArray("fault ribbon") << "LINE1 - RIBBON FAULT!";
        QTest::newRow("disconnection") << QByteArray("disconnect") << "LINE1 MANUALLY DISCONNECTED!";
    }
    void faultsAndDisconnectionsAreShownInTheMessageWindow()
    {
        QFETCH(QByteArray, command);
        QFETCH(QString, text);
        TSimulatorProcess& printer = Connect(QStringLiteral("LINE1"));
        printer.Command(command);
        TMessageForm* form = MessageWindow();
        QVERIFY(form);
        QTRY_VERIFY(form->isVisible());
        QCOMPARE(form->Message(), text);
        QCOMPARE(form->windowTitle(), QStringLiteral("Telvos Vex"));
        QVERIFY(!form->isModal());
        QVERIFY(form->findChild<QLabel*>(QStringLiteral("messageText"))->font().bold());
        Click(form, "okButton");
        QVERIFY(!form->isVisible());
    }

    // The message window does not wait for the operator: a transfer under way goes on, and a second
    // message takes the place of the first in the one window.
    void messagesDoNotHoldUpATransfer()
    {
        TSimulatorProcess& printer = Connect(QStringLiteral("LINE1"));
        const QString file = m_dir.filePath(QStringLiteral("one.Vega"));
        QVERIFY(TDesignFileWriter::SmallImage("ONE").WriteTo(file));
        printer.Command("fault timeout");
        QTRY_VERIFY(MessageWindow()->isVisible());
        QVERIFY(m_windows->Station().Batch().Start({file}));
        printer.Command("fault ribbon");
        QTRY_COMPARE(Answers(printer, XLSend::FlashWrite).size(), 1);
        QCOMPARE(Answers(printer, XLSend::ImageData).size(), 1);
        QTRY_COMPARE(MessageWindow()->Message(), QStringLiteral("LINE1 - RIBBON FAULT!"));
        QVERIFY(MessageWindow()->isVisible());
        int messageWindows = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            messageWindows += qobject_cast<TMessageForm*>(window) != nullptr;
        QCOMPARE(messageWindows, 1);
    }
};

QTEST_MAIN(TestOperatorWindows)
#include "tst_operatorwindows.moc"
