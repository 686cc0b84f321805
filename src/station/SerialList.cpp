#include "station/SerialList.h"

#include "station/ConnectionManager.h"
#include "comm/SerialChannel.h"
#include "platform/ComPortNames.h"
#include "station/Reconnection.h"

#include <QFileInfo>
#include <QSerialPort>

#include <algorithm>

bool TSerialList::PortExists(int portNumber)
{
    return DeviceExists(ComPortNames::Device(portNumber));
}

bool TSerialList::DeviceExists(const QString& device)
{
    if (device.isEmpty())
        return false;
#ifndef Q_OS_WIN
    // A device that is not there cannot be opened; asking is quick, while an attempt to open
    // creates and removes a lock file on disk first, which for fifty ports slows start-up down.
    if (!QFileInfo::exists(device))
        return false;
#endif
    QSerialPort port(device);
    port.setReadBufferSize(64);
    if (port.open(QIODevice::ReadWrite)) {
        port.close();
        return true;
    }
    return port.error() == QSerialPort::PermissionError;
}

int TSerialList::IndexOf(const QString& name) const
{
    for (int i = 0; i < m_channels.size(); ++i)
        if (m_channels[i]->Name() == name)
            return i;
    return -1;
}

// The menu is told after the list has its new state: telling it may wait for the operator.
void TSerialList::BuildList()
{
    QList<std::pair<QString, bool>> menu;
    const QStringList devices = ComPortNames::Devices();
    for (int n = ComPortNames::FirstPort; n <= ComPortNames::LastPort; ++n) {
        const QString name = ComPortNames::Name(n);
        const int index = IndexOf(name);
        // A port whose printer the station keeps stays while its device is away (unplugged).
        const bool kept = index >= 0 && m_manager.Reconnection().Keeps(*m_channels[index]);
        if (!kept && !DeviceExists(devices.at(n - ComPortNames::FirstPort))) {
            if (index >= 0)
                m_manager.Retire(m_channels.takeAt(index));
            continue;
        }
        TSerialChannel* channel = index >= 0 ? m_channels[index] : nullptr;
        if (!channel) {
            channel = m_manager.CreateSerialChannel(name, n);
            Insert(channel);
        }
        menu.append({name, channel->IsOnline()});
    }
    TMainWindowView& mainWindow = m_manager.Views().Main;
    mainWindow.ClearComPortMenu();
    for (const auto& [name, online] : menu)
        mainWindow.AddToComPortMenu(name, online);
}

void TSerialList::Insert(TSerialChannel* channel)
{
    auto place = std::find_if(m_channels.begin(), m_channels.end(), [channel](const TSerialChannel* other) {
        return other->Port() > channel->Port();
    });
    m_channels.insert(place, channel);
}
