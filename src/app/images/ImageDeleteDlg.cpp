#include "app/images/ImageDeleteDlg.h"

#include "ui_ImageDeleteDlg.h"

#include "coder/Coder.h"
#include "comm/CommChannel.h"
#include "station/Station.h"
#include "widgets/PlainText.h"
#include "widgets/WindowPlacement.h"

using TSide = TImageDeleteChoice::TSide;

TImageDeleteDlg::TImageDeleteDlg(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TImageDeleteDlg>())
{
    PlainText::SetupForm(*m_ui, this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(m_ui->addButton, &QPushButton::clicked, this,
            [this] { Move(&TImageDeleteChoice::MoveSelected, TSide::Source); });
    connect(m_ui->addAllButton, &QPushButton::clicked, this,
            [this] { Move(&TImageDeleteChoice::MoveAll, TSide::Source); });
    connect(m_ui->removeButton, &QPushButton::clicked, this,
            [this] { Move(&TImageDeleteChoice::MoveSelected, TSide::Destination); });
    connect(m_ui->removeAllButton, &QPushButton::clicked, this,
            [this] { Move(&TImageDeleteChoice::MoveAll, TSide::Destination); });
    connect(m_ui->okButton, &QPushButton::clicked, this, &TImageDeleteDlg::OkClick);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &TImageDeleteDlg::reject);
    ShowChoice();
}

TImageDeleteDlg::~TImageDeleteDlg() = default;

// A choice made for one printer means nothing for another: the dialog closes when the selected
// printer changes, and with it whatever deletion it started.
void TImageDeleteDlg::Attach(TStation& station)
{
    m_station = &station;
    connect(&station.Manager(), &TConnectionManager::SelectionChanged, this, &TImageDeleteDlg::HideDialog);
}

// The lists stay as they are while the dialog shows: the operator's choice is not a text. While
// the images are deleted, the names still to go are shown.
void TImageDeleteDlg::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    if (!isVisible())
        m_choice.Reset({});
    ShowChoice();
    if (isVisible() && m_station && m_station->Deletion().IsRunning())
        ShowNames(m_ui->destinationList, m_station->Deletion().Remaining());
}

void TImageDeleteDlg::ShowDialog()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    const TCommChannel* selected = m_station ? m_station->Manager().SelectedChannel() : nullptr;
    if (!selected)
        return;
    m_choice.Reset(TImageDeletion::Offered(TCoder::Of(*selected)));
    ShowChoice();
    m_station->Manager().SetEnabled(false);
    WindowPlacement::CentreOnScreen(*this);
    show();
    activateWindow();
    m_ui->sourceList->setFocus();
}

void TImageDeleteDlg::ShowImagesToDelete(const QStringList& remaining)
{
    if (isVisible())
        ShowNames(m_ui->destinationList, remaining);
}

// Whatever is left of a deletion is dropped; the "Connections" window is enabled again.
void TImageDeleteDlg::HideDialog()
{
    if (!isVisible())
        return;
    if (m_station)
        m_station->Deletion().Cancel();
    m_choice.Cancel();
    hide();
    if (m_station)
        m_station->Manager().SetEnabled(true);
}

void TImageDeleteDlg::reject()
{
    HideDialog();
}

QListWidget* TImageDeleteDlg::List(TSide side) const
{
    return side == TSide::Source ? m_ui->sourceList : m_ui->destinationList;
}

void TImageDeleteDlg::ShowNames(QListWidget* list, const QStringList& names, const QList<int>& selectedRows)
{
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(names);
    for (const int row : selectedRows)
        list->item(row)->setSelected(true);
    // Keyboard moves go on from the selected entry.
    if (!selectedRows.isEmpty())
        list->setCurrentRow(selectedRows.first(), QItemSelectionModel::NoUpdate);
}

// The operator's selection in both lists, as the choice needs it before a move.
void TImageDeleteDlg::TakeSelection()
{
    for (const TSide side : {TSide::Source, TSide::Destination}) {
        QList<int> rows;
        for (const QModelIndex& index : List(side)->selectionModel()->selectedRows())
            rows.append(index.row());
        m_choice.Select(side, rows);
    }
}

void TImageDeleteDlg::ShowChoice()
{
    for (const TSide side : {TSide::Source, TSide::Destination})
        ShowNames(List(side), m_choice.Names(side), m_choice.SelectedRows(side));
    const TImageDeleteChoice::TButtons& buttons = m_choice.Buttons();
    m_ui->addButton->setEnabled(buttons.Add);
    m_ui->addAllButton->setEnabled(buttons.AddAll);
    m_ui->removeButton->setEnabled(buttons.Remove);
    m_ui->removeAllButton->setEnabled(buttons.RemoveAll);
    m_ui->okButton->setEnabled(buttons.Ok);
    m_ui->cancelButton->setEnabled(buttons.Cancel);
}

void TImageDeleteDlg::Move(void (TImageDeleteChoice::*move)(TSide), TSide from)
{
    TakeSelection();
    (m_choice.*move)(from);
    ShowChoice();
    List(m_choice.Focus())->setFocus();
}

// Only "Cancel" can be used while the images are deleted. With nothing chosen the deletion hides
// the dialog at once.
void TImageDeleteDlg::OkClick()
{
    const QStringList names = m_choice.Confirm();
    ShowChoice();
    m_ui->cancelButton->setFocus();
    if (m_station)
        m_station->Deletion().Start(names);
}
