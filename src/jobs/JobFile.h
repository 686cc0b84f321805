#pragma once

#include "jobs/Job.h"

#include <QByteArray>

#include <memory>
#include <variant>

class TFontMap;
class TImageDesignFile;

// Job files: one JSON object per product, read strictly. A field the format does not have, a value of
// the wrong kind or beyond its bounds, a design file that is missing or that the station would not
// send, an item the image does not have and a rule that does not fit its item's type are refused,
// naming the file and the field.
//
//     {"productCode": "04006381333931", "name": "Crate 12 kg", "designFile": "CRATE.Vega",
//      "printers": {"models": ["Vega"], "names": ["LINE2"]},
//      "items": [{"item": 1, "rule": "fixed", "value": "APPLES"},
//                {"item": 2, "rule": "entry", "name": "lot", "prompt": "Lot number",
//                 "pattern": "L[0-9]{5}", "maxLength": 6},
//                {"item": 3, "rule": "date", "days": 180},
//                {"item": 4, "rule": "count", "count": "reset"}]}
namespace JobFile {

inline constexpr qint64 MaxFileSize = 64 * 1024;
inline constexpr qint64 MaxDesignFileSize = 16 * 1024 * 1024;
inline constexpr int MaxProductCodeLength = 64;
inline constexpr int MaxTextLength = 200;     // a name, a prompt
inline constexpr int MaxPathLength = 1024;    // the design file as written
inline constexpr int MaxPrinterEntries = 100; // models and names
inline constexpr int MaxPrinterNameLength = 64;
inline constexpr int MaxEntryNameLength = 32;
inline constexpr int MaxPatternLength = 200;
inline constexpr int DefaultEntryLength = 64;
inline constexpr int MaxDays = 3660;

// The fields of a job file's text (file names it in refusals), without its design file: DesignFile
// is as written and ImageName is empty.
std::variant<TJob, TJobError> Parse(const QByteArray& text, const QString& file);

// Reads the job file and checks it against its design file, found relative to the job file's
// folder: the station must send its image (fonts as a transfer maps them) and every rule must fit
// its item.
std::variant<TJob, TJobError> Read(const QString& file, const TFontMap& fonts);

// The rules of a parsed job against the image of its design file; sets ImageName.
std::optional<TJobError> CheckAgainstImage(TJob& job, const TImageDesignFile& image);

// The design file of a job that was read, read again: for a changeover and its preview.
std::variant<std::unique_ptr<TImageDesignFile>, QString> ReadDesign(const QString& designFile,
                                                                     const TFontMap& fonts);

} // namespace JobFile
