#include "app/line/LineForm.h"

#include "ui_LineForm.h"

#include "station/Station.h"
#include "widgets/PlainText.h"

#include <QHeaderView>

namespace {
// The room the window asks for at first; it is the operator's to resize.
constexpr QSize InitialSize{1180, 360};
} // namespace

TLineForm::TLineForm(QWidget* mainWindow) : QDialog(mainWindow), m_ui(std::make_unique<Ui::TLineForm>())
{
    PlainText::SetupForm(*m_ui, this);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(InitialSize);
    m_sorted.setSortRole(TLineModel::SortRole);
    m_sorted.setSortCaseSensitivity(Qt::CaseInsensitive);
    m_sorted.setSortLocaleAware(true);
    QTableView* table = m_ui->lineTable;
    table->setModel(&m_sorted);
    // The order the station came to know its printers until the operator sorts.
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table->setSortingEnabled(true);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    connect(table, &QTableView::doubleClicked, this, &TLineForm::SelectRow);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    ShowCounts();
}

TLineForm::~TLineForm() = default;

void TLineForm::Attach(TStation& station)
{
    m_station = &station;
    TLineModel& line = station.Line();
    m_sorted.setSourceModel(&line);
    connect(&line, &TLineModel::CountsChanged, this, &TLineForm::ShowCounts);
    SizeColumns();
    ShowCounts();
}

// Room for the texts a column usually holds, and never less than its title needs.
void TLineForm::SizeColumns()
{
    const QFontMetrics metrics = fontMetrics();
    QHeaderView* header = m_ui->lineTable->horizontalHeader();
    const std::pair<int, int> widths[] = {
        {TLineModel::NameColumn, 16},       {TLineModel::ModelColumn, 8},     {TLineModel::AddressColumn, 18},
        {TLineModel::ConnectionColumn, 28}, {TLineModel::PrintingColumn, 12}, {TLineModel::ImagesColumn, 16},
        {TLineModel::PrintCountColumn, 10}, {TLineModel::InkColumn, 10},
    };
    for (const auto& [column, characters] : widths)
        header->resizeSection(column,
                              qMax(metrics.averageCharWidth() * characters + 16, header->sectionSizeHint(column)));
}

void TLineForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    if (m_station) {
        m_station->Line().Retranslate();
        SizeColumns();
    }
    ShowCounts();
}

void TLineForm::ShowWindow()
{
    show();
    raise();
    activateWindow();
}

QString TLineForm::CountsText(const TLineModel::TCounts& counts)
{
    return tr("%1 connected, %2 reconnecting").arg(counts.Connected).arg(counts.Reconnecting);
}

void TLineForm::ShowCounts()
{
    const TLineModel::TCounts counts = m_station ? m_station->Line().Counts() : TLineModel::TCounts();
    const QString text = tr("Printers: %1; %2").arg(counts.Known).arg(CountsText(counts));
    m_ui->countsLabel->setText(text);
    m_ui->countsLabel->setAccessibleName(text);
}

void TLineForm::SelectRow(const QModelIndex& index)
{
    if (m_station && index.isValid())
        m_station->Manager().SelectPrinter(index.data(TLineModel::IdRole).toULongLong());
}
