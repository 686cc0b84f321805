#include "jobs/ReadBack.h"

#include "images/CoderImageItemList.h"
#include "images/EAN128Items.h"
#include "images/ImageDesignFile.h"
#include "images/ItemPayload.h"
#include "images/MemoItems.h"
#include "images/TextItems.h"
#include "jobs/JobRules.h"
#include "jobs/JobTexts.h"

#include <QRegularExpression>

namespace ReadBack {

namespace {

// The values the design file gives an item, as the printer shows them; none for an item whose value
// the printer composes.
std::optional<QStringList> FileValues(const TCoderImageItem& item)
{
    if (const auto* text = dynamic_cast<const TextItem*>(&item))
        return QStringList{text->Text};
    if (const auto* memo = dynamic_cast<const MemoItem*>(&item)) {
        static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
        return memo->Text.split(lineBreak);
    }
    if (const auto* gs1 = dynamic_cast<const EAN128_Item*>(&item)) {
        QStringList elements;
        for (const EAN128_Element& element : gs1->Elements)
            elements << element.ElementText4;
        return elements;
    }
    const auto* barcode = dynamic_cast<const BarcodeItem*>(&item);
    const QString* data = barcode ? BarcodeData(*barcode) : nullptr;
    if (!data)
        return std::nullopt;
    if (barcode->BarcodeKind <= BarcodeKindCode::UPCE)
        return QStringList{
            BarcodeSymbols::HumanReadableText(BarcodeSymbols::EanUpcSymbology(barcode->BarcodeKind), *data)};
    return QStringList{*data};
}

TItemExpectation FromFile(const TCoderImageItem& item, int number)
{
    TItemExpectation expected;
    expected.Number = number;
    expected.TypeName = item.TypeName;
    expected.Numeric = item.ItemType == ItemTypeCode::Number;
    const std::optional<QStringList> values = FileValues(item);
    expected.AnyValue = !values;
    expected.Values = values.value_or(QStringList());
    return expected;
}

bool SameValue(const QString& expected, const QString& found, bool numeric)
{
    if (!numeric)
        return expected == found;
    const std::optional<qint32> number = ItemPayload::DecimalInt32(found);
    return number && number == ItemPayload::DecimalInt32(expected);
}

QString Shown(const QString& typeName, const QString& value)
{
    return value.isEmpty() ? typeName : typeName + QStringLiteral(": ") + value;
}

QString EndText(TImageItemsEnd end)
{
    switch (end) {
    case TImageItemsEnd::Complete:
        break;
    case TImageItemsEnd::OtherImage:
        return ChangeoverText(JobTexts::DescribedOtherImage);
    case TImageItemsEnd::NoItemMark:
    case TImageItemsEnd::UnknownType:
    case TImageItemsEnd::NotANumber:
        return ChangeoverText(JobTexts::DescriptionUnread);
    case TImageItemsEnd::TooManyRows:
        return ChangeoverText(JobTexts::DescriptionTooLong);
    }
    return {};
}

void CompareItem(const TItemExpectation& expected, const QList<TImageItemRow>& found,
                 QList<TItemDifference>& differences)
{
    const QString number = QString::number(expected.Number);
    if (found.isEmpty()) {
        differences.append({number, Shown(expected.TypeName, expected.Values.value(0)), ChangeoverText(JobTexts::NoItem)});
        return;
    }
    if (found.first().TypeName != expected.TypeName) {
        differences.append({number, expected.TypeName, found.first().TypeName});
        return;
    }
    if (expected.AnyValue)
        return;
    const bool rowPerValue = expected.Values.size() != 1 || found.size() != 1;
    for (qsizetype row = 0; row < std::max(expected.Values.size(), found.size()); ++row) {
        const QString item = rowPerValue ? number + QLatin1Char('.') + QString::number(row + 1) : number;
        if (row >= found.size())
            differences.append({item, expected.Values[row], ChangeoverText(JobTexts::NoItem)});
        else if (row >= expected.Values.size())
            differences.append({found[row].Number, ChangeoverText(JobTexts::NoItem), found[row].Value});
        else if (!SameValue(expected.Values[row], found[row].Value, expected.Numeric))
            differences.append({rowPerValue ? found[row].Number : number, expected.Values[row], found[row].Value});
    }
}

} // namespace

QList<TItemExpectation> OfImage(const TImageDesignFile& image, const TJob& job)
{
    QList<TItemExpectation> expectations;
    for (qsizetype index = 0; index < image.Items.Count(); ++index) {
        const int number = int(index) + 1;
        TItemExpectation expected = FromFile(*image.Items.Item(index), number);
        if (job.RuleFor(number)) {
            expected.AnyValue = true;
            expected.Values.clear();
        }
        expectations.append(expected);
    }
    return expectations;
}

QList<TItemExpectation> OfJob(const TImageDesignFile& image, const TJob& job, const TJobEntries& entries,
                              const QDate& today)
{
    QList<TItemExpectation> expectations = OfImage(image, job);
    for (TItemExpectation& expected : expectations) {
        const TJobRule* rule = job.RuleFor(expected.Number);
        if (!rule)
            continue;
        expected.SetByRule = true;
        const std::optional<QString> value =
            JobRules::ValueFor(*rule, *image.Items.Item(expected.Number - 1), entries, today);
        expected.AnyValue = !value;
        expected.Values = value ? QStringList{*value} : QStringList();
    }
    return expectations;
}

QList<TImageItemRow> RowsOf(const QList<TImageItemRow>& rows, int number)
{
    QList<TImageItemRow> ofItem;
    for (const TImageItemRow& row : rows)
        if (row.ItemIndex == number - 1)
            ofItem.append(row);
    return ofItem;
}

QList<TItemDifference> Compare(const QList<TItemExpectation>& expected, const QList<TImageItemRow>& rows,
                               TImageItemsEnd end)
{
    QList<TItemDifference> differences;
    for (const TItemExpectation& item : expected)
        CompareItem(item, RowsOf(rows, item.Number), differences);
    // Items the printer describes beyond those of the image.
    int lastExpected = 0;
    for (const TItemExpectation& item : expected)
        lastExpected = std::max(lastExpected, item.Number);
    for (const TImageItemRow& row : rows)
        if (row.ItemIndex >= lastExpected)
            differences.append({row.Number, ChangeoverText(JobTexts::NoItem), Shown(row.TypeName, row.Value)});
    if (end != TImageItemsEnd::Complete)
        differences.append({QString(), ChangeoverText(JobTexts::WholeDescription), EndText(end)});
    return differences;
}

QMap<int, QString> TakeValues(TImageDesignFile& image, const QList<TImageItemRow>& rows)
{
    QMap<int, QString> filledIn;
    for (qsizetype index = 0; index < image.Items.Count(); ++index) {
        const int number = int(index) + 1;
        const QList<TImageItemRow> shown = RowsOf(rows, number);
        if (shown.isEmpty())
            continue;
        TCoderImageItem& item = *image.Items.Item(index);
        QStringList values;
        for (const TImageItemRow& row : shown)
            values << row.Value;
        if (auto* text = dynamic_cast<TextItem*>(&item)) {
            text->Text = values.first();
        } else if (auto* memo = dynamic_cast<MemoItem*>(&item)) {
            memo->Text = values.join(QStringLiteral("\r\n"));
        } else if (auto* gs1 = dynamic_cast<EAN128_Item*>(&item)) {
            for (size_t element = 0; element < gs1->Elements.size() && qsizetype(element) < values.size(); ++element)
                gs1->Elements[element].ElementText4 = values[qsizetype(element)];
        } else if (auto* barcode = dynamic_cast<BarcodeItem*>(&item)) {
            QString* data = BarcodeData(*barcode);
            // An EAN/UPC value carries its check digit; the item holds the digits before it.
            const bool withCheckDigit = barcode->BarcodeKind <= BarcodeKindCode::UPCE &&
                                        !JobRules::ValueProblem(item, number, values.first());
            if (data)
                *data = withCheckDigit ? values.first().chopped(1) : values.first();
        } else if (item.ItemType != ItemTypeCode::Graphic) {
            filledIn.insert(number, values.first());
        }
    }
    return filledIn;
}

} // namespace ReadBack
