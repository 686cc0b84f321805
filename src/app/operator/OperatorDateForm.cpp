#include "app/operator/OperatorDateForm.h"

#include "ui_OperatorDateForm.h"

#include "platform/StationClock.h"

#include <QLocale>
#include <QRegularExpression>

namespace {
// The short date format of the language in use, with the year in full: the reply carries the
// whole year, and a two-digit year would leave its century to guesswork.
QString ShortDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(shortYear, QStringLiteral("yyyy"));
    return format;
}
} // namespace

TOperatorDateForm::TOperatorDateForm(QWidget* parent)
    : TOperatorRequestForm(parent), m_ui(std::make_unique<Ui::TOperatorDateForm>())
{
    m_ui->setupUi(this);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &QDialog::accept);
    ReloadWindowTexts();
}

TOperatorDateForm::~TOperatorDateForm() = default;

void TOperatorDateForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    m_ui->dateField->setDisplayFormat(ShortDateFormat());
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
