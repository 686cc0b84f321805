#include "coder/Coder.h"

#include "coder/CoderEvents.h"
#include "coder/ReplyLimits.h"
#include "comm/CommChannel.h"
#include "comm/XLMessage.h"
#include "platform/Logging.h"

#include <QCoreApplication>

TCoder::TCoder(TCommChannel& channel, TCoderEvents& events) : Channel(channel), m_events(events) {}

TCoder& TCoder::Of(TCommChannel& channel)
{
    return dynamic_cast<TCoder&>(channel.Peer());
}

const TCoder& TCoder::Of(const TCommChannel& channel)
{
    return dynamic_cast<const TCoder&>(channel.Peer());
}

QString TCoder::ShownName() const
{
    return PrinterName == QLatin1String(UnknownPrinter) ? QCoreApplication::translate("TCoder", UnknownPrinter)
                                                        : PrinterName;
}

QString TCoder::DisplayName() const
{
    return PrinterModels::DisplayPrefix(Model) + ShownName();
}

QString TCoder::FreeSpaceText(quint32 bytes)
{
    return QCoreApplication::translate("TCoder", "%1 Bytes.").arg(bytes);
}

TLinkPeerFactory TCoder::Factory(TCoderEvents& events)
{
    return [&events](TCommChannel& channel) { return std::make_unique<TCoder>(channel, events); };
}

// The image transfer window follows the image message the selected printer acknowledges packet by
// packet; once the printer has the whole of a Start message it generates the image and sends
// nothing else until it reports.
void TCoder::PacketAcknowledged(const TXLMessage& message, bool complete)
{
    if (message.Is(XLSend::ImageData) && Selected) {
        const int percent = message.Size() > 0 ? int(message.Position() * 100 / message.Size()) : 100;
        m_events.ImagePacketAcknowledged(percent, complete);
    } else if (message.Is(XLSend::StartPrint) && complete) {
        Busy = true;
        if (Selected)
            m_events.GeneratingImage();
    }
}

int TCoder::StatusIcon() const
{
    return ((StatusWord & PrintingBit) ? 2 : 0) + ((StatusWord & InkBit) ? 1 : 0);
}

void TCoder::Queue(TXLMessageKind kind)
{
    Channel.QueueMessage(std::make_unique<TXLMessage>(kind));
}

void TCoder::HandleMessage(TXLMessage& message)
{
    message.SetPosition(0);
    qCDebug(lcCoder) << Channel.Name() << "handles" << Qt::hex << message.Id << message.Sub;
    if (!ReplyLimits::Fits(message)) {
        qCWarning(lcCoder) << Channel.Name() << "refuses a report of" << message.Size() << "bytes:" << Qt::hex
                           << message.Id << message.Sub;
        ReportFault(TPrinterFault::ReportTooLarge,
                    QCoreApplication::translate("TCoder", "%1 - REPORT TOO LARGE, REFUSED!").arg(PrinterName));
        return;
    }
    switch (message.Id) {
    case XLReceive::ConnectionId:
        if (message.Sub == XLReceive::DisconnectNoticeSub)
            Connected = false;
        else
            HandleConnectAck(message);
        break;
    case XLReceive::StatusId:
        HandleStatus(message);
        break;
    case XLReceive::OperatorRequestId:
        HandleOperatorRequest(message);
        break;
    default:
        break;
    }
    m_events.MessageHandled(*this);
}

