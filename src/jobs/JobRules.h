#pragma once

#include "jobs/Job.h"

#include <QDate>

#include <optional>

class TCoderImageItem;

// What each rule may set and the value it gives at a changeover.
namespace JobRules {

// The longest value an item is given: what a printer's one-byte lengths can say.
inline constexpr int MaxValueLength = 255;

// The rule kind as job files name it: "fixed", "entry", "date", "count".
QString KindName(TRuleKind kind);
std::optional<TRuleKind> KindFromName(const QString& name);

// Why the rule does not fit the item (number is its place in the image); none when it does. Fixed
// values and entries set texts and barcodes (an EAN-128 barcode's elements excepted), dates set
// dates, and counts set counters.
std::optional<QString> Misfit(const TJobRule& rule, const TCoderImageItem& item, int number);

// Why the item cannot take the value as the printer shows it; none when it can. An EAN/UPC value is
// its digits with the check digit, which must be right.
std::optional<QString> ValueProblem(const TCoderImageItem& item, int number, const QString& value);

// Why the operator's entry for the rule is refused, naming the entry; none when it is taken.
std::optional<QString> EntryProblem(const TJobRule& rule, const TCoderImageItem& item,
                                    const std::optional<QString>& value);

// The value the rule gives its item at a changeover on the day given; none for a counter that is
// kept and for an entry with no value.
std::optional<QString> ValueFor(const TJobRule& rule, const TCoderImageItem& item, const TJobEntries& entries,
                                const QDate& today);

} // namespace JobRules
