#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;
class TPrinterLink;
class TSimPrinter;

// The simulated printer's serial port: a pseudo-terminal in raw mode. The station opens the slave
// device as its COM port; the printer speaks over the master side.
//
// Each time the station opens the port a new link starts, as each TCP connection does: the printer
// keeps no packet numbers, half-sent messages or resends from an earlier session, and sends nothing
// while the port is closed (a closed slave shows as a hang-up on the master, which is watched for).
class TSimPty : public QObject
{
    Q_OBJECT

public:
    explicit TSimPty(TSimPrinter& printer, QObject* parent = nullptr);
    ~TSimPty() override;

    // False (with ErrorString) when no pseudo-terminal can be had.
    bool Open();
    QString SlavePath() const { return m_slavePath; }
    QString ErrorString() const { return m_error; }
    // The station has the port open.
    bool InSession() const { return m_link != nullptr; }

    // How often a closed port is checked for the station opening it.
    static constexpr int WatchIntervalMs = 10;
    // Bytes the station has not read yet are held up to this size; beyond it they are dropped, as a
    // line would lose them.
    static constexpr qsizetype MaxPendingBytes = 64 * 1024;

private:
    void WatchForStation();
    void StartSession();
    void EndSession();
    void OnReadable();
    void OnWritable();
    void Write(const QByteArray& bytes);

    TSimPrinter& m_printer;
    int m_master = -1;
    QString m_slavePath;
    QString m_error;
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    QTimer m_watchTimer;
    QByteArray m_pending;
    TPrinterLink* m_link = nullptr;
};