// Taken only on a link that asked for the connection: a host that answers the probe of discovery
// with an acknowledgement nobody asked for does not become the selected printer.
void TCoder::HandleConnectAck(TXLMessage& message)
{
    if (!Channel.ConnectRequested()) {
        qCWarning(lcCoder) << Channel.Name() << "ignores a connect acknowledgement nobody asked for";
        return;
    }
    const auto model = quint8(message.Sub & 0xFF);
    const quint16 statusWord = message.ReadU16();
    const QString imageA = message.ReadString();
    const QString imageB = message.ReadString();
    const QString name = message.ReadString();
    if (!m_events.TakesConnection(*this, model, name)) {
        qCWarning(lcCoder) << Channel.Name() << "does not take the connection of another printer:" << name;
        return;
    }
    Model = model;
    StatusWord = statusWord;
    SetCurrentImages(imageA, imageB);
    PrinterName = name;
    Connected = true;
    if (Selected)
        m_events.UpdateForm(*this);
    Queue(XLSend::RequestPrinterInfo);
    Queue(XLSend::RequestImageList);
    m_events.ConnectAcknowledged(*this);
}

// The main and print windows show the selected printer only: current images reported by any other
// printer (a probe, a printer connected in the background) are kept but not shown.
void TCoder::ReadCurrentImages(TXLMessage& message)
{
    const QString imageA = message.ReadString();
    SetCurrentImages(imageA, message.ReadString());
}

void TCoder::SetCurrentImages(const QString& imageA, const QString& imageB)
{
    CurrentImageA = imageA;
    CurrentImageB = imageB;
    if (!Selected)
        return;
    m_events.CurrentImagesChanged(*this);
}

void TCoder::HandleStatus(TXLMessage& message)
{
    using namespace XLReceive;
    switch (message.Sub) {
    case ImageList: {
        Images = message.ReadStringList();
        if (!Images.isEmpty())
            ProtectedImage = Images.first();
        if (Selected)
            m_events.ImageListChanged(Images);
        break;
    }
    case MemoryInfo:
        FreeMemory = message.ReadU32();
        if (Selected)
            m_events.FreeSpaceChanged(FreeSpaceText(FreeMemory));
        ReadCurrentImages(message);
        break;
    case FlashWriteStarted:
        if (Selected) {
            m_events.FlashWriteStarted();
            Busy = true;
        }
        break;
    case FlashWriteDone:
        if (Selected)
            m_events.FlashWriteEnded(true);
        Queue(XLSend::RequestImageList);
        break;
    case PrintCountInfo:
        PrintCount = qint32(message.ReadU32());
        if (Selected)
            m_events.PrintCountChanged(QString::number(PrintCount));
        break;
    case PrintStarted:
        PrintCount = qint32(message.ReadU32());
        ReadCurrentImages(message);
        Printing = true;
        if (Selected)
            m_events.PrintStarted(PrintCount);
        StatusWord |= PrintingBit;
        m_events.StatusChanged(*this);
        break;
    case PrintStopped:
        Printing = false;
        if (Selected)
            m_events.PrintStopped();
        StatusWord &= quint16(~PrintingBit);
        m_events.StatusChanged(*this);
        break;
    case StatusInfo:
        StatusWord = message.ReadU16();
        if (Selected)
            m_events.StatusWordChanged(StatusWord);
        m_events.StatusChanged(*this);
        break;
    case ParameterData:
        if (Selected)
            m_events.ParametersReported(message);
        break;
    case NextImageRequest:
        if (Selected)
            m_events.NextImageRequested();
        break;
    case ImageDeleted:
        if (Selected)
            m_events.ImageDeleted(Channel.Id(), message.MessageNo);
        break;
    case InsufficientMemory:
        if (Selected)
            m_events.InsufficientMemory();
        break;
    case TransferFailed:
        if (Selected)
            m_events.TransferFailed();
        break;
    case Identity:
        PrinterName = message.ReadString();
        Model = quint8(message.ReadU16() & 0xFF);
        Version = message.ReadString();
        break;
    case PrintCycleTimeout:
        ReportFault(TPrinterFault::PrintCycleTimeout,
                    QCoreApplication::translate("TCoder", "%1 - PRINT CYCLE TIMEOUT!").arg(PrinterName));
        break;
    case PositioningError:
        ReportFault(TPrinterFault::PositioningError,
                    QCoreApplication::translate("TCoder", "%1 - PRINTHEAD POSITIONING ERROR!").arg(PrinterName));
        break;
    case Disconnected:
        Connected = false;
        break;
    case MemoryWriteError:
        if (Selected)
            m_events.FlashWriteEnded(false);
        ReportFault(TPrinterFault::MemoryWriteError, QCoreApplication::translate("TCoder", "MEMORY WRITE ERROR!"));
        break;
    case ImageItems:
        if (Selected)
            m_events.ImageItemsReported(message);
        break;
    case VersionInfo:
        Version = message.ReadString();
        break;
    case RibbonFault:
        ReportFault(TPrinterFault::RibbonFault,
                    QCoreApplication::translate("TCoder", "%1 - RIBBON FAULT!").arg(PrinterName));
        break;
    case ClockInfo: {
        if (!Connected)
            break; // the clock dialog opens for a printer that was asked, which is a connected one
        const quint16 year = message.ReadU16();
        const quint8 month = message.ReadU8();
        const quint8 day = message.ReadU8();
        const quint8 hour = message.ReadU8();
        const quint8 minute = message.ReadU8();
        m_events.ClockReported(*this, year, month, day, hour, minute);
        break;
    }
    default:
        break;
    }
}

