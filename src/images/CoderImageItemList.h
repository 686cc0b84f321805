#pragma once

#include "images/BarcodeItems.h"
#include "images/CoderImageItem.h"

#include <QString>

#include <memory>
#include <vector>

// The record type names of an image design file, compared exactly (case included).
namespace ItemTypeName {
inline constexpr char Text[] = "TextItem";
inline constexpr char Number[] = "NumberItem";
inline constexpr char Date[] = "DateItem";
inline constexpr char Time[] = "TimeItem";
inline constexpr char Memo[] = "MemoItem";
inline constexpr char RText[] = "RTextItem"; // an older name of the multi-line text, read alike
inline constexpr char Shiftcode[] = "ShiftcodeItem";
inline constexpr char Graphic[] = "GraphicItem";
inline constexpr char Barcode[] = "BarcodeItem";
} // namespace ItemTypeName

// A new item of the symbology class of a barcode kind (BarcodeKindCode); none for another kind.
std::unique_ptr<BarcodeItem> CreateBarcodeItem(quint32 kind);
// The one data text of a barcode (EAN/UPC: the digits without the check digit); null for an EAN-128
// barcode, whose data are its elements.
QString* BarcodeData(BarcodeItem& item);
const QString* BarcodeData(const BarcodeItem& item);

// The items of one image, in order, each under the type name it was read or created with
// ("RTextItem" and "MemoItem" both hold a MemoItem and keep their own names). Names may repeat.
// The list owns its items.
class TCoderImageItemList
{
public:
    // Reads one item record (type name, common part, type part) and appends its item.
    // InvalidItemType: the type name or barcode kind is unknown; the stream is left just after the
    // type name. DamagedFile: the record runs past the end of the file; nothing is appended.
    std::optional<TImageError> ReadItem(TBinaryFileStream& stream, TDesignFileVersion version);

    // Every item in list order. The first refusal stops writing and names its item.
    std::optional<TImageError> WriteToMessage(TXLMessage& message, const TFontMap& fonts);

    void Append(const QString& typeName, std::unique_ptr<TCoderImageItem> item);
    qsizetype Count() const { return qsizetype(m_entries.size()); }
    TCoderImageItem* Item(qsizetype index) const { return m_entries[size_t(index)].Item.get(); }
    const QString& TypeName(qsizetype index) const { return m_entries[size_t(index)].TypeName; }
    bool HasTypeName(const QString& typeName) const;
    void Clear() { m_entries.clear(); }

private:
    struct TEntry
    {
        QString TypeName;
        std::unique_ptr<TCoderImageItem> Item;
    };
    std::vector<TEntry> m_entries;
};
