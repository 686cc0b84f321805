#pragma once

#include "station/ConnectionManager.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TPropertyForm;
}

// A printer's properties: its firmware version and where it is reached (the COM port, or the
// network address and TCP port). Modal, of a size of its own, centred on the screen, captioned with
// the printer's name.
class TPropertyForm : public QDialog
{
    Q_OBJECT

public:
    explicit TPropertyForm(QWidget* parent = nullptr);
    ~TPropertyForm() override;

    // Back to the design state in the language now loaded.
    void ReloadWindowTexts();
    // Shows the properties and returns at once; finished() tells when the operator has closed it.
    void ShowProperties(const TPrinterProperties& properties);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowValues(const QString& firmware, const QString& address, const QString& port);

    std::unique_ptr<Ui::TPropertyForm> m_ui;
};
