#include "SimPrinter.h"

#include "PrinterLink.h"
#include "SimMessageLog.h"

#include <algorithm>

namespace {

std::unique_ptr<TXLMessage> Status(quint16 sub)
{
    return std::make_unique<TXLMessage>(XLReceive::StatusId, sub);
}

struct TRequestHandler
{
    TXLMessageKind Kind;
    void (TSimPrinter::*Handle)(TPrinterLink&, TXLMessage&);
};

} // namespace

TSimPrinter::TSimPrinter(const TSimPrinterConfig& config, QObject* parent)
    : QObject(parent), m_config(config), m_state(config)
{
    m_printStepTimer.setInterval(m_config.PrintStepMs);
    connect(&m_printStepTimer, &QTimer::timeout, this, &TSimPrinter::OnPrintStep);
    m_printReportTimer.setInterval(m_config.PrintReportMs);
    connect(&m_printReportTimer, &QTimer::timeout, this, &TSimPrinter::OnPrintReport);
    // Precise: printers whose changes started at different moments keep apart, as real ones do.
    m_stateChangeTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_stateChangeTimer, &QTimer::timeout, this, &TSimPrinter::OnStateChange);
    SetStateChangesPerSecond(m_config.StateChangesPerSecond);
}

void TSimPrinter::AddLink(TPrinterLink* link)
{
    m_links.append(link);
    connect(link, &TPrinterLink::MessageReceived, this, [this, link](const TXLMessage& message) {
        if (m_log)
            m_log->Write(TSimMessageLog::Direction::In, message);
        HandleMessage(*link, message);
    });
    connect(link, &TPrinterLink::MessageStarted, this, [this](const TXLMessage& message) {
        if (m_log)
            m_log->Write(TSimMessageLog::Direction::Out, message);
    });
    connect(link, &QObject::destroyed, this, [this, link] { m_links.removeOne(link); });
    emit LinkAdded(*link);
}

void TSimPrinter::HandleMessage(TPrinterLink& link, TXLMessage message)
{
    static const TRequestHandler handlers[] = {
        {XLSend::ConnectRequest, &TSimPrinter::OnConnectRequest},
        {XLSend::DisconnectRequest, &TSimPrinter::OnDisconnectRequest},
        {XLSend::RequestImageList, &TSimPrinter::OnRequestImageList},
        {XLSend::RequestParameters, &TSimPrinter::OnRequestParameters},
        {XLSend::RequestImageItems, &TSimPrinter::OnRequestImageItems},
        {XLSend::RequestStatus, &TSimPrinter::OnRequestStatus},
        {XLSend::RequestPrinterInfo, &TSimPrinter::OnRequestPrinterInfo},
        {XLSend::RequestClock, &TSimPrinter::OnRequestClock},
        {XLSend::StartPrint, &TSimPrinter::OnStartPrint},
        {XLSend::StopPrint, &TSimPrinter::OnStopPrint},
        {XLSend::DeleteImage, &TSimPrinter::OnDeleteImage},
        {XLSend::ImageData, &TSimPrinter::OnImageData},
        {XLSend::FlashWrite, &TSimPrinter::OnFlashWrite},
        {XLSend::ModifyItem, &TSimPrinter::OnModifyItem},
        {XLSend::SetDate, &TSimPrinter::OnSetDate},
        {XLSend::SetTime, &TSimPrinter::OnSetTime},
    };
    message.SetPosition(0);
    if (message.Id == XLSend::WriteParameterId) {
        m_state.Parameters.Write(message.Sub, qint32(message.ReadU32()));
        return;
    }
    // Wake, the operator replies and anything unknown change nothing; the log has them.
    for (const TRequestHandler& handler : handlers)
        if (message.Is(handler.Kind)) {
            (this->*handler.Handle)(link, message);
            return;
        }
}

void TSimPrinter::OnConnectRequest(TPrinterLink& link, TXLMessage&)
{
    link.SetDisconnected(false);
    auto ack = std::make_unique<TXLMessage>(XLReceive::ConnectionId, quint16(0x0100 | m_state.Model));
    ack->WriteU16(m_state.StatusWord);
    ack->WriteString(m_state.CurrentImageA);
    ack->WriteString(m_state.CurrentImageB);
    ack->WriteString(m_state.Name);
    link.SendMessage(std::move(ack));
}

void TSimPrinter::OnDisconnectRequest(TPrinterLink& link, TXLMessage&)
{
    link.SetDisconnected(true);
}

