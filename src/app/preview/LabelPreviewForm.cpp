#include "app/preview/LabelPreviewForm.h"

#include "ui_LabelPreviewForm.h"

#include "app/images/ImageFileDialog.h"
#include "coder/Coder.h"
#include "images/CoderImageItem.h"
#include "comm/CommChannel.h"
#include "station/Station.h"
#include "widgets/MessageBox.h"
#include "widgets/PlainText.h"

#include <QDir>
#include <QHeaderView>

namespace {

// The room the window asks for at first; it is the operator's to resize.
constexpr QSize InitialSize{820, 620};
// The picture takes most of the height, the legend the rest.
constexpr int PictureShare = 3;
constexpr int LegendShare = 2;

QString ShownOnOneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QStringLiteral(" \u21b5 "));
    text.replace(QLatin1Char('\n'), QStringLiteral(" \u21b5 "));
    return text;
}

} // namespace

TLabelPreviewForm::TLabelPreviewForm(const TFontMap& fonts, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TLabelPreviewForm>()), m_fonts(fonts)
{
    PlainText::SetupForm(*m_ui, this);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(InitialSize);
    m_ui->splitter->setStretchFactor(0, PictureShare);
    m_ui->splitter->setStretchFactor(1, LegendShare);
    m_ui->splitter->setSizes({PictureShare * InitialSize.height(), LegendShare * InitialSize.height()});
    m_ui->legendTable->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    connect(m_ui->openButton, &QPushButton::clicked, this, &TLabelPreviewForm::OpenClick);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->zoomInButton, &QPushButton::clicked, m_ui->pictureView, &TLabelPictureView::ZoomIn);
    connect(m_ui->zoomOutButton, &QPushButton::clicked, m_ui->pictureView, &TLabelPictureView::ZoomOut);
    connect(m_ui->fitButton, &QPushButton::clicked, m_ui->pictureView, &TLabelPictureView::FitToWindow);
    connect(m_ui->pictureView, &TLabelPictureView::ZoomChanged, this, &TLabelPreviewForm::ShowZoom);
    connect(m_ui->legendTable, &QTableWidget::itemSelectionChanged, this,
            &TLabelPreviewForm::LegendRowSelected);
    NamePicture();
    ShowDesignState();
}

TLabelPreviewForm::~TLabelPreviewForm() = default;

void TLabelPreviewForm::Attach(TStation& station)
{
    m_station = &station;
}

TLabelPictureView& TLabelPreviewForm::PictureView()
{
    return *m_ui->pictureView;
}

QTableWidget& TLabelPreviewForm::LegendTable()
{
    return *m_ui->legendTable;
}

// Drawing a label takes milliseconds: the one shown is drawn again with the texts of the new
// language. Should the file have become one the station refuses, the window shows none.
void TLabelPreviewForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    NamePicture();
    if (m_fileName.isEmpty()) {
        ShowDesignState();
        return;
    }
    auto preview = LabelPreview::FromFile(m_fileName, m_fonts);
    if (const auto* shown = std::get_if<TLabelPreview>(&preview))
        ShowPreview(*shown);
    else
        ShowDesignState();
}

// The picture's viewport takes the keyboard focus for it, and its name.
void TLabelPreviewForm::NamePicture()
{
    m_ui->pictureView->viewport()->setAccessibleName(m_ui->pictureView->accessibleName());
}

void TLabelPreviewForm::ShowDesignState()
{
    m_fileName.clear();
    m_ui->fileNameEdit->clear();
    m_ui->imageEdit->clear();
    m_ui->pictureView->Clear();
    m_ui->legendTable->setRowCount(0);
    m_ui->summaryLabel->clear();
    m_ui->zoomValue->clear();
    for (QPushButton* button : {m_ui->zoomOutButton, m_ui->zoomInButton, m_ui->fitButton})
        button->setEnabled(false);
}

// The dialog offers the image files of the selected printer's model first; with no printer
// selected, those of the first filter.
void TLabelPreviewForm::OpenClick()
{
    const TCommChannel* selected = m_station ? m_station->Manager().SelectedChannel() : nullptr;
    const quint8 model = selected ? TCoder::Of(*selected).Model : PrinterModels::NotReported;
    QWidget* dialogParent = isVisible() ? this : parentWidget();
    const QStringList files =
        TImageFileDialog::Choose(dialogParent, tr("Preview"), model, QFileDialog::ExistingFile);
    if (!files.isEmpty())
        ShowFile(files.first());
}

