#pragma once

#include <QSettings>

#include <memory>

// The station's settings store. On Windows the machine-wide registry key
// HKEY_LOCAL_MACHINE\Software\Telvos\Vex; elsewhere an INI file read from the user's file with the
// system-wide file as fallback and written to the user's file. The environment variable
// VEX_SETTINGS_FILE names one INI file to use instead (tests, demos, portable installs).
// Failures to open or write are silent: a missing store reads as empty.
namespace SettingsStore {

// Value names, as the station stores them.
inline constexpr char Language[] = "LANGUAGE";
inline constexpr char InstallDirectory[] = "INSTALL_DIRECTORY";
inline constexpr char ValidComPortsGroup[] = "ValidComPorts";
inline constexpr char ComPortDevicesGroup[] = "ComPortDevices";
inline constexpr char DiscoveryAddress[] = "DISCOVERY_ADDRESS";
inline constexpr char DiscoveryPort[] = "DISCOVERY_PORT";
inline constexpr char DiscoveryLocalPort[] = "DISCOVERY_LOCAL_PORT";
// 0: a transfer does not check that the barcodes of an image read back; any other value, or none,
// checks them.
inline constexpr char VerifyBarcodes[] = "VERIFY_BARCODES";
// The folder the image files of the last transfer were chosen from.
inline constexpr char TransferDirectory[] = "TRANSFER_DIRECTORY";
// The history's database file, and the days it keeps.
inline constexpr char HistoryFile[] = "HISTORY_FILE";
inline constexpr char HistoryDays[] = "HISTORY_DAYS";
// The folder of the job files, one per product.
inline constexpr char JobsDirectory[] = "JOBS_DIRECTORY";
// 0: a printer lost without the operator asking stays lost; any other value, or none, connects it
// again by itself. The longest pause between two attempts, in milliseconds.
inline constexpr char AutoReconnect[] = "AUTO_RECONNECT";
inline constexpr char ReconnectMaxPauseMs[] = "RECONNECT_MAX_PAUSE_MS";

// The plant's MQTT broker: where it is ("mqtt://HOST:PORT", "mqtts://HOST:PORT"; empty: none), the
// station's user name and password there, the TLS files, the station's name in its topics, whether
// remote commands are taken and the folder a remote transfer may take files from.
inline constexpr char MqttBroker[] = "MQTT_BROKER";
inline constexpr char MqttUsername[] = "MQTT_USERNAME";
inline constexpr char MqttPassword[] = "MQTT_PASSWORD";
inline constexpr char MqttCaFile[] = "MQTT_CA_FILE";
inline constexpr char MqttCertFile[] = "MQTT_CERT_FILE";
inline constexpr char MqttKeyFile[] = "MQTT_KEY_FILE";
inline constexpr char MqttRetryMs[] = "MQTT_RETRY_MS";
inline constexpr char StationName[] = "STATION_NAME";
inline constexpr char RemoteControl[] = "REMOTE_CONTROL";
inline constexpr char RemoteTransferDirectory[] = "REMOTE_TRANSFER_DIRECTORY";
inline constexpr char RemoteAnswerSeconds[] = "REMOTE_ANSWER_SECONDS";
// The printers vexd keeps connected.
inline constexpr char VexdPrinters[] = "VEXD_PRINTERS";

std::unique_ptr<QSettings> Open();

QVariant Value(const QString& key, const QVariant& defaultValue = {});
void SetValue(const QString& key, const QVariant& value);

// The station's own data folder, whatever the program: ~/.local/share/Telvos/Vex (on Windows
// %LOCALAPPDATA%\Telvos\Vex), where the history and the job files are kept unless the settings say
// otherwise.
QString DataFolder();

} // namespace SettingsStore
