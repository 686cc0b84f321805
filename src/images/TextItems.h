#pragma once

#include "images/CoderImageItem.h"

// A fixed text, with an optional extra text.
class TextItem : public TCoderImageItem
{
public:
    TextItem();

    quint8 TextOption = 0;
    QString ExtraText;
    quint32 TextParameter = 1;
    QString Text;

    void ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version) override;
    std::optional<TImageError> WriteToMessage(TXLMessage& message, const TFontMap& fonts) override;
    std::optional<TImageError> ReadFromPrinter(TXLMessage& message, TItemTable& table, int number) override;
};
