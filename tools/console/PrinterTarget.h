#pragma once

#include <QString>

// A printer as the command line or the settings name it: "HOST[:PORT]" on the network, or a serial
// port "COMn" or device path.
struct TPrinterTarget
{
    static constexpr quint16 DefaultPort = 3000;

    bool Serial = false;
    QString Where;

    // "HOST[:PORT]" as host and port (the printer's usual port when none is given); false when it is
    // no address or host name with a port from 1 to 65535.
    static bool SplitNetwork(const QString& hostAndPort, QString& host, quint16& port);
};
