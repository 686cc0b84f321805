#pragma once

#include "app/StationWindow.h"
#include "station/LineModel.h"

#include <QDialog>
#include <QSortFilterProxyModel>

#include <memory>

namespace Ui {
class TLineForm;
}

// "Printer", "Line overview": every printer the station knows, one row each, live, with how many are
// connected and how many the station is reconnecting. A view of the station's line model: sortable
// by every column, and a double click selects a connected printer as a click in "Connections" does.
class TLineForm : public QDialog, public TStationWindow
{
    Q_OBJECT

public:
    explicit TLineForm(QWidget* mainWindow = nullptr);
    ~TLineForm() override;

    void Attach(TStation& station) override;
    void ReloadWindowTexts() override;

    void ShowWindow();
    // The rows as the window shows them, in the order the operator sorted them.
    const QAbstractItemModel& ShownRows() const { return m_sorted; }

    // "2 connected, 1 reconnecting", in the language in use.
    static QString CountsText(const TLineModel::TCounts& counts);

private:
    void ShowCounts();
    void SizeColumns();
    void SelectRow(const QModelIndex& index);

    std::unique_ptr<Ui::TLineForm> m_ui;
    QSortFilterProxyModel m_sorted;
    TStation* m_station = nullptr;
};
