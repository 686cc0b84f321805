#pragma once

#include "images/CoderImageItem.h"

// A text of several lines; the file's line breaks go to the printer as they are.
class MemoItem : public TCoderImageItem
{
public:
    MemoItem();

    qint32 MemoValueA = 0;
    qint32 MemoValueB = 0;
    qint32 MemoOption = 0;
    QString Text;

    void ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version) override;
    std::optional<TImageError> WriteToMessage(TXLMessage& message, const TFontMap& fonts) override;
    // The printer describes each line as a sub-record of its own (byte 30, then six texts); every
    // line gets a row, numbered by the printer. number is not used.
    std::optional<TImageError> ReadFromPrinter(TXLMessage& message, TItemTable& table, int number) override;
};
