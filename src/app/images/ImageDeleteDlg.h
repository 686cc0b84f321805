#pragma once

#include "station/ImageDeleteChoice.h"

#include <QDialog>

#include <memory>

class QListWidget;
class TStation;
namespace Ui {
class TImageDeleteDlg;
}

// "Delete Images": the operator moves the images to delete from the source list to the other, and
// "OK" deletes them from the selected printer one at a time. While it shows, the "Connections"
// window is disabled. The lists and buttons show the choice; the deletion is the station's.
class TImageDeleteDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TImageDeleteDlg(QWidget* parent = nullptr);
    ~TImageDeleteDlg() override;

    void Attach(TStation& station);
    void ReloadWindowTexts();

    // "Delete" in the main menu: the selected printer's images, except its protected one, to choose
    // from. Without a selected printer nothing shows; a dialog already showing comes to the front.
    void ShowDialog();
    // The printer reported a deletion: the names still to delete.
    void ShowImagesToDelete(const QStringList& remaining);
    // The deletions are done, or the printer went away.
    void HideDialog();

    // "Cancel", Escape and the title bar's close button.
    void reject() override;

private:
    QListWidget* List(TImageDeleteChoice::TSide side) const;
    static void ShowNames(QListWidget* list, const QStringList& names, const QList<int>& selectedRows = {});
    void TakeSelection();
    void ShowChoice();
    // ">", "<" (the selected entries) and ">>", "<<" (all of them).
    void Move(void (TImageDeleteChoice::*move)(TImageDeleteChoice::TSide), TImageDeleteChoice::TSide from);
    void OkClick();

    std::unique_ptr<Ui::TImageDeleteDlg> m_ui;
    TStation* m_station = nullptr;
    TImageDeleteChoice m_choice;
};
