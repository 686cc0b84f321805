// Reading a job file's text and checking its rules against a label of every kind of item, then
// what a changeover does with them: the operator's entries against their patterns (compiled from
// the file), the values the rules give, and the read-back against a printer that shows nothing.
// Whatever the file holds, reading must refuse it or give a job, and nothing may run away.
#include "images/DateItems.h"
#include "images/EAN128Items.h"
#include "images/EANUPCItems.h"
#include "images/ImageDesignFile.h"
#include "images/MemoItems.h"
#include "images/NumberItems.h"
#include "images/TextItems.h"
#include "jobs/JobFile.h"
#include "jobs/JobRules.h"
#include "jobs/ReadBack.h"

namespace {

const TImageDesignFile& Label()
{
    static const TImageDesignFile* label = [] {
        auto* image = new TImageDesignFile;
        image->ImageName = QStringLiteral("LABEL");
        image->Items.Append(QStringLiteral("TextItem"), std::make_unique<TextItem>());
        image->Items.Append(QStringLiteral("TextItem"), std::make_unique<TextItem>());
        image->Items.Append(QStringLiteral("DateItem"), std::make_unique<DateItem>());
        image->Items.Append(QStringLiteral("NumberItem"), std::make_unique<NumberItem>());
        auto barcode = std::make_unique<EAN13_Item>();
        barcode->Data = QStringLiteral("871234567890");
        image->Items.Append(QStringLiteral("BarcodeItem"), std::move(barcode));
        image->Items.Append(QStringLiteral("BarcodeItem"), std::make_unique<EAN128_Item>());
        image->Items.Append(QStringLiteral("MemoItem"), std::make_unique<MemoItem>());
        return image;
    }();
    return *label;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto parsed = JobFile::Parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                                 QStringLiteral("fuzz.json"));
    auto* job = std::get_if<TJob>(&parsed);
    if (!job || JobFile::CheckAgainstImage(*job, Label()))
        return 0;
    TJobEntries entries;
    for (const TJobRule* entry : job->Entries()) {
        const TCoderImageItem& item = *Label().Items.Item(entry->Item - 1);
        for (const QString& value : {QStringLiteral("L12345"), QStringLiteral("8712345678906"), QString()})
            if (!JobRules::EntryProblem(*entry, item, value))
                entries.insert(entry->Name, value);
    }
    const QDate today(2024, 12, 30);
    for (const TJobRule& rule : job->Rules)
        JobRules::ValueFor(rule, *Label().Items.Item(rule.Item - 1), entries, today);
    ReadBack::Compare(ReadBack::OfJob(Label(), *job, entries, today), {}, TImageItemsEnd::Complete);
    return 0;
}
