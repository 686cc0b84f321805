#pragma once

#include <QStringList>

class TConsoleStation;
class TFontMap;
class QTextStream;

// The commands of vexctl. Each returns the program's exit code.
namespace Commands {

struct TOptions
{
    bool Json = false;
    bool Overwrite = false;
    bool Verify = false; // send: files whose barcodes do not read back are passed over
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
// One discovery; with identify each printer port found is connected briefly for its identity.
int Discover(TConsoleStation& station, int collectMs, bool identify, const TOptions& options,
             QTextStream& out);

} // namespace Commands
