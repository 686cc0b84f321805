#pragma once

#include "PrinterTarget.h"

#include <QList>
#include <QObject>

class TStation;

// The printers vexd keeps connected, by the station's reconnection: those its settings name (kept
// from the start, also while nothing answers there), and with discovery every printer it finds.
class TDaemonPrinters : public QObject
{
    Q_OBJECT

public:
    TDaemonPrinters(TStation& station, const QList<TPrinterTarget>& printers, bool discover, QObject* parent = nullptr);

    void Start();
    // A printer discovery found (its channel's id).
    void Found(quint64 printerId);

private:
    TStation& m_station;
    QList<TPrinterTarget> m_printers;
    bool m_discover;
};
