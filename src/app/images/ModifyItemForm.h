#pragma once

#include <QDialog>

#include <memory>
#include <optional>

struct TItemEdit;
namespace Ui {
class TModifyItemForm;
}

// "Modify Item": the image, number and type of one item, and its value to edit. It has no title-bar
// buttons; "OK" and "Cancel" end it. The printer decides whether it takes the value.
class TModifyItemForm : public QDialog
{
    Q_OBJECT

public:
    explicit TModifyItemForm(QWidget* parent = nullptr);
    ~TModifyItemForm() override;

    void ReloadWindowTexts();

    // Shows the item modally, centred on the screen; the value in the field on "OK", none on
    // "Cancel" or when the dialog was closed from outside.
    std::optional<QString> Edit(const TItemEdit& edit);

    // "OK": a value with a character no message can carry is not taken; the operator is told why.
    void accept() override;

private:
    std::unique_ptr<Ui::TModifyItemForm> m_ui;
};
