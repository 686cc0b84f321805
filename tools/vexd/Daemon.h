#pragma once

#include "ConsoleViews.h"
#include "DaemonSettings.h"

#include <QObject>

#include <memory>

class TDaemonPrinters;
class TFontMap;
class THistoryStore;
class TInterruptSignal;
class TRemoteOperatorView;
class TStation;
class TStationBroker;
struct TStationEvent;

// vexd's views: the console's, with every line for the operator in the journal, and the printers
// that discovery finds told to the program.
class TDaemonViews : public TConsoleViews
{
    Q_OBJECT

public:
    TDaemonViews();
    void EntryAdded(const TConnectionEntry& entry) override;

signals:
    void PrinterFound(quint64 printerId);
};

// The station without windows as a service: it keeps its printers connected, records the history
// and publishes on the broker. An operator request waits for a remote answer for the time the
// settings give (with remote control on), and is otherwise left unanswered. SIGTERM or Ctrl-C ends
// it cleanly: every printer gets its disconnect request, what was recorded goes to the broker, and
// the broker publishes the station offline.
class TDaemon : public QObject
{
    Q_OBJECT

public:
    explicit TDaemon(const TDaemonSettings& settings, QObject* parent = nullptr);
    ~TDaemon() override;

    void Start();
    void Stop();

signals:
    void Stopped();

private:
    void LogEvent(const TStationEvent& event);

    TDaemonSettings m_settings;
    TDaemonViews m_views;
    std::unique_ptr<TRemoteOperatorView> m_operator;
    std::unique_ptr<TFontMap> m_fonts;
    std::unique_ptr<TStation> m_station;
    std::unique_ptr<THistoryStore> m_history;
    std::unique_ptr<TStationBroker> m_broker;
    std::unique_ptr<TDaemonPrinters> m_printers;
    std::unique_ptr<TInterruptSignal> m_interrupt;
    bool m_stopping = false;
};
