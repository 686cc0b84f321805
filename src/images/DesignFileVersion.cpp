#include "images/DesignFileVersion.h"

#include <array>

namespace {
struct TVersionRow
{
    TDesignFileVersion Version;
    const char* Text;
    bool DateOptionA;
    bool DateOptionB;
};

constexpr std::array<TVersionRow, 5> Versions{{
    {TDesignFileVersion::V1_0X008, "zorbe V1.0X008", false, false},
    {TDesignFileVersion::V2_0X000, "zorbe V2.0X000", false, false},
    {TDesignFileVersion::V2_0X001, "zorbe V2.0X001", true, false},
    {TDesignFileVersion::V2_1X000, "zorbe V2.1X000", true, false},
    {TDesignFileVersion::V3_1X000, "zorbe V3.1X000", true, true},
}};

const TVersionRow& Row(TDesignFileVersion version)
{
    return Versions[size_t(version)];
}
} // namespace

std::optional<TDesignFileVersion> DesignFileVersion::FromText(const QString& text)
{
    for (const TVersionRow& row : Versions) {
        if (text == QLatin1String(row.Text))
            return row.Version;
    }
    return std::nullopt;
}

QString DesignFileVersion::Text(TDesignFileVersion version)
{
    return QLatin1String(Row(version).Text);
}

bool DesignFileVersion::HasDateOptionA(TDesignFileVersion version)
{
    return Row(version).DateOptionA;
}

bool DesignFileVersion::HasDateOptionB(TDesignFileVersion version)
{
    return Row(version).DateOptionB;
}
