#pragma once

#include "images/CoderImageItem.h"

// The code of the current shift. The item is its header alone; an image holding one carries the
// shift table in its message header.
class ShiftcodeItem : public TCoderImageItem
{
public:
    ShiftcodeItem();
};
