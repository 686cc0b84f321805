#include "app/parameters/DateTimeForm.h"

#include "ui_DateTimeForm.h"

#include "comm/MessageSink.h"
#include "widgets/DateFormat.h"
#include "widgets/MessageBox.h"

TDateTimeForm::TDateTimeForm(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::TDateTimeForm>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_ui->dateEdit->setDisplayFormat(DateFormat::ShortWithFullYear());
    connect(m_ui->okButton, &QPushButton::clicked, this, &TDateTimeForm::OKButtonClick);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->pcTimeButton, &QPushButton::clicked, this, &TDateTimeForm::UsePcTimeClick);
}

TDateTimeForm::~TDateTimeForm() = default;

void TDateTimeForm::Attach(TMessageSink& sink)
{
    m_sink = &sink;
}

void TDateTimeForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    m_ui->dateEdit->setDisplayFormat(DateFormat::ShortWithFullYear());
}

void TDateTimeForm::ShowPrinterClock(quint16 year, quint8 month, quint8 day, quint8 hour, quint8 minute)
{
    m_clock.SetReported(year, month, day, hour, minute);
    if (const std::optional<QDate> date = m_clock.ReportedDate())
        m_ui->dateEdit->setDate(*date);
    if (const std::optional<QTime> time = m_clock.ReportedTime())
        m_ui->timeEdit->setTime(*time);
    show();
    raise();
    activateWindow();
    if (const QString error = m_clock.ReportError(); !error.isEmpty())
        TMessageBox::ShowError(error, this);
}

void TDateTimeForm::OKButtonClick()
{
    if (m_sink)
        emit ClockWritten(m_clock.SendChanges(m_ui->dateEdit->date(), m_ui->timeEdit->time(), *m_sink));
    accept();
}

void TDateTimeForm::UsePcTimeClick()
{
    const QDateTime now = TPrinterClock::PcTime();
    m_ui->dateEdit->setDate(now.date());
    m_ui->timeEdit->setTime(QTime(now.time().hour(), now.time().minute()));
}
