#include "jobs/JobFile.h"

#include "coder/PrinterModels.h"
#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/ImageData.h"
#include "jobs/JobRules.h"
#include "jobs/JobTexts.h"
#include "jobs/JsonKeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>

using JsonKeys::EntryPath;
using JsonKeys::FieldPath;

namespace {

// A field at fault and what is wrong with it.
struct TProblem
{
    QString Field;
    QString Text;
};
using TMaybeProblem = std::optional<TProblem>;

TMaybeProblem Problem(const QString& field, const char* text)
{
    return TProblem{field, JobText(text)};
}

// The first field of the object that the format does not have at this place.
TMaybeProblem UnknownField(const QJsonObject& object, const QString& path, const QStringList& known)
{
    for (auto field = object.begin(); field != object.end(); ++field)
        if (!known.contains(field.key()))
            return Problem(FieldPath(path, field.key()), JobTexts::UnknownField);
    return std::nullopt;
}

// A text field: required unless a default is given, at most maxLength characters.
TMaybeProblem ReadText(const QJsonObject& object, const QString& path, const QString& key, int maxLength,
                       QString& text, const std::optional<QString>& byDefault = std::nullopt)
{
    const QString field = FieldPath(path, key);
    const QJsonValue value = object.value(key);
    if (value.isUndefined() && byDefault) {
        text = *byDefault;
        return std::nullopt;
    }
    if (value.isUndefined())
        return Problem(field, JobTexts::Missing);
    if (!value.isString())
        return Problem(field, JobTexts::NotText);
    text = value.toString();
    if (text.size() > maxLength)
        return TProblem{field, JobText(JobTexts::TooLong).arg(maxLength)};
    return std::nullopt;
}

TMaybeProblem ReadNonEmptyText(const QJsonObject& object, const QString& path, const QString& key,
                               int maxLength, QString& text)
{
    if (TMaybeProblem problem = ReadText(object, path, key, maxLength, text))
        return problem;
    return text.isEmpty() ? Problem(FieldPath(path, key), JobTexts::Empty) : std::nullopt;
}

// A whole number from least to most; the default when the field is absent and one is given.
TMaybeProblem ReadWhole(const QJsonObject& object, const QString& path, const QString& key, int least, int most,
                        int& number, const std::optional<int>& byDefault = std::nullopt)
{
    const QString field = FieldPath(path, key);
    const QJsonValue value = object.value(key);
    if (value.isUndefined() && byDefault) {
        number = *byDefault;
        return std::nullopt;
    }
    if (value.isUndefined())
        return Problem(field, JobTexts::Missing);
    const double given = value.toDouble(std::nan(""));
    if (!value.isDouble() || !std::isfinite(given) || std::floor(given) != given)
        return Problem(field, JobTexts::NotWholeNumber);
    if (given < least || given > most)
        return TProblem{field, JobText(JobTexts::OutOfRange).arg(least).arg(most)};
    number = int(given);
    return std::nullopt;
}

// One of the names given.
TMaybeProblem ReadChoice(const QJsonObject& object, const QString& path, const QString& key,
                         const QStringList& choices, QString& chosen)
{
    if (TMaybeProblem problem = ReadText(object, path, key, JobFile::MaxTextLength, chosen))
        return problem;
    if (!choices.contains(chosen))
        return TProblem{FieldPath(path, key), JobText(JobTexts::NotOneOf).arg(choices.join(QLatin1String(", ")))};
    return std::nullopt;
}

// A list of texts, each of which check() may refuse.
TMaybeProblem ReadTextList(const QJsonObject& object, const QString& path, const QString& key, int maxLength,
                           QStringList& texts, const std::function<TMaybeProblem(const QString&, const QString&)>& check)
{
    const QString field = FieldPath(path, key);
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isArray())
        return Problem(field, JobTexts::NotList);
    const QJsonArray list = value.toArray();
    if (list.size() > JobFile::MaxPrinterEntries)
        return TProblem{field, JobText(JobTexts::TooMany).arg(JobFile::MaxPrinterEntries)};
    for (qsizetype index = 0; index < list.size(); ++index) {
        const QString entryField = EntryPath(field, index);
        if (!list[index].isString())
            return Problem(entryField, JobTexts::NotText);
        const QString text = list[index].toString();
        if (text.isEmpty())
            return Problem(entryField, JobTexts::Empty);
        if (text.size() > maxLength)
            return TProblem{entryField, JobText(JobTexts::TooLong).arg(maxLength)};
        if (TMaybeProblem problem = check(entryField, text))
            return problem;
        texts.append(text);
    }
    return std::nullopt;
}

