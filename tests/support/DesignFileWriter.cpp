#include "DesignFileWriter.h"

#include <QFile>
#include <QtEndian>

#include <bit>

TDesignFileWriter& TDesignFileWriter::Byte(quint8 value)
{
    m_bytes.append(char(value));
    return *this;
}

TDesignFileWriter& TDesignFileWriter::Int32(qint32 value)
{
    return UInt32(quint32(value));
}

TDesignFileWriter& TDesignFileWriter::UInt32(quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return Raw(QByteArrayView(bytes, 4));
}

TDesignFileWriter& TDesignFileWriter::Double(double value)
{
    char bytes[8];
    qToLittleEndian(std::bit_cast<quint64>(value), bytes);
    return Raw(QByteArrayView(bytes, 8));
}

TDesignFileWriter& TDesignFileWriter::String(QByteArrayView characters)
{
    return String(qint32(characters.size()), characters);
}

TDesignFileWriter& TDesignFileWriter::String(qint32 count, QByteArrayView characters)
{
    return Int32(count).Raw(characters);
}

TDesignFileWriter& TDesignFileWriter::Raw(QByteArrayView bytes)
{
    m_bytes.append(bytes);
    return *this;
}

TDesignFileWriter& TDesignFileWriter::Header(QByteArrayView version, QByteArrayView imageText,
                                             QByteArrayView imageName, QByteArrayView monthNames)
{
    String(version).String(imageText).String(imageName);
    for (int i = 0; i < 5; ++i)
        Int32(0);
    return String("").String(monthNames);
}

TDesignFileWriter& TDesignFileWriter::Shifts(const QList<TDesignShift>& shifts)
{
    for (int i = 0; i < 25; ++i) {
        const TDesignShift shift = i < shifts.size() ? shifts[i] : TDesignShift();
        UInt32(shift.Code).Double(shift.StartTime).String(shift.Name);
    }
    return *this;
}

TDesignFileWriter& TDesignFileWriter::ItemCount(quint32 count)
{
    return String("").UInt32(count);
}

TDesignFileWriter& TDesignFileWriter::Item(QByteArrayView typeName, const TDesignItemCommon& common)
{
    return String(typeName)
        .Int32(common.FontNo)
        .Int32(common.X)
        .Int32(common.Y)
        .Int32(common.Width)
        .Int32(common.Height)
        .Int32(common.Style)
        .Int32(common.Reserved);
}

TDesignFileWriter& TDesignFileWriter::FontMapHeader(qint32 count)
{
    return String("FONTMAP").Int32(count);
}

TDesignFileWriter& TDesignFileWriter::FontMapEntry(qint32 fontNo, qint32 fontExtra, qint32 coderFont)
{
    return String("Font").String("").String("x").Int32(0).Int32(0).Int32(fontNo).Int32(fontExtra).Int32(
        coderFont);
}

TDesignFileWriter TDesignFileWriter::SmallImage(QByteArrayView imageName, QByteArrayView version,
                                                QByteArrayView counterValue)
{
    TDesignFileWriter writer;
    writer.Header(version, "", imageName).Shifts().ItemCount(1);
    writer.Item("NumberItem").String("0").String(counterValue).String("9").String("1").String("0");
    writer.Byte(0).Byte(0);
    return writer;
}

bool TDesignFileWriter::WriteTo(const QString& fileName) const
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(m_bytes) == m_bytes.size();
}
