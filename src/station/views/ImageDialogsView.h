#pragma once

#include "station/ImageItemRow.h"

#include <QList>
#include <QStringList>

// The image delete dialog and the modify image window as the station sees them.
class TImageDialogsView
{
public:
    virtual ~TImageDialogsView() = default;

    // The delete dialog hides: its deletions are done, or the printer went away.
    virtual void HideImageDelete() = 0;
    // The printer reported a deletion: the names still to delete, in the order they go.
    virtual void ShowImagesToDelete(const QStringList& remaining) = 0;
    // The items of the image the modify image window shows, as the printer described them (none
    // when its report was about another image), and where the reading of the report stopped.
    virtual void ShowImageItems(const QList<TImageItemRow>& rows, TImageItemsEnd end) = 0;
};
