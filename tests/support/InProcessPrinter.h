#pragma once

#include "SimMessageLog.h"
#include "SimPrinter.h"
#include "SimPty.h"
#include "SimTcpServer.h"

#include <QStringList>

class TConnectionManager;

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
    // The bodies of the messages of the kind that reached the printer.
    QList<QByteArray> ReceivedBodies(TXLMessageKind kind) const;

    enum class TMedium
    {
        Serial, // its pseudo-terminal as a COM port of that number
        Network // its TCP port, as a printer named by the operator
    };
    // Connects the printer to the station and waits until it is the selected printer and has sent
    // its images: the channel's id, 0 when that did not happen.
    quint64 ConnectTo(TConnectionManager& manager, TMedium medium = TMedium::Serial, int comNumber = 9);

    TSimPrinter Printer;
    TSimTcpServer Tcp;
    TSimPty Pty;
    TSimMessageLog Log;

private:
    QString m_logPath;
};
