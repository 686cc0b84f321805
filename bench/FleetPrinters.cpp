#include "FleetPrinters.h"

#include "PrinterLink.h"
#include "SimDiscovery.h"
#include "SimPrinter.h"
#include "SimTcpServer.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

class TFleet : public QObject
{
public:
    TFleet(int count, quint16 discoveryPort)
    {
        for (int i = 0; i < count; ++i) {
            TSimPrinterConfig config;
            config.Name = QStringLiteral("FLEET%1").arg(i + 1, 2, 10, QLatin1Char('0'));
            auto* printer = new TSimPrinter(config, this);
            auto* server = new TSimTcpServer(*printer, printer);
            auto* discovery = new TSimDiscovery(printer->Faults(), printer);
            if (!server->Listen(QHostAddress::LocalHost, 0))
                m_error = server->ErrorString();
            discovery->SetPorts(server->Port(), server->Port());
            if (!discovery->Listen(QHostAddress(QStringLiteral("127.255.255.255")), discoveryPort))
                m_error = discovery->ErrorString();
            m_printers.append(printer);
            m_servers.append(server);
            m_ports.append(server->Port());
        }
    }

    const QString& Error() const { return m_error; }
    const QList<quint16>& Ports() const { return m_ports; }

    void Command(const QByteArray& line)
    {
        const QList<QByteArray> words = line.trimmed().split(' ');
        if (words.value(0) == "status") {
            if (TSimPrinter* printer = m_printers.value(words.value(1).toInt()))
                printer->SetStatusWord(quint16(words.value(2).toUInt()));
            return;
        }
        if (words.value(0) == "restart")
            return Restart(words.value(1).toInt(), words.value(2).toInt());
        if (words.value(0) != "changes")
            return;
        const int perSecond = words.value(1).toInt();
        if (perSecond <= 0) {
            for (TSimPrinter* printer : m_printers)
                printer->SetStateChangesPerSecond(0);
            m_counting = false;
            std::printf("sent %lld\n", m_sent);
            std::fflush(stdout);
            return;
        }
        m_sent = 0;
        m_counting = true;
        const int periodMs = 1000 / perSecond;
        for (int i = 0; i < m_printers.size(); ++i) {
            TSimPrinter* printer = m_printers[i];
            for (TPrinterLink* link : printer->Links())
                connect(link, &TPrinterLink::MessageStarted, this, &TFleet::Count, Qt::UniqueConnection);
            QTimer::singleShot(i * periodMs / int(m_printers.size()), printer,
                               [printer, perSecond] { printer->SetStateChangesPerSecond(perSecond); });
        }
    }

private:
    void Restart(int windowMs, int offMs)
    {
        QRandomGenerator random(7);
        m_restarting = int(m_servers.size());
        for (int i = 0; i < m_servers.size(); ++i) {
            TSimTcpServer* server = m_servers[i];
            const quint16 port = m_ports[i];
            QTimer::singleShot(int(random.bounded(qMax(windowMs, 1))), server, [this, server, port, offMs] {
                server->Close();
                QTimer::singleShot(offMs, server, [this, server, port] {
                    if (!server->Listen(QHostAddress::LocalHost, port))
                        std::fprintf(stderr, "fleet printers: port %u: %s\n", unsigned(port),
                                     qPrintable(server->ErrorString()));
                    if (--m_restarting == 0) {
                        std::printf("restarted\n");
                        std::fflush(stdout);
                    }
                });
            });
        }
    }

    void Count(const TXLMessage& message)
    {
        if (m_counting && message.Id == XLReceive::StatusId && message.Sub == XLReceive::StatusInfo)
            ++m_sent;
    }

    QList<TSimPrinter*> m_printers;
    QList<TSimTcpServer*> m_servers;
    QList<quint16> m_ports;
    int m_restarting = 0;
    QString m_error;
    bool m_counting = false;
    long long m_sent = 0;
};

} // namespace

int RunFleetPrinters(int argc, char* argv[], int count, quint16 discoveryPort)
{
    QCoreApplication app(argc, argv);
    TFleet fleet(count, discoveryPort);
    if (!fleet.Error().isEmpty()) {
        std::fprintf(stderr, "fleet printers: %s\n", qPrintable(fleet.Error()));
        return 1;
    }
    std::printf("READY");
    for (const quint16 port : fleet.Ports())
        std::printf(" %u", unsigned(port));
    std::printf("\n");
    std::fflush(stdout);

    QByteArray input;
    QSocketNotifier stdinNotifier(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&stdinNotifier, &QSocketNotifier::activated, &app, [&] {
        char buffer[256];
        const ssize_t received = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (received <= 0) {
            stdinNotifier.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        input.append(buffer, received);
        for (qsizetype end; (end = input.indexOf('\n')) >= 0; input.remove(0, end + 1))
            fleet.Command(input.left(end));
    });
    return app.exec();
}
