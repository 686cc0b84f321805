#include "app/history/HistoryForm.h"

#include "ui_HistoryForm.h"

#include "history/HistoryExport.h"
#include "history/HistoryStore.h"
#include "platform/StationClock.h"
#include "station/StationEvent.h"
#include "widgets/DateFormat.h"
#include "widgets/MessageBox.h"
#include "widgets/PlainText.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QProgressDialog>
#include <QSaveFile>
#include <QScopedValueRollback>

namespace {
// The room the window asks for at first; it is the operator's to resize.
constexpr QSize InitialSize{960, 560};
} // namespace

// An export under way: its own reader (the window may read afresh meanwhile), the file written in
// full or not at all, and its progress.
struct THistoryForm::TExportRun
{
    TExportRun(const QString& path, const THistoryFilter& filter, const QString& historyPath)
        : File(path), Reader(historyPath), Writer(Reader, filter, File)
    {}

    QSaveFile File;
    THistoryReader Reader;
    THistoryExport Writer;
    QPointer<QProgressDialog> Progress;
};

THistoryForm::THistoryForm(QWidget* mainWindow) : QDialog(mainWindow), m_ui(std::make_unique<Ui::THistoryForm>())
{
    PlainText::SetupForm(*m_ui, this);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(InitialSize);
    m_ui->historyTable->setModel(&m_model);
    QHeaderView* header = m_ui->historyTable->horizontalHeader();
    header->resizeSection(THistoryModel::TimeColumn, 150);
    header->resizeSection(THistoryModel::PrinterColumn, 140);
    header->resizeSection(THistoryModel::EventColumn, 180);
    header->resizeSection(THistoryModel::SourceColumn, 90);
    // One line of text a row: many rows at a glance.
    m_ui->historyTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);

    connect(m_ui->printerList, &QComboBox::currentIndexChanged, this, &THistoryForm::FilterChanged);
    connect(m_ui->kindList, &QComboBox::currentIndexChanged, this, &THistoryForm::FilterChanged);
    for (QCheckBox* check : {m_ui->fromCheck, m_ui->toCheck})
        connect(check, &QCheckBox::toggled, this, &THistoryForm::FilterChanged);
    for (QDateTimeEdit* edit : {m_ui->fromEdit, m_ui->toEdit})
        connect(edit, &QDateTimeEdit::dateTimeChanged, this, &THistoryForm::FilterChanged);
    connect(m_ui->fromCheck, &QCheckBox::toggled, m_ui->fromEdit, &QWidget::setEnabled);
    connect(m_ui->toCheck, &QCheckBox::toggled, m_ui->toEdit, &QWidget::setEnabled);
    connect(m_ui->exportButton, &QPushButton::clicked, this, &THistoryForm::ExportClick);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);

    m_poll.setInterval(PollMs);
    connect(&m_poll, &QTimer::timeout, &m_model, &THistoryModel::Refresh);
    m_exportStep.setInterval(0);
    connect(&m_exportStep, &QTimer::timeout, this, &THistoryForm::ExportStep);

    const QDateTime now = StationClock::Now();
    m_ui->fromEdit->setDateTime(QDateTime(now.date(), QTime(0, 0)));
    m_ui->toEdit->setDateTime(QDateTime(now.date(), QTime(23, 59)));
    ReloadWindowTexts();
}

THistoryForm::~THistoryForm() = default;

void THistoryForm::SetStore(THistoryStore& store)
{
    m_store = &store;
    connect(&store, &THistoryStore::Committed, &m_model, [this] {
        if (isVisible())
            m_model.Refresh();
    });
}

void THistoryForm::ReloadWindowTexts()
{
    const int printer = m_ui->printerList->currentIndex();
    m_ui->retranslateUi(this);
    SetTimeFormat();
    FillKinds();
    if (m_ui->printerList->count() == 0) {
        const QScopedValueRollback filling(m_filling, true);
        m_ui->printerList->addItem(QString());
    }
    m_ui->printerList->setItemText(0, tr("All printers"));
    m_ui->printerList->setCurrentIndex(std::max(printer, 0));
    m_model.Retranslate();
}

void THistoryForm::SetTimeFormat()
{
    const QString format = DateFormat::ShortWithFullYear() + QStringLiteral(" HH:mm");
    m_ui->fromEdit->setDisplayFormat(format);
    m_ui->toEdit->setDisplayFormat(format);
}

