#pragma once

#include <QtGlobal>

namespace XLCrc {

// The CRC over whole 16-byte blocks, folded with the processor's carry-less multiply.
struct TFolded
{
    quint16 Crc = 0;
    qsizetype Taken = 0; // bytes taken from the front of the data, a multiple of 16
};

// Takes as many whole 16-byte blocks as the data holds (at least two) and returns the CRC after them;
// takes nothing (Taken 0) from less, or on a processor without carry-less multiply.
TFolded UpdateFolded(quint16 crc, const uchar* data, qsizetype count);

} // namespace XLCrc
