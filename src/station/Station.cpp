#include "station/Station.h"

#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "parameters/ParameterEditor.h"
#include "parameters/PrinterClock.h"
#include "station/ImageMessages.h"
#include "station/PrinterSink.h"
#include "station/Reconnection.h"

#include <QJsonArray>

namespace {
using Kind = TStationEventKind;

QJsonObject RequestValues(const char* request, QJsonObject values = {})
{
    values.insert(QStringLiteral("request"), QLatin1String(request));
    return values;
}

QJsonObject AnswerValues(const char* request, const std::optional<QJsonValue>& answer)
{
    QJsonObject values = RequestValues(request, {{QStringLiteral("answered"), answer.has_value()}});
    if (answer)
        values.insert(QStringLiteral("answer"), *answer);
    return values;
}
} // namespace

TStation::TStation(const TStationViews& views, const TFontMap& fonts, const TDiscoveryAddress& discovery,
                   QObject* parent)
    : QObject(parent), m_views(views), m_events([this] { return SelectedPrinter(); }),
      m_manager(views, *this, discovery, this), m_recorder(m_events, m_manager), m_line(m_manager),
      m_batch(views.Transfer, m_manager, fonts, [this] { return SelectedPrinter(); }),
      m_deletion(m_manager, views.ImageDialogs,
                 [this]() -> quint64 {
                     const TCoder* selected = SelectedPrinter();
                     return selected ? selected->Channel.Id() : 0;
                 }),
      m_modifyImage(m_manager)
{
    connect(&m_manager, &TConnectionManager::SelectionChanged, this, &TStation::OnSelectionChanged);
    // A clock to be set goes with its printer.
    connect(&m_manager, &TConnectionManager::Disconnecting, this,
            [this](TCommChannel& channel, TDisconnectCause) { m_clockSyncs.remove(channel.Id()); });
    m_batch.SetEvents(&m_events);
    m_deletion.SetEvents(&m_events);
    m_modifyImage.SetEvents(&m_events);
}

TCoder* TStation::SelectedPrinter() const
{
    TCommChannel* selected = m_manager.SelectedChannel();
    return selected ? &TCoder::Of(*selected) : nullptr;
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
    m_itemsAskedFor.clear();
    m_deletion.Cancel();
    m_views.Print.HidePrintWindow();
    m_batch.EndEarly();
}

namespace {
std::unique_ptr<TXLMessage> StartPrintMessage(const QString& imageA, const QString& imageB)
{
    auto message = std::make_unique<TXLMessage>(XLSend::StartPrint);
    message->WriteString(imageA);
    message->WriteString(imageB);
    return message;
}
} // namespace

void TStation::StartPrint(const QString& imageA, const QString& imageB)
{
    m_startedImageA = imageA;
    m_startedImageB = imageB;
    m_manager.SendToSelected(StartPrintMessage(imageA, imageB));
}

void TStation::StartPrint(quint64 printerId, const QString& imageA, const QString& imageB)
{
    const TCoder* printer = ConnectedPrinter(printerId);
    if (!printer)
        return;
    // The main window shows the images started on the printer it shows.
    if (printer->Selected) {
        m_startedImageA = imageA;
        m_startedImageB = imageB;
    }
    TPrinterSink(m_manager, printerId).SendToSelected(StartPrintMessage(imageA, imageB));
}

void TStation::StopPrint(quint64 printerId)
{
    TPrinterSink(m_manager, printerId).SendToSelected(std::make_unique<TXLMessage>(XLSend::StopPrint));
}

void TStation::SyncClock(quint64 printerId)
{
    if (!ConnectedPrinter(printerId))
        return;
    m_clockSyncs.insert(printerId);
    TPrinterSink(m_manager, printerId).SendToSelected(std::make_unique<TXLMessage>(XLSend::RequestClock));
}

bool TStation::Transfer(quint64 printerId, const QStringList& files)
{
    if (!ConnectedPrinter(printerId) || m_batch.IsRunning())
        return false;
    m_manager.SelectPrinter(printerId);
    const TCoder* selected = SelectedPrinter();
    return selected && selected->Channel.Id() == printerId && m_batch.Start(files);
}

void TStation::Shutdown()
{
    m_batch.EndEarly();
    m_manager.DisconnectAll();
    m_manager.ShutdownChannels();
}

void TStation::RequestImageItems(const QString& image)
{
    if (!m_manager.SelectedChannel())
        return;
    m_itemsAskedFor.append(image);
    m_manager.SendToSelected(ImageMessages::RequestImageItems(image));
}

void TStation::StopPrint()
{
    m_manager.SendToSelected(std::make_unique<TXLMessage>(XLSend::StopPrint));
}

const TCoder* TStation::ConnectedPrinter(quint64 printerId) const
{
    for (TCommChannel* channel : m_manager.ConnectedList())
        if (channel->Id() == printerId)
            return &TCoder::Of(*channel);
    return nullptr;
}

void TStation::RecordParameterWrites(quint64 printerId, const QList<TSettingChange>& changes)
{
    const TCoder* printer = ConnectedPrinter(printerId);
    for (const TSettingChange& change : printer ? changes : QList<TSettingChange>())
        m_events.Emit(Kind::ParameterWritten, *printer,
                      {{QStringLiteral("setting"), change.Setting},
                       {QStringLiteral("old"), change.Old},
                       {QStringLiteral("new"), change.New}});
}

