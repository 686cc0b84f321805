#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

class TCoder;
class TXLMessage;

// The faults a printer reports by message; the message window shows each.
enum class TPrinterFault
{
    PrintCycleTimeout,
    PositioningError,
    MemoryWriteError,
    RibbonFault,
    ReportTooLarge, // a report beyond what a printer can hold, refused
};

// What a printer's state reports to the station above it. Most reports concern only the printer the
// station shows, and the coder makes them only while it is selected; the station passes each on to
// the window or the work in progress it belongs to.
//
// Any report may wait for the operator (a nested event loop); operator requests always do. A request
// returns the operator's answer, or nothing when the window was closed without one (no reply is sent).
class TCoderEvents
{
public:
    virtual ~TCoderEvents() = default;

    // The selected printer's state.
    virtual void UpdateForm(const TCoder& coder) = 0;
    virtual void CurrentImagesChanged(const TCoder& coder) = 0;
    virtual void StatusWordChanged(quint16 statusWord) = 0;
    virtual void PrintStarted(qint32 printCount) = 0;
    virtual void PrintStopped() = 0;
    virtual void PrintCountChanged(const QString& text) = 0;
    virtual void FreeSpaceChanged(const QString& text) = 0;
    virtual void ImageListChanged(const QStringList& names) = 0;

    // The selected printer's answers to the station's work in progress.
    virtual void ImagePacketAcknowledged(int percent, bool imageComplete) = 0;
    virtual void NextImageRequested() = 0;
    virtual void InsufficientMemory() = 0;
    virtual void TransferFailed() = 0;
    virtual void GeneratingImage() = 0;
    virtual void ImageDeleted(quint64 printer, quint8 reportNo) = 0;
    virtual void ImageItemsReported(const TXLMessage& report) = 0;
    virtual void ParametersReported(const TXLMessage& parameterData) = 0;
    virtual void FlashWriteStarted() = 0;
    // The printer has written its memory to flash, or reported that it could not (written false).
    virtual void FlashWriteEnded(bool written) = 0;

    // Any printer, which is given; faults, clock reports and operator requests only from a
    // connected one.
    virtual void StatusChanged(const TCoder& coder) = 0;
    // Asked before a connect acknowledgement is taken: a printer that is not the one the station
    // expects at the link (another printer now answers at a lost printer's address) is not taken,
    // and the coder keeps what it knew.
    virtual bool TakesConnection(const TCoder& coder, quint8 model, const QString& printerName)
    {
        static_cast<void>(coder);
        static_cast<void>(model);
        static_cast<void>(printerName);
        return true;
    }
    virtual void ConnectAcknowledged(TCoder& coder) = 0;
    // Any message from the printer has been handled: what the station shows of it may have changed.
    virtual void MessageHandled(const TCoder& coder) { static_cast<void>(coder); }
    virtual void FaultReported(const TCoder& coder, TPrinterFault fault, const QString& text) = 0;
    virtual void ClockReported(const TCoder& coder, quint16 year, quint8 month, quint8 day, quint8 hour,
                               quint8 minute) = 0;
    virtual std::optional<QString> OperatorTextRequest(const TCoder& coder, const QString& prompt,
                                                       const QString& text, quint8 maxLength) = 0;
    virtual std::optional<QDate> OperatorDateRequest(const TCoder& coder) = 0;
    virtual std::optional<qint32> OperatorNumericRequest(const TCoder& coder, qint32 value, qint32 limitA,
                                                         qint32 limitB, quint8 itemNumber) = 0;
};
