#include "RecordingViews.h"

#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "comm/XLMessage.h"

namespace {
QString Hex4(quint16 value)
{
    return QStringLiteral("0x%1").arg(value, 4, 16, QLatin1Char('0'));
}
} // namespace

QStringList TRecordingViews::CallsStartingWith(const QString& prefix) const
{
    QStringList found;
    for (const QString& call : Calls)
        if (call.startsWith(prefix))
            found.append(call);
    return found;
}

void TRecordingViews::UpdateForm(const TCoder& coder)
{
    Calls << QStringLiteral("UpdateForm %1").arg(coder.PrinterName);
}
void TRecordingViews::SetCurrentImages(const QString& imageA, const QString& imageB)
{
    Calls << QStringLiteral("SetCurrentImages %1,%2").arg(imageA, imageB);
}
void TRecordingViews::SetCoderStatus(quint16 statusWord)
{
    Calls << QStringLiteral("SetCoderStatus %1").arg(Hex4(statusWord));
}
void TRecordingViews::PrintStarted(qint32 printCount)
{
    Calls << QStringLiteral("PrintStarted %1").arg(printCount);
}
void TRecordingViews::PrintStopped()
{
    Calls << QStringLiteral("PrintStopped");
}
void TRecordingViews::SetPrintCountText(const QString& text)
{
    Calls << QStringLiteral("SetPrintCountText %1").arg(text);
}
void TRecordingViews::SetFreeSpaceText(const QString& text)
{
    Calls << QStringLiteral("SetFreeSpaceText %1").arg(text);
}
void TRecordingViews::GeneratingImage()
{
    Calls << QStringLiteral("GeneratingImage");
}
void TRecordingViews::ImageSent()
{
    Calls << QStringLiteral("ImageSent");
}
void TRecordingViews::TransferNextImage()
{
    Calls << QStringLiteral("TransferNextImage");
}
void TRecordingViews::InsufficientMemory()
{
    Calls << QStringLiteral("InsufficientMemory");
}
void TRecordingViews::TransferFailed()
{
    Calls << QStringLiteral("TransferFailed");
}
void TRecordingViews::ShowDisconnected()
{
    Calls << QStringLiteral("ShowDisconnected");
}
void TRecordingViews::ClearComPortMenu()
{
    Calls << QStringLiteral("ClearComPortMenu");
}
void TRecordingViews::AddToComPortMenu(const QString& portName, bool checked)
{
    Calls << QStringLiteral("AddToComPortMenu %1 %2").arg(portName).arg(checked);
}
void TRecordingViews::UpdateImageList(const QStringList& names)
{
    Calls << QStringLiteral("UpdateImageList %1").arg(names.join(QLatin1Char(',')));
}
void TRecordingViews::PrintWindowSetCurrentImages(const QString& imageA, const QString& imageB, quint8 model)
{
    Calls << QStringLiteral("PrintWindowSetCurrentImages %1,%2 %3").arg(imageA, imageB).arg(model);
}
void TRecordingViews::HidePrintWindow()
{
    Calls << QStringLiteral("HidePrintWindow");
}
void TRecordingViews::SetTransferProgress(int percent)
{
    Calls << QStringLiteral("SetTransferProgress %1").arg(percent);
}
void TRecordingViews::HideImageTransfer()
{
    Calls << QStringLiteral("HideImageTransfer");
}
void TRecordingViews::DeletionReported(quint8 reportNo)
{
    Calls << QStringLiteral("DeletionReported %1").arg(reportNo);
}
void TRecordingViews::HideImageDelete()
{
    Calls << QStringLiteral("HideImageDelete");
}
void TRecordingViews::ShowImageItems(const TXLMessage& report)
{
    Calls << QStringLiteral("ShowImageItems %1").arg(report.Size());
}
void TRecordingViews::SetParameters(const TXLMessage& parameterData)
{
    Calls << QStringLiteral("SetParameters %1").arg(parameterData.Size());
}
void TRecordingViews::HideParameters()
{
    Calls << QStringLiteral("HideParameters");
}
void TRecordingViews::ShowPrinterClock(quint16 year, quint8 month, quint8 day, quint8 hour, quint8 minute)
{
    Calls << QStringLiteral("ShowPrinterClock %1-%2-%3 %4:%5")
                 .arg(year)
                 .arg(month)
                 .arg(day)
                 .arg(hour)
                 .arg(minute);
}
void TRecordingViews::ShowFlashWrite()
{
    Calls << QStringLiteral("ShowFlashWrite");
}
void TRecordingViews::HideFlashWrite()
{
    Calls << QStringLiteral("HideFlashWrite");
}
void TRecordingViews::ShowMessage(const QString& text)
{
    Calls << QStringLiteral("ShowMessage %1").arg(text);
}
std::optional<QString> TRecordingViews::OperatorTextRequest(const QString& prompt, const QString& text,
                                                            quint8 maxLength)
{
    Calls << QStringLiteral("OperatorTextRequest %1,%2,%3").arg(prompt, text).arg(maxLength);
    return TextAnswer ? TextAnswer(prompt, text, maxLength)
                      : TNullStationViews::OperatorTextRequest(prompt, text, maxLength);
}
std::optional<QDate> TRecordingViews::OperatorDateRequest()
{
    Calls << QStringLiteral("OperatorDateRequest");
    return DateAnswer;
}
std::optional<qint32> TRecordingViews::OperatorNumericRequest(qint32 value, qint32 limitA, qint32 limitB,
                                                              quint8 itemNumber)
{
    Calls << QStringLiteral("OperatorNumericRequest %1,%2,%3,%4")
                 .arg(value)
                 .arg(limitA)
                 .arg(limitB)
                 .arg(itemNumber);
    return NumericAnswer ? NumericAnswer(value, limitA, limitB, itemNumber) : value;
}
void TRecordingViews::CloseOperatorRequests()
{
    Calls << QStringLiteral("CloseOperatorRequests");
}
void TRecordingViews::UpdateChannelIcons()
{
    Calls << QStringLiteral("UpdateChannelIcons");
}
void TRecordingViews::ConnectAcknowledged(TCommChannel& channel)
{
    Calls << QStringLiteral("ConnectAcknowledged %1").arg(channel.Name());
}
void TRecordingViews::PrinterDisconnected(TCommChannel& channel)
{
    Calls << QStringLiteral("PrinterDisconnected %1").arg(channel.Name());
}
void TRecordingViews::RefreshListView()
{
    Calls << QStringLiteral("RefreshListView");
}
void TRecordingViews::SetConnectionManagerEnabled(bool enabled)
{
    Calls << QStringLiteral("SetConnectionManagerEnabled %1").arg(enabled);
}
void TRecordingViews::ShowConnectionEntries(const QList<TConnectionEntry>& entries)
{
    Entries = entries;
    Calls << QStringLiteral("ShowConnectionEntries %1").arg(entries.size());
}
void TRecordingViews::ShowNoEthernetConnection()
{
    Calls << QStringLiteral("ShowNoEthernetConnection");
}
