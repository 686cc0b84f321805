#pragma once

#include "parameters/PrinterClock.h"

#include <QDialog>

#include <memory>
#include <optional>

class TConnectionManager;
namespace Ui {
class TDateTimeForm;
}

// The printer clock dialog: the date and time a printer reported, in pickers the operator changes;
// "OK" sets what changed on that printer, "Use PC time" takes the PC's clock. It opens only for the
// clock of the printer it was asked of, and closes without sending when another printer becomes the
// selected one.
class TDateTimeForm : public QDialog
{
    Q_OBJECT

public:
    explicit TDateTimeForm(QWidget* parent = nullptr);
    ~TDateTimeForm() override;

    void Attach(TConnectionManager& manager);
    void ReloadWindowTexts();

    // The printer of that channel id was asked for its clock: its report opens the dialog.
    void ExpectClockOf(quint64 printerId);
    // ClockInfo from a connected printer. From the printer asked, the pickers take what exists of
    // it and the dialog shows; a date or time that does not exist is reported in a box. While the
    // dialog shows, a picker the operator has changed keeps its value.
    void ShowPrinterClock(quint64 printerId, quint16 year, quint8 month, quint8 day, quint8 hour,
                          quint8 minute);

public slots:
    // However the dialog closes.
    void done(int result) override;

signals:
    // "OK" set the clock of the printer (a channel's id), or nothing when nothing differed.
    void ClockWritten(quint64 printerId, const std::optional<TClockChange>& change);

private:
    void OKButtonClick();
    void UsePcTimeClick();
    void PrinterChanged();

    std::unique_ptr<Ui::TDateTimeForm> m_ui;
    TPrinterClock m_clock;
    TConnectionManager* m_manager = nullptr;
    std::optional<quint64> m_askedOf;
    // What the pickers were last given from a report, to tell the operator's changes.
    QDate m_reportedDate;
    QTime m_reportedTime;
};