QStringList ModelNames()
{
    QStringList names;
    for (quint8 model = PrinterModels::Altair; model < PrinterModels::NotReported; ++model)
        names << PrinterModels::Name(model);
    return names;
}

TMaybeProblem ReadPrinters(const QJsonObject& job, TJob& read)
{
    const QString field = QStringLiteral("printers");
    const QJsonValue value = job.value(field);
    if (value.isUndefined())
        return Problem(field, JobTexts::Missing);
    if (!value.isObject())
        return Problem(field, JobTexts::NotObject);
    const QJsonObject printers = value.toObject();
    if (TMaybeProblem problem = UnknownField(printers, field, {QStringLiteral("models"), QStringLiteral("names")}))
        return problem;
    const QStringList models = ModelNames();
    const auto isModel = [&models](const QString& entry, const QString& text) -> TMaybeProblem {
        if (models.contains(text))
            return std::nullopt;
        return TProblem{entry, JobText(JobTexts::NotOneOf).arg(models.join(QLatin1String(", ")))};
    };
    const auto isWire = [](const QString& entry, const QString& text) -> TMaybeProblem {
        return TXLMessage::IsWireString(text) ? std::nullopt : Problem(entry, JobTexts::NotWire);
    };
    if (TMaybeProblem problem =
            ReadTextList(printers, field, QStringLiteral("models"), JobFile::MaxTextLength, read.Models, isModel))
        return problem;
    if (TMaybeProblem problem = ReadTextList(printers, field, QStringLiteral("names"),
                                             JobFile::MaxPrinterNameLength, read.Printers, isWire))
        return problem;
    if (read.Models.isEmpty() && read.Printers.isEmpty())
        return Problem(field, JobTexts::NoPrinters);
    return std::nullopt;
}

TMaybeProblem ReadEntryRule(const QJsonObject& item, const QString& path, TJobRule& rule)
{
    static const QRegularExpression entryName(QStringLiteral("^[A-Za-z][A-Za-z0-9_-]*$"));
    if (TMaybeProblem problem = ReadNonEmptyText(item, path, QStringLiteral("name"), JobFile::MaxEntryNameLength, rule.Name))
        return problem;
    if (!entryName.match(rule.Name).hasMatch())
        return Problem(FieldPath(path, QStringLiteral("name")), JobTexts::NotEntryName);
    if (TMaybeProblem problem = ReadNonEmptyText(item, path, QStringLiteral("prompt"), JobFile::MaxTextLength, rule.Prompt))
        return problem;
    if (TMaybeProblem problem =
            ReadNonEmptyText(item, path, QStringLiteral("pattern"), JobFile::MaxPatternLength, rule.Pattern))
        return problem;
    rule.Expression.setPattern(QRegularExpression::anchoredPattern(rule.Pattern));
    if (!rule.Expression.isValid())
        return TProblem{FieldPath(path, QStringLiteral("pattern")),
                        JobText(JobTexts::BadPattern).arg(rule.Expression.errorString())};
    return ReadWhole(item, path, QStringLiteral("maxLength"), 1, JobRules::MaxValueLength, rule.MaxLength,
                     JobFile::DefaultEntryLength);
}

// The fields a rule of each kind has, besides "item" and "rule".
QStringList FieldsOf(TRuleKind kind)
{
    switch (kind) {
    case TRuleKind::Fixed:
        return {QStringLiteral("value")};
    case TRuleKind::Entry:
        return {QStringLiteral("name"), QStringLiteral("prompt"), QStringLiteral("pattern"), QStringLiteral("maxLength")};
    case TRuleKind::Date:
        return {QStringLiteral("days")};
    case TRuleKind::Count:
        return {QStringLiteral("count")};
    }
    return {};
}

