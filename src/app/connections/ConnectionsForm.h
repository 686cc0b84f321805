#pragma once

#include "app/StationWindow.h"
#include "station/views/ConnectionsView.h"
#include "widgets/ConnectionIcon.h"

#include <QIcon>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QListWidgetItem;
class QMenu;
class TPropertyForm;
namespace Ui {
class TConnectionsForm;
}

// The "Connections" window: every printer the station can reach as an icon that shows its lamps,
// and the operator's commands on them. A view of the connection manager: it shows the entries the
// manager announces, keeping the operator's selection, and hands every click to the manager by the
// printer's channel id. It is enabled and disabled only by the manager.
class TConnectionsForm : public QWidget, public TConnectionsView, public TStationWindow
{
    Q_OBJECT

public:
    // What a list entry holds besides its caption: its printer's channel id, and its icon's index.
    static constexpr int IdRole = Qt::UserRole;
    static constexpr int IconRole = Qt::UserRole + 1;
    static constexpr int ReconnectingSinceRole = Qt::UserRole + 2;

    // The window goes beside the main window; the properties dialog belongs to the main window too,
    // so that it stays usable while this window is disabled.
    explicit TConnectionsForm(QWidget* mainWindow);
    ~TConnectionsForm() override;

    void Attach(TStation& station) override;
    void ReloadWindowTexts() override;

    // The main menu's "Connections", and the language change.
    void ShowWindow();
    void HideWindow();
    bool IsWindowVisible() const { return isVisible(); }
    // Places the window beside the main window, a third of the screen high.
    void ResetWindowParameters();

    void EntryAdded(const TConnectionEntry& entry) override;
    void EntryChanged(const TConnectionEntry& entry) override;
    void EntryRemoved(quint64 id) override;
    void SetEnabled(bool enabled) override;
    void ShowNoEthernetConnection() override;

    // The printer the popup's commands act on: the one last clicked or right-clicked.
    std::optional<quint64> ClickedChannel() const { return m_clickedChannel; }
    TPropertyForm& PropertyForm();
    QMenu& Popup() { return *m_popup; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ListViewClick(const QModelIndex& index);
    void ListViewSelectionChange();
    void ListViewContextPopup(const QPoint& position);
    void ConnectClick();
    void DisconnectClick();
    void PropertiesClick();

    QListWidgetItem* ItemOf(quint64 id) const;
    QListWidgetItem* SelectedItem() const;
    void ShowEntry(QListWidgetItem& item, const TConnectionEntry& entry);
    void UpdateAccessibleText(QListWidgetItem& item);
    QString StateText(const QListWidgetItem& item) const;

    std::unique_ptr<Ui::TConnectionsForm> m_ui;
    QWidget* m_mainWindow;
    QPointer<TPropertyForm> m_propertyForm; // a child of the main window, released with this window
    QMenu* m_popup = nullptr;
    std::array<QIcon, ConnectionIcon::Count> m_icons;
    TStation* m_station = nullptr;
    std::optional<quint64> m_clickedChannel;
    bool m_firstShow = true;
    // The list is being changed as the manager announced: its selection moving is not the operator's.
    bool m_showingChange = false;
};
