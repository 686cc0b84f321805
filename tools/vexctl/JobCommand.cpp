// vexctl job: a product's changeover from its job file, as the changeover window makes it.
#include "CommandSupport.h"
#include "Commands.h"
#include "ConsoleStation.h"

#include "comm/CommChannel.h"
#include "images/CoderImageItem.h"
#include "images/ImageDesignFile.h"
#include "jobs/Changeover.h"
#include "jobs/JobDirectory.h"
#include "jobs/JobFile.h"
#include "jobs/JobRules.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

using namespace Commands;

namespace {

QString RuleText(const TJobRule& rule)
{
    switch (rule.Kind) {
    case TRuleKind::Fixed:
        return QStringLiteral("fixed \"%1\"").arg(rule.Value);
    case TRuleKind::Entry:
        return QStringLiteral("entry %1 \"%2\", pattern %3, at most %4 characters")
            .arg(rule.Name, rule.Prompt, rule.Pattern)
            .arg(rule.MaxLength);
    case TRuleKind::Date:
        return QStringLiteral("today %1 %2 days").arg(rule.Days < 0 ? "-" : "+").arg(std::abs(rule.Days));
    case TRuleKind::Count:
        return rule.ResetCount ? QStringLiteral("count reset") : QStringLiteral("count kept");
    }
    return {};
}

QJsonObject RuleJson(const TJobRule& rule)
{
    QJsonObject object{{QStringLiteral("item"), rule.Item}, {QStringLiteral("rule"), JobRules::KindName(rule.Kind)}};
    switch (rule.Kind) {
    case TRuleKind::Fixed:
        object.insert(QStringLiteral("value"), rule.Value);
        break;
    case TRuleKind::Entry:
        object.insert(QStringLiteral("name"), rule.Name);
        object.insert(QStringLiteral("prompt"), rule.Prompt);
        object.insert(QStringLiteral("pattern"), rule.Pattern);
        object.insert(QStringLiteral("maxLength"), rule.MaxLength);
        break;
    case TRuleKind::Date:
        object.insert(QStringLiteral("days"), rule.Days);
        break;
    case TRuleKind::Count:
        object.insert(QStringLiteral("count"), rule.ResetCount ? QStringLiteral("reset") : QStringLiteral("keep"));
        break;
    }
    return object;
}

void PrintDifferences(const QList<TItemDifference>& differences)
{
    for (const TItemDifference& difference : differences)
        Err() << "item " << difference.Item << ": expected \"" << difference.Expected << "\", found \""
              << difference.Found << "\"" << Qt::endl;
}

// What a changeover that ended on the way tells a script.
int FailureCode(TConsoleStation& station)
{
    const TConsoleViews& views = station.Views();
    if (!station.Printer()->IsConnected())
        return ExitCode::NoAnswer;
    if (!views.TransferFailure.isEmpty())
        return ExitCode::TransferAborted;
    if (views.FlashWriteFailed)
        return ExitCode::FlashWriteFailed;
    return ExitCode::Refused;
}

} // namespace

int Commands::ReadJob(const QString& text, const TFontMap& fonts, TJob& job)
{
    const JobDirectory::TFoundJob found = JobDirectory::Find(JobDirectory::FromSettings(), text);
    if (!found.Problem.isEmpty()) {
        Err() << "vexctl: " << found.Problem << Qt::endl;
        return ExitCode::Usage;
    }
    auto read = JobFile::Read(found.File, fonts);
    if (const TJobError* error = std::get_if<TJobError>(&read)) {
        Err() << error->Text() << Qt::endl;
        return ExitCode::Refused;
    }
    job = std::get<TJob>(read);
    return ExitCode::Ok;
}

