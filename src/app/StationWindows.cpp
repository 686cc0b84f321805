#include "app/StationWindows.h"

#include "app/connections/ConnectionsForm.h"
#include "app/history/HistoryForm.h"
#include "app/images/ChangeoverForm.h"
#include "app/images/ImageDialogs.h"
#include "app/images/ImageDownloadForm.h"
#include "app/line/LineForm.h"
#include "app/main/AboutBox.h"
#include "app/main/VexMainForm.h"
#include "app/operator/OperatorWindows.h"
#include "app/parameters/ParametersWindows.h"
#include "app/preview/LabelPreviewForm.h"
#include "app/print/PrintForm.h"
#include "broker/BrokerSettings.h"
#include "broker/RemoteOperatorView.h"
#include "broker/StationBroker.h"
#include "comm/CommChannel.h"
#include "history/HistoryStore.h"
#include "preview/LabelPreview.h"
#include "images/FontUnit.h"
#include "station/Reconnection.h"
#include "station/Station.h"

template <typename Window> Window* TStationWindows::Created(std::unique_ptr<Window>& window)
{
    m_windows.append(window.get());
    return window.get();
}

// The windows in the order of creation; a window made of several (the parameters editor with the
// clock dialog and the flash write notice, for example) comes at the place of its first.
TStationWindows::TStationWindows(const QString& programFile) : m_languagePack(programFile)
{
    m_mainForm = std::make_unique<TVexMainForm>();
    Created(m_mainForm);
    m_imageTransfer = std::make_unique<TImageDownloadForm>(m_mainForm.get());
    Created(m_imageTransfer);
    m_print = std::make_unique<TPrintForm>(m_mainForm.get());
    Created(m_print);
    m_aboutBox = std::make_unique<TAboutBox>(TProgramVersion::OfProgram(), m_mainForm.get());
    Created(m_aboutBox);
    // The image delete dialog, the modify image window and the modify item dialog.
    m_imageDialogs = std::make_unique<TImageDialogs>(m_mainForm.get());
    Created(m_imageDialogs);
    // The flash write notice, the parameters editor and the printer clock dialog.
    m_parameters = std::make_unique<TParametersWindows>(m_mainForm.get());
    Created(m_parameters);
    // The operator text, date and numeric windows, and the message window.
    m_operator = std::make_unique<TOperatorWindows>();
    Created(m_operator);
    m_fonts = std::make_unique<TFontMap>(TFontMap::LoadForStation());
    // The connection manager: its window with the properties dialog, and its logic.
    m_connections = std::make_unique<TConnectionsForm>(m_mainForm.get());
    Created(m_connections);
    // "Preview", which needs no printer: after the windows of the station's order.
    m_preview = std::make_unique<TLabelPreviewForm>(*m_fonts, m_mainForm.get());
    Created(m_preview);
    m_historyForm = std::make_unique<THistoryForm>(m_mainForm.get());
    Created(m_historyForm);
    m_changeover = std::make_unique<TChangeoverForm>(*m_fonts, m_mainForm.get());
    Created(m_changeover);
    m_lineForm = std::make_unique<TLineForm>(m_mainForm.get());
    Created(m_lineForm);
    m_remoteOperator = std::make_unique<TRemoteOperatorView>(*m_operator, TRemoteOperatorView::TMode::Operator);
    m_station = std::make_unique<TStation>(
        TStationViews{*m_mainForm, *m_connections, *m_print, *m_imageTransfer, *m_imageDialogs, *m_parameters,
                      *m_remoteOperator},
        *m_fonts);
    m_station->Batch().SetBarcodeCheck(&LabelPreview::FirstUnreadableBarcode);
    // The body of the last image built, in the working folder of the moment.
    m_station->Batch().SetBodyCopyPath(QStringLiteral("scltest.dta"));
    // Everything the station does and sees goes into the history; a file that cannot be written is
    // said once in the message window.
    m_history = std::make_unique<THistoryStore>(THistoryStore::PathFromSettings(),
                                                TEventSource{QLatin1String(TEventSource::Window), {}},
                                                THistoryStore::DaysFromSettings());
    QObject::connect(&m_station->Events(), &TStationEvents::Emitted, m_history.get(), &THistoryStore::Append);
    QObject::connect(m_history.get(), &THistoryStore::Fault, m_history.get(),
                     [this](const QString& text) { m_operator->ShowMessage(text); });
    m_historyForm->SetStore(*m_history);

    for (TStationWindow* window : m_windows)
        window->Attach(*m_station);
    ConnectMainMenu();
    FollowLine();
    StartBroker();
    QObject::connect(m_imageTransfer.get(), &TImageDownloadForm::HiddenProgressChanged, m_mainForm.get(),
                     &TVexMainForm::ShowTransferProgress);
}

// The station goes first: it refers to the windows as its views; the history after it has written
// what the station told it.
TStationWindows::~TStationWindows()
{
    m_changeover.reset(); // it follows the station's reports
    m_broker.reset();
    m_station.reset();
    m_history.reset();
}

