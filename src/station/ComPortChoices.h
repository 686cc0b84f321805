#pragma once

#include <QList>
#include <QStringList>

class TConnectionManager;

// The serial ports the operator uses, kept in the settings store's group ValidComPorts: one value
// per port name, non-zero for a port in use. The choices for ports the PC does not have stay stored
// as they are, for the day the port is back.
namespace ComPortChoices {

struct TChoice
{
    int Index = 0; // the port's position in the serial list
    bool InUse = false;

    bool operator==(const TChoice&) const = default;
};

// The stored choices for the ports present (the serial list's names, in its order), names compared
// without regard to letter case; stored names of other ports are passed over.
QList<TChoice> Stored(const QStringList& portNames);
// Stores the choice for every port of the serial list: inUse[i] for the manager's port i.
void Save(const TConnectionManager& manager, const QList<bool>& inUse);

} // namespace ComPortChoices
