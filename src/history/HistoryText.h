#pragma once

#include <QString>

struct THistoryRow;

// A row of the history as text: for the History window's cells, and as a line of CSV (the window's
// export and vexctl history --csv write the same).
namespace HistoryText {

// The event's values in one line: "image=LABEL; outcome=sent; size=1234".
QString Details(const THistoryRow& row);
// "window", "vexctl", "remote (client)".
QString Source(const THistoryRow& row);
// The time in the offset it happened in: "2024-03-05 10:00:00".
QString LocalTime(const THistoryRow& row);

QString CsvHeader();
// One line, without its line end. Cells a spreadsheet would take for a formula ("=...", "+...",
// "-...", "@...") start with an apostrophe: names come from printers and files.
QString CsvLine(const THistoryRow& row);

} // namespace HistoryText
