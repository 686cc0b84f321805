#include "app/parameters/DateTimeForm.h"

#include "ui_DateTimeForm.h"

#include "station/ConnectionManager.h"
#include "station/PrinterSink.h"
#include "widgets/DateFormat.h"
#include "widgets/MessageBox.h"
#include "widgets/PlainText.h"

TDateTimeForm::TDateTimeForm(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::TDateTimeForm>())
{
    PlainText::SetupForm(*m_ui, this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_ui->dateEdit->setDisplayFormat(DateFormat::ShortWithFullYear());
    connect(m_ui->okButton, &QPushButton::clicked, this, &TDateTimeForm::OKButtonClick);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->pcTimeButton, &QPushButton::clicked, this, &TDateTimeForm::UsePcTimeClick);
}

TDateTimeForm::~TDateTimeForm() = default;

void TDateTimeForm::Attach(TConnectionManager& manager)
{
    m_manager = &manager;
    connect(&manager, &TConnectionManager::SelectionChanged, this, &TDateTimeForm::PrinterChanged);
}

void TDateTimeForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    m_ui->dateEdit->setDisplayFormat(DateFormat::ShortWithFullYear());
}

void TDateTimeForm::ExpectClockOf(quint64 printerId)
{
    m_askedOf = printerId;
}

// A date that does not exist keeps both pickers as they are; a time that does not exist, the time
// picker. A picker whose value differs from the last report's is the operator's.
void TDateTimeForm::ShowPrinterClock(quint64 printerId, quint16 year, quint8 month, quint8 day, quint8 hour,
                                     quint8 minute)
{
    if (m_askedOf != printerId)
        return;
    if (!isVisible()) {
        m_reportedDate = m_ui->dateEdit->date();
        m_reportedTime = m_ui->timeEdit->time();
    }
    const bool dateKept = m_ui->dateEdit->date() != m_reportedDate;
    const bool timeKept = m_ui->timeEdit->time() != m_reportedTime;
    m_clock.SetReported(year, month, day, hour, minute);
    const std::optional<QDate> date = m_clock.ReportedDate();
    const std::optional<QTime> time = m_clock.ReportedTime();
    if (date && !dateKept) {
        m_ui->dateEdit->setDate(*date);
        m_reportedDate = *date;
    }
    if (date && time && !timeKept) {
        m_ui->timeEdit->setTime(*time);
        m_reportedTime = *time;
    }
    show();
    raise();
    activateWindow();
    if (const QString error = m_clock.ReportError(); !error.isEmpty())
        TMessageBox::ShowError(error, this);
}

void TDateTimeForm::OKButtonClick()
{
    if (m_manager && m_askedOf) {
        TPrinterSink printer(*m_manager, *m_askedOf);
        emit ClockWritten(*m_askedOf, m_clock.SendChanges(m_ui->dateEdit->date(), m_ui->timeEdit->time(), printer));
    }
    accept();
}

void TDateTimeForm::UsePcTimeClick()
{
    const QDateTime now = TPrinterClock::PcTime();
    m_ui->dateEdit->setDate(now.date());
    m_ui->timeEdit->setTime(QTime(now.time().hour(), now.time().minute()));
}

// The clock shown belongs to a printer that is no longer the selected one.
void TDateTimeForm::PrinterChanged()
{
    m_askedOf.reset();
    if (isVisible())
        reject();
}

// However the dialog closes, a later clock report opens it only when asked for again.
void TDateTimeForm::done(int result)
{
    m_askedOf.reset();
    QDialog::done(result);
}
