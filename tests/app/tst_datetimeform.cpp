// The printer clock dialog, opened from the parameters editor's "Date/Time" against a simulated
// printer in this process whose clock, like the station's, is fixed by the test.
#include "AppTestSupport.h"
#include "InProcessPrinter.h"
#include "app/StationWindows.h"
#include "app/main/VexMainForm.h"
#include "app/parameters/DateTimeForm.h"
#include "app/parameters/ParametersForm.h"
#include "app/parameters/ParametersWindows.h"
#include "comm/SerialChannel.h"
#include "platform/StationClock.h"
#include "station/Station.h"
#include "widgets/MessageBox.h"

#include <QDateEdit>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>

namespace {
const QDateTime Reported(QDate(2024, 3, 5), QTime(14, 7, 30));

enum class TOperatorDoes
{
    Nothing,
    NextDay,
    NextMinute,
    UsePcTime,
    NextDayThenCancel,
};
} // namespace

class TestDateTimeForm : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TStationWindows> m_windows;
    std::unique_ptr<TInProcessPrinter> m_printer;

    TVexMainForm& Main() { return m_windows->MainForm(); }
    TParametersWindows& Windows() { return m_windows->ParametersWindows(); }
    TDateTimeForm& Form() { return Windows().DateTimeForm(); }
    QDateEdit* DatePicker() { return Form().findChild<QDateEdit*>(QStringLiteral("dateEdit")); }
    QTimeEdit* TimePicker() { return Form().findChild<QTimeEdit*>(QStringLiteral("timeEdit")); }
    void Click(const char* button)
    {
        QTest::mouseClick(Form().findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    // One step up in a section of a picker, as the operator steps it with the arrow key.
    static void StepUp(QDateTimeEdit* picker, QDateTimeEdit::Section section)
    {
        picker->setFocus(Qt::TabFocusReason);
        picker->setCurrentSection(section);
        QTest::keyClick(picker, Qt::Key_Up);
    }

    // What reached the printer of the date and time: "SetDate 07e80306".
    QStringList ClockMessages() const
    {
        QStringList sent;
        for (const TXLMessage& message : m_printer->ReceivedMessages())
            if (message.Is(XLSend::SetDate) || message.Is(XLSend::SetTime))
                sent << QStringLiteral("%1 %2").arg(message.Is(XLSend::SetDate) ? "SetDate" : "SetTime",
                                                    QString::fromLatin1(message.Body().toHex()));
        return sent;
    }

    // A printer connected on a serial line, its parameters open in the editor, and "Date/Time".
    void OpenClock()
    {
        m_printer = std::make_unique<TInProcessPrinter>(TInProcessPrinter::Config(QStringLiteral("LINE1")),
                                                        m_dir.filePath(QStringLiteral("printer.jsonl")));
        TConnectionManager& manager = m_windows->Station().Manager();
        m_printer->ConnectTo(manager);
        QTRY_COMPARE(Main().findChild<QLabel*>(QStringLiteral("printerValue"))->text(),
                     QStringLiteral("LINE1"));
        QVERIFY(AppTest::ClickMenu(Main(), {"Printer", "Parameters"}));
        TParametersForm& editor = Windows().ParametersForm();
        QTRY_VERIFY(editor.isVisible());
        QVERIFY(AppTest::ClickMenu(*editor.findChild<QMenuBar*>(), {"Date/Time"}));
        QTRY_VERIFY(Form().isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&Form()));
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        StationClock::SetSource([] { return Reported; });
        AppTest::UseQuietSettings();
        m_windows = std::make_unique<TStationWindows>();
        m_windows->Start();
        QVERIFY(QTest::qWaitForWindowExposed(&Main()));
    }
    void cleanup()
    {
        m_windows.reset();
        m_printer.reset();
        StationClock::SetSource({});
    }

    // The pickers show the printer's clock; "OK" sets what the operator changed, each part alone.
    void okSetsWhatChanged_data()
    {
        QTest::addColumn<TOperatorDoes>("change");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("nothing") << TOperatorDoes::Nothing << QStringList{};
        QTest::newRow("date") << TOperatorDoes::NextDay << QStringList{"SetDate 07e80306"};
        QTest::newRow("time") << TOperatorDoes::NextMinute << QStringList{"SetTime 0e08"};
        QTest::newRow("PC time") << TOperatorDoes::UsePcTime
                                 << QStringList{"SetDate 07e90102", "SetTime 0809"};
        QTest::newRow("Cancel") << TOperatorDoes::NextDayThenCancel << QStringList{};
    }
    void okSetsWhatChanged()
    {
        QFETCH(TOperatorDoes, change);
        QFETCH(QStringList, sent);
        OpenClock();
        QCOMPARE(Form().windowTitle(), QStringLiteral("Set Date and Time"));
        const QPoint offCentre =
            Form().frameGeometry().center() - Windows().ParametersForm().frameGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
        QCOMPARE(DatePicker()->date(), QDate(2024, 3, 5));
        QCOMPARE(TimePicker()->time(), QTime(14, 7));
        QCOMPARE(TimePicker()->displayFormat(), QStringLiteral("HH:mm"));
        QVERIFY(DatePicker()->calendarPopup());
        QVERIFY(DatePicker()->displayFormat().contains(QStringLiteral("yyyy")));

        switch (change) {
        case TOperatorDoes::Nothing:
            break;
        case TOperatorDoes::NextDay:
        case TOperatorDoes::NextDayThenCancel:
            StepUp(DatePicker(), QDateTimeEdit::DaySection);
            break;
        case TOperatorDoes::NextMinute:
            StepUp(TimePicker(), QDateTimeEdit::MinuteSection);
            break;
        case TOperatorDoes::UsePcTime:
            StationClock::SetSource([] { return QDateTime(QDate(2025, 1, 2), QTime(8, 9, 59)); });
            Click("pcTimeButton");
            break;
        }
        Click(change == TOperatorDoes::NextDayThenCancel ? "cancelButton" : "okButton");
        QVERIFY(!Form().isVisible());
        QTest::qWait(200); // whatever the station would still send has reached the printer
        QCOMPARE(ClockMessages(), sent);
    }

    // A clock report with a date or time that does not exist: the error in a box, and the picker
    // of that part keeps its value; a date that does not exist keeps the time picker's value too.
    void aClockThatDoesNotExistIsReported_data()
    {
        QTest::addColumn<QList<int>>("reported"); // year, month, day, hour, minute
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("error");
        QTest::newRow("30 February") << QList<int>{2024, 2, 30, 10, 20} << QDate(2024, 3, 5) << QTime(14, 7)
                                     << "Invalid argument to date encode";
        QTest::newRow("25 o'clock") << QList<int>{2024, 3, 6, 25, 0} << QDate(2024, 3, 6) << QTime(14, 7)
                                    << "Invalid argument to time encode";
    }
    void aClockThatDoesNotExistIsReported()
    {
        QFETCH(QList<int>, reported);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(QString, error);
        constexpr quint64 printerId = 7;
        Form().ExpectClockOf(printerId);
        Windows().ShowPrinterClock(printerId, 2024, 3, 5, 14, 7);
        const int boxes = TMessageBox::ShownCount();
        TMessageBox::SetNextAnswer(QMessageBox::Ok);
        Windows().ShowPrinterClock(printerId, quint16(reported[0]), quint8(reported[1]), quint8(reported[2]),
                                   quint8(reported[3]), quint8(reported[4]));
        QCOMPARE(TMessageBox::ShownCount(), boxes + 1);
        QCOMPARE(TMessageBox::LastShown().Text, error);
        QVERIFY(Form().isVisible());
        QCOMPARE(DatePicker()->date(), date);
        QCOMPARE(TimePicker()->time(), time);
    }

    // The operator asks again while changing the date: the time picker takes the new report, the
    // date picker keeps the operator's date, and "OK" sets the date only.
    void aSecondReportKeepsWhatTheOperatorChanged()
    {
        OpenClock();
        StepUp(DatePicker(), QDateTimeEdit::DaySection);
        StationClock::SetSource([] { return Reported.addSecs(120); });
        QVERIFY(AppTest::ClickMenu(*Windows().ParametersForm().findChild<QMenuBar*>(), {"Date/Time"}));
        QTRY_COMPARE(TimePicker()->time(), QTime(14, 9));
        QCOMPARE(DatePicker()->date(), QDate(2024, 3, 6));
        Click("okButton");
        QTest::qWait(200); // whatever the station would still send has reached the printer
        QCOMPARE(ClockMessages(), QStringList{"SetDate 07e80306"});
    }
};

QTEST_MAIN(TestDateTimeForm)
#include "tst_datetimeform.moc"
