#pragma once

#include "app/StationWindow.h"
#include "app/operator/OperatorRequestForm.h"

#include <memory>
#include <optional>

namespace Ui {
class TOpreqTextForm;
}

// The printer asks for a text: its prompt, the text it holds and the longest text it takes. "Save"
// answers with the text entered. Closing the window otherwise answers with the text as it stood when
// the window last became active; at first that is the printer's own text.
class TOpreqTextForm : public TOperatorRequestForm, public TStationWindow
{
    Q_OBJECT

public:
    explicit TOpreqTextForm(QWidget* parent = nullptr);
    ~TOpreqTextForm() override;

    void ReloadWindowTexts() override;

    // A maximum length of 0 sets no limit. Nothing when the request was withdrawn.
    std::optional<QString> Ask(const QString& prompt, const QString& text, quint8 maxLength);

protected:
    bool event(QEvent* event) override;

private:
    void SaveClick();

    std::unique_ptr<Ui::TOpreqTextForm> m_ui;
    QString m_replyText;
};
