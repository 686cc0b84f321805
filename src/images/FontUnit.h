#pragma once

#include <QList>
#include <QString>

class TBinaryFileStream;

// One entry of the font map: a font number of the design program and the printer's font code.
struct TFontItem
{
    qint32 FontNo = 0;
    qint32 FontExtra = 0; // stored in the file, not used by the station
    qint32 CoderFont = 0; // its low byte is what the printer gets
};

// Translates the design program's font numbers into the printer's one-byte font codes. The station
// loads it once at start-up from "FONTMAP.DEF" in the installation folder and hands it to every
// image it builds; tools and tests load it from any file or build it from entries.
class TFontMap
{
public:
    TFontMap() = default;
    explicit TFontMap(QList<TFontItem> entries) : m_entries(std::move(entries)) {}

    // The entries of a font map file. Missing or unreadable: empty. A file that ends early keeps
    // the entries read completely before its end.
    static TFontMap Load(const QString& fileName);
    static TFontMap Read(TBinaryFileStream& stream);

    // The settings value INSTALL_DIRECTORY followed directly by "FONTMAP.DEF": the installer
    // stores the folder with its trailing separator, so none is added.
    static QString StationFileName();
    static TFontMap LoadForStation() { return Load(StationFileName()); }

    // The low byte of CoderFont of the first entry, in file order, for fontNo; 0 when none.
    quint8 CoderFontID(qint32 fontNo) const;

    const QList<TFontItem>& Entries() const { return m_entries; }

private:
    QList<TFontItem> m_entries;
};
