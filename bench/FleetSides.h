#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <memory>

class TStation;

// One side of the fleet benchmark, the thing whose cost is measured with the printers connected:
// "floor" (bare sockets that acknowledge what the printers send), "station" (the station layer
// without windows) or "windows" (the window program's station, offscreen).
class TFleetSide
{
public:
    virtual ~TFleetSide() = default;

    static std::unique_ptr<QCoreApplication> MakeApplication(const QString& kind, int& argc, char* argv[]);
    static std::unique_ptr<TFleetSide> Make(const QString& kind);
    // Settings of a station that finds the printers answering discovery on the loopback broadcast
    // address at that port, and no serial ports.
    static void WriteSettings(const QString& fileName, quint16 discoveryPort);

    // Up and running, with no printer yet.
    virtual bool Start() = 0;
    // Finds the printers listening on these ports and connects them; true once all are connected
    // and have answered.
    virtual bool ConnectAll(const QList<quint16>& ports) = 0;
    virtual bool AllStillConnected() = 0;
    // The station measured; none for the floor.
    virtual TStation* Station() { return nullptr; }
};
