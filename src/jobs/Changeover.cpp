#include "jobs/Changeover.h"

#include "coder/Coder.h"
#include "coder/PrinterModels.h"
#include "comm/CommChannel.h"
#include "images/ImageDesignFile.h"
#include "images/ItemPayload.h"
#include "jobs/JobFile.h"
#include "jobs/JobRules.h"
#include "jobs/JobTexts.h"
#include "platform/StationClock.h"
#include "station/Station.h"

#include <QJsonArray>

#include <algorithm>

namespace {

using Kind = TStationEventKind;

QJsonObject EntriesJson(const TJobEntries& entries)
{
    QJsonObject object;
    for (auto entry = entries.begin(); entry != entries.end(); ++entry)
        object.insert(entry.key(), TStationEvent::Bounded(entry.value()));
    return object;
}

bool SamePrinter(const TEventPrinter& a, const TEventPrinter& b)
{
    return a.Name == b.Name && a.Address == b.Address;
}

} // namespace

TChangeover::TChangeover(TStation& station, const TFontMap& fonts, QObject* parent)
    : QObject(parent), m_station(station), m_fonts(fonts)
{
    connect(&station, &TStation::ImageItemsRead, this, &TChangeover::OnItemsRead);
    connect(&station.Events(), &TStationEvents::Emitted, this, &TChangeover::OnEvent);
    connect(&station.Manager(), &TConnectionManager::Disconnecting, this,
            [this](TCommChannel& channel, TDisconnectCause) { OnPrinterLeaving(channel); });
    connect(&station.Manager(), &TConnectionManager::SelectionChanged, this, &TChangeover::OnSelectionChanged);
}

TChangeover::~TChangeover() = default;

bool TChangeover::IsWorking() const
{
    switch (m_state) {
    case TState::CheckingImage:
    case TState::SendingImage:
    case TState::ReadingItems:
    case TState::ReadingBack:
    case TState::Confirming:
    case TState::Starting:
        return true;
    default:
        return false;
    }
}

bool TChangeover::HasEnded() const
{
    return m_state == TState::Idle || m_state == TState::Printing || m_state == TState::Refused ||
           m_state == TState::Failed || m_state == TState::Cancelled;
}

QJsonArray TChangeover::DifferencesJson(const QList<TItemDifference>& differences)
{
    QJsonArray list;
    for (const TItemDifference& difference : differences)
        list.append(QJsonObject{{QStringLiteral("item"), difference.Item},
                                {QStringLiteral("expected"), TStationEvent::Bounded(difference.Expected)},
                                {QStringLiteral("found"), TStationEvent::Bounded(difference.Found)}});
    return list;
}

QString TChangeover::DifferencesText(const QList<TItemDifference>& differences)
{
    QStringList parts;
    for (const TItemDifference& difference : differences)
        parts << ChangeoverText(JobTexts::Difference).arg(difference.Item, difference.Expected, difference.Found);
    return parts.join(QStringLiteral("; "));
}

TCoder* TChangeover::Printer() const
{
    return m_printer ? &TCoder::Of(*m_printer) : nullptr;
}

QJsonObject TChangeover::Values(QJsonObject values) const
{
    values.insert(QStringLiteral("job"), TStationEvent::Bounded(m_job.Name));
    values.insert(QStringLiteral("file"), TStationEvent::Bounded(m_job.File));
    values.insert(QStringLiteral("productCode"), m_job.ProductCode);
    values.insert(QStringLiteral("image"), TStationEvent::Bounded(m_job.ImageName));
    return values;
}

void TChangeover::Record(TStationEventKind kind, QJsonObject values)
{
    m_station.Events().Emit(kind, m_eventPrinter, Values(std::move(values)));
}

void TChangeover::RecordCheck(const char* check, bool passed, QJsonObject values)
{
    values.insert(QStringLiteral("check"), QLatin1String(check));
    values.insert(QStringLiteral("passed"), passed);
    Record(Kind::ChangeoverCheck, std::move(values));
}

