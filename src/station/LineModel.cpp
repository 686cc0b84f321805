#include "station/LineModel.h"

#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "platform/StationClock.h"
#include "station/ConnectionManager.h"
#include "station/Reconnection.h"

namespace {
constexpr const char* ColumnTitles[TLineModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("TLineModel", "Printer"),     QT_TRANSLATE_NOOP("TLineModel", "Model"),
    QT_TRANSLATE_NOOP("TLineModel", "Reached at"),  QT_TRANSLATE_NOOP("TLineModel", "Connection"),
    QT_TRANSLATE_NOOP("TLineModel", "Printing"),    QT_TRANSLATE_NOOP("TLineModel", "Image"),
    QT_TRANSLATE_NOOP("TLineModel", "Print count"), QT_TRANSLATE_NOOP("TLineModel", "Ink or ribbon"),
    QT_TRANSLATE_NOOP("TLineModel", "Newest fault"),
};
} // namespace

QString TLineModel::TimeText(const QDateTime& time)
{
    if (!time.isValid())
        return {};
    return time.date() == StationClock::Now().date() ? time.toString(QStringLiteral("HH:mm:ss"))
                                                      : time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

bool TPrinterLineState::InkLamp() const
{
    return StatusWord & TCoder::InkBit;
}

bool TPrinterLineState::UsesRibbon() const
{
    return Model == PrinterModels::Altair;
}

bool TPrinterLineState::HasTwoImages() const
{
    return Model == PrinterModels::Deneb;
}

QString TPrinterLineState::Where() const
{
    return Address.Medium == TLinkAddress::Kind::Network
               ? Address.Address + QLatin1Char(':') + QString::number(Address.Port)
               : Address.Address;
}

TPrinterLineState TPrinterLineState::Of(const TCoder& coder, TConnection connection)
{
    TPrinterLineState state;
    state.Id = coder.Channel.Id();
    if (coder.PrinterName != QLatin1String(TCoder::UnknownPrinter))
        state.Name = coder.PrinterName;
    state.Model = coder.Model;
    state.Address = coder.Channel.Address();
    state.Connection = connection;
    state.Selected = coder.Selected && connection == TConnection::Connected;
    state.Printing = coder.Printing;
    state.ImageA = coder.CurrentImageA;
    state.ImageB = coder.CurrentImageB;
    state.PrintCount = coder.PrintCount;
    state.StatusWord = coder.StatusWord;
    return state;
}

TLineModel::TLineModel(TConnectionManager& manager, QObject* parent)
    : QAbstractTableModel(parent), m_manager(manager)
{
    connect(&manager, &TConnectionManager::EntryAdded, this, &TLineModel::Add);
    connect(&manager, &TConnectionManager::EntryChanged, this, &TLineModel::Update);
    connect(&manager, &TConnectionManager::EntryRemoved, this, &TLineModel::Remove);
    // A printer that ended the connection said so in the message window, as it says its faults.
    connect(&manager, &TConnectionManager::Disconnecting, this, [this](TCommChannel& channel, TDisconnectCause cause) {
        if (cause == TDisconnectCause::EndedConnection)
            FaultReported(channel.Id(), TConnectionManager::DisconnectNoticeText(TCoder::Of(channel).PrinterName));
        Update(channel.Id());
    });
    connect(&manager, &TConnectionManager::SelectionChanged, this, &TLineModel::UpdateAll);
    connect(&manager.Reconnection(), &TReconnection::StateChanged, this, &TLineModel::Update);
}

int TLineModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TLineModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TLineModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const TPrinterLineState& state = m_rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return Text(state, index.column());
    case IdRole:
        return state.Id;
    case SortRole:
        return SortValue(state, index.column());
    case Qt::TextAlignmentRole:
        return index.column() == PrintCountColumn ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    default:
        return {};
    }
}

QVariant TLineModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return QCoreApplication::translate("TLineModel", ColumnTitles[section]);
}

QString TLineModel::ConnectionText(const TPrinterLineState& state)
{
    switch (state.Connection) {
    case TPrinterLineState::TConnection::Connected:
        return tr("Connected");
    case TPrinterLineState::TConnection::Reconnecting: {
        const QString since = tr("Reconnecting since %1").arg(TimeText(state.ReconnectingSince));
        return state.OtherPrinter.isEmpty() ? since
                                            : tr("%1; %2 answers there").arg(since, state.OtherPrinter);
    }
    case TPrinterLineState::TConnection::Disconnected:
        break;
    }
    return tr("Disconnected");
}

// The lamps are live only while the printer is connected.
QString TLineModel::PrintingText(const TPrinterLineState& state)
{
    if (state.Connection != TPrinterLineState::TConnection::Connected)
        return {};
    return state.Printing ? tr("Printing") : tr("Not printing");
}

QString TLineModel::ImagesText(const TPrinterLineState& state)
{
    if (!state.HasTwoImages() || state.ImageB.isEmpty())
        return state.ImageA;
    return state.ImageA + QLatin1String(", ") + state.ImageB;
}

QString TLineModel::InkText(const TPrinterLineState& state)
{
    if (state.Connection != TPrinterLineState::TConnection::Connected)
        return {};
    if (state.UsesRibbon())
        return state.InkLamp() ? tr("Ribbon") : tr("No ribbon");
    return state.InkLamp() ? tr("Ink") : tr("No ink");
}