int Commands::JobCheck(const QString& text, const TFontMap& fonts, const TOptions& options, QTextStream& out)
{
    TJob job;
    if (const int read = ReadJob(text, fonts, job); read != ExitCode::Ok)
        return read;
    if (options.Json) {
        QJsonArray rules;
        for (const TJobRule& rule : job.Rules)
            rules.append(RuleJson(rule));
        const QJsonObject object{{QStringLiteral("file"), job.File},
                                 {QStringLiteral("productCode"), job.ProductCode},
                                 {QStringLiteral("name"), job.Name},
                                 {QStringLiteral("designFile"), job.DesignFile},
                                 {QStringLiteral("image"), job.ImageName},
                                 {QStringLiteral("models"), QJsonArray::fromStringList(job.Models)},
                                 {QStringLiteral("printers"), QJsonArray::fromStringList(job.Printers)},
                                 {QStringLiteral("items"), rules}};
        out << QJsonDocument(object).toJson(QJsonDocument::Compact) << Qt::endl;
        return ExitCode::Ok;
    }
    out << "Job:          " << job.Name << Qt::endl
        << "Product code: " << job.ProductCode << Qt::endl
        << "Design file:  " << QDir::toNativeSeparators(job.DesignFile) << " (image " << job.ImageName << ")"
        << Qt::endl
        << "Models:       " << (job.Models.isEmpty() ? QStringLiteral("any") : job.Models.join(QStringLiteral(", ")))
        << Qt::endl
        << "Printers:     "
        << (job.Printers.isEmpty() ? QStringLiteral("any") : job.Printers.join(QStringLiteral(", "))) << Qt::endl;
    for (const TJobRule& rule : job.Rules)
        out << "Item " << rule.Item << ":       " << RuleText(rule) << Qt::endl;
    return ExitCode::Ok;
}

int Commands::JobRun(TConsoleStation& station, const TJob& job, const TJobEntries& entries, const TFontMap& fonts,
                     const TOptions& options, QTextStream& out)
{
    TChangeover changeover(station.Station(), fonts);
    changeover.Start(job, entries);
    if (!station.Await([&changeover] { return !changeover.IsWorking(); }))
        return NoAnswer(QStringLiteral("during the changeover"));
    if (changeover.State() == TChangeover::TState::Ready) {
        // The script's run is the operator's confirmation.
        changeover.Confirm();
        if (!station.Await([&changeover] { return !changeover.IsWorking(); }))
            return NoAnswer(QStringLiteral("during the changeover"));
    }
    const TChangeover::TState state = changeover.State();
    int result = ExitCode::Ok;
    if (state == TChangeover::TState::Refused) {
        Err() << "vexctl: " << changeover.Problem() << Qt::endl;
        result = ExitCode::Refused;
    } else if (state == TChangeover::TState::Failed) {
        Err() << "vexctl: " << changeover.Problem() << Qt::endl;
        result = FailureCode(station);
    } else if (state == TChangeover::TState::Blocked) {
        PrintDifferences(changeover.Differences());
        Err() << "vexctl: the printer's items differ from the job's; printing was not started" << Qt::endl;
        result = ExitCode::Mismatch;
    }
    if (options.Json) {
        static const QMap<TChangeover::TState, QString> outcomes{{TChangeover::TState::Printing, "printing"},
                                                                 {TChangeover::TState::Refused, "refused"},
                                                                 {TChangeover::TState::Failed, "failed"},
                                                                 {TChangeover::TState::Blocked, "differences"}};
        QJsonObject object{{QStringLiteral("job"), job.Name},
                           {QStringLiteral("productCode"), job.ProductCode},
                           {QStringLiteral("image"), job.ImageName},
                           {QStringLiteral("outcome"), outcomes.value(state)},
                           {QStringLiteral("differences"), TChangeover::DifferencesJson(changeover.Differences())}};
        if (!changeover.Problem().isEmpty())
            object.insert(QStringLiteral("reason"), changeover.Problem());
        if (!changeover.ReplacedBecause().isEmpty())
            object.insert(QStringLiteral("imageReplacedBecause"), changeover.ReplacedBecause());
        out << QJsonDocument(object).toJson(QJsonDocument::Compact) << Qt::endl;
    } else if (state == TChangeover::TState::Printing) {
        if (!changeover.ReplacedBecause().isEmpty())
            out << "Image " << job.ImageName << " replaced: " << changeover.ReplacedBecause() << Qt::endl;
        out << "Printing " << job.ImageName << " for " << job.Name << " (" << job.ProductCode
            << "): every item matches the job" << Qt::endl;
    }
    return result;
}
