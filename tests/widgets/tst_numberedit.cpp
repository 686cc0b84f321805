#include "widgets/NumberEdit.h"
#include "widgets/SystemBeep.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {
// Builds a list of real key events for a data table: Keys().Type("35").Key(Qt::Key_Left).
struct Keys
{
    QTestEventList List;
    Keys& Type(const char* text)
    {
        List.addKeyClicks(QString::fromLatin1(text));
        return *this;
    }
    Keys& Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        List.addKeyClick(key, modifiers);
        return *this;
    }
    operator QTestEventList() const { return List; }
};
} // namespace

// The field sits in a small dialog beside a second field, so that it can be entered and left.
class TestNumberEdit : public QObject
{
    Q_OBJECT

    std::unique_ptr<QDialog> m_window;
    TNumberEdit* m_edit = nullptr;
    QLineEdit* m_other = nullptr;
    int m_beeps = 0;

    // Shows the value with the format and gives the field the focus.
    void Enter(const QString& format, int value)
    {
        m_edit->SetFormatString(format);
        m_edit->SetValue(value);
        m_edit->setFocus();
        QVERIFY(m_edit->hasFocus());
    }

    void Select(int start, int length)
    {
        QCOMPARE(m_edit->selectionStart() < 0 ? m_edit->cursorPosition() : m_edit->selectionStart(), start);
        QCOMPARE(m_edit->selectionLength(), length);
        if (length == 1)
            QCOMPARE(m_edit->cursorPosition(), start); // the overtype cursor: text cursor at the left end
    }

private slots:
    void init()
    {
        m_beeps = 0;
        SystemBeep::SetHook([this] { ++m_beeps; });
        m_window = std::make_unique<QDialog>();
        auto* layout = new QVBoxLayout(m_window.get());
        m_edit = new TNumberEdit(m_window.get());
        m_other = new QLineEdit(m_window.get());
        layout->addWidget(m_edit);
        layout->addWidget(m_other);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_other->setFocus();
    }

    void cleanup()
    {
        m_window.reset();
        SystemBeep::SetHook({});
    }

