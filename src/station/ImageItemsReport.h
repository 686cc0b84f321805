#pragma once

#include "images/CoderImageItemList.h"
#include "station/ImageItemRow.h"

#include <QList>
#include <QString>

class TXLMessage;

// The items of a stored image as the printer described them in an ImageItems report, in the
// printer's order. The rows read before the reading stopped stay.
struct TImageItems
{
    QString ImageName;
    QList<TImageItemRow> Rows;
    TCoderImageItemList Items; // under their type names; a row's ItemIndex points here
    TImageItemsEnd End = TImageItemsEnd::Complete;
};

namespace ImageItemsReport {

// The report byte that starts each item, and the one that starts each line or element.
inline constexpr quint8 ItemMark = 0x1D;
inline constexpr quint8 SubRecordMark = 0x1E;

// Reads an ImageItems report about shownImage: the image name, the item count (not used), then per
// item its mark, number, type code and the fields of its type. A report about another image gives
// no rows.
TImageItems Read(const TXLMessage& report, const QString& shownImage);

} // namespace ImageItemsReport