// Each request waits for the operator in a modal window; everything needed is read from the message
// first, because other messages may be handled meanwhile. The answer goes back to the printer that
// asked, whichever printer is selected by then, while it is still connected. Only a connected printer
// asks: a host on the network opens no window by answering the probe of discovery with a request.
void TCoder::HandleOperatorRequest(TXLMessage& message)
{
    using namespace XLReceive;
    if (!Connected)
        return;
    switch (message.Sub) {
    case OperatorTextRequest: {
        const QString prompt = message.ReadString();
        const QString text = message.ReadString();
        const quint8 maxLength = message.ReadU8();
        if (const auto answer = m_events.OperatorTextRequest(*this, prompt, text, maxLength); answer && Connected) {
            auto reply = std::make_unique<TXLMessage>(XLSend::OperatorTextReply);
            reply->WriteString(*answer);
            Channel.QueueMessage(std::move(reply));
        }
        break;
    }
    case OperatorDateRequest:
        if (const auto date = m_events.OperatorDateRequest(*this); date && Connected) {
            auto reply = std::make_unique<TXLMessage>(XLSend::OperatorDateReply);
            reply->WriteU8(quint8(date->day()));
            reply->WriteU8(quint8(date->month()));
            reply->WriteU8(quint8(date->year() & 0xFF)); // the year goes low byte first
            reply->WriteU8(quint8((date->year() >> 8) & 0xFF));
            Channel.QueueMessage(std::move(reply));
        }
        break;
    case OperatorNumericRequest: {
        const auto value = qint32(message.ReadU32());
        const auto limitA = qint32(message.ReadU32());
        const auto limitB = qint32(message.ReadU32());
        const quint8 itemNumber = message.ReadU8();
        if (const auto answer = m_events.OperatorNumericRequest(*this, value, limitA, limitB, itemNumber);
            answer && Connected) {
            auto reply = std::make_unique<TXLMessage>(XLSend::OperatorNumericReply);
            reply->WriteU32(quint32(*answer));
            Channel.QueueMessage(std::move(reply));
        }
        break;
    }
    default:
        break;
    }
}

// Faults go to the message window for every connected printer, selected or not; a printer that is
// not connected opens no window.
void TCoder::ReportFault(TPrinterFault fault, const QString& text)
{
    if (Connected)
        m_events.FaultReported(*this, fault, text);
}

void TCoder::Refresh()
{
    m_events.UpdateForm(*this);
    m_events.CurrentImagesChanged(*this);
    m_events.StatusWordChanged(StatusWord);
    if (Printing) {
        m_events.PrintStarted(PrintCount);
    } else {
        m_events.PrintStopped();
        m_events.PrintCountChanged(QString::number(PrintCount));
    }
    m_events.ImageListChanged(Images);
}