    void writingValueTruncatesAndFormats_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("laterFormat");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::newRow("12345 percent") << "###%" << 12345 << "###%"
                                       << "345%" << 345;
        QTest::newRow("0.40 m/min") << "##.## m/min" << 40 << "##.## m/min"
                                    << "0.40 m/min" << 40;
        QTest::newRow("one slot") << "# s" << 10 << "# s"
                                  << "0 s" << 0;
        QTest::newRow("percent to m/min") << "###%" << 100 << "##.## m/min"
                                          << "1.00 m/min" << 100;
        QTest::newRow("m/min to percent") << "##.## m/min" << 3500 << "###%"
                                          << "500%" << 500;
    }
    void writingValueTruncatesAndFormats()
    {
        QFETCH(QString, format);
        QFETCH(int, value);
        QFETCH(QString, laterFormat);
        QFETCH(QString, text);
        QFETCH(int, stored);
        m_edit->SetFormatString(format);
        m_edit->SetValue(value);
        m_edit->SetFormatString(laterFormat);
        QCOMPARE(m_edit->text(), text);
        QCOMPARE(m_edit->Value(), stored);
        QCOMPARE(m_edit->property("Value").toInt(), stored);
    }

    void rangeRules_data()
    {
        QTest::addColumn<int>("minValue");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("inRange");
        QTest::newRow("no limits, 0") << 0 << 0 << 0 << true;
        QTest::newRow("no limits, 9999") << 0 << 0 << 9999 << true;
        QTest::newRow("no limits, -1") << 0 << 0 << -1 << false;
        QTest::newRow("1..60, 0") << 1 << 60 << 0 << false;
        QTest::newRow("1..60, 1") << 1 << 60 << 1 << true;
        QTest::newRow("1..60, 60") << 1 << 60 << 60 << true;
        QTest::newRow("1..60, 61") << 1 << 60 << 61 << false;
    }
    void rangeRules()
    {
        QFETCH(int, minValue);
        QFETCH(int, maxValue);
        QFETCH(int, value);
        QFETCH(bool, inRange);
        m_edit->SetFormatString("####");
        m_edit->SetMinValue(minValue);
        m_edit->SetMaxValue(maxValue);
        m_edit->SetValue(value);
        QCOMPARE(m_edit->IsValueInRange(), inRange);
    }

    void keys_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("newValue");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<int>("beeps");
        const QString speed = "##.## m/min";
        const QString percent = "###%";
        // clang-format off
        QTest::newRow("overtype moves on") << speed << 40 << 0 << "" << QTestEventList(Keys().Type("3"))
            << "3.40 m/min" << 340 << 2 << 1 << 0;
        QTest::newRow("overtype across the point") << speed << 40 << 0 << "" << QTestEventList(Keys().Type("35"))
            << "3.50 m/min" << 350 << 3 << 1 << 0;
        QTest::newRow("typed point ends the whole digits") << speed << 3500 << 0 << "" << QTestEventList(Keys().Type("3.5"))
            << "3.50 m/min" << 350 << 3 << 1 << 0;
        QTest::newRow("letter refused") << percent << 345 << 0 << "" << QTestEventList(Keys().Type("a"))
            << "345%" << 345 << 0 << 1 << 1;
        QTest::newRow("point refused without one in the format") << percent << 5 << 0 << "" << QTestEventList(Keys().Type("."))
            << "5%" << 5 << 0 << 1 << 1;
        QTest::newRow("grows in front") << percent << 5 << 0 << "" << QTestEventList(Keys().Key(Qt::Key_Left).Type("3"))
            << "35%" << 35 << 1 << 1 << 0;
        QTest::newRow("grows behind") << percent << 5 << 0 << "" << QTestEventList(Keys().Key(Qt::Key_Right).Type("6"))
            << "56%" << 56 << 2 << 0 << 0;
        QTest::newRow("full field overtypes its last digit") << percent << 345 << 2 << "" << QTestEventList(Keys().Type("6"))
            << "346%" << 346 << 2 << 1 << 0;
        QTest::newRow("leading zero dropped") << percent << 35 << 0 << "" << QTestEventList(Keys().Type("0"))
            << "5%" << 5 << 0 << 1 << 0;
        QTest::newRow("Right skips the point") << speed << 3500 << 1 << "" << QTestEventList(Keys().Key(Qt::Key_Right))
            << "35.00 m/min" << 3500 << 3 << 1 << 0;
        QTest::newRow("Left skips the point") << speed << 3500 << 3 << "" << QTestEventList(Keys().Key(Qt::Key_Left))
            << "35.00 m/min" << 3500 << 1 << 1 << 0;
        QTest::newRow("Left stays on a full number") << percent << 345 << 0 << "" << QTestEventList(Keys().Key(Qt::Key_Left))
            << "345%" << 345 << 0 << 1 << 0;
        QTest::newRow("Up and Down ignored") << speed << 3500 << 1 << "" << QTestEventList(Keys().Key(Qt::Key_Up).Key(Qt::Key_Down))
            << "35.00 m/min" << 3500 << 1 << 1 << 0;
        QTest::newRow("End on the last digit") << speed << 3500 << 0 << "" << QTestEventList(Keys().Key(Qt::Key_End))
            << "35.00 m/min" << 3500 << 4 << 1 << 0;
        QTest::newRow("End behind a short number") << percent << 5 << 0 << "" << QTestEventList(Keys().Key(Qt::Key_End))
            << "5%" << 5 << 1 << 0 << 0;
        QTest::newRow("Home") << speed << 3500 << 4 << "" << QTestEventList(Keys().Key(Qt::Key_Home))
            << "35.00 m/min" << 3500 << 0 << 1 << 0;
        QTest::newRow("Shift+Home") << percent << 345 << 1 << "" << QTestEventList(Keys().Key(Qt::Key_Home, Qt::ShiftModifier))
            << "345%" << 345 << 0 << 2 << 0;
        QTest::newRow("Shift+End stops at the last digit") << speed << 3500 << 1 << ""
            << QTestEventList(Keys().Key(Qt::Key_End, Qt::ShiftModifier)) << "35.00 m/min" << 3500 << 1 << 4 << 0;
        QTest::newRow("Backspace across the point") << speed << 340 << 2 << "" << QTestEventList(Keys().Key(Qt::Key_Backspace))
            << "0.40 m/min" << 40 << 0 << 1 << 0;
        QTest::newRow("Backspace closes up") << percent << 123 << 2 << "" << QTestEventList(Keys().Key(Qt::Key_Backspace))
            << "13%" << 13 << 1 << 1 << 0;
        QTest::newRow("Backspace at the first digit") << percent << 123 << 0 << "" << QTestEventList(Keys().Key(Qt::Key_Backspace))
            << "123%" << 123 << 0 << 1 << 0;
        QTest::newRow("Delete in front of the point") << speed << 3500 << 1 << "" << QTestEventList(Keys().Key(Qt::Key_Delete))
            << "3.00 m/min" << 300 << 2 << 1 << 0;
        QTest::newRow("Delete after the point") << speed << 3540 << 3 << "" << QTestEventList(Keys().Key(Qt::Key_Delete))
            << "35.00 m/min" << 3500 << 3 << 1 << 0;
        QTest::newRow("Delete the only digit") << percent << 5 << 0 << "" << QTestEventList(Keys().Key(Qt::Key_Delete))
            << "0%" << 0 << 0 << 1 << 0;
        QTest::newRow("Delete a selection across the point") << speed << 3540 << 1 << ""
            << QTestEventList(Keys().Key(Qt::Key_Right, Qt::ShiftModifier).Key(Qt::Key_Right, Qt::ShiftModifier)
                                  .Key(Qt::Key_Right, Qt::ShiftModifier).Key(Qt::Key_Delete))
            << "3.00 m/min" << 300 << 2 << 1 << 0;
        QTest::newRow("typing replaces a selection") << speed << 3500 << 0 << ""
            << QTestEventList(Keys().Key(Qt::Key_End, Qt::ShiftModifier).Type("1")) << "1.00 m/min" << 100 << 2 << 1 << 0;
        QTest::newRow("paste types the digits") << percent << 5 << 0 << "12" << QTestEventList(Keys().Key(Qt::Key_V, Qt::ControlModifier))
            << "12%" << 12 << 2 << 0 << 0;
        QTest::newRow("paste with a point") << speed << 3500 << 0 << "3.5" << QTestEventList(Keys().Key(Qt::Key_V, Qt::ControlModifier))
            << "3.50 m/min" << 350 << 3 << 1 << 0;
        QTest::newRow("paste with a letter refused") << percent << 345 << 0 << "12a"
            << QTestEventList(Keys().Key(Qt::Key_V, Qt::ControlModifier)) << "345%" << 345 << 0 << 1 << 1;
        QTest::newRow("paste of two points refused") << speed << 3500 << 0 << "1.2.3"
            << QTestEventList(Keys().Key(Qt::Key_V, Qt::ControlModifier)) << "35.00 m/min" << 3500 << 0 << 1 << 1;
        QTest::newRow("paste of a point without one in the format") << percent << 345 << 0 << "1.5"
            << QTestEventList(Keys().Key(Qt::Key_V, Qt::ControlModifier)) << "345%" << 345 << 0 << 1 << 1;
        // clang-format on
    }
    void keys()
    {
        QFETCH(QString, format);
        QFETCH(int, value);
        QFETCH(int, caret);
        QFETCH(QString, clipboard);
        QFETCH(QTestEventList, keys);
        QFETCH(QString, text);
        QFETCH(int, newValue);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(int, beeps);
        QGuiApplication::clipboard()->setText(clipboard);
        Enter(format, value);
        m_edit->SetCaret(caret);
        keys.simulate(m_edit);
        QCOMPARE(m_edit->text(), text);
        QCOMPARE(m_edit->Value(), newValue);
        Select(selStart, selLength);
        QCOMPARE(m_beeps, beeps);
    }

    void escapeRestoresTheEnteredValueAndIsClaimedWhileModified()
    {
        Enter("##.## m/min", 40);
        QTest::keyClick(m_edit, Qt::Key_Home);
        QTest::keyClicks(m_edit, "3");
        QCOMPARE(m_edit->text(), "3.40 m/min");
        QVERIFY(m_edit->isModified());

        QTest::keyClick(m_edit, Qt::Key_Escape);
        QCOMPARE(m_edit->Value(), 40);
        QCOMPARE(m_edit->text(), "0.40 m/min");
        QVERIFY(!m_edit->isModified());
        QVERIFY(m_window->isVisible()); // the dialog did not take it as Cancel

        QTest::keyClick(m_edit, Qt::Key_Escape);
        QVERIFY(!m_window->isVisible());
    }

    void failedRangeCheckKeepsTheFocusAndBeeps_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<int>("newValue");
        QTest::addColumn<bool>("refused");
        QTest::newRow("0 below 1") << 5 << QTestEventList(Keys().Key(Qt::Key_Home).Type("0")) << 0 << true;
        QTest::newRow("61 above 60") << 6 << QTestEventList(Keys().Key(Qt::Key_End).Type("1")) << 61 << true;
        QTest::newRow("60 in range") << 6 << QTestEventList(Keys().Key(Qt::Key_End).Type("0")) << 60 << false;
        QTest::newRow("out of range but not typed") << 0 << QTestEventList() << 0 << false;
    }
    void failedRangeCheckKeepsTheFocusAndBeeps()
    {
        QFETCH(int, value);
        QFETCH(QTestEventList, keys);
        QFETCH(int, newValue);
        QFETCH(bool, refused);
        m_edit->SetMinValue(1);
        m_edit->SetMaxValue(60);
        Enter("## min", value);
        keys.simulate(m_edit);
        QCOMPARE(m_edit->Value(), newValue);

        QSignalSpy entered(m_edit, &TCustomNumberEdit::Entered);
        int beepsAtExit = -1;
        bool focusAtExit = false;
        connect(m_edit, &TCustomNumberEdit::Exited, this, [&] {
            beepsAtExit = m_beeps;
            focusAtExit = m_edit->hasFocus();
        });
        QTest::keyClick(m_edit, Qt::Key_Tab);

        QCOMPARE(m_edit->hasFocus(), refused);
        QCOMPARE(m_beeps, refused ? 1 : 0);
        QCOMPARE(beepsAtExit, m_beeps); // the leave notification comes after the check
        QCOMPARE(focusAtExit, refused);
        QCOMPARE(entered.count(), 0); // taking the focus back is no entry
        QCOMPARE(m_edit->Value(), newValue);
        if (refused)
            Select(0, 1);
    }

    void enterChecksTheRangeAndTheNextEntryCountsAgain()
    {
        m_edit->SetMinValue(1);
        Enter("## min", 5);
        QTest::keyClick(m_edit, Qt::Key_Home);
        QTest::keyClicks(m_edit, "0");
        QTest::keyClick(m_edit, Qt::Key_Return);
        QCOMPARE(m_beeps, 1);
        QVERIFY(m_edit->hasFocus());
        QVERIFY(m_window->isVisible());

        QTest::keyClicks(m_edit, "7");
        QTest::keyClick(m_edit, Qt::Key_Tab);
        QCOMPARE(m_beeps, 1);
        QVERIFY(m_other->hasFocus());

        QSignalSpy entered(m_edit, &TCustomNumberEdit::Entered);
        m_edit->setFocus();
        QCOMPARE(entered.count(), 1);
        QTest::keyClicks(m_edit, "9");
        QTest::keyClick(m_edit, Qt::Key_Escape);
        QCOMPARE(m_edit->Value(), 7); // the value the field had when it was entered this time
    }

    void tabEntrySelectsTheDigitsAndTypingReplacesThem()
    {
        m_edit->SetFormatString("##.## m/min");
        m_edit->SetValue(3500);
        QTest::keyClick(m_other, Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(m_edit->hasFocus());
        QCOMPARE(m_edit->selectedText(), "35.00");
        QTest::keyClicks(m_edit, "12"); // the selection becomes 0.00, then the digits overtype it
        QCOMPARE(m_edit->text(), "1.20 m/min");
    }

    void mouseReleasePlacesTheCursorOnADigit()
    {
        m_edit->SetFormatString("##.## m/min");
        m_edit->SetValue(3500);
        QTest::mouseClick(m_edit, Qt::LeftButton, Qt::NoModifier,
                          QPoint(m_edit->width() - 3, m_edit->height() / 2));
        QVERIFY(m_edit->hasFocus());
        Select(4, 1);
        QTest::mouseClick(m_edit, Qt::LeftButton, Qt::NoModifier, QPoint(1, m_edit->height() / 2));
        Select(0, 1);
    }

    void cutCopiesTheSelectionThenDeletesIt()
    {
        Enter("###%", 345);
        m_edit->SetCaret(1);
        QTest::keyClick(m_edit, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(m_edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), "45");
        QCOMPARE(m_edit->text(), "3%");
        QCOMPARE(m_edit->Value(), 3);
    }

    void readOnlyFieldChangesByNoKeyPasteOrCut()
    {
        QGuiApplication::clipboard()->setText("9");
        m_edit->setReadOnly(true);
        Enter("###%", 345);
        m_edit->SetCaret(1);
        QTest::keyClicks(m_edit, "1");
        QTest::keyClick(m_edit, Qt::Key_Delete);
        QTest::keyClick(m_edit, Qt::Key_Backspace);
        QTest::keyClick(m_edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(m_edit, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(m_edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(m_edit->text(), "345%");
        QCOMPARE(m_edit->Value(), 345);
        QCOMPARE(QGuiApplication::clipboard()->text(), "9");
        QVERIFY(!m_edit->isModified());
    }
};

QTEST_MAIN(TestNumberEdit)
#include "tst_numberedit.moc"
