#pragma once

class TXLMessage;

// The image delete dialog and the modify image window as the station sees them.
class TImageDialogsView
{
public:
    virtual ~TImageDialogsView() = default;

    virtual void HideImageDelete() = 0;
    // The printer's description of an image's items.
    virtual void ShowImageItems(const TXLMessage& report) = 0;
};
