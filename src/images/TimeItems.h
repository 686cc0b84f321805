#pragma once

#include "images/CoderImageItem.h"

// The time the printer prints. FormatText only serves the design program and is never sent.
class TimeItem : public TCoderImageItem
{
public:
    TimeItem();

    QString FormatText;
    quint8 TimeFormat = 0;
    char Separator = 0;
    qint32 TimeOption = 0;

    void ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version) override;
    std::optional<TImageError> WriteToMessage(TXLMessage& message, const TFontMap& fonts) override;
};
