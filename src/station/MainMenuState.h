#pragma once

// The main menu's enabling as it follows the selected printer. The main window keeps one, changes
// it when the printer's state changes and applies it to its menus.
struct TMainMenuState
{
    bool DisconnectAll = false;
    bool Parameters = false;
    bool Images = false; // the "Images" menu as a whole: "Modify" and "Print" follow only it
    bool TransferAndDelete = true;
    bool Connections = true;

    // A printer's whole state is shown.
    void PrinterShown() { DisconnectAll = Parameters = Images = true; }
    // Images are neither sent nor deleted while the printer prints, and its parameters stay as
    // they are.
    void PrintingStarted() { Parameters = TransferAndDelete = false; }
    void PrintingStopped() { Parameters = TransferAndDelete = true; }
    // No printer is shown: the design state.
    void NoPrinter() { *this = TMainMenuState(); }

    bool operator==(const TMainMenuState&) const = default;
};
