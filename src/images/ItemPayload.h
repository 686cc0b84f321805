#pragma once

#include "images/ImageError.h"

#include <QString>
#include <QtGlobal>

#include <initializer_list>
#include <optional>

class TXLMessage;

// Helpers for the item payloads of an image message: unlike the message layer, their 16-bit fields
// go out low byte first.
namespace ItemPayload {

inline quint8 LowByte(qint64 value)
{
    return quint8(value & 0xFF);
}

// The low byte of value, then its bits 8 to 15.
void WriteLE16(TXLMessage& message, qint64 value);

// The most a one-byte count (a length, a number of elements) can say.
inline constexpr qsizetype MaxCount = 255;

// The low byte of the text's length, then the text closed by 0x00.
void WriteCountedString(TXLMessage& message, const QString& text);
// DataTooLong for a text longer than its one-byte length can say: the printer would read a length
// that is not the text's.
std::optional<TImageError> RefuseLongCountedText(const QString& text);

// A text that goes out closed by a 0 byte, and the name of its field.
struct TClosedText
{
    QString Field;
    const QString& Text;
};

// The printer reads such a text up to its first 0 byte: one that holds a 0 byte would end early
// and its rest be read as the fields that follow. TextHoldsZeroByte names the first such field.
std::optional<TImageError> RefuseZeroBytes(std::initializer_list<TClosedText> texts);

// An optional sign and one or more decimal digits, within the signed 32-bit range; nothing else
// (no spaces, no other bases).
std::optional<qint32> DecimalInt32(const QString& text);

} // namespace ItemPayload
