#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// The seven int32 every item record starts with, after its type name.
struct TDesignItemCommon
{
    qint32 FontNo = 0;
    qint32 X = 0;
    qint32 Y = 0;
    qint32 Width = 0;
    qint32 Height = 0;
    qint32 Style = 0;
    qint32 Reserved = 0;
};

// One entry of a design file's shift table.
struct TDesignShift
{
    quint32 Code = 0;
    double StartTime = 0;
    QByteArray Name;
};

// Writes the design program's binary files (image design files, font maps) field by field, so a
// test states its fixture as the sequence of fields it holds:
//
//     const QByteArray file = TDesignFileWriter()
//         .Header("zorbe V3.1X000", "", "LABEL").Shifts().ItemCount(1)
//         .Item("TextItem", {.X = 300}).String("AB").Byte(3).String("").UInt32(1)
//         .Bytes();
//
// Numbers are little-endian; a string is its int32 character count and its 8-bit characters.
class TDesignFileWriter
{
public:
    static constexpr char DefaultMonthNames[] = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";

    // Single fields.
    TDesignFileWriter& Byte(quint8 value);
    TDesignFileWriter& Char(char value) { return Byte(quint8(value)); }
    TDesignFileWriter& Int32(qint32 value);
    TDesignFileWriter& UInt32(quint32 value);
    TDesignFileWriter& Double(double value);
    TDesignFileWriter& String(QByteArrayView characters);
    // A string whose count need not match its characters (damaged files).
    TDesignFileWriter& String(qint32 count, QByteArrayView characters);
    TDesignFileWriter& Raw(QByteArrayView bytes);

    // Image design file: version, image text, image name, five unused values, an unused text and
    // the month names.
    TDesignFileWriter& Header(QByteArrayView version, QByteArrayView imageText, QByteArrayView imageName,
                              QByteArrayView monthNames = DefaultMonthNames);
    // The 25 shift entries: the given ones first, the rest coded 0 with empty names.
    TDesignFileWriter& Shifts(const QList<TDesignShift>& shifts = {});
    // The unused text before the item count, and the count.
    TDesignFileWriter& ItemCount(quint32 count);
    // An item record's type name and common part; its type's fields follow with the single fields.
    TDesignFileWriter& Item(QByteArrayView typeName, const TDesignItemCommon& common = {});

    // Font map: header text and entry count; one entry (three texts, two unused values, the mapping).
    TDesignFileWriter& FontMapHeader(qint32 count);
    TDesignFileWriter& FontMapEntry(qint32 fontNo, qint32 fontExtra, qint32 coderFont);

    // A whole image design file with one counter item: the smallest image a printer takes. Another
    // version makes it a file of another program; a counter value that is not a number makes it an
    // image the station cannot build.
    static TDesignFileWriter SmallImage(QByteArrayView imageName, QByteArrayView version = "zorbe V3.1X000",
                                        QByteArrayView counterValue = "1");

    const QByteArray& Bytes() const { return m_bytes; }
    bool WriteTo(const QString& fileName) const;

private:
    QByteArray m_bytes;
};
