#include "images/BinaryFileStream.h"

#include <QFile>
#include <QtEndian>

#include <bit>

TBinaryFileStream::TBinaryFileStream(QByteArray bytes) : m_bytes(std::move(bytes)) {}

std::optional<TBinaryFileStream> TBinaryFileStream::Open(const QString& fileName, QString* errorText)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = file.errorString();
        return std::nullopt;
    }
    return TBinaryFileStream(file.readAll());
}

const char* TBinaryFileStream::Take(qsizetype count)
{
    if (m_damaged || count > Remaining()) {
        m_damaged = true;
        m_position = m_bytes.size();
        return nullptr;
    }
    const char* data = m_bytes.constData() + m_position;
    m_position += count;
    return data;
}

quint8 TBinaryFileStream::ReadByte()
{
    const char* data = Take(1);
    return data ? quint8(*data) : 0;
}

char TBinaryFileStream::ReadChar()
{
    return char(ReadByte());
}

qint32 TBinaryFileStream::ReadInteger()
{
    return qint32(ReadLongWord());
}

quint32 TBinaryFileStream::ReadLongWord()
{
    const char* data = Take(4);
    return data ? qFromLittleEndian<quint32>(data) : 0;
}

double TBinaryFileStream::ReadDouble()
{
    const char* data = Take(8);
    return data ? std::bit_cast<double>(qFromLittleEndian<quint64>(data)) : 0.0;
}

QString TBinaryFileStream::ReadString(int maxLength)
{
    const qint32 count = ReadInteger();
    if (count <= 0)
        return {};
    const qsizetype length = maxLength >= 1 ? qMin<qsizetype>(count, maxLength) : count;
    const char* data = Take(length);
    return data ? QString::fromLatin1(data, length) : QString();
}

QByteArrayView TBinaryFileStream::ReadBytes(qint64 count)
{
    const char* data = Take(count < 0 ? Remaining() + 1 : qsizetype(count));
    return data ? QByteArrayView(data, qsizetype(count)) : QByteArrayView();
}

quint32 TBinaryFileStream::PeekLongWord(qsizetype offset)
{
    const qsizetype start = m_position;
    if (offset < 0 || offset > Remaining()) {
        MarkDamaged();
        return 0;
    }
    m_position += offset;
    const quint32 value = ReadLongWord();
    if (!m_damaged)
        m_position = start;
    return value;
}
