#pragma once

#include "jobs/Job.h"
#include "station/ImageItemRow.h"

#include <QDate>
#include <QList>
#include <QMap>

class TImageDesignFile;

// What the printer must show for one item of a job's image.
struct TItemExpectation
{
    int Number = 0;     // its place in the image, from 1
    QString TypeName;   // as the printer's description names its type: "Text", "EAN13" ...
    QStringList Values; // one per row: a multi-line text has a row a line, an EAN-128 barcode one an element
    bool AnyValue = false; // the printer composes it (date, time, shift, counter, picture), or the job keeps it
    bool Numeric = false;  // a counter, compared as a number
    bool SetByRule = false;
};

// An item whose row the printer shows otherwise than the job expects.
struct TItemDifference
{
    QString Item; // "3"; "4.2" for a line of a multi-line text or an element of an EAN-128 barcode
    QString Expected;
    QString Found;

    bool operator==(const TItemDifference&) const = default;
};

// The printer's description of a job's image against what the job expects of it. The printer
// describes each item's type and value, not its place or font: two images alike in these are alike.
namespace ReadBack {

// The image as its design file gives it; the items the job sets may show any value.
QList<TItemExpectation> OfImage(const TImageDesignFile& image, const TJob& job);
// The image with the job's values on the day given: the rules' values for the items they set, the
// design file's for the others.
QList<TItemExpectation> OfJob(const TImageDesignFile& image, const TJob& job, const TJobEntries& entries,
                              const QDate& today);

// Every difference between the expectations and the rows of the printer's description (whose
// reading ended as end), in the order of the items; none when all match.
QList<TItemDifference> Compare(const QList<TItemExpectation>& expected, const QList<TImageItemRow>& rows,
                               TImageItemsEnd end);

// The rows the printer describes an item with (number: its place in the image, from 1).
QList<TImageItemRow> RowsOf(const QList<TImageItemRow>& rows, int number);

// Puts the values the printer shows into the image's items, for a preview of what it prints; the
// values of items the printer fills in (date, time, shift, counter) are returned by item number.
QMap<int, QString> TakeValues(TImageDesignFile& image, const QList<TImageItemRow>& rows);

} // namespace ReadBack
