#include "VexctlRun.h"

#include "DesignFileWriter.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>

namespace {
constexpr int LongestRunMs = 60000;
}

QString VexctlRun::SettingsFile(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("settings.ini"));
}

void VexctlRun::Start(QProcess& process, const QString& folder, const QStringList& arguments,
                      const QMap<QString, QString>& variables, const QStringList& launcher)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VEX_SETTINGS_FILE"), SettingsFile(folder));
    // The history vexctl keeps, in the folder's "data" unless the settings name another file.
    environment.insert(QStringLiteral("XDG_DATA_HOME"), QDir(folder).filePath(QStringLiteral("data")));
    for (auto it = variables.begin(); it != variables.end(); ++it)
        environment.insert(it.key(), it.value());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    if (launcher.isEmpty())
        process.start(QStringLiteral(VEX_CTL), arguments);
    else
        process.start(launcher.first(), launcher.mid(1) + QStringList{QStringLiteral(VEX_CTL)} + arguments);
}

VexctlRun::TResult VexctlRun::Finish(QProcess& process)
{
    QElapsedTimer clock;
    clock.start();
    TResult result;
    const bool ended = process.waitForFinished(LongestRunMs);
    result.Ms = clock.elapsed();
    result.Output = process.readAllStandardOutput();
    result.Errors = QString::fromLocal8Bit(process.readAllStandardError());
    if (ended && process.exitStatus() == QProcess::NormalExit)
        result.ExitCode = process.exitCode();
    else
        process.kill();
    return result;
}

VexctlRun::TResult VexctlRun::Run(const QString& folder, const QStringList& arguments,
                                  const QMap<QString, QString>& variables, const QStringList& launcher)
{
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    Start(process, folder, arguments, variables, launcher);
    TResult result = Finish(process);
    result.Ms = clock.elapsed();
    return result;
}

bool VexctlRun::AwaitText(QProcess& process, QProcess::ProcessChannel channel, const QString& text,
                          QString& seen, qsizetype from)
{
    const QDeadlineTimer deadline(20000);
    process.setReadChannel(channel);
    while (seen.indexOf(text, from) < 0) {
        if (deadline.hasExpired() || process.state() == QProcess::NotRunning)
            return false;
        process.waitForReadyRead(100);
        seen += QString::fromLocal8Bit(process.readAll());
    }
    return true;
}

QByteArray VexctlRun::TextImage(const QByteArray& imageName, const QByteArray& text,
                                const QByteArray& version)
{
    return TDesignFileWriter()
        .Header(version, "", imageName)
        .Shifts()
        .ItemCount(1)
        .Item("TextItem", {.X = 10})
        .String(text)
        .Byte(0)
        .String("")
        .UInt32(1)
        .Bytes();
}
