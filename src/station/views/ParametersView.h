#pragma once

#include <QtGlobal>

class TXLMessage;

// The parameters editor, the printer clock dialog and the flash write notice as the station sees them.
class TParametersView
{
public:
    virtual ~TParametersView() = default;

    virtual void SetParameters(const TXLMessage& parameterData) = 0;
    virtual void HideParameters() = 0;
    // A clock report, from the printer of that channel id.
    virtual void ShowPrinterClock(quint64 printerId, quint16 year, quint8 month, quint8 day, quint8 hour,
                                  quint8 minute) = 0;
    virtual void ShowFlashWrite() = 0;
    virtual void HideFlashWrite() = 0;
};
