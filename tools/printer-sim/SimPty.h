#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;
class TPrinterLink;
class TSimPrinter;

// The simulated printer's serial port: a pseudo-terminal in raw mode. The station opens the slave
// device as its COM port; the printer speaks over the master side.
//
// The printer keeps the slave side open itself, so the master never sees a hang-up while the station
// has the port closed (the master would otherwise report it without end).
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

    // Bytes the station has not read yet are held up to this size; beyond it they are dropped, as
    // a line without a listener would lose them.
    static constexpr qsizetype MaxPendingBytes = 64 * 1024;

private:
    void OnReadable();
    void OnWritable();
    void Write(const QByteArray& bytes);
    void Close();

    TSimPrinter& m_printer;
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_error;
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    QByteArray m_pending;
    TPrinterLink* m_link = nullptr;
};
