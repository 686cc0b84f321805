#include "DaemonSettings.h"

#include "history/HistoryStore.h"
#include "platform/ComPortNames.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
void ReadPrinters(TDaemonSettings& settings)
{
    // An INI value with commas is read as a list.
    const QString value =
        SettingsStore::Value(QLatin1String(SettingsStore::VexdPrinters)).toStringList().join(QLatin1Char(','));
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    const QStringList entries = value.split(separators, Qt::SkipEmptyParts);
    if (entries.isEmpty())
        settings.Problems << QStringLiteral("VEXD_PRINTERS names no printer (HOST:PORT, COMn or discover)");
    if (entries.size() > TDaemonSettings::MaxPrinters)
        settings.Problems << QStringLiteral("VEXD_PRINTERS names more than %1 printers").arg(TDaemonSettings::MaxPrinters);
    for (const QString& entry : entries.mid(0, TDaemonSettings::MaxPrinters)) {
        QString host;
        quint16 port = 0;
        if (entry.compare(QLatin1String("discover"), Qt::CaseInsensitive) == 0)
            settings.Discover = true;
        else if (ComPortNames::NumberOf(entry) > 0)
            settings.Printers.append({true, entry.toUpper()});
        else if (TPrinterTarget::SplitNetwork(entry, host, port))
            settings.Printers.append({false, QStringLiteral("%1:%2").arg(host).arg(port)});
        else
            settings.Problems << QStringLiteral("VEXD_PRINTERS: \"%1\" is neither HOST:PORT, COMn nor discover")
                                     .arg(entry.left(100));
    }
}
} // namespace

TDaemonSettings TDaemonSettings::FromSettings()
{
    TDaemonSettings settings;
    ReadPrinters(settings);
    settings.Broker = TBrokerSettings::FromSettings();
    settings.Problems << settings.Broker.Problems;
    settings.HistoryPath = THistoryStore::PathFromSettings();
    const QFileInfo folder(QFileInfo(settings.HistoryPath).absolutePath());
    if (folder.exists() && !folder.isWritable())
        settings.Problems << QStringLiteral("HISTORY_FILE: the folder %1 cannot be written")
                                 .arg(QDir::toNativeSeparators(folder.filePath()));
    return settings;
}

QString TDaemonSettings::Summary() const
{
    QStringList printers;
    for (const TPrinterTarget& printer : Printers)
        printers << printer.Where;
    if (Discover)
        printers << QStringLiteral("every printer discovery finds");
    QString broker = QStringLiteral("no broker (MQTT_BROKER is not set): the history only");
    if (Broker.IsSet()) {
        broker = QStringLiteral("broker %1 as station \"%2\"").arg(Broker.Where(), Broker.StationName);
        if (!Broker.Username.isEmpty())
            broker += QStringLiteral(", user %1").arg(Broker.Username);
        broker += Broker.RemoteControl ? QStringLiteral(", remote control on") : QStringLiteral(", remote control off");
        if (Broker.RemoteControl && !Broker.TransferDirectory.isEmpty())
            broker += QStringLiteral(" (transfers from %1)").arg(QDir::toNativeSeparators(Broker.TransferDirectory));
    }
    return QStringLiteral("printers: %1; %2; history %3")
        .arg(printers.join(QStringLiteral(", ")), broker, QDir::toNativeSeparators(HistoryPath));
}
