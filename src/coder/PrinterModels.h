#pragma once

#include <QString>

// Model codes reported by the printers. Deneb has two print heads and two current images; Altair is
// the thermal-transfer (ribbon) model, the others are ink-jet printers.
namespace PrinterModels {

inline constexpr quint8 Altair = 0;
inline constexpr quint8 Vega = 1;
inline constexpr quint8 Rigel = 2;
inline constexpr quint8 Deneb = 3;
inline constexpr quint8 Cygnus = 4;
inline constexpr quint8 Lyra = 5;
inline constexpr quint8 NotReported = 6;

// "Altair", "Vega" ... for codes 0-5; empty for any other code.
QString Name(quint8 model);
// What the station puts before the printer's name: "Altair - " ...; empty for any other code.
QString DisplayPrefix(quint8 model);

} // namespace PrinterModels
