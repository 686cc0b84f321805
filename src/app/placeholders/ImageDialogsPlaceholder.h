#pragma once

#include "app/StationWindow.h"
#include "station/views/ImageDialogsView.h"

// Stands for the image delete dialog, the modify image window and the modify item dialog until they
// are built: shows nothing.
class TImageDialogsPlaceholder : public TImageDialogsView, public TStationWindow
{
public:
    void ReloadWindowTexts() override {}
    // "Delete" and "Modify" in the main menu.
    void ShowImageDelete() {}
    void ShowModifyImage() {}

    void HideImageDelete() override {}
    void ShowImagesToDelete(const QStringList&) override {}
    void ShowImageItems(const QList<TImageItemRow>&, TImageItemsEnd) override {}
};
