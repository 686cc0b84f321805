#include "app/images/ModifyImageForm.h"

#include "ui_ModifyImageForm.h"

#include "app/images/ModifyItemForm.h"
#include "coder/Coder.h"
#include "images/CoderImageItem.h"
#include "comm/CommChannel.h"
#include "station/Station.h"
#include "widgets/PlainText.h"
#include "widgets/WindowPlacement.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

TModifyImageForm::TModifyImageForm(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TModifyImageForm>()), m_itemForm(new TModifyItemForm(this))
{
    PlainText::SetupForm(*m_ui, this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QTableWidget* table = m_ui->itemTable;
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    SizeColumns();
    table->installEventFilter(this);

    connect(m_ui->imageNameList, &TDropDownList::ListOpened, this, [this] {
        if (m_station)
            m_station->ModifyImage().ImageListOpened();
    });
    connect(m_ui->imageNameList, &QComboBox::currentIndexChanged, this, &TModifyImageForm::ImageNameChanged);
    connect(table, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { EditRow(index.row()); });
    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TModifyImageForm::~TModifyImageForm() = default;

void TModifyImageForm::Attach(TStation& station)
{
    m_station = &station;
    connect(&station.Manager(), &TConnectionManager::SelectionChanged, this,
            &TModifyImageForm::PrinterChanged);
}

void TModifyImageForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    SizeColumns();
    m_itemForm->ReloadWindowTexts();
}

// A caption longer in the language in use than its column widens the column.
void TModifyImageForm::SizeColumns()
{
    QTableWidget* table = m_ui->itemTable;
    const QHeaderView* header = table->horizontalHeader();
    const int numberWidth = std::max(NumberColumnWidth, header->sectionSizeHint(0));
    const int typeWidth = std::max(TypeColumnWidth, header->sectionSizeHint(1));
    const int valueWidth = std::max(ValueColumnMinimumWidth, header->sectionSizeHint(2));
    table->setColumnWidth(0, numberWidth);
    table->setColumnWidth(1, typeWidth);
    table->setMinimumWidth(numberWidth + typeWidth + valueWidth + 2 * table->frameWidth() +
                           table->verticalScrollBar()->sizeHint().width());
}

void TModifyImageForm::ShowModal()
{
    if (!m_station || isVisible())
        return;
    TConnectionManager& manager = m_station->Manager();
    const TCommChannel* selected = manager.SelectedChannel();
    TModifyImage& modify = m_station->ModifyImage();
    if (!selected || !modify.Open(&TCoder::Of(*selected)))
        return;
    m_printerId = selected->Id();
    ShowImageNames();
    m_ui->itemTable->setRowCount(0);
    manager.SetEnabled(false);
    if (parentWidget())
        WindowPlacement::CentreOnWindow(*this, *parentWidget());
    m_ui->imageNameList->setFocus();
    exec();
    modify.Close();
    m_ui->itemTable->setRowCount(0);
    const QSignalBlocker blocker(m_ui->imageNameList);
    m_ui->imageNameList->clear();
    m_station->Manager().SetEnabled(true);
}

// The list shows the image whose items are asked for; an image the printer does not list shows as
// no choice.
void TModifyImageForm::ShowImageNames()
{
    const TModifyImage& modify = m_station->ModifyImage();
    const QSignalBlocker blocker(m_ui->imageNameList);
    m_ui->imageNameList->clear();
    m_ui->imageNameList->addItems(modify.ImageNames());
    m_ui->imageNameList->setCurrentIndex(
        m_ui->imageNameList->findText(modify.CurrentImage(), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

// A choice that does not count is undone; one that counts empties the table until the printer
// describes the new image, so that no row of the previous one is edited under the new name.
void TModifyImageForm::ImageNameChanged(int index)
{
    if (!m_station)
        return;
    const QString chosen = m_ui->imageNameList->itemText(index);
    TModifyImage& modify = m_station->ModifyImage();
    const QString before = modify.CurrentImage();
    const QString shown = modify.ImageChosen(chosen);
    if (shown != chosen) {
        const QSignalBlocker blocker(m_ui->imageNameList);
        m_ui->imageNameList->setCurrentIndex(
            m_ui->imageNameList->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
    if (shown != before)
        m_ui->itemTable->setRowCount(0);
}

// The rows replace those shown; the row selected before stays selected where there is one.
void TModifyImageForm::ShowImageItems(const QList<TImageItemRow>& rows, TImageItemsEnd)
{
    if (!isVisible())
        return;
    QTableWidget* table = m_ui->itemTable;
    const int selectedRow = table->currentRow();
    table->setRowCount(0);
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList cells{rows[row].Number, ShownTypeName(rows[row].TypeName), rows[row].Value};
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    if (selectedRow >= 0 && selectedRow < table->rowCount())
        table->selectRow(selectedRow);
}

// The item dialog waits for the operator, and the printer may change meanwhile: the new value
// goes out only if the window is still open on the printer the row came from.
void TModifyImageForm::EditRow(int row)
{
    if (!m_station)
        return;
    const std::optional<TItemEdit> edit = m_station->ModifyImage().EditOf(row);
    if (!edit)
        return;
    const std::optional<QString> value = m_itemForm->Edit(*edit);
    if (value && IsOnPrinterItOpenedFor())
        m_station->ModifyImage().EditAccepted(*edit, *value);
}

bool TModifyImageForm::IsOnPrinterItOpenedFor() const
{
    const TCommChannel* selected = m_station->Manager().SelectedChannel();
    return isVisible() && m_station->ModifyImage().IsOpen() && selected && selected->Id() == m_printerId;
}

void TModifyImageForm::PrinterChanged()
{
    if (!isVisible())
        return;
    if (m_itemForm->isVisible())
        m_itemForm->reject();
    reject();
}

bool TModifyImageForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->itemTable && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_ui->itemTable->currentRow() >= 0 &&
            m_ui->itemTable->selectionModel()->hasSelection()) {
            EditRow(m_ui->itemTable->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
