#pragma once

#include <QtGlobal>

// The numeric operator window's entry field takes 1 to this many decimal digits and nothing else.
inline constexpr int OperatorNumericDigits = 8;

// The numeric operator window's check of an entry against the two limits of the printer's request.
// The limit the printer sent second is accepted itself, the one it sent first is not, whichever is
// the larger; equal limits accept nothing. The window shows the smaller limit as "Minimum" and the
// larger as "Maximum".
constexpr bool OperatorNumericAccepts(qint32 value, qint32 limitA, qint32 limitB)
{
    return limitB >= limitA ? (limitA < value && value <= limitB) : (limitB <= value && value < limitA);
}
