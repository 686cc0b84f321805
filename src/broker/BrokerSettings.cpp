#include "broker/BrokerSettings.h"

#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QRegularExpression>
#include <QSysInfo>

namespace {

QString Text(const char* key)
{
    return SettingsStore::Value(QLatin1String(key)).toString().trimmed();
}

// A whole number in [min, max], or the default for a value that is not set; a value that is set and
// is no such number is a problem.
int Number(const char* key, int defaultValue, int min, int max, QStringList& problems)
{
    const QString text = Text(key);
    if (text.isEmpty())
        return defaultValue;
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    if (isNumber && value >= min && value <= max)
        return value;
    problems << TBrokerSettings::tr("%1 must be a whole number from %2 to %3.")
                    .arg(QLatin1String(key))
                    .arg(min)
                    .arg(max);
    return defaultValue;
}

void ParseBroker(TBrokerSettings& settings)
{
    const QString url = Text(SettingsStore::MqttBroker);
    if (url.isEmpty())
        return;
    static const QRegularExpression form(
        QStringLiteral("^(mqtts?)://(\\[[0-9A-Fa-f:.]+\\]|[A-Za-z0-9](?:[A-Za-z0-9.-]{0,251}[A-Za-z0-9])?)"
                       "(?::([0-9]{1,5}))?/?$"));
    const QRegularExpressionMatch match = form.match(url);
    QString host = match.captured(2);
    if (host.startsWith(QLatin1Char('[')))
        host = host.mid(1, host.size() - 2);
    const bool bracketsHoldAddress = !match.captured(2).startsWith(QLatin1Char('[')) ||
                                     QHostAddress(host).protocol() == QAbstractSocket::IPv6Protocol;
    bool portOk = true;
    const uint port = match.captured(3).isEmpty() ? 0 : match.captured(3).toUInt(&portOk);
    if (!match.hasMatch() || !bracketsHoldAddress || port > 65535 || (!match.captured(3).isEmpty() && port == 0)) {
        // The address as written is not repeated: it may hold a password.
        settings.Problems << TBrokerSettings::tr(
            "MQTT_BROKER is not a broker's address such as mqtt://HOST:PORT or mqtts://HOST:PORT.");
        return;
    }
    settings.Tls = match.captured(1) == QLatin1String("mqtts");
    settings.Host = host;
    settings.Port = port != 0 ? quint16(port) : settings.Tls ? TBrokerSettings::DefaultTlsPort
                                                              : TBrokerSettings::DefaultPort;
}

void CheckFile(const char* key, const QString& path, QStringList& problems)
{
    if (path.isEmpty())
        return;
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        problems << TBrokerSettings::tr("%1 names a file that cannot be read: %2")
                        .arg(QLatin1String(key), QDir::toNativeSeparators(path));
}

void CheckTls(TBrokerSettings& settings)
{
    CheckFile(SettingsStore::MqttCaFile, settings.CaFile, settings.Problems);
    CheckFile(SettingsStore::MqttCertFile, settings.CertFile, settings.Problems);
    CheckFile(SettingsStore::MqttKeyFile, settings.KeyFile, settings.Problems);
    if (settings.CertFile.isEmpty() != settings.KeyFile.isEmpty())
        settings.Problems << TBrokerSettings::tr("MQTT_CERT_FILE and MQTT_KEY_FILE go together: set both or neither.");
    const bool anyFile = !settings.CaFile.isEmpty() || !settings.CertFile.isEmpty() || !settings.KeyFile.isEmpty();
    if (settings.IsSet() && !settings.Tls && anyFile)
        settings.Problems << TBrokerSettings::tr(
            "TLS files are set, but MQTT_BROKER is not an mqtts:// address: the password would go unencrypted.");
}

} // namespace

TBrokerSettings TBrokerSettings::FromSettings()
{
    TBrokerSettings settings;
    ParseBroker(settings);
    settings.Username = Text(SettingsStore::MqttUsername);
    // A password may begin or end with blanks.
    settings.Password = SettingsStore::Value(QLatin1String(SettingsStore::MqttPassword)).toString();
    if (settings.Username.isEmpty() && !settings.Password.isEmpty())
        settings.Problems << tr("MQTT_PASSWORD is set without MQTT_USERNAME.");
    settings.CaFile = Text(SettingsStore::MqttCaFile);
    settings.CertFile = Text(SettingsStore::MqttCertFile);
    settings.KeyFile = Text(SettingsStore::MqttKeyFile);
    CheckTls(settings);

    settings.StationName = Text(SettingsStore::StationName);
    if (settings.StationName.isEmpty())
        settings.StationName = QSysInfo::machineHostName();
    if (settings.StationName.size() > MaxNameLength)
        settings.Problems << tr("STATION_NAME is longer than %1 letters.").arg(MaxNameLength);

    settings.RemoteControl = Number(SettingsStore::RemoteControl, 0, 0, 1, settings.Problems) == 1;
    settings.TransferDirectory = Text(SettingsStore::RemoteTransferDirectory);
    if (!settings.TransferDirectory.isEmpty() && !QFileInfo(settings.TransferDirectory).isDir())
        settings.Problems << tr("REMOTE_TRANSFER_DIRECTORY is not a folder: %1")
                                 .arg(QDir::toNativeSeparators(settings.TransferDirectory));
    settings.RetryMs = Number(SettingsStore::MqttRetryMs, DefaultRetryMs, 10, MaxRetryMs, settings.Problems);
    settings.AnswerSeconds =
        Number(SettingsStore::RemoteAnswerSeconds, DefaultAnswerSeconds, 1, MaxAnswerSeconds, settings.Problems);
    return settings;
}

QString TBrokerSettings::Where() const
{
    const QString host = Host.contains(QLatin1Char(':')) ? QLatin1Char('[') + Host + QLatin1Char(']') : Host;
    return QStringLiteral("%1://%2:%3").arg(Tls ? QLatin1String("mqtts") : QLatin1String("mqtt"), host).arg(Port);
}
