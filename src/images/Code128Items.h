#pragma once

#include "images/BarcodeItems.h"

// Code 128: the station sends the data and the module width; the printer draws the symbol.
class CODE128_Item : public BarcodeItem
{
public:
    CODE128_Item();

    qint32 BarHeight = 100;
    qint32 ModuleWidth = 3; // sent as its low byte
    QString Data;

    void ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version) override;
    std::optional<TImageError> WriteToMessage(TXLMessage& message, const TFontMap& fonts) override;
};
