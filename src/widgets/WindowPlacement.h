#pragma once

class QRect;
class QWidget;

// Where a window opens.
namespace WindowPlacement {

// Centres the window, frame included, on the area; a window not shown yet first takes the size its
// layout gives it.
void CentreOn(QWidget& window, const QRect& area);
// On the whole of the screen the window is on (or will open on).
void CentreOnScreen(QWidget& window);
// On another window, its frame included.
void CentreOnWindow(QWidget& window, const QWidget& other);

} // namespace WindowPlacement
