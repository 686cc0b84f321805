#pragma once

#include <QString>

// An item as the printer describes it; Text4 is the item's current value.
struct TItemData
{
    QString Text1;
    QString Text2;
    QString Text3;
    QString Text4;
};
