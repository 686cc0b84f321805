#pragma once

#include "images/BarcodeSymbols.h"
#include "images/CoderImageItem.h"

// The symbology codes of barcode items: the byte after the item header tells the printer which
// symbology an item of type Barcode is, and the design file stores the same code.
namespace BarcodeKindCode {
inline constexpr qint32 EAN8 = 0;
inline constexpr qint32 EAN13 = 1;
inline constexpr qint32 UPCA = 2;
inline constexpr qint32 UPCE = 3;
inline constexpr qint32 CODE128 = 4;
inline constexpr qint32 EAN128 = 5;
inline constexpr qint32 ITF = 6;
inline constexpr qint32 Code39 = 7;
} // namespace BarcodeKindCode

// A barcode of one of eight symbologies; the printer draws the bars. Each symbology is a class of
// its own, which fixes BarcodeKind.
class BarcodeItem : public TCoderImageItem
{
public:
    const qint32 BarcodeKind;
    QString Value; // the value the printer reported for the item; never sent

    // The common part, then the kind once more: the class has already fixed it, so it is skipped.
    void ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version) override;
    // The item header and BarcodeKind as one byte; the symbology's fields follow.
    std::optional<TImageError> WriteToMessage(TXLMessage& message, const TFontMap& fonts) override;
    // The base description, and Value := its reported value.
    std::optional<TImageError> ReadFromPrinter(TXLMessage& message, TItemTable& table, int number) override;

protected:
    BarcodeItem(qint32 barcodeKind, QString typeName);
};

// The EAN/UPC family: the station computes the check digit and the bar pattern of every symbol
// character, and takes the sizes from the symbology's table for the module width.
class EANUPC_Item : public BarcodeItem
{
public:
    QString Data; // the digits without the check digit
    qint32 BarHeight = 0;
    qint32 ModuleWidth = 3;

    void ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version) override;
    // Refuses, writing nothing, a ModuleWidth without a size table row (outside 2 to 6) and Data that
    // holds a non-digit or fewer digits than the symbology encodes. Longer data is sent whole in the
    // human-readable text; the bars use the positions the symbology encodes.
    std::optional<TImageError> WriteToMessage(TXLMessage& message, const TFontMap& fonts) override;

protected:
    EANUPC_Item(BarcodeSymbols::EanUpcSymbology symbology, QString typeName, QString data);

private:
    TImageError Refusal(BarcodeSymbols::EanUpcRefusal refusal) const;

    const BarcodeSymbols::EanUpcSymbology m_symbology;
};