void TStationWindows::ConnectMainMenu()
{
    TVexMainForm* main = m_mainForm.get();
    QObject::connect(main, &TVexMainForm::ConnectionsClicked, main, [this] { m_connections->ShowWindow(); });
    QObject::connect(main, &TVexMainForm::LineOverviewClicked, main, [this] { m_lineForm->ShowWindow(); });
    QObject::connect(main, &TVexMainForm::DeleteClicked, main, [this] { m_imageDialogs->ShowImageDelete(); });
    QObject::connect(main, &TVexMainForm::ModifyClicked, main, [this] { m_imageDialogs->ShowModifyImage(); });
    QObject::connect(main, &TVexMainForm::PrintClicked, main, [this] { m_print->ShowPrintWindow(); });
    QObject::connect(main, &TVexMainForm::ChangeoverClicked, main, [this] { m_changeover->ShowWindow(); });
    QObject::connect(main, &TVexMainForm::PreviewClicked, main, [this] { m_preview->OpenClick(); });
    QObject::connect(main, &TVexMainForm::HistoryClicked, main, [this] { m_historyForm->ShowWindow(); });
    QObject::connect(main, &TVexMainForm::AboutClicked, m_aboutBox.get(), &QWidget::show);
    QObject::connect(main, &TVexMainForm::LanguageClicked, main,
                     [this](qint32 localeId) { LanguageSelectClick(localeId); });
}

void TStationWindows::StartBroker()
{
    const TBrokerSettings settings = TBrokerSettings::FromSettings();
    if (!settings.IsSet()) {
        m_mainForm->SetRemoteControlAvailable(false, TStationBroker::tr("No broker is set (MQTT_BROKER)."));
        return;
    }
    if (!settings.IsUsable()) {
        m_mainForm->SetRemoteControlAvailable(false, settings.Problems.join(QLatin1Char(' ')));
        m_operator->ShowMessage(TStationBroker::tr("The station does not publish on the broker: %1")
                                    .arg(settings.Problems.join(QLatin1Char(' '))));
        return;
    }
    m_broker = std::make_unique<TStationBroker>(settings, QStringLiteral("vex"), *m_station, *m_history,
                                                m_remoteOperator.get(),
                                                TStationBroker::TPermission::SettingsAndOperator);
    QObject::connect(m_broker.get(), &TStationBroker::Problem, m_broker.get(),
                     [this](const QString& text) { m_operator->ShowMessage(text); });
    QObject::connect(m_mainForm.get(), &TVexMainForm::RemoteControlToggled, m_broker.get(),
                     &TStationBroker::SetOperatorAllows);
    m_mainForm->SetRemoteControlAvailable(
        settings.RemoteControl,
        settings.RemoteControl ? QString() : TStationBroker::tr("Remote control is off in the settings (REMOTE_CONTROL)."));
}

// A printer lost without the operator asking is connected again (AUTO_RECONNECT), and the main
// window's title counts the printers connected and reconnecting.
void TStationWindows::FollowLine()
{
    TReconnection& reconnection = m_station->Reconnection();
    reconnection.SetTimes(TReconnectionTimes::FromSettings());
    reconnection.SetKeepsConnectedPrinters(TReconnection::AutomaticFromSettings());
    QObject::connect(&m_station->Line(), &TLineModel::CountsChanged, m_mainForm.get(), [this] { ShowLineCounts(); });
}

void TStationWindows::ShowLineCounts()
{
    const TLineModel::TCounts counts = m_station->Line().Counts();
    m_mainForm->ShowLineCounts(counts.Connected + counts.Reconnecting > 0 ? TLineForm::CountsText(counts) : QString());
}

void TStationWindows::Start()
{
    if (m_broker)
        m_broker->Start();
    SetLanguage();
    m_mainForm->SetValidComPorts();
    m_mainForm->show();
}

// The stored language, then the first channel lists. The lists are built also when no language
// was stored or its pack is missing: the station finds its printers in any language.
void TStationWindows::SetLanguage()
{
    if (const std::optional<qint32> localeId = Languages::Stored(); localeId && LoadLanguagePack(*localeId)) {
        m_mainForm->ClearComPortMenu();
        ReloadWindowTexts();
        m_mainForm->CheckLanguage(*localeId);
    }
    m_station->Manager().BuildChannelLists();
}

bool TStationWindows::LoadLanguagePack(qint32 localeId)
{
    return m_languagePack.Load(localeId);
}

void TStationWindows::ReloadWindowTexts()
{
    for (TStationWindow* window : m_windows)
        window->ReloadWindowTexts();
    ShowLineCounts();
}

// The "Connections" window is hidden meanwhile and keeps its lists; they are rebuilt at the next
// refresh. A window that had disabled it (a transfer going on) keeps it disabled afterwards.
void TStationWindows::LanguageSelectClick(qint32 localeId)
{
    if (!LoadLanguagePack(localeId))
        return;
    TConnectionManager& manager = m_station->Manager();
    manager.SetEnabled(this, false);
    const bool managerWasVisible = m_connections->IsWindowVisible();
    if (managerWasVisible)
        m_connections->HideWindow();

    ReloadWindowTexts();
    m_mainForm->CheckLanguage(localeId);
    Languages::Store(localeId);
    m_mainForm->CentreOnScreen();

    m_connections->ResetWindowParameters();
    // The whole state of the selected printer again: the design state has none of it.
    if (TCommChannel* selected = manager.SelectedChannel())
        selected->SetSelected(true);
    manager.BuildChannelLists();

    if (managerWasVisible)
        m_connections->ShowWindow();
    manager.SetEnabled(this, true);
}
