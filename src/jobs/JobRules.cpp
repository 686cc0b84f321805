#include "jobs/JobRules.h"

#include "comm/XLMessage.h"
#include "images/BarcodeItems.h"
#include "images/DateItems.h"
#include "images/ItemPayload.h"
#include "images/NumberItems.h"
#include "images/TextItems.h"
#include "jobs/JobTexts.h"

namespace JobRules {

namespace {

constexpr std::pair<TRuleKind, const char*> KindNames[] = {
    {TRuleKind::Fixed, "fixed"}, {TRuleKind::Entry, "entry"}, {TRuleKind::Date, "date"}, {TRuleKind::Count, "count"}};

bool TakesText(const TCoderImageItem& item)
{
    if (dynamic_cast<const TextItem*>(&item))
        return true;
    const auto* barcode = dynamic_cast<const BarcodeItem*>(&item);
    return barcode && barcode->BarcodeKind != BarcodeKindCode::EAN128;
}

bool Fits(TRuleKind kind, const TCoderImageItem& item)
{
    switch (kind) {
    case TRuleKind::Fixed:
    case TRuleKind::Entry:
        return TakesText(item);
    case TRuleKind::Date:
        return item.ItemType == ItemTypeCode::Date;
    case TRuleKind::Count:
        return item.ItemType == ItemTypeCode::Number;
    }
    return false;
}

std::optional<QString> EanUpcProblem(const BarcodeItem& barcode, const QString& value)
{
    const auto symbology = BarcodeSymbols::EanUpcSymbology(barcode.BarcodeKind);
    const int digits = BarcodeSymbols::DataDigitCount(symbology) + 1;
    if (!BarcodeSymbols::IsDigitText(value))
        return JobText(JobTexts::NotDigits).arg(barcode.TypeName);
    if (value.size() != digits)
        return JobText(JobTexts::WrongDigitCount).arg(barcode.TypeName).arg(digits);
    const QString shown = BarcodeSymbols::HumanReadableText(symbology, value.chopped(1));
    if (shown != value)
        return JobText(JobTexts::WrongCheckDigit).arg(value.chopped(1), shown.back());
    return std::nullopt;
}

} // namespace

QString KindName(TRuleKind kind)
{
    for (const auto& [named, name] : KindNames)
        if (named == kind)
            return QLatin1String(name);
    return {};
}

std::optional<TRuleKind> KindFromName(const QString& name)
{
    for (const auto& [kind, named] : KindNames)
        if (name == QLatin1String(named))
            return kind;
    return std::nullopt;
}

std::optional<QString> Misfit(const TJobRule& rule, const TCoderImageItem& item, int number)
{
    if (Fits(rule.Kind, item))
        return std::nullopt;
    return JobText(JobTexts::RuleDoesNotFit).arg(KindName(rule.Kind)).arg(number).arg(ShownTypeName(item.TypeName));
}

std::optional<QString> ValueProblem(const TCoderImageItem& item, int number, const QString& value)
{
    if (value.size() > MaxValueLength)
        return JobText(JobTexts::ValueTooLong).arg(number).arg(MaxValueLength);
    if (!TXLMessage::IsWireString(value))
        return JobText(JobTexts::NotWire);
    const auto* barcode = dynamic_cast<const BarcodeItem*>(&item);
    if (barcode && barcode->BarcodeKind <= BarcodeKindCode::UPCE)
        return EanUpcProblem(*barcode, value);
    return std::nullopt;
}

std::optional<QString> EntryProblem(const TJobRule& rule, const TCoderImageItem& item,
                                    const std::optional<QString>& value)
{
    const auto refused = [&rule](const QString& why) {
        return JobText(JobTexts::EntryRefused).arg(rule.Name, rule.Prompt, why);
    };
    if (!value)
        return refused(JobText(JobTexts::EntryMissing));
    if (value->size() > rule.MaxLength)
        return refused(JobText(JobTexts::EntryTooLong).arg(*value).arg(rule.MaxLength));
    if (!rule.Expression.match(*value).hasMatch())
        return refused(JobText(JobTexts::EntryNoMatch).arg(*value, rule.Pattern));
    if (const std::optional<QString> problem = ValueProblem(item, rule.Item, *value))
        return refused(*problem);
    return std::nullopt;
}

std::optional<QString> ValueFor(const TJobRule& rule, const TCoderImageItem& item, const TJobEntries& entries,
                                const QDate& today)
{
    switch (rule.Kind) {
    case TRuleKind::Fixed:
        return rule.Value;
    case TRuleKind::Entry:
        if (const auto entry = entries.constFind(rule.Name); entry != entries.constEnd())
            return *entry;
        return std::nullopt;
    case TRuleKind::Date:
        if (const auto* date = dynamic_cast<const DateItem*>(&item))
            return date->ShownText(today.addDays(rule.Days));
        return std::nullopt;
    case TRuleKind::Count: {
        const auto* counter = dynamic_cast<const NumberItem*>(&item);
        if (!rule.ResetCount || !counter)
            return std::nullopt;
        // An empty start value goes out as zeros; the printer shows a counter as its number.
        const std::optional<qint32> start =
            counter->StartValue.isEmpty() ? 0 : ItemPayload::DecimalInt32(counter->StartValue);
        return start ? std::optional<QString>(QString::number(*start)) : std::nullopt;
    }
    }
    return std::nullopt;
}

} // namespace JobRules
