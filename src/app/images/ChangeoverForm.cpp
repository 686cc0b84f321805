#include "app/images/ChangeoverForm.h"

#include "ui_ChangeoverForm.h"

#include "app/preview/LabelPictureView.h"
#include "coder/PrinterModels.h"
#include "images/CoderImageItem.h"
#include "images/ImageDesignFile.h"
#include "jobs/JobFile.h"
#include "jobs/JobRules.h"
#include "jobs/JobTexts.h"
#include "preview/LabelPreview.h"
#include "station/Station.h"
#include "widgets/PlainText.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>

namespace {

// The room the window asks for at first; it is the operator's to resize.
constexpr QSize InitialSize{760, 680};
constexpr int PictureShare = 3;
constexpr int DifferencesShare = 1;

// A problem is red, like a finding on the label; otherwise the label takes its window's colours.
void ColourAsProblem(QLabel& label, bool problem)
{
    QPalette palette;
    if (problem)
        palette.setColor(QPalette::WindowText, TLabelPictureView::FindingColour);
    label.setPalette(palette);
}

} // namespace

TChangeoverForm::TChangeoverForm(const TFontMap& fonts, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TChangeoverForm>()), m_fonts(fonts)
{
    PlainText::SetupForm(*m_ui, this);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowModality(Qt::WindowModal);
    resize(InitialSize);
    m_ui->splitter->setStretchFactor(0, PictureShare);
    m_ui->splitter->setStretchFactor(1, DifferencesShare);
    m_ui->differencesTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_ui->pictureView->viewport()->setAccessibleName(m_ui->pictureView->accessibleName());

    connect(m_ui->productCodeEdit, &QLineEdit::returnPressed, this,
            [this] { ChooseProductCode(m_ui->productCodeEdit->text()); });
    connect(m_ui->jobCombo, &QComboBox::currentIndexChanged, this, &TChangeoverForm::JobChosen);
    connect(m_ui->checkButton, &QPushButton::clicked, this, &TChangeoverForm::CheckClick);
    connect(m_ui->startButton, &QPushButton::clicked, this, &TChangeoverForm::StartClick);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &TChangeoverForm::CancelClick);
    ShowDesignState();
}

TChangeoverForm::~TChangeoverForm() = default;

void TChangeoverForm::Attach(TStation& station)
{
    m_station = &station;
    m_changeover = std::make_unique<TChangeover>(station, m_fonts);
    connect(m_changeover.get(), &TChangeover::StateChanged, this, &TChangeoverForm::ChangeoverStateChanged);
    connect(&station.Manager(), &TConnectionManager::SelectionChanged, this, &TChangeoverForm::UpdateButtons);
}

void TChangeoverForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    m_ui->pictureView->viewport()->setAccessibleName(m_ui->pictureView->accessibleName());
    if (m_changeover && m_changeover->IsWorking())
        return;
    const int chosen = m_ui->jobCombo->currentIndex();
    ShowDesignState();
    if (isVisible()) {
        ListJobs();
        m_ui->jobCombo->setCurrentIndex(chosen);
    }
}

void TChangeoverForm::ShowDesignState()
{
    m_job.reset();
    m_image.reset();
    ClearEntries();
    m_ui->jobCombo->setPlaceholderText(tr("Choose a job"));
    m_ui->imageValue->clear();
    m_ui->pictureCaption->clear();
    m_ui->pictureView->Clear();
    m_ui->barcodesLabel->clear();
    ShowDifferences({});
    ShowStatus(tr("Scan the product's barcode, or choose its job."));
    UpdateButtons();
}

void TChangeoverForm::ShowWindow()
{
    if (m_changeover && !m_changeover->IsWorking()) {
        ShowDesignState();
        ListJobs();
    }
    show();
    raise();
    activateWindow();
    m_ui->productCodeEdit->setFocus();
}

