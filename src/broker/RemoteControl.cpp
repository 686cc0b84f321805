#include "broker/RemoteControl.h"

#include "broker/RemoteOperatorView.h"
#include "broker/TopicNames.h"
#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "station/Station.h"

#include <QDir>
#include <QFileInfo>

namespace {
using Kind = TStationEventKind;
} // namespace

TRemoteControl::TRemoteControl(TStation& station, TPrinterTopics& topics, TRemoteOperatorView* operatorView,
                               QString transferDirectory, Permission permission)
    : m_station(station), m_topics(topics), m_operatorView(operatorView),
      m_transferDirectory(std::move(transferDirectory)), m_permission(std::move(permission))
{
    m_rateWindow.start();
}

const TCoder* TRemoteControl::FindPrinter(const QString& level) const
{
    for (TCommChannel* channel : m_station.Manager().ConnectedList()) {
        const TEventPrinter printer = TEventPrinter::Of(TCoder::Of(*channel));
        if (m_topics.LevelFor(printer.Name, printer.Address) == level)
            return &TCoder::Of(*channel);
    }
    return nullptr;
}

QString TRemoteControl::AllowedFile(const QString& directory, const QString& path, QString& refusal)
{
    const QString folder = directory.isEmpty() ? QString() : QFileInfo(directory).canonicalFilePath();
    if (folder.isEmpty()) {
        refusal = QStringLiteral("this station takes no remote transfers (REMOTE_TRANSFER_DIRECTORY is not set)");
        return {};
    }
    const QFileInfo file(QDir(folder).filePath(path));
    const QString canonical = file.canonicalFilePath(); // every link followed; empty when it does not exist
    if (canonical.isEmpty() || !canonical.startsWith(folder + QLatin1Char('/'))) {
        refusal = QStringLiteral("the file is not in the folder this station allows remote transfers from");
        return {};
    }
    if (!QFileInfo(canonical).isFile() || !QFileInfo(canonical).isReadable()) {
        refusal = QStringLiteral("the file cannot be read");
        return {};
    }
    return canonical;
}

QString TRemoteControl::Check(const TRemoteCommand& command, const TCoder* printer, QString& file) const
{
    if (command.IsRefused())
        return command.Refusal;
    if (const QString refusal = m_permission(); !refusal.isEmpty())
        return refusal;
    if (!printer)
        return QStringLiteral("no printer of this station is connected under %1")
            .arg(TopicNames::SafeLevel(command.PrinterLevel));
    const quint64 printerId = printer->Channel.Id();
    if (m_station.Batch().IsRunning())
        return QStringLiteral("an image transfer is under way");
    const bool requestOpen = m_station.HasOpenOperatorRequest(printerId);
    if (*command.Verb == TRemoteVerb::Answer)
        return requestOpen && m_operatorView ? QString() : QStringLiteral("the printer has no operator request open");
    if (requestOpen)
        return QStringLiteral("an operator request of the printer is open");
    switch (*command.Verb) {
    case TRemoteVerb::Start:
        if (!printer->HasImage(command.Image) || (!command.ImageB.isEmpty() && !printer->HasImage(command.ImageB)))
            return QStringLiteral("the printer holds no such image");
        if (!command.ImageB.isEmpty() && printer->Model != PrinterModels::Deneb)
            return QStringLiteral("the printer has one print head: no second image");
        return {};
    case TRemoteVerb::Transfer: {
        QString refusal;
        file = AllowedFile(m_transferDirectory, command.Path, refusal);
        if (file.isEmpty())
            return refusal;
        // The transfer works with the selected printer: not while a window of the operator does.
        if (!m_station.Manager().IsEnabled())
            return QStringLiteral("a window of the station works with the selected printer");
        return {};
    }
    default:
        return {};
    }
}

void TRemoteControl::Carry(const TRemoteCommand& command, const TCoder& printer, const QString& file,
                           TRemoteResult& result)
{
    const quint64 printerId = printer.Channel.Id();
    switch (*command.Verb) {
    case TRemoteVerb::Start:
        m_station.StartPrint(printerId, command.Image, command.ImageB);
        break;
    case TRemoteVerb::Stop:
        m_station.StopPrint(printerId);
        break;
    case TRemoteVerb::ClockSync:
        m_station.SyncClock(printerId);
        break;
    case TRemoteVerb::Answer:
        result.Reason = m_operatorView->Answer(printerId, command.Answer);
        break;
    case TRemoteVerb::Transfer:
        if (!m_station.Transfer(printerId, {file}))
            result.Reason = QStringLiteral("an image transfer is under way");
        break;
    }
    result.Accepted = result.Reason.isEmpty();
}

bool TRemoteControl::WithinRate()
{
    if (m_rateWindow.elapsed() >= 1000) {
        m_rateWindow.restart();
        m_inWindow = 0;
    }
    return ++m_inWindow <= CommandsPerSecond;
}

TRemoteResult TRemoteControl::Execute(const TRemoteCommand& command)
{
    TRemoteResult result;
    if (!WithinRate()) {
        result.Reason = QStringLiteral("more than %1 commands a second: not taken").arg(CommandsPerSecond);
        return result; // not recorded either: a flood would fill the history
    }
    const TCoder* printer = FindPrinter(command.PrinterLevel);
    if (printer)
        result.PrinterName = printer->PrinterName;
    QString file;
    result.Reason = Check(command, printer, file);
    // The command is recorded before it is carried out: what it sets off follows it in the history.
    TStationEvents::TSourceScope source(m_station.Events(),
                                        {QLatin1String(TEventSource::Remote), TStationEvent::Bounded(command.Client)});
    if (result.Reason.isEmpty()) {
        // Only an answer is checked on being carried out; it is recorded with its outcome.
        if (*command.Verb == TRemoteVerb::Answer) {
            Carry(command, *printer, file, result);
            Record(command, printer, result);
            return result;
        }
        result.Accepted = true;
        Record(command, printer, result);
        Carry(command, *printer, file, result);
        return result;
    }
    if (!command.RequestId.isEmpty() && !command.Client.isEmpty())
        Record(command, printer, result);
    return result;
}

void TRemoteControl::Record(const TRemoteCommand& command, const TCoder* printer, const TRemoteResult& result)
{
    QJsonObject values{{QStringLiteral("command"), command.VerbName},
                       {QStringLiteral("requestId"), TStationEvent::Bounded(command.RequestId)},
                       {QStringLiteral("outcome"), result.Accepted ? QStringLiteral("accepted") : QStringLiteral("refused")}};
    if (!result.Accepted)
        values.insert(QStringLiteral("reason"), result.Reason);
    if (!command.Image.isEmpty())
        values.insert(QStringLiteral("image"), TStationEvent::Bounded(command.Image));
    if (!command.ImageB.isEmpty())
        values.insert(QStringLiteral("imageB"), TStationEvent::Bounded(command.ImageB));
    if (command.Verb == TRemoteVerb::Answer)
        values.insert(QStringLiteral("answer"),
                      command.Answer.isString() ? QJsonValue(TStationEvent::Bounded(command.Answer.toString()))
                                                : command.Answer);
    if (!command.Path.isEmpty())
        values.insert(QStringLiteral("path"), TStationEvent::Bounded(command.Path));
    if (!printer)
        values.insert(QStringLiteral("printer"), TopicNames::SafeLevel(command.PrinterLevel));
    if (printer)
        m_station.Events().Emit(Kind::RemoteCommand, *printer, values);
    else
        m_station.Events().Emit(Kind::RemoteCommand, TEventPrinter{}, values);
}
