#pragma once

#include "images/CoderImageItem.h"
#include "images/MonochromePicture.h"

// A black-and-white picture. The design file stores it as packed bits; the printer receives it
// run-length coded, row by row. A graphic listed from the printer has no picture.
class GraphicItem : public TCoderImageItem
{
public:
    GraphicItem();

    TMonochromePicture Picture; // Width x Height once read from a file; all white until then

    // The common part, then the packed picture of Width x Height pixels: ceil(Width x Height / 8)
    // bytes, at least 1. A negative size, or bits the file does not hold, damage the stream.
    void ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version) override;
    // The item header, the picture's sizes and its rows. Refuses, writing nothing, a picture wider
    // or higher than the 16-bit sizes carry.
    std::optional<TImageError> WriteToMessage(TXLMessage& message, const TFontMap& fonts) override;
};
