#pragma once

#include <QDateTime>
#include <QString>

// One entry of the connection list: a printer link named by its channel's id, its caption and its
// icon (0-3 by the printer's status bits when connected, 4 when not, 5 while the station connects a
// printer it lost again, since the time given).
struct TConnectionEntry
{
    static constexpr int NotConnectedIcon = 4;
    static constexpr int ReconnectingIcon = 5;

    quint64 Id = 0;
    QString Caption;
    int Icon = NotConnectedIcon;
    QDateTime ReconnectingSince;

    bool operator==(const TConnectionEntry&) const = default;
};

// The "Connections" window as the station sees it: told each change of the list, so that it can keep
// the operator's selection, and enabled or disabled by the connection manager only.
class TConnectionsView
{
public:
    virtual ~TConnectionsView() = default;

    virtual void EntryAdded(const TConnectionEntry& entry) = 0;
    virtual void EntryChanged(const TConnectionEntry& entry) = 0;
    virtual void EntryRemoved(quint64 id) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    // A discovery could not be sent.
    virtual void ShowNoEthernetConnection() = 0;
};
