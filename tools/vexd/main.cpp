// vexd: the station without windows as a service, for a line without an operator PC.
#include "Daemon.h"
#include "DaemonSettings.h"
#include "Journal.h"
#include "VexVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {
constexpr int ExitOk = 0;
constexpr int ExitSettings = 2;
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vexd"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(VexVersion::Text));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The station without windows as a service: keeps the printers of VEXD_PRINTERS connected, records "
        "their history and publishes them on the MQTT broker of MQTT_BROKER."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption settingsFile(QStringLiteral("settings"),
                                          QStringLiteral("Read the settings from FILE (an INI file) instead of the "
                                                         "station's settings store."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption check(QStringLiteral("check"),
                                   QStringLiteral("Check the settings, say what vexd would do, and exit: 0 when "
                                                  "they are usable, 2 with the reasons when not."));
    parser.addOptions({settingsFile, check});
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        QTextStream(stderr) << "vexd: takes no arguments\nTry 'vexd --help'." << Qt::endl;
        return ExitSettings;
    }
    if (parser.isSet(settingsFile))
        qputenv("VEX_SETTINGS_FILE", parser.value(settingsFile).toLocal8Bit());

    const TDaemonSettings settings = TDaemonSettings::FromSettings();
    if (parser.isSet(check)) {
        QTextStream out(settings.Problems.isEmpty() ? stdout : stderr);
        for (const QString& problem : settings.Problems)
            out << "vexd: " << problem << Qt::endl;
        if (settings.Problems.isEmpty())
            out << "vexd: the settings are usable: " << settings.Summary() << Qt::endl;
        return settings.Problems.isEmpty() ? ExitOk : ExitSettings;
    }
    Journal::CaptureQtMessages();
    if (!settings.Problems.isEmpty()) {
        for (const QString& problem : settings.Problems)
            Journal::Write(Journal::Error, problem);
        return ExitSettings;
    }
    TDaemon daemon(settings);
    QObject::connect(&daemon, &TDaemon::Stopped, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    daemon.Start();
    return app.exec();
}
