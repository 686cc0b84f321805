#pragma once

#include "station/StationEvent.h"

#include <QObject>

#include <functional>

// The station's one stream of events: everything that happens to a printer or is done to it goes
// out through Emitted, in the order it happened. The history stores it; windows and other programs
// subscribe to the same signal. Each event is stamped with the time (the station's clock), the
// computer, the operating-system user and the source in force.
class TStationEvents : public QObject
{
    Q_OBJECT

public:
    // The printer the station shows and sends to, or null.
    using SelectedPrinter = std::function<const TCoder*()>;

    explicit TStationEvents(SelectedPrinter selected, QObject* parent = nullptr);

    // Who the events that follow come from; the program sets it once (a window is assumed).
    void SetSource(const TEventSource& source) { m_source = source; }
    const TEventSource& Source() const { return m_source; }

    void Emit(TStationEventKind kind, const TEventPrinter& printer, QJsonObject values = {});
    void Emit(TStationEventKind kind, const TCoder& printer, QJsonObject values = {});
    // For the selected printer; nothing is emitted without one.
    void EmitForSelected(TStationEventKind kind, QJsonObject values = {});

    // The source of the events emitted while it lives, such as a remote client's command; the
    // source before it is in force again afterwards.
    class TSourceScope
    {
    public:
        TSourceScope(TStationEvents& events, const TEventSource& source);
        ~TSourceScope();
        TSourceScope(const TSourceScope&) = delete;
        TSourceScope& operator=(const TSourceScope&) = delete;

    private:
        TStationEvents& m_events;
        TEventSource m_previous;
    };

signals:
    void Emitted(const TStationEvent& event);

private:
    SelectedPrinter m_selected;
    TEventSource m_source;
};