void TStation::RecordClockSet(quint64 printerId, const std::optional<TClockChange>& change)
{
    if (const TCoder* printer = ConnectedPrinter(printerId); printer && change)
        m_events.Emit(Kind::ClockSet, *printer, {{QStringLiteral("old"), change->Old}, {QStringLiteral("new"), change->New}});
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
    // The printer answers requests in order; a report about another image than the oldest asked
    // for is the modify image window's.
    if (!m_itemsAskedFor.isEmpty()) {
        const QString image = m_itemsAskedFor.first();
        TImageItems items = ImageItemsReport::Read(report, image);
        if (items.End != TImageItemsEnd::OtherImage) {
            m_itemsAskedFor.removeFirst();
            emit ImageItemsRead(image, items.Rows, items.End);
            return;
        }
    }
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
    m_events.EmitForSelected(Kind::FlashWriteStarted);
    m_views.Parameters.ShowFlashWrite();
}

void TStation::FlashWriteEnded(bool written)
{
    m_events.EmitForSelected(Kind::FlashWriteEnded, {{QStringLiteral("written"), written}});
    m_views.Parameters.HideFlashWrite(written);
}

void TStation::StatusChanged(const TCoder& coder)
{
    m_recorder.StatusChanged(coder);
    m_manager.UpdateChannelIcon(coder.Channel);
}

bool TStation::TakesConnection(const TCoder& coder, quint8 model, const QString& printerName)
{
    return m_manager.Reconnection().TakesConnection(coder.Channel, model, printerName);
}

void TStation::ConnectAcknowledged(TCoder& coder)
{
    m_manager.ConnectAcknowledged(coder.Channel);
    if (m_manager.ConnectedList().contains(&coder.Channel))
        m_recorder.Connected(coder);
    m_line.Update(coder.Channel.Id());
}

void TStation::MessageHandled(const TCoder& coder)
{
    m_line.Update(coder.Channel.Id());
}

void TStation::FaultReported(const TCoder& coder, TPrinterFault fault, const QString& text)
{
    m_recorder.FaultRaised(coder, fault, text);
    m_line.FaultReported(coder.Channel.Id(), text);
    m_views.Operator.ShowMessage(text);
}

void TStation::ClockReported(const TCoder& coder, quint16 year, quint8 month, quint8 day, quint8 hour,
                             quint8 minute)
{
    const quint64 printerId = coder.Channel.Id();
    if (!m_clockSyncs.remove(printerId))
        return m_views.Parameters.ShowPrinterClock(printerId, year, month, day, hour, minute);
    TPrinterClock clock;
    clock.SetReported(year, month, day, hour, minute);
    const QDateTime now = TPrinterClock::PcTime();
    TPrinterSink sink(m_manager, printerId);
    RecordClockSet(printerId, clock.SendChanges(now.date(), now.time(), sink));
}

// The request is open while the view waits for its answer, in which other printers go on talking.
template <typename Answer, typename Ask> Answer TStation::OperatorRequest(const TCoder& coder, Ask ask)
{
    const quint64 printerId = coder.Channel.Id();
    ++m_openRequests[printerId];
    const Answer answer = ask(printerId);
    if (--m_openRequests[printerId] <= 0)
        m_openRequests.remove(printerId);
    return answer;
}

std::optional<QString> TStation::OperatorTextRequest(const TCoder& coder, const QString& prompt, const QString& text,
                                                     quint8 maxLength)
{
    m_events.Emit(Kind::OperatorRequest, coder,
                  RequestValues("text", {{QStringLiteral("prompt"), TStationEvent::Bounded(prompt)},
                                         {QStringLiteral("text"), TStationEvent::Bounded(text)},
                                         {QStringLiteral("maxLength"), maxLength}}));
    const auto answer = OperatorRequest<std::optional<QString>>(coder, [&](quint64 printerId) {
        return m_views.Operator.OperatorTextRequest(printerId, prompt, text, maxLength);
    });
    m_events.Emit(Kind::OperatorAnswer, coder,
                  AnswerValues("text", answer ? std::optional<QJsonValue>(TStationEvent::Bounded(*answer))
                                              : std::nullopt));
    return answer;
}

std::optional<QDate> TStation::OperatorDateRequest(const TCoder& coder)
{
    m_events.Emit(Kind::OperatorRequest, coder, RequestValues("date"));
    const auto answer = OperatorRequest<std::optional<QDate>>(
        coder, [this](quint64 printerId) { return m_views.Operator.OperatorDateRequest(printerId); });
    m_events.Emit(Kind::OperatorAnswer, coder,
                  AnswerValues("date", answer ? std::optional<QJsonValue>(answer->toString(Qt::ISODate))
                                              : std::nullopt));
    return answer;
}

std::optional<qint32> TStation::OperatorNumericRequest(const TCoder& coder, qint32 value, qint32 limitA,
                                                       qint32 limitB, quint8 itemNumber)
{
    m_events.Emit(Kind::OperatorRequest, coder,
                  RequestValues("number", {{QStringLiteral("value"), value},
                                           {QStringLiteral("limits"), QJsonArray{limitA, limitB}},
                                           {QStringLiteral("item"), itemNumber}}));
    const auto answer = OperatorRequest<std::optional<qint32>>(coder, [&](quint64 printerId) {
        return m_views.Operator.OperatorNumericRequest(printerId, value, limitA, limitB, itemNumber);
    });
    m_events.Emit(Kind::OperatorAnswer, coder,
                  AnswerValues("number", answer ? std::optional<QJsonValue>(*answer) : std::nullopt));
    return answer;
}
