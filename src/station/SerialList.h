#pragma once

#include <QList>
#include <QString>

class TConnectionManager;
class TSerialChannel;

// The serial channels: one per COM port present on the PC, in ascending port number, so that entry
// i stands for the (i + 1)-th entry of the main window's "Com ports" menu.
class TSerialList
{
public:
    explicit TSerialList(TConnectionManager& manager) : m_manager(manager) {}

    // Probes COM1 to COM50: new ports get a channel (offline), gone ports lose theirs.
    void BuildList();
    // Whether the port's device can be opened, or is held by someone (another program, or this
    // station's own online channel). False for 0 and numbers outside 1-50, and for no device.
    static bool PortExists(int portNumber);
    static bool DeviceExists(const QString& device);

    int Count() const { return int(m_channels.size()); }
    TSerialChannel* At(int index) const { return m_channels.value(index); }
    const QList<TSerialChannel*>& Channels() const { return m_channels; }
    int IndexOf(const QString& name) const;
    // Adds a channel in port order.
    void Insert(TSerialChannel* channel);

private:
    TConnectionManager& m_manager;
    QList<TSerialChannel*> m_channels;
};
