#pragma once

#include <QStringList>

class TCoderImageItem;

// The table that lists the items of an image held by the printer (item number, type, value). The
// modify image window implements it; items add their rows while they read the printer's description.
class TItemTable
{
public:
    virtual ~TItemTable() = default;

    // Appends a row with these columns; item is the item the row shows (not owned).
    virtual void AddRow(const QStringList& columns, TCoderImageItem* item) = 0;
};
