#pragma once

class QWidget;

// Where the station's windows go on the screen.
namespace WindowPlacement {

// Centres the window, frame included, on the screen it is shown on: left := (screen width - window
// width) / 2, top := (screen height - window height) / 2, the divisions truncating toward zero.
void CentreOnScreen(QWidget& window);

} // namespace WindowPlacement
