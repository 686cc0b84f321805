#include "VexdRun.h"

#include <QDebug>
#include <QDir>
#include <QSettings>
#include <QTest>

#include <csignal>

#ifndef VEX_D
#define VEX_D ""
#endif

TVexdRun::TVexdRun(const QString& folder) : m_folder(folder)
{
    m_process.setProgram(QStringLiteral(VEX_D));
    connect(&m_process, &QProcess::readyReadStandardError, this,
            [this] { m_log += QString::fromUtf8(m_process.readAllStandardError()); });
}

TVexdRun::~TVexdRun()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

QString TVexdRun::SettingsFile() const
{
    return QDir(m_folder).filePath(QStringLiteral("vexd.ini"));
}

QString TVexdRun::HistoryFile() const
{
    return QDir(m_folder).filePath(QStringLiteral("history.sqlite"));
}

void TVexdRun::WriteSettings(const QMap<QString, QString>& values)
{
    QFile::remove(SettingsFile());
    QSettings settings(SettingsFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("HISTORY_FILE"), HistoryFile());
    for (auto value = values.begin(); value != values.end(); ++value)
        settings.setValue(value.key(), value.value());
}

bool TVexdRun::Start()
{
    m_log.clear();
    m_process.setArguments({QStringLiteral("--settings"), SettingsFile()});
    m_process.start();
    return m_process.waitForStarted(10000);
}

bool TVexdRun::AwaitLog(const QString& text, int timeoutMs)
{
    (void)QTest::qWaitFor([&] { return m_log.contains(text) || m_process.state() == QProcess::NotRunning; }, timeoutMs);
    if (m_log.contains(text))
        return true;
    qWarning().noquote() << "vexd's journal has no" << text << "in:\n" << m_log;
    return false;
}

void TVexdRun::Signal(int signal)
{
    ::kill(pid_t(m_process.processId()), signal);
}

int TVexdRun::AwaitEnd(int timeoutMs)
{
    if (!QTest::qWaitFor([&] { return m_process.state() == QProcess::NotRunning; }, timeoutMs))
        return -1;
    m_log += QString::fromUtf8(m_process.readAllStandardError());
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

TVexdRun::TCheck TVexdRun::Check(const QMap<QString, QString>& values)
{
    WriteSettings(values);
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(QStringLiteral(VEX_D), {QStringLiteral("--settings"), SettingsFile(), QStringLiteral("--check")});
    if (!check.waitForFinished(20000) || check.exitStatus() != QProcess::NormalExit)
        return {};
    return {check.exitCode(), QString::fromUtf8(check.readAll())};
}
