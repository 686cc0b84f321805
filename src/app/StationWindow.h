#pragma once

class TStation;

// A window of the station as the window program's shell sees it. Every window is created once at
// start-up, in a fixed order and before the station's logic (which needs the windows as its views);
// once the station exists each window is given it.
class TStationWindow
{
public:
    virtual ~TStationWindow() = default;

    // The station, for the window's own actions; it outlives the window's use of it.
    virtual void Attach(TStation& station) { static_cast<void>(station); }
    // Back to the design state (texts, enabling) in the language now loaded.
    virtual void ReloadWindowTexts() = 0;
};
