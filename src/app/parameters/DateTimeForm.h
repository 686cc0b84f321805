#pragma once

#include "parameters/PrinterClock.h"

#include <QDialog>

#include <memory>

class TMessageSink;
namespace Ui {
class TDateTimeForm;
}

// The printer clock dialog: the date and time a printer reported, in pickers the operator changes;
// "OK" sets what changed on the selected printer, "Use PC time" takes the PC's clock.
class TDateTimeForm : public QDialog
{
    Q_OBJECT

public:
    explicit TDateTimeForm(QWidget* parent = nullptr);
    ~TDateTimeForm() override;

    // Where the date and time go: the selected printer.
    void Attach(TMessageSink& sink);
    void ReloadWindowTexts();

    // ClockInfo from a connected printer: the pickers take what exists of it and the dialog shows;
    // a date or time that does not exist is reported in a box.
    void ShowPrinterClock(quint16 year, quint8 month, quint8 day, quint8 hour, quint8 minute);

signals:
    // "OK" set the printer's clock (or nothing, when nothing differed).
    void ClockWritten(const std::optional<TClockChange>& change);

private:
    void OKButtonClick();
    void UsePcTimeClick();

    std::unique_ptr<Ui::TDateTimeForm> m_ui;
    TPrinterClock m_clock;
    TMessageSink* m_sink = nullptr;
};
