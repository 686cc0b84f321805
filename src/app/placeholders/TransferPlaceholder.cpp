#include "app/placeholders/TransferPlaceholder.h"

#include "station/TransferBatch.h"
#include "widgets/MessageBox.h"

bool TImageTransferPlaceholder::ConfirmOverwrite(const QString& imageName)
{
    return TMessageBox::Show(QMessageBox::Critical, tr("IMAGE %1 EXISTS, OVERWRITE?").arg(imageName),
                             QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool TImageTransferPlaceholder::ConfirmUnreadableBarcode(int itemNumber, const QString& reason)
{
    return TMessageBox::Show(QMessageBox::Critical, TTransferBatch::UnreadableBarcodeQuestion(itemNumber, reason),
                             QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void TImageTransferPlaceholder::ShowFileRefused(const QString& text)
{
    TMessageBox::ShowError(text);
}

void TImageTransferPlaceholder::ShowBatchAborted(const QString& text)
{
    TMessageBox::Show(QMessageBox::Critical, text, QMessageBox::Cancel);
}
