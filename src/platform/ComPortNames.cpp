#include "platform/ComPortNames.h"

#include "platform/SettingsStore.h"

QString ComPortNames::Name(int portNumber)
{
    return QStringLiteral("COM%1").arg(portNumber);
}

QString ComPortNames::Device(int portNumber)
{
    if (portNumber < FirstPort || portNumber > LastPort)
        return {};
#ifdef Q_OS_WIN
    return QStringLiteral("\\\\.\\COM%1").arg(portNumber);
#else
    const QString key =
        QStringLiteral("%1/%2").arg(QLatin1String(SettingsStore::ComPortDevicesGroup), Name(portNumber));
    const QString mapped = SettingsStore::Value(key).toString();
    return mapped.isEmpty() ? QStringLiteral("/dev/ttyS%1").arg(portNumber - 1) : mapped;
#endif
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
