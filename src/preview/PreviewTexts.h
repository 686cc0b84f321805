#pragma once

#include <QString>
#include <QtGlobal>

// The label preview's texts, translated in the context of the preview window.
namespace PreviewTexts {
inline constexpr char Context[] = "TLabelPreview";

inline constexpr const char* LabelTooLarge =
    QT_TRANSLATE_NOOP("TLabelPreview", "LABEL OF %1 X %2 DOTS IS TOO LARGE TO PREVIEW");

// What the picture shows where the printer fills in a value.
inline constexpr const char* DatePlaceholder = QT_TRANSLATE_NOOP("TLabelPreview", "DATE");
inline constexpr const char* TimePlaceholder = QT_TRANSLATE_NOOP("TLabelPreview", "TIME");
inline constexpr const char* ShiftPlaceholder = QT_TRANSLATE_NOOP("TLabelPreview", "SHIFT");
inline constexpr const char* CounterPlaceholder = QT_TRANSLATE_NOOP("TLabelPreview", "COUNTER");

// How an item is drawn.
inline constexpr const char* Exact = QT_TRANSLATE_NOOP("TLabelPreview", "exact");
inline constexpr const char* Encoded = QT_TRANSLATE_NOOP("TLabelPreview", "encoded");
inline constexpr const char* Substituted = QT_TRANSLATE_NOOP("TLabelPreview", "substituted");
inline constexpr const char* Placeholder = QT_TRANSLATE_NOOP("TLabelPreview", "placeholder");
inline constexpr const char* NotDrawn = QT_TRANSLATE_NOOP("TLabelPreview", "not drawn");

inline constexpr const char* GraphicNote = QT_TRANSLATE_NOOP("TLabelPreview", "the picture, dot for dot");
inline constexpr const char* StationBarsNote = QT_TRANSLATE_NOOP(
    "TLabelPreview", "bars of the symbol characters the station sends; the printer adds the digits");
inline constexpr const char* EncodedNote =
    QT_TRANSLATE_NOOP("TLabelPreview", "encoded here from its data; the printer encodes it itself");
inline constexpr const char* SubstituteFontNote = QT_TRANSLATE_NOOP("TLabelPreview", "in a substitute font");
inline constexpr const char* NoFontNote =
    QT_TRANSLATE_NOOP("TLabelPreview", "framed: this program has no fonts to draw it");
inline constexpr const char* PrinterFillsInNote =
    QT_TRANSLATE_NOOP("TLabelPreview", "the printer fills it in");

// Why a barcode is a finding.
inline constexpr const char* ReadsOther = QT_TRANSLATE_NOOP("TLabelPreview", "reads %1");
inline constexpr const char* NoBarcodeFound = QT_TRANSLATE_NOOP("TLabelPreview", "no barcode found");
inline constexpr const char* ChecksumError = QT_TRANSLATE_NOOP("TLabelPreview", "checksum error");
inline constexpr const char* FormatError = QT_TRANSLATE_NOOP("TLabelPreview", "format error");
inline constexpr const char* NotGs1 = QT_TRANSLATE_NOOP("TLabelPreview", "no FNC1 first: not a GS1 symbol");
inline constexpr const char* CharacterNotEncodable =
    QT_TRANSLATE_NOOP("TLabelPreview", "character '%1' cannot be encoded");
inline constexpr const char* SymbolTooWide =
    QT_TRANSLATE_NOOP("TLabelPreview", "%1 dots wide, wider than the %2 dots the preview draws");
inline constexpr const char* ModuleWidthZero =
    QT_TRANSLATE_NOOP("TLabelPreview", "module or narrow width of 0 dots");
inline constexpr const char* WideWidthZero =
    QT_TRANSLATE_NOOP("TLabelPreview", "wide element width of 0 dots");
inline constexpr const char* NoElements = QT_TRANSLATE_NOOP("TLabelPreview", "no elements");
inline constexpr const char* NoApplicationIdentifier =
    QT_TRANSLATE_NOOP("TLabelPreview", "element %1 has no application identifier: '%2'");
inline constexpr const char* PayloadUnreadable =
    QT_TRANSLATE_NOOP("TLabelPreview", "the station's symbol characters cannot be read");
} // namespace PreviewTexts

// One of the texts above in the current language.
QString PreviewText(const char* text);
