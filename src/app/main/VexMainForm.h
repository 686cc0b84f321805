#pragma once

#include "app/StationWindow.h"
#include "station/MainMenuState.h"
#include "station/views/MainWindowView.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class QActionGroup;
namespace Ui {
class TVexMainForm;
}

// The station's main window: shows the selected printer's state, carries the main menu, keeps the
// serial port choices and closes every link when it closes. The windows its menu opens are the
// shell's: it says which was asked for.
class TVexMainForm : public QMainWindow, public TMainWindowView, public TStationWindow
{
    Q_OBJECT

public:
    // The size of the window's client area, below the menu.
    static constexpr QSize ClientSize{342, 246};
    static constexpr int FlashMs = 500;

    explicit TVexMainForm(QWidget* parent = nullptr);
    ~TVexMainForm() override;

    void Attach(TStation& station) override;
    void ReloadWindowTexts() override;

    // The printer's state, as the station shows it.
    void UpdateForm(const TCoder& coder) override;
    void SetCurrentImages(const QString& imageA, const QString& imageB) override;
    void SetCoderStatus(quint16 statusWord) override;
    void PrintStarted(qint32 printCount) override;
    void PrintStopped() override;
    void SetPrintCountText(const QString& text) override;
    void SetFreeSpaceText(const QString& text) override;
    void GeneratingImage(const QString& imageA, const QString& imageB) override;
    void ShowDisconnected() override;
    void ClearComPortMenu() override;
    void AddToComPortMenu(const QString& portName, bool checked) override;

    // The stored serial port choices are applied to the "Com ports" entries and their channels, and
    // the entries' checks stored.
    void SetValidComPorts();
    void SaveValidComPorts();
    // Checks the "Language" entry of the locale id; none for a locale id without an entry.
    void CheckLanguage(qint32 localeId);
    void CentreOnScreen();
    // While the image transfer window is hidden, the title says how far the image being sent has
    // got; a percent below 0 gives the title alone again.
    void ShowTransferProgress(const QString& fileName, int percent);
    // The title says how many printers are connected and how many the station is reconnecting, so
    // that a glance from across the line tells that one is missing.
    void ShowLineCounts(const QString& countsText);

    // "Settings", "Allow remote control" can be ticked only where the settings allow remote control
    // (a broker, REMOTE_CONTROL=1); otherwise it stays unticked and disabled, with the reason as its tip.
    void SetRemoteControlAvailable(bool available, const QString& reason);
    bool AllowsRemoteControl() const;

    const TMainMenuState& MenuState() const { return m_menuState; }
    const QTimer& FlashTimer() const { return m_flashTimer; }

signals:
    void ConnectionsClicked();
    // "Line overview": every printer the station knows.
    void LineOverviewClicked();
    void DeleteClicked();
    void ModifyClicked();
    void PrintClicked();
    // "Changeover": a product's job checked on the printer before it prints.
    void ChangeoverClicked();
    // "Preview": an image design file seen before it goes to a printer, with or without one.
    void PreviewClicked();
    // "History": what happened to the printers and what was done to them.
    void HistoryClicked();
    void AboutClicked();
    void LanguageClicked(qint32 localeId);
    // The operator ticked or unticked "Allow remote control"; the window shows it while ticked.
    void RemoteControlToggled(bool allowed);
    // Every printer link is closed and the port choices are stored: the program may end.
    void Closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectMenu();
    void ShowDesignState();
    void ApplyMenuState();
    void UpdateAccessibleNames();
    void SetPrinting(bool lit);
    void ParametersClick();
    void TransferMenuItemClick();
    void ComPortClick(QAction* entry);
    void LanguageSelectClick(int position);
    void FlashTimerTimeOut();
    void ShowRemoteControl(bool allowed);
    void ShowTitle();
    QList<QAction*> ComPortEntries() const;
    QList<QAction*> LanguageEntries() const;

    std::unique_ptr<Ui::TVexMainForm> m_ui;
    QActionGroup* m_languageGroup;
    TStation* m_station = nullptr;
    TMainMenuState m_menuState;
    QTimer m_flashTimer;
    qint32 m_checkedLocaleId = 0;
    bool m_shownBefore = false;
    bool m_closing = false;
    QString m_lineCounts; // empty while the station knows no connected or reconnecting printer
    QString m_transferFile;
    int m_transferPercent = -1;
};
