#include "Daemon.h"

#include "DaemonPrinters.h"
#include "InterruptSignal.h"
#include "Journal.h"
#include "broker/EventPublisher.h"
#include "broker/RemoteOperatorView.h"
#include "broker/StationBroker.h"
#include "history/HistoryStore.h"
#include "images/FontUnit.h"
#include "station/Reconnection.h"
#include "station/Station.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QTimer>

namespace {
// On the way out: how long the history and the broker may take for the last events.
constexpr int StopWaitMs = 3000;
constexpr int StopPollMs = 20;
} // namespace

TDaemonViews::TDaemonViews() : TConsoleViews(false)
{
    Output = [](const QString& line) { Journal::Write(Journal::Warning, line); };
}

void TDaemonViews::EntryAdded(const TConnectionEntry& entry)
{
    TConsoleViews::EntryAdded(entry);
    emit PrinterFound(entry.Id);
}

TDaemon::TDaemon(const TDaemonSettings& settings, QObject* parent) : QObject(parent), m_settings(settings)
{
    const TBrokerSettings& broker = settings.Broker;
    m_operator = std::make_unique<TRemoteOperatorView>(m_views, TRemoteOperatorView::TMode::NoOperator);
    if (broker.IsSet() && broker.RemoteControl)
        m_operator->SetAnswerWaitMs(broker.AnswerSeconds * 1000);
    m_fonts = std::make_unique<TFontMap>(TFontMap::LoadForStation());
    // Discovery only when the settings ask for it: printers named by address need none.
    m_station = std::make_unique<TStation>(
        TStationViews{m_views, m_views, m_views, m_views, m_views, m_views, *m_operator}, *m_fonts,
        settings.Discover ? TDiscoveryAddress::FromSettings() : TDiscoveryAddress::NothingToFind());
    m_station->Events().SetSource({QLatin1String(TEventSource::Vexd), {}});
    m_station->Reconnection().SetTimes(TReconnectionTimes::FromSettings());

    m_history = std::make_unique<THistoryStore>(settings.HistoryPath, TEventSource{QLatin1String(TEventSource::Vexd), {}},
                                                THistoryStore::DaysFromSettings());
    connect(&m_station->Events(), &TStationEvents::Emitted, m_history.get(), &THistoryStore::Append);
    connect(&m_station->Events(), &TStationEvents::Emitted, this, &TDaemon::LogEvent);
    connect(m_history.get(), &THistoryStore::Fault, this, [](const QString& text) { Journal::Write(Journal::Error, text); });

    if (broker.IsSet()) {
        m_broker = std::make_unique<TStationBroker>(broker, QStringLiteral("vexd"), *m_station, *m_history,
                                                    m_operator.get(), TStationBroker::TPermission::Settings);
        connect(m_broker.get(), &TStationBroker::Problem, this,
                [](const QString& text) { Journal::Write(Journal::Warning, text); });
        connect(m_broker.get(), &TStationBroker::ConnectedChanged, this, [where = broker.Where()](bool connected) {
            Journal::Write(Journal::Notice, connected ? QStringLiteral("connected to the broker %1").arg(where)
                                                      : QStringLiteral("the connection to the broker %1 ended").arg(where));
        });
    }
    m_printers = std::make_unique<TDaemonPrinters>(*m_station, settings.Printers, settings.Discover);
    connect(&m_views, &TDaemonViews::PrinterFound, m_printers.get(), &TDaemonPrinters::Found);
    m_interrupt = std::make_unique<TInterruptSignal>();
    connect(m_interrupt.get(), &TInterruptSignal::Interrupted, this, &TDaemon::Stop);
}

// The station goes before the history, which writes what the station told it.
TDaemon::~TDaemon()
{
    m_printers.reset();
    m_broker.reset();
    m_station.reset();
    m_history.reset();
}

void TDaemon::Start()
{
    Journal::Write(Journal::Info, QStringLiteral("vexd %1 starts: %2")
                                      .arg(QCoreApplication::applicationVersion(), m_settings.Summary()));
    if (m_broker)
        m_broker->Start();
    m_printers->Start();
}

void TDaemon::LogEvent(const TStationEvent& event)
{
    const QString printer = event.Printer.Name.isEmpty() ? QStringLiteral("station") : event.Printer.Name;
    Journal::Write(Journal::Info, QStringLiteral("%1: %2 %3")
                                      .arg(printer, StationEventKinds::NameOf(event.Kind),
                                           QString::fromUtf8(QJsonDocument(event.Values).toJson(QJsonDocument::Compact))));
}

void TDaemon::Stop()
{
    if (m_stopping)
        return;
    m_stopping = true;
    Journal::Write(Journal::Notice, QStringLiteral("vexd stops: every printer is disconnected"));
    m_operator->EndWaits();
    m_station->Shutdown();
    m_history->WaitForWriter(StopWaitMs);
    if (m_broker) {
        // The last events (the disconnections) go to the broker before it hears the station go.
        QElapsedTimer waited;
        waited.start();
        QEventLoop loop;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &loop, [&] {
            if (!m_broker->IsConnected() || m_broker->Events().IsIdle() || waited.elapsed() > StopWaitMs)
                loop.quit();
        });
        poll.start(StopPollMs);
        loop.exec();
        m_broker->Stop();
    }
    emit Stopped();
}
