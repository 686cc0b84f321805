#pragma once

#include "app/StationWindow.h"
#include "app/operator/OperatorRequestForm.h"

#include <QDate>

#include <memory>
#include <optional>

namespace Ui {
class TOperatorDateForm;
}

// The printer asks for a date: today's is offered, with a calendar to pick another. However the
// window closes, the answer is the date in the field.
class TOperatorDateForm : public TOperatorRequestForm, public TStationWindow
{
    Q_OBJECT

public:
    explicit TOperatorDateForm(QWidget* parent = nullptr);
    ~TOperatorDateForm() override;

    void ReloadWindowTexts() override;

    // Nothing when the request was withdrawn.
    std::optional<QDate> Ask();

private:
    std::unique_ptr<Ui::TOperatorDateForm> m_ui;
};
