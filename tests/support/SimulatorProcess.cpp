#include "SimulatorProcess.h"

#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>

#ifndef VEX_PRINTER_SIM
#define VEX_PRINTER_SIM ""
#endif

QString TSimulatorProcess::Program()
{
    return QStringLiteral(VEX_PRINTER_SIM);
}

bool TSimulatorProcess::Start(const QStringList& arguments)
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(Program(), arguments + QStringList{"--log", m_dir.filePath(QStringLiteral("log.jsonl"))});
    if (!m_process.waitForStarted(10000))
        return false;
    while (!m_process.canReadLine())
        if (!m_process.waitForReadyRead(20000))
            return false;
    static const QRegularExpression ready(QStringLiteral("^READY tcp=(\\d+) pty=(\\S+)\\n$"));
    const QRegularExpressionMatch match = ready.match(QString::fromLatin1(m_process.readLine()));
    if (!match.hasMatch())
        return false;
    m_tcpPort = match.captured(1).toUShort();
    m_ptyDevice = match.captured(2) == QLatin1String("-") ? QString() : match.captured(2);
    return true;
}

void TSimulatorProcess::Stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.write("quit\n");
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

void TSimulatorProcess::Command(const QByteArray& line)
{
    m_process.write(line + '\n');
    m_process.waitForBytesWritten(1000);
}

QList<QJsonObject> TSimulatorProcess::Log() const
{
    QFile file(m_dir.filePath(QStringLiteral("log.jsonl")));
    QList<QJsonObject> lines;
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (!line.trimmed().isEmpty())
            lines.append(QJsonDocument::fromJson(line).object());
    }
    return lines;
}

QList<QByteArray> TSimulatorProcess::ReceivedBodies(int id, int sub) const
{
    QList<QByteArray> bodies;
    for (const QJsonObject& line : Log())
        if (line.value(QStringLiteral("dir")) == QLatin1String("in") &&
            line.value(QStringLiteral("id")).toInt() == id &&
            line.value(QStringLiteral("sub")).toInt() == sub)
            bodies.append(QByteArray::fromHex(line.value(QStringLiteral("body")).toString().toLatin1()));
    return bodies;
}
