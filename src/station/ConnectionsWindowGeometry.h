#pragma once

#include <QRect>

// Where the "Connections" window goes when it is first activated and after a language change: near
// the left edge of the screen, a third of the way down and a third of the screen high, as wide as the
// room beside the main window centred on the screen allows, less a twentieth of the screen.
namespace ConnectionsWindowGeometry {

// The window's outer rectangle (frame included) on a screen, for the main window's outer width.
// Every division truncates toward zero. A screen with no room beside the main window gives a width
// of 0 rather than a negative one: the window keeps its own minimum size then.
QRect Of(const QRect& screen, int mainWindowWidth);

} // namespace ConnectionsWindowGeometry
