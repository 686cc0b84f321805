#include "comm/XLMessage.h"

#include <algorithm>
#include <cstring>

void TXLMessage::CutAtPosition()
{
    m_body.truncate(m_position);
    m_position = 0;
}

void TXLMessage::Clear()
{
    if (m_body.capacity() > KeptCapacity)
        m_body.clear();
    else
        m_body.truncate(0);
    m_position = 0;
}

quint32 TXLMessage::ReadNumber(int width)
{
    if (m_body.size() - m_position < width) {
        m_position = m_body.size();
        return 0;
    }
    quint32 value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | quint8(m_body[m_position++]);
    return value;
}

quint8 TXLMessage::ReadU8()
{
    return quint8(ReadNumber(1));
}

quint16 TXLMessage::ReadU16()
{
    return quint16(ReadNumber(2));
}

quint32 TXLMessage::ReadU32()
{
    return ReadNumber(4);
}

QString TXLMessage::ReadString()
{
    const qsizetype end = m_body.indexOf('\0', m_position);
    const qsizetype stop = end < 0 ? m_body.size() : end;
    const QString text = QString::fromLatin1(m_body.constData() + m_position, stop - m_position);
    m_position = end < 0 ? m_body.size() : end + 1;
    return text;
}

QStringList TXLMessage::ReadStringList()
{
    QStringList list;
    while (!AtEnd()) {
        const qsizetype end = m_body.indexOf('\0', m_position);
        if (end < 0) { // bytes after the last 0x00 are not a string
            m_position = m_body.size();
            break;
        }
        if (end > m_position)
            list.append(QString::fromLatin1(m_body.constData() + m_position, end - m_position));
        m_position = end + 1;
    }
    return list;
}

QByteArrayView TXLMessage::ReadBytes(qsizetype count)
{
    const qsizetype available = qMin(count, m_body.size() - m_position);
    const QByteArrayView bytes(m_body.constData() + m_position, qMax<qsizetype>(available, 0));
    m_position += bytes.size();
    return bytes;
}

void TXLMessage::WriteBytes(QByteArrayView bytes)
{
    const qsizetype overlap = qMin(bytes.size(), m_body.size() - m_position);
    if (overlap > 0)
        std::memmove(m_body.data() + m_position, bytes.data(), size_t(overlap));
    m_body.append(bytes.sliced(overlap));
    m_position += bytes.size();
}

void TXLMessage::WriteNumber(quint32 value, int width)
{
    char bytes[4];
    for (int i = 0; i < width; ++i)
        bytes[i] = char(value >> (8 * (width - 1 - i)));
    WriteBytes(QByteArrayView(bytes, width));
}

void TXLMessage::WriteU8(quint8 value)
{
    WriteNumber(value, 1);
}

void TXLMessage::WriteU16(quint16 value)
{
    WriteNumber(value, 2);
}

void TXLMessage::WriteU32(quint32 value)
{
    WriteNumber(value, 4);
}

void TXLMessage::WriteString(const QString& text)
{
    WriteBytes(text.toLatin1());
    WriteU8(0);
}

std::optional<char32_t> TXLMessage::FirstNonWireCharacter(const QString& text)
{
    for (const char32_t c : text.toUcs4())
        if (c == 0 || c > 0xFF)
            return c;
    return std::nullopt;
}