void THistoryForm::FillKinds()
{
    const QScopedValueRollback filling(m_filling, true);
    const QString chosen = m_ui->kindList->currentData().toString();
    m_ui->kindList->clear();
    m_ui->kindList->addItem(tr("All events"), QString());
    for (const StationEventKinds::TKindName& kind : StationEventKinds::All())
        m_ui->kindList->addItem(StationEventKinds::LabelOf(QLatin1String(kind.Name)), QLatin1String(kind.Name));
    m_ui->kindList->setCurrentIndex(std::max(m_ui->kindList->findData(chosen), 0));
}

// The names come from the printers: plain text in the list, and no more of them than it can show.
void THistoryForm::FillPrinters()
{
    const QScopedValueRollback filling(m_filling, true);
    const QString chosen = m_ui->printerList->currentData().toString();
    while (m_ui->printerList->count() > 1)
        m_ui->printerList->removeItem(1);
    if (const THistoryReader* reader = m_model.Reader())
        for (const QString& name : reader->Printers(MaxPrinters))
            m_ui->printerList->addItem(name, name);
    m_ui->printerList->setCurrentIndex(std::max(m_ui->printerList->findData(chosen), 0));
}

void THistoryForm::ShowWindow()
{
    if (m_store)
        m_model.Open(m_store->Path());
    FillPrinters();
    FilterChanged();
    show();
    raise();
    activateWindow();
}

void THistoryForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_poll.start();
}

void THistoryForm::hideEvent(QHideEvent* event)
{
    m_poll.stop();
    QDialog::hideEvent(event);
}

void THistoryForm::FilterChanged()
{
    if (m_filling)
        return;
    THistoryFilter filter;
    filter.Printer = m_ui->printerList->currentData().toString();
    filter.Kind = m_ui->kindList->currentData().toString();
    if (m_ui->fromCheck->isChecked())
        filter.Since = m_ui->fromEdit->dateTime();
    if (m_ui->toCheck->isChecked())
        filter.Until = m_ui->toEdit->dateTime().addSecs(59).addMSecs(999); // the whole minute shown
    m_model.SetFilter(filter);
    ShowStatus();
}

void THistoryForm::ShowStatus(const QString& text)
{
    const QString error = m_model.Error();
    m_ui->statusLabel->setText(error.isEmpty() ? text : tr("The history cannot be read: %1").arg(error));
}

QString THistoryForm::ChooseExportFile()
{
    QFileDialog dialog(this, tr("Export"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(tr("CSV files (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(QStringLiteral("history.csv"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void THistoryForm::ExportClick()
{
    if (m_export || !m_store)
        return;
    if (const QString path = ChooseExportFile(); !path.isEmpty())
        StartExport(path);
}

void THistoryForm::StartExport(const QString& path)
{
    auto run = std::make_unique<TExportRun>(path, m_model.Filter(), m_store->Path());
    if (!run->File.open(QIODevice::WriteOnly)) {
        TMessageBox::ShowError(tr("The file %1 cannot be written: %2")
                                   .arg(QDir::toNativeSeparators(path), run->File.errorString()),
                               this);
        return;
    }
    m_export = std::move(run);
    auto* progress = new QProgressDialog(tr("Exporting the history..."), tr("Cancel"), 0,
                                         int(std::min<qint64>(m_export->Reader.Count(m_model.Filter()), INT_MAX)), this);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->setMinimumDuration(500);
    connect(progress, &QProgressDialog::canceled, this, [this] { EndExport(tr("The export was cancelled.")); });
    m_export->Progress = progress;
    m_ui->exportButton->setEnabled(false);
    m_exportStep.start();
}

void THistoryForm::ExportStep()
{
    if (!m_export)
        return;
    const bool more = m_export->Writer.WriteNext(ExportSliceRows);
    if (m_export->Progress)
        m_export->Progress->setValue(int(std::min<qint64>(m_export->Writer.Written(), m_export->Progress->maximum())));
    if (more)
        return;
    QSaveFile& file = m_export->File;
    if (m_export->Writer.Failed() || !file.commit()) {
        const QString problem = tr("The file %1 cannot be written: %2")
                                    .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
        EndExport(problem);
        TMessageBox::ShowError(problem, this);
        return;
    }
    EndExport(tr("%1 rows exported to %2.")
                  .arg(QString::number(m_export->Writer.Written()), QDir::toNativeSeparators(file.fileName())));
}

void THistoryForm::EndExport(const QString& status)
{
    m_exportStep.stop();
    if (!m_export)
        return;
    const std::unique_ptr<TExportRun> run = std::move(m_export);
    if (run->Progress) {
        disconnect(run->Progress, &QProgressDialog::canceled, this, nullptr);
        run->Progress->close();
    }
    m_ui->exportButton->setEnabled(true);
    ShowStatus(status);
}
