#pragma once

#include "comm/XLMessage.h"
#include "parameters/PrinterClock.h"
#include "station/StationViews.h"

#include <QJsonObject>
#include <QObject>

#include <functional>
#include <optional>

class THistoryStore;

// The answers a script gives to the printer's operator requests instead of the windows' defaults.
struct TOperatorAnswers
{
    std::optional<QString> Text;
    std::optional<qint32> Number;
    std::optional<QDate> Date;
};

// How an operator request was answered: a line for the operator, and the same as data.
struct TOperatorAnswerReport
{
    QString Text;
    QJsonObject Data;
    bool Refused = false; // the script's answer was not taken: the printer got the window's default
};

// The station's views on a console: printer faults, refused files and operator requests go to
// standard error (unless a monitor reports them itself), a transfer's progress is drawn as a bar
// there when it is a terminal, and every report from the printer is announced and kept, so that the
// command waiting for it can go on.
//
// Operator requests are answered as closing their window without an entry answers them (with the
// printer's own text or value, or today's date), or with the script's answers where it gives them
// and the window would take them; each answer is reported.
class TConsoleViews : public QObject,
                      public TMainWindowView,
                      public TConnectionsView,
                      public TPrintWindowView,
                      public TImageTransferView,
                      public TImageDialogsView,
                      public TParametersView,
                      public TOperatorView
{
    Q_OBJECT

public:
    explicit TConsoleViews(bool progressBar);

    TStationViews Views() { return {*this, *this, *this, *this, *this, *this, *this}; }

    // How a transfer treats images the printer holds already, and what it passed over.
    bool Overwrite = false;
    int Skipped = 0;

    TOperatorAnswers Answers;
    // Operator requests whose script answer the window would have refused.
    int RefusedAnswers = 0;
    // Off while a monitor shows the messages and answers as its own lines.
    bool ReportOnStandardError = true;
    // Where every station of this run records its events; none for commands without a printer.
    THistoryStore* History = nullptr;
    // Where the lines for the operator go (a journal); standard error when none.
    std::function<void(const QString&)> Output;

    // What the printer has reported so far.
    bool ImageListReceived = false;
    bool PrintStartedReported = false;
    bool PrintStoppedReported = false;
    bool FlashWriteDone = false;
    bool FlashWriteFailed = false; // the printer reported that it could not write its flash
    bool StatusReported = false;
    QString TransferFailure;
    std::optional<TXLMessage> ParameterData;
    std::optional<TPrinterClock> PrinterClock;
    std::optional<QList<TImageItemRow>> ItemRows;
    TImageItemsEnd ItemsEnd = TImageItemsEnd::Complete;

    // Main window.
    void UpdateForm(const TCoder&) override { emit Changed(); }
    void SetCurrentImages(const QString&, const QString&) override { emit Changed(); }
    void SetCoderStatus(quint16 statusWord) override;
    void PrintStarted(qint32 printCount) override;
    void PrintStopped() override;
    void SetPrintCountText(const QString&) override { emit Changed(); }
    void SetFreeSpaceText(const QString&) override { emit Changed(); }
    void GeneratingImage(const QString&, const QString&) override {}
    void ShowDisconnected() override { emit Changed(); }
    void ClearComPortMenu() override {}
    void AddToComPortMenu(const QString&, bool) override {}

    // Connections window.
    void EntryAdded(const TConnectionEntry&) override { emit Changed(); }
    void EntryChanged(const TConnectionEntry&) override { emit Changed(); }
    void EntryRemoved(quint64) override { emit Changed(); }
    void SetEnabled(bool) override {}
    void ShowNoEthernetConnection() override;

    // Print window.
    void UpdateImageList(const QStringList& names) override;
    void SetCurrentImages(const QString&, const QString&, quint8) override {}
    void HidePrintWindow() override {}

    // Image transfer.
    void ShowTransferFile(const QString& fileName, const QString& imageName) override;
    void SetTransferProgress(int percent) override;
    bool ConfirmOverwrite(const QString& imageName) override;
    // vexctl checks barcodes only when told to (send --verify), and then refuses such a file.
    bool ConfirmUnreadableBarcode(int itemNumber, const QString& reason) override;
    void ShowFileRefused(const QString& text) override;
    void HideTransfer() override {}
    void ShowBatchAborted(const QString& text) override;
    void CloseTransfer() override { emit Changed(); }

    // Image dialogs.
    void HideImageDelete() override {}
    void ShowImagesToDelete(const QStringList&) override {}
    void ShowImageItems(const QList<TImageItemRow>& rows, TImageItemsEnd end) override;

    // Parameters, clock, flash write.
    void SetParameters(const TXLMessage& parameterData) override;
    void HideParameters() override {}
    void ShowPrinterClock(quint64 printerId, quint16 year, quint8 month, quint8 day, quint8 hour,
                          quint8 minute) override;
    void ShowFlashWrite() override;
    void HideFlashWrite(bool written) override;

    // Message window and operator requests.
    void ShowMessage(const QString& text) override;
    // One printer at a time: the request is always of the printer the command works with.
    std::optional<QString> OperatorTextRequest(quint64 printer, const QString& prompt, const QString& text,
                                               quint8 maxLength) override;
    std::optional<QDate> OperatorDateRequest(quint64 printer) override;
    std::optional<qint32> OperatorNumericRequest(quint64 printer, qint32 value, qint32 limitA, qint32 limitB,
                                                 quint8 itemNumber) override;
    void CloseOperatorRequests(quint64) override {}

signals:
    // Something was reported; a command waiting for a report checks whether it has come.
    void Changed();
    // What a monitor shows as it happens.
    void MessageShown(const QString& text);
    void FlashWriteShown(bool started);
    void OperatorRequestAnswered(const TOperatorAnswerReport& report);

private:
    void Say(const QString& line);
    void Report(const TOperatorAnswerReport& report);

    bool m_progressBar;
    int m_lastPercent = -1;
    QString m_fileName;
};
