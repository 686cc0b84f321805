#pragma once

#include "jobs/Job.h"

#include <optional>

// The folder of job files (settings value JOBS_DIRECTORY): every "*.json" file in it is one job.
namespace JobDirectory {

inline constexpr int MaxJobFiles = 1000;

// The folder the settings name, or "jobs" in the station's data folder.
QString FromSettings();

// A job file of the folder with its fields (its design file not read), or why it is refused.
struct TListedJob
{
    QString File;
    std::optional<TJob> Job;
    QString Problem;
};
// The job files of the folder by file name, at most MaxJobFiles of them.
QList<TListedJob> List(const QString& folder);

// The job file a text names: a path to a file; otherwise, in the folder, the job with that product
// code or that file name (with or without ".json"). Problem says why none is found, or that
// several jobs have that product code.
struct TFoundJob
{
    QString File;
    QString Problem;
};
TFoundJob Find(const QString& folder, const QString& text);

} // namespace JobDirectory
