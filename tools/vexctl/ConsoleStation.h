#pragma once

#include "ConsoleViews.h"
#include "PrinterTarget.h"
#include "comm/CommChannel.h"
#include "station/Reconnection.h"
#include "station/Station.h"

#include <QPointer>

#include <functional>

// Exit codes of vexctl.
namespace ExitCode {
inline constexpr int Ok = 0;
inline constexpr int Usage = 2;             // bad arguments, files that cannot be read or written
inline constexpr int Refused = 3;           // an image the station refuses to send
inline constexpr int TransferAborted = 4;   // the printer ended a transfer
inline constexpr int NoAnswer = 5;          // the printer does not answer in time
inline constexpr int BarcodeUnreadable = 6; // a barcode of the label does not read back
inline constexpr int FlashWriteFailed = 7;  // the printer could not write its flash memory
inline constexpr int Mismatch = 8;          // job run: the printer's items differ from the job's
} // namespace ExitCode

// The station without windows: the station's logic with console views, one printer connected and
// selected, and waits for the printer's reports with a time limit.
class TConsoleStation
{
public:
    TConsoleStation(TConsoleViews& views, const TFontMap& fonts, int timeoutMs,
                    const TDiscoveryAddress& discovery = {});

    TStation& Station() { return m_station; }
    TConnectionManager& Manager() { return m_station.Manager(); }
    TConsoleViews& Views() { return m_views; }
    const TConsoleViews& Views() const { return m_views; }

    // Runs the event loop until done() holds or the time limit has passed; false on the limit. The
    // limit starts again whenever the printer acknowledges a packet, so a long transfer to a
    // printer that keeps answering is not cut short. An interruption ends every wait, and so does the
    // printer going away once it was connected.
    bool Await(const std::function<bool()>& done, int timeoutMs = -1);
    // Ctrl-C: the wait under way and every later one end at once.
    void Interrupt() { m_interrupted = true; }

    // "HOST[:PORT]" or a serial port "COMn" or device path; connects and waits for the printer's
    // acknowledgement and its image list. Returns an exit code; on failure the error says why.
    int Connect(const TPrinterTarget& target, QString* error);
    // Sends what is queued, then the disconnect request, and waits until the link is down.
    void Disconnect();
    // Closes the link at once: for a printer that has stopped answering.
    void Abandon();
    // The station keeps the printer connected from now on (vexctl monitor --reconnect), also when
    // connecting it failed: its link, made again if the failed attempt released it.
    TCommChannel* KeepConnected(const TPrinterTarget& target, TReconnection::TStart start);

    // The printer's link once it is being connected; it stays the command's printer when the printer
    // goes (its link is then no longer connected).
    TCommChannel* Printer() { return m_channel; }
    // Waits until everything queued for the printer has been acknowledged.
    bool AwaitQueueSent();

private:
    int ConnectNetwork(const QString& hostAndPort, QString* error);
    int ConnectSerial(const QString& portOrDevice, QString* error);
    int AwaitConnected(TCommChannel* channel, QString* error);

    TConsoleViews& m_views;
    int m_timeoutMs;
    TStation m_station;
    QPointer<TCommChannel> m_channel; // the printer's link, once it is being connected
    bool m_connected = false;         // the printer has acknowledged the connection
    bool m_interrupted = false;
};
