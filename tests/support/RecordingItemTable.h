#pragma once

#include "images/ItemTable.h"

#include <QList>

// An item table that keeps the rows added to it.
class TRecordingItemTable : public TItemTable
{
public:
    struct TRow
    {
        QStringList Columns;
        TCoderImageItem* Item = nullptr;
    };

    void AddRow(const QStringList& columns, TCoderImageItem* item) override { Rows.append({columns, item}); }

    QList<TRow> Rows;
};
