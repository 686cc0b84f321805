#pragma once

#include "platform/StationClock.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class TCoder;
class TCommChannel;
class TXLMessage;

// One entry of the connection list: a printer link, its caption and its icon (0-3 by the printer's
// status bits when connected, 4 when not).
struct TConnectionEntry
{
    TCommChannel* Channel = nullptr;
    QString Caption;
    int Icon = 4;

    bool operator==(const TConnectionEntry&) const = default;
};

// Everything the printer links, the printers' state and the connection manager tell the windows:
// the one way from the station's logic to what the operator sees. The window program implements it
// with its windows, the command-line tool with console output, the tests with a recorder.
//
// Operator requests are calls that return when the operator has answered; an empty result means the
// window was closed without an answer, and no reply is sent.
class TStationViews
{
public:
    virtual ~TStationViews() = default;

    // Main window.
    virtual void UpdateForm(const TCoder& coder) = 0;
    virtual void SetCurrentImages(const QString& imageA, const QString& imageB) = 0;
    virtual void SetCoderStatus(quint16 statusWord) = 0;
    virtual void PrintStarted(qint32 printCount) = 0;
    virtual void PrintStopped() = 0;
    virtual void SetPrintCountText(const QString& text) = 0;
    virtual void SetFreeSpaceText(const QString& text) = 0;
    virtual void GeneratingImage() = 0;
    // The printer acknowledged the last packet of an image: the transfer batch may go on.
    virtual void ImageSent() = 0;
    virtual void TransferNextImage() = 0;
    virtual void InsufficientMemory() = 0;
    virtual void TransferFailed() = 0;
    virtual void ShowDisconnected() = 0;
    virtual void ClearComPortMenu() = 0;
    virtual void AddToComPortMenu(const QString& portName, bool checked) = 0;

    // Print window.
    virtual void UpdateImageList(const QStringList& names) = 0;
    virtual void PrintWindowSetCurrentImages(const QString& imageA, const QString& imageB, quint8 model) = 0;
    virtual void HidePrintWindow() = 0;

    // Image transfer window, image delete dialog, image modify window.
    virtual void SetTransferProgress(int percent) = 0;
    virtual void HideImageTransfer() = 0;
    virtual void DeletionReported(quint8 reportNo) = 0;
    virtual void HideImageDelete() = 0;
    virtual void ShowImageItems(const TXLMessage& report) = 0;

    // Parameters window, printer clock dialog, flash write notice.
    virtual void SetParameters(const TXLMessage& parameterData) = 0;
    virtual void HideParameters() = 0;
    virtual void ShowPrinterClock(quint16 year, quint8 month, quint8 day, quint8 hour, quint8 minute) = 0;
    virtual void ShowFlashWrite() = 0;
    virtual void HideFlashWrite() = 0;

    // Message window and operator requests.
    virtual void ShowMessage(const QString& text) = 0;
    virtual std::optional<QString> OperatorTextRequest(const QString& prompt, const QString& text,
                                                       quint8 maxLength) = 0;
    virtual std::optional<QDate> OperatorDateRequest() = 0;
    virtual std::optional<qint32> OperatorNumericRequest(qint32 value, qint32 limitA, qint32 limitB,
                                                         quint8 itemNumber) = 0;
    // Closes the open operator request windows; their waits end without an answer.
    virtual void CloseOperatorRequests() = 0;

    // Connection manager.
    virtual void UpdateChannelIcons() = 0;
    virtual void ConnectAcknowledged(TCommChannel& channel) = 0;
    virtual void PrinterDisconnected(TCommChannel& channel) = 0;
    virtual void RefreshListView() = 0;
    virtual void SetConnectionManagerEnabled(bool enabled) = 0;
    // The connection list as it now stands, to be shown whole.
    virtual void ShowConnectionEntries(const QList<TConnectionEntry>& entries) = 0;
    virtual void ShowNoEthernetConnection() = 0;
};

// Views that show nothing and answer every operator request as closing its window at once answers
// it: the text and the value the printer sent, today's date. A base for views that care about a few
// operations only.
class TNullStationViews : public TStationViews
{
public:
    void UpdateForm(const TCoder&) override {}
    void SetCurrentImages(const QString&, const QString&) override {}
    void SetCoderStatus(quint16) override {}
    void PrintStarted(qint32) override {}
    void PrintStopped() override {}
    void SetPrintCountText(const QString&) override {}
    void SetFreeSpaceText(const QString&) override {}
    void GeneratingImage() override {}
    void ImageSent() override {}
    void TransferNextImage() override {}
    void InsufficientMemory() override {}
    void TransferFailed() override {}
    void ShowDisconnected() override {}
    void ClearComPortMenu() override {}
    void AddToComPortMenu(const QString&, bool) override {}
    void UpdateImageList(const QStringList&) override {}
    void PrintWindowSetCurrentImages(const QString&, const QString&, quint8) override {}
    void HidePrintWindow() override {}
    void SetTransferProgress(int) override {}
    void HideImageTransfer() override {}
    void DeletionReported(quint8) override {}
    void HideImageDelete() override {}
    void ShowImageItems(const TXLMessage&) override {}
    void SetParameters(const TXLMessage&) override {}
    void HideParameters() override {}
    void ShowPrinterClock(quint16, quint8, quint8, quint8, quint8) override {}
    void ShowFlashWrite() override {}
    void HideFlashWrite() override {}
    void ShowMessage(const QString&) override {}
    std::optional<QString> OperatorTextRequest(const QString&, const QString& text, quint8) override
    {
        return text;
    }
    std::optional<QDate> OperatorDateRequest() override { return StationClock::Now().date(); }
    std::optional<qint32> OperatorNumericRequest(qint32 value, qint32, qint32, quint8) override
    {
        return value;
    }
    void CloseOperatorRequests() override {}
    void UpdateChannelIcons() override {}
    void ConnectAcknowledged(TCommChannel&) override {}
    void PrinterDisconnected(TCommChannel&) override {}
    void RefreshListView() override {}
    void SetConnectionManagerEnabled(bool) override {}
    void ShowConnectionEntries(const QList<TConnectionEntry>&) override {}
    void ShowNoEthernetConnection() override {}
};
