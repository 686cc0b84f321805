#include "images/ImageDesignFile.h"

#include "images/BinaryFileStream.h"
#include "images/ItemPayload.h"

namespace {
constexpr int UnusedHeaderValues = 5;

TImageError FileError(TImageErrorKind kind)
{
    TImageError error;
    error.Kind = kind;
    return error;
}

std::optional<TImageError> DamageOf(const TBinaryFileStream& stream)
{
    if (stream.IsDamaged())
        return FileError(TImageErrorKind::DamagedFile);
    return std::nullopt;
}
} // namespace

std::optional<TImageError> TImageDesignFile::Read(TBinaryFileStream& stream)
{
    for (auto stage :
         {&TImageDesignFile::ReadVersion, &TImageDesignFile::ReadNames, &TImageDesignFile::ReadMonthNames,
          &TImageDesignFile::ReadShifts, &TImageDesignFile::ReadItems}) {
        if (std::optional<TImageError> error = (this->*stage)(stream))
            return error;
    }
    return std::nullopt;
}

std::optional<TImageError> TImageDesignFile::ReadVersion(TBinaryFileStream& stream)
{
    const QString text = stream.ReadString(DesignFileVersion::TextLength);
    if (std::optional<TImageError> damage = DamageOf(stream))
        return damage;
    const std::optional<TDesignFileVersion> version = DesignFileVersion::FromText(text);
    if (!version)
        return FileError(TImageErrorKind::InvalidFileVersion);
    FileVersion = *version;
    return std::nullopt;
}

std::optional<TImageError> TImageDesignFile::ReadNames(TBinaryFileStream& stream)
{
    ImageText = stream.ReadString();
    ImageName = stream.ReadString();
    return DamageOf(stream);
}

std::optional<TImageError> TImageDesignFile::ReadMonthNames(TBinaryFileStream& stream)
{
    for (int i = 0; i < UnusedHeaderValues; ++i)
        stream.ReadInteger();
    stream.ReadString();
    const QString names = stream.ReadString();
    MonthNames = names.size() == MonthNamesLength ? names : QLatin1String(DefaultMonthNames);
    return DamageOf(stream);
}

std::optional<TImageError> TImageDesignFile::ReadShifts(TBinaryFileStream& stream)
{
    for (TShiftEntry& shift : Shifts) {
        shift.Code = ItemPayload::LowByte(stream.ReadLongWord());
        shift.StartTime = stream.ReadDouble();
        shift.Name = stream.ReadString();
    }
    return DamageOf(stream);
}

std::optional<TImageError> TImageDesignFile::ReadItems(TBinaryFileStream& stream)
{
    stream.ReadString();
    const quint32 itemCount = stream.ReadLongWord();
    if (std::optional<TImageError> damage = DamageOf(stream))
        return damage;
    if (itemCount == 0)
        return FileError(TImageErrorKind::InvalidItemType);
    // Each record takes at least 32 bytes, so a count the file cannot hold ends in DamagedFile.
    for (quint32 i = 0; i < itemCount; ++i) {
        if (std::optional<TImageError> error = Items.ReadItem(stream, FileVersion))
            return error;
    }
    return std::nullopt;
}
