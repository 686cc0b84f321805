#pragma once

#include "app/StationWindow.h"
#include "station/views/ImageTransferView.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TImageDownloadForm;
}

// "Image transfer": the file of a batch being sent to the selected printer, its image's name and
// how much of it the printer has acknowledged, with the questions and boxes of the batch. The batch
// itself is the station's; the window shows what it is told. While it shows, the "Connections"
// window is disabled: the selected printer must not change under a transfer.
class TImageDownloadForm : public QDialog, public TImageTransferView, public TStationWindow
{
    Q_OBJECT

public:
    explicit TImageDownloadForm(QWidget* parent = nullptr);
    ~TImageDownloadForm() override;

    void Attach(TStation& station) override;
    void ReloadWindowTexts() override;

    void ShowTransferFile(const QString& fileName, const QString& imageName) override;
    void SetTransferProgress(int percent) override;
    bool ConfirmOverwrite(const QString& imageName) override;
    bool ConfirmUnreadableBarcode(int itemNumber, const QString& reason) override;
    void ShowFileRefused(const QString& text) override;
    void HideTransfer() override;
    void ShowBatchAborted(const QString& text) override;
    void CloseTransfer() override;

    // "Cancel", the Escape key and the title bar's close button hide the window; the image goes
    // on to the printer, and the batch with the next file when the printer asks for it.
    void reject() override;

signals:
    // While "Cancel" keeps the window hidden: the file being sent and how far it has got, so that
    // the main window can show it. A percent of -1: the window shows again or the batch is over.
    void HiddenProgressChanged(const QString& fileName, int percent);

private:
    void ShowWindow();
    void HideWindow();
    void EndHiddenProgress();
    // A box goes over this window while it shows, else over the main window.
    QWidget* BoxParent();

    std::unique_ptr<Ui::TImageDownloadForm> m_ui;
    TStation* m_station = nullptr;
    bool m_hiddenByCancel = false;
};