void TChangeover::SetState(TState state)
{
    m_state = state;
    emit StateChanged(state);
}

void TChangeover::End(TState state, const QString& problem)
{
    static constexpr std::pair<TState, const char*> outcomes[] = {{TState::Printing, "printing"},
                                                                  {TState::Refused, "refused"},
                                                                  {TState::Failed, "failed"},
                                                                  {TState::Cancelled, "cancelled"}};
    m_problem = problem;
    QJsonObject values;
    for (const auto& [ended, outcome] : outcomes)
        if (ended == state)
            values.insert(QStringLiteral("outcome"), QLatin1String(outcome));
    if (!problem.isEmpty())
        values.insert(QStringLiteral("reason"), TStationEvent::Bounded(problem));
    Record(Kind::ChangeoverEnded, values);
    SetState(state);
}

void TChangeover::Refuse(const char* check, const QString& problem)
{
    if (check)
        RecordCheck(check, false, {{QStringLiteral("reason"), TStationEvent::Bounded(problem)}});
    End(TState::Refused, problem);
}

void TChangeover::Fail(const QString& problem)
{
    End(TState::Failed, problem);
}

std::optional<QString> TChangeover::PrinterRefusal(const TCoder& printer) const
{
    const QString model = PrinterModels::Name(printer.Model);
    const bool modelFits = m_job.Models.isEmpty() || m_job.Models.contains(model);
    const bool nameFits = m_job.Printers.isEmpty() || m_job.Printers.contains(printer.PrinterName);
    if (modelFits && nameFits)
        return std::nullopt;
    const QString models = ChangeoverText(JobTexts::Models).arg(m_job.Models.join(QStringLiteral(", ")));
    const QString names = ChangeoverText(JobTexts::Names).arg(m_job.Printers.join(QStringLiteral(", ")));
    const QString allowed = m_job.Models.isEmpty()     ? names
                            : m_job.Printers.isEmpty() ? models
                                                       : ChangeoverText(JobTexts::ModelsAndNames).arg(models, names);
    return ChangeoverText(JobTexts::NotForPrinter).arg(printer.PrinterName, model, allowed);
}

std::optional<QString> TChangeover::EntryRefusal(const TJobEntries& entries) const
{
    // A value for an entry the job does not have is a mistake of the one who gave it.
    for (auto entry = entries.begin(); entry != entries.end(); ++entry)
        if (!std::any_of(m_job.Rules.begin(), m_job.Rules.end(), [&entry](const TJobRule& rule) {
                return rule.Kind == TRuleKind::Entry && rule.Name == entry.key();
            }))
            return ChangeoverText(JobTexts::NoSuchEntry).arg(entry.key());
    for (const TJobRule* rule : m_job.Entries()) {
        const auto entry = entries.constFind(rule->Name);
        const std::optional<QString> value =
            entry == entries.constEnd() ? std::nullopt : std::optional<QString>(*entry);
        if (auto problem = JobRules::EntryProblem(*rule, *m_image->Items.Item(rule->Item - 1), value))
            return problem;
    }
    return std::nullopt;
}

