#pragma once

#include "history/HistoryReader.h"

#include <QAbstractTableModel>

#include <memory>

// The rows of a history file that pass a filter, newest first, for the History window: a page is
// read when the view scrolls to the end of what it has (a file of any size opens at once), and rows
// committed later are put on top by Refresh. Every cell is plain text.
class THistoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int PageRows = 200;

    enum Column
    {
        TimeColumn,
        PrinterColumn,
        EventColumn,
        SourceColumn,
        DetailsColumn,
        ColumnCount
    };

    explicit THistoryModel(QObject* parent = nullptr);
    ~THistoryModel() override;

    // Reads the file afresh (a reader of its own), from its newest row.
    void Open(const QString& path);
    void SetFilter(const THistoryFilter& filter);
    const THistoryFilter& Filter() const { return m_filter; }
    // Why the file cannot be read, in the station's words; empty when it can.
    QString Error() const;
    const THistoryReader* Reader() const { return m_reader.get(); }
    const THistoryRow& RowAt(int row) const { return m_rows.at(row); }
    // Rows committed after the newest shown that pass the filter go on top.
    void Refresh();
    // The header's texts in the language now loaded.
    void Retranslate();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    void Reload();
    QString CellText(const THistoryRow& row, int column) const;

    QString m_path;
    std::unique_ptr<THistoryReader> m_reader;
    THistoryFilter m_filter;
    QList<THistoryRow> m_rows; // newest first
    bool m_atEnd = true;
};
