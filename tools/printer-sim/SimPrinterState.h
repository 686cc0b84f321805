#pragma once

#include "SimImageItems.h"
#include "SimParameters.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

// What the simulated printer is and holds, shared by all its links.
struct TSimPrinterConfig
{
    quint8 Model = 1; // Vega
    QString Name = QStringLiteral("SIM");
    QString Version = QStringLiteral("1.00");
    qint64 MemoryBytes = 1024 * 1024; // image memory budget
    int FlashDelayMs = 200;           // between FlashWriteStarted and FlashWriteDone
    int PrintStepMs = 100;            // the print count rises by one this often while printing
    int PrintReportMs = 1000;         // PrintCountInfo goes out at most this often
    int StateChangesPerSecond = 0;    // the ink bit flips and is reported this often; 0: never
};

struct TSimImage
{
    QString Name;
    QByteArray Body;          // the ImageData body as received
    TSimImageContent Content; // its items, as the printer describes them and changes their values
};

class TSimPrinterState
{
public:
    // Status word bits: printing, and ink (or ribbon) present.
    static constexpr quint16 PrintingBit = 0x0100;
    static constexpr quint16 InkBit = 0x0001;

    explicit TSimPrinterState(const TSimPrinterConfig& config);

    quint8 Model;
    QString Name;
    QString Version;
    quint16 StatusWord = InkBit;
    QString CurrentImageA;
    QString CurrentImageB;
    bool Printing = false;
    quint32 PrintCount = 0;
    TSimParameters Parameters;

    // Stored images, in the order they were first stored.
    const std::vector<TSimImage>& Images() const { return m_images; }
    QStringList ImageNames() const;
    const TSimImage* FindImage(const QString& name) const;
    // Stores the image, replacing one of the same name in its place; false (nothing changed) when
    // it does not fit into the memory budget.
    bool StoreImage(const QString& name, const QByteArray& body);
    // Stores the image of a design file as a transfer from the station would: the station's own
    // image message, with the default font map. An empty text when it is stored; otherwise why not
    // (the station's message for a file it refuses), and nothing is stored.
    QString StoreDesignFile(const QString& fileName);
    bool DeleteImage(const QString& name);
    // Gives an item of a stored image a new value; false (nothing changed) for an image it does not
    // hold or a value the item does not take.
    bool ModifyItem(const QString& image, const QString& itemNumber, const QString& value);
    quint32 FreeMemory() const;

    // The printer's clock: the PC's clock plus an offset that setting the date or time changes.
    QDateTime ClockNow() const;
    // False (clock unchanged) for a date or time that does not exist.
    bool SetDate(int year, int month, int day);
    bool SetTime(int hour, int minute);

private:
    qint64 UsedMemory() const;
    void SetClock(const QDateTime& printerNow);

    qint64 m_memoryBytes;
    std::vector<TSimImage> m_images;
    qint64 m_clockOffsetSecs = 0;
};
