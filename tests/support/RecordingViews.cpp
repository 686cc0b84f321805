#include "RecordingViews.h"

#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "comm/XLMessage.h"

namespace {
QString Hex4(quint16 value)
{
    return QStringLiteral("0x%1").arg(value, 4, 16, QLatin1Char('0'));
}

QStringList StartingWith(const QStringList& calls, const QString& prefix)
{
    QStringList found;
    for (const QString& call : calls)
        if (call.startsWith(prefix))
            found.append(call);
    return found;
}

QString Clock(quint16 year, quint8 month, quint8 day, quint8 hour, quint8 minute)
{
    return QStringLiteral("%1-%2-%3 %4:%5").arg(year).arg(month).arg(day).arg(hour).arg(minute);
}
} // namespace

// The printer's reports.

QStringList TRecordingCoderEvents::CallsStartingWith(const QString& prefix) const
{
    return StartingWith(Calls, prefix);
}
void TRecordingCoderEvents::UpdateForm(const TCoder& coder)
{
    Calls << QStringLiteral("UpdateForm %1").arg(coder.PrinterName);
}
void TRecordingCoderEvents::CurrentImagesChanged(const TCoder& coder)
{
    Calls << QStringLiteral("CurrentImagesChanged %1,%2 %3")
                 .arg(coder.CurrentImageA, coder.CurrentImageB)
                 .arg(coder.Model);
}
void TRecordingCoderEvents::StatusWordChanged(quint16 statusWord)
{
    Calls << QStringLiteral("StatusWordChanged %1").arg(Hex4(statusWord));
}
void TRecordingCoderEvents::PrintStarted(qint32 printCount)
{
    Calls << QStringLiteral("PrintStarted %1").arg(printCount);
}
void TRecordingCoderEvents::PrintStopped()
{
    Calls << QStringLiteral("PrintStopped");
}
void TRecordingCoderEvents::PrintCountChanged(const QString& text)
{
    Calls << QStringLiteral("PrintCountChanged %1").arg(text);
}
void TRecordingCoderEvents::FreeSpaceChanged(const QString& text)
{
    Calls << QStringLiteral("FreeSpaceChanged %1").arg(text);
}
void TRecordingCoderEvents::ImageListChanged(const QStringList& names)
{
    Calls << QStringLiteral("ImageListChanged %1").arg(names.join(QLatin1Char(',')));
}
void TRecordingCoderEvents::ImagePacketAcknowledged(int percent, bool imageComplete)
{
    Calls << QStringLiteral("ImagePacketAcknowledged %1%2").arg(percent).arg(imageComplete ? " complete" : "");
}
void TRecordingCoderEvents::NextImageRequested()
{
    Calls << QStringLiteral("NextImageRequested");
}
void TRecordingCoderEvents::InsufficientMemory()
{
    Calls << QStringLiteral("InsufficientMemory");
}
void TRecordingCoderEvents::TransferFailed()
{
    Calls << QStringLiteral("TransferFailed");
}
void TRecordingCoderEvents::GeneratingImage()
{
    Calls << QStringLiteral("GeneratingImage");
}
void TRecordingCoderEvents::ImageDeleted(quint64, quint8 reportNo)
{
    Calls << QStringLiteral("ImageDeleted %1").arg(reportNo);
}
void TRecordingCoderEvents::ImageItemsReported(const TXLMessage& report)
{
    Calls << QStringLiteral("ImageItemsReported %1").arg(report.Size());
}
void TRecordingCoderEvents::ParametersReported(const TXLMessage& parameterData)
{
    Calls << QStringLiteral("ParametersReported %1").arg(parameterData.Size());
}
void TRecordingCoderEvents::FlashWriteStarted()
{
    Calls << QStringLiteral("FlashWriteStarted");
}
void TRecordingCoderEvents::FlashWriteEnded(bool written)
{
    Calls << (written ? QStringLiteral("FlashWriteEnded") : QStringLiteral("FlashWriteEnded failed"));
}
void TRecordingCoderEvents::StatusChanged(const TCoder& coder)
{
    Calls << QStringLiteral("StatusChanged %1").arg(coder.Channel.Name());
}
void TRecordingCoderEvents::ConnectAcknowledged(TCoder& coder)
{
    Calls << QStringLiteral("ConnectAcknowledged %1").arg(coder.Channel.Name());
}
void TRecordingCoderEvents::FaultReported(const TCoder&, TPrinterFault, const QString& text)
{
    Calls << QStringLiteral("FaultReported %1").arg(text);
}
void TRecordingCoderEvents::ClockReported(const TCoder&, quint16 year, quint8 month, quint8 day, quint8 hour,
                                          quint8 minute)
{
    Calls << QStringLiteral("ClockReported ") + Clock(year, month, day, hour, minute);
}
std::optional<QString> TRecordingCoderEvents::OperatorTextRequest(const TCoder&, const QString& prompt,
                                                                  const QString& text, quint8 maxLength)
{
    Calls << QStringLiteral("OperatorTextRequest %1,%2,%3").arg(prompt, text).arg(maxLength);
    return Text(prompt, text, maxLength);
}
std::optional<QDate> TRecordingCoderEvents::OperatorDateRequest(const TCoder&)
{
    Calls << QStringLiteral("OperatorDateRequest");
    return DateAnswer;
}
std::optional<qint32> TRecordingCoderEvents::OperatorNumericRequest(const TCoder&, qint32 value, qint32 limitA,
                                                                    qint32 limitB, quint8 itemNumber)
{
    Calls << QStringLiteral("OperatorNumericRequest %1,%2,%3,%4").arg(value).arg(limitA).arg(limitB).arg(itemNumber);
    return Number(value, limitA, limitB, itemNumber);
}

