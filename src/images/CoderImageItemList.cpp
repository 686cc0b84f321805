#include "images/CoderImageItemList.h"

#include "images/BinaryFileStream.h"
#include "images/Code128Items.h"
#include "images/Code39Items.h"
#include "images/DateItems.h"
#include "images/EAN128Items.h"
#include "images/EANUPCItems.h"
#include "images/GraphicItems.h"
#include "images/ITFItems.h"
#include "images/MemoItems.h"
#include "images/NumberItems.h"
#include "images/ShiftcodeItems.h"
#include "images/TextItems.h"
#include "images/TimeItems.h"

#include <algorithm>

namespace {
// FontNo, X, Y, Width, Height, Style and a reserved value: seven int32.
constexpr qsizetype CommonPartSize = 28;

// The item class for a record. A barcode record's class follows from the kind stored right after
// its common part, read ahead without moving the stream.
std::unique_ptr<TCoderImageItem> CreateItem(const QString& typeName, TBinaryFileStream& stream)
{
    if (typeName == QLatin1String(ItemTypeName::Text))
        return std::make_unique<TextItem>();
    if (typeName == QLatin1String(ItemTypeName::Number))
        return std::make_unique<NumberItem>();
    if (typeName == QLatin1String(ItemTypeName::Date))
        return std::make_unique<DateItem>();
    if (typeName == QLatin1String(ItemTypeName::Time))
        return std::make_unique<TimeItem>();
    if (typeName == QLatin1String(ItemTypeName::Memo) || typeName == QLatin1String(ItemTypeName::RText))
        return std::make_unique<MemoItem>();
    if (typeName == QLatin1String(ItemTypeName::Shiftcode))
        return std::make_unique<ShiftcodeItem>();
    if (typeName == QLatin1String(ItemTypeName::Barcode))
        return CreateBarcodeItem(stream.PeekLongWord(CommonPartSize));
    if (typeName == QLatin1String(ItemTypeName::Graphic))
        return std::make_unique<GraphicItem>();
    return nullptr;
}

TImageError ItemError(TImageErrorKind kind, qsizetype itemNumber, const QString& typeName)
{
    TImageError error;
    error.Kind = kind;
    error.ItemNumber = int(itemNumber);
    error.TypeName = typeName;
    return error;
}
} // namespace

QString* BarcodeData(BarcodeItem& item)
{
    if (auto* eanUpc = dynamic_cast<EANUPC_Item*>(&item))
        return &eanUpc->Data;
    if (auto* code128 = dynamic_cast<CODE128_Item*>(&item))
        return &code128->Data;
    if (auto* code39 = dynamic_cast<Code39_Item*>(&item))
        return &code39->Data;
    if (auto* itf = dynamic_cast<ITF_Item*>(&item))
        return &itf->Data;
    return nullptr;
}

const QString* BarcodeData(const BarcodeItem& item)
{
    return BarcodeData(const_cast<BarcodeItem&>(item));
}

std::unique_ptr<BarcodeItem> CreateBarcodeItem(quint32 kind)
{
    switch (kind) {
    case BarcodeKindCode::EAN8:
        return std::make_unique<EAN8_Item>();
    case BarcodeKindCode::EAN13:
        return std::make_unique<EAN13_Item>();
    case BarcodeKindCode::UPCA:
        return std::make_unique<UPCA_Item>();
    case BarcodeKindCode::UPCE:
        return std::make_unique<UPCE_Item>();
    case BarcodeKindCode::CODE128:
        return std::make_unique<CODE128_Item>();
    case BarcodeKindCode::EAN128:
        return std::make_unique<EAN128_Item>();
    case BarcodeKindCode::ITF:
        return std::make_unique<ITF_Item>();
    case BarcodeKindCode::Code39:
        return std::make_unique<Code39_Item>();
    }
    return nullptr;
}

std::optional<TImageError> TCoderImageItemList::ReadItem(TBinaryFileStream& stream,
                                                         TDesignFileVersion version)
{
    const qsizetype itemNumber = Count() + 1;
    const QString typeName = stream.ReadString();
    std::unique_ptr<TCoderImageItem> item = CreateItem(typeName, stream);
    if (stream.IsDamaged())
        return ItemError(TImageErrorKind::DamagedFile, itemNumber, typeName);
    if (!item)
        return ItemError(TImageErrorKind::InvalidItemType, itemNumber, typeName);
    item->ReadFromFile(stream, version);
    if (stream.IsDamaged())
        return ItemError(TImageErrorKind::DamagedFile, itemNumber, typeName);
    Append(typeName, std::move(item));
    return std::nullopt;
}

std::optional<TImageError> TCoderImageItemList::WriteToMessage(TXLMessage& message, const TFontMap& fonts)
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        std::optional<TImageError> error = m_entries[i].Item->WriteToMessage(message, fonts);
        if (error) {
            error->ItemNumber = int(i + 1);
            error->TypeName = m_entries[i].TypeName;
            return error;
        }
    }
    return std::nullopt;
}

void TCoderImageItemList::Append(const QString& typeName, std::unique_ptr<TCoderImageItem> item)
{
    m_entries.push_back({typeName, std::move(item)});
}

bool TCoderImageItemList::HasTypeName(const QString& typeName) const
{
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [&](const TEntry& entry) { return entry.TypeName == typeName; });
}