void TSimPrinter::OnRequestImageList(TPrinterLink& link, TXLMessage&)
{
    auto list = Status(XLReceive::ImageList);
    for (const TSimImage& image : m_state.Images())
        list->WriteString(image.Name);
    link.SendMessage(std::move(list));
}

void TSimPrinter::OnRequestParameters(TPrinterLink& link, TXLMessage&)
{
    auto data = Status(XLReceive::ParameterData);
    m_state.Parameters.WriteMessage(m_state.Model, *data);
    link.SendMessage(std::move(data));
}

void TSimPrinter::OnRequestImageItems(TPrinterLink& link, TXLMessage& message)
{
    // An image the printer does not hold is described as one without items.
    const QString name = message.ReadString();
    const TSimImage* image = m_state.FindImage(name);
    auto report = Status(XLReceive::ImageItems);
    SimImageItems::WriteReport(*report, name, image ? image->Content : TSimImageContent(),
                               m_state.ClockNow());
    link.SendMessage(std::move(report));
}

void TSimPrinter::OnModifyItem(TPrinterLink&, TXLMessage& message)
{
    // The printer does not answer: the station asks for the items again to see the change.
    const QString image = message.ReadString();
    const QString itemNumber = message.ReadString();
    m_state.ModifyItem(image, itemNumber, message.ReadString());
}

std::unique_ptr<TXLMessage> TSimPrinter::StatusInfo() const
{
    auto status = Status(XLReceive::StatusInfo);
    status->WriteU16(m_state.StatusWord);
    return status;
}

std::unique_ptr<TXLMessage> TSimPrinter::MemoryInfo() const
{
    auto memory = Status(XLReceive::MemoryInfo);
    memory->WriteU32(m_state.FreeMemory());
    memory->WriteString(m_state.CurrentImageA);
    memory->WriteString(m_state.CurrentImageB);
    return memory;
}

void TSimPrinter::OnRequestStatus(TPrinterLink& link, TXLMessage&)
{
    link.SendMessage(StatusInfo());
}

void TSimPrinter::OnRequestPrinterInfo(TPrinterLink& link, TXLMessage&)
{
    auto identity = Status(XLReceive::Identity);
    identity->WriteString(m_state.Name);
    identity->WriteU16(m_state.Model);
    identity->WriteString(m_state.Version);
    link.SendMessage(std::move(identity));
    link.SendMessage(MemoryInfo());
}

void TSimPrinter::OnRequestClock(TPrinterLink& link, TXLMessage&)
{
    const QDateTime now = m_state.ClockNow();
    auto clock = Status(XLReceive::ClockInfo);
    clock->WriteU16(quint16(now.date().year()));
    clock->WriteU8(quint8(now.date().month()));
    clock->WriteU8(quint8(now.date().day()));
    clock->WriteU8(quint8(now.time().hour()));
    clock->WriteU8(quint8(now.time().minute()));
    link.SendMessage(std::move(clock));
}

void TSimPrinter::OnStartPrint(TPrinterLink& link, TXLMessage& message)
{
    // Always answered: the station holds its queue after StartPrint until the printer reports.
    m_state.CurrentImageA = message.ReadString();
    m_state.CurrentImageB = message.ReadString();
    m_state.Printing = true;
    m_state.StatusWord |= TSimPrinterState::PrintingBit;
    m_reportedCount = m_state.PrintCount;
    m_printStepTimer.start();
    m_printReportTimer.start();
    auto started = Status(XLReceive::PrintStarted);
    started->WriteU32(m_state.PrintCount);
    started->WriteString(m_state.CurrentImageA);
    started->WriteString(m_state.CurrentImageB);
    if (m_config.GenerateMs <= 0) {
        link.SendMessage(std::move(started));
        return;
    }
    // Meanwhile the printer generates the image, and the station holds what it has to send.
    QTimer::singleShot(m_config.GenerateMs, &link,
                       [&link, report = std::shared_ptr<TXLMessage>(std::move(started))] {
                           link.SendMessage(std::make_unique<TXLMessage>(*report));
                       });
}

void TSimPrinter::OnStopPrint(TPrinterLink& link, TXLMessage&)
{
    m_state.Printing = false;
    m_state.StatusWord &= quint16(~TSimPrinterState::PrintingBit);
    m_printStepTimer.stop();
    m_printReportTimer.stop();
    link.SendMessage(Status(XLReceive::PrintStopped));
}

void TSimPrinter::OnPrintStep()
{
    ++m_state.PrintCount;
}

void TSimPrinter::OnPrintReport()
{
    if (m_state.PrintCount == m_reportedCount)
        return;
    m_reportedCount = m_state.PrintCount;
    TXLMessage count(XLReceive::StatusId, XLReceive::PrintCountInfo);
    count.WriteU32(m_state.PrintCount);
    Report(count);
}

