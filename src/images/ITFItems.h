#pragma once

#include "images/BarcodeItems.h"

// Interleaved 2 of 5: the station sends the data and the element widths; the printer draws the
// symbol.
class ITF_Item : public BarcodeItem
{
public:
    // One byte of the design file and of the payload: a 7-bit value (bits 0 to 6) and a flag (bit 7).
    struct TOptionC
    {
        quint8 Value = 0;
        bool Flag = false;

        static TOptionC FromByte(quint8 byte) { return {quint8(byte & 0x7F), (byte & 0x80) != 0}; }
        quint8 ToByte() const { return quint8((Value & 0x7F) | (Flag ? 0x80 : 0)); }
    };

    ITF_Item();

    quint8 ItfOptionA = 0;
    qint32 NarrowWidth = 0;
    qint32 ItfValueA = 0;
    qint32 ItfValueB = 0;
    quint8 ItfOptionB = 0;
    TOptionC ItfOptionC;
    qint32 WideRatio = 0; // wide-to-narrow ratio minus 2, in hundredths: 50 means 2.5:1
    QString Data;

    void ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version) override;
    std::optional<TImageError> WriteToMessage(TXLMessage& message, const TFontMap& fonts) override;
};
