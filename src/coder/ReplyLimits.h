#pragma once

#include <QtGlobal>

class TXLMessage;

// What a printer can hold, and so the most that a report of it can carry. A report beyond these
// bounds is not a printer's: the station refuses it whole, so that a faulty or hostile peer cannot
// fill the windows with millions of names or rows, or freeze them while they sort and show them.
namespace ReplyLimits {

// Images one printer stores: the names of an image list.
inline constexpr qsizetype MaxImages = 1000;
// Characters of a name or a text the printer reports (its name, an image's name, its version, an
// item's value, an operator request's prompt).
inline constexpr qsizetype MaxTextLength = 255;
// Rows of an image's item report: its items, with the lines of multi-line texts and the elements
// of EAN-128 barcodes.
inline constexpr qsizetype MaxItemRows = 1024;

// The largest body a report of this kind can have; every report the station reads has a bound.
qsizetype MaxBodySize(const TXLMessage& message);
// Whether the report fits its kind's bounds.
bool Fits(const TXLMessage& message);

} // namespace ReplyLimits