// Every job file of the folder: the jobs by name and product code, a refused file by its name.
void TChangeoverForm::ListJobs()
{
    m_folder = JobDirectory::FromSettings();
    m_listed = JobDirectory::List(m_folder);
    const QSignalBlocker blocker(m_ui->jobCombo);
    m_ui->jobCombo->clear();
    for (const JobDirectory::TListedJob& listed : std::as_const(m_listed))
        m_ui->jobCombo->addItem(listed.Job ? tr("%1 (%2)").arg(listed.Job->Name, listed.Job->ProductCode)
                                           : tr("%1 (refused)").arg(QFileInfo(listed.File).fileName()));
    m_ui->jobCombo->setCurrentIndex(-1);
    if (m_listed.isEmpty())
        ShowStatus(tr("There are no job files in %1.").arg(QDir::toNativeSeparators(m_folder)), true);
}

bool TChangeoverForm::ChooseProductCode(const QString& code)
{
    const JobDirectory::TFoundJob found = JobDirectory::Find(m_folder, code.trimmed());
    const auto listed = std::find_if(m_listed.begin(), m_listed.end(),
                                     [&found](const JobDirectory::TListedJob& job) { return job.File == found.File; });
    if (!found.Problem.isEmpty() || listed == m_listed.end()) {
        m_ui->jobCombo->setCurrentIndex(-1);
        ShowStatus(found.Problem.isEmpty() ? JobText(JobTexts::NoJob).arg(QDir::toNativeSeparators(m_folder), code)
                                           : found.Problem,
                   true);
        m_ui->productCodeEdit->selectAll();
        return false;
    }
    m_ui->jobCombo->setCurrentIndex(int(listed - m_listed.begin()));
    if (!m_entries.isEmpty())
        m_entries.first().Field->setFocus();
    else
        m_ui->checkButton->setFocus();
    return true;
}

void TChangeoverForm::JobChosen(int index)
{
    const int kept = index;
    ShowDesignState();
    if (kept < 0 || kept >= m_listed.size())
        return;
    {
        const QSignalBlocker blocker(m_ui->jobCombo);
        m_ui->jobCombo->setCurrentIndex(kept);
    }
    auto read = JobFile::Read(m_listed[kept].File, m_fonts);
    if (const TJobError* error = std::get_if<TJobError>(&read))
        return ShowStatus(error->Text(), true);
    auto design = JobFile::ReadDesign(std::get<TJob>(read).DesignFile, m_fonts);
    if (const QString* problem = std::get_if<QString>(&design))
        return ShowStatus(*problem, true);
    m_job = std::get<TJob>(read);
    m_image = std::move(std::get<std::unique_ptr<TImageDesignFile>>(design));
    m_ui->productCodeEdit->setText(m_job->ProductCode);
    QStringList printers = m_job->Models;
    printers += m_job->Printers;
    m_ui->imageValue->setText(tr("%1 from %2, for %3")
                                  .arg(m_job->ImageName, QFileInfo(m_job->DesignFile).fileName(),
                                       printers.join(QStringLiteral(", "))));
    BuildEntries();
    ShowLabel(nullptr);
    ShowStatus(m_entries.isEmpty() ? tr("Press Check: the station checks the printer against the job.")
                                   : tr("Fill in the entries, then press Check."));
    UpdateButtons();
}

void TChangeoverForm::ClearEntries()
{
    for (const TEntryField& entry : std::as_const(m_entries))
        m_ui->entriesLayout->removeRow(entry.Prompt);
    m_entries.clear();
    m_ui->entriesBox->setVisible(false);
}

// One field per entry of the job, with its prompt, and below it why its value is not taken.
void TChangeoverForm::BuildEntries()
{
    ClearEntries();
    for (const TJobRule* rule : m_job->Entries()) {
        TEntryField entry{rule, new QLabel(rule->Prompt + QLatin1Char(':')), new QLineEdit, new QLabel};
        entry.Prompt->setTextFormat(Qt::PlainText);
        entry.Prompt->setBuddy(entry.Field);
        entry.Field->setMaxLength(rule->MaxLength);
        entry.Field->setObjectName(QStringLiteral("entry_") + rule->Name);
        // The label is not beside the field in one parent, where screen readers look for a buddy.
        entry.Field->setAccessibleName(rule->Prompt);
        entry.Problem->setTextFormat(Qt::PlainText);
        entry.Problem->setWordWrap(true);
        entry.Problem->setVisible(false);
        auto* field = new QWidget;
        auto* layout = new QVBoxLayout(field);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(entry.Field);
        layout->addWidget(entry.Problem);
        m_ui->entriesLayout->addRow(entry.Prompt, field);
        ColourAsProblem(*entry.Problem, true);
        connect(entry.Field, &QLineEdit::textChanged, this, &TChangeoverForm::UpdateButtons);
        connect(entry.Field, &QLineEdit::returnPressed, this, [this] {
            if (m_ui->checkButton->isEnabled())
                CheckClick();
        });
        m_entries.append(entry);
    }
    m_ui->entriesBox->setVisible(!m_entries.isEmpty());
}

