#include "app/connections/ConnectionsForm.h"

#include "ui_ConnectionsForm.h"

#include "app/connections/PropertyForm.h"
#include "comm/CommChannel.h"
#include "station/ConnectionsWindowGeometry.h"
#include "station/Station.h"
#include "widgets/MessageBox.h"
#include "widgets/PlainText.h"

#include <QMenu>
#include <QScopedValueRollback>
#include <QScreen>

TConnectionsForm::TConnectionsForm(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), m_ui(std::make_unique<Ui::TConnectionsForm>()),
      m_mainWindow(mainWindow), m_propertyForm(new TPropertyForm(mainWindow))
{
    PlainText::SetupForm(*m_ui, this);
    m_popup = new QMenu(this);
    // Resizable, with only a close button in its title bar.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    for (int index = 0; index < ConnectionIcon::Count; ++index)
        m_icons[index] = ConnectionIcon::Icon(index);

    // Room for a printer's icon and a caption of two lines under it.
    QListWidget* list = m_ui->listView;
    const QFontMetrics metrics = list->fontMetrics();
    list->setGridSize(
        QSize(metrics.averageCharWidth() * 16, list->iconSize().height() + metrics.lineSpacing() * 2 + 12));
    setMinimumSize(list->gridSize() + QSize(2 * list->frameWidth() + list->spacing() * 2,
                                            2 * list->frameWidth() + list->spacing() * 2));

    m_popup->addActions({m_ui->actionConnect, m_ui->actionDisconnect, m_ui->actionProperties});
    connect(list, &QListWidget::clicked, this, &TConnectionsForm::ListViewClick);
    connect(list, &QListWidget::doubleClicked, this, [this](const QModelIndex& index) {
        ListViewClick(index);
        ConnectClick();
    });
    connect(list, &QListWidget::itemSelectionChanged, this, &TConnectionsForm::ListViewSelectionChange);
    connect(list, &QWidget::customContextMenuRequested, this, &TConnectionsForm::ListViewContextPopup);
    connect(m_ui->actionConnect, &QAction::triggered, this, &TConnectionsForm::ConnectClick);
    connect(m_ui->actionDisconnect, &QAction::triggered, this, &TConnectionsForm::DisconnectClick);
    connect(m_ui->actionProperties, &QAction::triggered, this, &TConnectionsForm::PropertiesClick);
    connect(m_propertyForm, &QDialog::finished, this, [this] {
        if (m_station)
            m_station->Manager().SetEnabled(m_propertyForm, true);
    });
}

TConnectionsForm::~TConnectionsForm()
{
    delete m_propertyForm.data();
}

TPropertyForm& TConnectionsForm::PropertyForm()
{
    return *m_propertyForm;
}

void TConnectionsForm::Attach(TStation& station)
{
    m_station = &station;
}

// The entries stay: they are the printers, not texts. Enabling stays the manager's.
void TConnectionsForm::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    for (int row = 0; row < m_ui->listView->count(); ++row)
        UpdateAccessibleText(*m_ui->listView->item(row));
    m_propertyForm->ReloadWindowTexts();
}

void TConnectionsForm::ShowWindow()
{
    show();
    raise();
    activateWindow();
}

void TConnectionsForm::HideWindow()
{
    hide();
}

void TConnectionsForm::ResetWindowParameters()
{
    const QScreen* screen = m_mainWindow->screen();
    if (!screen)
        return;
    const QRect outer =
        ConnectionsWindowGeometry::Of(screen->geometry(), m_mainWindow->frameGeometry().width());
    const QSize frame = frameGeometry().size() - size();
    move(outer.topLeft());
    resize(outer.size() - frame);
}

// The first time the window shows it takes its place; afterwards it stays where the operator puts
// it, until a language change places it again.
void TConnectionsForm::showEvent(QShowEvent* event)
{
    if (m_firstShow) {
        m_firstShow = false;
        ResetWindowParameters();
    }
    QWidget::showEvent(event);
}

QListWidgetItem* TConnectionsForm::ItemOf(quint64 id) const
{
    for (int row = 0; row < m_ui->listView->count(); ++row)
        if (QListWidgetItem* item = m_ui->listView->item(row); item->data(IdRole).toULongLong() == id)
            return item;
    return nullptr;
}

