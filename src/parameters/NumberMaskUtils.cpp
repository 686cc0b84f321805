#include "parameters/NumberMaskUtils.h"

#include <QCoreApplication>

namespace NumberMaskUtils {

namespace {
constexpr QChar Slot = u'#';
constexpr QChar Point = u'.';
} // namespace

QString NotAnIntegerText(const QString& text)
{
    return QCoreApplication::translate("NumberMaskUtils", "'%1' is not a valid integer value").arg(text);
}

int CountDigitSlots(const QString& format)
{
    return int(format.count(Slot));
}

int LastSlotPos(const QString& format)
{
    return int(format.lastIndexOf(Slot)) + 1;
}

qint32 TruncateToFormat(qint32 value, const QString& format)
{
    const QString kept = QString::number(value).right(CountDigitSlots(format));
    bool ok = false;
    const qint32 truncated = kept.toInt(&ok);
    // Only the ten digits of the smallest number overflow; they lose their leading digit.
    return ok || kept.isEmpty() ? truncated : kept.sliced(1).toInt();
}

QString FormatValue(const QString& format, qint32 value)
{
    QString result = format;
    const QString digits = QString::number(value);
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        const qsizetype slot = result.lastIndexOf(Slot);
        if (slot < 0)
            break;
        result[slot] = digits[i];
    }
    for (qsizetype slot = result.lastIndexOf(Slot); slot >= 0; slot = result.lastIndexOf(Slot)) {
        const qsizetype point = result.indexOf(Point);
        if (point >= 0 && point <= slot + 1)
            result[slot] = u'0';
        else
            result.remove(slot, 1);
    }
    return result;
}

QString ExpandFormat(const QString& format, qint32 value)
{
    qsizetype slotsToKeep = QString::number(value).size();
    const int lastSlot = LastSlotPos(format);
    for (int pos = lastSlot, passed = 1; pos >= 1; --pos, ++passed) {
        if (format[pos - 1] == Point && passed > slotsToKeep)
            slotsToKeep = passed;
    }
    QString result;
    for (qsizetype i = format.size() - 1; i >= 0; --i) {
        if (format[i] != Slot) {
            result.prepend(format[i]);
        } else if (slotsToKeep > 0) {
            result.prepend(Slot);
            --slotsToKeep;
        }
    }
    return result;
}

TConversion TextToValue(const QString& text, const QString& format)
{
    QString digits;
    for (const QChar c : text.left(LastSlotPos(format))) {
        if (c >= u'0' && c <= u'9')
            digits.append(c);
    }
    bool ok = false;
    const qint32 value = digits.toInt(&ok);
    if (!ok)
        return {0, NotAnIntegerText(digits)};
    return {value, {}};
}

int DecimalPointPos(const QString& format)
{
    const qsizetype point = format.indexOf(Point);
    return point >= 0 && point + 1 < LastSlotPos(format) ? int(point) + 1 : 0;
}

int DigitIndexAt(const QString& format, [[maybe_unused]] qint32 value, int pos)
{
    const int lastSlot = LastSlotPos(format);
    return pos > lastSlot ? -1 : qMin(pos + 1, lastSlot);
}

} // namespace NumberMaskUtils
