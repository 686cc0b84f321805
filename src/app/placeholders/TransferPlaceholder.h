#pragma once

#include "app/StationWindow.h"
#include "station/views/ImageTransferView.h"

#include <QCoreApplication>

// Stands for the image transfer window until it is built: no window, but the questions and boxes
// of a batch are put to the operator.
class TImageTransferPlaceholder : public TImageTransferView, public TStationWindow
{
    Q_DECLARE_TR_FUNCTIONS(TImageTransferPlaceholder)

public:
    void ReloadWindowTexts() override {}

    void ShowTransferFile(const QString&, const QString&) override {}
    void SetTransferProgress(int) override {}
    bool ConfirmOverwrite(const QString& imageName) override;
    bool ConfirmUnreadableBarcode(int itemNumber, const QString& reason) override;
    void ShowFileRefused(const QString& text) override;
    void HideTransfer() override {}
    void ShowBatchAborted(const QString& text) override;
    void CloseTransfer() override {}
};
