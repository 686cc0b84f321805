#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

class TSimPrinter;

// A TCP port of the simulated printer. Every connection gets its own link (the station probes,
// closes, and connects again later); the printer behind them is the same.
class TSimTcpServer : public QObject
{
    Q_OBJECT

public:
    explicit TSimTcpServer(TSimPrinter& printer, QObject* parent = nullptr);

    // Port 0 picks a free port; false (with ErrorString) when the port cannot be opened.
    bool Listen(const QHostAddress& address, quint16 port);
    quint16 Port() const { return m_server.serverPort(); }
    QString ErrorString() const { return m_server.errorString(); }
    // Every connection ends at once, as when the printer is switched off or restarts.
    void DropConnections();
    // Switched off: every connection ends and the port refuses new ones until it listens again.
    void Close();

private:
    void OnNewConnection();

    TSimPrinter& m_printer;
    QTcpServer m_server;
};
