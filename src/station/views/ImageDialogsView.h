#pragma once

#include <QStringList>

class TXLMessage;

// The image delete dialog and the modify image window as the station sees them.
class TImageDialogsView
{
public:
    virtual ~TImageDialogsView() = default;

    // The delete dialog hides: its deletions are done, or the printer went away.
    virtual void HideImageDelete() = 0;
    // The printer reported a deletion: the names still to delete, in the order they go.
    virtual void ShowImagesToDelete(const QStringList& remaining) = 0;
    // The printer's description of an image's items.
    virtual void ShowImageItems(const TXLMessage& report) = 0;
};
