#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QTemporaryDir>

// A vex-printer-sim program started for a test: it is asked for a free TCP port and/or a
// pseudo-terminal, logs every message to a file in a folder of its own, and is ended with the test.
class TSimulatorProcess
{
public:
    // Path of the program, set by the build for the tests that use it.
    static QString Program();

    TSimulatorProcess() = default;
    ~TSimulatorProcess() { Stop(); }
    TSimulatorProcess(const TSimulatorProcess&) = delete;
    TSimulatorProcess& operator=(const TSimulatorProcess&) = delete;

    // Starts with the arguments plus --log; true once it reported READY.
    bool Start(const QStringList& arguments);
    void Stop();

    quint16 TcpPort() const { return m_tcpPort; }
    const QString& PtyDevice() const { return m_ptyDevice; }
    QString ErrorOutput() { return QString::fromLocal8Bit(m_process.readAllStandardError()); }

    // A command line on the program's standard input ("silent on", "fault ribbon" ...).
    void Command(const QByteArray& line);
    // The messages logged so far; dir "in" for what reached the printer.
    QList<QJsonObject> Log() const;
    // Bodies of the messages of this Id and Sub that reached the printer, in order.
    QList<QByteArray> ReceivedBodies(int id, int sub) const;

private:
    QProcess m_process;
    QTemporaryDir m_dir;
    quint16 m_tcpPort = 0;
    QString m_ptyDevice;
};
