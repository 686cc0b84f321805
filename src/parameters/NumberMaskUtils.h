#pragma once

#include <QString>
#include <QtGlobal>

// The display formats of the numeric edit field. A format such as "##.## m/min" has one "#" per
// digit slot, an optional "." between slots and fixed unit text. The decimal point does not scale
// the value: 3500 shown with "##.## m/min" reads 35.00 m/min.
//
// Format positions (pos) are 1-based symbol positions; DigitIndexAt takes a 0-based cursor position.
namespace NumberMaskUtils {

// The result of reading a number from a text; Error holds the refusal when no number was found.
struct TConversion
{
    qint32 Value = 0;
    QString Error;
    bool Ok() const { return Error.isEmpty(); }
};

// The conversion error for a text that is no whole number.
QString NotAnIntegerText(const QString& text);

int CountDigitSlots(const QString& format);
// Position of the last "#"; 0 when the format has none.
int LastSlotPos(const QString& format);
// The value reduced to the digits the format can show: the last CountDigitSlots symbols of its
// decimal text. A format without slots shows no digit, so the value becomes 0.
qint32 TruncateToFormat(qint32 value, const QString& format);
// The text shown for the value: digits fill the slots from the right; unfilled slots after the
// decimal point and the one just before it show "0", other unfilled slots disappear.
QString FormatValue(const QString& format, qint32 value);
// The format reduced to the slots that FormatValue fills: same length as the shown text, with a
// "#" wherever the text shows a digit.
QString ExpandFormat(const QString& format, qint32 value);
// The digits of the text up to the format's last slot, as a number.
TConversion TextToValue(const QString& text, const QString& format);
// Position of the first "." before the last slot; 0 if none.
int DecimalPointPos(const QString& format);
// -1 if the 0-based cursor position lies after the last slot, else the slot position it types into.
int DigitIndexAt(const QString& format, qint32 value, int pos);

} // namespace NumberMaskUtils
