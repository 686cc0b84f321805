#pragma once

#include "images/DesignFileVersion.h"
#include "images/ImageError.h"
#include "images/ItemDataUnit.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class TBinaryFileStream;
class TFontMap;
class TItemTable;
class TXLMessage;

// The printer's item type codes: one bit per type; every barcode symbology shares Barcode.
namespace ItemTypeCode {
inline constexpr qint32 Text = 1;
inline constexpr qint32 Date = 2;
inline constexpr qint32 Number = 4;
inline constexpr qint32 Time = 8;
inline constexpr qint32 Shiftcode = 16;
inline constexpr qint32 Graphic = 32;
inline constexpr qint32 Barcode = 64;
inline constexpr qint32 Memo = 128;
} // namespace ItemTypeCode

// One field placed on a label image. Items are read from an image design file (ReadFromFile) or
// from the printer's description of a stored image (ReadFromPrinter), and write themselves into an
// image message (WriteToMessage): the 7-byte item header, then the payload of their type.
class TCoderImageItem
{
public:
    virtual ~TCoderImageItem() = default;
    TCoderImageItem(const TCoderImageItem&) = delete;
    TCoderImageItem& operator=(const TCoderImageItem&) = delete;

    qint32 Width = 0;
    qint32 Height = 0;
    qint32 Style = 0; // the printer gets its low byte
    qint32 X = 0;
    qint32 Y = 0;
    qint32 FontNo = 0;      // font number of the design program, see TFontMap
    const qint32 ItemType;  // printer item type code, see ItemTypeCode
    TItemData ItemData;     // the item as the printer described it; empty for items from a file
    const QString TypeName; // the type as the item table shows it

    // Reads the record after its type name. The common part: FontNo, X, Y, Width, Height, Style and
    // one reserved value. A short file shows as the stream being damaged.
    virtual void ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version);

    // Appends the item header and the type's payload; fonts gives the header's font code. After an
    // error the message must not be sent: it may hold part of the item.
    virtual std::optional<TImageError> WriteToMessage(TXLMessage& message, const TFontMap& fonts);

    // Reads the printer's description of the item (message positioned at it) and adds its row to
    // the table: item number, TypeName, current value.
    virtual std::optional<TImageError> ReadFromPrinter(TXLMessage& message, TItemTable& table, int number);

protected:
    TCoderImageItem(qint32 itemType, QString typeName);

    // A NumberNotConvertible error about field of this item.
    static TImageError NumberError(const QString& field, const QString& value);

    // The printer describes a multi-line text line by line and an EAN-128 barcode element by
    // element: a decimal count, then up to that many sub-records, each the byte 30 and six texts. A
    // sub-record without that byte ends the description. NumberNotConvertible when the count is not
    // a decimal number.
    using TSubRecord = std::array<QString, 6>;
    static std::optional<TImageError> ReadSubRecords(TXLMessage& message,
                                                     const std::function<void(const TSubRecord&)>& onRecord);
};

// An item created for a row of the printer's description of an image. Error set: the description
// could not be read to its end; the item is still returned, as rows may already show it.
template <class Item> struct TItemFromPrinter
{
    std::unique_ptr<Item> Created;
    std::optional<TImageError> Error;
};

template <class Item>
TItemFromPrinter<Item> CreateFromPrinter(int number, TItemTable& table, TXLMessage& message)
{
    TItemFromPrinter<Item> result{std::make_unique<Item>(), std::nullopt};
    result.Error = result.Created->ReadFromPrinter(message, table, number);
    return result;
}

// A type name as the windows show it: the plain item types ("Text", "Date" ...) in the language in
// use, barcode symbologies under their own names.
QString ShownTypeName(const QString& typeName);
