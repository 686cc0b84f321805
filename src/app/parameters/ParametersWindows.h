#pragma once

#include "app/StationWindow.h"
#include "station/views/ParametersView.h"

#include <memory>

class QWidget;
class TDateTimeForm;
class TFlashWriteForm;
class TParametersForm;

// The windows of the parameters workflow: the flash write notice, the parameters editor and the
// printer clock dialog, created in that order. The editor is centred on the main window, the clock
// dialog on the editor; the notice on the screen.
class TParametersWindows : public TParametersView, public TStationWindow
{
public:
    explicit TParametersWindows(QWidget* mainWindow);
    ~TParametersWindows() override;

    void Attach(TStation& station) override;
    void ReloadWindowTexts() override;

    void SetParameters(const TXLMessage& parameterData) override;
    void HideParameters() override;
    void ShowPrinterClock(quint64 printerId, quint16 year, quint8 month, quint8 day, quint8 hour,
                          quint8 minute) override;
    void ShowFlashWrite() override;
    void HideFlashWrite() override;

    TFlashWriteForm& FlashWriteForm() { return *m_flashWrite; }
    TParametersForm& ParametersForm() { return *m_parameters; }
    TDateTimeForm& DateTimeForm() { return *m_dateTime; }

private:
    std::unique_ptr<TFlashWriteForm> m_flashWrite;
    std::unique_ptr<TParametersForm> m_parameters;
    std::unique_ptr<TDateTimeForm> m_dateTime;
};
