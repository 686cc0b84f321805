#pragma once

#include "station/LanguagePack.h"

#include <QCoreApplication>

#include <memory>

class TAboutBox;
class TChangeoverForm;
class TConnectionsForm;
class TFontMap;
class THistoryForm;
class THistoryStore;
class TLineForm;
class TImageDialogs;
class TImageDownloadForm;
class TLabelPreviewForm;
class TOperatorWindows;
class TParametersWindows;
class TPrintForm;
class TRemoteOperatorView;
class TStation;
class TStationBroker;
class TStationWindow;
class TVexMainForm;

// The window program: every window, created once in a fixed order; the station's logic, with the
// windows as its views; the language in use; start-up and the language switch.
class TStationWindows
{
public:
    // Language packs are looked for beside the program file.
    explicit TStationWindows(const QString& programFile = QCoreApplication::applicationFilePath());
    ~TStationWindows();
    TStationWindows(const TStationWindows&) = delete;
    TStationWindows& operator=(const TStationWindows&) = delete;

    // The rest of start-up once the windows exist: the stored language, the first channel lists and
    // the stored serial port choices; then the main window shows.
    void Start();

    bool LoadLanguagePack(qint32 localeId);
    // Every window back to its design state in the language now loaded.
    void ReloadWindowTexts();
    // The operator picked a language in the main menu.
    void LanguageSelectClick(qint32 localeId);

    TVexMainForm& MainForm() { return *m_mainForm; }
    TAboutBox& AboutBox() { return *m_aboutBox; }
    TParametersWindows& ParametersWindows() { return *m_parameters; }
    TStation& Station() { return *m_station; }
    THistoryStore& History() { return *m_history; }
    // The station on the broker; null without MQTT_BROKER or with settings that cannot be used.
    TStationBroker* Broker() { return m_broker.get(); }
    THistoryForm& HistoryForm() { return *m_historyForm; }
    TChangeoverForm& ChangeoverForm() { return *m_changeover; }
    TLineForm& LineForm() { return *m_lineForm; }
    const TLanguagePack& LanguagePack() const { return m_languagePack; }

private:
    void SetLanguage();
    template <typename Window> Window* Created(std::unique_ptr<Window>& window);
    void ConnectMainMenu();
    // With MQTT_BROKER set, the station publishes on the broker; its trouble goes to the message window.
    void StartBroker();
    void FollowLine();
    void ShowLineCounts();

    TLanguagePack m_languagePack;
    QList<TStationWindow*> m_windows; // in the order of creation
    std::unique_ptr<TVexMainForm> m_mainForm;
    std::unique_ptr<TImageDownloadForm> m_imageTransfer;
    std::unique_ptr<TPrintForm> m_print;
    std::unique_ptr<TAboutBox> m_aboutBox;
    std::unique_ptr<TImageDialogs> m_imageDialogs;
    std::unique_ptr<TParametersWindows> m_parameters;
    std::unique_ptr<TOperatorWindows> m_operator;
    // Between the station and the operator windows: a remote answer may close a request window.
    std::unique_ptr<TRemoteOperatorView> m_remoteOperator;
    std::unique_ptr<TFontMap> m_fonts;
    std::unique_ptr<TConnectionsForm> m_connections;
    std::unique_ptr<TLabelPreviewForm> m_preview;
    std::unique_ptr<THistoryForm> m_historyForm;
    std::unique_ptr<TChangeoverForm> m_changeover;
    std::unique_ptr<TLineForm> m_lineForm;
    std::unique_ptr<TStation> m_station;
    std::unique_ptr<THistoryStore> m_history;
    std::unique_ptr<TStationBroker> m_broker;
};
