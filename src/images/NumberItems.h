#pragma once

#include "images/CoderImageItem.h"

// A counter. Its values are held as the decimal texts of the design file; each must be an optional
// sign and decimal digits within the signed 32-bit range when the item is written.
class NumberItem : public TCoderImageItem
{
public:
    NumberItem();

    QString StartValue = QStringLiteral("0");
    QString CurrentValue = QStringLiteral("0");
    QString EndValue = QStringLiteral("1000");
    QString NumberOptionA = QStringLiteral("10");
    QString NumberOptionB = QStringLiteral("1");
    quint8 NumberFlagA = 1;
    quint8 NumberFlagB = 0;

    void ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version) override;
    // An empty StartValue becomes "000000" and stays so. Writes nothing when a value is refused.
    std::optional<TImageError> WriteToMessage(TXLMessage& message, const TFontMap& fonts) override;
    std::optional<TImageError> ReadFromPrinter(TXLMessage& message, TItemTable& table, int number) override;
};
