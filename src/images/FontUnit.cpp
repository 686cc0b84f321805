#include "images/FontUnit.h"

#include "images/BinaryFileStream.h"
#include "platform/SettingsStore.h"

namespace {
TFontItem ReadEntry(TBinaryFileStream& stream)
{
    for (int ignoredText = 0; ignoredText < 3; ++ignoredText)
        stream.ReadString();
    stream.ReadInteger();
    stream.ReadInteger();
    TFontItem entry;
    entry.FontNo = stream.ReadInteger();
    entry.FontExtra = stream.ReadInteger();
    entry.CoderFont = stream.ReadInteger();
    return entry;
}
} // namespace

TFontMap TFontMap::Load(const QString& fileName)
{
    std::optional<TBinaryFileStream> stream = TBinaryFileStream::Open(fileName);
    return stream ? Read(*stream) : TFontMap();
}

TFontMap TFontMap::Read(TBinaryFileStream& stream)
{
    stream.ReadString(); // header text
    const qint32 count = stream.ReadInteger();
    QList<TFontItem> entries;
    // Every entry takes at least 32 bytes, so a count the file cannot hold ends at the file's end.
    for (qint32 i = 0; i < count && !stream.IsDamaged(); ++i) {
        const TFontItem entry = ReadEntry(stream);
        if (!stream.IsDamaged())
            entries.append(entry);
    }
    return TFontMap(std::move(entries));
}

QString TFontMap::StationFileName()
{
    return SettingsStore::Value(QLatin1String(SettingsStore::InstallDirectory)).toString() +
           QLatin1String("FONTMAP.DEF");
}

quint8 TFontMap::CoderFontID(qint32 fontNo) const
{
    for (const TFontItem& entry : m_entries) {
        if (entry.FontNo == fontNo)
            return quint8(entry.CoderFont & 0xFF);
    }
    return 0;
}