void TChangeover::Start(const TJob& job, const TJobEntries& entries)
{
    if (IsWorking())
        return;
    m_job = job;
    m_entries = entries;
    m_problem.clear();
    m_replacedBecause.clear();
    m_differences.clear();
    m_rows.clear();
    m_imageStored = false;
    TCoder* printer = nullptr;
    if (TCommChannel* selected = m_station.Manager().SelectedChannel())
        printer = &TCoder::Of(*selected);
    m_printer = printer ? &printer->Channel : nullptr;
    m_eventPrinter = printer ? TEventPrinter::Of(*printer) : TEventPrinter();
    Record(Kind::ChangeoverStarted, {{QStringLiteral("designFile"), TStationEvent::Bounded(job.DesignFile)}});
    if (!printer)
        return Refuse("printer", ChangeoverText(JobTexts::NoPrinter));
    if (const std::optional<QString> refusal = PrinterRefusal(*printer))
        return Refuse("printer", *refusal);
    if (printer->Printing || (printer->StatusWord & TCoder::PrintingBit))
        return Refuse("printer", ChangeoverText(JobTexts::PrinterPrinting).arg(printer->PrinterName));
    if (m_station.Batch().IsRunning())
        return Refuse("printer", ChangeoverText(JobTexts::TransferUnderWay));
    RecordCheck("printer", true);

    // The design file is read again: it may have changed since the job was read.
    auto design = JobFile::ReadDesign(job.DesignFile, m_fonts);
    if (const QString* problem = std::get_if<QString>(&design))
        return Refuse("job", *problem);
    m_image = std::move(std::get<std::unique_ptr<TImageDesignFile>>(design));
    TJob reread = job;
    if (std::optional<TJobError> error = JobFile::CheckAgainstImage(reread, *m_image))
        return Refuse("job", error->Text());
    if (reread.ImageName != job.ImageName)
        return Refuse("job", ChangeoverText(JobTexts::ImageChanged).arg(reread.ImageName, job.ImageName));
    if (const std::optional<QString> refusal = EntryRefusal(entries))
        return Refuse("entries", *refusal);
    RecordCheck("entries", true, {{QStringLiteral("entries"), EntriesJson(entries)}});

    if (printer->HasImage(job.ImageName))
        ReadItems(TState::CheckingImage);
    else
        SendImage("sent", ChangeoverText(JobTexts::NotHeld), {});
}

bool TChangeover::Correct(const TJobEntries& entries)
{
    if (m_state != TState::Ready && m_state != TState::Blocked)
        return false;
    if (const std::optional<QString> refusal = EntryRefusal(entries)) {
        m_problem = *refusal;
        return false;
    }
    m_entries = entries;
    m_problem.clear();
    RecordCheck("entries", true, {{QStringLiteral("entries"), EntriesJson(entries)}});
    ReadItems(TState::ReadingItems);
    return true;
}

void TChangeover::Confirm()
{
    if (m_state == TState::Ready)
        ReadItems(TState::Confirming);
}

void TChangeover::Cancel()
{
    if (!HasEnded())
        End(TState::Cancelled, {});
}

void TChangeover::ReadItems(TState state)
{
    SetState(state);
    m_station.RequestImageItems(m_job.ImageName);
}

// The image goes as a transfer sends it, replacing one of the same name without asking: the
// changeover has found that the printer's is not the job's.
void TChangeover::SendImage(const char* action, const QString& reason, const QList<TItemDifference>& differences)
{
    if (!differences.isEmpty())
        m_replacedBecause = reason;
    RecordCheck("image", false,
                {{QStringLiteral("action"), QLatin1String(action)},
                 {QStringLiteral("reason"), TStationEvent::Bounded(reason)},
                 {QStringLiteral("differences"), DifferencesJson(differences)}});
    SetState(TState::SendingImage);
    m_station.Batch().Start({m_job.DesignFile}, TTransferBatch::THeldImage::Replace);
}

// Each value goes only where the printer shows another: items already as the job wants them are
// left alone.
void TChangeover::ApplyValues()
{
    const QDate today = StationClock::Now().date();
    QJsonArray applied;
    for (const TJobRule& rule : m_job.Rules) {
        const TCoderImageItem& item = *m_image->Items.Item(rule.Item - 1);
        const std::optional<QString> value = JobRules::ValueFor(rule, item, m_entries, today);
        const QList<TImageItemRow> rows = ReadBack::RowsOf(m_rows, rule.Item);
        if (!value || rows.size() != 1)
            continue;
        const TImageItemRow& row = rows.first();
        const bool numeric = item.ItemType == ItemTypeCode::Number;
        const bool same = numeric ? ItemPayload::DecimalInt32(row.Value) == ItemPayload::DecimalInt32(*value)
                                  : row.Value == *value;
        if (!same)
            m_station.ModifyImage().SendItemValue({m_job.ImageName, row.Number, row.TypeName, row.Value}, *value);
        applied.append(QJsonObject{{QStringLiteral("item"), rule.Item},
                                   {QStringLiteral("rule"), JobRules::KindName(rule.Kind)},
                                   {QStringLiteral("value"), TStationEvent::Bounded(*value)},
                                   {QStringLiteral("sent"), !same}});
    }
    Record(Kind::ChangeoverValuesApplied,
           {{QStringLiteral("entries"), EntriesJson(m_entries)}, {QStringLiteral("values"), applied}});
    ReadItems(TState::ReadingBack);
}

