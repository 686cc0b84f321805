#include "app/images/ImageDownloadForm.h"

#include "ui_ImageDownloadForm.h"

#include "station/Station.h"
#include "station/TransferBatch.h"
#include "widgets/MessageBox.h"
#include "widgets/PlainText.h"

TImageDownloadForm::TImageDownloadForm(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TImageDownloadForm>())
{
    PlainText::SetupForm(*m_ui, this);
    // The one action of the window; the fields are read-only.
    m_ui->cancelButton->setFocus();
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &TImageDownloadForm::reject);
}

TImageDownloadForm::~TImageDownloadForm() = default;

void TImageDownloadForm::Attach(TStation& station)
{
    m_station = &station;
}

// The texts in the language now loaded. The fields and the bar keep their values: they describe the
// file being sent, which a language change does not stop.
void TImageDownloadForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
}

// Called as a file starts, with no image name yet, and again once the name is read.
void TImageDownloadForm::ShowTransferFile(const QString& fileName, const QString& imageName)
{
    m_ui->fileNameEdit->setText(fileName);
    m_ui->imageEdit->setText(imageName);
    m_ui->progressBar->setValue(0);
    ShowWindow();
}

void TImageDownloadForm::SetTransferProgress(int percent)
{
    m_ui->progressBar->setValue(percent);
    if (m_hiddenByCancel)
        emit HiddenProgressChanged(m_ui->fileNameEdit->text(), m_ui->progressBar->value());
}

bool TImageDownloadForm::ConfirmOverwrite(const QString& imageName)
{
    return TMessageBox::Show(QMessageBox::Critical, tr("IMAGE %1 EXISTS, OVERWRITE?").arg(imageName),
                             QMessageBox::Ok | QMessageBox::Cancel, BoxParent()) == QMessageBox::Ok;
}

bool TImageDownloadForm::ConfirmUnreadableBarcode(int itemNumber, const QString& reason)
{
    return TMessageBox::Show(QMessageBox::Critical, TTransferBatch::UnreadableBarcodeQuestion(itemNumber, reason),
                             QMessageBox::Ok | QMessageBox::Cancel, BoxParent()) == QMessageBox::Ok;
}

void TImageDownloadForm::ShowFileRefused(const QString& text)
{
    TMessageBox::ShowError(text, BoxParent());
}

void TImageDownloadForm::HideTransfer()
{
    HideWindow();
}

void TImageDownloadForm::ShowBatchAborted(const QString& text)
{
    TMessageBox::Show(QMessageBox::Critical, text, QMessageBox::Cancel, BoxParent());
}

void TImageDownloadForm::CloseTransfer()
{
    HideWindow();
}

void TImageDownloadForm::reject()
{
    if (!isVisible())
        return;
    HideWindow();
    m_hiddenByCancel = true;
    emit HiddenProgressChanged(m_ui->fileNameEdit->text(), m_ui->progressBar->value());
}

void TImageDownloadForm::ShowWindow()
{
    EndHiddenProgress();
    if (isVisible())
        return;
    show();
    if (m_station)
        m_station->Manager().SetEnabled(false);
}

void TImageDownloadForm::HideWindow()
{
    EndHiddenProgress();
    if (!isVisible())
        return;
    hide();
    if (m_station)
        m_station->Manager().SetEnabled(true);
}

void TImageDownloadForm::EndHiddenProgress()
{
    if (!m_hiddenByCancel)
        return;
    m_hiddenByCancel = false;
    emit HiddenProgressChanged(QString(), -1);
}

QWidget* TImageDownloadForm::BoxParent()
{
    return isVisible() ? this : parentWidget();
}