TMaybeProblem ReadRule(const QJsonValue& value, const QString& path, TJobRule& rule)
{
    if (!value.isObject())
        return Problem(path, JobTexts::NotObject);
    const QJsonObject item = value.toObject();
    if (TMaybeProblem problem = ReadWhole(item, path, QStringLiteral("item"), 1, int(ImageData::MaxItems), rule.Item))
        return problem;
    QString kind;
    const QStringList kinds{QStringLiteral("fixed"), QStringLiteral("entry"), QStringLiteral("date"),
                            QStringLiteral("count")};
    if (TMaybeProblem problem = ReadChoice(item, path, QStringLiteral("rule"), kinds, kind))
        return problem;
    rule.Kind = *JobRules::KindFromName(kind);
    if (TMaybeProblem problem =
            UnknownField(item, path, QStringList{QStringLiteral("item"), QStringLiteral("rule")} + FieldsOf(rule.Kind)))
        return problem;
    switch (rule.Kind) {
    case TRuleKind::Fixed:
        return ReadText(item, path, QStringLiteral("value"), JobRules::MaxValueLength, rule.Value);
    case TRuleKind::Entry:
        return ReadEntryRule(item, path, rule);
    case TRuleKind::Date:
        return ReadWhole(item, path, QStringLiteral("days"), -JobFile::MaxDays, JobFile::MaxDays, rule.Days);
    case TRuleKind::Count: {
        QString count;
        const TMaybeProblem problem = ReadChoice(item, path, QStringLiteral("count"),
                                                 {QStringLiteral("reset"), QStringLiteral("keep")}, count);
        rule.ResetCount = count == QLatin1String("reset");
        return problem;
    }
    }
    return std::nullopt;
}

TMaybeProblem ReadRules(const QJsonObject& job, TJob& read)
{
    const QString field = QStringLiteral("items");
    const QJsonValue value = job.value(field);
    if (value.isUndefined())
        return std::nullopt; // a job may print its image as it is
    if (!value.isArray())
        return Problem(field, JobTexts::NotList);
    const QJsonArray items = value.toArray();
    if (items.size() > ImageData::MaxItems)
        return TProblem{field, JobText(JobTexts::TooMany).arg(ImageData::MaxItems)};
    for (qsizetype index = 0; index < items.size(); ++index) {
        const QString path = EntryPath(field, index);
        TJobRule rule;
        if (TMaybeProblem problem = ReadRule(items[index], path, rule))
            return problem;
        if (read.RuleFor(rule.Item))
            return TProblem{FieldPath(path, QStringLiteral("item")), JobText(JobTexts::RuleTwice).arg(rule.Item)};
        for (const TJobRule* entry : read.Entries())
            if (rule.Kind == TRuleKind::Entry && entry->Name == rule.Name)
                return TProblem{FieldPath(path, QStringLiteral("name")), JobText(JobTexts::EntryTwice).arg(rule.Name)};
        read.Rules.append(rule);
    }
    std::sort(read.Rules.begin(), read.Rules.end(),
              [](const TJobRule& a, const TJobRule& b) { return a.Item < b.Item; });
    return std::nullopt;
}

TMaybeProblem ReadJob(const QJsonObject& job, TJob& read)
{
    static const QRegularExpression productCode(QStringLiteral("^[A-Za-z0-9._-]+$"));
    if (TMaybeProblem problem = UnknownField(job, {},
                                             {QStringLiteral("productCode"), QStringLiteral("name"),
                                              QStringLiteral("designFile"), QStringLiteral("printers"),
                                              QStringLiteral("items")}))
        return problem;
    if (TMaybeProblem problem = ReadNonEmptyText(job, {}, QStringLiteral("productCode"),
                                                 JobFile::MaxProductCodeLength, read.ProductCode))
        return problem;
    if (!productCode.match(read.ProductCode).hasMatch())
        return Problem(QStringLiteral("productCode"), JobTexts::NotProductCode);
    if (TMaybeProblem problem = ReadNonEmptyText(job, {}, QStringLiteral("name"), JobFile::MaxTextLength, read.Name))
        return problem;
    if (TMaybeProblem problem =
            ReadNonEmptyText(job, {}, QStringLiteral("designFile"), JobFile::MaxPathLength, read.DesignFile))
        return problem;
    if (TMaybeProblem problem = ReadPrinters(job, read))
        return problem;
    return ReadRules(job, read);
}

TJobError ErrorOf(const QString& file, const TProblem& problem)
{
    return {file, problem.Field, problem.Text};
}

// The file's bytes, read only up to the bound.
std::variant<QByteArray, QString> ReadBounded(const QString& file, qint64 maxSize)
{
    const QFileInfo info(file);
    if (!info.exists())
        return JobText(JobTexts::NoDesignFile).arg(QDir::toNativeSeparators(file));
    QFile input(file);
    if (!info.isFile() || !input.open(QIODevice::ReadOnly))
        return JobText(JobTexts::CannotRead).arg(info.isFile() ? input.errorString() : QStringLiteral("not a file"));
    const QByteArray bytes = input.read(maxSize + 1);
    if (bytes.size() > maxSize)
        return JobText(JobTexts::TooLarge).arg(maxSize);
    return bytes;
}

} // namespace

const TJobRule* TJob::RuleFor(int item) const
{
    for (const TJobRule& rule : Rules)
        if (rule.Item == item)
            return &rule;
    return nullptr;
}