void TChangeover::OnItemsRead(const QString& image, const QList<TImageItemRow>& rows, TImageItemsEnd end)
{
    if (image != m_job.ImageName || !IsWorking() || !Printer() || !Printer()->Selected)
        return;
    m_rows = rows;
    m_end = end;
    const QDate today = StationClock::Now().date();
    switch (m_state) {
    case TState::CheckingImage: {
        const QList<TItemDifference> differences = ReadBack::Compare(ReadBack::OfImage(*m_image, m_job), rows, end);
        if (differences.isEmpty()) {
            RecordCheck("image", true, {{QStringLiteral("action"), QStringLiteral("kept")}});
            return ApplyValues();
        }
        return SendImage("replaced", DifferencesText(differences), differences);
    }
    case TState::ReadingItems: {
        const QList<TItemDifference> differences = ReadBack::Compare(ReadBack::OfImage(*m_image, m_job), rows, end);
        if (!differences.isEmpty())
            return Fail(ChangeoverText(JobTexts::ImageNotAsSent).arg(DifferencesText(differences)));
        return ApplyValues();
    }
    case TState::ReadingBack:
    case TState::Confirming: {
        const bool confirming = m_state == TState::Confirming;
        m_differences = ReadBack::Compare(ReadBack::OfJob(*m_image, m_job, m_entries, today), rows, end);
        const bool passed = m_differences.isEmpty();
        RecordCheck(confirming ? "confirmation" : "values", passed,
                    {{QStringLiteral("differences"), DifferencesJson(m_differences)}});
        if (!passed)
            return SetState(TState::Blocked);
        if (!confirming)
            return SetState(TState::Ready);
        Record(Kind::ChangeoverConfirmed, {{QStringLiteral("entries"), EntriesJson(m_entries)}});
        SetState(TState::Starting);
        // Image B stays empty: nothing prints that the changeover has not checked.
        m_station.StartPrint(m_job.ImageName, QString());
        return;
    }
    default:
        return;
    }
}

void TChangeover::OnEvent(const TStationEvent& event)
{
    if (!IsWorking() || !SamePrinter(event.Printer, m_eventPrinter))
        return;
    const QString outcome = event.Values.value(QStringLiteral("outcome")).toString();
    if (m_state == TState::SendingImage && event.Kind == Kind::ImageTransfer) {
        if (outcome == QLatin1String("sent"))
            m_imageStored = true;
        else
            Fail(ChangeoverText(JobTexts::TransferEnded)
                     .arg(event.Values.value(QStringLiteral("reason")).toString(outcome)));
    } else if (m_state == TState::SendingImage && event.Kind == Kind::FlashWriteEnded && m_imageStored) {
        if (event.Values.value(QStringLiteral("written")).toBool())
            ReadItems(TState::ReadingItems);
        else
            Fail(ChangeoverText(JobTexts::FlashNotWritten));
    } else if (m_state == TState::Starting && event.Kind == Kind::PrintStarted) {
        End(TState::Printing, {});
    }
}

void TChangeover::OnPrinterLeaving(TCommChannel& channel)
{
    if (!HasEnded() && &channel == m_printer)
        Fail(ChangeoverText(JobTexts::PrinterGone));
}

void TChangeover::OnSelectionChanged()
{
    if (!HasEnded() && m_station.Manager().SelectedChannel() != m_printer)
        Fail(ChangeoverText(JobTexts::OtherPrinterSelected));
}
