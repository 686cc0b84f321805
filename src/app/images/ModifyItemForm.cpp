#include "app/images/ModifyItemForm.h"

#include "ui_ModifyItemForm.h"

#include "images/CoderImageItem.h"
#include "station/ImageMessages.h"
#include "station/ModifyImage.h"
#include "widgets/MessageBox.h"
#include "widgets/PlainText.h"
#include "widgets/WindowPlacement.h"

TModifyItemForm::TModifyItemForm(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TModifyItemForm>())
{
    PlainText::SetupForm(*m_ui, this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // The fields that only show are drawn on the window's background, the value field stands out.
    for (QLineEdit* shown : {m_ui->imageNameValue, m_ui->itemNumberValue, m_ui->itemTypeValue}) {
        QPalette palette = shown->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        shown->setPalette(palette);
    }
    connect(m_ui->okButton, &QPushButton::clicked, this, &TModifyItemForm::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &TModifyItemForm::reject);
}

TModifyItemForm::~TModifyItemForm() = default;

void TModifyItemForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
}

std::optional<QString> TModifyItemForm::Edit(const TItemEdit& edit)
{
    m_ui->imageNameValue->setText(edit.ImageName);
    m_ui->itemNumberValue->setText(edit.ItemNumber);
    m_ui->itemTypeValue->setText(ShownTypeName(edit.ItemType));
    m_ui->valueEdit->setText(edit.InitialValue);
    m_ui->valueEdit->selectAll();
    m_ui->valueEdit->setFocus();
    WindowPlacement::CentreOnScreen(*this);
    if (exec() != Accepted)
        return std::nullopt;
    return m_ui->valueEdit->text();
}

void TModifyItemForm::accept()
{
    if (const std::optional<char32_t> c = TXLMessage::FirstNonWireCharacter(m_ui->valueEdit->text())) {
        const QString shown =
            QChar::isPrint(*c)
                ? QString::fromUcs4(&*c, 1)
                : QStringLiteral("U+") + QString::number(*c, 16).toUpper().rightJustified(4, u'0');
        TMessageBox::ShowError(tr("The printer cannot take the character \"%1\" in a value.").arg(shown),
                               this);
        // The dialog may have been closed meanwhile: the printer went away.
        if (isVisible())
            m_ui->valueEdit->setFocus();
        return;
    }
    if (isVisible())
        QDialog::accept();
}
