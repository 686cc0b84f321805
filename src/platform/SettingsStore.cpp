#include "platform/SettingsStore.h"

#include <QDir>
#include <QStandardPaths>

std::unique_ptr<QSettings> SettingsStore::Open()
{
    const QString overrideFile = qEnvironmentVariable("VEX_SETTINGS_FILE");
    if (!overrideFile.isEmpty())
        return std::make_unique<QSettings>(overrideFile, QSettings::IniFormat);
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Telvos\\Vex"),
                                       QSettings::NativeFormat);
#else
    // The user scope falls back to the system-wide file for values the user's file lacks.
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Telvos"),
                                       QStringLiteral("Vex"));
#endif
}

QVariant SettingsStore::Value(const QString& key, const QVariant& defaultValue)
{
    return Open()->value(key, defaultValue);
}

void SettingsStore::SetValue(const QString& key, const QVariant& value)
{
    Open()->setValue(key, value);
}

QString SettingsStore::DataFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Telvos/Vex"));
}
