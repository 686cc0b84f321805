#include "app/parameters/FlashWriteForm.h"

#include "ui_FlashWriteForm.h"

#include "widgets/PlainText.h"

TFlashWriteForm::TFlashWriteForm(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TFlashWriteForm>())
{
    PlainText::SetupForm(*m_ui, this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    // A notice: the window the operator works in keeps the keyboard.
    setAttribute(Qt::WA_ShowWithoutActivating);
    connect(&m_notice, &TFlashWriteNotice::ShownChanged, this, &QWidget::setVisible);
}

TFlashWriteForm::~TFlashWriteForm() = default;

void TFlashWriteForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
}

void TFlashWriteForm::FlashWriteStarted()
{
    m_notice.FlashWriteStarted();
}

void TFlashWriteForm::FlashWriteEnded()
{
    m_notice.FlashWriteEnded();
}
