#include "station/Station.h"

#include "coder/Coder.h"
#include "comm/CommChannel.h"

TStation::TStation(const TStationViews& views, const TFontMap& fonts, const TDiscoveryAddress& discovery,
                   QObject* parent)
    : QObject(parent), m_views(views), m_manager(views, *this, discovery, this),
      m_batch(views.Transfer, m_manager, fonts,
              [this]() -> TCoder* {
                  TCommChannel* selected = m_manager.SelectedChannel();
                  return selected ? &TCoder::Of(*selected) : nullptr;
              }),
      m_deletion(m_manager, views.ImageDialogs,
                 [this]() -> quint64 {
                     const TCommChannel* selected = m_manager.SelectedChannel();
                     return selected ? selected->Id() : 0;
                 }),
      m_modifyImage(m_manager)
{
    connect(&m_manager, &TConnectionManager::SelectionChanged, this, &TStation::OnSelectionChanged);
}

TLinkPeerFactory TStation::PrinterFactory()
{
    return TCoder::Factory(*this);
}

// A batch and a deletion belong to the printer they started on: nothing more of them goes to
// another printer. So does the print window: its Start goes to the printer it was opened for. The
// batch ends by its abort rule and tells the operator, which may wait for an answer: it goes last.
void TStation::OnSelectionChanged()
{
    m_deletion.Cancel();
    m_views.Print.HidePrintWindow();
    m_batch.EndEarly();
}

void TStation::StartPrint(const QString& imageA, const QString& imageB)
{
    m_startedImageA = imageA;
    m_startedImageB = imageB;
    auto message = std::make_unique<TXLMessage>(XLSend::StartPrint);
    message->WriteString(imageA);
    message->WriteString(imageB);
    m_manager.SendToSelected(std::move(message));
}

void TStation::Shutdown()
{
    m_batch.EndEarly();
    m_manager.DisconnectAll();
    m_manager.ShutdownChannels();
}

void TStation::StopPrint()
{
    m_manager.SendToSelected(std::make_unique<TXLMessage>(XLSend::StopPrint));
}

void TStation::UpdateForm(const TCoder& coder)
{
    m_views.Main.UpdateForm(coder);
}

void TStation::CurrentImagesChanged(const TCoder& coder)
{
    m_views.Main.SetCurrentImages(coder.CurrentImageA, coder.CurrentImageB);
    m_views.Print.SetCurrentImages(coder.CurrentImageA, coder.CurrentImageB, coder.Model);
}

void TStation::StatusWordChanged(quint16 statusWord)
{
    m_views.Main.SetCoderStatus(statusWord);
}

void TStation::PrintStarted(qint32 printCount)
{
    m_views.Main.PrintStarted(printCount);
}

void TStation::PrintStopped()
{
    m_views.Main.PrintStopped();
}

void TStation::PrintCountChanged(const QString& text)
{
    m_views.Main.SetPrintCountText(text);
}

void TStation::FreeSpaceChanged(const QString& text)
{
    m_views.Main.SetFreeSpaceText(text);
}

void TStation::ImageListChanged(const QStringList& names)
{
    m_views.Print.UpdateImageList(names);
}

void TStation::ImagePacketAcknowledged(int percent, bool imageComplete)
{
    m_views.Transfer.SetTransferProgress(percent);
    if (imageComplete)
        m_batch.ImageSent();
}

void TStation::NextImageRequested()
{
    m_batch.TransferNextImage();
}

void TStation::InsufficientMemory()
{
    m_batch.Abort(TTransferBatch::InsufficientMemoryText());
}

void TStation::TransferFailed()
{
    m_batch.Abort(TTransferBatch::TransferFailedText());
}

void TStation::GeneratingImage()
{
    m_views.Main.GeneratingImage(m_startedImageA, m_startedImageB);
}

void TStation::ImageDeleted(quint64 printer, quint8 reportNo)
{
    m_deletion.DeletionReported(printer, reportNo);
}

void TStation::ImageItemsReported(const TXLMessage& report)
{
    const TImageItems* items = m_modifyImage.ItemsReported(report);
    if (!items)
        return;
    // Copies: the window may wait for the operator while the next report replaces the items.
    const QList<TImageItemRow> rows = items->Rows;
    m_views.ImageDialogs.ShowImageItems(rows, items->End);
}

void TStation::ParametersReported(const TXLMessage& parameterData)
{
    m_views.Parameters.SetParameters(parameterData);
}

void TStation::FlashWriteStarted()
{
    m_views.Parameters.ShowFlashWrite();
}

void TStation::FlashWriteEnded(bool written)
{
    m_views.Parameters.HideFlashWrite(written);
}

void TStation::StatusChanged(const TCoder& coder)
{
    m_manager.UpdateChannelIcon(coder.Channel);
}

void TStation::ConnectAcknowledged(TCoder& coder)
{
    m_manager.ConnectAcknowledged(coder.Channel);
}

void TStation::FaultReported(const QString& text)
{
    m_views.Operator.ShowMessage(text);
}

void TStation::ClockReported(const TCoder& coder, quint16 year, quint8 month, quint8 day, quint8 hour,
                             quint8 minute)
{
    m_views.Parameters.ShowPrinterClock(coder.Channel.Id(), year, month, day, hour, minute);
}

std::optional<QString> TStation::OperatorTextRequest(quint64 printer, const QString& prompt,
                                                     const QString& text, quint8 maxLength)
{
    return m_views.Operator.OperatorTextRequest(printer, prompt, text, maxLength);
}

std::optional<QDate> TStation::OperatorDateRequest(quint64 printer)
{
    return m_views.Operator.OperatorDateRequest(printer);
}

std::optional<qint32> TStation::OperatorNumericRequest(quint64 printer, qint32 value, qint32 limitA,
                                                       qint32 limitB, quint8 itemNumber)
{
    return m_views.Operator.OperatorNumericRequest(printer, value, limitA, limitB, itemNumber);
}
