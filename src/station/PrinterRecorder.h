#pragma once

#include "coder/CoderEvents.h"
#include "station/ConnectionManager.h"
#include "station/StationEvent.h"

#include <QHash>
#include <QObject>

class TStationEvents;

// Follows each connected printer from its connection to its end and turns what it reports into the
// station's events: connected, disconnected (by whom), link lost, reconnecting and reconnected, print
// started and stopped (the print lamp), the ink or ribbon lamp's state raised and cleared, and its
// faults.
class TPrinterRecorder : public QObject
{
public:
    TPrinterRecorder(TStationEvents& events, TConnectionManager& manager, QObject* parent = nullptr);

    void Connected(const TCoder& coder);
    // Any printer's status (status word, printing); only connected printers are followed.
    void StatusChanged(const TCoder& coder);
    void FaultRaised(const TCoder& coder, TPrinterFault fault, const QString& text);

    // "print-cycle-timeout" ...
    static QString FaultName(TPrinterFault fault);

private:
    void Disconnecting(TCommChannel& channel, TDisconnectCause cause);
    void Reconnecting(TCommChannel& channel, int pauseMs, int attempt);
    void Reconnected(TCommChannel& channel, int attempts, int pauseMs);
    // Ends following the printer; false when it was not followed.
    bool Forget(const TCommChannel& channel);

    TStationEvents& m_events;
    QHash<quint64, quint16> m_followed; // the status word last seen, by channel id
};
