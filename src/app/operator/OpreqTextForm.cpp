#include "app/operator/OpreqTextForm.h"

#include "ui_OpreqTextForm.h"

#include "widgets/PlainText.h"
#include "widgets/WireTextValidator.h"

#include <algorithm>

namespace {
// A line edit's own limit, which stands for none.
constexpr int NoLimit = 32767;
} // namespace

TOpreqTextForm::TOpreqTextForm(QWidget* parent)
    : TOperatorRequestForm(parent), m_ui(std::make_unique<Ui::TOpreqTextForm>())
{
    PlainText::SetupForm(*m_ui, this);
    // The prompt reads as text on the window, not as a field.
    QPalette palette = m_ui->promptField->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    m_ui->promptField->setPalette(palette);
    m_ui->textField->setValidator(new TWireTextValidator(m_ui->textField));
    connect(m_ui->saveButton, &QPushButton::clicked, this, &TOpreqTextForm::SaveClick);
    ReloadWindowTexts();
}

TOpreqTextForm::~TOpreqTextForm() = default;

void TOpreqTextForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    m_ui->promptField->setAccessibleName(tr("Prompt"));
    m_ui->textField->setAccessibleName(tr("Text"));
}

std::optional<QString> TOpreqTextForm::Ask(const QString& prompt, const QString& text, quint8 maxLength)
{
    m_ui->promptField->setText(prompt);
    m_ui->promptField->setCursorPosition(0);
    if (!prompt.isEmpty())
        m_ui->textField->setAccessibleName(prompt);
    // A field cuts its text to its maximum length: the printer's own text, should it be longer than
    // the length the printer gives, stays whole, and the field then takes as many characters as it has.
    const int limit = maxLength == 0 ? NoLimit : maxLength;
    m_ui->textField->setMaxLength(std::max(limit, int(text.size())));
    m_ui->textField->setText(text);
    m_ui->textField->setFocus();
    m_replyText = text;
    if (!WaitForAnswer())
        return std::nullopt;
    return m_replyText;
}

bool TOpreqTextForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        m_replyText = m_ui->textField->text();
    return TOperatorRequestForm::event(event);
}

void TOpreqTextForm::SaveClick()
{
    m_replyText = m_ui->textField->text();
    accept();
}
