#include "platform/ComPortNames.h"

#include "platform/SettingsStore.h"

QString ComPortNames::Name(int portNumber)
{
    return QStringLiteral("COM%1").arg(portNumber);
}

namespace {
QString DeviceIn(const QSettings& settings, int portNumber)
{
    if (portNumber < ComPortNames::FirstPort || portNumber > ComPortNames::LastPort)
        return {};
#ifdef Q_OS_WIN
    Q_UNUSED(settings);
    return QStringLiteral("\\\\.\\COM%1").arg(portNumber);
#else
    const QString key = QStringLiteral("%1/%2").arg(QLatin1String(SettingsStore::ComPortDevicesGroup),
                                                    ComPortNames::Name(portNumber));
    const QString mapped = settings.value(key).toString();
    return mapped.isEmpty() ? QStringLiteral("/dev/ttyS%1").arg(portNumber - 1) : mapped;
#endif
}
} // namespace

QString ComPortNames::Device(int portNumber)
{
    return DeviceIn(*SettingsStore::Open(), portNumber);
}

QStringList ComPortNames::Devices()
{
    const std::unique_ptr<QSettings> settings = SettingsStore::Open();
    QStringList devices;
    for (int n = FirstPort; n <= LastPort; ++n)
        devices.append(DeviceIn(*settings, n));
    return devices;
}

int ComPortNames::NumberOf(const QString& name)
{
    if (!name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
        return 0;
    bool ok = false;
    const int number = name.mid(3).toInt(&ok);
    return ok && number >= FirstPort && number <= LastPort &&
                   Name(number).compare(name, Qt::CaseInsensitive) == 0
               ? number
               : 0;
}
