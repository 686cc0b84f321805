#include "app/operator/OperatorNumericForm.h"

#include "ui_OperatorNumericForm.h"

#include "widgets/MessageBox.h"
#include "widgets/PlainText.h"
#include "widgets/SystemBeep.h"

#include <QRegularExpressionValidator>

TOperatorNumericForm::TOperatorNumericForm(QWidget* parent)
    : TOperatorRequestForm(parent), m_ui(std::make_unique<Ui::TOperatorNumericForm>())
{
    PlainText::SetupForm(*m_ui, this);
    m_ui->valueField->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{1,%1}").arg(TNumericRequest::EntryDigits)),
        m_ui->valueField));
    connect(m_ui->saveButton, &QPushButton::clicked, this, &TOperatorNumericForm::SaveClick);
    ReloadWindowTexts();
}

TOperatorNumericForm::~TOperatorNumericForm() = default;

void TOperatorNumericForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    ShowCaption();
}

std::optional<qint32> TOperatorNumericForm::Ask(const TNumericRequest& request)
{
    m_request = request;
    ShowCaption();
    m_ui->minimumBox->setText(QString::number(request.Minimum()));
    m_ui->maximumBox->setText(QString::number(request.Maximum()));
    m_ui->valueField->setText(QString::number(request.Value()));
    m_ui->valueField->selectAll();
    m_ui->valueField->setFocus();
    if (!WaitForAnswer())
        return std::nullopt;
    return m_request.Value();
}

void TOperatorNumericForm::ShowCaption()
{
    setWindowTitle(tr("Numeric item #%1").arg(m_request.ItemNumber()));
}

void TOperatorNumericForm::SaveClick()
{
    const QString entry = m_ui->valueField->text();
    switch (m_request.Save(entry)) {
    case TNumericRequest::TSaveResult::Accepted:
        accept();
        break;
    case TNumericRequest::TSaveResult::OutOfRange:
        SystemBeep::Sound();
        break;
    case TNumericRequest::TSaveResult::NotANumber:
        TMessageBox::ShowError(TNumericRequest::NotANumberText(entry), this);
        break;
    }
}
