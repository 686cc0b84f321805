#pragma once

#include "coder/CoderEvents.h"
#include "station/StationViews.h"

#include <QList>
#include <QStringList>

#include <functional>

// What tests answer to operator requests: by default what closing the window without an entry
// answers (the printer's text and value, a fixed date); a test may set its own answers, or none.
struct TRecordedAnswers
{
    std::function<std::optional<QString>(const QString&, const QString&, quint8)> TextAnswer;
    std::function<std::optional<qint32>(qint32, qint32, qint32, quint8)> NumericAnswer;
    std::optional<QDate> DateAnswer = QDate(2024, 3, 5);

    std::optional<QString> Text(const QString& prompt, const QString& text, quint8 maxLength) const
    {
        return TextAnswer ? TextAnswer(prompt, text, maxLength) : std::optional<QString>(text);
    }
    std::optional<qint32> Number(qint32 value, qint32 limitA, qint32 limitB, quint8 itemNumber) const
    {
        return NumericAnswer ? NumericAnswer(value, limitA, limitB, itemNumber) : std::optional<qint32>(value);
    }
};

// A printer's reports written down, one line each ("StatusWordChanged 0x0101").
class TRecordingCoderEvents : public TCoderEvents, public TRecordedAnswers
{
public:
    QStringList Calls;
    QStringList CallsStartingWith(const QString& prefix) const;

    void UpdateForm(const TCoder& coder) override;
    void CurrentImagesChanged(const TCoder& coder) override;
    void StatusWordChanged(quint16 statusWord) override;
    void PrintStarted(qint32 printCount) override;
    void PrintStopped() override;
    void PrintCountChanged(const QString& text) override;
    void FreeSpaceChanged(const QString& text) override;
    void ImageListChanged(const QStringList& names) override;
    void ImagePacketAcknowledged(int percent, bool imageComplete) override;
    void NextImageRequested() override;
    void InsufficientMemory() override;
    void TransferFailed() override;
    void GeneratingImage() override;
    void ImageDeleted(quint64 printer, quint8 reportNo) override;
    void ImageItemsReported(const TXLMessage& report) override;
    void ParametersReported(const TXLMessage& parameterData) override;
    void FlashWriteStarted() override;
    void FlashWriteEnded(bool written) override;
    void StatusChanged(const TCoder& coder) override;
    void ConnectAcknowledged(TCoder& coder) override;
    void FaultReported(const TCoder& coder, TPrinterFault fault, const QString& text) override;
    void ClockReported(const TCoder& coder, quint16 year, quint8 month, quint8 day, quint8 hour,
                       quint8 minute) override;
    std::optional<QString> OperatorTextRequest(const TCoder& coder, const QString& prompt, const QString& text,
                                               quint8 maxLength) override;
    std::optional<QDate> OperatorDateRequest(const TCoder& coder) override;
    std::optional<qint32> OperatorNumericRequest(const TCoder& coder, qint32 value, qint32 limitA, qint32 limitB,
                                                 quint8 itemNumber) override;
};

// Every window as the station sees it, each call written down, one line each ("SetCoderStatus
// 0x0101"). A test may hook a call to act while it is on the stack, as a modal box would.
class TRecordingViews : public TMainWindowView,
                        public TConnectionsView,
                        public TPrintWindowView,
                        public TImageTransferView,
                        public TImageDialogsView,
                        public TParametersView,
                        public TOperatorView,
                        public TRecordedAnswers
{
public:
    QStringList Calls;
    QList<TConnectionEntry> Entries; // the list as the connections window shows it
    bool Overwrite = true;           // the answer to the overwrite question
    bool SendUnreadable = false;     // the answer when a barcode does not read back
    QList<TImageItemRow> ItemRows;   // the rows of the last ShowImageItems
    // Runs inside every call, after it was written down, with the call's line.
    std::function<void(const QString&)> OnCall;

    TStationViews Views() { return {*this, *this, *this, *this, *this, *this, *this}; }
    QStringList CallsStartingWith(const QString& prefix) const;

    void UpdateForm(const TCoder& coder) override;
    void SetCurrentImages(const QString& imageA, const QString& imageB) override;
    void SetCoderStatus(quint16 statusWord) override;
    void PrintStarted(qint32 printCount) override;
    void PrintStopped() override;
    void SetPrintCountText(const QString& text) override;
    void SetFreeSpaceText(const QString& text) override;
    void GeneratingImage(const QString& imageA, const QString& imageB) override;
    void ShowDisconnected() override;
    void ClearComPortMenu() override;
    void AddToComPortMenu(const QString& portName, bool checked) override;

    void EntryAdded(const TConnectionEntry& entry) override;
    void EntryChanged(const TConnectionEntry& entry) override;
    void EntryRemoved(quint64 id) override;
    void SetEnabled(bool enabled) override;
    void ShowNoEthernetConnection() override;

    void UpdateImageList(const QStringList& names) override;
    void SetCurrentImages(const QString& imageA, const QString& imageB, quint8 model) override;
    void HidePrintWindow() override;

    void ShowTransferFile(const QString& fileName, const QString& imageName) override;
    void SetTransferProgress(int percent) override;
    bool ConfirmOverwrite(const QString& imageName) override;
    bool ConfirmUnreadableBarcode(int itemNumber, const QString& reason) override;
    void ShowFileRefused(const QString& text) override;
    void HideTransfer() override;
    void ShowBatchAborted(const QString& text) override;
    void CloseTransfer() override;

    void HideImageDelete() override;
    void ShowImagesToDelete(const QStringList& remaining) override;
    void ShowImageItems(const QList<TImageItemRow>& rows, TImageItemsEnd end) override;

    void SetParameters(const TXLMessage& parameterData) override;
    void HideParameters() override;
    void ShowPrinterClock(quint64 printerId, quint16 year, quint8 month, quint8 day, quint8 hour,
                          quint8 minute) override;
    void ShowFlashWrite() override;
    void HideFlashWrite(bool written) override;

    void ShowMessage(const QString& text) override;
    std::optional<QString> OperatorTextRequest(quint64 printer, const QString& prompt, const QString& text,
                                               quint8 maxLength) override;
    std::optional<QDate> OperatorDateRequest(quint64 printer) override;
    std::optional<qint32> OperatorNumericRequest(quint64 printer, qint32 value, qint32 limitA, qint32 limitB,
                                                 quint8 itemNumber) override;
    void CloseOperatorRequests(quint64 printer) override;

private:
    void Record(const QString& line);
};
