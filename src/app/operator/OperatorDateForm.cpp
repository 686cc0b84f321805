#include "app/operator/OperatorDateForm.h"

#include "ui_OperatorDateForm.h"

#include "platform/StationClock.h"
#include "widgets/DateFormat.h"
#include "widgets/PlainText.h"

TOperatorDateForm::TOperatorDateForm(QWidget* parent)
    : TOperatorRequestForm(parent), m_ui(std::make_unique<Ui::TOperatorDateForm>())
{
    PlainText::SetupForm(*m_ui, this);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &QDialog::accept);
    ReloadWindowTexts();
}

TOperatorDateForm::~TOperatorDateForm() = default;

void TOperatorDateForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    m_ui->dateField->setDisplayFormat(DateFormat::ShortWithFullYear());
    m_ui->dateField->setAccessibleName(tr("Date"));
}

std::optional<QDate> TOperatorDateForm::Ask()
{
    m_ui->dateField->setDate(StationClock::Now().date());
    m_ui->dateField->setFocus();
    if (!WaitForAnswer())
        return std::nullopt;
    return m_ui->dateField->date();
}
