#pragma once

#include <QString>

// One row of the item table of a stored image: an item, or one line of a multi-line text or one
// element of an EAN-128 barcode, each of which the printer numbers itself.
struct TImageItemRow
{
    QString Number;    // as the printer numbers it; the item number a ModifyItem names
    QString TypeName;  // "Text", "Numeric", "EAN13", "Multiline" ...
    QString Value;     // the value the printer reports
    int ItemIndex = 0; // the item the row belongs to, in TImageItems::Items

    bool operator==(const TImageItemRow&) const = default;
};

// Where the reading of a report stopped.
enum class TImageItemsEnd
{
    Complete,    // at the end of the report
    OtherImage,  // the report is about another image than the one shown: no rows
    NoItemMark,  // a byte that does not start an item
    UnknownType, // a type code the station does not know (a barcode of an unknown symbology is skipped)
    NotANumber,  // an item number or a line or element count that is not a decimal number
    TooManyRows, // more rows than an image of a printer can have: the rows beyond are not read
};
