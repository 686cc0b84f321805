#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;
class TPrinterLink;
class TSimLinePacer;
class TSimPrinter;

// The simulated printer's serial port: a pseudo-terminal in raw mode. The station opens the slave
// device as its COM port; the printer speaks over the master side.
//
// With a baud rate the pseudo-terminal behaves as a serial line of that rate with 8N1 framing: the
// printer takes the station's bytes, and sends its own, no faster than the line carries them.
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

    // A line of this many bits a second, both ways; 0 (the default) passes bytes as fast as they
    // come. Set before Open.
    void SetBaud(int baud) { m_baud = baud; }
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
    bool OpenPacers();
    void OnReadable();
    // Hands up to maxBytes waiting from the station to the link; returns how many.
    qint64 ReadFromStation(qint64 maxBytes);
    qint64 BytesFromStation() const;
    qint64 PassToStation(qint64 maxBytes);
    void OnWritable();
    void Write(const QByteArray& bytes);

    TSimPrinter& m_printer;
    int m_master = -1;
    QString m_slavePath;
    QString m_error;
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    QTimer m_watchTimer;
    QByteArray m_pending; // bytes for the station that the pseudo-terminal has not taken yet
    TPrinterLink* m_link = nullptr;
    int m_baud = 0;
    TSimLinePacer* m_fromStation = nullptr; // children; null on an unpaced line
    TSimLinePacer* m_toStation = nullptr;
    QByteArray m_onLine; // bytes for the station that the paced line has not carried yet
};
