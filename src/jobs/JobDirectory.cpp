#include "jobs/JobDirectory.h"

#include "jobs/JobFile.h"
#include "jobs/JobTexts.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace JobDirectory {

QString FromSettings()
{
    const QString folder = SettingsStore::Value(QLatin1String(SettingsStore::JobsDirectory)).toString();
    return folder.isEmpty() ? QDir(SettingsStore::DataFolder()).filePath(QStringLiteral("jobs")) : folder;
}

QList<TListedJob> List(const QString& folder)
{
    QList<TListedJob> listed;
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files.mid(0, MaxJobFiles)) {
        TListedJob entry{file.absoluteFilePath(), std::nullopt, {}};
        QFile input(entry.File);
        if (file.size() > JobFile::MaxFileSize) {
            entry.Problem = TJobError{entry.File, {}, JobText(JobTexts::TooLarge).arg(JobFile::MaxFileSize)}.Text();
        } else if (!input.open(QIODevice::ReadOnly)) {
            entry.Problem = TJobError{entry.File, {}, JobText(JobTexts::CannotRead).arg(input.errorString())}.Text();
        } else {
            auto parsed = JobFile::Parse(input.read(JobFile::MaxFileSize + 1), entry.File);
            if (auto* job = std::get_if<TJob>(&parsed))
                entry.Job = std::move(*job);
            else
                entry.Problem = std::get<TJobError>(parsed).Text();
        }
        listed.append(entry);
    }
    return listed;
}

TFoundJob Find(const QString& folder, const QString& text)
{
    if (QFileInfo(text).isFile())
        return {QFileInfo(text).absoluteFilePath(), {}};
    QStringList byCode;
    QString byName;
    for (const TListedJob& listed : List(folder)) {
        const QFileInfo file(listed.File);
        if (file.fileName() == text || file.completeBaseName() == text)
            byName = listed.File;
        if (listed.Job && listed.Job->ProductCode == text)
            byCode << listed.File;
    }
    if (byCode.size() > 1) {
        QStringList names;
        for (const QString& file : byCode)
            names << QFileInfo(file).fileName();
        return {{}, JobText(JobTexts::SeveralJobs).arg(QDir::toNativeSeparators(folder), text, names.join(QStringLiteral(", ")))};
    }
    if (byCode.size() == 1)
        return {byCode.first(), {}};
    if (!byName.isEmpty())
        return {byName, {}};
    return {{}, JobText(JobTexts::NoJob).arg(QDir::toNativeSeparators(folder), text)};
}

} // namespace JobDirectory
