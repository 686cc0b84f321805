#pragma once

#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// How a job sets one item of its image at a changeover.
enum class TRuleKind
{
    Fixed, // a value the job gives
    Entry, // a value the operator enters, matching a pattern
    Date,  // today plus a number of days, as the item shows dates
    Count, // a counter reset to its start value, or kept as the printer has it
};

struct TJobRule
{
    int Item = 0; // the item's place in the image, from 1, as the printer numbers it
    TRuleKind Kind = TRuleKind::Fixed;
    QString Value; // Fixed
    // Entry: the name scripts give its value by, the operator's prompt, the pattern as written, the
    // same anchored to the whole value, and the longest value taken.
    QString Name;
    QString Prompt;
    QString Pattern;
    QRegularExpression Expression;
    int MaxLength = 0;
    int Days = 0;            // Date
    bool ResetCount = false; // Count: reset (true) or keep
};

// One product's changeover: which image it prints, on which printers, and how each variable item of
// the image is set. Read from a job file and checked against its design file.
struct TJob
{
    QString File; // the job file, absolute
    QString ProductCode;
    QString Name;
    QString DesignFile; // absolute
    QString ImageName;  // the design file's image
    QStringList Models; // printer model names; empty: any model
    QStringList Printers; // printer names; empty: any name
    QList<TJobRule> Rules; // in the order of their items

    const TJobRule* RuleFor(int item) const;
    QList<const TJobRule*> Entries() const;
};

// The operator's entries, by the entry's name.
using TJobEntries = QMap<QString, QString>;

// Why a job file is refused: the file, the field at fault ("items[2].pattern"; empty for the file
// as a whole) and the problem, in the station's words.
struct TJobError
{
    QString File;
    QString Field;
    QString Problem;

    QString Text() const;
};
