#pragma once

#include "app/StationWindow.h"
#include "station/views/PrintWindowView.h"

// Stands for the print window until it is built: shows nothing.
class TPrintPlaceholder : public TPrintWindowView, public TStationWindow
{
public:
    void ReloadWindowTexts() override {}
    // "Print" in the main menu.
    void ShowPrintWindow() {}

    void UpdateImageList(const QStringList&) override {}
    void SetCurrentImages(const QString&, const QString&, quint8) override {}
    void HidePrintWindow() override {}
};