QLineEdit* TChangeoverForm::EntryField(const QString& name) const
{
    for (const TEntryField& entry : m_entries)
        if (entry.Rule->Name == name)
            return entry.Field;
    return nullptr;
}

TJobEntries TChangeoverForm::EnteredValues() const
{
    TJobEntries values;
    for (const TEntryField& entry : m_entries)
        values.insert(entry.Rule->Name, entry.Field->text());
    return values;
}

// Each entry's field says why its value is not taken; an empty field says nothing yet.
bool TChangeoverForm::EntriesTaken()
{
    bool taken = true;
    for (const TEntryField& entry : std::as_const(m_entries)) {
        const QString value = entry.Field->text();
        const std::optional<QString> problem =
            value.isEmpty() ? std::nullopt
                            : JobRules::EntryProblem(*entry.Rule, *m_image->Items.Item(entry.Rule->Item - 1), value);
        entry.Problem->setText(problem.value_or(QString()));
        entry.Problem->setVisible(problem.has_value());
        entry.Field->setAccessibleDescription(problem.value_or(QString()));
        taken = taken && !value.isEmpty() && !problem;
    }
    return taken;
}

void TChangeoverForm::CheckClick()
{
    if (!m_job || !m_changeover)
        return;
    const TChangeover::TState state = m_changeover->State();
    const bool sameJob = m_changeover->Job().File == m_job->File;
    if (sameJob && (state == TChangeover::TState::Ready || state == TChangeover::TState::Blocked)) {
        if (!m_changeover->Correct(EnteredValues()))
            ShowStatus(m_changeover->Problem(), true);
        return;
    }
    m_changeover->Start(*m_job, EnteredValues());
}

void TChangeoverForm::StartClick()
{
    if (m_changeover)
        m_changeover->Confirm();
}

void TChangeoverForm::CancelClick()
{
    if (m_changeover && !m_changeover->HasEnded())
        m_changeover->Cancel();
    else
        reject();
}

void TChangeoverForm::reject()
{
    if (m_changeover && !m_changeover->HasEnded())
        m_changeover->Cancel();
    QDialog::reject();
}

QString TChangeoverForm::StateText() const
{
    using TState = TChangeover::TState;
    const TJob& job = m_changeover->Job();
    switch (m_changeover->State()) {
    case TState::Idle:
        return {};
    case TState::CheckingImage:
        return tr("Comparing the printer's image %1 with the job's...").arg(job.ImageName);
    case TState::SendingImage:
        return tr("Sending the image %1 to the printer...").arg(job.ImageName);
    case TState::ReadingItems:
        return tr("Reading the printer's items...");
    case TState::ReadingBack:
        return tr("Reading the items back from the printer...");
    case TState::Ready:
        return tr("Every item matches the job: press Start to print.");
    case TState::Blocked:
        return tr("Items differ from the job (%1): Start is blocked. Correct the entries and check again, "
                  "or cancel.")
            .arg(m_changeover->Differences().size());
    case TState::Confirming:
        return tr("Reading the items once more before printing...");
    case TState::Starting:
        return tr("Starting the printer...");
    case TState::Printing:
        return tr("Printing %1 for %2 (%3).").arg(job.ImageName, job.Name, job.ProductCode);
    case TState::Refused:
    case TState::Failed:
        return m_changeover->Problem();
    case TState::Cancelled:
        return tr("The changeover was cancelled.");
    }
    return {};
}

