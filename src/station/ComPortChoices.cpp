#include "station/ComPortChoices.h"

#include "platform/SettingsStore.h"
#include "station/ConnectionManager.h"

namespace {
int IndexOfPort(const QStringList& portNames, const QString& name)
{
    for (int i = 0; i < portNames.size(); ++i)
        if (portNames[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
} // namespace

QList<ComPortChoices::TChoice> ComPortChoices::Stored(const QStringList& portNames)
{
    const std::unique_ptr<QSettings> settings = SettingsStore::Open();
    settings->beginGroup(QLatin1String(SettingsStore::ValidComPortsGroup));
    QList<TChoice> choices;
    for (const QString& name : settings->childKeys()) {
        const int index = IndexOfPort(portNames, name);
        if (index >= 0)
            choices.append({index, settings->value(name).toInt() != 0});
    }
    return choices;
}

// Where names are stored with their letter case (an INI file), the choice stored for the same port
// under another spelling goes: it would otherwise be read as well, and might win.
void ComPortChoices::Save(const TConnectionManager& manager, const QList<bool>& inUse)
{
    const std::unique_ptr<QSettings> settings = SettingsStore::Open();
    settings->beginGroup(QLatin1String(SettingsStore::ValidComPortsGroup));
    const QStringList stored = settings->childKeys();
    for (int index = 0; index < inUse.size(); ++index) {
        const QString name = manager.GetSerialChannelName(index);
        if (name.isEmpty())
            continue;
        for (const QString& spelling : stored)
            if (spelling != name && spelling.compare(name, Qt::CaseInsensitive) == 0)
                settings->remove(spelling);
        settings->setValue(name, inUse[index] ? 1 : 0);
    }
}
