#include "app/operator/OperatorRequestForm.h"

TOperatorRequestForm::TOperatorRequestForm(QWidget* parent) : QDialog(parent)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void TOperatorRequestForm::Withdraw()
{
    if (!isVisible())
        return; // answered already
    m_withdrawn = true;
    reject();
}

bool TOperatorRequestForm::WaitForAnswer()
{
    m_asking = true;
    m_withdrawn = false;
    exec();
    m_asking = false;
    return !m_withdrawn;
}