QListWidgetItem* TConnectionsForm::SelectedItem() const
{
    const QList<QListWidgetItem*> selected = m_ui->listView->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void TConnectionsForm::EntryAdded(const TConnectionEntry& entry)
{
    const QScopedValueRollback showing(m_showingChange, true);
    auto* item = new QListWidgetItem(m_ui->listView);
    item->setData(IdRole, entry.Id);
    // Where the printer is reached: all that tells printers apart before they have told their names.
    if (const TCommChannel* channel = m_station ? m_station->Manager().FindChannel(entry.Id) : nullptr)
        item->setData(Qt::AccessibleDescriptionRole, channel->Name());
    ShowEntry(*item, entry);
}

void TConnectionsForm::EntryChanged(const TConnectionEntry& entry)
{
    if (QListWidgetItem* item = ItemOf(entry.Id))
        ShowEntry(*item, entry);
}

void TConnectionsForm::EntryRemoved(quint64 id)
{
    const QScopedValueRollback showing(m_showingChange, true);
    delete ItemOf(id);
    if (m_clickedChannel == id)
        m_clickedChannel.reset();
}

void TConnectionsForm::ShowEntry(QListWidgetItem& item, const TConnectionEntry& entry)
{
    const int icon =
        entry.Icon >= 0 && entry.Icon < ConnectionIcon::Count ? entry.Icon : ConnectionIcon::NotConnected;
    const bool newCaption = item.text() != entry.Caption;
    item.setText(entry.Caption);
    item.setIcon(m_icons[icon]);
    item.setData(IconRole, icon);
    item.setData(ReconnectingSinceRole, entry.ReconnectingSince);
    UpdateAccessibleText(item);
    // A caption of another length takes other room (one line instead of two): the list lays its
    // entries out and draws them again, or the lines of the longer caption stay on the screen.
    if (newCaption)
        m_ui->listView->doItemsLayout();
}

// The caption, whole, and where the printer is reached; its state for the screen reader, and in the
// tooltip while the station reconnects it (the icon alone says it only by its badge).
void TConnectionsForm::UpdateAccessibleText(QListWidgetItem& item)
{
    const QString place = item.data(Qt::AccessibleDescriptionRole).toString();
    const QString name = item.text().isEmpty() ? place : item.text();
    QString tip = place.isEmpty() || item.text().isEmpty() ? name : item.text() + QLatin1Char('\n') + place;
    if (item.data(IconRole).toInt() == ConnectionIcon::Reconnecting)
        tip += QLatin1Char('\n') + StateText(item);
    item.setToolTip(PlainText::ToolTip(tip));
    item.setData(Qt::AccessibleTextRole, tr("%1 - %2", "printer, state").arg(name, StateText(item)));
}

QString TConnectionsForm::StateText(const QListWidgetItem& item) const
{
    switch (item.data(IconRole).toInt()) {
    case 0:
        return tr("not printing, no ink");
    case 1:
        return tr("not printing, ink");
    case 2:
        return tr("printing, no ink");
    case 3:
        return tr("printing, ink");
    case ConnectionIcon::Reconnecting:
        return tr("reconnecting since %1").arg(TLineModel::TimeText(item.data(ReconnectingSinceRole).toDateTime()));
    default:
        return tr("not connected");
    }
}

void TConnectionsForm::SetEnabled(bool enabled)
{
    setEnabled(enabled);
}

void TConnectionsForm::ShowNoEthernetConnection()
{
    TMessageBox::ShowInformation(tr("No Ethernet Connection"));
}

void TConnectionsForm::ListViewClick(const QModelIndex& index)
{
    if (index.isValid())
        m_clickedChannel = index.data(IdRole).toULongLong();
}

void TConnectionsForm::ListViewSelectionChange()
{
    const QListWidgetItem* selected = SelectedItem();
    if (m_showingChange || !selected || !m_station)
        return;
    m_station->Manager().SelectPrinter(selected->data(IdRole).toULongLong());
}

// The popup's commands act on the selected entry; without one there is no popup. A command that
// would do nothing for that printer is greyed.
void TConnectionsForm::ListViewContextPopup(const QPoint& position)
{
    const QListWidgetItem* selected = SelectedItem();
    if (!selected || !m_station)
        return;
    const quint64 id = selected->data(IdRole).toULongLong();
    m_clickedChannel = id;
    const TConnectionCommands commands = m_station->Manager().CommandsFor(id);
    m_ui->actionConnect->setEnabled(commands.Connect);
    m_ui->actionDisconnect->setEnabled(commands.Disconnect);
    m_ui->actionProperties->setEnabled(commands.Properties);
    m_popup->popup(m_ui->listView->viewport()->mapToGlobal(position));
}

void TConnectionsForm::ConnectClick()
{
    if (m_station && m_clickedChannel)
        m_station->Manager().ConnectPrinter(*m_clickedChannel);
}

void TConnectionsForm::DisconnectClick()
{
    if (m_station && m_clickedChannel)
        m_station->Manager().DisconnectPrinter(*m_clickedChannel);
}

// The manager stays disabled while the dialog is open; closing it enables the manager again.
void TConnectionsForm::PropertiesClick()
{
    if (!m_station || !m_clickedChannel)
        return;
    const std::optional<TPrinterProperties> properties = m_station->Manager().PropertiesOf(*m_clickedChannel);
    if (!properties)
        return;
    m_station->Manager().SetEnabled(m_propertyForm, false);
    m_propertyForm->ShowProperties(*properties);
}
