#pragma once

#include "jobs/Job.h"

#include <QDateTime>
#include <QStringList>

#include <memory>
#include <optional>

class TConsoleStation;
class TConsoleViews;
class TFontMap;
class THistoryStore;
class QTextStream;

// The commands of vexctl. Each returns the program's exit code.
namespace Commands {

struct TOptions
{
    bool Json = false;
    bool Overwrite = false;
    bool Verify = false;               // send: files whose barcodes do not read back are passed over
    std::optional<QDateTime> ClockSet; // clock --set
    bool ClockSync = false;            // clock --sync
};

int Encode(const QString& file, const TFontMap& fonts, const QString& outputFile);
// Draws the file into a PNG (scale pixels per printer dot) and lists its items and the read-back
// of its barcodes.
int Preview(const QString& file, const TFontMap& fonts, const QString& outputFile, int scale,
            const TOptions& options, QTextStream& out);
int Status(TConsoleStation& station, const TOptions& options, QTextStream& out);
int Images(TConsoleStation& station, const TOptions& options, QTextStream& out);
int Send(TConsoleStation& station, const QStringList& files, const TOptions& options);
int Print(TConsoleStation& station, const QString& imageA, const QString& imageB);
int Stop(TConsoleStation& station);
// Names the station would not offer for deletion are reported and passed over.
int Delete(TConsoleStation& station, QStringList names);
// params show|set NAME=VALUE...|save FILE|load FILE. ParamsUsage says what is wrong with the
// arguments, nothing when they are right.
QString ParamsUsage(const QStringList& arguments);
int Params(TConsoleStation& station, const QStringList& arguments, const TOptions& options, QTextStream& out);
// Shows the printer's clock, or sets it (--set, --sync) where it differs.
int Clock(TConsoleStation& station, const TOptions& options, QTextStream& out);
// "YYYY-MM-DD HH:MM"; none when the text is no such date and time.
std::optional<QDateTime> ParseClockSetting(const QString& text);
// The items of a stored image as the printer describes them.
int Items(TConsoleStation& station, const QString& image, const TOptions& options, QTextStream& out);
// Gives an item a new value, then confirms it in the printer's description.
int Modify(TConsoleStation& station, const QString& image, const QString& item, const QString& value);
// One discovery; with identify each printer port found is connected briefly for its identity.
int Discover(TConsoleStation& station, int collectMs, bool identify, const TOptions& options,
             QTextStream& out);

// Reads the job a text names (a job file, or a product code or name in the jobs folder) with its
// design file: an exit code, and the job when it is 0.
int ReadJob(const QString& text, const TFontMap& fonts, TJob& job);
// job check: the job as read, or why it is refused.
int JobCheck(const QString& text, const TFontMap& fonts, const TOptions& options, QTextStream& out);
// job run: the job's changeover on the printer with the script's entries; printing starts only when
// every item the printer shows matches the job.
int JobRun(TConsoleStation& station, const TJob& job, const TJobEntries& entries, const TFontMap& fonts,
           const TOptions& options, QTextStream& out);

// Which rows of the history to list, and how.
struct THistoryQuery
{
    QString Printer;
    QString Kind;
    QDateTime Since;
    bool Json = false;
    bool Csv = false;
};
// history [verify]: the rows of the station's history, oldest first, or the check of its chain.
int History(const QStringList& arguments, const THistoryQuery& query, QTextStream& out);
// "2024-03-05", "2024-03-05T10:00", "2024-03-05T09:00:00Z" ...; none when the text is no time.
std::optional<QDateTime> ParseHistoryTime(const QString& text);
// Records everything a run does to its printer, in the station's history; made before the run's
// stations, its end waits until the events are written. A history that cannot be written is said
// once on standard error, and the run goes on.
class THistoryRun
{
public:
    explicit THistoryRun(TConsoleViews& views);
    ~THistoryRun();
    THistoryRun(const THistoryRun&) = delete;
    THistoryRun& operator=(const THistoryRun&) = delete;

private:
    std::unique_ptr<THistoryStore> m_store;
};

} // namespace Commands
