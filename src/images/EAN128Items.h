#pragma once

#include "images/BarcodeItems.h"

#include <vector>

// One element of an EAN-128 barcode. A design file fills ElementKind, ElementText1 and
// ElementText4; the printer's description fills the four texts.
struct EAN128_Element
{
    quint8 ElementKind = 0;
    QString ElementText1;
    QString ElementText2;
    QString ElementText3;
    QString ElementText4;
};

// EAN-128 (GS1-128): the station sends the elements and the module width; the printer builds and
// draws the symbol.
class EAN128_Item : public BarcodeItem
{
public:
    EAN128_Item();

    std::vector<EAN128_Element> Elements;
    qint32 BarHeight = 100;
    qint32 ModuleWidth = 3; // sent as its low byte

    // The element count, the elements, BarHeight, ModuleWidth and one value that is skipped.
    void ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version) override;
    std::optional<TImageError> WriteToMessage(TXLMessage& message, const TFontMap& fonts) override;
    // The printer describes the item element by element; each becomes an element and a row, numbered
    // by the printer. number is not used.
    std::optional<TImageError> ReadFromPrinter(TXLMessage& message, TItemTable& table, int number) override;
};
