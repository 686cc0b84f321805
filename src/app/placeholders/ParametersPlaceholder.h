#pragma once

#include "app/StationWindow.h"
#include "station/views/ParametersView.h"

// Stands for the flash write notice, the parameters editor and the printer clock dialog until they
// are built: shows nothing.
class TParametersPlaceholder : public TParametersView, public TStationWindow
{
public:
    void ReloadWindowTexts() override {}

    void SetParameters(const TXLMessage&) override {}
    void HideParameters() override {}
    void ShowPrinterClock(quint16, quint8, quint8, quint8, quint8) override {}
    void ShowFlashWrite() override {}
    void HideFlashWrite() override {}
};
