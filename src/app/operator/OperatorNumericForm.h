#pragma once

#include "app/StationWindow.h"
#include "app/operator/OperatorRequestForm.h"
#include "station/NumericRequest.h"

#include <memory>
#include <optional>

namespace Ui {
class TOperatorNumericForm;
}

// The printer asks for a number between two limits for one of its items. "Save" takes an entry the
// limits allow and closes the window; one they do not allow gets a beep, one that is not a number an
// error box, and the window stays. However it closes, the answer is the value last accepted, at
// first the printer's own.
class TOperatorNumericForm : public TOperatorRequestForm, public TStationWindow
{
    Q_OBJECT

public:
    explicit TOperatorNumericForm(QWidget* parent = nullptr);
    ~TOperatorNumericForm() override;

    void ReloadWindowTexts() override;

    // Nothing when the request was withdrawn.
    std::optional<qint32> Ask(const TNumericRequest& request);

private:
    void ShowCaption();
    void SaveClick();

    std::unique_ptr<Ui::TOperatorNumericForm> m_ui;
    TNumericRequest m_request;
};
