#include "station/ImageItemsReport.h"

#include "coder/ReplyLimits.h"
#include "comm/XLMessage.h"
#include "images/DateItems.h"
#include "images/GraphicItems.h"
#include "images/ItemPayload.h"
#include "images/ItemTable.h"
#include "images/MemoItems.h"
#include "images/NumberItems.h"
#include "images/ShiftcodeItems.h"
#include "images/TextItems.h"
#include "images/TimeItems.h"

namespace ImageItemsReport {

namespace {

// Collects the rows the items add while they read their descriptions.
class TRowCollector : public TItemTable
{
public:
    explicit TRowCollector(QList<TImageItemRow>& rows) : m_rows(rows) {}

    int ItemIndex = 0;

    void AddRow(const QStringList& columns, TCoderImageItem*) override
    {
        m_rows.append({columns.value(0), columns.value(1), columns.value(2), ItemIndex});
    }

private:
    QList<TImageItemRow>& m_rows;
};

// What a type code stands for: an item to create, a barcode symbology the station does not know
// (nothing is created and the next item follows), or a code that ends the report.
struct TTypeChoice
{
    std::unique_ptr<TCoderImageItem> Item;
    bool Skip = false;
};

TTypeChoice ChooseType(const QString& type)
{
    switch (type.isEmpty() ? 0 : type.front().unicode()) {
    case 'A':
        return {std::make_unique<TextItem>()};
    case 'B': {
        // The symbology is the digit after the letter.
        const char16_t digit = type.size() > 1 ? type[1].unicode() : 0;
        if (digit < '0' || digit > '9')
            return {};
        if (auto barcode = CreateBarcodeItem(quint32(digit - '0')))
            return {std::move(barcode)};
        return {nullptr, true};
    }
    case 'D':
        return {std::make_unique<DateItem>()};
    case 'G':
        return {std::make_unique<GraphicItem>()};
    case 'M':
        return {std::make_unique<MemoItem>()};
    case 'N':
        return {std::make_unique<NumberItem>()};
    case 'S':
        return {std::make_unique<ShiftcodeItem>()};
    case 'T':
        return {std::make_unique<TimeItem>()};
    default:
        return {};
    }
}

TImageItemsEnd ReadItems(TXLMessage& message, TImageItems& items)
{
    TRowCollector table(items.Rows);
    while (!message.AtEnd()) {
        if (message.ReadU8() != ItemMark)
            return TImageItemsEnd::NoItemMark;
        const std::optional<qint32> number = ItemPayload::DecimalInt32(message.ReadString());
        if (!number)
            return TImageItemsEnd::NotANumber;
        TTypeChoice choice = ChooseType(message.ReadString());
        if (choice.Skip)
            continue;
        if (!choice.Item)
            return TImageItemsEnd::UnknownType;
        table.ItemIndex = int(items.Items.Count());
        const std::optional<TImageError> error = choice.Item->ReadFromPrinter(message, table, *number);
        const QString typeName = choice.Item->TypeName;
        items.Items.Append(typeName, std::move(choice.Item));
        if (error)
            return TImageItemsEnd::NotANumber;
        if (items.Rows.size() > ReplyLimits::MaxItemRows) {
            items.Rows.resize(ReplyLimits::MaxItemRows);
            return TImageItemsEnd::TooManyRows;
        }
    }
    return TImageItemsEnd::Complete;
}

} // namespace

TImageItems Read(const TXLMessage& report, const QString& shownImage)
{
    TXLMessage message = report;
    message.SetPosition(0);
    TImageItems items;
    items.ImageName = message.ReadString();
    if (items.ImageName != shownImage) {
        items.End = TImageItemsEnd::OtherImage;
        return items;
    }
    message.ReadString(); // the item count: the items themselves say where the report ends
    items.End = ReadItems(message, items);
    return items;
}

} // namespace ImageItemsReport