QString TLineModel::FaultText(const TPrinterLineState& state)
{
    if (state.Fault.isEmpty())
        return {};
    return tr("%1 %2", "time, fault").arg(TimeText(state.FaultTime), state.Fault);
}

QString TLineModel::Text(const TPrinterLineState& state, int column) const
{
    switch (column) {
    case NameColumn:
        return state.Name.isEmpty() ? QCoreApplication::translate("TCoder", TCoder::UnknownPrinter) : state.Name;
    case ModelColumn:
        return PrinterModels::Name(state.Model);
    case AddressColumn:
        return state.Where();
    case ConnectionColumn:
        return ConnectionText(state);
    case PrintingColumn:
        return PrintingText(state);
    case ImagesColumn:
        return ImagesText(state);
    case PrintCountColumn:
        return QString::number(state.PrintCount);
    case InkColumn:
        return InkText(state);
    case FaultColumn:
        return FaultText(state);
    default:
        return {};
    }
}

// States in their order (connected first), then by the time they were lost; counts as numbers;
// faults by their time.
QVariant TLineModel::SortValue(const TPrinterLineState& state, int column) const
{
    switch (column) {
    case ConnectionColumn:
        return QStringLiteral("%1 %2").arg(int(state.Connection)).arg(state.ReconnectingSince.toMSecsSinceEpoch(), 16,
                                                                        10, QLatin1Char('0'));
    case PrintCountColumn:
        return state.PrintCount;
    case FaultColumn:
        return state.FaultTime;
    default:
        return Text(state, column);
    }
}

std::optional<TPrinterLineState> TLineModel::StateOf(quint64 id) const
{
    const auto row = m_rowOf.find(id);
    if (row == m_rowOf.end())
        return std::nullopt;
    return m_rows[*row];
}

std::optional<TPrinterLineState> TLineModel::Read(quint64 id) const
{
    const TCommChannel* channel = m_manager.FindChannel(id);
    if (!channel)
        return std::nullopt;
    using TConnection = TPrinterLineState::TConnection;
    const std::optional<TReconnection::TProgress> progress = m_manager.Reconnection().Progress(id);
    const TConnection connection = m_manager.ConnectedList().contains(channel) ? TConnection::Connected
                                   : progress                                   ? TConnection::Reconnecting
                                                                                : TConnection::Disconnected;
    TPrinterLineState state = TPrinterLineState::Of(TCoder::Of(*channel), connection);
    if (progress && connection == TConnection::Reconnecting) {
        state.ReconnectingSince = progress->Since;
        state.Attempts = progress->Attempts;
        state.OtherPrinter = progress->OtherPrinter;
    }
    return state;
}

void TLineModel::Add(quint64 id)
{
    if (m_rowOf.contains(id))
        return Update(id);
    const std::optional<TPrinterLineState> state = Read(id);
    if (!state)
        return;
    const int row = int(m_rows.size());
    beginInsertRows({}, row, row);
    m_rows.append(*state);
    m_rowOf.insert(id, row);
    endInsertRows();
    emit PrinterChanged(*state);
    CountAgain();
}

void TLineModel::Remove(quint64 id)
{
    const auto found = m_rowOf.find(id);
    if (found == m_rowOf.end())
        return;
    const int row = *found;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    m_rowOf.clear();
    for (int i = 0; i < m_rows.size(); ++i)
        m_rowOf.insert(m_rows[i].Id, i);
    endRemoveRows();
    emit PrinterRemoved(id);
    CountAgain();
}

void TLineModel::Update(quint64 id)
{
    const auto found = m_rowOf.find(id);
    if (found == m_rowOf.end())
        return;
    const int row = *found;
    std::optional<TPrinterLineState> state = Read(id);
    if (!state)
        return;
    state->Fault = m_rows[row].Fault;
    state->FaultTime = m_rows[row].FaultTime;
    if (*state == m_rows[row])
        return;
    m_rows[row] = *state;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    emit PrinterChanged(*state);
    CountAgain();
}

void TLineModel::UpdateAll()
{
    const QList<quint64> ids = m_rowOf.keys();
    for (const quint64 id : ids)
        Update(id);
}

void TLineModel::FaultReported(quint64 id, const QString& text)
{
    const auto found = m_rowOf.find(id);
    if (found == m_rowOf.end())
        return;
    TPrinterLineState& state = m_rows[*found];
    state.Fault = text;
    state.FaultTime = StationClock::Now();
    emit dataChanged(index(*found, FaultColumn), index(*found, FaultColumn));
    emit PrinterChanged(state);
}

void TLineModel::Retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, ColumnCount - 1));
}

void TLineModel::CountAgain()
{
    TCounts counts;
    counts.Known = int(m_rows.size());
    for (const TPrinterLineState& state : m_rows) {
        counts.Connected += state.Connection == TPrinterLineState::TConnection::Connected;
        counts.Reconnecting += state.Connection == TPrinterLineState::TConnection::Reconnecting;
    }
    if (counts == m_counts)
        return;
    m_counts = counts;
    emit CountsChanged(m_counts);
}
