#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class TXLMessage;

// One element of an EAN-128 barcode as the image message gives it.
struct TSimBarcodeElement
{
    quint8 Kind = 0;
    QString Text1;
    QString Text2;
    QString Text3;
    QString Text4;
};

// One item of a stored image, as the simulated printer keeps it to describe it.
struct TSimItem
{
    quint8 Type = 0;        // the item type code of the image message
    quint8 BarcodeKind = 0; // which symbology, for a barcode
    quint8 Font = 0;
    quint16 X = 0;
    quint16 Y = 0;
    quint8 Style = 0;
    char Separator = 0; // of a date or a time
    // A date: its parts in the order it shows them, and the days it shows beyond the printer's
    // today (a best-before date).
    std::array<quint8, 3> DateParts{1, 2, 4};
    qint32 DateOffsetDays = 0;
    // A text's text, a counter's current value, a barcode's data (EAN/UPC: with its check digit),
    // a picture's size.
    QString Value;
    QStringList Lines;                        // a multi-line text
    std::vector<TSimBarcodeElement> Elements; // an EAN-128 barcode
};

// One entry of an image's shift table: when the shift starts and the letter printed for it.
struct TSimShift
{
    quint8 Hour = 0;
    quint8 Minute = 0;
    QChar Letter;
};

// What the simulated printer keeps of a stored image besides its bytes.
struct TSimImageContent
{
    std::vector<TSimItem> Items;
    std::vector<TSimShift> Shifts;
};

namespace SimImageItems {

// The items of an ImageData body: those it holds whole, up to the first it cannot read.
TSimImageContent Read(const QByteArray& body);

// The ImageItems report body: the image's name and item count, then each item numbered from 1
// after the mark 0x1D, with its type code (a letter; "B" and the symbology digit for a barcode) and
// its fields: font, X, Y, style and value. A multi-line text gives a count and one sub-record per
// line, an EAN-128 barcode one per element, each after the mark 0x1E and numbered item.line. Dates,
// times and shifts show what the printer would print at now.
void WriteReport(TXLMessage& report, const QString& imageName, const TSimImageContent& image,
                 const QDateTime& now);

// Gives the item with this number a new value, as the printer takes it: a text any text, a counter
// a decimal number, a barcode its data (EAN/UPC: digits only), a date a date as it shows dates
// within ten years of today (it shows that many days beyond today from then on). False, and nothing
// changed, for anything else, including the lines of a multi-line text and the elements of an
// EAN-128 barcode.
bool Modify(TSimImageContent& image, const QString& itemNumber, const QString& value, const QDate& today);

} // namespace SimImageItems
