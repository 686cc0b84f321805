#pragma once

#include <QString>

#include <optional>

// The image design file versions the station reads. They differ only in the date item's record:
// DateOptionA is stored from 2.0X001 on, DateOptionB from 3.1X000 on.
enum class TDesignFileVersion
{
    V1_0X008,
    V2_0X000,
    V2_0X001,
    V2_1X000,
    V3_1X000,
};

namespace DesignFileVersion {

// How many characters of the file's version text are read.
inline constexpr int TextLength = 20;

// The version whose text matches exactly (case included), or none.
std::optional<TDesignFileVersion> FromText(const QString& text);
QString Text(TDesignFileVersion version);

bool HasDateOptionA(TDesignFileVersion version);
bool HasDateOptionB(TDesignFileVersion version);

} // namespace DesignFileVersion
