#pragma once

#include <QString>
#include <QStringList>

// Serial ports are named COM1...COM50 in the station. On Windows COMn is the device \\.\COMn;
// elsewhere the settings group ComPortDevices maps a name to a device path (COM5=/dev/ttyUSB0),
// and a name without an entry maps to /dev/ttyS<n-1>.
namespace ComPortNames {

inline constexpr int FirstPort = 1;
inline constexpr int LastPort = 50;

QString Name(int portNumber);
// The device path for a port number, or an empty string for numbers outside 1-50.
QString Device(int portNumber);
// The device paths of COM1 to COM50, in order, read from the settings at once.
QStringList Devices();
// The port number of a device given as COMn (any letter case), or 0 when it is not such a name.
int NumberOf(const QString& name);

} // namespace ComPortNames
