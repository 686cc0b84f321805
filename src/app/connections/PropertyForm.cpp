#include "app/connections/PropertyForm.h"

#include "ui_PropertyForm.h"

#include "widgets/PlainText.h"
#include "widgets/WindowPlacement.h"

TPropertyForm::TPropertyForm(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::TPropertyForm>())
{
    PlainText::SetupForm(*m_ui, this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowModality(Qt::ApplicationModal);
    ReloadWindowTexts();
}

TPropertyForm::~TPropertyForm() = default;

void TPropertyForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    setWindowTitle(QString());
    m_ui->portLabel->show();
    m_ui->portValue->show();
    ShowValues({}, {}, {});
}

void TPropertyForm::ShowProperties(const TPrinterProperties& properties)
{
    setWindowTitle(properties.PrinterName);
    const bool network = properties.Address.Medium == TLinkAddress::Kind::Network;
    m_ui->addressLabel->setText(network ? tr("IP Address") : tr("Com Port"));
    m_ui->portLabel->setVisible(network);
    m_ui->portValue->setVisible(network);
    ShowValues(properties.FirmwareVersion, properties.Address.Address,
               network ? QString::number(properties.Address.Port) : QString());
    m_ui->firmwareValue->setFocus(Qt::OtherFocusReason);
    show();
    // Showing a dialog selects the text of the field with the focus, as if the operator had tabbed
    // into it; these values are read, not edited.
    m_ui->firmwareValue->deselect();
}

// Each value is shown whole up to a width of its own; a longer one scrolls in its field.
void TPropertyForm::ShowValues(const QString& firmware, const QString& address, const QString& port)
{
    const std::tuple<QLineEdit*, QLabel*, QString> rows[] = {
        {m_ui->firmwareValue, m_ui->firmwareLabel, firmware},
        {m_ui->addressValue, m_ui->addressLabel, address},
        {m_ui->portValue, m_ui->portLabel, port},
    };
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (const auto& [value, label, text] : rows) {
        value->setText(text);
        value->setCursorPosition(0);
        value->setAccessibleName(label->text());
        const int wanted = value->fontMetrics().horizontalAdvance(text) + 2 * digit;
        value->setMinimumWidth(std::clamp(wanted, 20 * digit, 48 * digit));
    }
    adjustSize();
}

void TPropertyForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    WindowPlacement::CentreOnScreen(*this);
}
