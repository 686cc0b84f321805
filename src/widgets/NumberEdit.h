#pragma once

#include <QLineEdit>

// The numeric entry field of the parameters pages. It holds an integer Value and shows it through
// a FormatString such as "##.## m/min" (see NumberMaskUtils); the text is always the formatted
// value. Editing happens in place, digit by digit: the cursor is a one-symbol selection over a
// digit, so a typed digit replaces it. The field can check a range when the user leaves it.
// With an empty format it is a plain text edit.
//
// Positions here are 0-based symbol indexes into the text.
class TCustomNumberEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TCustomNumberEdit(QWidget* parent = nullptr);

    bool IsValueInRange() const;
    // On leaving the field and on Enter. A value the user changed to one out of range is kept, but
    // the field takes the focus back and beeps; returns false then.
    bool ValidateRange();
    void SetCaret(int pos);
    // Brings the cursor back into the digit area and off the decimal point after the platform
    // moved it (mouse, word movement, focus entry).
    void UpdateCaret();
    // Escape: a value the user changed goes back to the one the field had when it was entered.
    virtual void Reset();

    int CaretPos() const { return m_caretPos; }

signals:
    void Entered();
    // Delivered after the field's own range check, also when that check failed.
    void Exited();

protected:
    qint32 Value() const { return m_value; }
    // Truncates the value to the digits the format shows. When that changes the text, the value
    // becomes the one Escape restores.
    void SetValue(qint32 value);
    QString FormatString() const { return m_format; }
    void SetFormatString(const QString& format);
    // MaxValue of 0 or less means no upper limit; MinValue always applies.
    qint32 MinValue() const { return m_minValue; }
    void SetMinValue(qint32 value) { m_minValue = value; }
    qint32 MaxValue() const { return m_maxValue; }
    void SetMaxValue(qint32 value) { m_maxValue = value; }
    qint32 SavedValue() const { return m_savedValue; }

    bool IsValidChar(QChar symbol, int pos) const;
    // Removes the selected digits and puts the cursor at the selection's start.
    void DeleteChars();
    // The text with the digits of the range removed: without a decimal point digits close up, the
    // last one becoming "0"; with one, digits in front of it close up and digits after it become "0".
    QString DeleteRange(const QString& text, int start, int count) const;

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;

private:
    bool IsFormatted() const { return !m_format.isEmpty(); }
    QString Mask() const;
    void MoveCaret(int pos, int direction);
    void SelectTo(int anchor, int cursor);
    void ExtendSelection(QKeyEvent* event);
    void Backspace();
    void TypeText(const QString& typed);
    bool TypeSymbol(QChar symbol);
    void ShowEditedValue(qint32 value);
    void CutToClipboard();
    void PasteFromClipboard();
    bool IsPastable(const QString& pasted) const;

    qint32 m_value = 0;
    QString m_format;
    qint32 m_maxValue = 0;
    qint32 m_minValue = 0;
    qint32 m_savedValue = 0;
    int m_caretPos = 0;
    bool m_refocusing = false; // the focus is being taken back after a failed range check
    int m_mouseDownX = 0;
};

// The field as the pages use it, with its settings as properties.
class TNumberEdit : public TCustomNumberEdit
{
    Q_OBJECT
    Q_PROPERTY(QString FormatString READ FormatString WRITE SetFormatString)
    Q_PROPERTY(qint32 MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(qint32 MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(qint32 Value READ Value WRITE SetValue)

public:
    using TCustomNumberEdit::TCustomNumberEdit;

    using TCustomNumberEdit::FormatString;
    using TCustomNumberEdit::MaxValue;
    using TCustomNumberEdit::MinValue;
    using TCustomNumberEdit::SetFormatString;
    using TCustomNumberEdit::SetMaxValue;
    using TCustomNumberEdit::SetMinValue;
    using TCustomNumberEdit::SetValue;
    using TCustomNumberEdit::Value;
};
