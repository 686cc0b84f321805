#include "app/parameters/ParametersWindows.h"

#include "app/parameters/DateTimeForm.h"
#include "app/parameters/FlashWriteForm.h"
#include "app/parameters/ParametersForm.h"
#include "station/Station.h"

TParametersWindows::TParametersWindows(QWidget* mainWindow)
    : m_flashWrite(std::make_unique<TFlashWriteForm>()),
      m_parameters(std::make_unique<TParametersForm>(mainWindow)),
      m_dateTime(std::make_unique<TDateTimeForm>(m_parameters.get()))
{
    QObject::connect(m_parameters.get(), &TParametersForm::ClockRequested, m_dateTime.get(),
                     &TDateTimeForm::ExpectClockOf);
}

// The clock dialog, a child of the editor, goes first.
TParametersWindows::~TParametersWindows() = default;

void TParametersWindows::Attach(TStation& station)
{
    m_parameters->Attach(station.Manager());
    m_dateTime->Attach(station.Manager());
    QObject::connect(m_parameters.get(), &TParametersForm::ParametersWritten, &station,
                     &TStation::RecordParameterWrites);
    QObject::connect(m_dateTime.get(), &TDateTimeForm::ClockWritten, &station, &TStation::RecordClockSet);
}

void TParametersWindows::ReloadWindowTexts()
{
    m_flashWrite->ReloadWindowTexts();
    m_parameters->ReloadWindowTexts();
    m_dateTime->ReloadWindowTexts();
}

void TParametersWindows::SetParameters(const TXLMessage& parameterData)
{
    m_parameters->SetParameters(parameterData);
}

void TParametersWindows::HideParameters()
{
    m_parameters->HideParameters();
}

void TParametersWindows::ShowPrinterClock(quint64 printerId, quint16 year, quint8 month, quint8 day,
                                          quint8 hour, quint8 minute)
{
    m_dateTime->ShowPrinterClock(printerId, year, month, day, hour, minute);
}

void TParametersWindows::ShowFlashWrite()
{
    m_flashWrite->FlashWriteStarted();
}

// A flash write that failed is told in the message window, with the printer's fault.
void TParametersWindows::HideFlashWrite(bool)
{
    m_flashWrite->FlashWriteEnded();
}
