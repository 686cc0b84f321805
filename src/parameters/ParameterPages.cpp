#include "parameters/ParameterPages.h"

#include "coder/PrinterModels.h"
#include "parameters/NumberMaskUtils.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <limits>

namespace ParameterPages {

namespace {

using namespace ParameterNo;

constexpr const char* RotationEntries[] = {
    QT_TRANSLATE_NOOP("TParametersForm", "0 degrees"),
    QT_TRANSLATE_NOOP("TParametersForm", "180 degrees"),
};
constexpr const char* DirectionEntries[] = {
    QT_TRANSLATE_NOOP("TParametersForm", "From Left to Right"),
    QT_TRANSLATE_NOOP("TParametersForm", "From Right to Left"),
};
// The ribbon printer knows the first two edges only.
constexpr const char* PrintRequestEntries[] = {
    QT_TRANSLATE_NOOP("TParametersForm", "Positive"),
    QT_TRANSLATE_NOOP("TParametersForm", "Negative"),
    QT_TRANSLATE_NOOP("TParametersForm", "Positive/Continuous"),
    QT_TRANSLATE_NOOP("TParametersForm", "Negative Continuous"),
};
constexpr const char* InhibitEntries[] = {
    QT_TRANSLATE_NOOP("TParametersForm", "Disabled"),
    QT_TRANSLATE_NOOP("TParametersForm", "Enabled"),
};
constexpr const char* EncoderEntries[] = {
    QT_TRANSLATE_NOOP("TParametersForm", "External Speed Encoder"),
    QT_TRANSLATE_NOOP("TParametersForm", "Internal Pulse Generator"),
};

constexpr const char* RotatePrint = QT_TRANSLATE_NOOP("TParametersForm", "Rotate print");
constexpr const char* PrintRequestEdge = QT_TRANSLATE_NOOP("TParametersForm", "Print request (edge)");
constexpr const char* PrintDebounce = QT_TRANSLATE_NOOP("TParametersForm", "Print debounce");
constexpr const char* PrintDelay = QT_TRANSLATE_NOOP("TParametersForm", "Print delay");
constexpr const char* SpeedLabel = QT_TRANSLATE_NOOP("TParametersForm", "Speed");
constexpr const char* StretchLabel = QT_TRANSLATE_NOOP("TParametersForm", "Stretch");
constexpr const char* EncoderSourceLabel = QT_TRANSLATE_NOOP("TParametersForm", "Encoder strobe source");
// The unit is text of the operator's language; the three "#" are the field's digit slots.
//: Keep the three # signs: each stands for one digit of the value.
constexpr const char* PixelsFormat = QT_TRANSLATE_NOOP("TParametersForm", "### pixels");

constexpr TRow AltairRows[] = {
    {RotatePrint, TControl::List, Rotation, RotationEntries},
    {QT_TRANSLATE_NOOP("TParametersForm", "Contrast"), TControl::Number, Contrast, {}, "###%"},
    {QT_TRANSLATE_NOOP("TParametersForm", "X offset"), TControl::Number, XOffset, {}, PixelsFormat},
    {QT_TRANSLATE_NOOP("TParametersForm", "Y offset"), TControl::Number, YOffset, {}, PixelsFormat},
    {PrintRequestEdge, TControl::List, PrintRequest, std::span(PrintRequestEntries).first(2)},
    {PrintDebounce, TControl::Number, Debounce, {}, "### ms"},
    {PrintDelay, TControl::Number, DelayA, {}, "### ms"},
    {QT_TRANSLATE_NOOP("TParametersForm", "Ribbon gap"), TControl::Number, RibbonGap, {}, PixelsFormat},
    {QT_TRANSLATE_NOOP("TParametersForm", "Inhibit delay"), TControl::List, InhibitDelay, InhibitEntries},
    {QT_TRANSLATE_NOOP("TParametersForm", "Inhibit off delay"),
     TControl::Number,
     InhibitOffDelay,
     {},
     "### ms"},
};

template <std::size_t N, std::size_t M>
constexpr std::array<TRow, N + M> Join(const std::array<TRow, N>& first, const std::array<TRow, M>& second)
{
    std::array<TRow, N + M> rows{};
    std::copy(first.begin(), first.end(), rows.begin());
    std::copy(second.begin(), second.end(), rows.begin() + N);
    return rows;
}

// The single-head ink-jet printers share these rows; the Rigel and the Lyra add their own.
constexpr std::array<TRow, 8> VegaRows = {{
    {QT_TRANSLATE_NOOP("TParametersForm", "Print direction"), TControl::List, DirectionA, DirectionEntries},
    {RotatePrint, TControl::List, Rotation, RotationEntries},
    {SpeedLabel, TControl::Number, Speed},
    {StretchLabel, TControl::Stretch, Stretch},
    {PrintRequestEdge, TControl::List, PrintRequest, PrintRequestEntries},
    {PrintDebounce, TControl::Number, Debounce, {}, "### ms"},
    {PrintDelay, TControl::Number, DelayA, {}, "### mm"},
    {EncoderSourceLabel, TControl::List, EncoderSource, EncoderEntries},
}};
constexpr auto RigelRows = Join(
    VegaRows,
    std::array<TRow, 1>{{
        {QT_TRANSLATE_NOOP("TParametersForm", "Alignment"), TControl::Number, Alignment, {}, PixelsFormat},
    }});
constexpr auto LyraRows = Join(
    VegaRows,
    std::array<TRow, 3>{{
        {QT_TRANSLATE_NOOP("TParametersForm", "Head cap interval"), TControl::Number, HeadCapInterval},
        {QT_TRANSLATE_NOOP("TParametersForm", "Spit Delay"), TControl::Number, SpitDelay, {}, "# s"},
        {QT_TRANSLATE_NOOP("TParametersForm", "Spit Interval"), TControl::Number, SpitInterval, {}, "# s"},
    }});

// The two-head printer has a direction and a delay for each head.
constexpr TRow DenebRows[] = {
    {QT_TRANSLATE_NOOP("TParametersForm", "Print direction A"), TControl::List, DirectionA, DirectionEntries},
    {QT_TRANSLATE_NOOP("TParametersForm", "Print direction B"), TControl::List, DirectionB, DirectionEntries},
    {RotatePrint, TControl::List, Rotation, RotationEntries},
    {SpeedLabel, TControl::Number, Speed},
    {StretchLabel, TControl::Stretch, Stretch},
    {PrintRequestEdge, TControl::List, PrintRequest, PrintRequestEntries},
    {PrintDebounce, TControl::Number, Debounce, {}, "### ms"},
    {QT_TRANSLATE_NOOP("TParametersForm", "Print delay A"), TControl::Number, DelayA, {}, "### mm"},
    {QT_TRANSLATE_NOOP("TParametersForm", "Print delay B"), TControl::Number, DelayB, {}, "### mm"},
    {EncoderSourceLabel, TControl::List, EncoderSource, EncoderEntries},
};

constexpr qint32 InternalPulseGenerator = 1;

// Digits after the format's decimal point, and the unit text after its last slot.
int DecimalsOf(const QString& format)
{
    const int point = NumberMaskUtils::DecimalPointPos(format);
    return point > 0 ? int(format.mid(point).count(u'#')) : 0;
}

QString UnitOf(const QString& format)
{
    return format.mid(NumberMaskUtils::LastSlotPos(format));
}

qint32 Capacity(const QString& format)
{
    qint32 capacity = 0;
    for (int slot = NumberMaskUtils::CountDigitSlots(format); slot > 0 && capacity < 100'000'000; --slot)
        capacity = capacity * 10 + 9;
    return capacity;
}

} // namespace

QString Translated(const char* text)
{
    return QCoreApplication::translate(Context, text);
}

TPage PageOfModel(quint8 modelCode)
{
    switch (modelCode) {
    case PrinterModels::Altair:
        return TPage::Altair;
    case PrinterModels::Rigel:
        return TPage::Rigel;
    case PrinterModels::Deneb:
        return TPage::Deneb;
    case PrinterModels::Lyra:
        return TPage::Lyra;
    default:
        return TPage::Vega;
    }
}

std::span<const TRow> Rows(TPage page)
{
    switch (page) {
    case TPage::Altair:
        return AltairRows;
    case TPage::Vega:
        return VegaRows;
    case TPage::Rigel:
        return RigelRows;
    case TPage::Deneb:
        return DenebRows;
    case TPage::Lyra:
        return LyraRows;
    }
    return {};
}

QString SpeedFormat(qint32 encoderSource)
{
    return encoderSource == InternalPulseGenerator ? QStringLiteral("##.## m/min") : QStringLiteral("###%");
}

TLimits SpeedLimits(qint32 encoderSource)
{
    return encoderSource == InternalPulseGenerator ? TLimits{40, 3500} : TLimits{85, 115};
}

qint32 SpeedForEncoder(qint32 encoderSource)
{
    return encoderSource == InternalPulseGenerator ? 3500 : 100;
}

QString HeadCapFormat(qint32 spitInterval)
{
    return spitInterval != 0 ? QStringLiteral("## min") : QStringLiteral("#.# s");
}

TLimits HeadCapLimits(qint32 spitInterval)
{
    return spitInterval != 0 ? TLimits{1, 60} : TLimits{10, 50};
}

qint32 HeadCapForSpitInterval(qint32 spitInterval)
{
    return spitInterval != 0 ? 5 : 30;
}

QString LabelText(const TRow& row)
{
    return Translated(row.Label);
}

QStringList EntryTexts(const TRow& row)
{
    QStringList texts;
    for (const char* entry : row.Entries)
        texts.append(Translated(entry));
    return texts;
}

QString FormatOf(const TRow& row, const TParameterData& record)
{
    if (row.Parameter == Speed)
        return SpeedFormat(record.EncoderSource);
    if (row.Parameter == HeadCapInterval)
        return HeadCapFormat(record.SpitInterval);
    return Translated(row.Format);
}

TLimits LimitsOf(const TRow& row, const TParameterData& record)
{
    switch (row.Control) {
    case TControl::List:
        return {0, qint32(row.Entries.size()) - 1};
    case TControl::Stretch:
        return StretchLimits;
    case TControl::Number:
        break;
    }
    if (row.Parameter == Speed)
        return SpeedLimits(record.EncoderSource);
    if (row.Parameter == HeadCapInterval)
        return HeadCapLimits(record.SpitInterval);
    return {0, Capacity(FormatOf(row, record))};
}

qint32 ShownValue(const TRow& row, const TParameterData& record)
{
    const qint32 value = record.*FieldOfParameter(row.Parameter);
    switch (row.Control) {
    case TControl::List:
        return value >= 0 && value < qsizetype(row.Entries.size()) ? value : 0;
    case TControl::Stretch:
        return qBound(StretchLimits.Min, value, StretchLimits.Max);
    case TControl::Number:
        break;
    }
    return NumberMaskUtils::TruncateToFormat(value, FormatOf(row, record));
}

bool IsReadOnly(TPage page, const TRow& row)
{
    return row.Control == TControl::Stretch && page != TPage::Deneb;
}

QString ValueText(const QString& format, qint32 value)
{
    const int decimals = DecimalsOf(format);
    QString digits = QString::number(qAbs(qint64(value)));
    if (decimals > 0) {
        digits = digits.rightJustified(decimals + 1, u'0');
        digits.insert(digits.size() - decimals, u'.');
    }
    return (value < 0 ? QStringLiteral("-") : QString()) + digits + UnitOf(format);
}

std::optional<qint32> ParseValueText(const QString& text, const QString& format)
{
    QString number = text.trimmed();
    const QString unit = UnitOf(format).trimmed();
    if (!unit.isEmpty() && number.endsWith(unit, Qt::CaseInsensitive))
        number = number.chopped(unit.size()).trimmed();
    static const QRegularExpression pattern(QStringLiteral("^(-?)(\\d{1,9})(?:\\.(\\d*))?$"));
    const QRegularExpressionMatch match = pattern.match(number);
    const int decimals = DecimalsOf(format);
    if (!match.hasMatch() || match.capturedLength(3) > decimals)
        return std::nullopt;
    const qint64 whole = match.captured(2).toLongLong();
    const qint64 fraction = match.captured(3).leftJustified(decimals, u'0').toLongLong();
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const qint64 value = whole * scale + fraction;
    if (value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(match.captured(1).isEmpty() ? value : -value);
}

} // namespace ParameterPages