// The windows.

void TRecordingViews::Record(const QString& line)
{
    Calls << line;
    if (OnCall)
        OnCall(line);
}
QStringList TRecordingViews::CallsStartingWith(const QString& prefix) const
{
    return StartingWith(Calls, prefix);
}
void TRecordingViews::UpdateForm(const TCoder& coder)
{
    Record(QStringLiteral("UpdateForm %1").arg(coder.PrinterName));
}
void TRecordingViews::SetCurrentImages(const QString& imageA, const QString& imageB)
{
    Record(QStringLiteral("SetCurrentImages %1,%2").arg(imageA, imageB));
}
void TRecordingViews::SetCoderStatus(quint16 statusWord)
{
    Record(QStringLiteral("SetCoderStatus %1").arg(Hex4(statusWord)));
}
void TRecordingViews::PrintStarted(qint32 printCount)
{
    Record(QStringLiteral("PrintStarted %1").arg(printCount));
}
void TRecordingViews::PrintStopped()
{
    Record(QStringLiteral("PrintStopped"));
}
void TRecordingViews::SetPrintCountText(const QString& text)
{
    Record(QStringLiteral("SetPrintCountText %1").arg(text));
}
void TRecordingViews::SetFreeSpaceText(const QString& text)
{
    Record(QStringLiteral("SetFreeSpaceText %1").arg(text));
}
void TRecordingViews::GeneratingImage(const QString& imageA, const QString& imageB)
{
    Record(QStringLiteral("GeneratingImage %1,%2").arg(imageA, imageB));
}
void TRecordingViews::ShowDisconnected()
{
    Record(QStringLiteral("ShowDisconnected"));
}
void TRecordingViews::ClearComPortMenu()
{
    Record(QStringLiteral("ClearComPortMenu"));
}
void TRecordingViews::AddToComPortMenu(const QString& portName, bool checked)
{
    Record(QStringLiteral("AddToComPortMenu %1 %2").arg(portName).arg(checked));
}
void TRecordingViews::EntryAdded(const TConnectionEntry& entry)
{
    Entries.append(entry);
    Record(QStringLiteral("EntryAdded %1 %2").arg(entry.Caption).arg(entry.Icon));
}
void TRecordingViews::EntryChanged(const TConnectionEntry& entry)
{
    for (TConnectionEntry& shown : Entries)
        if (shown.Id == entry.Id)
            shown = entry;
    Record(QStringLiteral("EntryChanged %1 %2").arg(entry.Caption).arg(entry.Icon));
}
void TRecordingViews::EntryRemoved(quint64 id)
{
    Entries.removeIf([id](const TConnectionEntry& entry) { return entry.Id == id; });
    Record(QStringLiteral("EntryRemoved"));
}
void TRecordingViews::SetEnabled(bool enabled)
{
    Record(QStringLiteral("SetEnabled %1").arg(enabled));
}
void TRecordingViews::ShowNoEthernetConnection()
{
    Record(QStringLiteral("ShowNoEthernetConnection"));
}
void TRecordingViews::UpdateImageList(const QStringList& names)
{
    Record(QStringLiteral("UpdateImageList %1").arg(names.join(QLatin1Char(','))));
}
void TRecordingViews::SetCurrentImages(const QString& imageA, const QString& imageB, quint8 model)
{
    Record(QStringLiteral("PrintWindowSetCurrentImages %1,%2 %3").arg(imageA, imageB).arg(model));
}
void TRecordingViews::HidePrintWindow()
{
    Record(QStringLiteral("HidePrintWindow"));
}
void TRecordingViews::ShowTransferFile(const QString& fileName, const QString& imageName)
{
    Record(QStringLiteral("ShowTransferFile %1 %2").arg(fileName, imageName));
}
void TRecordingViews::SetTransferProgress(int percent)
{
    Record(QStringLiteral("SetTransferProgress %1").arg(percent));
}
bool TRecordingViews::ConfirmOverwrite(const QString& imageName)
{
    Record(QStringLiteral("ConfirmOverwrite %1").arg(imageName));
    return Overwrite;
}
bool TRecordingViews::ConfirmUnreadableBarcode(int itemNumber, const QString& reason)
{
    Record(QStringLiteral("ConfirmUnreadableBarcode %1 %2").arg(QString::number(itemNumber), reason));
    return SendUnreadable;
}
void TRecordingViews::ShowFileRefused(const QString& text)
{
    Record(QStringLiteral("ShowFileRefused %1").arg(text));
}
void TRecordingViews::HideTransfer()
{
    Record(QStringLiteral("HideTransfer"));
}
void TRecordingViews::ShowBatchAborted(const QString& text)
{
    Record(QStringLiteral("ShowBatchAborted %1").arg(text));
}
void TRecordingViews::CloseTransfer()
{
    Record(QStringLiteral("CloseTransfer"));
}
void TRecordingViews::HideImageDelete()
{
    Record(QStringLiteral("HideImageDelete"));
}
void TRecordingViews::ShowImagesToDelete(const QStringList& remaining)
{
    Record(QStringLiteral("ShowImagesToDelete %1").arg(remaining.join(QLatin1Char(','))));
}
void TRecordingViews::ShowImageItems(const QList<TImageItemRow>& rows, TImageItemsEnd end)
{
    ItemRows = rows;
    Record(QStringLiteral("ShowImageItems %1 rows, end %2").arg(rows.size()).arg(int(end)));
}
void TRecordingViews::SetParameters(const TXLMessage& parameterData)
{
    Record(QStringLiteral("SetParameters %1").arg(parameterData.Size()));
}
void TRecordingViews::HideParameters()
{
    Record(QStringLiteral("HideParameters"));
}
void TRecordingViews::ShowPrinterClock(quint64, quint16 year, quint8 month, quint8 day, quint8 hour,
                                       quint8 minute)
{
    Record(QStringLiteral("ShowPrinterClock ") + Clock(year, month, day, hour, minute));
}
void TRecordingViews::ShowFlashWrite()
{
    Record(QStringLiteral("ShowFlashWrite"));
}
void TRecordingViews::HideFlashWrite(bool written)
{
    Record(written ? QStringLiteral("HideFlashWrite") : QStringLiteral("HideFlashWrite failed"));
}
void TRecordingViews::ShowMessage(const QString& text)
{
    Record(QStringLiteral("ShowMessage %1").arg(text));
}
std::optional<QString> TRecordingViews::OperatorTextRequest(quint64, const QString& prompt, const QString& text,
                                                            quint8 maxLength)
{
    Record(QStringLiteral("OperatorTextRequest %1,%2,%3").arg(prompt, text).arg(maxLength));
    return Text(prompt, text, maxLength);
}
std::optional<QDate> TRecordingViews::OperatorDateRequest(quint64)
{
    Record(QStringLiteral("OperatorDateRequest"));
    return DateAnswer;
}
std::optional<qint32> TRecordingViews::OperatorNumericRequest(quint64, qint32 value, qint32 limitA, qint32 limitB,
                                                              quint8 itemNumber)
{
    Record(QStringLiteral("OperatorNumericRequest %1,%2,%3,%4").arg(value).arg(limitA).arg(limitB).arg(itemNumber));
    return Number(value, limitA, limitB, itemNumber);
}
void TRecordingViews::CloseOperatorRequests(quint64 printer)
{
    Record(QStringLiteral("CloseOperatorRequests %1").arg(printer));
}
