#pragma once

#include <QIcon>
#include <QPointF>
#include <QRgb>

// The icons of the "Connections" window: a printer with two lamps, the print lamp at the left and
// the ink lamp at the right, green when lit and red when not, as the main window shows them; both
// white when the printer is not connected, and with a round arrow on a badge while the station
// connects a printer it lost again.
namespace ConnectionIcon {

// Icons 0 to 3 follow the printer's status bits (1: ink, 2: printing); 4 is not connected, 5 is
// being reconnected.
inline constexpr int Count = 6;
inline constexpr int NotConnected = 4;
inline constexpr int Reconnecting = 5;
// The badge of the reconnecting printer, at the top right.
inline constexpr QPointF BadgeCentre{25, 7};
inline constexpr QRgb BadgeColor = 0xFFD08000;
// The icon is drawn on a grid of 32 by 32; the lamps' centres on it.
inline constexpr qreal Grid = 32;
inline constexpr QPointF PrintLampCentre{11, 19};
inline constexpr QPointF InkLampCentre{21, 19};

// Icon 4 for an index outside 0 to 5.
QIcon Icon(int index);

} // namespace ConnectionIcon
