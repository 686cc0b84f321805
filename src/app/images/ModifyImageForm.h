#pragma once

#include "station/ImageItemRow.h"

#include <QDialog>

#include <memory>

class TModifyItemForm;
class TStation;
namespace Ui {
class TModifyImageForm;
}

// "Modify image": the items of one image stored in the selected printer as the printer describes
// them, in a table; a double-click (or Enter) on a row edits its value in the modify item dialog.
// The image is chosen in a drop-down list, and only a choice made in the opened list counts. Modal;
// the "Connections" window is disabled while it shows, and it closes when the selected printer
// changes or goes away.
class TModifyImageForm : public QDialog
{
    Q_OBJECT

public:
    // The table's columns: the item number, the type (60 and 75 pixels, or what their captions need),
    // and the value with the rest, at least 181 pixels.
    static constexpr int NumberColumnWidth = 60;
    static constexpr int TypeColumnWidth = 75;
    static constexpr int ValueColumnMinimumWidth = 181;

    explicit TModifyImageForm(QWidget* parent = nullptr);
    ~TModifyImageForm() override;

    void Attach(TStation& station);
    void ReloadWindowTexts();

    // "Modify" in the main menu: shows the selected printer's current image and waits until the
    // window closes. Without a selected printer nothing shows.
    void ShowModal();
    void ShowImageItems(const QList<TImageItemRow>& rows, TImageItemsEnd end);

    TModifyItemForm& ItemForm() { return *m_itemForm; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SizeColumns();
    void ShowImageNames();
    void ImageNameChanged(int index);
    void EditRow(int row);
    bool IsOnPrinterItOpenedFor() const;
    void PrinterChanged();

    std::unique_ptr<Ui::TModifyImageForm> m_ui;
    TModifyItemForm* m_itemForm; // a child
    TStation* m_station = nullptr;
    quint64 m_printerId = 0;
};
