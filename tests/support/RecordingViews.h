#pragma once

#include "coder/StationViews.h"

#include <QStringList>

#include <functional>

// Station views that write down every call, one line each ("SetCoderStatus 0x0101"), and answer
// operator requests at once with what the test set (by default as closing the window would).
class TRecordingViews : public TNullStationViews
{
public:
    QStringList Calls;
    // Called for every operator request; returns the answer. Defaults: as closing the window.
    std::function<std::optional<QString>(const QString&, const QString&, quint8)> TextAnswer;
    std::function<std::optional<qint32>(qint32, qint32, qint32, quint8)> NumericAnswer;
    std::optional<QDate> DateAnswer = QDate(2024, 3, 5);

    // Calls whose line starts with the prefix.
    QStringList CallsStartingWith(const QString& prefix) const;

    void UpdateForm(const TCoder& coder) override;
    void SetCurrentImages(const QString& imageA, const QString& imageB) override;
    void SetCoderStatus(quint16 statusWord) override;
    void PrintStarted(qint32 printCount) override;
    void PrintStopped() override;
    void SetPrintCountText(const QString& text) override;
    void SetFreeSpaceText(const QString& text) override;
    void GeneratingImage() override;
    void ImageSent() override;
    void TransferNextImage() override;
    void InsufficientMemory() override;
    void TransferFailed() override;
    void ShowDisconnected() override;
    void ClearComPortMenu() override;
    void AddToComPortMenu(const QString& portName, bool checked) override;
    void UpdateImageList(const QStringList& names) override;
    void PrintWindowSetCurrentImages(const QString& imageA, const QString& imageB, quint8 model) override;
    void HidePrintWindow() override;
    void SetTransferProgress(int percent) override;
    void HideImageTransfer() override;
    void DeletionReported(quint8 reportNo) override;
    void HideImageDelete() override;
    void ShowImageItems(const TXLMessage& report) override;
    void SetParameters(const TXLMessage& parameterData) override;
    void HideParameters() override;
    void ShowPrinterClock(quint16 year, quint8 month, quint8 day, quint8 hour, quint8 minute) override;
    void ShowFlashWrite() override;
    void HideFlashWrite() override;
    void ShowMessage(const QString& text) override;
    std::optional<QString> OperatorTextRequest(const QString& prompt, const QString& text,
                                               quint8 maxLength) override;
    std::optional<QDate> OperatorDateRequest() override;
    std::optional<qint32> OperatorNumericRequest(qint32 value, qint32 limitA, qint32 limitB,
                                                 quint8 itemNumber) override;
    void CloseOperatorRequests() override;
    void UpdateChannelIcons() override;
    void ConnectAcknowledged(TCommChannel& channel) override;
    void PrinterDisconnected(TCommChannel& channel) override;
    void RefreshListView() override;
    void SetConnectionManagerEnabled(bool enabled) override;
    void ShowConnectionEntries(const QList<TConnectionEntry>& entries) override;
    void ShowNoEthernetConnection() override;

    QList<TConnectionEntry> Entries; // as last shown
};
