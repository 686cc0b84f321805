// The window program's start, as the operator waits for it: from starting the process until its
// main window is exposed, with the whole station constructed on the way (every window there is, the
// stored language's pack loaded, the first channel lists built, the serial port choices applied).
// The floor is a bare Qt Widgets window with one line of text, started the same way. Each start is
// a process of its own; the resident memory is each process's once its window is exposed.
//
// The station keeps to itself: discovery goes to a loopback port where nothing answers, and the
// serial ports map to devices that do not exist.
#include "BenchSupport.h"
#include "app/StationWindows.h"
#include "app/main/VexMainForm.h"
#include "platform/ComPortNames.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

constexpr int Runs = 9;

struct TStart
{
    double Ms = 0;
    double ResidentMiB = 0;
};

// The station's start, in a process of its own.
int StartStation(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TStationWindows windows(qEnvironmentVariable("VEX_BENCH_PROGRAM"));
    windows.Start();
    if (!QTest::qWaitForWindowExposed(&windows.MainForm()))
        return 1;
    std::printf("exposed %f\n", Bench::ResidentMiB());
    return 0;
}

// Starts the program and waits for its "exposed" line; a failed start gives no time.
TStart TimeStart(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    child.start(program, arguments);
    while (child.state() != QProcess::NotRunning && !child.canReadLine())
        child.waitForReadyRead(10000);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    const QList<QByteArray> line = child.readLine().trimmed().split(' ');
    child.waitForFinished(10000);
    if (line.value(0) != "exposed" || child.exitCode() != 0) {
        std::fprintf(stderr, "%s did not start: %s\n", qPrintable(program), child.readAllStandardError().constData());
        return {};
    }
    return {ms, line.value(1).toDouble()};
}

// The settings of a station that keeps to itself, with the German pack stored as its language.
void WriteSettings(const QString& fileName)
{
    QSettings settings(fileName, QSettings::IniFormat);
    settings.setValue(QLatin1String(SettingsStore::DiscoveryAddress), QStringLiteral("127.0.0.1"));
    settings.setValue(QLatin1String(SettingsStore::DiscoveryPort), 9);
    settings.setValue(QLatin1String(SettingsStore::DiscoveryLocalPort), 0);
    settings.setValue(QLatin1String(SettingsStore::Language), 1031);
    for (int n = ComPortNames::FirstPort; n <= ComPortNames::LastPort; ++n)
        settings.setValue(QStringLiteral("%1/%2").arg(QLatin1String(SettingsStore::ComPortDevicesGroup),
                                                      ComPortNames::Name(n)),
                          QStringLiteral("/nonexistent/tty%1").arg(n));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && QByteArray(argv[1]) == "--station")
        return StartStation(argc, argv);

    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("vex"));
    if (!QFile::copy(QStringLiteral(VEX_GERMAN_PACK), program + QStringLiteral(".DEU")))
        return 1;
    WriteSettings(dir.filePath(QStringLiteral("settings.ini")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VEX_SETTINGS_FILE"), dir.filePath(QStringLiteral("settings.ini")));
    // The station's history goes into the run's folder, not the user's.
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("VEX_BENCH_PROGRAM"), program);
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")) && !environment.contains(QStringLiteral("DISPLAY")) &&
        !environment.contains(QStringLiteral("WAYLAND_DISPLAY")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    // Alternating, so that both see the machine alike; the best of each counts.
    TStart floor{1e9, 1e9};
    TStart station{1e9, 1e9};
    for (int run = 0; run < Runs; ++run) {
        const TStart bare = TimeStart(QStringLiteral(VEX_STARTUP_FLOOR), {}, environment);
        const TStart started = TimeStart(QCoreApplication::applicationFilePath(), {"--station"}, environment);
        if (bare.Ms <= 0 || started.Ms <= 0)
            return 1;
        floor = {std::min(floor.Ms, bare.Ms), std::min(floor.ResidentMiB, bare.ResidentMiB)};
        station = {std::min(station.Ms, started.Ms), std::min(station.ResidentMiB, started.ResidentMiB)};
    }
    Bench::Report("start-up until the main window is exposed", station.Ms, "ms", floor.Ms, "bare window");
    Bench::Report("resident memory then", station.ResidentMiB, "MiB", floor.ResidentMiB, "bare window");
    return 0;
}