void TSimPrinter::SetStateChangesPerSecond(int perSecond)
{
    if (perSecond > 0)
        m_stateChangeTimer.start(std::max(1, 1000 / perSecond));
    else
        m_stateChangeTimer.stop();
}

void TSimPrinter::OnStateChange()
{
    m_state.StatusWord ^= TSimPrinterState::InkBit;
    Report(*StatusInfo());
}

void TSimPrinter::OnDeleteImage(TPrinterLink& link, TXLMessage& message)
{
    m_state.DeleteImage(message.ReadString());
    link.SendMessage(Status(XLReceive::ImageDeleted));
}

void TSimPrinter::OnImageData(TPrinterLink& link, TXLMessage& message)
{
    // The image is stored under the name its body starts with; a nameless one could never be listed.
    const QString name = message.ReadString();
    if (name.isEmpty()) {
        link.SendMessage(Status(XLReceive::TransferFailed));
        return;
    }
    const bool stored = m_state.StoreImage(name, message.Body());
    link.SendMessage(Status(stored ? XLReceive::NextImageRequest : XLReceive::InsufficientMemory));
}

void TSimPrinter::OnFlashWrite(TPrinterLink& link, TXLMessage&)
{
    link.SendMessage(Status(XLReceive::FlashWriteStarted));
    const quint16 end = m_config.FlashFails ? XLReceive::MemoryWriteError : XLReceive::FlashWriteDone;
    QTimer::singleShot(m_config.FlashDelayMs, &link, [&link, end] { link.SendMessage(Status(end)); });
}

void TSimPrinter::OnSetDate(TPrinterLink&, TXLMessage& message)
{
    const int year = message.ReadU16();
    const int month = message.ReadU8();
    m_state.SetDate(year, month, message.ReadU8());
}

void TSimPrinter::OnSetTime(TPrinterLink&, TXLMessage& message)
{
    const int hour = message.ReadU8();
    m_state.SetTime(hour, message.ReadU8());
}

void TSimPrinter::Broadcast(const TXLMessage& message)
{
    for (TPrinterLink* link : m_links)
        if (!link->Disconnected())
            link->SendMessage(std::make_unique<TXLMessage>(message));
}

void TSimPrinter::Report(const TXLMessage& message)
{
    for (TPrinterLink* link : m_links)
        if (!link->Disconnected() && link->IsIdle())
            link->SendMessage(std::make_unique<TXLMessage>(message));
}

void TSimPrinter::SendFault(XLReceive::StatusSub fault)
{
    Broadcast(TXLMessage(XLReceive::StatusId, fault));
}

void TSimPrinter::SendOperatorTextRequest(const QString& prompt, const QString& text, quint8 maxLength)
{
    TXLMessage request(XLReceive::OperatorRequestId, XLReceive::OperatorTextRequest);
    request.WriteString(prompt);
    request.WriteString(text);
    request.WriteU8(maxLength);
    Broadcast(request);
}

void TSimPrinter::SendOperatorDateRequest()
{
    Broadcast(TXLMessage(XLReceive::OperatorRequestId, XLReceive::OperatorDateRequest));
}

void TSimPrinter::SendOperatorNumericRequest(quint32 value, quint32 limitA, quint32 limitB, quint8 itemNumber)
{
    TXLMessage request(XLReceive::OperatorRequestId, XLReceive::OperatorNumericRequest);
    request.WriteU32(value);
    request.WriteU32(limitA);
    request.WriteU32(limitB);
    request.WriteU8(itemNumber);
    Broadcast(request);
}

void TSimPrinter::SendDisconnectNotice()
{
    Broadcast(TXLMessage(XLReceive::ConnectionId, XLReceive::DisconnectNoticeSub));
    for (TPrinterLink* link : m_links)
        link->SetDisconnected(true);
}

void TSimPrinter::SendDisconnected()
{
    Broadcast(TXLMessage(XLReceive::StatusId, XLReceive::Disconnected));
    for (TPrinterLink* link : m_links)
        link->SetDisconnected(true);
}

void TSimPrinter::SetStatusWord(quint16 statusWord)
{
    m_state.StatusWord = statusWord;
    Broadcast(*StatusInfo());
}

void TSimPrinter::SetPrintCount(quint32 printCount)
{
    m_state.PrintCount = printCount;
    m_reportedCount = printCount;
    TXLMessage count(XLReceive::StatusId, XLReceive::PrintCountInfo);
    count.WriteU32(printCount);
    Broadcast(count);
}
