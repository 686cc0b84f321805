#pragma once

#include "app/StationWindow.h"
#include "station/views/ImageDialogsView.h"

class QWidget;
class TImageDeleteDlg;
class TModifyImageForm;

// The windows that act on the images stored in the selected printer: the delete dialog, and the
// modify image window with its modify item dialog. They are the main window's dialogs.
class TImageDialogs : public TImageDialogsView, public TStationWindow
{
public:
    explicit TImageDialogs(QWidget* mainWindow);
    ~TImageDialogs() override;
    TImageDialogs(const TImageDialogs&) = delete;
    TImageDialogs& operator=(const TImageDialogs&) = delete;

    void Attach(TStation& station) override;
    void ReloadWindowTexts() override;

    // "Delete" and "Modify" in the main menu.
    void ShowImageDelete();
    void ShowModifyImage();

    void HideImageDelete() override;
    void ShowImagesToDelete(const QStringList& remaining) override;
    void ShowImageItems(const QList<TImageItemRow>& rows, TImageItemsEnd end) override;

    TImageDeleteDlg& DeleteDialog() { return *m_deleteDialog; }
    TModifyImageForm& ModifyForm() { return *m_modifyForm; }

private:
    TImageDeleteDlg* m_deleteDialog; // children of the main window
    TModifyImageForm* m_modifyForm;
};