QList<const TJobRule*> TJob::Entries() const
{
    QList<const TJobRule*> entries;
    for (const TJobRule& rule : Rules)
        if (rule.Kind == TRuleKind::Entry)
            entries.append(&rule);
    return entries;
}

QString TJobError::Text() const
{
    const QString file = QDir::toNativeSeparators(File);
    return Field.isEmpty() ? JobText(JobTexts::RefusedWhole).arg(file, Problem)
                           : JobText(JobTexts::Refused).arg(file, Field, Problem);
}

namespace JobFile {

std::variant<TJob, TJobError> Parse(const QByteArray& text, const QString& file)
{
    if (text.size() > MaxFileSize)
        return TJobError{file, {}, JobText(JobTexts::TooLarge).arg(MaxFileSize)};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        return TJobError{file, {}, JobText(JobTexts::NotJson).arg(error.errorString()).arg(error.offset)};
    if (!document.isObject())
        return TJobError{file, {}, JobText(JobTexts::NotObject)};
    if (const std::optional<QString> twice = JsonKeys::FirstDuplicate(text))
        return TJobError{file, *twice, JobText(JobTexts::TwiceField)};
    TJob job;
    job.File = file;
    if (TMaybeProblem problem = ReadJob(document.object(), job))
        return ErrorOf(file, *problem);
    return job;
}

std::optional<TJobError> CheckAgainstImage(TJob& job, const TImageDesignFile& image)
{
    job.ImageName = image.ImageName;
    for (qsizetype index = 0; index < job.Rules.size(); ++index) {
        const TJobRule& rule = job.Rules[index];
        const QString path = EntryPath(QStringLiteral("items"), index);
        const QString itemField = FieldPath(path, QStringLiteral("item"));
        if (rule.Item > image.Items.Count())
            return TJobError{job.File, itemField,
                             JobText(JobTexts::NoSuchItem).arg(image.ImageName).arg(rule.Item).arg(image.Items.Count())};
        const TCoderImageItem& item = *image.Items.Item(rule.Item - 1);
        if (const std::optional<QString> misfit = JobRules::Misfit(rule, item, rule.Item))
            return TJobError{job.File, FieldPath(path, QStringLiteral("rule")), *misfit};
        if (rule.Kind == TRuleKind::Fixed)
            if (const std::optional<QString> problem = JobRules::ValueProblem(item, rule.Item, rule.Value))
                return TJobError{job.File, FieldPath(path, QStringLiteral("value")), *problem};
    }
    return std::nullopt;
}

std::variant<std::unique_ptr<TImageDesignFile>, QString> ReadDesign(const QString& designFile, const TFontMap& fonts)
{
    const auto bytes = ReadBounded(designFile, MaxDesignFileSize);
    if (const QString* problem = std::get_if<QString>(&bytes))
        return *problem;
    TBinaryFileStream stream(std::get<QByteArray>(bytes));
    auto image = std::make_unique<TImageDesignFile>();
    const QString shownName = QFileInfo(designFile).fileName();
    std::optional<TImageError> error = image->Read(stream);
    // The station sends the image only when it can build its message.
    TXLMessage message(XLSend::ImageData);
    if (!error)
        error = ImageData::WriteBody(message, *image, fonts);
    if (error)
        return JobText(JobTexts::DesignFileRefused).arg(shownName, ImageErrorText(*error, shownName, image->ImageName));
    return image;
}

std::variant<TJob, TJobError> Read(const QString& file, const TFontMap& fonts)
{
    const QString absolute = QFileInfo(file).absoluteFilePath();
    const auto bytes = ReadBounded(absolute, MaxFileSize);
    if (const QString* problem = std::get_if<QString>(&bytes))
        return TJobError{absolute, {}, *problem};
    auto parsed = Parse(std::get<QByteArray>(bytes), absolute);
    if (std::holds_alternative<TJobError>(parsed))
        return parsed;
    TJob& job = std::get<TJob>(parsed);
    job.DesignFile = QDir::cleanPath(QFileInfo(absolute).dir().absoluteFilePath(job.DesignFile));
    auto design = ReadDesign(job.DesignFile, fonts);
    if (const QString* problem = std::get_if<QString>(&design))
        return TJobError{absolute, QStringLiteral("designFile"), *problem};
    if (std::optional<TJobError> error = CheckAgainstImage(job, *std::get<std::unique_ptr<TImageDesignFile>>(design)))
        return *error;
    return parsed;
}

} // namespace JobFile
