#include "station/StationEvents.h"

TStationEvents::TStationEvents(SelectedPrinter selected, QObject* parent)
    : QObject(parent), m_selected(std::move(selected))
{}

void TStationEvents::Emit(TStationEventKind kind, const TEventPrinter& printer, QJsonObject values)
{
    emit Emitted(TStationEvent::Make(kind, printer, m_source, std::move(values)));
}

void TStationEvents::Emit(TStationEventKind kind, const TCoder& printer, QJsonObject values)
{
    Emit(kind, TEventPrinter::Of(printer), std::move(values));
}

void TStationEvents::EmitForSelected(TStationEventKind kind, QJsonObject values)
{
    if (const TCoder* printer = m_selected ? m_selected() : nullptr)
        Emit(kind, *printer, std::move(values));
}

TStationEvents::TSourceScope::TSourceScope(TStationEvents& events, const TEventSource& source)
    : m_events(events), m_previous(events.Source())
{
    m_events.SetSource(source);
}

TStationEvents::TSourceScope::~TSourceScope()
{
    m_events.SetSource(m_previous);
}
