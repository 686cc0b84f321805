#pragma once

#include "parameters/ParameterDataUnit.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

// The pages of the parameters editor: for each record kind the labelled controls, top to bottom,
// and the rules that tie a control's format and limits to the record. The window builds its pages
// from these rows; the command-line tool names the settings by their labels.
namespace ParameterPages {

// Texts are translated in the context of the parameters window.
inline constexpr char Context[] = "TParametersForm";
QString Translated(const char* text);

enum class TPage
{
    Altair,
    Vega, // also the Cygnus and every model code without a page of its own
    Rigel,
    Deneb,
    Lyra,
};
TPage PageOfModel(quint8 modelCode);

enum class TControl
{
    List,    // a drop-down list; the setting is the chosen entry's position
    Number,  // the numeric edit field
    Stretch, // a whole number stepped by 1 within StretchLimits
};

struct TRow
{
    const char* Label; // untranslated
    TControl Control;
    quint16 Parameter; // the setting's number: FieldOfParameter gives its record field
    std::span<const char* const> Entries = {}; // a list's texts, untranslated
    const char* Format = nullptr;              // a number field's format; null where the record decides it
};
std::span<const TRow> Rows(TPage page);

// A number field's range: Max of 0 or less means no upper limit (as the numeric edit field has it).
struct TLimits
{
    qint32 Min = 0;
    qint32 Max = 0;
    bool Contains(qint32 value) const { return value >= Min && (Max <= 0 || value <= Max); }
    friend bool operator==(const TLimits&, const TLimits&) = default;
};

inline constexpr TLimits StretchLimits{1, 10};

// The speed is hundredths of a metre per minute with the internal pulse generator (source 1), a
// percentage of the encoder's speed with any other source.
QString SpeedFormat(qint32 encoderSource);
TLimits SpeedLimits(qint32 encoderSource);
// The speed a change of the encoder source starts from: 35.00 m/min or 100%.
qint32 SpeedForEncoder(qint32 encoderSource);

// The head cap interval is in minutes while the printer spits (spit interval not 0), otherwise in
// tenths of a second; switching spitting on or off starts it from 5 min or 3.0 s.
QString HeadCapFormat(qint32 spitInterval);
TLimits HeadCapLimits(qint32 spitInterval);
qint32 HeadCapForSpitInterval(qint32 spitInterval);

// What a row's control shows of a record.
QString LabelText(const TRow& row);
QStringList EntryTexts(const TRow& row);
QString FormatOf(const TRow& row, const TParameterData& record);
// The rule's limits, or for a plain number field the values its format can show.
TLimits LimitsOf(const TRow& row, const TParameterData& record);
// A list shows the entry at the setting's position, and the first entry for a setting that names
// none; a number field shows the digits its format holds; the stretch field stays within its limits.
qint32 ShownValue(const TRow& row, const TParameterData& record);
// The stretch can be changed on the two-head printer's page only.
bool IsReadOnly(TPage page, const TRow& row);

// A value with its format's decimals and unit, whatever its size: 39 with "##.## m/min" is
// "0.39 m/min", 1500 with "### ms" is "1500 ms".
QString ValueText(const QString& format, qint32 value);
// The reverse for a typed text, with or without the unit: "0.4" or "0.40 m/min" with "##.## m/min"
// is 40. Empty when the text is no such number.
std::optional<qint32> ParseValueText(const QString& text, const QString& format);

} // namespace ParameterPages
