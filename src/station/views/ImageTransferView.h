#pragma once

#include <QString>

// The image transfer window and its boxes as the station's transfer batch sees them.
class TImageTransferView
{
public:
    virtual ~TImageTransferView() = default;

    // A file starts or its image name is known: the name without folder, in lower case, and the
    // image name (empty until read). Shows the window with its progress at 0.
    virtual void ShowTransferFile(const QString& fileName, const QString& imageName) = 0;
    virtual void SetTransferProgress(int percent) = 0;
    // "IMAGE name EXISTS, OVERWRITE?" with "OK" and "Cancel": true to go on.
    virtual bool ConfirmOverwrite(const QString& imageName) = 0;
    // "BARCODE OF ITEM n DOES NOT READ BACK (reason). TRANSFER ANYWAY?" with "OK" and "Cancel"
    // (TTransferBatch::UnreadableBarcodeQuestion gives the text): true to send the file all the same.
    virtual bool ConfirmUnreadableBarcode(int itemNumber, const QString& reason) = 0;
    // A file the station refuses, with "OK": the station's message saying why.
    virtual void ShowFileRefused(const QString& text) = 0;
    // The file was passed over: the window hides until the next file starts.
    virtual void HideTransfer() = 0;
    // The printer ended the batch, with a single "Cancel" button.
    virtual void ShowBatchAborted(const QString& text) = 0;
    // The batch has ended or was aborted: the window closes.
    virtual void CloseTransfer() = 0;
};
