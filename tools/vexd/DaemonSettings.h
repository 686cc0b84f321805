#pragma once

#include "PrinterTarget.h"
#include "broker/BrokerSettings.h"

#include <QList>
#include <QStringList>

// What vexd is to do, from the settings store: the printers of VEXD_PRINTERS ("HOST:PORT", "COMn",
// or "discover" for every printer discovery finds; separated by commas or blanks), the broker, and
// the history.
struct TDaemonSettings
{
    static constexpr qsizetype MaxPrinters = 256;

    QList<TPrinterTarget> Printers;
    bool Discover = false;
    TBrokerSettings Broker;
    QString HistoryPath;
    // What is wrong, one line each; vexd does not start while any is.
    QStringList Problems;

    static TDaemonSettings FromSettings();
    // What --check says of usable settings: never the password.
    QString Summary() const;
};