void TChangeoverForm::ChangeoverStateChanged()
{
    using TState = TChangeover::TState;
    const TState state = m_changeover->State();
    ShowStatus(StateText(), state == TState::Refused || state == TState::Failed || state == TState::Blocked);
    ShowDifferences(state == TState::Blocked ? m_changeover->Differences() : QList<TItemDifference>());
    if (state == TState::Ready || state == TState::Blocked || state == TState::Printing)
        ShowLabel(&m_changeover->Rows());
    m_station->Manager().SetEnabled(this, !m_changeover->IsWorking());
    UpdateButtons();
}

void TChangeoverForm::ShowStatus(const QString& text, bool problem)
{
    m_ui->statusLabel->setText(text);
    ColourAsProblem(*m_ui->statusLabel, problem);
}

void TChangeoverForm::ShowDifferences(const QList<TItemDifference>& differences)
{
    QTableWidget& table = *m_ui->differencesTable;
    table.setRowCount(0);
    table.setRowCount(int(differences.size()));
    for (int row = 0; row < differences.size(); ++row) {
        const TItemDifference& difference = differences[row];
        const QString cells[] = {difference.Item, difference.Expected, difference.Found};
        for (int column = 0; column < int(std::size(cells)); ++column)
            table.setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table.resizeColumnToContents(ItemColumn);
}

// The label as the design file gives it, or with the values the printer holds, its barcodes read
// back; a barcode that does not read back is framed in red.
void TChangeoverForm::ShowLabel(const QList<TImageItemRow>* printerRows)
{
    if (!m_job)
        return;
    auto design = JobFile::ReadDesign(m_job->DesignFile, m_fonts);
    if (std::holds_alternative<QString>(design))
        return m_ui->pictureView->Clear();
    TImageDesignFile& image = *std::get<std::unique_ptr<TImageDesignFile>>(design);
    const QMap<int, QString> filledIn = printerRows ? ReadBack::TakeValues(image, *printerRows) : QMap<int, QString>();
    m_ui->pictureCaption->setText(printerRows ? tr("The label with the values the printer holds:")
                                              : tr("The label as its design file gives it:"));
    auto drawn = LabelPreview::Draw(image, m_fonts, filledIn);
    if (const QString* tooLarge = std::get_if<QString>(&drawn)) {
        m_ui->pictureView->Clear();
        m_ui->barcodesLabel->setText(*tooLarge);
        return;
    }
    const TLabelPreview& preview = std::get<TLabelPreview>(drawn);
    QList<QRect> framed;
    QStringList readBacks;
    for (const TReadBack& readBack : preview.ReadBacks) {
        if (readBack.IsFinding() && !readBack.Area.isEmpty())
            framed.append(readBack.Area);
        readBacks << tr("Item %1 (%2): %3 %4")
                         .arg(readBack.ItemNumber)
                         .arg(readBack.TypeName, BarcodeReadBack::ResultName(readBack.Result),
                              readBack.IsFinding() ? readBack.Reason : readBack.Read);
    }
    m_ui->pictureView->ShowPicture(preview.Picture, framed);
    m_ui->pictureView->setAccessibleDescription(readBacks.join(QLatin1Char('\n')));
    m_ui->barcodesLabel->setText(readBacks.join(QLatin1Char('\n')));
    ColourAsProblem(*m_ui->barcodesLabel, !preview.Findings().isEmpty());
}

void TChangeoverForm::UpdateButtons()
{
    using TState = TChangeover::TState;
    const bool working = m_changeover && m_changeover->IsWorking();
    const TState state = m_changeover ? m_changeover->State() : TState::Idle;
    const bool printer = m_station && m_station->Manager().SelectedChannel();
    const bool entriesTaken = m_job && EntriesTaken();
    m_ui->checkButton->setEnabled(entriesTaken && printer && !working);
    m_ui->startButton->setEnabled(state == TState::Ready);
    const bool underWay = m_changeover && !m_changeover->HasEnded();
    m_ui->cancelButton->setText(underWay ? tr("Cancel") : tr("Close"));
    for (QWidget* widget : {static_cast<QWidget*>(m_ui->productCodeEdit), static_cast<QWidget*>(m_ui->jobCombo),
                            static_cast<QWidget*>(m_ui->entriesBox)})
        widget->setEnabled(!working);
}
