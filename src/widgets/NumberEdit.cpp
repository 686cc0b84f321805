#include "widgets/NumberEdit.h"

#include "parameters/NumberMaskUtils.h"
#include "widgets/SystemBeep.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

using namespace NumberMaskUtils;

namespace {
constexpr QChar Point = u'.';

bool IsDigit(QChar symbol)
{
    return symbol >= u'0' && symbol <= u'9';
}

// Window activation and popups take the focus away and give it back; the field is not left.
bool MovesBetweenWidgets(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
} // namespace

TCustomNumberEdit::TCustomNumberEdit(QWidget* parent) : QLineEdit(parent) {}

QString TCustomNumberEdit::Mask() const
{
    return ExpandFormat(m_format, m_value);
}

void TCustomNumberEdit::SetValue(qint32 value)
{
    m_value = TruncateToFormat(value, m_format);
    const QString shown = FormatValue(m_format, m_value);
    if (shown == text())
        return;
    m_savedValue = m_value;
    setText(shown);
    if (hasFocus())
        MoveCaret(m_caretPos, +1);
}

void TCustomNumberEdit::SetFormatString(const QString& format)
{
    m_format = format;
    SetValue(m_value);
}

bool TCustomNumberEdit::IsValueInRange() const
{
    return m_value >= m_minValue && (m_maxValue <= 0 || m_value <= m_maxValue);
}

bool TCustomNumberEdit::ValidateRange()
{
    if (!IsFormatted() || !isModified() || IsValueInRange())
        return true;
    if (!hasFocus()) {
        m_refocusing = true;
        setFocus(Qt::OtherFocusReason);
        // The focus is back now, or comes back with the window's activation; neither is an entry.
        m_refocusing = false;
    }
    SetCaret(0);
    SystemBeep::Sound();
    return false;
}

void TCustomNumberEdit::SetCaret(int pos)
{
    if (!IsFormatted())
        return;
    const QString mask = Mask();
    const int lastSlot = LastSlotPos(mask);
    if (lastSlot == 0) { // a format without slots has no digit to stand on
        setCursorPosition(0);
        m_caretPos = 0;
        return;
    }
    bool insertionPoint = false;
    if (pos < 0) {
        pos = 0;
        insertionPoint = mask != m_format; // in front of the first digit, where the number can grow
    }
    if (pos < lastSlot && mask[pos] == Point && pos < m_format.size() && m_format[pos] == u'#')
        insertionPoint = true; // in front of the decimal point, with a slot free there
    if (pos >= lastSlot) {
        const bool roomToGrow = DecimalPointPos(mask) == 0 && lastSlot != LastSlotPos(m_format);
        pos = roomToGrow ? lastSlot : lastSlot - 1;
        insertionPoint = roomToGrow;
    }
    if (insertionPoint)
        setCursorPosition(pos);
    else
        setSelection(pos + 1, -1); // the digit selected, the text cursor at its left end
    m_caretPos = pos;
}

void TCustomNumberEdit::UpdateCaret()
{
    if (!IsFormatted())
        return;
    if (selectionLength() > 1) {
        const int lastSlot = LastSlotPos(Mask());
        const bool cursorAtStart = cursorPosition() == selectionStart();
        const int start = qMin(selectionStart(), qMax(lastSlot - 1, 0));
        const int end = qMin(selectionEnd(), lastSlot);
        if (end - start > 1) {
            if (cursorAtStart)
                setSelection(end, start - end);
            else
                setSelection(start, end - start);
            m_caretPos = qBound(start, m_caretPos, end);
            return;
        }
        MoveCaret(start, +1);
        return;
    }
    MoveCaret(hasSelectedText() ? selectionStart() : cursorPosition(), +1);
}

// The cursor never rests on the decimal point: arriving on it moves one further.
void TCustomNumberEdit::MoveCaret(int pos, int direction)
{
    const QString shown = text();
    if (pos >= 0 && pos < shown.size() && pos < LastSlotPos(Mask()) && shown[pos] == Point)
        pos += direction;
    SetCaret(pos);
}

void TCustomNumberEdit::SelectTo(int anchor, int cursor)
{
    if (anchor == cursor) {
        SetCaret(cursor);
        return;
    }
    setSelection(anchor, cursor - anchor);
    m_caretPos = cursor;
}

void TCustomNumberEdit::Reset()
{
    if (!isModified())
        return;
    SetValue(m_savedValue);
    setModified(false);
}

bool TCustomNumberEdit::IsValidChar(QChar symbol, int pos) const
{
    const bool accepted = IsDigit(symbol) || (symbol == Point && DecimalPointPos(Mask()) > 0);
    return accepted && DigitIndexAt(m_format, m_value, pos) >= 0;
}

QString TCustomNumberEdit::DeleteRange(const QString& text, int start, int count) const
{
    const QString mask = Mask();
    const int point = DecimalPointPos(mask); // 1-based: the digits after it have indexes >= point
    const auto isDigitSlot = [&](qsizetype i) {
        return i < mask.size() && i < text.size() && mask[i] == u'#' && IsDigit(text[i]);
    };
    qsizetype digits = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        digits += isDigitSlot(i) ? 1 : 0;

    QString result = text;
    for (qsizetype i = qMin<qsizetype>(start + count, text.size()) - 1; i >= qMax(start, 0); --i) {
        if (!isDigitSlot(i))
            continue; // the decimal point and the unit text stay
        const bool keepPlace = point > 0 ? i >= point : digits == 1;
        if (keepPlace) {
            result[i] = u'0';
        } else {
            result.remove(i, 1);
            --digits;
        }
    }
    return result;
}

void TCustomNumberEdit::DeleteChars()
{
    if (!hasSelectedText())
        return;
    const int start = selectionStart();
    const TConversion remaining = TextToValue(DeleteRange(text(), start, selectionLength()), m_format);
    if (remaining.Ok())
        ShowEditedValue(remaining.Value);
    MoveCaret(start, +1);
}

void TCustomNumberEdit::ShowEditedValue(qint32 value)
{
    m_value = TruncateToFormat(value, m_format);
    setText(FormatValue(m_format, m_value));
    setModified(true);
}

void TCustomNumberEdit::Backspace()
{
    if (selectionLength() > 1) {
        DeleteChars();
        return;
    }
    const int pos = hasSelectedText() ? selectionStart() : cursorPosition();
    if (pos <= 0)
        return;
    MoveCaret(pos - 1, -1);
    DeleteChars();
}

// Typing stops at the first refused symbol.
void TCustomNumberEdit::TypeText(const QString& typed)
{
    for (const QChar symbol : typed) {
        if (!TypeSymbol(symbol))
            return;
    }
}

bool TCustomNumberEdit::TypeSymbol(QChar symbol)
{
    if (selectionLength() > 1)
        DeleteChars();
    const int pos = hasSelectedText() ? selectionStart() : cursorPosition();
    if (!IsValidChar(symbol, pos)) {
        SystemBeep::Sound();
        return false;
    }
    QString edited = text();
    edited.replace(pos, selectionLength(), symbol);
    const TConversion typed = TextToValue(edited, m_format);
    if (!typed.Ok()) {
        SystemBeep::Sound();
        return false;
    }
    ShowEditedValue(typed.Value);
    // The cursor keeps its distance from the end of the text: when re-formatting adds or drops a
    // symbol in front, it still lands on the digit after the typed one.
    MoveCaret(pos + 1 + int(text().size() - edited.size()), +1);
    return true;
}

void TCustomNumberEdit::CutToClipboard()
{
    if (isReadOnly() || !hasSelectedText())
        return;
    copy();
    DeleteChars();
}

// A paste is taken over as if its symbols were typed one by one; one that holds anything but
// digits, and a decimal point where the format has one, is refused as a whole.
void TCustomNumberEdit::PasteFromClipboard()
{
    if (isReadOnly())
        return;
    const QString pasted = QGuiApplication::clipboard()->text();
    if (pasted.isEmpty())
        return;
    if (!IsPastable(pasted)) {
        SystemBeep::Sound();
        return;
    }
    TypeText(pasted);
}

bool TCustomNumberEdit::IsPastable(const QString& pasted) const
{
    const qsizetype pointsAllowed = DecimalPointPos(m_format) > 0 ? 1 : 0;
    return pasted.count(Point) <= pointsAllowed &&
           std::all_of(pasted.begin(), pasted.end(), [](QChar c) { return IsDigit(c) || c == Point; });
}

void TCustomNumberEdit::ExtendSelection(QKeyEvent* event)
{
    // Extending to the right starts at the digit under the overtype cursor, not behind it.
    const bool overtypeCursor = selectionLength() == 1 && cursorPosition() == selectionStart();
    if (overtypeCursor && event->key() == Qt::Key_Right)
        setCursorPosition(cursorPosition());
    QLineEdit::keyPressEvent(event);
    m_caretPos = cursorPosition();
    if (selectionLength() != 1)
        UpdateCaret();
}

bool TCustomNumberEdit::event(QEvent* event)
{
    // While the text is modified Escape belongs to the field, so an enclosing dialog does not
    // treat it as Cancel.
    if (event->type() == QEvent::ShortcutOverride && IsFormatted() && isModified()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TCustomNumberEdit::keyPressEvent(QKeyEvent* event)
{
    if (!IsFormatted()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->modifiers() & Qt::AltModifier) {
        event->ignore(); // left to the window: menu accelerators
        return;
    }
    if (event == QKeySequence::Copy) {
        copy();
        return;
    }
    if (event == QKeySequence::Cut) {
        CutToClipboard();
        return;
    }
    if (event == QKeySequence::Paste) {
        PasteFromClipboard();
        return;
    }
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (control) {
            QLineEdit::keyPressEvent(event);
            UpdateCaret();
        } else if (shift) {
            ExtendSelection(event);
        } else {
            const int direction = event->key() == Qt::Key_Left ? -1 : +1;
            MoveCaret(m_caretPos + direction, direction);
        }
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        return;
    case Qt::Key_Home:
        if (shift)
            SelectTo(hasSelectedText() ? selectionEnd() : cursorPosition(), 0);
        else
            SetCaret(0);
        return;
    case Qt::Key_End:
        if (shift)
            SelectTo(hasSelectedText() ? selectionStart() : cursorPosition(), LastSlotPos(Mask()));
        else
            SetCaret(int(text().size()));
        return;
    case Qt::Key_Delete:
        if (!isReadOnly())
            DeleteChars();
        return;
    case Qt::Key_Backspace:
        if (!isReadOnly())
            Backspace();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ValidateRange())
            QLineEdit::keyPressEvent(event); // returnPressed, and the dialog's default button
        return;
    case Qt::Key_Escape:
        if (isModified())
            Reset();
        else
            event->ignore();
        return;
    default:
        break;
    }
    const QString typed = event->text();
    if (control || typed.isEmpty() || !typed.front().isPrint()) {
        event->ignore(); // no other platform editing: it would bypass the format
        return;
    }
    if (!isReadOnly())
        TypeText(typed);
}

void TCustomNumberEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (!IsFormatted()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    if (!isReadOnly() && !event->commitString().isEmpty())
        TypeText(event->commitString());
    event->accept();
}

void TCustomNumberEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (MovesBetweenWidgets(event->reason())) {
        if (!m_refocusing) {
            m_savedValue = m_value;
            emit Entered();
        }
        m_refocusing = false;
    }
    UpdateCaret();
}

void TCustomNumberEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!MovesBetweenWidgets(event->reason()))
        return;
    ValidateRange();
    emit Exited();
}

void TCustomNumberEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_mouseDownX = qRound(event->position().x());
    QLineEdit::mousePressEvent(event);
}

void TCustomNumberEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (!IsFormatted() || event->button() != Qt::LeftButton)
        return;
    if (hasSelectedText())
        m_caretPos = qRound(event->position().x()) > m_mouseDownX ? selectionEnd() : selectionStart();
    else
        m_caretPos = cursorPosition();
    UpdateCaret();
}

// The platform's menu would edit the text around the format; this one goes through the field.
void TCustomNumberEdit::contextMenuEvent(QContextMenuEvent* event)
{
    if (!IsFormatted()) {
        QLineEdit::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    menu.addAction(tr("Cu&t"), this, &TCustomNumberEdit::CutToClipboard)
        ->setEnabled(!isReadOnly() && hasSelectedText());
    menu.addAction(tr("&Copy"), this, &QLineEdit::copy)->setEnabled(hasSelectedText());
    menu.addAction(tr("&Paste"), this, &TCustomNumberEdit::PasteFromClipboard)->setEnabled(!isReadOnly());
    menu.exec(event->globalPos());
}

void TCustomNumberEdit::dragEnterEvent(QDragEnterEvent* event)
{
    if (IsFormatted())
        event->ignore(); // dropped text would bypass the format
    else
        QLineEdit::dragEnterEvent(event);
}
