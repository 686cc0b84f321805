#include "SimMessageLog.h"

#include "comm/XLMessage.h"

bool TSimMessageLog::Open(const QString& path)
{
    m_file.setFileName(path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
}

QByteArray TSimMessageLog::Line(Direction direction, const TXLMessage& message)
{
    // Written by hand to keep the fields in this order; every value is a number or hex digits.
    return QByteArrayLiteral("{\"dir\":\"") + (direction == Direction::In ? "in" : "out") +
           "\",\"id\":" + QByteArray::number(message.Id) + ",\"sub\":" + QByteArray::number(message.Sub) +
           ",\"messageNo\":" + QByteArray::number(message.MessageNo) + ",\"body\":\"" +
           message.Body().toHex() + "\"}\n";
}

void TSimMessageLog::Write(Direction direction, const TXLMessage& message)
{
    if (!m_file.isOpen())
        return;
    m_file.write(Line(direction, message));
    m_file.flush();
}
