#pragma once

#include "images/BarcodeItems.h"

// Code 39: the station sends the data and the element widths; the printer draws the symbol.
class Code39_Item : public BarcodeItem
{
public:
    Code39_Item();

    qint32 NarrowWidth = 0;
    qint32 BarHeight = 0;
    quint8 Code39Option = 0;
    qint32 WideRatio = 0; // wide-to-narrow ratio minus 2, in hundredths: 50 means 2.5:1
    QString Data;

    void ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version) override;
    std::optional<TImageError> WriteToMessage(TXLMessage& message, const TFontMap& fonts) override;
};