bool TLabelPreviewForm::ShowFile(const QString& fileName)
{
    auto preview = LabelPreview::FromFile(fileName, m_fonts);
    if (const auto* refusal = std::get_if<TPreviewRefusal>(&preview)) {
        TMessageBox::ShowError(refusal->Text, isVisible() ? this : parentWidget());
        return false;
    }
    m_fileName = fileName;
    show();
    raise();
    activateWindow();
    ShowPreview(std::get<TLabelPreview>(preview));
    return true;
}

void TLabelPreviewForm::ShowPreview(const TLabelPreview& preview)
{
    m_ui->fileNameEdit->setText(QDir::toNativeSeparators(m_fileName));
    m_ui->imageEdit->setText(preview.ImageName);
    QList<QRect> framed;
    for (const TReadBack& finding : preview.Findings())
        if (!finding.Area.isEmpty())
            framed.append(finding.Area);
    m_ui->pictureView->ShowPicture(preview.Picture, framed);
    ShowLegend(preview);
    ShowSummary(preview);
    ShowZoom(m_ui->pictureView->Zoom());
    for (QPushButton* button : {m_ui->zoomOutButton, m_ui->zoomInButton, m_ui->fitButton})
        button->setEnabled(true);
    m_ui->pictureView->setFocus();
}

// One row per item. A barcode's row says whether it reads back, with what was expected and read in
// its tool tip; the row of one that does not is red, and selecting a row brings its item into view.
void TLabelPreviewForm::ShowLegend(const TLabelPreview& preview)
{
    QTableWidget& table = *m_ui->legendTable;
    table.setRowCount(0);
    table.setRowCount(int(preview.Legend.size()));
    for (int row = 0; row < preview.Legend.size(); ++row) {
        const TLegendEntry& entry = preview.Legend[row];
        const TReadBack* readBack = preview.ReadBackOf(entry.ItemNumber);
        QString readBackText;
        if (readBack) {
            readBackText = BarcodeReadBack::ResultName(readBack->Result);
            if (readBack->IsFinding() && !readBack->Reason.isEmpty())
                readBackText += QStringLiteral(" (%1)").arg(readBack->Reason);
        }
        const QString cells[] = {QString::number(entry.ItemNumber),
                                 ShownTypeName(entry.TypeName),
                                 QStringLiteral("%1, %2").arg(entry.X).arg(entry.Y),
                                 LabelPreview::RenderingName(entry.Rendering),
                                 ShownOnOneLine(entry.Content),
                                 readBackText,
                                 entry.Note};
        for (int column = 0; column < int(std::size(cells)); ++column) {
            auto* cell = new QTableWidgetItem(cells[column]);
            if (readBack && readBack->IsFinding())
                cell->setForeground(TLabelPictureView::FindingColour);
            table.setItem(row, column, cell);
        }
        table.item(row, ContentColumn)->setToolTip(PlainText::ToolTip(entry.Content));
        if (readBack)
            table.item(row, ReadBackColumn)
                ->setToolTip(PlainText::ToolTip(
                    tr("Expected: %1\nRead: %2").arg(readBack->Expected, readBack->Read)));
        const QRect area = readBack && !readBack->Area.isEmpty() ? readBack->Area : entry.Area;
        table.item(row, ItemColumn)->setData(Qt::UserRole, area);
    }
    // The note, the one long text, takes the width that is left and wraps in it.
    for (int column = 0; column < NoteColumn; ++column)
        table.resizeColumnToContents(column);
}

void TLabelPreviewForm::ShowSummary(const TLabelPreview& preview)
{
    const qsizetype barcodes = preview.ReadBacks.size();
    const qsizetype findings = preview.Findings().size();
    QPalette palette = m_ui->summaryLabel->palette();
    palette.setColor(QPalette::WindowText, findings > 0 ? TLabelPictureView::FindingColour
                                                        : this->palette().color(QPalette::WindowText));
    m_ui->summaryLabel->setPalette(palette);
    if (barcodes == 0)
        m_ui->summaryLabel->setText(tr("The label has no barcodes."));
    else
        m_ui->summaryLabel->setText(
            tr("Barcodes that read back: %1 of %2").arg(barcodes - findings).arg(barcodes));
}

void TLabelPreviewForm::ShowZoom(double zoom)
{
    const double percent = zoom * 100;
    const QString shown = percent < 10 ? QString::number(percent, 'f', 1) : QString::number(qRound(percent));
    m_ui->zoomValue->setText(shown + QStringLiteral(" %"));
}

void TLabelPreviewForm::LegendRowSelected()
{
    const QList<QTableWidgetItem*> selected = m_ui->legendTable->selectedItems();
    if (!selected.isEmpty())
        m_ui->pictureView->ShowArea(
            m_ui->legendTable->item(selected.first()->row(), ItemColumn)->data(Qt::UserRole).toRect());
}
