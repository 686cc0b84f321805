#pragma once

#include "app/StationWindow.h"
#include "station/views/ConnectionsView.h"

// Stands for the "Connections" window and the connection properties dialog until they are built:
// shows nothing.
class TConnectionsPlaceholder : public TConnectionsView, public TStationWindow
{
public:
    void ReloadWindowTexts() override {}
    // "Connections" in the main menu shows the window; a language change hides it and shows it
    // again, and places it beside the main window.
    void ShowWindow() {}
    void HideWindow() {}
    bool IsWindowVisible() const { return false; }
    void ResetWindowParameters() {}

    void EntryAdded(const TConnectionEntry&) override {}
    void EntryChanged(const TConnectionEntry&) override {}
    void EntryRemoved(quint64) override {}
    void SetEnabled(bool) override {}
    void ShowNoEthernetConnection() override {}
};
