#pragma once

#include "images/CoderImageItemList.h"
#include "images/DesignFileVersion.h"

#include <QString>

#include <array>

class TBinaryFileStream;

// One shift of the image's shift table.
struct TShiftEntry
{
    quint8 Code = 0;      // the first entry coded ShiftTableEnd ends the used part of the table
    double StartTime = 0; // days since 30 December 1899; only hour and minute are used
    QString Name;         // its first character is what the printer prints for the shift
};

// An image design file as the station reads it. The stages follow the file's order, so the
// transfer can check the version and ask about the image name before it reads the rest; each
// stage refuses with DamagedFile when the file ends early.
class TImageDesignFile
{
public:
    static constexpr int ShiftCount = 25;
    static constexpr quint8 ShiftTableEnd = 7;
    static constexpr int MonthNamesLength = 36;
    static constexpr char DefaultMonthNames[] = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";

    TDesignFileVersion FileVersion = TDesignFileVersion::V3_1X000;
    QString ImageText; // sent to the printer right after the image name
    QString ImageName; // the image's name in the printer
    QString MonthNames = QLatin1String(DefaultMonthNames);
    std::array<TShiftEntry, ShiftCount> Shifts;
    TCoderImageItemList Items;

    // All stages in order.
    std::optional<TImageError> Read(TBinaryFileStream& stream);

    // The version text; InvalidFileVersion unless it is one of the accepted versions.
    std::optional<TImageError> ReadVersion(TBinaryFileStream& stream);
    // ImageText, then ImageName.
    std::optional<TImageError> ReadNames(TBinaryFileStream& stream);
    // Five unused values and a text, then the month names: twelve three-letter abbreviations; any
    // other length than 36 gives the default table.
    std::optional<TImageError> ReadMonthNames(TBinaryFileStream& stream);
    std::optional<TImageError> ReadShifts(TBinaryFileStream& stream);
    // An unused text, the item count and the items. InvalidItemType also for an image without items.
    std::optional<TImageError> ReadItems(TBinaryFileStream& stream);
};
