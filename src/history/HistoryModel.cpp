#include "history/HistoryModel.h"

#include "history/HistoryText.h"
#include "station/StationEvent.h"

THistoryModel::THistoryModel(QObject* parent) : QAbstractTableModel(parent) {}

THistoryModel::~THistoryModel() = default;

void THistoryModel::Open(const QString& path)
{
    m_path = path;
    m_reader = std::make_unique<THistoryReader>(path);
    Reload();
}

void THistoryModel::SetFilter(const THistoryFilter& filter)
{
    m_filter = filter;
    Reload();
}

QString THistoryModel::Error() const
{
    return m_reader ? m_reader->Error() : QString();
}

void THistoryModel::Reload()
{
    if (m_reader)
        m_reader->BoundTimeRange(m_filter);
    beginResetModel();
    m_rows = m_reader ? m_reader->RowsBefore(0, PageRows, m_filter) : QList<THistoryRow>();
    m_atEnd = m_rows.size() < PageRows;
    endResetModel();
}

void THistoryModel::Refresh()
{
    if (!m_reader)
        return;
    // A file the station had not written yet when the window opened is read now that it is there.
    if (!m_reader->HasTable())
        return Open(m_path);
    const qint64 newest = m_rows.isEmpty() ? 0 : m_rows.first().Seq;
    // Oldest first from the reader; a long absence reads only the newest page's worth.
    QList<THistoryRow> added = m_reader->RowsAfter(newest, PageRows, m_filter);
    if (added.isEmpty())
        return;
    if (added.size() == PageRows) {
        Reload();
        return;
    }
    std::reverse(added.begin(), added.end());
    beginInsertRows({}, 0, int(added.size()) - 1);
    m_rows = added + m_rows;
    endInsertRows();
}

void THistoryModel::Retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, EventColumn), index(int(m_rows.size()) - 1, EventColumn));
}

int THistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int THistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

bool THistoryModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_atEnd;
}

void THistoryModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    const QList<THistoryRow> page = m_reader->RowsBefore(m_rows.isEmpty() ? 0 : m_rows.last().Seq, PageRows, m_filter);
    m_atEnd = page.size() < PageRows;
    if (page.isEmpty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + page.size()) - 1);
    m_rows += page;
    endInsertRows();
}

QString THistoryModel::CellText(const THistoryRow& row, int column) const
{
    switch (column) {
    case TimeColumn:
        return HistoryText::LocalTime(row);
    case PrinterColumn:
        return row.PrinterName();
    case EventColumn:
        return StationEventKinds::LabelOf(row.Kind());
    case DetailsColumn:
        return HistoryText::Details(row);
    case SourceColumn:
        return HistoryText::Source(row);
    default:
        return {};
    }
}

QVariant THistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const QString text = CellText(m_rows[index.row()], index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return text;
    case Qt::ToolTipRole:
        // A tooltip may be taken for rich text: the printer's words are escaped.
        return index.column() == DetailsColumn ? QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped()) : QVariant();
    default:
        return {};
    }
}

QVariant THistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TimeColumn:
        return tr("Time");
    case PrinterColumn:
        return tr("Printer");
    case EventColumn:
        return tr("Event");
    case SourceColumn:
        return tr("Source");
    case DetailsColumn:
        return tr("Details");
    default:
        return {};
    }
}
