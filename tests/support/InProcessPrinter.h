#pragma once

#include "SimMessageLog.h"
#include "SimPrinter.h"
#include "SimPty.h"
#include "SimTcpServer.h"

#include <QStringList>

// A simulated printer in the test's own process, on a loopback TCP port and a pseudo-terminal,
// writing every message it receives or sends to a log file.
class TInProcessPrinter
{
public:
    TInProcessPrinter(const QString& name, const QString& logPath, quint8 model = 1);
    TInProcessPrinter(const TSimPrinterConfig& config, const QString& logPath);

    // A printer of the model under the name, writing to flash at once.
    static TSimPrinterConfig Config(const QString& name, quint8 model = 1);

    // What reached the printer: "ImageData ONE" (with the image's name), "FlashWrite",
    // "DisconnectRequest", other messages as "id/sub".
    QStringList Received() const;
    QStringList ReceivedImagesAndFlashWrites() const;
    // The messages that reached the printer, with their bodies, in the order they arrived.
    QList<TXLMessage> ReceivedMessages() const;

    TSimPrinter Printer;
    TSimTcpServer Tcp;
    TSimPty Pty;
    TSimMessageLog Log;

private:
    QString m_logPath;
};
